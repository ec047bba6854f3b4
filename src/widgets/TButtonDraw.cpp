// How a button draws itself: the look of its state (pressed, hovered, normal or disabled) with its
// shadow and glow, and its caption in the colour of that state.
#include "widgets/TButton.h"

#include "platform/draw.h"

void TButton::DrawLook(const TGameImageRef& look, int lookFrame, const TGameImageRef& glowImage, bool glow) {
    DrawShadow(look, 0, 0);
    platform::DrawImage(look->image, x, y, lookFrame);
    if (glow) {
        DrawLight(Glow, 1, 1, 1, glowImage);
        if (UseAlpha != 0) platform::SetAlpha(Alpha);
    }
}

int TButton::Draw() {
    // A button that never loaded a picture has nothing to draw.
    if ((Active == 0 && AlwaysDraw == 0) || !image) return 0;
    platform::SetBlend(platform::BLEND_ALPHA);
    float keptX = x, keptY = y, keptScaleX = ScaleX, keptScaleY = ScaleY;
    x += offx;
    y += offy;
    if (UseAlpha != 0) platform::SetAlpha(Alpha);
    if (Caption) {
        OldRoundedCoords = Caption->RoundCoords;
        Caption->Alpha = Alpha;
    }
    bool grown = ScaleOnMO > 1.0f;
    if (!grown) {
        platform::SetScale(ScaleX, ScaleY);
    } else {
        // Grows about its centre.
        platform::SetScale(ScaleOnMO, ScaleOnMO);
        x += (1.0f - ScaleOnMO) * float(image->w) / 2.0f;
        y += (1.0f - ScaleOnMO) * float(image->h) / 2.0f;
        ScaleX = ScaleY = ScaleOnMO;
    }
    bool glowing = GlowMode > 0 && Glow > 0;
    if (MouseClickCounter > 0 && ImageMouseClick) {
        DrawLook(ImageMouseClick, 0, ImageMouseClick, glowing);
        DrawPressedCaption();
    } else if ((MouseOver != 0 && ImageMouseOver) || (FixedGlowOnMOUseMO != 0 && glowing)) {
        // A fading glow that keeps the hover look shows the normal picture when there is no
        // hover picture.
        const TGameImageRef& look = ImageMouseOver ? ImageMouseOver : image;
        DrawLook(look, frame, look, glowing && (FixedGlowOnMO != 0 || AutoGlowOnMO != 0) && UseGlowOnMO != 0);
        if (Caption) {
            Caption->ApplyInverse();
            DrawCaption();
        }
    } else if (Disabled == 0) {
        DrawLook(image, frame, nullptr, glowing);
        if (Caption) {
            Caption->Apply();
            DrawCaption();
        }
    } else {
        if (ImageDisabled) {
            DrawShadow(ImageDisabled, 0, 0);
            platform::DrawImage(ImageDisabled->image, x, y, 0);
        } else {
            // Without a disabled picture the normal one stands in, at half the button's alpha.
            DrawShadow(image, 0, 0);
            float alpha = UseAlpha != 0 ? Alpha : 1.0f;
            platform::SetAlpha(alpha * 0.5f);
            platform::DrawImage(image->image, x, y, 0);
            platform::SetAlpha(alpha);
        }
        if (Caption) {
            Caption->ApplyCustomColor(CaptionDisabledColor);
            DrawCaption();
        }
    }
    x = keptX;
    y = keptY;
    if (UseAlpha != 0) platform::SetAlpha(1.0f);
    if (grown) {
        ScaleX = keptScaleX;
        ScaleY = keptScaleY;
    }
    platform::SetScale(1, 1);
    return 1;
}

void TButton::DrawPressedCaption() {
    if (!Caption) return;
    Caption->ApplyCustomColor(CaptionDownColor);
    bool grown = ScaleOnMO > 1.0f;
    bool scaled = CaptionDownScale != 1.0f || grown;
    if (scaled) Caption->RoundCoords = 0;
    float s = CaptionDownScale;
    if (grown) {
        platform::SetScale(ScaleOnMO, ScaleOnMO);
        if (!Caption->BitmapFont) s = CaptionDownScale * ScaleOnMO;
    }
    if (CaptionDownScale != 1.0f) Caption->ApplyScale(s);
    float keptX = Caption->X, keptY = Caption->Y;
    Caption->X += offx;
    Caption->Y += offy;
    float scale = grown ? ScaleOnMO : 1.0f;
    Caption->Draw(CaptionDownOffsetX * scale, CaptionDownOffsetY * scale, 0);
    Caption->X = keptX;
    Caption->Y = keptY;
    if (scaled) {
        Caption->RestoreScale();
        Caption->RoundCoords = OldRoundedCoords;
    }
}

int TButton::DrawCaption() {
    if (!Caption) return 0;
    bool grown = ScaleOnMO > 1.0f;
    if (grown) {
        platform::SetScale(ScaleOnMO, ScaleOnMO);
        Caption->RoundCoords = 0;
    }
    float keptX = Caption->X, keptY = Caption->Y;
    Caption->X += offx;
    Caption->Y += offy;
    Caption->Draw(0, 0, 0);
    Caption->X = keptX;
    Caption->Y = keptY;
    if (grown) Caption->RoundCoords = OldRoundedCoords;
    return 0;
}

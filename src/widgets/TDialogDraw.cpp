// How a dialog draws itself, in a fixed order: the veil, the box, its highlight, the header, the
// labels, the menu and the pictures, all moved by the slide offset.
#include "widgets/TDialog.h"

#include "framework/cc_draw.h"
#include "platform/draw.h"

int TDialog::Draw() {
    if (Active == 0) return 0;
    Alpha = 1.0f;
    float dim = DimBackground;
    const TAnimationRef& running = Transitioning == 1   ? TransitionIn
                                   : Transitioning == 2 ? TransitionOut
                                                        : nullptr;
    if (running) {
        // Both rise from 0 while opening and fall to 0 while closing.
        float ratio = Transitioning == 1 ? running->GetRatioInv() : running->GetRatio();
        if (FadeDialog != 0) Alpha = ratio;
        if (DimBackground != 0.0f) dim = ratio * DimBackground;
    }
    if (dim > 0.0f) ccDimScreen(dim);
    platform::SetAlpha(Alpha);
    if (Alpha != 1.0f) SetAlphas(Alpha);
    DrawBox();
    DoDrawHighlight(Alpha);
    if (Header) {
        Header->UseOffset = Slide != 0 ? 1 : 0;
        Header->offx = OffsetX;
        Header->offy = OffsetY;
        Header->Draw();
    }
    if (TextHeader) TextHeader->Draw(OffsetX, OffsetY, 1);
    Caption->Draw(OffsetX, OffsetY, 1);
    ccTextAlpha = 1.0f;
    if (Menu && MenuShow != 0) Menu->Draw(OffsetX, OffsetY);
    if (Picture) DrawPicture(Picture, PictureX, PictureY, PictureScale, PictureAngle, PictureShadow);
    if (Picture2) DrawPicture(Picture2, Picture2X, Picture2Y, Picture2Scale, Picture2Angle, Picture2Shadow);
    platform::SetAlpha(1.0f);
    return 1;
}

void TDialog::DrawBox() {
    float left = float(x) + OffsetX, top = float(y) + OffsetY;
    if (Background) {
        ccDrawImage(Background, left, top, Shadow.get());
        return;
    }
    DialogColor->Apply();
    ccDrawRect(left, top, float(w), float(h), Shadow.get());
    TColor::Restore();
    platform::SetAlpha(Alpha);
}

void TDialog::DrawPicture(const TGameImageRef& picture, int atX, int atY, float scale, float angle,
                          const TShadowRef& shadow) {
    platform::SetScale(scale, scale);
    platform::SetRotation(angle);
    if (shadow) {
        float keptAlpha = shadow->Alpha;
        shadow->Alpha *= Alpha;
        shadow->Apply();
        platform::DrawImage(picture->image, float(atX) + shadow->X + OffsetX,
                            float(atY) + shadow->Y + OffsetY, 0);
        TShadow::Restore();
        shadow->Alpha = keptAlpha;
    }
    platform::SetAlpha(Alpha);
    platform::DrawImage(picture->image, float(atX) + OffsetX, float(atY) + OffsetY, 0);
    platform::SetScale(1, 1);
    platform::SetRotation(0);
}

int TDialog::DoDrawHighlight(float alpha) {
    if (DrawHighlight == 0) return 0;
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(0.5f * alpha);
    float left = float(x) + OffsetX, top = float(y) + OffsetY;
    platform::DrawLine(left, top, left + float(w) - 1.0f, top, false);
    platform::DrawLine(left, top, left, top + float(h) - 1.0f, false);
    platform::SetAlpha(alpha);
    return 0;
}

#include "widgets/TToolTip.h"

#include "core/TGame.h"
#include "framework/cc_draw.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "media/TBitmapFont.h"
#include "platform/draw.h"
#include "platform/font.h"

#include <algorithm>

int TToolTip::Collide(int over) {
    const int wasVisible = Visible;
    bool shown = false;
    if (over == 0) {
        CollideCounter = 0.0f;
    } else {
        CollideCounter += Delta;
        if (CollideCounter > float(CollideCounterMax)) {
            CollideCounter = float(CollideCounterMax);
            Visible = 1;
            if (wasVisible == 0 && ToolTipSound && Game && Game->Channels)
                Game->Channels->PlayGameSound(*ToolTipSound, nullptr, 1.0f, 0.0f);
            shown = true;
        }
        if (DrawUnderMouseCursor == 1 && (SetCoordsOnceOnly == 0 || wasVisible == 0)) PlaceNearPointer();
    }
    if (shown) {
        if (Fade == 1) FadeLevel = std::min(1.0f, FadeLevel + FadeInSpeed * Delta);
    } else if (Fade == 1) {
        FadeLevel -= FadeOutSpeed * Delta;
        if (FadeLevel <= 0.0f) {
            FadeLevel = 0.0f;
            Visible = 0;
        }
    } else {
        Visible = 0;
    }
    return 0;
}

void TToolTip::PlaceNearPointer() {
    const float mx = float(Game->Mouse->x), my = float(Game->Mouse->y);
    const float ph = float(Game->Mouse->h);
    const float iw = image ? float(image->w) : 0.0f, ih = image ? float(image->h) : 0.0f;
    if (AlwaysShowAboveMouse == 1 || my + ph + float(GapFromMouse) + ih >= float(ScreenHeight)) {
        y = my - float(GapFromMouse) - ih;
    } else {
        y = my + ph + float(GapFromMouse);
    }
    x = (mx + iw < float(ScreenWidth)) ? mx + float(XOffset) : float(ScreenWidth) - iw;
}

int TToolTip::Kill() {
    ToolTipSound = nullptr;
    return 0;
}

int TToolTip::SetCollideCounterMax(int ms) {
    CollideCounterMax = TruncToInt(CalcAnimLength(ms));
    return 0;
}

int TToolTip::SetText(const std::string& text) {
    if (Fade == 1 && FadeLevel > 0.0f) return 0;
    Text = text;
    const TStringArray lines = ccSplitStringIntoLines(text);
    const int width = TruncToInt(float(TextDrawWidth) / FontScale);
    // Without a bitmap font the text is measured in the font's image font.
    const TTextMeasure* measure = (Font && Font->BitmapFont) ? Font->BitmapFont.get() : nullptr;
    if (!measure) platform::SetImageFont(Font ? Font->ImageFont : nullptr);
    TextWrapped = ccWordWrapArray(lines, width, measure, 1.0f);
    return 1;
}

void TToolTip::DrawText() {
    const float iw = image ? float(image->w) : 0.0f, ih = image ? float(image->h) : 0.0f;
    const float cx = x + iw / 2.0f;
    const float cy = y + ih / 2.0f + float(TextYOffset);
    const int shadow = Font->Shadow ? 1 : 0;
    if (auto* bitmap = dynamic_cast<TBitmapFont*>(Font->BitmapFont.get())) {
        const double oldScale = bitmap->ScaleFactor;
        bitmap->ScaleFactor = FontScale;
        bitmap->DrawStringArray(TextWrapped, cx, cy, 1, 0, 0, 0, shadow, 0, 1);
        bitmap->ScaleFactor = oldScale;
        return;
    }
    float oldX = 1.0f, oldY = 1.0f;
    platform::GetScale(oldX, oldY);
    platform::SetScale(FontScale, FontScale);
    const float lineHeight = float(platform::TextHeight("")) * FontScale;
    const float top = cy - lineHeight * float(TextWrapped.size()) / 2.0f;
    if (shadow) {
        ccShadowTextWrapped(cx, top, TextWrapped, 1, TruncToInt(lineHeight));
    } else {
        for (size_t i = 0; i < TextWrapped.size(); ++i)
            ccDrawTextCentred(TextWrapped[i], cx, top + lineHeight * float(i), 0, 0);
    }
    platform::SetScale(oldX, oldY);
}

int TToolTip::Draw() {
    if (Visible == 0) return 0;
    if (Fade == 1) platform::SetAlpha(FadeLevel);
    if (image) image->Draw(x, y, 0, nullptr);
    if (Font) {
        const float oldAlpha = Font->Color ? Font->Color->Alpha : 1.0f;
        if (Fade == 1 && Font->Color) Font->Color->Alpha = FadeLevel;
        Font->Apply();
        if (Fade == 1) platform::SetAlpha(FadeLevel);
        DrawText();
        if (Font->Color) Font->Color->Alpha = oldAlpha;
    }
    TColor::Restore();
    if (Fade == 1) {
        platform::SetAlpha(1.0f);
        ccTextAlpha = 1.0f;
    }
    return 1;
}

#include "widgets/TLabel.h"

#include "framework/cc_draw.h"
#include "media/TBitmapFont.h"
#include "platform/draw.h"
#include "platform/font.h"

TLabelRef TLabel::CreateSpecial(const std::string& text, float x, float y, int alignment, int wrapWidth,
                                int centreVertically) {
    auto label = std::make_shared<TLabel>();
    label->Text = text;
    label->X = x;
    label->Y = y;
    label->Alignment = alignment;
    label->WordWrap = wrapWidth;
    label->CentreVertically = centreVertically;
    label->Color = TColor::Create(255, 255, 255, 1.0f);
    return label;
}

float TLabel::TextWidthOf(const std::string& text) {
    if (BitmapFont) return BitmapFont->StringWidth(text);
    platform::SetImageFont(ImageFont);
    return float(platform::TextWidth(text));
}

float TLabel::CalcWidth() {
    W = TextWidthOf(Text);
    return W * Scale;
}

float TLabel::CalcHeight() {
    if (WordWrap <= 0) return TFont::CalcHeight() * Scale;
    if (TotalLines > 0) CalcWordWrappedHeight();
    return H * Scale;
}

int TLabel::CalcSize() {
    CalcWidth();
    CalcHeight();
    return 0;
}

int TLabel::CalcWordWrappedHeight() {
    H = float(TotalLines * LineGap);
    return 0;
}

int TLabel::PreCalcWordWrap() {
    if (!BitmapFont) platform::SetImageFont(ImageFont);
    TextArray = ccWordWrapArray(ccSplitStringIntoLines(Text), WordWrap, BitmapFont.get(), Scale);
    TotalLines = int(TextArray.size());
    if (LineGap == 0) {
        if (BitmapFont)
            LineGap = int(BitmapFont->StringHeight(BitmapFont->TestString));
        else
            LineGap = platform::TextHeight("");
    }
    return CalcWordWrappedHeight();
}

int TLabel::SetLineGap(int gap) {
    LineGap = gap;
    return CalcWordWrappedHeight();
}

int TLabel::SetCurvature(float width, float height) {
    CurvatureWidth = width;
    CurvatureHeight = height;
    return 0;
}

int TLabel::AutoScale(float maximum) {
    if (CalcWidth() > maximum) Scale = maximum / W;
    return 0;
}

int TLabel::Draw(float ox, float oy, int applyOwnColour) {
    if (Visible == 0) return 0;
    float keptScaleX = 1.0f, keptScaleY = 1.0f;
    if (Scale != 1.0f) {
        platform::GetScale(keptScaleX, keptScaleY);
        platform::SetScale(keptScaleX * Scale, keptScaleY * Scale);
    }
    if (!BitmapFont) platform::SetImageFont(ImageFont);
    float a = Alpha;
    if (applyOwnColour != 0 && Color) {
        Color->Apply();
        a *= Color->Alpha;
    }
    if (a != 1.0f) platform::SetAlpha(a);
    if (WordWrap > 0) {
        float lineY = Y + oy;
        for (int i = 0; i < TotalLines; ++i) {
            DrawTextLine(TextArray[size_t(i)], X + ox, lineY, applyOwnColour);
            lineY += float(LineGap) * Scale;
        }
    } else if (CentreVertically != 0) {
        float d = H / 2.0f;
        if (BitmapFont) {
            float sx = 1.0f, sy = 1.0f;
            platform::GetScale(sx, sy);
            CalcHeight();
            d = H / 2.0f * sy;
        }
        DrawTextLine(Text, X + ox, Y + oy - d, applyOwnColour);
    } else {
        DrawTextLine(Text, X + ox, Y + oy, applyOwnColour);
    }
    if (Scale != 1.0f) platform::SetScale(keptScaleX, keptScaleY);
    TColor::Restore();
    if (a != 1.0f) platform::SetAlpha(1.0f);
    return 1;
}

int TLabel::DrawTextLine(const std::string& line, float x, float y, int applyOwnColour) {
    auto* bitmapFont = dynamic_cast<TBitmapFont*>(BitmapFont.get());
    bool curved = CurvatureHeight != 0.0f && bitmapFont != nullptr;
    if (curved) bitmapFont->SetCurvature(CurvatureWidth, CurvatureHeight);
    int rx = RoundCoords == 1 ? 1 : RoundXCoord;
    int ry = RoundCoords == 1 ? 1 : RoundYCoord;
    if (OutlineWidth > 0 && !bitmapFont) {
        int r = 255, g = 255, b = 255;
        platform::GetColor(r, g, b);
        platform::SetColor(OutlineRGB[0], OutlineRGB[1], OutlineRGB[2]);
        for (int dy = -OutlineWidth; dy <= OutlineWidth; ++dy)
            for (int dx = -OutlineWidth; dx <= OutlineWidth; ++dx)
                if (dx != 0 || dy != 0)
                    ccDrawTextAligned(line, x + float(dx), y + float(dy), 0, Alignment, RoundCoords);
        platform::SetColor(r, g, b);
    }
    if (!Shadow) {
        if (bitmapFont)
            bitmapFont->DrawAligned(line, x, y, Alignment, rx, ry, 0);
        else
            ccDrawTextAligned(line, x, y, 0, Alignment, RoundCoords);
    } else {
        Shadow->ApplyToText();
        if (applyOwnColour != 0 && Color) ccTextAlpha = Color->Alpha;
        // NOTE: shadowed text is drawn at ccTextAlpha, so the label's own Alpha does not fade it.
        if (bitmapFont)
            bitmapFont->DrawAlignedWithShadow(line, x, y, Alignment, rx, ry);
        else
            ccDrawTextAligned(line, x, y, 1, Alignment, RoundCoords);
    }
    if (curved) bitmapFont->ClearCurvature();
    return 0;
}

#include "framework/TFont.h"

#include "framework/cc_draw.h"
#include "platform/draw.h"

TShadowRef TShadow::Create(float x, float y, float alpha) {
    auto shadow = std::make_shared<TShadow>();
    shadow->Init(x, y, alpha);
    return shadow;
}

int TShadow::Init(float x, float y, float alpha) {
    X = x;
    Y = y;
    Alpha = alpha;
    return 0;
}

int TShadow::ApplyToText() const {
    return ccShadowTextSet(X, Y, Alpha);
}

int TShadow::Copy(const TShadow& other) {
    return Init(other.X, other.Y, other.Alpha);
}

int TShadow::Apply() const {
    platform::SetColor(0, 0, 0);
    platform::SetAlpha(Alpha);
    return 0;
}

int TShadow::Restore() {
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(1.0f);
    return 0;
}

TFontRef TFont::Create(const platform::ImageFontRef& imageFont, const TColorRef& color,
                       const TShadowRef& shadow, int fixedWidth, const TBitmapFontRef& bitmapFont,
                       const TColorRef& inverseColor, const std::string& name) {
    auto font = std::make_shared<TFont>();
    font->Init(imageFont, color, shadow, fixedWidth, bitmapFont, inverseColor, name);
    return font;
}

int TFont::Init(const platform::ImageFontRef& imageFont, const TColorRef& color, const TShadowRef& shadow,
                int fixedWidth, const TBitmapFontRef& bitmapFont, const TColorRef& inverseColor,
                const std::string& name) {
    ImageFont = imageFont;
    BitmapFont = bitmapFont;
    Color = color;
    Shadow = shadow;
    FixedWidth = fixedWidth;
    InverseColor = inverseColor;
    Name = name;
    CalcHeight();
    return 0;
}

int TFont::Apply() {
    return ApplyCustomColor(Color);
}

int TFont::ApplyCustomColor(const TColorRef& color) {
    if (color) color->Apply();
    if (Shadow) {
        Shadow->ApplyToText();
        if (color) ccTextAlpha = color->Alpha;
    }
    if (!BitmapFont) platform::SetImageFont(ImageFont);
    return 0;
}

int TFont::ApplyInverse() {
    if (InverseColor) InverseColor->Apply();
    if (!BitmapFont) platform::SetImageFont(ImageFont);
    return 0;
}

int TFont::ApplyScale(float scale) {
    if (!BitmapFont) {
        platform::SetScale(scale, scale);
    } else {
        OldScale = BitmapFont->ScaleFactor;
        BitmapFont->ScaleFactor = scale;
    }
    return 0;
}

float TFont::CalcHeight() {
    if (BitmapFont) {
        H = BitmapFont->StringHeight(BitmapFont->TestString);
    } else {
        platform::SetImageFont(ImageFont);
        H = float(platform::TextHeight(""));
    }
    return H;
}

int TFont::Kill() {
    ImageFont = nullptr;
    BitmapFont = nullptr;
    Color = nullptr;
    InverseColor = nullptr;
    Shadow = nullptr;
    return 0;
}

int TFont::RestoreScale() {
    if (!BitmapFont) {
        platform::SetScale(1.0f, 1.0f);
    } else {
        BitmapFont->ScaleFactor = OldScale;
    }
    return 0;
}

// Text styles and drop shadows: how text and images are dressed when drawn. A style draws
// nothing itself; a text drawer applies it, then draws.
#pragma once

#include "framework/TColor.h"
#include "framework/cc_strings.h"
#include "platform/font.h"

#include <memory>
#include <string>

class TShadow;
using TShadowRef = std::shared_ptr<TShadow>;

class TShadow {
public:
    float X = 1.0f, Y = 1.0f; // offset right and down, pixels
    float Alpha = 0.5f;       // alpha of the black pass

    static TShadowRef Create(float x, float y, float alpha);
    int Init(float x, float y, float alpha);
    // Becomes the global text-shadow offset and strength.
    int ApplyToText() const;
    int Copy(const TShadow& other);
    // Black at the shadow's alpha.
    int Apply() const;
    // White at alpha 1.
    static int Restore();
};

// What a text style needs of a bitmap font: its measures and its scale factor. The bitmap fonts
// derive from it.
class TBitmapFontBase : public TTextMeasure {
public:
    double ScaleFactor = 1.0;
    std::string TestString = "ABCXYZ";
    virtual float StringHeight(const std::string& text) const = 0;
};
using TBitmapFontRef = std::shared_ptr<TBitmapFontBase>;

class TFont;
using TFontRef = std::shared_ptr<TFont>;

class TFont {
public:
    TBitmapFontRef BitmapFont; // when set, the image font is not selected
    TColorRef Color;           // null leaves the current colour
    int FixedWidth = 0;        // for the text drawers only
    platform::ImageFontRef ImageFont;
    TColorRef InverseColor;
    std::string Name;
    TShadowRef Shadow; // null: no shadow
    float H = 0.0f;    // line height cached by CalcHeight
    double OldScale = 0.0;

    virtual ~TFont() = default;
    static TFontRef Create(const platform::ImageFontRef& imageFont, const TColorRef& color,
                           const TShadowRef& shadow, int fixedWidth, const TBitmapFontRef& bitmapFont,
                           const TColorRef& inverseColor, const std::string& name);
    int Init(const platform::ImageFontRef& imageFont, const TColorRef& color, const TShadowRef& shadow,
             int fixedWidth, const TBitmapFontRef& bitmapFont, const TColorRef& inverseColor,
             const std::string& name);
    int Apply();
    int ApplyCustomColor(const TColorRef& color);
    int ApplyInverse();
    int ApplyScale(float scale);
    // Line height; selects the image font as a lasting side effect when there is no bitmap font.
    virtual float CalcHeight();
    int Kill();
    int RestoreScale();
};

// A pre-rendered font: one glyph page (B + ".png") and a text descriptor (B + ".fnt") giving each
// character's rectangle on the page, its drawing offsets and its advance. It measures strings and
// draws them left, centred, right-aligned, vertically, along a sine arch, with cycling colours and
// with the global text shadow.
//
// Texts are Latin-1 strings; the std::u32string overloads reach the codes above 255 that a
// descriptor may list.
#pragma once

#include "framework/TColor.h"
#include "framework/TFont.h"
#include "platform/image.h"

#include <memory>
#include <string>
#include <vector>

class TBitmapFont;
using TBitmapFontPtr = std::shared_ptr<TBitmapFont>;

class TBitmapFont : public TBitmapFontBase {
public:
    // Switches shared by all bitmap fonts.
    static int AutoCalcDrawOffsetY;     // 1: CalcDrawOffsetY after loading
    static int UseStringHeightAccurate; // 1: StringHeight gives StringHeightAccurate
    static int UseBuggedStringHeight;   // 1: the average glyph height divides by count - 1

    double CharGap = 0.0;
    int ChangeHandle = 0; // 1: glyphs are placed through the image handle
    float CurvatureAngle = 180.0f;
    int DrawOffsetY = 0;
    double HandleX = 0.0, HandleY = 0.0;
    int ArraySize = 406; // 256 direct slots and room for 150 codes above 255
    float CurvatureHeight = 0.0f;
    float CurvatureWidth = 0.0f;
    std::vector<int> ID;
    platform::ImageRef Image;
    int NumChars = 0;
    int NumExtraChars = 0;
    double TextureH = 0.0, TextureW = 0.0;
    std::vector<double> width, height, xAdvance, xOffset, yOffset, xPos, yPos;

    TBitmapFont();

    // Loads the page with the given image flags and the descriptor; yAdjust is added to every
    // glyph's y offset. A missing page or descriptor ends the program naming the path.
    static TBitmapFontPtr Create(const std::string& basePath, int flags, int yAdjust);

    int CalcDrawOffsetY();
    float CalcReducedScale(const std::string& text, int maxWidth) const;
    int CalcVRAM() const;
    int ClearCurvature();
    int Draw(const std::string& text, double x, double y, int centre = 0, int right = 0, int snapX = 0,
             int snapY = 0, int shadow = 0, int centreVertically = 0, int vertical = 0,
             const std::vector<TColorRef>& colours = {});
    int Draw(const std::u32string& text, double x, double y, int centre = 0, int right = 0, int snapX = 0,
             int snapY = 0, int shadow = 0, int centreVertically = 0, int vertical = 0,
             const std::vector<TColorRef>& colours = {});
    // Alignment 0 left, 1 centred, 2 right, 3 centred both ways; any other value draws nothing.
    int DrawAligned(const std::string& text, double x, double y, int alignment, int snapX, int snapY,
                    int shadow, const std::vector<TColorRef>& colours = {});
    int DrawAlignedWithShadow(const std::string& text, double x, double y, int alignment, int snapX,
                              int snapY);
    int DrawStringArray(const std::vector<std::string>& lines, double x, double y, int centre, int right,
                        int snapX, int snapY, int shadow, int gap, int centreVertically);
    int ExpandArrays();
    // The extra slot (256 upward) holding the code, the first one when listed twice; 0 for none.
    int FindChar(char32_t code) const;
    int Kill();
    int Precache();
    int ResetHandle();
    int SetCurvature(float curveWidth, float curveHeight);
    float StringHeight(const std::string& text) const override;
    double StringHeight(const std::u32string& text) const;
    double StringHeightAccurate(const std::u32string& text) const;
    double StringHeightVertical(const std::u32string& text) const;
    float StringWidth(const std::string& text) const override;
    double StringWidth(const std::u32string& text) const;
    std::string TruncateString(const std::string& text, int maxWidth) const;

    // The Latin-1 text as character codes.
    static std::u32string Codes(const std::string& text);

private:
    int Slot(char32_t code) const;
    void ReadDescriptor(const std::string& bytes, int yAdjust);
    void ReadGlyph(const std::string& line, int yAdjust);
};

// A label: positioned text in a text style, one line or several word-wrapped to a width, aligned
// left, centred or right on its x, scaled, faded by its own alpha and optionally centred
// vertically on its y. Dialog captions, text headers and button captions are labels. A label has
// no per-tick logic: its owner changes it, re-measures it and draws it every frame.
#pragma once

#include "framework/TFont.h"
#include "framework/cc_strings.h"

#include <memory>
#include <string>

class TLabel;
using TLabelRef = std::shared_ptr<TLabel>;

class TLabel : public TFont {
public:
    float Alpha = 1.0f;
    int CentreVertically = 0; // a one-line label is drawn with Y at the middle of the text
    int LineGap = 0;          // unscaled pixels from one wrapped line to the next; 0: the font's
    float Scale = 1.0f;
    float X = 0.0f, Y = 0.0f; // anchor of the text (by Alignment) and top of the first line
    int RoundCoords = 1;
    int RoundXCoord = 0, RoundYCoord = 0; // handed to a bitmap font when RoundCoords is not 1
    int Visible = 1;
    float W = 0.0f;    // last measured width of Text, unscaled
    int Alignment = 0; // 0 left, 1 centred, 2 right
    float CurvatureHeight = 0.0f, CurvatureWidth = 0.0f;
    std::string Text;
    TStringArray TextArray; // the wrapped lines, valid after PreCalcWordWrap
    int TotalLines = 0;
    int WordWrap = 0; // wrap width in pixels; 0 or less: one line drawn from Text
    // A ring of this many pixels in OutlineRGB drawn around image-font text first: it keeps a
    // caption whose colour is fixed readable on a box of a close shade. 0: none.
    int OutlineWidth = 0;
    int OutlineRGB[3] = {0, 0, 0};

    // White text, no font yet: the owner calls TFont::Init (and PreCalcWordWrap for wrapped text).
    static TLabelRef CreateSpecial(const std::string& text, float x, float y, int alignment, int wrapWidth,
                                   int centreVertically);
    // W from Text; returns the scaled width.
    float CalcWidth();
    // The scaled height: the line height for one line, the wrapped block otherwise.
    float CalcHeight() override;
    int CalcSize();
    int CalcWordWrappedHeight();
    // Rebuilds TextArray, TotalLines, LineGap when 0, and H. Needed after every change of text,
    // width, scale or font.
    int PreCalcWordWrap();
    int SetLineGap(int gap);
    int SetCurvature(float width, float height);
    // Shrinks a label wider than maximum so that it fits; never enlarges one.
    int AutoScale(float maximum);
    // At (X + ox, Y + oy). Without applyOwnColour the caller has set the colour. Ends in white at
    // alpha 1, the drawing scale as it was. 0 when hidden.
    int Draw(float ox, float oy, int applyOwnColour);
    int DrawTextLine(const std::string& line, float x, float y, int applyOwnColour);

private:
    float TextWidthOf(const std::string& text);
};

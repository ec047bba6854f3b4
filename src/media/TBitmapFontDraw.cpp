// Drawing text with a bitmap font: placement of the line, then each glyph's rectangle of the page.
#include "framework/cc_draw.h"
#include "framework/cc_numbers.h"
#include "media/TBitmapFont.h"
#include "platform/draw.h"

int TBitmapFont::Draw(const std::string& text, double x, double y, int centre, int right, int snapX,
                      int snapY, int shadow, int centreVertically, int vertical,
                      const std::vector<TColorRef>& colours) {
    return Draw(Codes(text), x, y, centre, right, snapX, snapY, shadow, centreVertically, vertical, colours);
}

int TBitmapFont::Draw(const std::u32string& text, double x, double y, int centre, int right, int snapX,
                      int snapY, int shadow, int centreVertically, int vertical,
                      const std::vector<TColorRef>& colours) {
    if (text.empty() || !Image) return 0;
    int keptR = 255, keptG = 255, keptB = 255;
    if (shadow) {
        platform::GetColor(keptR, keptG, keptB);
        platform::SetColor(0, 0, 0);
        platform::SetAlpha(ccShadowTextAlpha * ccTextAlpha);
        x += ccShadowTextDepthX;
        y += ccShadowTextDepthY;
    }
    float sx = 1, sy = 1;
    platform::GetScale(sx, sy);
    double fx = sx * ScaleFactor, fy = sy * ScaleFactor;
    bool handleMode = ChangeHandle != 0;
    double lineWidth = StringWidth(text);
    if (!vertical) {
        if (centre) {
            if (handleMode)
                HandleX += lineWidth / 2;
            else
                x -= sx * lineWidth / 2;
        }
        if (right) {
            if (handleMode)
                HandleX += sx * lineWidth;
            else
                x -= sx * lineWidth;
        }
        if (centreVertically) {
            double h = StringHeight(Codes(TestString));
            if (handleMode)
                HandleY += h / 2;
            else
                y -= sy * h / 2;
        }
    }
    if (handleMode) {
        HandleX = 2 * HandleX - HandleX * ScaleFactor;
        HandleY = 2 * HandleY - HandleY * ScaleFactor;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        size_t s = size_t(Slot(c));
        double px = x, py = y;
        if (!handleMode) {
            px = x + fx * xOffset[s];
            if (!vertical) py = y + fy * (DrawOffsetY + yOffset[s]);
        }
        double pw = width[s] * ScaleFactor, ph = height[s] * ScaleFactor;
        if (vertical) {
            if (centre)
                px -= sx * pw / 2;
            else if (right)
                px -= sx * pw;
        }
        if (CurvatureHeight != 0) {
            double d = sx * StringWidth(text.substr(0, i)) + sx * StringWidth(text.substr(i, 1)) / 2;
            if (centre) d += (CurvatureWidth - sx * lineWidth) / 2;
            if (right) d += CurvatureWidth - sx * lineWidth;
            py += CurvatureHeight * SinDeg(float(CurvatureAngle * d / CurvatureWidth));
        }
        if (snapX && fx == 1.0) {
            px = ccRound(float(px));
            pw = ccRound(float(pw));
        }
        if (snapY && fy == 1.0) {
            py = ccRound(float(py));
            ph = ccRound(float(ph));
        }
        double advance = xAdvance[s] + CharGap;
        if (!colours.empty() && colours[i % colours.size()]) colours[i % colours.size()]->Apply();
        if (!handleMode) {
            platform::DrawSubImageRect(Image, float(px), float(py), float(pw), float(ph), float(xPos[s]),
                                       float(yPos[s]), float(width[s]), float(height[s]));
            if (!vertical)
                x += fx * advance;
            else
                y += c == 32 ? 0.75 * fx * advance : sy * ph;
        } else {
            platform::DrawSubImageRect(Image, float(px), float(py), float(pw), float(ph), float(xPos[s]),
                                       float(yPos[s]), float(width[s]), float(height[s]),
                                       float(HandleX - xOffset[s]),
                                       float(HandleY - yOffset[s] - DrawOffsetY));
            HandleX -= advance;
        }
    }
    if (shadow) {
        platform::SetColor(keptR, keptG, keptB);
        platform::SetAlpha(ccTextAlpha);
    }
    return 0;
}

int TBitmapFont::DrawAligned(const std::string& text, double x, double y, int alignment, int snapX, int snapY,
                             int shadow, const std::vector<TColorRef>& colours) {
    switch (alignment) {
    case 0:
        return Draw(text, x, y, 0, 0, snapX, snapY, shadow, 0, 0, colours);
    case 1:
        return Draw(text, x, y, 1, 0, snapX, snapY, shadow, 0, 0, colours);
    case 2:
        return Draw(text, x, y, 0, 1, snapX, snapY, shadow, 0, 0, colours);
    case 3:
        return Draw(text, x, y, 1, 0, snapX, snapY, shadow, 1, 0, colours);
    default:
        return 0;
    }
}

int TBitmapFont::DrawAlignedWithShadow(const std::string& text, double x, double y, int alignment, int snapX,
                                       int snapY) {
    DrawAligned(text, x, y, alignment, snapX, snapY, 1);
    return DrawAligned(text, x, y, alignment, snapX, snapY, 0);
}

int TBitmapFont::DrawStringArray(const std::vector<std::string>& lines, double x, double y, int centre,
                                 int right, int snapX, int snapY, int shadow, int gap, int centreVertically) {
    if (gap == 0) gap = int(StringHeight(Codes(TestString)));
    if (centreVertically) y -= ccRound(float(lines.size()) / 2.0f * float(gap));
    for (const std::string& line : lines) {
        if (shadow) Draw(line, x, y, centre, right, snapX, snapY, 1, 0, 0);
        Draw(line, x, y, centre, right, snapX, snapY, 0, 0, 0);
        y += gap;
    }
    return 0;
}

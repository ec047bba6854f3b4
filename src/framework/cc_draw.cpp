#include "framework/cc_draw.h"

#include "framework/cc_images.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/graphics.h"

#include <cmath>

int ccFlipSync = 1;
float ccShadowTextDepthX = 1.0f;
float ccShadowTextDepthY = 1.0f;
float ccShadowTextAlpha = 0.5f;
float ccTextAlpha = 1.0f;

namespace {

float Snap(float v) {
    return std::floor(v + 0.5f);
}

// The digit value of a character; 0 for anything else.
int DigitOf(char c) {
    return (c >= '0' && c <= '9') ? c - '0' : 0;
}

} // namespace

int ccFlip() {
    platform::Flip(ccFlipSync);
    return 0;
}

int ccCls(int r, int g, int b) {
    ccClsNoFlip(r, g, b);
    return ccFlip();
}

int ccClsNoFlip(int r, int g, int b) {
    platform::SetClsColor(r, g, b);
    platform::Cls();
    return 0;
}

int ccClsVSync(int r, int g, int b) {
    ccClsNoFlip(r, g, b);
    platform::Flip(1);
    return 0;
}

int ccRestoreSolidMode() {
    platform::SetBlend(platform::BLEND_SOLID);
    platform::SetAlpha(1.0f);
    platform::SetColor(255, 255, 255);
    return 0;
}

int ccMidhandle(const platform::ImageRef& image, int centre) {
    if (centre) {
        platform::MidHandleImage(image);
    } else {
        platform::SetImageHandle(image, 0, 0);
    }
    return 0;
}

int ccDimArea(float alpha, int x, int y, int w, int h) {
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetColor(0, 0, 0);
    platform::SetAlpha(alpha);
    platform::DrawRect(float(x), float(y), float(w), float(h));
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(1.0f);
    return 0;
}

int ccDimScreen(float alpha) {
    return ccDimArea(alpha, 0, 0, ScreenWidth, ScreenHeight);
}

int ccDrawImage(const platform::ImageRef& image, float x, float y, const TShadow* shadow) {
    if (shadow) {
        shadow->Apply();
        platform::DrawImage(image, x + shadow->X, y + shadow->Y, 0);
        TShadow::Restore();
    }
    platform::DrawImage(image, x, y, 0);
    return 0;
}

int ccDrawImageCentred(const platform::ImageRef& image, const TShadow* shadow) {
    int x = (ScreenWidth - platform::ImageWidth(image)) / 2;
    int y = (ScreenHeight - platform::ImageHeight(image)) / 2;
    return ccDrawImage(image, float(x), float(y), shadow);
}

int ccDrawImageLight(const platform::ImageRef& image, float x, float y, float intensity, float r, float g,
                     float b, int frame) {
    platform::SetBlend(platform::BLEND_LIGHT);
    float k = intensity * 255.0f;
    platform::SetColor(TruncToInt(k * r), TruncToInt(k * g), TruncToInt(k * b));
    platform::DrawImage(image, x, y, frame);
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetColor(255, 255, 255);
    return 0;
}

int ccCopyRect(const platform::ImageRef& image, int x, int y, int w, int h, int frame) {
    platform::SetViewport(x, y, w, h);
    platform::DrawImage(image, float(x), float(y), frame);
    platform::SetViewport(0, 0, ScreenWidth, ScreenHeight);
    return 0;
}

int ccClipImageToViewport(const platform::ImageRef& image, float x, float y, float vx, float vy, float vw,
                          float vh, int offX, int offY) {
    float w = float(platform::ImageWidth(image)), h = float(platform::ImageHeight(image));
    if (x + w < vx || y + h < vy || x - w >= vx + vw || y - h >= vy + vh) return 0;
    float left = std::max(0.0f, vx - x), top = std::max(0.0f, vy - y);
    float right = std::max(0.0f, (x + w) - (vx + vw)), bottom = std::max(0.0f, (y + h) - (vy + vh));
    float areaW = w - left - right, areaH = h - top - bottom;
    if (areaW <= 0 || areaH <= 0) return 0; // nothing of the image lies inside
    return ccDrawImageArea(image, x + left + float(offX), y + top + float(offY), left, top, areaW, areaH, 0);
}

int ccDrawRect(float x, float y, float w, float h, const TShadow* shadow) {
    if (shadow) {
        int r, g, b;
        platform::GetColor(r, g, b);
        shadow->Apply();
        platform::DrawRect(x + shadow->X, y + shadow->Y, w, h);
        platform::SetAlpha(1.0f);
        platform::SetColor(r, g, b);
    }
    platform::DrawRect(x, y, w, h);
    return 0;
}

int ccDrawRectOutline(int x, int y, int w, int h) {
    float l = float(x), t = float(y), r = float(x + w - 1), b = float(y + h - 1);
    platform::DrawLine(l, t, r, t, false);
    platform::DrawLine(r, t, r, b, false);
    platform::DrawLine(r, b, l, b, false);
    platform::DrawLine(l, b, l, t, false);
    return 0;
}

int ccDrawNumbers(const std::string& text, float x, float y, const platform::ImageRef& image, float width,
                  int centre, int snap) {
    if (width == 0) width = float(platform::ImageWidth(image));
    if (centre) {
        x -= width * float(text.size()) / 2.0f;
        if (snap) x = float(ccRound(x));
    }
    for (char c : text) {
        platform::DrawImage(image, x, y, DigitOf(c));
        x += width;
    }
    return 0;
}

float ccDrawNumbersVariableWidthCalcWidth(const std::string& text, const std::vector<int>& widths,
                                          const std::vector<int>& offsets, float spacing, float scale) {
    float s = spacing * scale;
    float total = -s; // no gap after the last glyph
    for (char c : text)
        total += float(widths.at(size_t(DigitOf(c)))) * scale + s;
    return total;
}

int ccDrawNumbersVariableWidth(const std::string& text, float x, float y, const platform::ImageRef& image,
                               const std::vector<int>& widths, const std::vector<int>& offsets, float spacing,
                               int centre, int snap, float scale) {
    float s = spacing * scale;
    float total = ccDrawNumbersVariableWidthCalcWidth(text, widths, offsets, spacing, scale);
    if (centre) {
        x -= total / 2.0f;
        if (snap) x = float(ccRound(x));
    }
    for (char c : text) {
        size_t d = size_t(DigitOf(c));
        platform::DrawImage(image, x - float(offsets.at(d)) * scale, y, int(d));
        x += float(widths.at(d)) * scale + s;
    }
    return ccRound(total);
}

namespace {

int DrawPlainOrShadowed(const std::string& text, float x, float y, int shadow) {
    if (shadow) return ccShadowText(x, y, text, 0);
    platform::DrawText(text, x, y);
    return 0;
}

// Moves x left by half the scaled width and y up by half the extra height of scaled text.
void CentreScaled(const std::string& text, float& x, float& y) {
    float w = float(platform::TextWidth(text));
    float sx, sy;
    platform::GetScale(sx, sy);
    if (sx != 1.0f) w *= sx;
    x -= w / 2.0f;
    if (sy != 1.0f) {
        float h = float(platform::TextHeight(text));
        y -= (h * sy - h) / 2.0f;
    }
}

// One shadow pass and one text pass with the blend already set.
void ShadowPasses(const std::string& text, float x, float y, int r, int g, int b) {
    platform::SetColor(0, 0, 0);
    platform::SetAlpha(ccShadowTextAlpha * ccTextAlpha);
    platform::DrawText(text, x + ccShadowTextDepthX, y + ccShadowTextDepthY);
    platform::SetColor(r, g, b);
    platform::SetAlpha(ccTextAlpha);
    platform::DrawText(text, x, y);
}

} // namespace

int ccDrawText(const std::string& text, float x, float y, int shadow, int snap) {
    if (snap) {
        x = Snap(x);
        y = Snap(y);
    }
    return DrawPlainOrShadowed(text, x, y, shadow);
}

int ccDrawTextAligned(const std::string& text, float x, float y, int shadow, int align, int snap) {
    switch (align) {
    case 0:
        return ccDrawText(text, x, y, shadow, snap);
    case 1:
        return ccDrawTextCentred(text, x, y, shadow, snap);
    case 2:
        return ccDrawTextRight(text, x, y, shadow, snap);
    default:
        return 0;
    }
}

int ccDrawTextCentred(const std::string& text, float x, float y, int shadow, int snap) {
    CentreScaled(text, x, y);
    if (snap) {
        x = Snap(x);
        y = Snap(y);
    }
    return DrawPlainOrShadowed(text, x, y, shadow);
}

int ccDrawTextCentredRoundX(const std::string& text, float x, float y, int shadow) {
    CentreScaled(text, x, y);
    return DrawPlainOrShadowed(text, Snap(x), y, shadow);
}

int ccDrawTextCentre(const std::string& text, float y, int shadow, int snap) {
    float x = 0;
    CentreScaled(text, x, y); // x is now minus half the scaled width
    x = (float(ScreenWidth) + 2.0f * x) / 2.0f;
    if (snap) {
        x = Snap(x);
        y = Snap(y);
    }
    return DrawPlainOrShadowed(text, x, y, shadow);
}

int ccDrawTextCentreAll(const std::string& text, int shadow, int snap) {
    int x = (ScreenWidth - platform::TextWidth(text)) / 2;
    int y = (ScreenHeight - platform::TextHeight(text)) / 2;
    return ccDrawText(text, float(x), float(y), shadow, snap);
}

int ccDrawTextRight(const std::string& text, float x, float y, int shadow, int snap) {
    if (snap) {
        x = Snap(x);
        y = Snap(y);
    }
    return DrawPlainOrShadowed(text, x - float(platform::TextWidth(text)), y, shadow);
}

int ccShadowText(float x, float y, const std::string& text, int centre) {
    if (centre) x -= float(platform::TextWidth(text)) / 2.0f;
    int blend = platform::GetBlend();
    int r, g, b;
    platform::GetColor(r, g, b);
    platform::SetBlend(platform::BLEND_ALPHA);
    ShadowPasses(text, x, y, r, g, b);
    platform::SetBlend(blend);
    return 0;
}

int ccOutlineText(float x, float y, const std::string& text, int centre, int width) {
    if (centre) x -= float(platform::TextWidth(text)) / 2.0f;
    for (int dy = -width; dy <= width; dy++)
        for (int dx = -width; dx <= width; dx++)
            if (dx != 0 || dy != 0) platform::DrawText(text, x + float(dx), y + float(dy));
    return 0;
}

int ccShadowTextWrapped(float x, float y, const TStringArray& lines, int centre, int lineHeight) {
    if (lineHeight == 0) lineHeight = platform::TextHeight("ABCXYZ");
    int blend = platform::GetBlend();
    int r, g, b;
    platform::GetColor(r, g, b);
    platform::SetBlend(platform::BLEND_ALPHA);
    for (const std::string& line : lines) {
        float lx = centre ? x - float(platform::TextWidth(line)) / 2.0f : x;
        ShadowPasses(line, lx, y, r, g, b);
        y += float(lineHeight);
    }
    platform::SetBlend(blend);
    return 0;
}

int ccShadowTextSet(float dx, float dy, float alpha) {
    ccShadowTextDepthX = dx;
    ccShadowTextDepthY = dy;
    ccShadowTextAlpha = alpha;
    return 0;
}

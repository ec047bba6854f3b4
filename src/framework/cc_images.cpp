#include "framework/cc_images.h"

#include "framework/cc_numbers.h"
#include "platform/draw.h"
#include "platform/font.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

int ARGB_Alpha(uint32_t argb) {
    return int(argb >> 24);
}
int ARGB_Red(uint32_t argb) {
    return int((argb >> 16) & 0xFF);
}
int ARGB_Green(uint32_t argb) {
    return int((argb >> 8) & 0xFF);
}
int ARGB_Blue(uint32_t argb) {
    return int(argb & 0xFF);
}

uint32_t ARGB_Color(int alpha, int red, int green, int blue) {
    return uint32_t(alpha) * 0x1000000u + uint32_t(red) * 0x10000u + uint32_t(green) * 0x100u +
           uint32_t(blue);
}

platform::ImageRef ccCopyImage(const platform::ImageRef& image) {
    return platform::CopyImage(image);
}

namespace {

// Clips a copy of width x height from (sx, sy) of src to (dx, dy) of dst; false when nothing of
// it lies in both. Negative starts and empty sizes copy nothing.
bool ClipCopy(const platform::TPixmap& src, int sx, int sy, int& width, int& height,
              const platform::TPixmap& dst, int dx, int dy) {
    if (sx < 0 || sy < 0 || dx < 0 || dy < 0 || width <= 0 || height <= 0) return false;
    if (sx >= src.width || sy >= src.height || dx >= dst.width || dy >= dst.height) return false;
    width = std::min({width, src.width - sx, dst.width - dx});
    height = std::min({height, src.height - sy, dst.height - dy});
    return true;
}

// Runs copy on frame 0 of both images, then tells the destination's texture to follow; nothing
// when either image is null or has no frame.
template <class Copy>
int WithFrames(const platform::ImageRef& source, const platform::ImageRef& dest, Copy copy) {
    platform::PixmapRef src = platform::FramePixmap(source, 0);
    platform::PixmapRef dst = platform::LockImage(dest, 0);
    if (!src || !dst) return 0;
    copy(*src, *dst);
    platform::UnlockImage(dest, 0);
    return 0;
}

} // namespace

int ccCopyImageRect(const platform::ImageRef& source, int sourceX, int sourceY, int width, int height,
                    const platform::ImageRef& dest, int destX, int destY) {
    return WithFrames(source, dest, [&](platform::TPixmap& src, platform::TPixmap& dst) {
        if (!ClipCopy(src, sourceX, sourceY, width, height, dst, destX, destY)) return;
        for (int j = 0; j < height; ++j)
            std::memcpy(dst.At(destX, destY + j), src.At(sourceX, sourceY + j), size_t(width) * 4);
    });
}

int ccCopyImageToImage(const platform::ImageRef& source, int sourceX, int sourceY, int width, int height,
                       const platform::ImageRef& dest, int destX, int destY, int mode) {
    if (mode < 0 || mode > 3) return 0;
    return WithFrames(source, dest, [&](platform::TPixmap& src, platform::TPixmap& dst) {
        if (!ClipCopy(src, sourceX, sourceY, width, height, dst, destX, destY)) return;
        bool mirrorX = mode == 1 || mode == 3, mirrorY = mode == 2 || mode == 3;
        for (int j = 0; j < height; ++j) {
            for (int i = 0; i < width; ++i) {
                int fromX = sourceX + (mirrorX ? width - 1 - i : i);
                int fromY = sourceY + (mirrorY ? height - 1 - j : j);
                std::memcpy(dst.At(destX + i, destY + j), src.At(fromX, fromY), 4);
            }
        }
    });
}

int ccCreateFrames(const platform::ImageRef& image) {
    for (int i = 0; i < platform::CountFrames(image); ++i)
        platform::PrecacheFrame(image, i);
    return 0;
}

int ccDrawImageArea(const platform::ImageRef& image, float x, float y, float sourceX, float sourceY,
                    float width, float height, int frame) {
    platform::DrawSubImageRect(image, x, y, width, height, sourceX, sourceY, width, height,
                               platform::ImageHandleX(image), platform::ImageHandleY(image), frame);
    return 0;
}

int ccDrawImageRect(const platform::ImageRef& image, int x, int y, int sourceX, int sourceY, int width,
                    int height) {
    platform::PixmapRef window =
        platform::PixmapWindow(platform::FramePixmap(image, 0), sourceX, sourceY, width, height);
    if (!window) return 0;
    platform::ImageRef part = platform::LoadImageFromPixmap(window, platform::IMAGE_DEFAULT);
    if (part) platform::DrawImage(part, float(x), float(y), 0);
    return 0;
}

namespace {

int ClampChannel(float c) {
    return std::clamp(TruncToInt(c), 0, 255);
}

// One source pixel over one destination pixel; false when nothing is to be written.
bool Composite(uint32_t s, uint32_t d, float alpha, float brightness, uint32_t& out) {
    float sa = float(ARGB_Alpha(s)) * alpha;
    float da = float(ARGB_Alpha(d));
    if (sa == 255.0f) da = 0;
    float total = da + sa;
    // NOTE: a total below one would divide by a zero alpha; such a pixel adds nothing visible.
    if (sa == 0 || total < 1.0f) return false;
    int itotal = TruncToInt(total);
    auto channel = [&](int sc, int dc) {
        return float(sc) * brightness * sa / float(itotal) +
               (da / float(itotal)) * (float(dc) * da / float(itotal));
    };
    out = ARGB_Color(std::min(itotal, 255), ClampChannel(channel(ARGB_Red(s), ARGB_Red(d))),
                     ClampChannel(channel(ARGB_Green(s), ARGB_Green(d))),
                     ClampChannel(channel(ARGB_Blue(s), ARGB_Blue(d))));
    return true;
}

} // namespace

int ccDrawOnPixmap(const platform::ImageRef& image, int frame, const platform::PixmapRef& pixmap, int x,
                   int y, float alpha, float brightness) {
    if (!image) throw std::runtime_error("image doesnt exist");
    platform::PixmapRef src = platform::FramePixmap(image, frame);
    if (!src || !pixmap) return 0;
    for (int i = 0; i < image->width; ++i) {
        for (int j = 0; j < image->height; ++j) {
            int px = x + i, py = y + j;
            if (px < 0 || py < 0 || px >= pixmap->width || py >= pixmap->height) continue;
            uint32_t out;
            if (Composite(platform::ReadPixel(src, i, j), platform::ReadPixel(pixmap, px, py), alpha,
                          brightness, out))
                platform::WritePixel(pixmap, px, py, out);
        }
    }
    return 0;
}

namespace {

// Letter by letter at the positions the whole text would take, each moved right by index x
// spacing along the screen's x axis only; the pen advances by each letter's own width along the
// text's baseline, which scale and rotation turn.
int DrawSpaced(const std::string& text, float x, float y, int spacing, bool roundDown) {
    float sx, sy;
    platform::GetScale(sx, sy);
    float radians = platform::GetRotation() * float(M_PI) / 180.0f;
    float ix = sx * std::cos(radians), jx = sx * std::sin(radians);
    float penX = x, penY = y;
    for (size_t i = 0; i < text.size(); ++i) {
        std::string letter(1, text[i]);
        float lx = penX + float(i) * float(spacing);
        platform::DrawText(letter, roundDown ? std::floor(lx) : lx, penY);
        float advance = float(platform::TextWidth(letter));
        penX += advance * ix;
        penY += advance * jx;
    }
    return 0;
}

} // namespace

int ccDrawTextSpaced(const std::string& text, float x, float y, int spacing) {
    return DrawSpaced(text, x, y, spacing, false);
}

int ccDrawTextSpacedRounded(const std::string& text, float x, float y, int spacing) {
    return DrawSpaced(text, x, y, spacing, true);
}

// TEMPORARY stand-in (see gaps.h).
#include "gaps.h"
#include "platform/TPixmap.h"
#include "platform/image.h"

namespace platform {

SW_GAP TPixmap::TPixmap(int w, int h, bool alpha)
    : width(w), height(h), pitch(w * 4), hasAlpha(alpha), pixels(size_t(w) * size_t(h) * 4, 0) {}

SW_GAP PixmapRef CreatePixmap(int width, int height) {
    return std::make_shared<TPixmap>(width, height);
}

SW_GAP uint32_t ReadPixel(const PixmapRef& p, int x, int y) {
    if (x < 0 || y < 0 || x >= p->width || y >= p->height) return 0;
    const uint8_t* px = p->At(x, y);
    return uint32_t(px[3]) << 24 | uint32_t(px[0]) << 16 | uint32_t(px[1]) << 8 | px[2];
}

SW_GAP void WritePixel(const PixmapRef& p, int x, int y, uint32_t argb) {
    if (x < 0 || y < 0 || x >= p->width || y >= p->height) return;
    uint8_t* px = p->At(x, y);
    px[0] = uint8_t(argb >> 16);
    px[1] = uint8_t(argb >> 8);
    px[2] = uint8_t(argb);
    px[3] = uint8_t(argb >> 24);
    p->Changed();
}

SW_GAP PixmapRef PixmapWindow(const PixmapRef& p, int x, int y, int w, int h) {
    auto out = std::make_shared<TPixmap>(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            WritePixel(out, i, j, ReadPixel(p, x + i, y + j));
    return out;
}

SW_GAP TImage::~TImage() {}

SW_GAP ImageRef CreateImage(int width, int height, int frames, int flags) {
    auto image = std::make_shared<TImage>();
    image->width = width;
    image->height = height;
    image->flags = flags;
    for (int i = 0; i < frames; ++i)
        image->frames.push_back(CreatePixmap(width, height));
    image->textures.resize(size_t(frames));
    return image;
}

SW_GAP ImageRef LoadImage(const std::string&, int) {
    return nullptr;
}
SW_GAP ImageRef LoadAnimImage(const std::string&, int, int, int, int, int) {
    return nullptr;
}
SW_GAP ImageRef LoadImageFromPixmap(const PixmapRef& pixmap, int flags) {
    auto image = CreateImage(pixmap->width, pixmap->height, 1, flags);
    image->frames[0] = pixmap;
    return image;
}
SW_GAP int ImageWidth(const ImageRef& image) {
    return image->width;
}
SW_GAP int ImageHeight(const ImageRef& image) {
    return image->height;
}
SW_GAP int CountFrames(const ImageRef& image) {
    return int(image->frames.size());
}
SW_GAP void MidHandleImage(const ImageRef& image) {
    image->handleX = float(image->width / 2);
    image->handleY = float(image->height / 2);
}
SW_GAP void SetImageHandle(const ImageRef& image, float x, float y) {
    image->handleX = x;
    image->handleY = y;
}
SW_GAP void PrecacheFrame(const ImageRef&, int) {}
SW_GAP PixmapRef LockImage(const ImageRef& image, int frame) {
    return image->frames.at(size_t(frame));
}
SW_GAP void UnlockImage(const ImageRef&, int) {}

} // namespace platform

namespace platform {
SW_GAP bool SavePixmapPNG(const PixmapRef&, const std::string&, int) {
    return false;
}
} // namespace platform

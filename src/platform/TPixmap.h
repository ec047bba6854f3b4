// Pixels in memory: RGBA8 rows, no GL. Images keep one pixmap per frame; loaders, frame slicing
// and pixel access work without a window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class TPixmap {
public:
    TPixmap(int width, int height, bool hasAlpha = true);

    int width = 0, height = 0;
    // Bytes per row (width * 4).
    int pitch = 0;
    // Whether the source had an alpha channel (masking applies only to pixmaps without one).
    bool hasAlpha = true;
    // width * height pixels, R G B A bytes each, top row first.
    std::vector<uint8_t> pixels;

    uint8_t* At(int x, int y) { return &pixels[(size_t)y * pitch + (size_t)x * 4]; }
    const uint8_t* At(int x, int y) const { return &pixels[(size_t)y * pitch + (size_t)x * 4]; }
    // Bumped by every write through WritePixel or Changed, so textures know to re-upload.
    unsigned version = 0;
    void Changed() { ++version; }
};

using PixmapRef = std::shared_ptr<TPixmap>;

PixmapRef CreatePixmap(int width, int height);
// The largest picture file LoadPixmap reads (far above any picture of the game).
constexpr size_t kMaxPictureFileBytes = size_t(64) << 20;
// PNG or JPEG (by content); null when the file is missing, not a regular file, larger than
// kMaxPictureFileBytes or not a readable picture.
PixmapRef LoadPixmap(const std::string& path);
// Decodes PNG or JPEG bytes held in memory.
PixmapRef LoadPixmapFromMemory(const void* bytes, size_t size);
// ARGB as one int: A in bits 24-31, then R, G, B. Outside the pixmap, or in an image frame whose
// pixels were let go (read those through FramePixmap or LockImage): 0 / nothing written.
uint32_t ReadPixel(const PixmapRef& pixmap, int x, int y);
void WritePixel(const PixmapRef& pixmap, int x, int y, uint32_t argb);
// A copy of the rectangle (clipped to the pixmap); null when nothing of it lies inside.
PixmapRef PixmapWindow(const PixmapRef& pixmap, int x, int y, int w, int h);
// Saves as an 8-bit RGB PNG (alpha dropped) at zlib level 0..9; false on any failure.
bool SavePixmapPNG(const PixmapRef& pixmap, const std::string& path, int level = 9);
// Saves as RGBA PNG (tests and tools).
bool SavePixmapPNGWithAlpha(const PixmapRef& pixmap, const std::string& path);

} // namespace platform

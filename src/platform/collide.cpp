// Collision layers kept as lists of shapes; a test compares opaque pixels where shapes overlap.
#include "platform/collide.h"

#include <algorithm>
#include <array>

namespace platform {
namespace {

struct Shape {
    int x = 0, y = 0, w = 0, h = 0; // top-left and size
    PixmapRef pixels;               // null: a solid rectangle
    const void* id = nullptr;
};

std::array<std::vector<Shape>, 32> layers;

bool Opaque(const Shape& s, int px, int py) {
    if (!s.pixels) return true;
    return s.pixels->At(px - s.x, py - s.y)[3] != 0;
}

bool Touch(const Shape& a, const Shape& b) {
    int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (Opaque(a, x, y) && Opaque(b, x, y)) return true;
    return false;
}

std::vector<const void*> Collide(const Shape& shape, unsigned testMask, unsigned writeMask) {
    std::vector<const void*> hits;
    if (shape.w <= 0 || shape.h <= 0) return hits;
    for (int layer = 0; layer < 32; ++layer) {
        if (!(testMask & (1u << layer))) continue;
        for (const Shape& other : layers[layer])
            if (Touch(shape, other)) hits.push_back(other.id);
    }
    for (int layer = 0; layer < 32; ++layer)
        if (writeMask & (1u << layer)) layers[layer].push_back(shape);
    return hits;
}

} // namespace

void ResetCollisions(unsigned mask) {
    for (int layer = 0; layer < 32; ++layer)
        if (mask & (1u << layer)) layers[layer].clear();
}

std::vector<const void*> CollideImage(const ImageRef& image, int x, int y, int frame, unsigned testMask,
                                      unsigned writeMask, const void* id) {
    if (!image || frame < 0 || frame >= (int)image->frames.size()) return {};
    Shape s;
    s.x = x - int(image->handleX);
    s.y = y - int(image->handleY);
    s.w = image->width;
    s.h = image->height;
    ResidentFrame(*image, frame);
    s.pixels = image->frames[frame];
    s.id = id;
    return Collide(s, testMask, writeMask);
}

std::vector<const void*> CollideRect(int x, int y, int width, int height, unsigned testMask,
                                     unsigned writeMask, const void* id) {
    Shape s;
    s.x = x;
    s.y = y;
    s.w = width;
    s.h = height;
    s.id = id;
    return Collide(s, testMask, writeMask);
}

} // namespace platform

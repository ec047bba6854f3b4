// Collision layers: images and rectangles written into up to 32 layers (one bit of a mask each)
// and tested against what the layers hold, pixel-exact for images (opaque pixels only).
// Positions are logical pixels; an image lands with its handle at (x, y), unscaled and unturned.
#pragma once

#include "platform/image.h"

#include <vector>

namespace platform {

// Empties the layers whose bits are set (all by default).
void ResetCollisions(unsigned mask = 0xFFFFFFFFu);
// Tests the image frame against the layers of testMask, then writes it into those of writeMask;
// returns the identifiers of everything it hit (null identifiers included).
std::vector<const void*> CollideImage(const ImageRef& image, int x, int y, int frame, unsigned testMask,
                                      unsigned writeMask, const void* id = nullptr);
// The same for a rectangle.
std::vector<const void*> CollideRect(int x, int y, int width, int height, unsigned testMask,
                                     unsigned writeMask, const void* id = nullptr);

} // namespace platform

// Measures of the frames the e2e runs keep: how much of a frame is lit and how much two frames
// differ.
#pragma once

#include "platform/TPixmap.h"

#include <cstdint>

namespace e2eframes {

inline uint32_t Rgb(const platform::PixmapRef& frame, int x, int y) {
    return platform::ReadPixel(frame, x, y) & 0xFFFFFF;
}

// Share of pixels brighter than (16, 16, 16) in any channel.
inline double BrightShare(const platform::PixmapRef& frame) {
    int bright = 0;
    for (int y = 0; y < frame->height; ++y)
        for (int x = 0; x < frame->width; ++x) {
            uint32_t p = Rgb(frame, x, y);
            if (((p >> 16) & 255) > 16 || ((p >> 8) & 255) > 16 || (p & 255) > 16) ++bright;
        }
    return double(bright) / double(frame->width * frame->height);
}

// Share of pixels of a rectangle that differ between two frames.
inline double DifferentShareIn(const platform::PixmapRef& a, const platform::PixmapRef& b, int x0, int y0,
                               int x1, int y1) {
    int different = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (Rgb(a, x, y) != Rgb(b, x, y)) ++different;
    return double(different) / double((x1 - x0) * (y1 - y0));
}

// Share of pixels that differ between two frames of one size.
inline double DifferentShare(const platform::PixmapRef& a, const platform::PixmapRef& b) {
    return DifferentShareIn(a, b, 0, 0, a->width, a->height);
}

} // namespace e2eframes

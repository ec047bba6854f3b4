// Plain records: points, a rectangle, and the empty results of the system queries.
#pragma once

#include <cstdint>
#include <memory>

struct TPoint {
    int X = 0, Y = 0;
    int Set(int x, int y) {
        X = x;
        Y = y;
        return 0;
    }
};
using TPointRef = std::shared_ptr<TPoint>;

struct TAccuratePoint {
    float X = 0, Y = 0;
    int Set(float x, float y) {
        X = x;
        Y = y;
        return 0;
    }
};

struct TRect {
    int L = 0, T = 0, R = 0, B = 0;
};

struct TMemoryStatus {
    int dwLength = 32; // the record's size in bytes: eight 4-byte fields
    int dwMemoryLoad = 0, dwTotalPhys = 0, dwAvailPhys = 0, dwTotalPageFile = 0, dwAvailPageFile = 0,
        dwTotalVirtual = 0, dwAvailVirtual = 0;
};

struct TWindowInfo {
    int cbSize = 0, wl = 0, wt = 0, wr = 0, wb = 0, cl = 0, ct = 0, cr = 0, cb = 0, dwStyle = 0,
        dwExStyle = 0, dwWindowStatus = 0, cxWindowBorders = 0, cyWindowBorders = 0;
    int16_t atomWindowType = 0, wCreatorVersion = 0;
};

struct TCollideObject {
    int Value = 0;
};

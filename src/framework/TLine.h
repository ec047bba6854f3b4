// A line segment that can draw itself, in its own colour or the current one.
#pragma once

#include "framework/TColor.h"
#include "framework/TVector.h"

#include <memory>

class TLine;
using TLineRef = std::shared_ptr<TLine>;

class TLine {
public:
    double sx = 0, sy = 0, ex = 0, ey = 0;
    double length = 0; // as last computed by CalcLength
    TColorRef Color;   // null: the current colour

    static TLineRef Create(double sx, double sy, double ex, double ey);
    static TLineRef CreateFromVector(double x, double y, const TVector& v);
    int CalcLength();
    double CalcSlope() const;
    // With a colour of its own, leaves the drawing state white at alpha 1.
    int Draw(int lastPixel) const;
    TVectorRef GetVector() const;
    int SetFromVector(const TVector& v, int x, int y);
};

#include "framework/TLine.h"

#include "platform/draw.h"

#include <cmath>

TLineRef TLine::Create(double sx, double sy, double ex, double ey) {
    auto line = std::make_shared<TLine>();
    line->sx = sx;
    line->sy = sy;
    line->ex = ex;
    line->ey = ey;
    return line;
}

TLineRef TLine::CreateFromVector(double x, double y, const TVector& v) {
    return Create(x, y, x + v.x, y + v.y);
}

int TLine::CalcLength() {
    length = std::sqrt((ex - sx) * (ex - sx) + (ey - sy) * (ey - sy));
    return 0;
}

double TLine::CalcSlope() const {
    return (ey - sy) / (ex - sx);
}

int TLine::Draw(int lastPixel) const {
    if (Color) Color->Apply();
    platform::DrawLine(float(sx), float(sy), float(ex), float(ey), lastPixel != 0);
    if (Color) TColor::Restore();
    return 0;
}

TVectorRef TLine::GetVector() const {
    return TVector::Create(ex - sx, ey - sy);
}

int TLine::SetFromVector(const TVector& v, int x, int y) {
    sx = x;
    sy = y;
    ex = x + v.x;
    ey = y + v.y;
    return 0;
}

#include "framework/cc_geometry.h"

#include "framework/TVector.h"
#include "framework/cc_numbers.h"
#include "platform/collide.h"

#include <cstdint>

int ccRectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2) {
    if (x1 >= x2 + w2 || x1 + w1 <= x2) return 0;
    if (y1 >= y2 + h2 || y1 + h1 <= y2) return 0;
    return 1;
}

namespace {

// Whether (px, py) lies strictly on the inner side of the edge a-b of a clockwise quad.
bool InsideEdge(int px, int py, int ax, int ay, int bx, int by) {
    // 32-bit wrap-around as the game computes it, without signed-overflow undefined behaviour.
    auto mul = [](int a, int b) { return int32_t(uint32_t(a) * uint32_t(b)); };
    int32_t value = int32_t(uint32_t(mul(py - ay, bx - ax)) - uint32_t(mul(px - ax, by - ay)));
    return value > 0;
}

} // namespace

int ccGenericPointInQuad(int px, int py, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return (InsideEdge(px, py, x1, y1, x2, y2) && InsideEdge(px, py, x2, y2, x3, y3) &&
            InsideEdge(px, py, x3, y3, x4, y4) && InsideEdge(px, py, x4, y4, x1, y1))
               ? 1
               : 0;
}

int ccCircleLineIntersect(const TCircle& circle, const TLine& line) {
    TVector c, s, d;
    c.x = circle.x;
    c.y = circle.y;
    s.x = line.sx;
    s.y = line.sy;
    d.x = line.ex - line.sx;
    d.y = line.ey - line.sy;
    TVectorRef cs = TVector::CreateFromVectorsSubtracted(s, c); // c - s
    double t = cs->DotProduct(d) / d.DotProduct(d);
    if (!(t >= 0)) t = 0; // also the NaN of a zero-length segment
    if (t > 1) t = 1;
    TVectorRef p = TVector::CreateFromVectorScaled(d, t);
    p->AddVector(s);
    TVectorRef gap = TVector::CreateFromVectorsSubtracted(*p, c);
    double r = circle.r;
    return gap->DotProduct(*gap) <= r * r ? 1 : 0;
}

int ccImageRectCollide(const platform::ImageRef& image, int x, int y, int frame, int rx, int ry, int rw,
                       int rh) {
    platform::ResetCollisions();
    platform::CollideImage(image, x, y, frame, 0, 1); // written into layer 1, testing nothing
    return platform::CollideRect(rx, ry, rw, rh, 1, 0).empty() ? 0 : 1;
}

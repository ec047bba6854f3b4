#include "framework/TVector.h"

#include "platform/draw.h"

#include <cmath>

TVectorRef TVector::Create(double x, double y) {
    auto v = std::make_shared<TVector>();
    v->x = x;
    v->y = y;
    return v;
}

TVectorRef TVector::CreateFromPoints(double x1, double y1, double x2, double y2) {
    return Create(x2 - x1, y2 - y1);
}

TVectorRef TVector::CreateFromVectorsAdded(const TVector& a, const TVector& b) {
    TVectorRef v = a.CreateCopy();
    v->AddVector(b);
    return v;
}

TVectorRef TVector::CreateFromVectorScaled(const TVector& v, double factor) {
    TVectorRef r = v.CreateCopy();
    r->Multiply(factor);
    return r;
}

TVectorRef TVector::CreateFromVectorsSubtracted(const TVector& a, const TVector& b) {
    TVectorRef v = b.CreateCopy();
    v->SubtractVector(a);
    return v;
}

int TVector::AddVector(const TVector& v) {
    x += v.x;
    y += v.y;
    return 0;
}

double TVector::CalcLength() const {
    return std::sqrt(x * x + y * y);
}
TVectorRef TVector::CalcNormal() const {
    return Create(-y, x);
}
double TVector::CalcSlope() const {
    return y / x;
}
TVectorRef TVector::CreateCopy() const {
    return Create(x, y);
}

int TVector::CopyFrom(const TVector& v) {
    x = v.x;
    y = v.y;
    return 0;
}

double TVector::DotProduct(const TVector& v) const {
    return x * v.x + y * v.y;
}

int TVector::Draw(double px, double py, int lastPixel) const {
    platform::DrawLine(float(px), float(py), float(px + x), float(py + y), lastPixel != 0);
    return 0;
}

int TVector::Multiply(double factor) {
    x *= factor;
    y *= factor;
    return 0;
}

int TVector::Normalise() {
    double length = CalcLength();
    x /= length;
    y /= length;
    return 0;
}

int TVector::Rebound(const TVector& wall) {
    TVectorRef n = wall.CalcNormal();
    n->Normalise();
    double d = n->DotProduct(*this);
    n->Multiply(d * 2.0);
    SubtractVector(*n);
    return 0;
}

int TVector::Reverse() {
    x = -x;
    y = -y;
    return 0;
}

int TVector::Rotate(double angle) {
    double r = angle * M_PI / 180.0;
    double ox = x, oy = y;
    x = ox * std::cos(r) - oy * std::sin(r);
    y = ox * std::sin(r) + oy * std::cos(r);
    return 0;
}

int TVector::Scale(double factor) {
    return Multiply(factor);
}

int TVector::SubtractVector(const TVector& v) {
    x -= v.x;
    y -= v.y;
    return 0;
}

// A two-dimensional vector of doubles; angles in degrees.
#pragma once

#include <memory>

class TVector;
using TVectorRef = std::shared_ptr<TVector>;

class TVector {
public:
    double x = 0, y = 0;

    static TVectorRef Create(double x, double y);
    static TVectorRef CreateFromPoints(double x1, double y1, double x2, double y2);
    static TVectorRef CreateFromVectorsAdded(const TVector& a, const TVector& b);
    static TVectorRef CreateFromVectorScaled(const TVector& v, double factor);
    // b - a: the vector from the first to the second.
    static TVectorRef CreateFromVectorsSubtracted(const TVector& a, const TVector& b);

    int AddVector(const TVector& v);
    double CalcLength() const;
    // The left-hand normal (-y, x), not normalised.
    TVectorRef CalcNormal() const;
    double CalcSlope() const;
    TVectorRef CreateCopy() const;
    int CopyFrom(const TVector& v);
    double DotProduct(const TVector& v) const;
    // A line from (px, py) along the vector in the current colour.
    int Draw(double px, double py, int lastPixel) const;
    int Multiply(double factor);
    int Normalise();
    // Mirrors the vector off a wall lying along wall.
    int Rebound(const TVector& wall);
    int Reverse();
    int Rotate(double angle);
    int Scale(double factor);
    int SubtractVector(const TVector& v);
};

// Rounding, number formatting, the C-library random helpers, circle and distance tests, and
// appending one list to another.
#pragma once

#include "platform/TList.h"

#include <memory>
#include <string>

// Float to int, truncating toward zero. NaN and values outside the int range give INT_MIN (the
// value an x86 conversion gives for them) instead of undefined behaviour. Every float-to-int
// conversion of the framework goes through it.
int TruncToInt(double value);
// Sine and cosine of an angle in degrees.
float SinDeg(float degrees);
float CosDeg(float degrees);

// Nearest whole number, halves upward: Floor(value + 0.5).
int ccRound(float value);
// Rounded to places decimals, halves away from zero, in single precision.
float ccRoundFloat(float value, int places);
// Fixed decimals (0 or negative: no point), commas between groups of groupSize digits left of the point, and
// right-aligned in width + decimals + 1 characters when width is not 0 ("Error" when too long).
std::string ccFormatNumber(double value, int decimals, int groupSize, int width);

// From the C library's generator, low..high (bounds in either order).
int ccFastRand(int low, int high);
int ccFastRandSeed(int seed);

double ccPointToPointDist(double x1, double y1, double x2, double y2);
// Half the width of a circle at height y from its centre (NaN outside the circle).
double ccCircleHalfWidthAtY(float radius, float y);
// 1 when the segment comes strictly closer than radius to the centre.
int ccCircleLineIntersect2(double x1, double y1, double x2, double y2, double centreX, double centreY,
                           double radius);

// Appends every non-null element of source to dest (shared, not copied); 1 when anything was
// appended. A list appended to itself would never end, so that gives 0.
template <class T> int ccAddLists(platform::TList<T>* dest, const platform::TList<T>* source) {
    if (!dest || !source || source->IsEmpty() || dest == source) return 0;
    for (const auto& element : *source)
        if (element) dest->AddLast(element);
    return 1;
}

#include "framework/cc_timing.h"

#include "framework/cc_numbers.h"
#include "framework/core_services.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

int ccCalcAnimFrame(float t, int length, int frames, int forward) {
    float r = t / float(length);
    int f = forward ? TruncToInt(std::floor(r * float(frames)))
                    : TruncToInt(std::floor((1.0f - r) * float(frames)));
    if (f >= frames) {
        f = frames - 1;
    } else if (f < 0) {
        f = 0;
    }
    return f;
}

float ccCalcMSPerFrame(int fps) {
    return 1000.0f / float(fps);
}

float ccRatioToSine180(float x) {
    return 0.5f + SinDeg((x - 0.5f) * 2.0f * 90.0f) / 2.0f;
}

int ccPow2Size(int n) {
    // 64 bits, so the doubling past 2^30 neither overflows nor loops for ever.
    int64_t size = 1;
    while (size < n && size < kMaxPow2Size)
        size *= 2;
    return int(size);
}

int ccRangeCheck100(int& value) {
    if (value < 0) value = 0;
    if (value > 100) value = 100;
    return 0;
}

namespace {

// Negation with 32-bit wrap-around: INT_MIN (a NaN or an out-of-range time, see TruncToInt) stays
// INT_MIN instead of overflowing.
int Negated(int value) {
    return int(0u - unsigned(value));
}

} // namespace

int ccMillisecsToMinutes(float ms, int& minutes, int& seconds) {
    float s = ms / 1000.0f;
    bool negative = !(s >= 0);
    if (negative) s = std::fabs(s);
    minutes = TruncToInt(std::floor(s / 60.0f));
    seconds = TruncToInt(std::floor(s - float(minutes) * 60.0f));
    if (negative) {
        minutes = Negated(minutes);
        seconds = Negated(seconds);
    }
    return 0;
}

int ccAlmostZero(double a, double tolerance) {
    return (a == 0 || (a > 0 && a < tolerance) || (a < 0 && a > -tolerance)) ? 1 : 0;
}

int ccBezier(float x0, float y0, float x3, float y3, float x1, float y1, float x2, float y2, float t,
             float& x, float& y) {
    double u = 1.0 - t;
    double a = std::pow(u, 3), b = 3 * std::pow(u, 2) * t, c = 3 * u * std::pow(double(t), 2),
           d = std::pow(double(t), 3);
    x = float(a * x0 + b * x1 + c * x2 + d * x3);
    y = float(a * y0 + b * y1 + c * y2 + d * y3);
    return 0;
}

float ccCalcPan(float x) {
    return (x - float(ScreenWidth / 2)) / float(ScreenWidth);
}

float ccGetMusicalNote(int n) {
    return float(std::pow(2.0, n / 12.0));
}

float ccGetMusicalNoteInScaleC(int degree) {
    static const int thresholds[] = {1, 2, 4, 5, 6, 8, 9, 11, 12, 13};
    int s = degree;
    for (int threshold : thresholds)
        if (degree >= threshold) ++s;
    return ccGetMusicalNote(s);
}

std::string ccRoundFloatToString(float x, int places) {
    int p = TruncToInt(std::pow(10.0, places));
    int v = TruncToInt(std::floor(x * float(p) + 0.5f));
    // The sign stands before the padded digits, so -0.05 reads "-0.05", not "0.-5".
    std::string s = std::to_string(std::llabs(v));
    while (int(s.size()) <= places)
        s = "0" + s;
    if (places > 0) s = s.substr(0, s.size() - size_t(places)) + "." + s.substr(s.size() - size_t(places));
    return v < 0 ? "-" + s : s;
}

int ccSecondsToGameUnits(int seconds) {
    return TruncToInt(CalcAnimLength(seconds * 1000));
}

TVectorRef ccVectorAdd(const TVector& a, const TVector& b) {
    TVectorRef v = a.CreateCopy();
    v->AddVector(b);
    return v;
}

TVectorRef ccVectorSubtract(const TVector& a, const TVector& b) {
    TVectorRef v = a.CreateCopy();
    v->SubtractVector(b);
    return v;
}

TVectorRef ccVectorMultiply(const TVector& a, float k) {
    TVectorRef v = a.CreateCopy();
    v->Multiply(k);
    return v;
}

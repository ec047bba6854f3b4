#include "framework/cc_numbers.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

int TruncToInt(double value) {
    if (std::isnan(value) || value <= double(INT_MIN) - 1.0 || value >= double(INT_MAX) + 1.0) return INT_MIN;
    return int(value);
}

float SinDeg(float degrees) {
    return float(std::sin(double(degrees) * M_PI / 180.0));
}
float CosDeg(float degrees) {
    return float(std::cos(double(degrees) * M_PI / 180.0));
}

int ccRound(float value) {
    return TruncToInt(std::floor(value + 0.5f));
}

float ccRoundFloat(float value, int places) {
    int factor = TruncToInt(std::pow(10.0, places));
    float sign = value > 0 ? 1.0f : (value < 0 ? -1.0f : 0.0f);
    int n = TruncToInt(value * float(factor) + 0.5f * sign);
    return float(n) / float(factor);
}

namespace {

// Commas between groups of groupSize digits, counted leftward from the point. A leading minus
// sign is kept out of the grouping, so -123456 gives -123,456 (never "-,123,456").
std::string GroupDigits(std::string text, int point, int groupSize) {
    int first = (!text.empty() && text[0] == '-') ? 1 : 0;
    while (point - first > groupSize) {
        point -= groupSize;
        text.insert(size_t(point), ",");
    }
    return text;
}

} // namespace

std::string ccFormatNumber(double value, int decimals, int groupSize, int width) {
    char buffer[400]; // room for the largest double written out in full
    std::snprintf(buffer, sizeof buffer, "%#.17g", value);
    // NOTE: below 1e-4 and from 1e17 on, 17 significant digits come in exponent form, whose
    // mantissa would be cut as if it were the number; such values are written out in full.
    if (std::strpbrk(buffer, "eE")) std::snprintf(buffer, sizeof buffer, "%#.17f", value);
    std::string text = buffer;
    size_t found = text.find('.');
    // "inf" and "nan" have no point: all of them counts as the whole part.
    int point = found == std::string::npos ? int(text.size()) : int(found);
    if (decimals <= 0) decimals = -1; // no decimals (negative ones too): the point goes as well
    text = text.substr(0, size_t(std::max(0, point + decimals + 1)));
    if (groupSize > 0) text = GroupDigits(text, std::min(point, int(text.size())), groupSize);
    if (width != 0) {
        int field = width + decimals + 1;
        if (int(text.size()) > field) text = "Error";
        if (int(text.size()) < field) {
            text = std::string(size_t(field) - text.size(), ' ') + text;
        } else {
            text = text.substr(text.size() - size_t(std::max(0, field)));
        }
    }
    return text;
}

int ccFastRand(int low, int high) {
    // Bounds in either order, as the platform's generator takes them: an upside-down range would
    // divide by zero or give numbers outside it.
    if (high < low) std::swap(low, high);
    return int(low + std::rand() % (int64_t(high) - low + 1));
}

int ccFastRandSeed(int seed) {
    std::srand(unsigned(seed));
    return 0;
}

double ccPointToPointDist(double x1, double y1, double x2, double y2) {
    return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

double ccCircleHalfWidthAtY(float radius, float y) {
    return std::sqrt(double(radius) * radius - double(y) * y);
}

int ccCircleLineIntersect2(double x1, double y1, double x2, double y2, double centreX, double centreY,
                           double radius) {
    double dx = x2 - x1, dy = y2 - y1;
    double t = (dx * (centreX - x1) + dy * (centreY - y1)) / (dx * dx + dy * dy);
    if (!(t >= 0)) t = 0; // also the NaN of a zero-length segment
    if (t > 1) t = 1;
    double px = x1 * (1 - t) + x2 * t, py = y1 * (1 - t) + y2 * t;
    return ccPointToPointDist(centreX, centreY, px, py) < radius ? 1 : 0;
}

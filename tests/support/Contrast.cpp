#include "Contrast.h"

#include "InkBox.h"

#include <algorithm>
#include <cmath>

namespace testsupport {
namespace {

constexpr int W = 800, H = 600;
constexpr int BAND = 1;

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(uint32_t pixel) {
    return 0.2126 * Linear(int(pixel >> 16) & 255) + 0.7152 * Linear(int(pixel >> 8) & 255) +
           0.0722 * Linear(int(pixel) & 255);
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::nth_element(values.begin(), values.begin() + long(values.size() / 2), values.end());
    return values[values.size() / 2];
}

} // namespace

// Over black a draw leaves colour times coverage, over white that plus white times the rest:
// the difference of the two is what it leaves uncovered.
std::vector<float> CoverageOfDraw(const platform::DrawCall& call) {
    const platform::PixmapRef black = ReplayAlone(call, 0), white = ReplayAlone(call, 255);
    std::vector<float> coverage(size_t(W * H), 0.0f);
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            const uint32_t b = platform::ReadPixel(black, x, y), w = platform::ReadPixel(white, x, y);
            int open = 0;
            for (int shift : {0, 8, 16})
                open += int((w >> shift) & 255) - int((b >> shift) & 255);
            coverage[size_t(y * W + x)] = std::clamp(1.0f - float(open) / (3.0f * 255.0f), 0.0f, 1.0f);
        }
    return coverage;
}

double ReadingContrast(const platform::PixmapRef& frame, const std::vector<platform::DrawCall>& calls) {
    std::vector<float> coverage(size_t(W * H), 0.0f);
    for (const platform::DrawCall& call : calls) {
        const std::vector<float> one = CoverageOfDraw(call);
        for (size_t i = 0; i < coverage.size(); i++)
            coverage[i] = std::max(coverage[i], one[i]);
    }
    std::vector<double> letters, around;
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            const float c = coverage[size_t(y * W + x)];
            if (c >= 0.9f) {
                letters.push_back(Luminance(platform::ReadPixel(frame, x, y)));
                continue;
            }
            if (c > 0.02f) continue;
            bool near = false;
            for (int dy = -BAND; dy <= BAND && !near; dy++)
                for (int dx = -BAND; dx <= BAND && !near; dx++) {
                    const int nx = x + dx, ny = y + dy;
                    near = nx >= 0 && ny >= 0 && nx < W && ny < H && coverage[size_t(ny * W + nx)] > 0.02f;
                }
            if (near) around.push_back(Luminance(platform::ReadPixel(frame, x, y)));
        }
    if (letters.empty() || around.empty()) return 0;
    const double a = Median(letters), b = Median(around);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::vector<platform::DrawCall> CallsOfText(const std::vector<platform::DrawCall>& calls,
                                            const std::string& text) {
    std::vector<platform::DrawCall> found;
    for (const platform::DrawCall& c : calls)
        if (c.kind == platform::DrawKind::Text && c.text == text) found.push_back(c);
    return found;
}

std::vector<platform::DrawCall> CallsOfImage(const std::vector<platform::DrawCall>& calls,
                                             const platform::ImageRef& image) {
    std::vector<platform::DrawCall> found;
    for (const platform::DrawCall& c : calls)
        if (c.kind == platform::DrawKind::Image && c.image == image) found.push_back(c);
    return found;
}

} // namespace testsupport

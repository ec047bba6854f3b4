// Shared drawing helpers: canvases, colours, paths, glossy fills, soft shadows, text in the game font,
// and writing pictures into the data folder.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>

namespace assetgen {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

// The palette every picture draws from: a night-blue and snow-white world with warm accents.
namespace pal {
inline constexpr Rgb Night{0.05, 0.09, 0.24};
inline constexpr Rgb NightDeep{0.02, 0.04, 0.13};
inline constexpr Rgb Dusk{0.22, 0.25, 0.52};
inline constexpr Rgb Snow{0.96, 0.98, 1.0};
inline constexpr Rgb SnowShade{0.70, 0.80, 0.93};
inline constexpr Rgb Ice{0.62, 0.86, 0.98};
inline constexpr Rgb IceDeep{0.25, 0.55, 0.82};
inline constexpr Rgb Gold{1.0, 0.78, 0.22};
inline constexpr Rgb GoldDeep{0.72, 0.45, 0.05};
inline constexpr Rgb Red{0.86, 0.12, 0.15};
inline constexpr Rgb RedDeep{0.50, 0.04, 0.08};
inline constexpr Rgb Green{0.13, 0.62, 0.25};
inline constexpr Rgb GreenDeep{0.04, 0.30, 0.14};
inline constexpr Rgb Pine{0.06, 0.27, 0.22};
inline constexpr Rgb Blue{0.22, 0.55, 1.0};
inline constexpr Rgb Purple{0.62, 0.28, 0.86};
inline constexpr Rgb Silver{0.80, 0.84, 0.90};
inline constexpr Rgb Orange{1.0, 0.52, 0.10};
inline constexpr Rgb Brown{0.45, 0.25, 0.12};
inline constexpr Rgb Warm{1.0, 0.80, 0.45}; // lit windows, candle light
inline constexpr Rgb Ink{0.06, 0.05, 0.12}; // outlines: dark but never pure black
} // namespace pal

Rgb Mix(Rgb a, Rgb b, double t);
Rgb Lighter(Rgb c, double t); // towards white
Rgb Darker(Rgb c, double t);  // towards the ink colour

// A small seeded generator, so every picture is the same on every run.
class Rng {
public:
    explicit Rng(uint64_t seed) : state(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}
    uint32_t Next();
    double Uniform(double lo = 0, double hi = 1);

private:
    uint64_t state;
};

// An ARGB picture being drawn, with its cairo context.
class Canvas {
public:
    Canvas(int w, int h);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    cairo_t* cr;
    cairo_surface_t* surface;
    int w, h;
};

void SetColor(cairo_t* cr, Rgb c, double alpha = 1);
// Strokes the current path as the game's gold rim: a deep gold band with a bright gold line inside it.
void StrokeGoldRim(cairo_t* cr, double outerWidth, double innerWidth);
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
// n-pointed star around (cx, cy), first point straight up turned by rot radians.
void StarPath(cairo_t* cr, double cx, double cy, int n, double outer, double inner, double rot = 0);
// Six-armed snowflake drawn as strokes (arms with side branches) in the current source.
void SnowflakeStroke(cairo_t* cr, double cx, double cy, double r, double width, double rot = 0);

// Paints `paint` through the alpha of what `shape` draws (for gradient fills of stroked shapes).
void PaintMasked(cairo_t* cr, const std::function<void(cairo_t*)>& shape,
                 const std::function<void(cairo_t*)>& paint);
// Fills the current path (kept) with a lit gradient of `base`: light from the upper left, a dark
// outline of `outline` px and a specular highlight inside the top of the box (x, y, w, h).
void GlossyFill(cairo_t* cr, Rgb base, double x, double y, double w, double h, double outline = 2.0);
// A soft white highlight ellipse, clipped to the current path (kept).
void Specular(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.75);
// A radial glow of colour c fading to nothing.
void Glow(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha = 1);

// Blurs the surface (box blur run three times, close to a gaussian).
void Blur(cairo_surface_t* surface, int radius);
// Draws `draw` onto the canvas with a soft shadow of its alpha below it.
void WithShadow(Canvas& canvas, double dx, double dy, int blur, double alpha,
                const std::function<void(cairo_t*)>& draw, Rgb shadow = pal::Ink);

// Text in the game font.
struct TextStyle {
    double size = 30;
    Rgb top = pal::Snow, bottom = pal::Snow; // vertical gradient of the fill
    Rgb outline = pal::Ink;
    double outlineWidth = 0;
    double glow = 0; // radius of a soft glow behind the text, 0 for none
    Rgb glowColor = pal::Gold;
    double shadow = 0; // offset of a soft drop shadow, 0 for none
};
void SetGameFont(const std::string& ttfPath); // once, before any text
double TextWidth(cairo_t* cr, const std::string& text, double size);
// Draws text centred on (cx, cy) (the middle of its capital letters).
void DrawText(Canvas& canvas, const std::string& text, double cx, double cy, const TextStyle& style);
// The outline of text placed as DrawText places it, as the current path of cr.
void TextPath(cairo_t* cr, const std::string& text, double cx, double cy, double size);
// Text with its left end at x.
void DrawTextLeft(Canvas& canvas, const std::string& text, double x, double cy, const TextStyle& style);

// Writes a finished picture to its manifest path (PNG or JPEG by the name). Checks the size against
// the manifest and fails loudly when they differ.
void SavePicture(Canvas& canvas, const std::string& path);
// Scales a canvas (or part of one) into another.
void DrawScaled(Canvas& dst, cairo_surface_t* src, double x, double y, double w, double h);

} // namespace assetgen

// Winter scenes: night skies, mountains, snowy hills with pines, cottages with lit windows, a church,
// a decorated tree, a frozen lake, a snowman, a sleigh across the moon, and falling snow. Every
// background, slide and gallery picture is composed from these.
#include "art.h"

#include <cmath>
#include <vector>

namespace assetgen {

void DrawSnowfall(cairo_t* cr, double w, double h, int count, Rng& rng, double maxR) {
    for (int i = 0; i < count; ++i) {
        double r = rng.Uniform(0.6, maxR);
        SetColor(cr, pal::Snow, rng.Uniform(0.35, 0.9));
        cairo_arc(cr, rng.Uniform(0, w), rng.Uniform(0, h), r, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void DrawPine(cairo_t* cr, double x, double baseY, double height, Rgb color, double snow) {
    double w = height * 0.5;
    // Trunk.
    SetColor(cr, Darker(pal::Brown, 0.3));
    cairo_rectangle(cr, x - w * 0.07, baseY - height * 0.12, w * 0.14, height * 0.14);
    cairo_fill(cr);
    const int tiers = 4;
    for (int t = 0; t < tiers; ++t) {
        double top = baseY - height + t * height * 0.2;
        double bottom = baseY - height * 0.1 - (tiers - 1 - t) * height * 0.14;
        double hw = w * (0.35 + 0.65 * (t + 1) / tiers) / 2;
        cairo_move_to(cr, x, top);
        cairo_curve_to(cr, x + hw * 0.3, top + (bottom - top) * 0.4, x + hw * 0.8, bottom - 2, x + hw,
                       bottom);
        cairo_curve_to(cr, x + hw * 0.3, bottom - (bottom - top) * 0.1, x - hw * 0.3,
                       bottom - (bottom - top) * 0.1, x - hw, bottom);
        cairo_curve_to(cr, x - hw * 0.8, bottom - 2, x - hw * 0.3, top + (bottom - top) * 0.4, x, top);
        cairo_close_path(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(x - hw, 0, x + hw, 0);
        Rgb lit = Lighter(color, 0.12), dark = Darker(color, 0.35);
        cairo_pattern_add_color_stop_rgb(g, 0, lit.r, lit.g, lit.b);
        cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        if (snow > 0) {
            // Snow lying on the tier.
            double sy = bottom - (bottom - top) * 0.12;
            cairo_move_to(cr, x - hw * 0.95, bottom);
            cairo_curve_to(cr, x - hw * 0.4, sy - 1, x + hw * 0.4, sy - 1, x + hw * 0.95, bottom);
            cairo_curve_to(cr, x + hw * 0.4, sy + (bottom - sy) * 0.2 - 2, x - hw * 0.4,
                           sy + (bottom - sy) * 0.2 - 2, x - hw * 0.95, bottom);
            SetColor(cr, Mix(pal::SnowShade, pal::Snow, 0.6), snow);
            cairo_fill(cr);
        }
    }
}

void DrawHouse(cairo_t* cr, double x, double baseY, double w, double h, Rgb wall, Rgb roof, Rng& rng) {
    double roofH = h * 0.55;
    // Chimney with smoke.
    double chx = x + w * 0.68;
    SetColor(cr, Darker(wall, 0.4));
    cairo_rectangle(cr, chx, baseY - h - roofH * 0.75, w * 0.1, roofH * 0.5);
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        SetColor(cr, pal::SnowShade, 0.18 - i * 0.03);
        cairo_arc(cr, chx + w * 0.05 + i * w * 0.06, baseY - h - roofH * 0.85 - i * h * 0.22,
                  w * (0.05 + i * 0.025), 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // Walls.
    cairo_rectangle(cr, x, baseY - h, w, h);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + w, 0);
    Rgb lit = Lighter(wall, 0.1), dark = Darker(wall, 0.3);
    cairo_pattern_add_color_stop_rgb(g, 0, lit.r, lit.g, lit.b);
    cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Windows: warm light with a glow, and a door.
    int windows = w > h * 1.2 ? 2 : 1;
    for (int i = 0; i < windows; ++i) {
        double wx = x + w * (windows == 1 ? 0.22 : 0.14 + i * 0.5), wy = baseY - h * 0.72;
        double ww = w * 0.2, wh = h * 0.32;
        bool shining = rng.Uniform() < 0.85;
        if (shining) Glow(cr, wx + ww / 2, wy + wh / 2, ww * 1.6, pal::Warm, 0.35);
        cairo_rectangle(cr, wx, wy, ww, wh);
        SetColor(cr, shining ? pal::Warm : Darker(pal::Dusk, 0.3));
        cairo_fill(cr);
        SetColor(cr, Darker(wall, 0.6));
        cairo_set_line_width(cr, std::max(1.0, w * 0.015));
        cairo_rectangle(cr, wx, wy, ww, wh);
        cairo_move_to(cr, wx + ww / 2, wy);
        cairo_line_to(cr, wx + ww / 2, wy + wh);
        cairo_move_to(cr, wx, wy + wh / 2);
        cairo_line_to(cr, wx + ww, wy + wh / 2);
        cairo_stroke(cr);
        // Snow on the sill.
        SetColor(cr, pal::Snow);
        RoundRect(cr, wx - ww * 0.1, wy + wh - 1, ww * 1.2, std::max(2.0, h * 0.05), 1.5);
        cairo_fill(cr);
    }
    double dx = x + w * (windows == 1 ? 0.62 : 0.42), dw = w * 0.18;
    if (windows == 1 || true) {
        RoundRect(cr, dx, baseY - h * 0.5, dw, h * 0.5, dw * 0.3);
        SetColor(cr, Darker(pal::Red, 0.35));
        cairo_fill(cr);
        // A wreath on the door.
        cairo_arc(cr, dx + dw / 2, baseY - h * 0.36, dw * 0.28, 0, 2 * M_PI);
        SetColor(cr, pal::Green);
        cairo_set_line_width(cr, std::max(1.0, dw * 0.14));
        cairo_stroke(cr);
    }
    // Roof heavy with snow.
    cairo_move_to(cr, x - w * 0.1, baseY - h);
    cairo_line_to(cr, x + w * 0.5, baseY - h - roofH);
    cairo_line_to(cr, x + w * 1.1, baseY - h);
    cairo_close_path(cr);
    SetColor(cr, roof);
    cairo_fill(cr);
    cairo_move_to(cr, x - w * 0.14, baseY - h + h * 0.06);
    cairo_line_to(cr, x + w * 0.5, baseY - h - roofH - h * 0.08);
    cairo_line_to(cr, x + w * 1.14, baseY - h + h * 0.06);
    cairo_curve_to(cr, x + w * 0.9, baseY - h - h * 0.02, x + w * 0.75, baseY - h + h * 0.08, x + w * 0.5,
                   baseY - h - h * 0.02);
    cairo_curve_to(cr, x + w * 0.25, baseY - h + h * 0.08, x + w * 0.1, baseY - h - h * 0.02, x - w * 0.14,
                   baseY - h + h * 0.06);
    cairo_close_path(cr);
    cairo_pattern_t* sg = cairo_pattern_create_linear(0, baseY - h - roofH, 0, baseY - h);
    cairo_pattern_add_color_stop_rgb(sg, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(sg, 1, pal::SnowShade.r, pal::SnowShade.g, pal::SnowShade.b);
    cairo_set_source(cr, sg);
    cairo_fill(cr);
    cairo_pattern_destroy(sg);
    // Icicles.
    SetColor(cr, pal::Ice, 0.8);
    for (double ix = x; ix < x + w; ix += std::max(4.0, w * 0.09)) {
        double len = h * rng.Uniform(0.05, 0.16);
        cairo_move_to(cr, ix, baseY - h + h * 0.03);
        cairo_line_to(cr, ix + w * 0.03, baseY - h + h * 0.03);
        cairo_line_to(cr, ix + w * 0.015, baseY - h + len);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
}

namespace {

void Sky(cairo_t* cr, double w, double h, const Scene& s, Rng& rng) {
    Rgb top, mid, low;
    switch (s.sky) {
    case 1:
        top = {0.10, 0.10, 0.32};
        mid = {0.42, 0.30, 0.55};
        low = {0.98, 0.62, 0.45};
        break;
    case 2:
        top = {0.01, 0.04, 0.12};
        mid = {0.04, 0.12, 0.25};
        low = {0.12, 0.30, 0.42};
        break;
    case 3:
        top = {0.35, 0.52, 0.82};
        mid = {0.70, 0.78, 0.95};
        low = {1.0, 0.86, 0.75};
        break;
    default:
        top = pal::NightDeep;
        mid = pal::Night;
        low = {0.22, 0.32, 0.62};
        break;
    }
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h * s.horizon);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 0.6, mid.r, mid.g, mid.b);
    cairo_pattern_add_color_stop_rgb(g, 1, low.r, low.g, low.b);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    if (s.sky != 3) {
        int n = (int)(w * h / 2500);
        for (int i = 0; i < n; ++i) {
            double x = rng.Uniform(0, w), y = rng.Uniform(0, h * s.horizon * 0.9);
            double a = rng.Uniform(0.2, 0.9) * (1 - y / (h * s.horizon));
            SetColor(cr, pal::Snow, a);
            cairo_arc(cr, x, y, rng.Uniform(0.4, 1.2), 0, 2 * M_PI);
            cairo_fill(cr);
        }
        for (int i = 0; i < n / 40 + 2; ++i)
            DrawGlint(cr, rng.Uniform(0, w), rng.Uniform(0, h * s.horizon * 0.5), rng.Uniform(3, 6),
                      pal::Snow, 0.8);
    }
    if (s.sky == 2) {
        // Aurora curtains.
        Canvas layer((int)w, (int)h);
        for (int band = 0; band < 3; ++band) {
            double y0 = h * (0.12 + band * 0.08);
            Rgb c = band == 1 ? Rgb{0.35, 1.0, 0.7} : Rgb{0.3, 0.8, 1.0};
            for (double x = 0; x < w; x += 3) {
                double y =
                    y0 + std::sin(x / w * 6 + band * 2) * h * 0.05 + std::sin(x / w * 17 + band) * h * 0.015;
                double len = h * (0.12 + 0.06 * std::sin(x / w * 11 + band * 3));
                cairo_pattern_t* lg = cairo_pattern_create_linear(0, y - len, 0, y);
                cairo_pattern_add_color_stop_rgba(lg, 0, c.r, c.g, c.b, 0);
                cairo_pattern_add_color_stop_rgba(lg, 1, c.r, c.g, c.b, 0.22);
                cairo_set_source(layer.cr, lg);
                cairo_rectangle(layer.cr, x, y - len, 3, len + 4);
                cairo_fill(layer.cr);
                cairo_pattern_destroy(lg);
            }
        }
        Blur(layer.surface, 4);
        cairo_set_source_surface(cr, layer.surface, 0, 0);
        cairo_paint(cr);
    }
    if (s.moon) {
        double mx = w * s.moonX, my = h * s.moonY, mr = h * 0.06 * s.moonSize;
        Rgb moon = s.sky == 3 ? Rgb{1, 1, 1} : Rgb{1, 0.97, 0.85};
        Glow(cr, mx, my, mr * 5, moon, s.sky == 3 ? 0.25 : 0.35);
        cairo_arc(cr, mx, my, mr, 0, 2 * M_PI);
        SetColor(cr, moon, s.sky == 3 ? 0.7 : 1);
        cairo_fill(cr);
        for (int i = 0; i < 4; ++i) {
            SetColor(cr, {0.85, 0.82, 0.72}, 0.35);
            cairo_arc(cr, mx + rng.Uniform(-0.5, 0.5) * mr, my + rng.Uniform(-0.5, 0.5) * mr,
                      mr * rng.Uniform(0.1, 0.25), 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
}

double HillY(double x, double w, double base, double amp, double seedPhase) {
    return base +
           amp * (std::sin(x / w * 3.1 + seedPhase) * 0.6 + std::sin(x / w * 7.3 + seedPhase * 2.1) * 0.3 +
                  std::sin(x / w * 13.7 + seedPhase * 3.3) * 0.1);
}

void Mountains(cairo_t* cr, double w, double h, const Scene& s, Rng& rng) {
    double base = h * s.horizon;
    std::vector<std::pair<double, double>> peaks;
    for (double x = -50; x < w + 100; x += rng.Uniform(70, 150) * w / 800)
        peaks.push_back({x, base - h * rng.Uniform(0.10, 0.24)});
    Rgb c = s.sky == 1 ? Rgb{0.38, 0.36, 0.60} : s.sky == 3 ? Rgb{0.62, 0.70, 0.88} : Rgb{0.20, 0.27, 0.50};
    cairo_move_to(cr, -50, base + h * 0.2);
    double prevX = -50;
    for (size_t i = 0; i < peaks.size(); ++i) {
        double vx = (prevX + peaks[i].first) / 2;
        cairo_line_to(cr, vx, base - h * 0.04);
        cairo_line_to(cr, peaks[i].first, peaks[i].second);
        prevX = peaks[i].first;
    }
    cairo_line_to(cr, w + 100, base + h * 0.2);
    cairo_line_to(cr, -50, base + h * 0.2);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, base - h * 0.25, 0, base);
    cairo_pattern_add_color_stop_rgb(g, 0, Lighter(c, 0.25).r, Lighter(c, 0.25).g, Lighter(c, 0.25).b);
    cairo_pattern_add_color_stop_rgb(g, 1, c.r, c.g, c.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Snow caps.
    for (auto [px, py] : peaks) {
        double d = h * 0.045;
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, px + d * 1.1, py + d);
        cairo_line_to(cr, px + d * 0.4, py + d * 0.8);
        cairo_line_to(cr, px, py + d * 1.2);
        cairo_line_to(cr, px - d * 0.5, py + d * 0.75);
        cairo_line_to(cr, px - d * 1.1, py + d);
        cairo_close_path(cr);
        SetColor(cr, Lighter(c, 0.75), 0.9);
        cairo_fill(cr);
    }
}

void Hills(cairo_t* cr, double w, double h, const Scene& s, Rng& rng, std::vector<double>& layerBase) {
    for (int i = 0; i < s.hills; ++i) {
        double t = s.hills == 1 ? 1 : (double)i / (s.hills - 1);
        double base = h * (s.horizon + (1 - s.horizon) * (0.05 + 0.55 * t));
        double amp = h * (0.04 + 0.02 * (1 - t));
        double phase = rng.Uniform(0, 6.28);
        layerBase.push_back(base);
        // Pines on the back of this layer.
        int pines = s.trees * (i + 1) / std::max(1, s.hills);
        Rgb pine = Mix(pal::Pine, s.sky == 3 ? Rgb{0.55, 0.65, 0.8} : Rgb{0.12, 0.18, 0.38}, 0.55 * (1 - t));
        for (int p = 0; p < pines; ++p) {
            double x = rng.Uniform(-10, w + 10);
            double ph = h * (0.07 + 0.09 * t) * rng.Uniform(0.7, 1.2);
            DrawPine(cr, x, HillY(x, w, base, amp, phase) + ph * 0.08, ph, pine, 0.9);
        }
        cairo_move_to(cr, 0, h);
        for (double x = 0; x <= w + 4; x += 4)
            cairo_line_to(cr, x, HillY(x, w, base, amp, phase));
        cairo_line_to(cr, w, h);
        cairo_close_path(cr);
        Rgb top = Mix(pal::SnowShade, pal::Snow, 0.4 + 0.6 * t),
            bottom = Mix(pal::SnowShade, {0.45, 0.55, 0.8}, 0.6 - 0.4 * t);
        if (s.sky == 1) top = Mix(top, {1, 0.85, 0.8}, 0.3);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, base - amp, 0, base + h * 0.25);
        cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
        cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        // A soft shadow line along the crest of the next layer.
        for (double x = 0; x <= w; x += 4) {
            double y = HillY(x, w, base, amp, phase);
            SetColor(cr, pal::Snow, 0.5);
            cairo_rectangle(cr, x, y, 4, 1.5);
        }
        cairo_fill(cr);
    }
}

void Lake(cairo_t* cr, double w, double h, double y) {
    cairo_save(cr);
    cairo_translate(cr, w * 0.5, y);
    cairo_scale(cr, w * 0.42, h * 0.07);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y - h * 0.07, 0, y + h * 0.07);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.45, 0.65, 0.9);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.75, 0.9, 1);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, pal::Snow, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    SetColor(cr, pal::Snow, 0.5);
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < 5; ++i) {
        double x = w * (0.25 + i * 0.11);
        cairo_move_to(cr, x, y - h * 0.02 + i * 3);
        cairo_line_to(cr, x + w * 0.06, y - h * 0.035 + i * 3);
    }
    cairo_stroke(cr);
}

void SnowmanFigure(cairo_t* cr, double x, double baseY, double s) {
    cairo_save(cr);
    cairo_translate(cr, x - 25 * s / 1.0, baseY - 47 * s);
    cairo_scale(cr, s, s);
    DrawBonus(cr, 12, 25, 25, 1, 0.2);
    cairo_restore(cr);
}

void BigTree(cairo_t* cr, double x, double baseY, double hgt, Rng& rng) {
    DrawPine(cr, x, baseY, hgt, {0.10, 0.42, 0.24}, 0.8);
    // Garland of lights.
    for (int i = 0; i < 34; ++i) {
        double t = rng.Uniform(0.12, 0.9);
        double y = baseY - hgt + t * hgt * 0.9;
        double hw = hgt * 0.25 * t * 0.95;
        double lx = x + rng.Uniform(-hw, hw);
        Rgb c = i % 4 == 0   ? pal::Gold
                : i % 4 == 1 ? pal::Red
                : i % 4 == 2 ? Rgb{0.4, 0.8, 1}
                             : Rgb{1, 0.5, 0.9};
        Glow(cr, lx, y, hgt * 0.025, c, 0.8);
        cairo_arc(cr, lx, y, hgt * 0.008 + 0.6, 0, 2 * M_PI);
        SetColor(cr, Lighter(c, 0.5));
        cairo_fill(cr);
    }
    StarPath(cr, x, baseY - hgt, 5, hgt * 0.06, hgt * 0.025);
    GlossyFill(cr, pal::Gold, x - hgt * 0.06, baseY - hgt * 1.06, hgt * 0.12, hgt * 0.12, 1.2);
    cairo_new_path(cr);
    Glow(cr, x, baseY - hgt, hgt * 0.15, pal::Gold, 0.45);
}

void Sleigh(cairo_t* cr, double x, double y, double s, Rgb c) {
    SetColor(cr, c);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    // Four reindeer ahead, then the sleigh with its driver.
    for (int i = 0; i < 4; ++i) {
        double rx = 70 + i * 26, ry = -8 - i * 5;
        cairo_save(cr);
        cairo_translate(cr, rx, ry);
        cairo_scale(cr, 1, 1);
        cairo_move_to(cr, -9, 0);
        cairo_curve_to(cr, -9, -5, 6, -6, 8, -3);
        cairo_line_to(cr, 12, -10);
        cairo_line_to(cr, 15, -9);
        cairo_line_to(cr, 11, -1);
        cairo_curve_to(cr, 8, 2, 4, 2, 3, 2);
        cairo_line_to(cr, 6, 8);
        cairo_line_to(cr, 4, 8);
        cairo_line_to(cr, 0, 3);
        cairo_line_to(cr, -5, 3);
        cairo_line_to(cr, -10, 8);
        cairo_line_to(cr, -12, 7);
        cairo_line_to(cr, -9, 1);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, 12, -10);
        cairo_line_to(cr, 10, -15);
        cairo_move_to(cr, 13, -10);
        cairo_line_to(cr, 17, -14);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    cairo_set_line_width(cr, 0.8);
    cairo_move_to(cr, 40, -4);
    cairo_line_to(cr, 150, -26);
    cairo_stroke(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 40, 0);
    cairo_curve_to(cr, 48, -2, 50, -12, 44, -14);
    cairo_line_to(cr, 36, -12);
    cairo_line_to(cr, 28, -20);
    cairo_curve_to(cr, 24, -26, 18, -24, 18, -18);
    cairo_line_to(cr, 6, -16);
    cairo_curve_to(cr, 0, -14, -2, -6, 0, 0);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.6);
    cairo_move_to(cr, -4, 4);
    cairo_line_to(cr, 44, 4);
    cairo_curve_to(cr, 50, 4, 50, -1, 47, -2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace

void Presents(cairo_t* cr, double x, double baseY, double s) {
    const Rgb colors[] = {pal::Red, pal::Purple, pal::Green, pal::Blue};
    for (int i = 0; i < 4; ++i) {
        double bw = s * (0.8 + 0.2 * (i % 2)), bh = s * (0.6 + 0.25 * ((i + 1) % 2));
        double bx = x + i * s * 0.85 - bw / 2;
        RoundRect(cr, bx, baseY - bh, bw, bh, 2);
        GlossyFill(cr, colors[i], bx, baseY - bh, bw, bh, 1.5);
        cairo_new_path(cr);
        SetColor(cr, pal::Gold);
        cairo_rectangle(cr, bx + bw * 0.42, baseY - bh, bw * 0.16, bh);
        cairo_rectangle(cr, bx, baseY - bh * 0.6, bw, bh * 0.14);
        cairo_fill(cr);
    }
}

void HollyCorner(cairo_t* cr, double x, double y, double s, double rot) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rot);
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_rotate(cr, -0.6 + i * 0.6);
        cairo_scale(cr, s * 1.6, s * 0.7);
        cairo_arc(cr, 1, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        GlossyFill(cr, pal::Green, -s, -s, 3 * s, 2 * s, 1.5);
        cairo_new_path(cr);
    }
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, -s * 0.2 + i * s * 0.35, -s * 0.2 + (i % 2) * s * 0.3, s * 0.32, 0, 2 * M_PI);
        GlossyFill(cr, pal::Red, -s, -s, s, s, 1.2);
        cairo_new_path(cr);
    }
    cairo_restore(cr);
}

void DrawScene(cairo_t* cr, double w, double h, const Scene& s) {
    Rng rng(s.seed);
    cairo_save(cr);
    Sky(cr, w, h, s, rng);
    if (s.sleigh) {
        Rgb silhouette = s.sky == 3 ? Rgb{0.3, 0.35, 0.55} : Rgb{0.04, 0.05, 0.14};
        Sleigh(cr, w * s.moonX - w * 0.18 * s.moonSize, h * s.moonY + h * 0.04 * s.moonSize,
               w / 800 * s.moonSize, silhouette);
    }
    if (s.mountains) Mountains(cr, w, h, s, rng);
    std::vector<double> bases;
    Scene hillScene = s;
    Hills(cr, w, h, hillScene, rng, bases);
    double groundY = bases.empty() ? h * 0.8 : bases[bases.size() / 2];
    if (s.church) {
        double cx = w * 0.72, by = groundY + h * 0.01, cw = w * 0.09, ch = h * 0.13;
        DrawHouse(cr, cx, by, cw, ch, {0.55, 0.5, 0.6}, {0.3, 0.25, 0.35}, rng);
        // Steeple.
        SetColor(cr, {0.5, 0.46, 0.58});
        cairo_rectangle(cr, cx - cw * 0.35, by - ch * 1.7, cw * 0.4, ch * 1.7);
        cairo_fill(cr);
        cairo_move_to(cr, cx - cw * 0.42, by - ch * 1.7);
        cairo_line_to(cr, cx - cw * 0.15, by - ch * 2.6);
        cairo_line_to(cr, cx + cw * 0.12, by - ch * 1.7);
        cairo_close_path(cr);
        SetColor(cr, pal::Snow);
        cairo_fill(cr);
        Glow(cr, cx - cw * 0.15, by - ch * 1.35, cw * 0.3, pal::Warm, 0.6);
        cairo_arc(cr, cx - cw * 0.15, by - ch * 1.35, cw * 0.09, 0, 2 * M_PI);
        SetColor(cr, pal::Warm);
        cairo_fill(cr);
    }
    for (int i = 0; i < s.houses; ++i) {
        double hx = w * (0.08 + 0.84 * (i + 0.5) / s.houses) + rng.Uniform(-w * 0.03, w * 0.03);
        double size = w * rng.Uniform(0.07, 0.1);
        Rgb walls[] = {{0.62, 0.30, 0.22}, {0.35, 0.42, 0.62}, {0.55, 0.45, 0.32}, {0.30, 0.45, 0.38}};
        // Beside a lake the cottages stand back on the far shore.
        double by = (s.lake && !bases.empty() ? bases[0]
                     : bases.size() > 1       ? bases[bases.size() - 2]
                                              : groundY) +
                    h * 0.03;
        DrawHouse(cr, hx - size / 2, by, size, size * 0.7, walls[i % 4], {0.35, 0.18, 0.15}, rng);
    }
    if (s.lake) Lake(cr, w, h, h * (s.horizon + (1 - s.horizon) * 0.5));
    if (s.bigTree) BigTree(cr, w * 0.24, h * 0.93, h * 0.5, rng);
    if (s.presents) Presents(cr, w * 0.18, h * 0.95, h * 0.07);
    if (s.bigHouse) {
        DrawHouse(cr, w * 0.5, h * 0.97, w * 0.38, h * 0.34, {0.62, 0.30, 0.22}, {0.35, 0.18, 0.15}, rng);
        DrawPine(cr, w * 0.44, h * 0.99, h * 0.45, pal::Pine, 0.9);
        DrawPine(cr, w * 0.93, h * 1.02, h * 0.5, pal::Pine, 0.9);
    }
    if (s.snowman)
        SnowmanFigure(cr, w * (s.snowmanSize > 1.5 ? 0.62 : 0.8), h * 0.97, h / 600 * 2.6 * s.snowmanSize);
    DrawSnowfall(cr, w, h, s.snowfall, rng, 2.8 * w / 800);
    if (s.dim > 0) {
        cairo_pattern_t* g =
            cairo_pattern_create_radial(w * 0.58, h * 0.5, h * 0.2, w * 0.58, h * 0.5, w * 0.7);
        cairo_pattern_add_color_stop_rgba(g, 0, pal::NightDeep.r, pal::NightDeep.g, pal::NightDeep.b, s.dim);
        cairo_pattern_add_color_stop_rgba(g, 1, pal::NightDeep.r, pal::NightDeep.g, pal::NightDeep.b,
                                          s.dim * 0.6);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }
    cairo_restore(cr);
}

} // namespace assetgen

// The interface pictures: menu buttons with their brighter hover images, titles and captions in the
// game font, the loading bar, dialogs, parchment scrolls, hint icons, option tags, the slider, and
// the gallery's frame and locked slot. One light direction (upper left) and one button style.
#include "art.h"
#include "jobs.h"
#include "manifest.h"

#include <cmath>
#include <functional>
#include <tuple>
#include <vector>

namespace assetgen {
namespace {

std::string G(const std::string& name) {
    return "graphics/" + name;
}
std::string M(const std::string& name) {
    return "menus/" + name;
}

TextStyle Caption(double size) {
    TextStyle t;
    t.size = size;
    t.top = pal::Snow;
    t.bottom = {0.85, 0.9, 1};
    t.outline = {0.25, 0.03, 0.05};
    t.outlineWidth = std::max(1.1, size / 20);
    return t;
}

TextStyle Title(double size) {
    TextStyle t;
    t.size = size;
    t.top = {1, 0.96, 0.7};
    t.bottom = {1, 0.62, 0.1};
    t.outline = pal::RedDeep;
    t.outlineWidth = std::max(2.0, size / 14);
    t.glow = size / 5;
    t.glowColor = {1, 0.9, 0.5};
    return t;
}

// ---- Buttons: a glossy red pill with a gold bevelled rim; the hover image is lit up. ----
void ButtonBody(Canvas& c, bool hover, Rgb body) {
    cairo_t* cr = c.cr;
    double w = c.w, h = c.h, r = std::min(h / 2 - 1, 16.0);
    // Hovered: the same hue, brighter and warmer, with a glow inside the rim.
    if (hover)
        body = Mix(body,
                   {std::min(1.0, body.r * 1.25 + 0.08), std::min(1.0, body.g * 1.25 + 0.08),
                    std::min(1.0, body.b * 1.1 + 0.02)},
                   1);
    RoundRect(cr, 1, 1, w - 2, h - 2, r);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, 0, h);
    Rgb a = hover ? Rgb{1, 0.95, 0.65} : pal::Gold, b = pal::GoldDeep;
    cairo_pattern_add_color_stop_rgb(rim, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(rim, 1, b.r, b.g, b.b);
    cairo_set_source(cr, rim);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(rim);
    SetColor(cr, Darker(pal::GoldDeep, 0.6));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    RoundRect(cr, 4, 4, w - 8, h - 8, r - 3);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 4, 0, h - 4);
    Rgb top = Lighter(body, 0.3), bottom = Darker(body, 0.35);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 0.5, body.r, body.g, body.b);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, Darker(body, 0.6), 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Gloss on the upper half.
    RoundRect(cr, 7, 5, w - 14, (h - 8) * 0.45, r - 5);
    cairo_pattern_t* gl = cairo_pattern_create_linear(0, 5, 0, 5 + (h - 8) * 0.45);
    cairo_pattern_add_color_stop_rgba(gl, 0, 1, 1, 1, hover ? 0.55 : 0.42);
    cairo_pattern_add_color_stop_rgba(gl, 1, 1, 1, 1, 0.05);
    cairo_set_source(cr, gl);
    cairo_fill(cr);
    cairo_pattern_destroy(gl);
    // A little snow on the top edge.
    for (double x = r; x < w - r; x += 9) {
        SetColor(cr, pal::Snow, 0.9);
        cairo_arc(cr, x, 3.5 + std::sin(x) * 0.8, 2.6 + std::fmod(x * 7, 3) * 0.4, M_PI, 2 * M_PI);
        cairo_fill(cr);
    }
    if (hover) {
        RoundRect(cr, 5, 5, w - 10, h - 10, r - 4);
        SetColor(cr, {1, 0.95, 0.6}, 0.8);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        DrawGlint(cr, w - r * 0.9, 7, 6, pal::Snow, 0.9);
        DrawGlint(cr, r * 0.8, h - 7, 4, pal::Snow, 0.7, 0.4);
    }
}

struct ButtonLook {
    const char* file;
    const char* caption; // empty for the arrow buttons
    Rgb body;
};

void Arrow(cairo_t* cr, double w, double h, bool left, bool hover) {
    double cx = w / 2, cy = h / 2 + 1, s = h * 0.3;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    if (left) cairo_scale(cr, -1, 1);
    cairo_move_to(cr, -s * 1.4, -s * 0.4);
    cairo_line_to(cr, 0, -s * 0.4);
    cairo_line_to(cr, 0, -s);
    cairo_line_to(cr, s * 1.4, 0);
    cairo_line_to(cr, 0, s);
    cairo_line_to(cr, 0, s * 0.4);
    cairo_line_to(cr, -s * 1.4, s * 0.4);
    cairo_close_path(cr);
    cairo_restore(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, {0.25, 0.03, 0.05});
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    SetColor(cr, hover ? pal::Snow : Rgb{0.92, 0.95, 1});
    cairo_fill(cr);
}

// The map's arrows keep clear rows below their 44-px body, so the captions beside them, whose
// ink starts below the arrows' lower edge, never touch the picture.
constexpr int ARROW_CLEAR_ROWS = 12;

void MakeArrowButton(const ButtonLook& b, int w, int h, bool hover) {
    const int bodyHeight = h - ARROW_CLEAR_ROWS;
    Canvas body(w, bodyHeight);
    ButtonBody(body, hover, b.body);
    Arrow(body.cr, w, bodyHeight, std::string(b.file) == "arrowleft", hover);
    cairo_surface_flush(body.surface);
    Canvas c(w, h);
    cairo_set_source_surface(c.cr, body.surface, 0, 0);
    cairo_paint(c.cr);
    SavePicture(c, M(std::string(b.file) + (hover ? "MO.png" : ".png")));
}

void MakeButton(const ButtonLook& b, int w, int h, bool hover) {
    std::string file = b.file;
    if (file == "arrowleft" || file == "arrowright") {
        MakeArrowButton(b, w, h, hover);
        return;
    }
    Canvas c(w, h);
    ButtonBody(c, hover, b.body);
    TextStyle t = Caption(h * 0.55);
    double width = TextWidth(c.cr, b.caption, t.size);
    if (width > w - 22) t.size *= (w - 22) / width;
    if (hover) {
        t.glow = 4;
        t.glowColor = {1, 0.75, 0.25};
    }
    DrawText(c, b.caption, w / 2.0, h / 2.0 + 1, t);
    SavePicture(c, M(std::string(b.file) + (hover ? "MO.png" : ".png")));
}

const ButtonLook Buttons[] = {
    {"OK", "OK", pal::Red},
    {"OK2", "OK", pal::Red},
    {"Yes", "Yes", pal::Green},
    {"No", "No", pal::Red},
    {"Cancel", "Cancel", pal::Red},
    {"Create", "Create", pal::Green},
    {"Delete", "Delete", pal::Red},
    {"changeplayer", "Player", pal::Red},
    {"play", "Play", pal::Green},
    {"titleoptions", "Options", pal::Red},
    {"mygallery", "My Gallery", pal::Red},
    {"exit", "Exit", pal::Red},
    {"Hint", "Hint", pal::Green},
    {"Menu", "Menu", pal::Red},
    {"resume", "Resume", pal::Green},
    {"options", "Options", pal::Red},
    {"help", "Help", pal::Red},
    {"saveandexit", "Save & Exit", pal::Red},
    {"arrowleft", "", pal::Red},
    {"arrowright", "", pal::Green},
    {"on", "On", pal::Green},
    {"off", "Off", pal::Red},
    {"credits", "Credits", pal::Red},
    {"clear", "Clear", pal::Red},
};

// ---- Titles and captions. ----
void MakeText(const std::string& path, int w, int h, const std::string& text, const TextStyle& style) {
    Canvas c(w, h);
    TextStyle t = style;
    double width = TextWidth(c.cr, text, t.size);
    if (width > w - 2 * t.outlineWidth - t.glow * 2 - 8)
        t.size *= (w - 2 * t.outlineWidth - t.glow * 2 - 8) / width;
    DrawText(c, text, w / 2.0, h / 2.0, t);
    SavePicture(c, path);
}

// The letters' top edge, column by column: the first row where the filled and outlined text
// covers a pixel, or -1 where the column holds no letter.
std::vector<int> LetterTops(int w, int h, const std::function<void(cairo_t*)>& letters) {
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_t* cr = cairo_create(mask);
    letters(cr);
    cairo_destroy(cr);
    cairo_surface_flush(mask);
    const unsigned char* data = cairo_image_surface_get_data(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    std::vector<int> tops(size_t(w), -1);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h && tops[size_t(x)] < 0; ++y)
            if (data[y * stride + x] > 128) tops[size_t(x)] = y;
    cairo_surface_destroy(mask);
    return tops;
}

// Snow lying on every flat stretch of the letters' tops: a drift that follows the edge, thickest
// in its middle, laid only where the edge is level enough to hold it.
void SnowOnTops(cairo_t* cr, const std::vector<int>& tops, double depth) {
    const int w = int(tops.size());
    for (int x = 0; x < w;) {
        int end = x;
        while (end + 1 < w && tops[size_t(x)] >= 0 && tops[size_t(end + 1)] >= 0 &&
               std::abs(tops[size_t(end + 1)] - tops[size_t(end)]) <= 2)
            ++end;
        const int run = end - x + 1;
        if (tops[size_t(x)] >= 0 && run >= 7) {
            auto at = [&](int i, double lift) {
                const double t = double(i - x) / (run - 1);
                return tops[size_t(i)] + 1.5 - lift * std::pow(std::sin(M_PI * t), 0.6);
            };
            const double d = std::min(depth, run / 3.0);
            cairo_move_to(cr, x, at(x, 0));
            for (int i = x; i <= end; ++i)
                cairo_line_to(cr, i + 0.5, at(i, d));
            for (int i = end; i >= x; --i)
                cairo_line_to(cr, i + 0.5, at(i, 0) + 1);
            cairo_close_path(cr);
            SetColor(cr, pal::SnowShade);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke_preserve(cr);
            SetColor(cr, pal::Snow);
            cairo_fill(cr);
        }
        x = end + 1;
    }
}

// The canvas leaves room for the glow to fade out inside it: no edge of the picture shows on the
// sky behind it. Its centre is where the title sits on the loading and title screens.
void MakeMainLogo() {
    Canvas c(560, 240);
    cairo_t* cr = c.cr;
    const double cx = 280, textY = 118;
    TextStyle t = Title(92);
    t.glow = 16;
    t.outlineWidth = 5;
    double width = TextWidth(cr, "Sleetwhistle", t.size);
    if (width > 440) t.size *= 440 / width;
    DrawText(c, "Sleetwhistle", cx, textY, t);
    // Snow resting on the letters, found from the letters' own outlines.
    const std::vector<int> tops = LetterTops(c.w, c.h, [&](cairo_t* m) {
        TextPath(m, "Sleetwhistle", cx, textY, t.size);
        cairo_set_line_width(m, t.outlineWidth * 2);
        cairo_set_line_join(m, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(m);
        cairo_fill(m);
    });
    SnowOnTops(cr, tops, 5);
    TextStyle sub = Caption(24);
    sub.top = sub.bottom = pal::Snow;
    sub.outline = pal::Night;
    DrawText(c, "a winter match-three", cx, textY + 62, sub);
    DrawGlint(cr, cx - 188, textY - 38, 12, pal::Snow, 1);
    DrawGlint(cr, cx + 190, textY + 32, 9, pal::Snow, 0.9, 0.3);
    DrawGlint(cr, cx + 90, textY - 48, 7, pal::Snow, 0.8);
    SavePicture(c, G("mainlogo.png"));
}

// 16 px high: the bar's top is at y 490 and the click-here button that replaces the caption when
// loading ends has its top at y 507, so the bar ends above it.
void MakeLoadingBars() {
    auto bar = [](const char* name, int state) {
        const int w = 300, h = 16, in = 3; // in: inset of the fill inside the rim
        Canvas c(w, h);
        cairo_t* cr = c.cr;
        RoundRect(cr, 1, 1, w - 2, h - 2, (h - 2) / 2.0);
        SetColor(cr, pal::NightDeep, 0.85);
        cairo_fill_preserve(cr);
        SetColor(cr, pal::Gold);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        if (state > 0) {
            const double fw = w - 2 * in, fh = h - 2 * in;
            RoundRect(cr, in, in, fw, fh, fh / 2);
            Rgb base = state == 2 ? Rgb{0.3, 0.85, 0.4} : Rgb{0.85, 0.15, 0.2};
            cairo_pattern_t* g = cairo_pattern_create_linear(0, in, 0, h - in);
            Rgb a = Lighter(base, 0.45), b = Darker(base, 0.3);
            cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
            cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
            // Candy stripes.
            cairo_save(cr);
            RoundRect(cr, in, in, fw, fh, fh / 2);
            cairo_clip(cr);
            SetColor(cr, pal::Snow, 0.35);
            for (int x = -10; x < w + 10; x += 14) {
                cairo_move_to(cr, x, h - in);
                cairo_line_to(cr, x + 6, h - in);
                cairo_line_to(cr, x + 13, in);
                cairo_line_to(cr, x + 7, in);
                cairo_close_path(cr);
            }
            cairo_fill(cr);
            SetColor(cr, pal::Snow, 0.35);
            cairo_rectangle(cr, in, in + 1, fw, 2);
            cairo_fill(cr);
            cairo_restore(cr);
        }
        SavePicture(c, G(name));
    };
    bar("LoadingBarempty.png", 0);
    bar("LoadingBar.png", 1);
    bar("LoadingBarfinal.png", 2);
}

void MakeClickHere(const std::string& path, const std::string& text, bool hover) {
    Canvas c(200, 50);
    ButtonBody(c, hover, pal::Green);
    TextStyle t = Caption(27);
    if (hover) t.glow = 4, t.glowColor = {1, 0.75, 0.25};
    DrawText(c, text, 100, 26, t);
    SavePicture(c, path);
}

// ---- Dialogs and scrolls. ----
void Panel(Canvas& c, double x, double y, double w, double h) {
    WithShadow(c, 4, 6, 6, 0.55, [&](cairo_t* cr) {
        RoundRect(cr, x, y, w, h, 18);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
        cairo_pattern_add_color_stop_rgb(g, 0, 0.16, 0.24, 0.52);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.05, 0.08, 0.25);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        StrokeGoldRim(cr, 6, 2);
    });
    cairo_t* cr = c.cr;
    // Snow cap along the top, and a faint pattern of flakes.
    Rng rng((uint64_t)(w * 7 + h));
    for (int i = 0; i < 18; ++i) {
        SetColor(cr, pal::Snow, 0.07);
        SnowflakeStroke(cr, rng.Uniform(x + 20, x + w - 20), rng.Uniform(y + 30, y + h - 20),
                        rng.Uniform(8, 16), 1.5);
    }
    cairo_move_to(cr, x + 14, y + 2);
    for (double px = x + 14; px <= x + w - 14; px += 10)
        cairo_line_to(cr, px, y + 6 + 4 * std::sin(px * 0.21) + ((int)px % 20 ? 3 : 0));
    cairo_line_to(cr, x + w - 14, y + 2);
    cairo_curve_to(cr, x + w - 20, y - 4, x + 20, y - 4, x + 14, y + 2);
    cairo_close_path(cr);
    GlossyFill(cr, pal::Snow, x, y - 4, w, 14, 1.2);
    cairo_new_path(cr);
}

void MakeChoosePlayer() {
    Canvas c(640, 552);
    Panel(c, 6, 8, 628, 536);
    // The heading stays above the list box, whose frame the dialog puts 131 px below the top.
    DrawText(c, "Choose Player", 320, 58, Title(46));
    // The list box and the buttons draw themselves over the plain panel.
    HollyCorner(c.cr, 40, 40, 14, 0.4);
    HollyCorner(c.cr, 600, 40, 14, 2.7);
    SavePicture(c, G("chooseplayer.png"));
}

void MakeEnterName() {
    Canvas c(480, 280);
    Panel(c, 6, 8, 468, 264);
    DrawText(c, "Enter your name", 240, 55, Title(38));
    // The entry box is drawn by the dialog itself, where the typed name goes.
    SavePicture(c, G("enteryourname.png"));
}

void Scroll(Canvas& c) {
    double w = c.w, h = c.h;
    cairo_t* cr = c.cr;
    // A night-blue sheet between two wooden rollers: the scrolls' texts are white, so the sheet
    // is dark enough for them to read, in the colours of the heads-up panel.
    RoundRect(cr, 22, 18, w - 44, h - 36, 6);
    cairo_pattern_t* g = cairo_pattern_create_radial(w / 2, h / 2, 20, w / 2, h / 2, std::max(w, h) * 0.7);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.13, 0.20, 0.46);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.04, 0.07, 0.22);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, {0.5, 0.34, 0.18});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Rng rng((uint64_t)h);
    for (int i = 0; i < 40; ++i) {
        SetColor(cr, pal::SnowShade, 0.04);
        cairo_arc(cr, rng.Uniform(40, w - 40), rng.Uniform(40, h - 40), rng.Uniform(6, 24), 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // Border of a gold line.
    RoundRect(cr, 34, 34, w - 68, h - 68, 4);
    SetColor(cr, pal::Gold, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (double y : {4.0, h - 32}) {
        RoundRect(cr, 6, y, w - 12, 28, 14);
        GlossyFill(cr, {0.55, 0.3, 0.14}, 6, y, w - 12, 28, 2);
        cairo_new_path(cr);
        for (double x : {2.0, w - 20}) {
            RoundRect(cr, x, y - 3, 18, 34, 6);
            GlossyFill(cr, pal::Gold, x, y - 3, 18, 34, 1.6);
            cairo_new_path(cr);
        }
    }
    HollyCorner(cr, 48, 52, 11, 0.5);
    HollyCorner(cr, w - 48, 52, 11, 2.6);
}

void MakeScrolls() {
    {
        Canvas c(420, 460);
        Scroll(c);
        SavePicture(c, G("hintbody.png"));
    }
    {
        Canvas c(420, 360);
        Scroll(c);
        // The rule under "Level n" (x 275..527, y 281) lies 105 px below the top at rest.
        SavePicture(c, G("scrollbody.png"));
    }
}

// ---- Hint icons: the thing each hint is about, on a soft badge. ----
void Badge(cairo_t* cr) {
    cairo_arc(cr, 40, 40, 37, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_radial(32, 30, 4, 40, 40, 40);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.28, 0.4, 0.75);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.06, 0.1, 0.3);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, pal::Gold);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void MakeHintIcon(int n) {
    Canvas c(80, 80);
    cairo_t* cr = c.cr;
    Badge(cr);
    const int bonusFor[] = {0, 8, 9, 0, 10, 13, 12, 11, 15};
    if (n >= 1 && n <= 8 && n != 3) {
        Glow(cr, 40, 40, 34, pal::Gold, 0.45);
        DrawBonus(cr, bonusFor[n], 40, 40, 1.3, 0.1);
    } else if (n == 3) { // an ice cube over a shape, and the matchstick that opens it
        DrawGem(cr, 5, 34, 38, 1.0);
        DrawIceCube(cr, 9, 13, 50);
        DrawBonus(cr, 14, 56, 54, 0.7, 0.3);
    } else if (n == 9) { // thick ice over a pane
        DrawIcePane(cr, 20, 20, 44);
        DrawThickIce(cr, 14, 14, 44);
    } else if (n == 15) { // stuck: press the Hint button
        Canvas button(60, 26);
        ButtonBody(button, false, pal::Green);
        DrawText(button, "Hint", 30, 14, Caption(15));
        cairo_set_source_surface(cr, button.surface, 10, 27);
        cairo_paint(cr);
        cairo_save(cr);
        cairo_translate(cr, 48, 40);
        cairo_scale(cr, 0.9, 0.9);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 0, 24);
        cairo_line_to(cr, 6, 18.5);
        cairo_line_to(cr, 10.5, 28);
        cairo_line_to(cr, 14.5, 26);
        cairo_line_to(cr, 10, 17);
        cairo_line_to(cr, 18, 16.5);
        cairo_close_path(cr);
        cairo_restore(cr);
        SetColor(cr, pal::Ink);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke_preserve(cr);
        SetColor(cr, pal::Snow);
        cairo_fill(cr);
    } else if (n == 16) { // the last panes of ice
        DrawIcePane(cr, 14, 22, 26);
        DrawIcePane(cr, 40, 22, 26);
        DrawIcePane(cr, 27, 46, 26);
        DrawGlint(cr, 58, 22, 8, pal::Snow, 1);
    } else { // 17: the full gauge
        cairo_save(cr);
        cairo_translate(cr, 40 - 23 * 0.72, 40 - 46 * 0.72);
        cairo_scale(cr, 0.72, 0.72);
        Canvas gauge(46, 92);
        cairo_set_source_surface(cr, gauge.surface, 0, 0);
        cairo_restore(cr);
        // Draw the gauge shape directly at icon scale.
        RoundRect(cr, 29, 12, 22, 56, 8);
        GlossyFill(cr, pal::Gold, 29, 12, 22, 56, 2);
        cairo_new_path(cr);
        for (double y : {8.0, 64.0}) {
            RoundRect(cr, 25, y, 30, 10, 4);
            GlossyFill(cr, pal::GoldDeep, 25, y, 30, 10, 1.5);
            cairo_new_path(cr);
        }
        DrawGlint(cr, 52, 18, 9, pal::Snow, 1);
        DrawGlint(cr, 30, 56, 6, pal::Snow, 0.9, 0.4);
    }
    SavePicture(c, G("Hint" + std::to_string(n) + ".png"));
}

// ---- Options and credits: a gift tag on a string, the slider. ----
void MakeTag(const std::string& file, const std::string& text) {
    Canvas c(180, 130);
    cairo_t* cr = c.cr;
    // The tag hangs from the top edge (26 px of it are above the screen).
    SetColor(cr, pal::Red);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 90, 0);
    cairo_line_to(cr, 90, 40);
    cairo_stroke(cr);
    WithShadow(c, 3, 4, 4, 0.5, [](cairo_t* cr2) {
        cairo_move_to(cr2, 60, 36);
        cairo_line_to(cr2, 120, 36);
        cairo_line_to(cr2, 165, 62);
        cairo_line_to(cr2, 165, 120);
        cairo_line_to(cr2, 15, 120);
        cairo_line_to(cr2, 15, 62);
        cairo_close_path(cr2);
        GlossyFill(cr2, {0.98, 0.92, 0.78}, 15, 36, 150, 84, 2);
        cairo_new_path(cr2);
    });
    cairo_arc(cr, 90, 50, 6, 0, 2 * M_PI);
    SetColor(cr, pal::GoldDeep);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    TextStyle t = Title(34);
    t.glow = 0;
    t.top = pal::Red;
    t.bottom = pal::RedDeep;
    t.outline = pal::Snow;
    t.outlineWidth = 1.5;
    DrawText(c, text, 90, 90, t);
    SavePicture(c, G(file));
}

void MakeString(const std::string& file, double sag) {
    Canvas c(420, 60);
    cairo_t* cr = c.cr;
    // Drawn 26 px above the screen's top edge: the garland hangs just below it.
    cairo_move_to(cr, 0, 30);
    cairo_curve_to(cr, 140, 30 + sag, 280, 30 + sag, 420, 28);
    SetColor(cr, pal::RedDeep);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    SetColor(cr, pal::Red);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Little bells along the string.
    for (int i = 1; i < 5; ++i) {
        double t = i / 5.0;
        double x = 420 * t, y = 30 + sag * 3 * t * (1 - t);
        cairo_save(cr);
        cairo_translate(cr, x - 9, y - 4);
        cairo_scale(cr, 0.38, 0.38);
        DrawGem(cr, 6, 25, 25);
        cairo_restore(cr);
    }
    SavePicture(c, G(file));
}

void MakeSlider() {
    {
        Canvas c(240, 20);
        RoundRect(c.cr, 1, 4, 238, 12, 6);
        SetColor(c.cr, {0.25, 0.15, 0.08}, 0.85);
        cairo_fill_preserve(c.cr);
        SetColor(c.cr, pal::GoldDeep);
        cairo_set_line_width(c.cr, 2);
        cairo_stroke(c.cr);
        RoundRect(c.cr, 8, 8, 224, 4, 2);
        SetColor(c.cr, pal::Gold, 0.7);
        cairo_fill(c.cr);
        for (int x = 8; x <= 232; x += 28) {
            SetColor(c.cr, pal::Snow, 0.5);
            cairo_rectangle(c.cr, x, 14, 1, 3);
            cairo_fill(c.cr);
        }
        SavePicture(c, G("slider.png"));
    }
    {
        Canvas c(20, 20);
        cairo_arc(c.cr, 10, 10, 8.5, 0, 2 * M_PI);
        GlossyFill(c.cr, pal::Red, 1.5, 1.5, 17, 17, 1.8);
        Specular(c.cr, 8, 6.5, 4, 2.5, 0.8);
        cairo_new_path(c.cr);
        SavePicture(c, G("Dot.png"));
    }
}

// ---- Gallery: the frame over a thumbnail, and the locked slot. ----
void MakePictureFrame() {
    Canvas c(110, 83);
    cairo_t* cr = c.cr;
    // The thumbnail lies at (9, 0)-(109, 75): a shadow to the left and below, a gold edge around it.
    for (int i = 0; i < 8; ++i) {
        SetColor(cr, pal::Ink, 0.08 + 0.02 * i);
        cairo_rectangle(cr, 9 - i - 1, 1 + i, 100, 75);
        cairo_fill(cr);
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, 9, 0, 100, 75);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_rectangle(cr, 10, 1, 98, 73);
    SetColor(cr, pal::GoldDeep);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_rectangle(cr, 9.5, 0.5, 99, 74);
    SetColor(cr, pal::Gold);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    SavePicture(c, G("pictureframe.png"));
}

void MakeLockedPicture() {
    Canvas c(100, 75);
    cairo_t* cr = c.cr;
    cairo_rectangle(cr, 0, 0, 100, 75);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 100, 75);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.75, 0.88, 1);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.35, 0.55, 0.85);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, pal::Snow, 0.4);
    SnowflakeStroke(cr, 22, 20, 14, 1.5);
    SnowflakeStroke(cr, 80, 58, 12, 1.5);
    DrawIceCube(cr, 25, 12, 50);
    TextStyle t = Caption(30);
    t.outline = pal::Night;
    DrawText(c, "?", 50, 37, t);
    cairo_rectangle(cr, 0.5, 0.5, 99, 74);
    SetColor(cr, pal::Snow, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    SavePicture(c, G("lockedpicture.png"));
}

void MakeCopyright() {
    Canvas c(400, 20);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 400, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.02, 0.04, 0.13, 0.7);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.02, 0.04, 0.13, 0);
    cairo_set_source(c.cr, g);
    cairo_paint(c.cr);
    cairo_pattern_destroy(g);
    TextStyle t;
    t.size = 14;
    t.top = t.bottom = {0.85, 0.9, 1};
    DrawTextLeft(c, "Sleetwhistle (c) Brindlecove. All rights reserved.", 8, 10, t);
    SavePicture(c, G("copyright.png"));
}

} // namespace

void AddUiJobs(Jobs& jobs) {
    for (const auto& b : Buttons) {
        std::string base = b.file;
        jobs.push_back({{M(base + ".png"), M(base + "MO.png")}, [b] {
                            const Entry* e = FindEntry(M(std::string(b.file) + ".png"));
                            MakeButton(b, e->width, e->height, false);
                            MakeButton(b, e->width, e->height, true);
                        }});
    }
    const std::pair<const char*, const char*> captions[] = {
        {"Music", "Music"}, {"Sound", "Sound"}, {"Details", "Details"}, {"FullScreen", "Full Screen"}};
    for (auto [file, text] : captions)
        jobs.push_back({{M(std::string(file) + ".png")}, [file, text] {
                            // Dark red ink on the cream paper of the options page.
                            TextStyle t = Caption(26);
                            t.top = {0.55, 0.10, 0.08};
                            t.bottom = {0.36, 0.05, 0.05};
                            MakeText(M(std::string(file) + ".png"), 140, 30, text, t);
                        }});
    const std::tuple<const char*, int, int, const char*, double> titles[] = {
        {"paused.png", 320, 100, "Paused", 64},
        {"go.png", 220, 100, "Go!", 84},
        {"welldone.png", 320, 100, "Well done!", 60},
        {"levelcomplete.png", 400, 100, "Level Complete", 56},
        {"selectlevel.png", 320, 80, "Select Level", 50},
        {"loading.png", 200, 40, "Loading...", 30},
    };
    for (auto [file, w, h, text, size] : titles)
        jobs.push_back({{G(file)}, [=] { MakeText(G(file), w, h, text, Title(size)); }});
    jobs.push_back({{G("mainlogo.png")}, MakeMainLogo});
    jobs.push_back(
        {{G("LoadingBar.png"), G("LoadingBarempty.png"), G("LoadingBarfinal.png")}, MakeLoadingBars});
    jobs.push_back({{G("clickhere.png")}, [] { MakeClickHere(G("clickhere.png"), "Click here", false); }});
    jobs.push_back({{G("clickhereMO.png")}, [] { MakeClickHere(G("clickhereMO.png"), "Click here", true); }});
    jobs.push_back({{G("click.png")}, [] { MakeClickHere(G("click.png"), "Click", false); }});
    jobs.push_back({{G("copyright.png")}, MakeCopyright});
    jobs.push_back({{G("chooseplayer.png")}, MakeChoosePlayer});
    jobs.push_back({{G("enteryourname.png")}, MakeEnterName});
    jobs.push_back({{G("hintbody.png"), G("scrollbody.png")}, MakeScrolls});
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 16, 17})
        jobs.push_back({{G("Hint" + std::to_string(n) + ".png")}, [n] { MakeHintIcon(n); }});
    jobs.push_back({{G("tagoptions.png")}, [] { MakeTag("tagoptions.png", "Options"); }});
    jobs.push_back({{G("tagcredits.png")}, [] { MakeTag("tagcredits.png", "Credits"); }});
    jobs.push_back({{G("TopString.png")}, [] { MakeString("TopString.png", 14); }});
    jobs.push_back({{G("BottomString.png")}, [] { MakeString("BottomString.png", 24); }});
    jobs.push_back({{G("slider.png"), G("Dot.png")}, MakeSlider});
    jobs.push_back({{G("pictureframe.png")}, MakePictureFrame});
    jobs.push_back({{G("lockedpicture.png")}, MakeLockedPicture});
}

} // namespace assetgen

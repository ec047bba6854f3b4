// The board's own pictures: square frames and panes, the three kinds of ice, the selection cursor and
// highlights, particles, score numerals, ice shards, the map's level stars, the pointers, and the
// heads-up panel with its bonus-power gauge.
#include "art.h"
#include "jobs.h"

#include <array>
#include <cmath>

namespace assetgen {

void DrawIcePane(cairo_t* cr, double x, double y, double s) {
    double k = s / 50;
    RoundRect(cr, x + 1 * k, y + 1 * k, s - 2 * k, s - 2 * k, 5 * k);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + s, y + s);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.85, 0.96, 1, 0.80);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 0.55, 0.82, 0.97, 0.62);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.35, 0.62, 0.90, 0.75);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    // Frost streaks and a light bevel.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    SetColor(cr, pal::Snow, 0.45);
    cairo_set_line_width(cr, 3 * k);
    cairo_move_to(cr, x + 8 * k, y + 30 * k);
    cairo_line_to(cr, x + 30 * k, y + 8 * k);
    cairo_move_to(cr, x + 16 * k, y + 42 * k);
    cairo_line_to(cr, x + 42 * k, y + 16 * k);
    cairo_stroke(cr);
    SetColor(cr, pal::Snow, 0.25);
    cairo_set_line_width(cr, 1.2 * k);
    cairo_move_to(cr, x + 24 * k, y + 46 * k);
    cairo_line_to(cr, x + 46 * k, y + 24 * k);
    cairo_stroke(cr);
    cairo_restore(cr);
    SetColor(cr, pal::Snow, 0.85);
    cairo_set_line_width(cr, 1.6 * k);
    cairo_stroke_preserve(cr);
    cairo_new_path(cr);
    RoundRect(cr, x + 3.5 * k, y + 3.5 * k, s - 7 * k, s - 7 * k, 3.5 * k);
    SetColor(cr, pal::IceDeep, 0.45);
    cairo_set_line_width(cr, 1 * k);
    cairo_stroke(cr);
}

void DrawThickIce(cairo_t* cr, double x, double y, double s) {
    double k = s / 50;
    // A deep blue slab, much darker and denser than a pane, with a heavy bevel and cracks: it
    // reads as two layers of ice at a glance.
    RoundRect(cr, x + 1 * k, y + 1 * k, s - 2 * k, s - 2 * k, 5 * k);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + s * 0.4, y + s);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.70, 0.88, 1, 0.97);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 0.36, 0.62, 0.90, 0.95);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.16, 0.38, 0.72, 0.97);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Bevel: light top-left edges, shaded bottom-right, twice as deep as a pane's.
    cairo_set_line_width(cr, 6 * k);
    SetColor(cr, pal::Snow, 0.95);
    cairo_move_to(cr, x + 5 * k, y + s - 7 * k);
    cairo_line_to(cr, x + 5 * k, y + 5 * k);
    cairo_line_to(cr, x + s - 7 * k, y + 5 * k);
    cairo_stroke(cr);
    SetColor(cr, {0.08, 0.24, 0.52}, 0.9);
    cairo_move_to(cr, x + s - 5 * k, y + 7 * k);
    cairo_line_to(cr, x + s - 5 * k, y + s - 5 * k);
    cairo_line_to(cr, x + 7 * k, y + s - 5 * k);
    cairo_stroke(cr);
    // The inner layer, a step down, with a snow crystal etched in.
    RoundRect(cr, x + 10 * k, y + 10 * k, s - 20 * k, s - 20 * k, 3 * k);
    SetColor(cr, {0.55, 0.78, 0.98}, 0.55);
    cairo_fill_preserve(cr);
    SetColor(cr, {0.08, 0.24, 0.52}, 0.8);
    cairo_set_line_width(cr, 1.4 * k);
    cairo_stroke(cr);
    SetColor(cr, pal::Snow, 0.8);
    SnowflakeStroke(cr, x + s / 2, y + s / 2, 10 * k, 1.6 * k);
    // Cracks running in from two corners.
    SetColor(cr, pal::Snow, 0.9);
    cairo_set_line_width(cr, 1.2 * k);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, x + 3 * k, y + 22 * k);
    cairo_line_to(cr, x + 11 * k, y + 25 * k);
    cairo_line_to(cr, x + 15 * k, y + 33 * k);
    cairo_line_to(cr, x + 22 * k, y + 36 * k);
    cairo_move_to(cr, x + 47 * k, y + 14 * k);
    cairo_line_to(cr, x + 39 * k, y + 18 * k);
    cairo_line_to(cr, x + 36 * k, y + 12 * k);
    cairo_stroke(cr);
    RoundRect(cr, x + 1 * k, y + 1 * k, s - 2 * k, s - 2 * k, 5 * k);
    SetColor(cr, {0.06, 0.2, 0.45}, 0.95);
    cairo_set_line_width(cr, 2 * k);
    cairo_stroke(cr);
}

void DrawIceCube(cairo_t* cr, double x, double y, double s) {
    double k = s / 50;
    // Clear in the middle so the shape shows through; thick glassy rim.
    RoundRect(cr, x + 1.5 * k, y + 1.5 * k, s - 3 * k, s - 3 * k, 7 * k);
    cairo_pattern_t* g =
        cairo_pattern_create_radial(x + s / 2, y + s / 2, s * 0.18, x + s / 2, y + s / 2, s * 0.72);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.7, 0.9, 1, 0.12);
    cairo_pattern_add_color_stop_rgba(g, 0.6, 0.6, 0.85, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.85, 0.95, 1, 0.85);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, {0.25, 0.5, 0.8}, 0.95);
    cairo_set_line_width(cr, 2 * k);
    cairo_stroke(cr);
    // Inner edge of the cube seen in perspective.
    RoundRect(cr, x + 7 * k, y + 7 * k, s - 14 * k, s - 14 * k, 4 * k);
    SetColor(cr, pal::Snow, 0.7);
    cairo_set_line_width(cr, 1.3 * k);
    cairo_stroke(cr);
    for (auto [ax, ay, bx, by] :
         {std::array<double, 4>{3, 3, 8, 8}, {47, 3, 42, 8}, {3, 47, 8, 42}, {47, 47, 42, 42}}) {
        cairo_move_to(cr, x + ax * k, y + ay * k);
        cairo_line_to(cr, x + bx * k, y + by * k);
    }
    cairo_stroke(cr);
    // Glints across the face.
    SetColor(cr, pal::Snow, 0.8);
    cairo_set_line_width(cr, 2.5 * k);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x + 10 * k, y + 20 * k);
    cairo_line_to(cr, x + 20 * k, y + 10 * k);
    cairo_move_to(cr, x + 11 * k, y + 27 * k);
    cairo_line_to(cr, x + 14 * k, y + 24 * k);
    cairo_stroke(cr);
    // A gold padlock in the lower right corner says "locked" at a glance and leaves the shape seen.
    const double bx = x + 36 * k, by = y + 35 * k;
    cairo_new_path(cr);
    cairo_arc(cr, bx, by - 5 * k, 4.5 * k, M_PI, 2 * M_PI);
    cairo_line_to(cr, bx + 4.5 * k, by - 2 * k);
    cairo_move_to(cr, bx - 4.5 * k, by - 2 * k);
    cairo_line_to(cr, bx - 4.5 * k, by - 5 * k);
    SetColor(cr, pal::Ink);
    cairo_set_line_width(cr, 4 * k);
    cairo_stroke_preserve(cr);
    SetColor(cr, pal::Silver);
    cairo_set_line_width(cr, 2.2 * k);
    cairo_stroke(cr);
    RoundRect(cr, bx - 8 * k, by - 3 * k, 16 * k, 13 * k, 2.5 * k);
    GlossyFill(cr, pal::Gold, bx - 8 * k, by - 3 * k, 16 * k, 13 * k, 1.6 * k);
    cairo_new_path(cr);
    SetColor(cr, pal::Ink);
    cairo_arc(cr, bx, by + 2 * k, 2 * k, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_rectangle(cr, bx - 0.9 * k, by + 2 * k, 1.8 * k, 4.5 * k);
    cairo_fill(cr);
}

namespace {

void Save(Canvas& c, const char* name) {
    SavePicture(c, std::string("graphics/") + name);
}

void MakeCells() {
    // The frame lines sit on the top and left two pixels of each 52-px square; the next square's
    // lines close it, and the edge pieces close the last row and column.
    Rgb line = {0.75, 0.85, 1.0};
    {
        Canvas c(52, 52);
        SetColor(c.cr, line, 0.40);
        cairo_rectangle(c.cr, 0, 0, 52, 1);
        cairo_rectangle(c.cr, 0, 1, 1, 51);
        cairo_fill(c.cr);
        SetColor(c.cr, pal::NightDeep, 0.35);
        cairo_rectangle(c.cr, 1, 1, 51, 1);
        cairo_rectangle(c.cr, 1, 2, 1, 50);
        cairo_fill(c.cr);
        Save(c, "cell.png");
    }
    {
        Canvas c(3, 52);
        SetColor(c.cr, line, 0.40);
        cairo_rectangle(c.cr, 1, 0, 1, 52);
        cairo_fill(c.cr);
        SetColor(c.cr, pal::NightDeep, 0.35);
        cairo_rectangle(c.cr, 2, 1, 1, 51);
        cairo_fill(c.cr);
        Save(c, "cellrightside.png");
    }
    {
        Canvas c(52, 3);
        SetColor(c.cr, line, 0.40);
        cairo_rectangle(c.cr, 0, 1, 52, 1);
        cairo_fill(c.cr);
        SetColor(c.cr, pal::NightDeep, 0.35);
        cairo_rectangle(c.cr, 1, 2, 51, 1);
        cairo_fill(c.cr);
        Save(c, "cellbottom.png");
    }
    {
        Canvas c(3, 3);
        SetColor(c.cr, line, 0.40);
        cairo_rectangle(c.cr, 1, 1, 1, 1);
        cairo_fill(c.cr);
        Save(c, "cellcorner.png");
    }
    {
        // A plain square: night-blue glass over the background, a little lighter at the top.
        Canvas c(52, 52);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 1, 0, 51);
        cairo_pattern_add_color_stop_rgba(g, 0, 0.16, 0.24, 0.48, 0.62);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.05, 0.09, 0.26, 0.70);
        cairo_set_source(c.cr, g);
        cairo_rectangle(c.cr, 1, 1, 50, 50);
        cairo_fill(c.cr);
        cairo_pattern_destroy(g);
        Save(c, "cellpane.png");
    }
}

void MakeIce() {
    {
        Canvas c(50, 50);
        DrawIcePane(c.cr, 0, 0, 50);
        Save(c, "brick.png");
    }
    {
        Canvas c(50, 50);
        DrawThickIce(c.cr, 0, 0, 50);
        Save(c, "armour.png");
    }
    {
        Canvas c(50, 50);
        DrawIceCube(c.cr, 0, 0, 50);
        Save(c, "lock.png");
    }
}

// A splinter: a sharp sliver of ice.
void Splinter(cairo_t* cr, double cx, double cy, double s, Rgb tint, double rot) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, rot);
    cairo_scale(cr, s / 16, s / 16);
    cairo_move_to(cr, -7, 3);
    cairo_line_to(cr, -2, -7);
    cairo_line_to(cr, 7, -4);
    cairo_line_to(cr, 4, 6);
    cairo_close_path(cr);
    cairo_restore(cr);
    GlossyFill(cr, tint, cx - s / 2, cy - s / 2, s, s, 1.1);
    cairo_new_path(cr);
}

void MakeParticles() {
    {
        Canvas c(16, 16);
        Splinter(c.cr, 8, 8, 15, {0.65, 0.88, 1}, 0.3);
        Save(c, "brickparticle.png");
    }
    {
        Canvas c(16, 16);
        Splinter(c.cr, 8, 8, 15, {0.9, 0.97, 1}, -0.5);
        Save(c, "armourparticle.png");
    }
    {
        Canvas c(64, 64);
        cairo_arc(c.cr, 32, 32, 27, 0, 2 * M_PI);
        SetColor(c.cr, pal::Snow, 0.35);
        cairo_set_line_width(c.cr, 7);
        cairo_stroke(c.cr);
        cairo_arc(c.cr, 32, 32, 27, 0, 2 * M_PI);
        SetColor(c.cr, pal::Snow, 0.95);
        cairo_set_line_width(c.cr, 2.5);
        cairo_stroke(c.cr);
        Blur(c.surface, 1);
        cairo_arc(c.cr, 32, 32, 27, 0, 2 * M_PI);
        SetColor(c.cr, pal::Snow, 0.9);
        cairo_set_line_width(c.cr, 1.2);
        cairo_stroke(c.cr);
        Save(c, "particlering.png");
    }
    auto flake = [](const char* name, int size) {
        Canvas c(size, size);
        double r = size / 2.0;
        Glow(c.cr, r, r, r, pal::Ice, 0.35);
        SetColor(c.cr, pal::Snow);
        SnowflakeStroke(c.cr, r, r, r * 0.82, std::max(1.1, size / 14.0));
        Save(c, name);
    };
    flake("snowflake.png", 24);
    flake("snowflakesmall.png", 16);
    flake("snowflakelarge.png", 32);
    {
        Canvas c(32, 32);
        DrawGlint(c.cr, 16, 16, 15, pal::Snow, 1);
        DrawGlint(c.cr, 16, 16, 8, pal::Snow, 0.8, M_PI / 4);
        Save(c, "sparkle.png");
    }
    {
        Canvas c(24, 24);
        Glow(c.cr, 12, 12, 12, pal::Orange, 1);
        Glow(c.cr, 12, 12, 7, {1, 0.92, 0.5}, 1);
        Save(c, "particle7.png");
    }
    {
        Canvas c(16, 16);
        Glow(c.cr, 8, 8, 8, pal::Gold, 0.9);
        cairo_arc(c.cr, 8, 8, 2.5, 0, 2 * M_PI);
        SetColor(c.cr, {1, 0.95, 0.7});
        cairo_fill(c.cr);
        Save(c, "particle8.png");
    }
    {
        Canvas c(24, 24);
        DrawGlint(c.cr, 12, 12, 11, pal::Gold, 1);
        DrawGlint(c.cr, 12, 12, 6, pal::Gold, 0.9, M_PI / 4);
        Save(c, "sparklegold.png");
    }
}

void MakeHighlights() {
    {
        // Selection: gold corner brackets with a soft inner glow.
        Canvas c(50, 50);
        RoundRect(c.cr, 2, 2, 46, 46, 7);
        SetColor(c.cr, pal::Gold, 0.25);
        cairo_set_line_width(c.cr, 4);
        cairo_stroke(c.cr);
        cairo_set_line_cap(c.cr, CAIRO_LINE_CAP_ROUND);
        for (int i = 0; i < 4; ++i) {
            cairo_save(c.cr);
            cairo_translate(c.cr, 25, 25);
            cairo_rotate(c.cr, i * M_PI / 2);
            cairo_move_to(c.cr, -22, -10);
            cairo_line_to(c.cr, -22, -18);
            cairo_arc(c.cr, -18, -18, 4, M_PI, 1.5 * M_PI);
            cairo_line_to(c.cr, -10, -22);
            cairo_restore(c.cr);
        }
        SetColor(c.cr, pal::GoldDeep);
        cairo_set_line_width(c.cr, 5);
        cairo_stroke_preserve(c.cr);
        SetColor(c.cr, {1, 0.9, 0.5});
        cairo_set_line_width(c.cr, 2.6);
        cairo_stroke(c.cr);
        Save(c, "cursor.png");
    }
    {
        Canvas c(50, 50);
        Glow(c.cr, 25, 25, 25, pal::Gold, 0.75);
        Save(c, "bonushighlightmid.png");
    }
    {
        Canvas c(64, 64);
        Glow(c.cr, 32, 32, 32, {0.55, 0.85, 1}, 0.7);
        cairo_save(c.cr);
        cairo_translate(c.cr, 32, 32);
        for (int i = 0; i < 12; ++i) {
            cairo_rotate(c.cr, M_PI / 6);
            cairo_move_to(c.cr, 0, -1.2);
            cairo_line_to(c.cr, i % 2 ? 24 : 30, 0);
            cairo_line_to(c.cr, 0, 1.2);
        }
        SetColor(c.cr, pal::Snow, 0.35);
        cairo_fill(c.cr);
        cairo_restore(c.cr);
        Save(c, "magichighlight.png");
    }
    {
        Canvas c(50, 50);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 50, 50);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0);
        cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 1, 0.8);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
        cairo_set_source(c.cr, g);
        cairo_paint(c.cr);
        cairo_pattern_destroy(g);
        Save(c, "diagonalmask.png");
    }
}

void MakeScores() {
    for (int s : {10, 20, 30, 40, 50, 60, 70, 80, 100}) {
        Canvas c(48, 24);
        TextStyle style;
        style.size = s == 100 ? 21 : 23;
        style.top = {1, 0.97, 0.75};
        style.bottom = pal::Gold;
        style.outline = pal::RedDeep;
        style.outlineWidth = 1.8;
        DrawText(c, std::to_string(s), 24, 12, style);
        Save(c, ("score" + std::to_string(s) + ".png").c_str());
    }
}

// A shard tumbling end over end: one turn over the strip, seen from a slowly turning angle.
void MakeShardStrip(const char* name, int size, uint64_t seed) {
    Canvas c(size * 50, size);
    Rng rng(seed);
    double pts[5][2];
    for (int i = 0; i < 5; ++i) {
        double a = i * 2 * M_PI / 5 + rng.Uniform(-0.3, 0.3);
        double r = (i % 2 ? 0.45 : 1.0) * size * 0.42;
        pts[i][0] = r * std::cos(a);
        pts[i][1] = r * std::sin(a) * 0.55;
    }
    for (int f = 0; f < 50; ++f) {
        double t = f / 50.0;
        double turn = 2 * M_PI * t, flip = std::cos(2 * M_PI * t * 2);
        cairo_t* cr = c.cr;
        cairo_save(cr);
        cairo_translate(cr, f * size + size / 2.0, size / 2.0);
        cairo_rotate(cr, turn);
        cairo_scale(cr, 1, 0.35 + 0.65 * std::fabs(flip));
        cairo_new_path(cr);
        for (auto& p : pts)
            cairo_line_to(cr, p[0], p[1]);
        cairo_close_path(cr);
        cairo_restore(cr);
        double shade = 0.5 + 0.5 * flip;
        GlossyFill(cr, Mix({0.5, 0.78, 0.98}, {0.9, 0.97, 1}, shade), f * size, 0, size, size, 1.2);
        cairo_new_path(cr);
    }
    Save(c, name);
}

void MakeMapStars() {
    struct S {
        const char* name;
        Rgb color;
        bool hover;
    };
    for (const S& s :
         {S{"starinactive.png", {0.55, 0.62, 0.78}, false}, S{"staractive.png", pal::Gold, false},
          S{"starinactiveMO.png", {0.72, 0.8, 0.95}, true}, S{"staractiveMO.png", {1, 0.9, 0.45}, true}}) {
        Canvas c(24, 24);
        if (s.hover) Glow(c.cr, 12, 12, 12, s.color, 0.6);
        cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
        StarPath(c.cr, 12, 12.8, 5, 10.5, 4.6);
        GlossyFill(c.cr, s.color, 1.5, 2, 21, 21, 1.6);
        Specular(c.cr, 10, 8.5, 4, 2.5, 0.8);
        cairo_new_path(c.cr);
        Save(c, s.name);
    }
}

// The pointer: a snow-white arrow with a gold rim and a dark outline, tip at (tipX, 0).
void Pointer(const char* name, int size, double tipX) {
    Canvas c(size, size);
    double k = size / 32.0;
    cairo_t* cr = c.cr;
    cairo_translate(cr, tipX, 0.6);
    cairo_scale(cr, k, k);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, 24);
    cairo_line_to(cr, 6, 18.5);
    cairo_line_to(cr, 10.5, 28);
    cairo_line_to(cr, 14.5, 26);
    cairo_line_to(cr, 10, 17);
    cairo_line_to(cr, 18, 16.5);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, pal::Ink);
    cairo_set_line_width(cr, 3.2);
    cairo_stroke_preserve(cr);
    SetColor(cr, pal::Gold);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 14, 26);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.72, 0.84, 1);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Save(c, name);
}

// Heads-up panel: frosted night-blue glass with gold trim, the captions in the art.
void MakePanel() {
    Canvas c(120, 600);
    cairo_t* cr = c.cr;
    RoundRect(cr, 2, -20, 114, 640, 16);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 120, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.10, 0.16, 0.40, 0.94);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.04, 0.07, 0.22, 0.94);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    StrokeGoldRim(cr, 4, 1.5);
    // Snow along the top edge, and a holly sprig crest.
    Rng rng(39);
    DrawSnowfall(cr, 116, 600, 40, rng, 1.4);
    cairo_move_to(cr, 2, 0);
    for (int x = 0; x <= 116; x += 8)
        cairo_line_to(cr, 2 + x, 18 + 4 * std::sin(x * 0.3) + (x % 16 ? 3 : 0));
    cairo_line_to(cr, 118, 0);
    cairo_close_path(cr);
    GlossyFill(cr, pal::Snow, 0, 0, 120, 26, 1.2);
    cairo_new_path(cr);
    DrawGem(cr, 2, 60, 52, 0.9);
    TextStyle cap;
    cap.size = 26;
    cap.top = {1, 0.95, 0.7};
    cap.bottom = pal::Gold;
    cap.outline = pal::Ink;
    cap.outlineWidth = 1.6;
    // Number wells: the score at y 138, the level at 225, the time at 311 (UIFont, 30 px).
    struct Well {
        const char* caption;
        double captionY, wellY;
    };
    for (const Well& w : {Well{"Score", 114, 134}, Well{"Level", 201, 221}, Well{"Time", 287, 307}}) {
        DrawText(c, w.caption, 59, w.captionY, cap);
        RoundRect(cr, 10, w.wellY, 100, 40, 8);
        SetColor(cr, pal::NightDeep, 0.85);
        cairo_fill_preserve(cr);
        SetColor(cr, {0.45, 0.6, 0.95}, 0.7);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    // The gauge socket, centred at (59, 422) for a 46x92 gauge.
    RoundRect(cr, 31, 372, 56, 100, 12);
    SetColor(cr, pal::NightDeep, 0.9);
    cairo_fill_preserve(cr);
    SetColor(cr, pal::Gold, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Save(c, "panel.png");
}

// The bonus-power gauge: a glass tube with gold caps. The rows between the 16-px caps hold the fill.
void Gauge(Canvas& c, int fill) {
    cairo_t* cr = c.cr;
    RoundRect(cr, 8, 10, 30, 72, 10);
    SetColor(cr, {0.08, 0.12, 0.3}, 0.85);
    cairo_fill(cr);
    if (fill > 0) {
        RoundRect(cr, 11, 14, 24, 64, 8);
        cairo_pattern_t* g = cairo_pattern_create_linear(11, 0, 35, 0);
        Rgb a = fill == 2 ? Rgb{1, 0.95, 0.6} : pal::Gold, b = fill == 2 ? pal::Gold : pal::GoldDeep;
        cairo_pattern_add_color_stop_rgb(g, 0, b.r, b.g, b.b);
        cairo_pattern_add_color_stop_rgb(g, 0.4, a.r, a.g, a.b);
        cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        Rng rng(40 + fill);
        for (int i = 0; i < 8; ++i) { // bubbles of magic
            SetColor(cr, pal::Snow, 0.55);
            cairo_arc(cr, rng.Uniform(15, 31), rng.Uniform(20, 74), rng.Uniform(1, 2.2), 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
    // Glass shine.
    RoundRect(cr, 13, 16, 5, 60, 2.5);
    SetColor(cr, pal::Snow, 0.35);
    cairo_fill(cr);
    RoundRect(cr, 8, 10, 30, 72, 10);
    SetColor(cr, {0.7, 0.85, 1}, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Caps top and bottom.
    for (double y : {0.0, 76.0}) {
        RoundRect(cr, 3, y + 1, 40, 14, 5);
        GlossyFill(cr, pal::Gold, 3, y + 1, 40, 14, 1.8);
        cairo_new_path(cr);
    }
    if (fill == 2) {
        DrawGlint(cr, 23, 8, 9, pal::Snow, 1);
        DrawGlint(cr, 14, 30, 5, pal::Snow, 0.8, 0.5);
        DrawGlint(cr, 32, 58, 6, pal::Snow, 0.8, 0.2);
    }
}

void MakeGauges() {
    const char* names[] = {"gaugeempty.png", "gaugefull.png", "gaugemax.png"};
    for (int fill = 0; fill < 3; ++fill) {
        Canvas c(46, 92);
        Gauge(c, fill);
        Save(c, names[fill]);
    }
}

} // namespace

void AddBoardJobs(Jobs& jobs) {
    jobs.push_back({{"graphics/cell.png", "graphics/cellrightside.png", "graphics/cellbottom.png",
                     "graphics/cellcorner.png", "graphics/cellpane.png"},
                    MakeCells});
    jobs.push_back({{"graphics/brick.png", "graphics/armour.png", "graphics/lock.png"}, MakeIce});
    jobs.push_back({{"graphics/brickparticle.png", "graphics/armourparticle.png", "graphics/particlering.png",
                     "graphics/snowflake.png", "graphics/snowflakesmall.png", "graphics/snowflakelarge.png",
                     "graphics/sparkle.png", "graphics/particle7.png", "graphics/particle8.png",
                     "graphics/sparklegold.png"},
                    MakeParticles});
    jobs.push_back({{"graphics/cursor.png", "graphics/bonushighlightmid.png", "graphics/magichighlight.png",
                     "graphics/diagonalmask.png"},
                    MakeHighlights});
    std::vector<std::string> scores;
    for (int s : {10, 20, 30, 40, 50, 60, 70, 80, 100})
        scores.push_back("graphics/score" + std::to_string(s) + ".png");
    jobs.push_back({scores, MakeScores});
    jobs.push_back({{"graphics/iceshard.png"}, [] { MakeShardStrip("iceshard.png", 32, 60); }});
    jobs.push_back({{"graphics/iceshard2.png"}, [] { MakeShardStrip("iceshard2.png", 30, 61); }});
    jobs.push_back({{"graphics/starinactive.png", "graphics/staractive.png", "graphics/starinactiveMO.png",
                     "graphics/staractiveMO.png"},
                    MakeMapStars});
    jobs.push_back({{"graphics/pointer.png"}, [] { Pointer("pointer.png", 32, 4); }});
    jobs.push_back({{"graphics/pointersmall.png"}, [] { Pointer("pointersmall.png", 24, 3); }});
    jobs.push_back({{"graphics/panel.png"}, MakePanel});
    jobs.push_back(
        {{"graphics/gaugeempty.png", "graphics/gaugefull.png", "graphics/gaugemax.png"}, MakeGauges});
}

} // namespace assetgen

// The seven ordinary shapes, their hover animations, and the eight bonus items with their idle loops.
// Each shape differs from the others in colour and in outline, so the board reads without colour.
#include "art.h"
#include "jobs.h"

#include <cmath>

namespace assetgen {
namespace {

constexpr double Outline = 2.2;

void Bauble(cairo_t* cr) {
    // Loop and cap.
    cairo_set_line_width(cr, 2);
    SetColor(cr, Darker(pal::Gold, 0.5));
    cairo_arc(cr, 25, 6, 3, 0, 2 * M_PI);
    cairo_stroke(cr);
    RoundRect(cr, 20, 8, 10, 6, 1.5);
    GlossyFill(cr, pal::Gold, 20, 8, 10, 6, 1.6);
    cairo_new_path(cr);
    cairo_arc(cr, 25, 29, 17, 0, 2 * M_PI);
    GlossyFill(cr, pal::Red, 8, 12, 34, 34, Outline);
    // A gold band with dots, then the shine.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    SetColor(cr, pal::Gold, 0.9);
    cairo_set_line_width(cr, 2.2);
    cairo_move_to(cr, 7, 31);
    cairo_curve_to(cr, 16, 36, 34, 36, 43, 31);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        cairo_arc(cr, 13 + i * 8, 27.5 + (i == 0 || i == 3 ? 0 : 1.2), 1.4, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 25, 29, 17, 0, 2 * M_PI);
    Specular(cr, 19, 20, 9, 5.5);
    cairo_new_path(cr);
}

void GoldStar(cairo_t* cr) {
    const double cx = 25, cy = 27, ro = 22, ri = 9.5;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    StarPath(cr, cx, cy, 5, ro, ri);
    GlossyFill(cr, pal::Gold, 3, 5, 44, 42, Outline);
    // Facets: each point is split along its ridge, one half lit, one in shade.
    cairo_save(cr);
    cairo_clip(cr);
    for (int i = 0; i < 10; ++i) {
        double a0 = -M_PI / 2 + i * M_PI / 5, a1 = -M_PI / 2 + (i + 1) * M_PI / 5;
        double r0 = (i % 2 == 0) ? ro : ri, r1 = (i % 2 == 0) ? ri : ro;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + r0 * std::cos(a0), cy + r0 * std::sin(a0));
        cairo_line_to(cr, cx + r1 * std::cos(a1), cy + r1 * std::sin(a1));
        cairo_close_path(cr);
        bool lit = std::sin(a0 + M_PI / 10) < 0.2;
        cairo_set_source_rgba(cr, lit ? 1 : 0.35, lit ? 1 : 0.15, lit ? 0.85 : 0, i % 2 ? 0.22 : 0.12);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    StarPath(cr, cx, cy, 5, ro, ri);
    SetColor(cr, Darker(pal::Gold, 0.75));
    cairo_set_line_width(cr, Outline);
    cairo_stroke_preserve(cr);
    Specular(cr, 20, 18, 8, 5, 0.7);
    cairo_new_path(cr);
}

void TreePath(cairo_t* cr) {
    const double pts[][2] = {{25, 3}, {34, 15}, {30.5, 15}, {39, 27},   {35, 27}, {44, 40},
                             {6, 40}, {15, 27}, {11, 27},   {19.5, 15}, {16, 15}};
    cairo_new_path(cr);
    for (auto& p : pts)
        cairo_line_to(cr, p[0], p[1]);
    cairo_close_path(cr);
}

void Tree(cairo_t* cr) {
    RoundRect(cr, 21, 38, 8, 9, 1.5);
    GlossyFill(cr, pal::Brown, 21, 38, 8, 9, 1.8);
    cairo_new_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    TreePath(cr);
    GlossyFill(cr, Mix(pal::Green, {0.2, 0.8, 0.3}, 0.2), 6, 3, 38, 37, Outline);
    // Snow on the tier edges, then lights.
    cairo_save(cr);
    cairo_clip(cr);
    SetColor(cr, pal::Snow, 0.85);
    for (auto [y, hw] : {std::pair{15.0, 9.0}, {27.0, 13.0}, {40.0, 19.0}}) {
        cairo_move_to(cr, 25 - hw, y + 0.5);
        cairo_curve_to(cr, 25 - hw / 2, y - 3.5, 25 + hw / 2, y - 3.5, 25 + hw, y + 0.5);
        cairo_line_to(cr, 25 + hw, y - 1.2);
        cairo_curve_to(cr, 25 + hw / 2, y - 5.5, 25 - hw / 2, y - 5.5, 25 - hw, y - 1.2);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    const double lights[][2] = {{25, 10}, {21, 20}, {30, 22}, {16, 33}, {26, 33}, {35, 35}};
    for (int i = 0; i < 6; ++i) {
        Rgb c = (i % 3 == 0) ? pal::Gold : (i % 3 == 1) ? pal::Red : Rgb{0.4, 0.8, 1};
        cairo_arc(cr, lights[i][0], lights[i][1], 2.1, 0, 2 * M_PI);
        GlossyFill(cr, c, lights[i][0] - 2, lights[i][1] - 2, 4, 4, 0.8);
        cairo_new_path(cr);
    }
    TreePath(cr);
    SetColor(cr, Darker(pal::Green, 0.8));
    cairo_set_line_width(cr, Outline);
    cairo_stroke_preserve(cr);
    Specular(cr, 20, 15, 6, 9, 0.35);
    cairo_new_path(cr);
}

void Snowflake(cairo_t* cr) {
    SetColor(cr, Darker(pal::Blue, 0.8));
    SnowflakeStroke(cr, 25, 25, 21, 8.4);
    cairo_arc(cr, 25, 25, 7.5, 0, 2 * M_PI);
    cairo_fill(cr);
    PaintMasked(
        cr,
        [](cairo_t* c) {
            cairo_set_source_rgb(c, 1, 1, 1);
            SnowflakeStroke(c, 25, 25, 21, 4.6);
            cairo_arc(c, 25, 25, 5.6, 0, 2 * M_PI);
            cairo_fill(c);
        },
        [](cairo_t* c) {
            cairo_pattern_t* g = cairo_pattern_create_radial(20, 19, 1, 25, 25, 24);
            cairo_pattern_add_color_stop_rgb(g, 0, 0.85, 0.95, 1);
            cairo_pattern_add_color_stop_rgb(g, 0.45, pal::Blue.r, pal::Blue.g, pal::Blue.b);
            cairo_pattern_add_color_stop_rgb(g, 1, 0.08, 0.25, 0.7);
            cairo_set_source(c, g);
            cairo_paint(c);
            cairo_pattern_destroy(g);
        });
    // A crisp white core line along each arm.
    SetColor(cr, pal::Snow, 0.7);
    SnowflakeStroke(cr, 25, 25, 17, 1.2);
    Glow(cr, 20, 18, 6, pal::Snow, 0.6);
}

void Gift(cairo_t* cr) {
    // Bow loops behind the lid.
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, 25 + side * 7, 9);
        cairo_rotate(cr, side * 0.35);
        cairo_scale(cr, 7.5, 5);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        GlossyFill(cr, pal::Gold, 25 + side * 7 - 7, 4, 14, 10, 1.8);
        cairo_new_path(cr);
    }
    RoundRect(cr, 10, 19, 30, 26, 2.5);
    GlossyFill(cr, pal::Purple, 10, 19, 30, 26, Outline);
    cairo_new_path(cr);
    RoundRect(cr, 7, 13, 36, 9, 2.5);
    GlossyFill(cr, Lighter(pal::Purple, 0.1), 7, 13, 36, 9, Outline);
    cairo_new_path(cr);
    // Ribbon: a vertical band over box and lid.
    for (auto [y, hgt] : {std::pair{13.0, 9.0}, {19.0, 26.0}}) {
        cairo_rectangle(cr, 21.5, y + 1, 7, hgt - 2);
        GlossyFill(cr, pal::Gold, 21.5, y, 7, hgt, 0);
        cairo_new_path(cr);
    }
    SetColor(cr, Darker(pal::Gold, 0.6));
    cairo_set_line_width(cr, 1);
    for (double x : {21.5, 28.5}) {
        cairo_move_to(cr, x, 14);
        cairo_line_to(cr, x, 44);
    }
    cairo_stroke(cr);
    cairo_arc(cr, 25, 12.5, 3.2, 0, 2 * M_PI);
    GlossyFill(cr, pal::Gold, 22, 9.5, 6, 6, 1.6);
    cairo_new_path(cr);
    RoundRect(cr, 10, 19, 30, 26, 2.5);
    Specular(cr, 16, 22, 5, 3, 0.45);
    cairo_new_path(cr);
}

void BellPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 25, 7);
    cairo_curve_to(cr, 33, 7, 35.5, 14, 35.5, 22);
    cairo_curve_to(cr, 35.5, 30, 37, 35, 43, 38.5);
    cairo_curve_to(cr, 44.5, 39.5, 44, 42, 42, 42);
    cairo_line_to(cr, 8, 42);
    cairo_curve_to(cr, 6, 42, 5.5, 39.5, 7, 38.5);
    cairo_curve_to(cr, 13, 35, 14.5, 30, 14.5, 22);
    cairo_curve_to(cr, 14.5, 14, 17, 7, 25, 7);
    cairo_close_path(cr);
}

void Bell(cairo_t* cr) {
    cairo_set_line_width(cr, 2.4);
    SetColor(cr, Darker(pal::Silver, 0.6));
    cairo_arc(cr, 25, 5.5, 3, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_arc(cr, 25, 43, 4.2, 0, 2 * M_PI);
    GlossyFill(cr, pal::Gold, 21, 39, 8, 8, 1.6);
    cairo_new_path(cr);
    BellPath(cr);
    GlossyFill(cr, pal::Silver, 6, 7, 38, 35, Outline);
    cairo_save(cr);
    cairo_clip(cr);
    // The lip of the bell and a red ribbon band.
    SetColor(cr, Darker(pal::Silver, 0.3));
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 7, 38.5);
    cairo_curve_to(cr, 18, 36, 32, 36, 43, 38.5);
    cairo_stroke(cr);
    SetColor(cr, pal::Red);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 12, 25);
    cairo_curve_to(cr, 20, 28, 30, 28, 38, 25);
    cairo_stroke(cr);
    cairo_restore(cr);
    BellPath(cr);
    SetColor(cr, Darker(pal::Silver, 0.75));
    cairo_set_line_width(cr, Outline);
    cairo_stroke_preserve(cr);
    Specular(cr, 20, 15, 4, 8, 0.85);
    cairo_new_path(cr);
}

void CanePath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 19, 45);
    cairo_line_to(cr, 19, 17);
    cairo_arc(cr, 27.5, 17, 8.5, M_PI, 2 * M_PI);
    cairo_line_to(cr, 36, 24);
}

void Cane(cairo_t* cr) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    CanePath(cr);
    SetColor(cr, Darker(pal::Orange, 0.8));
    cairo_set_line_width(cr, 13);
    cairo_stroke(cr);
    PaintMasked(
        cr,
        [](cairo_t* c) {
            CanePath(c);
            cairo_set_source_rgb(c, 1, 1, 1);
            cairo_set_line_width(c, 9);
            cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
            cairo_stroke(c);
        },
        [](cairo_t* c) {
            cairo_set_source_rgb(c, 1, 0.97, 0.93);
            cairo_paint(c);
            SetColor(c, pal::Orange);
            for (int i = -6; i < 8; ++i) {
                double x = i * 8;
                cairo_move_to(c, x, 50);
                cairo_line_to(c, x + 4.5, 50);
                cairo_line_to(c, x + 4.5 + 40, 0);
                cairo_line_to(c, x + 40, 0);
                cairo_close_path(c);
            }
            cairo_fill(c);
            // Shade across the round of the stick.
            cairo_pattern_t* g = cairo_pattern_create_linear(14, 0, 40, 0);
            cairo_pattern_add_color_stop_rgba(g, 0, 0.3, 0.1, 0, 0.3);
            cairo_pattern_add_color_stop_rgba(g, 0.5, 0, 0, 0, 0);
            cairo_pattern_add_color_stop_rgba(g, 1, 0.3, 0.1, 0, 0.25);
            cairo_set_source(c, g);
            cairo_paint(c);
            cairo_pattern_destroy(g);
        });
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColor(cr, pal::Snow, 0.75);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 17.2, 40);
    cairo_line_to(cr, 17.2, 18);
    cairo_arc(cr, 27.5, 17, 10.3, M_PI, 1.35 * M_PI);
    cairo_stroke(cr);
}

// Where each shape turns when it wobbles: the hanging ones swing from their loop.
void GemPivot(int code, double& px, double& py) {
    px = 25;
    py = (code == 1 || code == 6) ? 6 : 25;
}

} // namespace

void DrawGem(cairo_t* cr, int code, double cx, double cy, double scale, double rot) {
    cairo_save(cr);
    double px, py;
    GemPivot(code, px, py);
    cairo_translate(cr, cx + (px - 25) * scale, cy + (py - 25) * scale);
    cairo_scale(cr, scale, scale);
    cairo_rotate(cr, rot);
    cairo_translate(cr, -px, -py);
    switch (code) {
    case 1:
        Bauble(cr);
        break;
    case 2:
        GoldStar(cr);
        break;
    case 3:
        Tree(cr);
        break;
    case 4:
        Snowflake(cr);
        break;
    case 5:
        Gift(cr);
        break;
    case 6:
        Bell(cr);
        break;
    default:
        Cane(cr);
        break;
    }
    cairo_restore(cr);
}

namespace {

// Hover animation: a lively move that returns exactly to the still picture at frame 0 and at the
// rest frame (28, or 27 for the snowflake), where a shape that lost the pointer stops.
void DrawGemFrame(cairo_t* cr, int code, int frame, double ox) {
    int rest = code == 4 ? 27 : 28;
    double e =
        frame <= rest ? std::sin(M_PI * frame / rest) : std::sin(M_PI * (frame - rest) / (50.0 - rest));
    double t = frame <= rest ? (double)frame / rest : 0;
    double rot = 0, scale = 1 + (frame <= rest ? 0.08 : 0.03) * e, dy = 0;
    switch (code) {
    case 2:
    case 4:
        // One whole turn: only a whole turn brings the shading and the pivot offset back to the
        // still picture; a fifth or a sixth matches the outline only.
        rot = 2 * M_PI * (0.5 - 0.5 * std::cos(M_PI * t));
        break;
    case 5:
        dy = -5 * e;
        break; // the gift hops
    default:
        rot = 0.22 * e * std::sin(2 * M_PI * frame / 14.0);
        break; // swing or wobble
    }
    if (frame > rest && code != 5) dy = -2 * e;
    DrawGem(cr, code, ox + 25, 25 + dy, scale, rot);
    // A glint travels over the shape on its way out.
    if (frame > 2 && frame < rest - 2) {
        double s = std::sin(M_PI * frame / rest);
        DrawGlint(cr, ox + 14 + 22 * t, 12 + 6 * t, 7 * s, pal::Snow, 0.9 * s, t * 1.5);
    }
}

// ---- Bonus items ----

void HollySprig(cairo_t* cr, double x, double y, double s) {
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, x + side * 4 * s, y);
        cairo_rotate(cr, side * 0.5);
        cairo_scale(cr, 6 * s, 2.8 * s);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        GlossyFill(cr, pal::Green, x - 8 * s, y - 3 * s, 16 * s, 6 * s, 1.2);
        cairo_new_path(cr);
    }
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, x - 2 * s + i * 2 * s, y - (i == 1 ? 2 : 0) * s, 2 * s, 0, 2 * M_PI);
        GlossyFill(cr, pal::Red, x - 4 * s, y - 4 * s, 6 * s, 6 * s, 1);
        cairo_new_path(cr);
    }
}

void Pudding(cairo_t* cr, double ph) {
    double wob = 0.05 * std::sin(2 * M_PI * ph * 2);
    cairo_save(cr);
    cairo_translate(cr, 25, 44);
    cairo_rotate(cr, wob);
    cairo_translate(cr, -25, -44);
    cairo_move_to(cr, 6, 40);
    cairo_curve_to(cr, 4, 18, 14, 10, 25, 10);
    cairo_curve_to(cr, 36, 10, 46, 18, 44, 40);
    cairo_curve_to(cr, 40, 45, 10, 45, 6, 40);
    cairo_close_path(cr);
    GlossyFill(cr, {0.42, 0.2, 0.09}, 5, 10, 40, 35, 2.2);
    cairo_save(cr);
    cairo_clip(cr);
    Rng rng(8);
    for (int i = 0; i < 14; ++i) { // currants
        SetColor(cr, {0.18, 0.06, 0.05}, 0.8);
        cairo_arc(cr, rng.Uniform(8, 42), rng.Uniform(24, 42), 1.3, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // Icing with drips.
    cairo_move_to(cr, 8.5, 22);
    cairo_curve_to(cr, 11, 12, 18, 9.5, 25, 9.5);
    cairo_curve_to(cr, 32, 9.5, 39, 12, 41.5, 22);
    const double drips[][2] = {{38, 26}, {34, 22}, {30, 28}, {25, 22}, {20, 27}, {15, 22}, {11, 25}};
    double px = 41.5;
    for (auto& d : drips) {
        double mx = (px + d[0]) / 2;
        cairo_curve_to(cr, px, 23, mx + 2, d[1] + 1, mx, d[1]);
        px = d[0];
    }
    cairo_curve_to(cr, 10, 24, 8.5, 23, 8.5, 22);
    cairo_close_path(cr);
    GlossyFill(cr, pal::Snow, 8, 9, 34, 18, 1.6);
    Specular(cr, 20, 13, 8, 3, 0.8);
    cairo_new_path(cr);
    HollySprig(cr, 25, 10, 1);
    cairo_restore(cr);
    // Steam curls rise through the loop.
    for (int i = 0; i < 2; ++i) {
        double p = std::fmod(ph * 2 + i * 0.5, 1.0);
        SetColor(cr, pal::Snow, 0.5 * std::sin(M_PI * p));
        cairo_set_line_width(cr, 1.5);
        double x = 17 + i * 15, y = 8 - p * 8;
        cairo_move_to(cr, x, y + 4);
        cairo_curve_to(cr, x - 3, y + 2, x + 3, y, x, y - 2);
        cairo_stroke(cr);
    }
}

void CrackerBody(cairo_t* cr, double spread) {
    // Lying along x: a tube with two pinched, flared ends.
    Rgb body = pal::Red, trim = pal::Gold;
    for (int side : {-1, 1}) {
        double x0 = 25 + side * (11 + spread), x1 = 25 + side * (23 + spread);
        cairo_move_to(cr, x0, 21);
        cairo_line_to(cr, x0 + side * 4, 23);
        cairo_line_to(cr, x1, 16);
        cairo_line_to(cr, x1, 34);
        cairo_line_to(cr, x0 + side * 4, 27);
        cairo_line_to(cr, x0, 29);
        cairo_close_path(cr);
        GlossyFill(cr, body, std::min(x0, x1), 16, 12, 18, 2);
        cairo_new_path(cr);
        // Zigzag gold edge of the flare.
        SetColor(cr, trim);
        cairo_set_line_width(cr, 1.4);
        for (int k = 0; k < 6; ++k) {
            cairo_line_to(cr, x1 - side * (k % 2 ? 2 : 0), 17 + k * 3.2);
        }
        cairo_stroke(cr);
    }
    RoundRect(cr, 14 - spread * 0.2, 17, 22 + spread * 0.4, 16, 3);
    GlossyFill(cr, body, 14, 17, 22, 16, 2.2);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    SetColor(cr, trim);
    cairo_rectangle(cr, 16, 17, 3, 16);
    cairo_rectangle(cr, 31, 17, 3, 16);
    cairo_fill(cr);
    SetColor(cr, pal::Snow, 0.9);
    StarPath(cr, 25, 25, 5, 4.5, 2);
    cairo_fill(cr);
    cairo_restore(cr);
    RoundRect(cr, 14, 17, 22, 16, 3);
    Specular(cr, 24, 19.5, 10, 2.5, 0.8);
    cairo_new_path(cr);
}

void Cracker(cairo_t* cr, double ph, bool vertical) {
    double shake = 0.06 * std::sin(2 * M_PI * ph * 3);
    cairo_save(cr);
    cairo_translate(cr, 25, 25);
    if (vertical) cairo_rotate(cr, M_PI / 2);
    cairo_rotate(cr, shake);
    // Arrows of pale light along the line it clears.
    for (int side : {-1, 1}) {
        double p = std::fmod(ph * 2, 1.0);
        SetColor(cr, pal::Warm, 0.45 * std::sin(M_PI * p));
        double x = side * (24 + 0 * p);
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x - side * 5, -4);
        cairo_line_to(cr, x - side * 5, 4);
        cairo_fill(cr);
    }
    cairo_scale(cr, 1, 1.45); // a plump cracker reads better at 50 px
    cairo_translate(cr, -25, -25);
    CrackerBody(cr, 0);
    cairo_restore(cr);
    double s = std::sin(2 * M_PI * ph);
    DrawGlint(cr, vertical ? 31 : 9, vertical ? 9 : 19, 4 + 2 * s, pal::Snow, 0.6 + 0.3 * s, ph * 3);
}

void MagicStar(cairo_t* cr, double ph) {
    double pulse = 0.5 + 0.5 * std::sin(2 * M_PI * ph);
    Glow(cr, 25, 25, 24, {0.6, 0.85, 1}, 0.5 + 0.3 * pulse);
    // Rotating rays.
    cairo_save(cr);
    cairo_translate(cr, 25, 25);
    cairo_rotate(cr, 2 * M_PI * ph / 4);
    for (int i = 0; i < 8; ++i) {
        cairo_rotate(cr, M_PI / 4);
        cairo_move_to(cr, 0, -1.5);
        cairo_line_to(cr, i % 2 ? 16 : 23, 0);
        cairo_line_to(cr, 0, 1.5);
        cairo_close_path(cr);
    }
    SetColor(cr, pal::Snow, 0.55);
    cairo_fill(cr);
    cairo_restore(cr);
    StarPath(cr, 25, 25, 4, 19, 6, M_PI / 4 * 0);
    GlossyFill(cr, {0.75, 0.9, 1.0}, 6, 6, 38, 38, 2.2);
    StarPath(cr, 25, 25, 4, 10, 3.5, M_PI / 4);
    SetColor(cr, pal::Snow, 0.9);
    cairo_fill(cr);
    DrawGlint(cr, 25, 25, 7 + 3 * pulse, pal::Snow, 1);
}

void Snowman(cairo_t* cr, double ph) {
    double sway = 0.09 * std::sin(2 * M_PI * ph);
    cairo_save(cr);
    cairo_translate(cr, 25, 47);
    cairo_rotate(cr, sway);
    cairo_translate(cr, -25, -47);
    cairo_arc(cr, 25, 34, 12.5, 0, 2 * M_PI);
    GlossyFill(cr, pal::Snow, 12, 21, 25, 25, 2.2);
    cairo_new_path(cr);
    // Coal buttons.
    for (int i = 0; i < 2; ++i) {
        cairo_arc(cr, 25, 31 + i * 6, 1.4, 0, 2 * M_PI);
        SetColor(cr, {0.12, 0.12, 0.18});
        cairo_fill(cr);
    }
    cairo_arc(cr, 25, 17, 9, 0, 2 * M_PI);
    GlossyFill(cr, pal::Snow, 16, 8, 18, 18, 2.2);
    cairo_new_path(cr);
    // Scarf.
    RoundRect(cr, 15, 23, 20, 4.5, 2);
    GlossyFill(cr, pal::Red, 15, 23, 20, 4.5, 1.4);
    cairo_new_path(cr);
    RoundRect(cr, 28, 24, 4.5, 10, 1.5);
    GlossyFill(cr, pal::Red, 28, 24, 4.5, 10, 1.4);
    cairo_new_path(cr);
    // Face: eyes blink once per loop, a carrot nose.
    bool blink = ph > 0.46 && ph < 0.52;
    SetColor(cr, {0.12, 0.12, 0.18});
    for (int side : {-1, 1}) {
        if (blink) {
            cairo_set_line_width(cr, 1.2);
            cairo_move_to(cr, 25 + side * 3.5 - 1.3, 15);
            cairo_line_to(cr, 25 + side * 3.5 + 1.3, 15);
            cairo_stroke(cr);
        } else {
            cairo_arc(cr, 25 + side * 3.5, 15, 1.3, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
    cairo_move_to(cr, 25, 17);
    cairo_line_to(cr, 32, 19);
    cairo_line_to(cr, 25, 19.5);
    cairo_close_path(cr);
    GlossyFill(cr, pal::Orange, 25, 17, 7, 3, 0.8);
    cairo_new_path(cr);
    // Top hat.
    RoundRect(cr, 15.5, 8, 19, 3, 1);
    GlossyFill(cr, {0.18, 0.17, 0.28}, 15.5, 8, 19, 3, 1.5);
    cairo_new_path(cr);
    RoundRect(cr, 19, 0.5, 12, 8.5, 1.5);
    GlossyFill(cr, {0.18, 0.17, 0.28}, 19, 0.5, 12, 8.5, 1.5);
    cairo_new_path(cr);
    SetColor(cr, pal::Red);
    cairo_rectangle(cr, 19.5, 5.5, 11, 2);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Snowball(cairo_t* cr, double ph) {
    // A lumpy ball of packed snow that rolls round once per loop.
    cairo_save(cr);
    cairo_translate(cr, 25, 26);
    cairo_rotate(cr, 2 * M_PI * ph);
    cairo_new_path(cr);
    for (int i = 0; i <= 16; ++i) {
        double a = i * 2 * M_PI / 16;
        double r = 17 + ((i * 7) % 3 - 1) * 1.2;
        cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_restore(cr);
    GlossyFill(cr, {0.86, 0.92, 1.0}, 8, 9, 34, 34, 2.2);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    cairo_translate(cr, 25, 26);
    cairo_rotate(cr, 2 * M_PI * ph);
    Rng rng(13);
    for (int i = 0; i < 16; ++i) {
        double a = rng.Uniform(0, 2 * M_PI), r = rng.Uniform(2, 15);
        SetColor(cr, {0.55, 0.7, 0.9}, 0.45);
        cairo_arc(cr, r * std::cos(a), r * std::sin(a), rng.Uniform(0.8, 2.2), 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    Specular(cr, 19, 17, 8, 5, 0.9);
    cairo_new_path(cr);
    // Flakes spin off it.
    for (int i = 0; i < 3; ++i) {
        double p = std::fmod(ph + i / 3.0, 1.0);
        double a = i * 2.1 + p * 1.5;
        double r = 18 + p * 8;
        SetColor(cr, pal::Snow, std::sin(M_PI * p));
        cairo_arc(cr, 25 + r * std::cos(a), 26 + r * std::sin(a), 1.6, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void Flame(cairo_t* cr, double x, double y, double s, double ph) {
    double f = 1 + 0.15 * std::sin(2 * M_PI * ph * 5) + 0.08 * std::sin(2 * M_PI * ph * 7);
    double lean = 1.5 * std::sin(2 * M_PI * ph * 3);
    Glow(cr, x, y - 4 * s, 12 * s * f, pal::Orange, 0.55);
    for (int layer = 0; layer < 2; ++layer) {
        double k = layer ? 0.55 : 1;
        cairo_move_to(cr, x, y + 2 * s * k);
        cairo_curve_to(cr, x - 6 * s * k, y, x - 4 * s * k, y - 7 * s * k * f, x + lean, y - 13 * s * k * f);
        cairo_curve_to(cr, x + 5 * s * k, y - 7 * s * k * f, x + 6 * s * k, y, x, y + 2 * s * k);
        cairo_close_path(cr);
        if (layer == 0) {
            GlossyFill(cr, pal::Orange, x - 6 * s, y - 13 * s, 12 * s, 15 * s, 1.2);
        } else {
            SetColor(cr, {1, 0.95, 0.6});
            cairo_fill_preserve(cr);
        }
        cairo_new_path(cr);
    }
}

void Matchstick(cairo_t* cr, double ph) {
    cairo_save(cr);
    cairo_translate(cr, 25, 27);
    cairo_rotate(cr, -M_PI / 4);
    RoundRect(cr, -3, -8, 6, 30, 2);
    GlossyFill(cr, {0.93, 0.78, 0.5}, -3, -8, 6, 30, 1.8);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_scale(cr, 5, 6.5);
    cairo_arc(cr, 0, -1.45, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    GlossyFill(cr, pal::Red, -5, -16, 10, 13, 2);
    cairo_new_path(cr);
    cairo_restore(cr);
    Flame(cr, 14.5, 11, 1.1, ph);
}

void Sack(cairo_t* cr, double ph) {
    double bounce = std::fabs(std::sin(M_PI * ph * 2)) * 3;
    double squash = 1 + 0.06 * std::cos(2 * M_PI * ph * 2);
    cairo_save(cr);
    cairo_translate(cr, 25, 47);
    cairo_scale(cr, squash, 1 / squash);
    cairo_translate(cr, -25, -47 - bounce);
    // A present peeks out of the neck.
    RoundRect(cr, 20, 5, 11, 10, 1.5);
    GlossyFill(cr, pal::Green, 20, 5, 11, 10, 1.6);
    cairo_new_path(cr);
    SetColor(cr, pal::Gold);
    cairo_rectangle(cr, 24.5, 5.5, 2, 9);
    cairo_fill(cr);
    cairo_move_to(cr, 15, 16);
    cairo_curve_to(cr, 20, 13, 30, 13, 35, 16);
    cairo_curve_to(cr, 33, 19, 31, 20, 31, 21);
    cairo_curve_to(cr, 44, 26, 47, 36, 42, 43);
    cairo_curve_to(cr, 35, 48, 15, 48, 8, 43);
    cairo_curve_to(cr, 3, 36, 6, 26, 19, 21);
    cairo_curve_to(cr, 19, 20, 17, 19, 15, 16);
    cairo_close_path(cr);
    GlossyFill(cr, {0.78, 0.1, 0.12}, 5, 13, 40, 35, 2.2);
    cairo_save(cr);
    cairo_clip(cr);
    SetColor(cr, pal::RedDeep, 0.5); // folds
    cairo_set_line_width(cr, 1.2);
    for (double x : {17.0, 25.0, 33.0}) {
        cairo_move_to(cr, x, 24);
        cairo_curve_to(cr, x - 2, 32, x + 2, 38, x, 46);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // Gold rope tie.
    RoundRect(cr, 17, 19, 16, 3.5, 1.5);
    GlossyFill(cr, pal::Gold, 17, 19, 16, 3.5, 1.2);
    cairo_new_path(cr);
    cairo_move_to(cr, 17, 27);
    cairo_curve_to(cr, 20, 22, 30, 22, 34, 27);
    Specular(cr, 18, 30, 6, 6, 0);
    cairo_new_path(cr);
    cairo_restore(cr);
    // A white fur band at the neck, then a sparkle.
    double s = std::sin(2 * M_PI * ph);
    DrawGlint(cr, 37, 29, 3 + 2 * s, pal::Snow, 0.5 + 0.4 * s, ph * 2);
}

} // namespace

void DrawBonus(cairo_t* cr, int code, double cx, double cy, double scale, double phase) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -25, -25);
    switch (code) {
    case 8:
        Pudding(cr, phase);
        break;
    case 9:
        Cracker(cr, phase, false);
        break;
    case 10:
        Cracker(cr, phase, true);
        break;
    case 11:
        MagicStar(cr, phase);
        break;
    case 12:
        Snowman(cr, phase);
        break;
    case 13:
        Snowball(cr, phase);
        break;
    case 14:
        Matchstick(cr, phase);
        break;
    default:
        Sack(cr, phase);
        break;
    }
    cairo_restore(cr);
}

void DrawGlint(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha, double rot) {
    if (r <= 0 || alpha <= 0) return;
    Glow(cr, cx, cy, r * 1.1, c, alpha * 0.6);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, rot);
    StarPath(cr, 0, 0, 4, r, r * 0.18);
    SetColor(cr, Lighter(c, 0.6), alpha);
    cairo_fill(cr);
    cairo_restore(cr);
}

namespace {

void MakeGems() {
    Canvas c(350, 50);
    for (int code = 1; code <= 7; ++code)
        DrawGem(c.cr, code, (code - 1) * 50 + 25, 25);
    SavePicture(c, "graphics/gems.png");
}

void MakeGemAnim(int code) {
    Canvas c(2500, 50);
    for (int f = 0; f < 50; ++f) {
        cairo_save(c.cr);
        cairo_rectangle(c.cr, f * 50, 0, 50, 50);
        cairo_clip(c.cr);
        DrawGemFrame(c.cr, code, f, f * 50);
        cairo_restore(c.cr);
    }
    SavePicture(c, "graphics/gem" + std::to_string(code) + "anim.png");
}

void MakeBonusIdle(int code) {
    Canvas c(2500, 50);
    for (int f = 0; f < 50; ++f) {
        cairo_save(c.cr);
        cairo_rectangle(c.cr, f * 50, 0, 50, 50);
        cairo_clip(c.cr);
        DrawBonus(c.cr, code, f * 50 + 25, 25, 1, f / 50.0);
        cairo_restore(c.cr);
    }
    SavePicture(c, "graphics/bonus" + std::to_string(code) + "idle.png");
}

// Half of a pulled cracker, torn edge on the right; the game mirrors it for the other half.
void MakeCrackerHalf() {
    Canvas c(50, 50);
    cairo_t* cr = c.cr;
    cairo_move_to(cr, 4, 16);
    cairo_line_to(cr, 16, 22);
    cairo_line_to(cr, 20, 20);
    cairo_line_to(cr, 38, 18);
    for (int k = 0; k < 7; ++k)
        cairo_line_to(cr, k % 2 ? 41 : 36, 18 + k * 2.3);
    cairo_line_to(cr, 38, 33);
    cairo_line_to(cr, 20, 31);
    cairo_line_to(cr, 16, 29);
    cairo_line_to(cr, 4, 35);
    cairo_close_path(cr);
    GlossyFill(cr, pal::Red, 4, 16, 37, 19, 2.2);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    SetColor(cr, pal::Gold);
    cairo_rectangle(cr, 22, 16, 3, 20);
    cairo_fill(cr);
    cairo_restore(cr);
    Specular(cr, 27, 20, 10, 2.5, 0.8);
    cairo_new_path(cr);
    // Confetti bursting from the torn end.
    Rng rng(9);
    for (int i = 0; i < 7; ++i) {
        Rgb col = i % 3 == 0 ? pal::Gold : i % 3 == 1 ? pal::Snow : pal::Green;
        SetColor(cr, col);
        cairo_arc(cr, rng.Uniform(42, 48), rng.Uniform(14, 38), rng.Uniform(0.8, 1.8), 0, 2 * M_PI);
        cairo_fill(cr);
    }
    SavePicture(c, "graphics/bonus9activate.png");
}

} // namespace

void AddShapeJobs(Jobs& jobs) {
    jobs.push_back({{"graphics/gems.png"}, MakeGems});
    for (int code = 1; code <= 7; ++code)
        jobs.push_back(
            {{"graphics/gem" + std::to_string(code) + "anim.png"}, [code] { MakeGemAnim(code); }, 3});
    for (int code = 8; code <= 15; ++code)
        jobs.push_back(
            {{"graphics/bonus" + std::to_string(code) + "idle.png"}, [code] { MakeBonusIdle(code); }, 3});
    jobs.push_back({{"graphics/bonus9activate.png"}, MakeCrackerHalf});
}

} // namespace assetgen

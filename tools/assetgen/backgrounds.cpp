// Full-screen pictures and illustrations: the level backgrounds, the intro slides, the loading and
// title screens, the gallery pictures with their thumbnails, the level map and its far background,
// the help, options and gallery pages, the fire of the hearth, Santa and the maker's logo.
#include "art.h"
#include "jobs.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assetgen {
namespace {

std::string G(const std::string& name) {
    return "graphics/" + name;
}

void SaveScene(const std::string& path, int w, int h, const Scene& s) {
    Canvas c(w, h);
    DrawScene(c.cr, w, h, s);
    SavePicture(c, path);
}

// ---- Level backgrounds: calm scenes, darkened where the board sits. ----
Scene LevelScene(int n) {
    Scene s;
    s.seed = 100 + n;
    s.sky = (n % 4 == 1) ? 2 : (n % 4 == 3) ? 1 : 0;
    s.moonX = 0.12 + 0.07 * n;
    s.moonY = 0.12;
    s.hills = 2 + n % 3;
    s.trees = 8 + 3 * (n % 4);
    s.houses = (n % 3 == 0) ? 4 : (n % 3 == 1 ? 0 : 2);
    s.church = n == 5 || n == 9;
    s.lake = n == 2 || n == 7;
    s.mountains = n % 2;
    s.snowman = n == 4 || n == 8;
    s.bigTree = n == 10 || n == 6;
    s.snowfall = 90 + 15 * n;
    s.dim = 0.38;
    s.horizon = 0.55 + 0.03 * (n % 3);
    return s;
}

// ---- Intro slides: a short story told in pictures. ----
Scene IntroScene(int n) {
    Scene s;
    s.seed = 200 + n;
    switch (n) {
    case 1:
        s.houses = 5;
        s.church = true;
        s.snowfall = 250;
        break; // the village sleeps
    case 2:
        s.sky = 2;
        s.mountains = 1;
        s.trees = 14;
        s.snowfall = 60;
        break; // the northern lights
    case 3:
        s.lake = true;
        s.hills = 2;
        s.trees = 6;
        s.snowfall = 160;
        break; // the lake freezes over
    case 4:
        s.snowman = true;
        s.presents = true;
        s.houses = 2;
        s.sky = 3;
        s.moon = false;
        break; // a snowman at dawn
    case 5:
        s.sky = 1;
        s.trees = 18;
        s.mountains = 1;
        s.snowfall = 80;
        break; // dusk in the forest
    case 6:    // the moon stays where slides 5 and 7 have it: the three cross-fade into one another
        s.sleigh = true;
        s.houses = 3;
        break; // the sleigh flies
    case 7:
        s.bigTree = true;
        s.presents = true;
        s.houses = 2;
        break; // the tree is lit
    default:
        s.sky = 2;
        s.bigTree = true;
        s.snowman = true;
        s.houses = 3;
        s.church = true;
        break;
    }
    return s;
}

// The story the slides tell, one line above each picture. Slides 5 to 7 pass by in back-to-back
// cross-fades, so they share one line: it stays put while the pictures change under it.
const char* const IntroLines[] = {
    "Snow fell softly on the village of Sleetwhistle...",
    "...and the northern lights danced over the hills.",
    "Then a bitter frost crept in and froze it all solid.",
    "At dawn the snowmen found the presents locked in ice!",
    "Match the festive treasures to break the ice...",
    "Match the festive treasures to break the ice...",
    "Match the festive treasures to break the ice...",
    "...and bring Christmas back to Sleetwhistle!",
};

// A clear block of ice over the box (x, y, w, h): what lies under it shows through, frosted.
void IceBlock(cairo_t* cr, double x, double y, double w, double h) {
    RoundRect(cr, x, y, w, h, 8);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w * 0.3, y + h);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.85, 0.96, 1, 0.72);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 0.55, 0.82, 0.97, 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.35, 0.62, 0.90, 0.65);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    SetColor(cr, pal::Snow, 0.5);
    cairo_set_line_width(cr, 4);
    for (double sx = x + 14; sx < x + w; sx += 46) { // glints across the face
        cairo_move_to(cr, sx, y + h * 0.7);
        cairo_line_to(cr, sx + h * 0.5, y + h * 0.2);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    SetColor(cr, pal::IceDeep, 0.9);
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    SetColor(cr, pal::Snow, 0.95);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void MakeIntroSlide(int n) {
    Canvas c(800, 600);
    DrawScene(c.cr, 800, 600, IntroScene(n));
    if (n == 5) { // magic glimmers among the trees
        Rng rng(250);
        for (int i = 0; i < 26; ++i)
            DrawGlint(c.cr, rng.Uniform(40, 760), rng.Uniform(300, 560), rng.Uniform(4, 11), pal::Gold, 0.9,
                      rng.Uniform(0, 1));
    }
    if (n == 4) IceBlock(c.cr, 108, 512, 178, 68); // the presents frozen where they stood
    if (n == 7) {                                  // the seven treasures in an arc across the sky
        for (int code = 1; code <= 7; ++code) {
            double a = M_PI * (0.15 + 0.7 * (code - 1) / 6.0);
            double x = 400 - 300 * std::cos(a), y = 330 - 190 * std::sin(a);
            Glow(c.cr, x, y, 46, pal::Gold, 0.35);
            DrawGem(c.cr, code, x, y, 1.5);
        }
    }
    // The line sits in the sky, clear of the scene below.
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 110);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.02, 0.04, 0.13, 0.7);
    cairo_pattern_add_color_stop_rgba(g, 0.6, 0.02, 0.04, 0.13, 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.02, 0.04, 0.13, 0);
    cairo_set_source(c.cr, g);
    cairo_rectangle(c.cr, 0, 0, 800, 110);
    cairo_fill(c.cr);
    cairo_pattern_destroy(g);
    TextStyle t;
    t.size = 32;
    t.top = pal::Snow;
    t.bottom = {0.85, 0.9, 1};
    t.outline = pal::Night;
    t.outlineWidth = 2;
    t.shadow = 2;
    DrawText(c, IntroLines[n - 1], 400, 44, t);
    SavePicture(c, G("intro" + std::to_string(n) + ".jpg"));
}

void DrawTitleRoom(cairo_t* cr, bool withFire);
void DrawFireFrame(cairo_t* cr, int f);

Scene GalleryScene(int n) {
    Scene s;
    s.seed = 300 + n;
    s.sky = n % 4;
    s.moon = s.sky != 3 || n == 4;
    s.moonX = 0.2 + 0.06 * n;
    s.moonY = 0.16;
    s.hills = 2 + n % 3;
    s.trees = 6 + 2 * n;
    s.houses = (n % 3) * 2;
    s.church = n == 3 || n == 10;
    s.lake = n == 1 || n == 6 || n == 11;
    s.bigTree = n == 5 || n == 9 || n == 11;
    s.presents = n == 5 || n == 11;
    s.snowman = n == 2 || n == 7 || n == 11;
    s.sleigh = n == 4 || n == 8 || n == 11;
    s.mountains = (n + 1) % 2 || n == 11;
    s.snowfall = 100 + 20 * (n % 5);
    // A few pictures get a close-up subject of their own.
    if (n == 2) s.snowmanSize = 2.6, s.houses = 0;
    if (n == 3) s.bigHouse = true, s.church = false, s.houses = 0, s.moonX = 0.2;
    if (n == 8) s.moonSize = 2.6, s.moonX = 0.6, s.moonY = 0.3, s.mountains = 0, s.houses = 3;
    if (n == 10) s.bigTree = true, s.presents = true, s.snowman = true;
    return s;
}

void MakeGalleryPicture(int n) {
    Canvas c(800, 600);
    if (n == 9)
        DrawTitleRoom(c.cr, true); // Christmas Eve by the fire
    else
        DrawScene(c.cr, 800, 600, GalleryScene(n));
    SavePicture(c, G("pic" + std::to_string(n) + ".jpg"));
    Canvas t(100, 75);
    DrawScaled(t, c.surface, 0, 0, 100, 75);
    // A thin bright edge gives the small picture a crisp border.
    cairo_rectangle(t.cr, 0.5, 0.5, 99, 74);
    SetColor(t.cr, pal::Snow, 0.6);
    cairo_set_line_width(t.cr, 1);
    cairo_stroke(t.cr);
    SavePicture(t, G("thumb" + std::to_string(n) + ".png"));
}

// ---- The loading screen: a festive village with room for the logo and the bar. ----
void MakeLoadingScreen() {
    Canvas c(800, 600);
    Scene s;
    s.seed = 400;
    s.sky = 0;
    s.moonX = 0.85;
    s.moonY = 0.1;
    s.horizon = 0.66;
    s.houses = 4;
    s.church = true;
    s.trees = 10;
    s.snowfall = 180;
    DrawScene(c.cr, 800, 600, s);
    // A soft dark band behind the progress bar and the button.
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 440, 0, 600);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.02, 0.04, 0.13, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.35, 0.02, 0.04, 0.13, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.02, 0.04, 0.13, 0.7);
    cairo_set_source(c.cr, g);
    cairo_paint(c.cr);
    cairo_pattern_destroy(g);
    SavePicture(c, G("loadingscreen.jpg"));
}

// ---- Title: a cosy room at night with the hearth, a lit tree and a snowy window. ----
constexpr double HearthX = 335, HearthY = 317, HearthW = 137, HearthH = 128;

void Wall(cairo_t* cr) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 470);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.10, 0.14, 0.32);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.18, 0.22, 0.45);
    cairo_set_source(cr, g);
    cairo_rectangle(cr, 0, 0, 800, 470);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Wallpaper: rows of faint snowflakes and stripes.
    for (int x = 0; x < 800; x += 40) {
        SetColor(cr, pal::Snow, 0.035);
        cairo_rectangle(cr, x, 0, 14, 470);
        cairo_fill(cr);
    }
    for (int y = 30; y < 460; y += 60)
        for (int x = 27 + (y / 60 % 2) * 20; x < 800; x += 80) {
            SetColor(cr, pal::Snow, 0.08);
            SnowflakeStroke(cr, x, y, 7, 1);
        }
    // Warm light of the fire on the wall.
    Glow(cr, 403, 380, 330, pal::Orange, 0.28);
    // Floor boards and a rug.
    cairo_pattern_t* f = cairo_pattern_create_linear(0, 470, 0, 600);
    cairo_pattern_add_color_stop_rgb(f, 0, 0.36, 0.20, 0.12);
    cairo_pattern_add_color_stop_rgb(f, 1, 0.20, 0.10, 0.06);
    cairo_set_source(cr, f);
    cairo_rectangle(cr, 0, 470, 800, 130);
    cairo_fill(cr);
    cairo_pattern_destroy(f);
    SetColor(cr, {0.1, 0.05, 0.03}, 0.5);
    cairo_set_line_width(cr, 1);
    for (int y = 490; y < 600; y += 22) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 800, y);
    }
    cairo_stroke(cr);
    SetColor(cr, pal::Ink, 0.5);
    cairo_rectangle(cr, 0, 466, 800, 6);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 403, 520);
    cairo_scale(cr, 300, 55);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, {0.55, 0.08, 0.1});
    cairo_fill_preserve(cr);
    SetColor(cr, pal::Gold, 0.6);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    Glow(cr, 403, 470, 260, pal::Orange, 0.18);
}

void Window(cairo_t* cr) {
    double x = 622, y = 40, w = 160, h = 230;
    Canvas view((int)w, (int)h);
    Scene s;
    s.seed = 410;
    s.moonX = 0.55;
    s.moonY = 0.22;
    s.horizon = 0.6;
    s.trees = 6;
    s.houses = 1;
    s.snowfall = 70;
    DrawScene(view.cr, w, h, s);
    cairo_set_source_surface(cr, view.surface, x, y);
    cairo_paint(cr);
    // Frame and bars.
    SetColor(cr, {0.45, 0.28, 0.15});
    cairo_set_line_width(cr, 12);
    cairo_rectangle(cr, x, y, w, h);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, x + w / 2, y);
    cairo_line_to(cr, x + w / 2, y + h);
    cairo_move_to(cr, x, y + h * 0.45);
    cairo_line_to(cr, x + w, y + h * 0.45);
    cairo_stroke(cr);
    // Frost in the corners, snow on the sill.
    for (auto [cx, cy] : {std::pair{x + 6, y + h - 6}, {x + w - 6, y + h - 6}}) {
        cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, 45);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.6);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
        cairo_set_source(cr, g);
        cairo_rectangle(cr, x, y, w, h);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    RoundRect(cr, x - 14, y + h + 2, w + 28, 12, 4);
    GlossyFill(cr, {0.5, 0.32, 0.18}, x - 14, y + h + 2, w + 28, 12, 1.5);
    cairo_new_path(cr);
    // A candle on the sill.
    RoundRect(cr, x + w - 40, y + h - 22, 10, 24, 2);
    GlossyFill(cr, pal::Snow, x + w - 40, y + h - 22, 10, 24, 1);
    cairo_new_path(cr);
    Glow(cr, x + w - 35, y + h - 30, 26, pal::Warm, 0.6);
}

void Fireplace(cairo_t* cr) {
    // Stone surround, mantel and the dark opening where the fire burns.
    double x0 = HearthX - 70, x1 = HearthX + HearthW + 70, top = HearthY - 70;
    RoundRect(cr, x0, top, x1 - x0, 470 - top, 6);
    GlossyFill(cr, {0.62, 0.56, 0.56}, x0, top, x1 - x0, 470 - top, 2);
    cairo_new_path(cr);
    Rng rng(420);
    cairo_save(cr);
    RoundRect(cr, x0, top, x1 - x0, 470 - top, 6);
    cairo_clip(cr);
    SetColor(cr, {0.35, 0.30, 0.32}, 0.6);
    cairo_set_line_width(cr, 1.5);
    for (double y = top + 20; y < 470; y += 22) {
        cairo_move_to(cr, x0, y);
        cairo_line_to(cr, x1, y);
        for (double x = x0 + rng.Uniform(10, 40); x < x1; x += rng.Uniform(35, 60)) {
            cairo_move_to(cr, x, y - 22);
            cairo_line_to(cr, x, y);
        }
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // The opening: arched, with brick inside and the glow of embers.
    cairo_move_to(cr, HearthX - 6, 470);
    cairo_line_to(cr, HearthX - 6, HearthY + 10);
    cairo_curve_to(cr, HearthX - 6, HearthY - 22, HearthX + HearthW + 6, HearthY - 22, HearthX + HearthW + 6,
                   HearthY + 10);
    cairo_line_to(cr, HearthX + HearthW + 6, 470);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, HearthY - 20, 0, 470);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.08, 0.04, 0.04);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.35, 0.12, 0.05);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, pal::Ink, 0.8);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Glow(cr, HearthX + HearthW / 2, HearthY + HearthH - 10, 90, pal::Orange, 0.45);
    // Hearth stone in front.
    RoundRect(cr, x0 - 15, 455, x1 - x0 + 30, 18, 4);
    GlossyFill(cr, {0.5, 0.45, 0.47}, x0 - 15, 455, x1 - x0 + 30, 18, 2);
    cairo_new_path(cr);
    // Mantel shelf with a garland and stockings.
    RoundRect(cr, x0 - 25, top - 18, x1 - x0 + 50, 22, 4);
    GlossyFill(cr, {0.48, 0.28, 0.15}, x0 - 25, top - 18, x1 - x0 + 50, 22, 2);
    cairo_new_path(cr);
    for (int i = 0; i < 3; ++i) {
        double sx = HearthX - 30 + i * 85, sy = top + 4;
        cairo_move_to(cr, sx, sy);
        cairo_line_to(cr, sx + 24, sy);
        cairo_line_to(cr, sx + 24, sy + 42);
        cairo_curve_to(cr, sx + 24, sy + 56, sx + 10, sy + 60, sx - 10, sy + 58);
        cairo_curve_to(cr, sx - 18, sy + 57, sx - 18, sy + 44, sx - 6, sy + 42);
        cairo_line_to(cr, sx, sy + 40);
        cairo_close_path(cr);
        GlossyFill(cr, i == 1 ? pal::Green : pal::Red, sx - 18, sy, 42, 60, 1.8);
        cairo_new_path(cr);
        RoundRect(cr, sx - 3, sy, 30, 11, 4);
        GlossyFill(cr, pal::Snow, sx - 3, sy, 30, 11, 1.2);
        cairo_new_path(cr);
    }
    for (double x = x0 - 20; x < x1 + 20; x += 9) {
        double y = top - 16 + 6 * std::sin((x - x0) / 25);
        SetColor(cr, Mix(pal::Green, pal::Pine, std::fmod(x, 2)));
        cairo_arc(cr, x, y, 7, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    for (double x = x0 - 10; x < x1 + 10; x += 26) {
        double y = top - 14 + 6 * std::sin((x - x0) / 25);
        cairo_arc(cr, x, y, 3, 0, 2 * M_PI);
        GlossyFill(cr, ((int)x / 26) % 2 ? pal::Gold : pal::Red, x - 3, y - 3, 6, 6, 0.8);
        cairo_new_path(cr);
    }
    // Candles on the mantel.
    for (double cx : {x0 - 5, x1 - 5}) {
        RoundRect(cr, cx, top - 52, 10, 34, 2);
        GlossyFill(cr, pal::Snow, cx, top - 52, 10, 34, 1);
        cairo_new_path(cr);
        Glow(cr, cx + 5, top - 60, 24, pal::Warm, 0.7);
        cairo_move_to(cr, cx + 5, top - 68);
        cairo_curve_to(cr, cx + 10, top - 58, cx + 8, top - 52, cx + 5, top - 52);
        cairo_curve_to(cr, cx + 2, top - 52, cx, top - 58, cx + 5, top - 68);
        SetColor(cr, {1, 0.9, 0.5});
        cairo_fill(cr);
    }
}

void DrawTitleRoom(cairo_t* cr, bool withFire) {
    Wall(cr);
    Window(cr);
    Fireplace(cr);
    if (withFire) {
        cairo_save(cr);
        cairo_translate(cr, HearthX, HearthY);
        DrawFireFrame(cr, 5);
        cairo_restore(cr);
    }
    Rng rng(430);
    // The lit tree on the left: its lights are where the fireflies glow.
    cairo_save(cr);
    DrawPine(cr, 128, 545, 520, {0.10, 0.42, 0.24}, 0.35);
    cairo_restore(cr);
    for (int i = 0; i < 40; ++i) {
        double t = rng.Uniform(0.1, 0.95);
        double y = 545 - 520 + t * 520 * 0.88;
        double hw = 520 * 0.25 * t * 0.9;
        double x = 128 + rng.Uniform(-hw, hw);
        Rgb col = i % 3 == 0 ? pal::Gold : i % 3 == 1 ? pal::Red : pal::Blue;
        cairo_arc(cr, x, y, 4.5, 0, 2 * M_PI);
        GlossyFill(cr, col, x - 4.5, y - 4.5, 9, 9, 1);
        cairo_new_path(cr);
    }
    StarPath(cr, 128, 28, 5, 24, 10);
    GlossyFill(cr, pal::Gold, 104, 4, 48, 48, 2);
    cairo_new_path(cr);
    Presents(cr, 80, 560, 38);
    // Presents on the right by the window.
    for (int i = 0; i < 3; ++i) {
        double bx = 640 + i * 46, bw = 40 + (i % 2) * 8, bh = 34 + (i % 2) * 12;
        RoundRect(cr, bx, 560 - bh, bw, bh, 3);
        GlossyFill(cr, i == 1 ? pal::Purple : i ? pal::Green : pal::Blue, bx, 560 - bh, bw, bh, 1.8);
        cairo_new_path(cr);
        SetColor(cr, pal::Gold);
        cairo_rectangle(cr, bx + bw * 0.42, 560 - bh, bw * 0.16, bh);
        cairo_fill(cr);
    }
}

void MakeTitle() {
    Canvas c(800, 600);
    DrawTitleRoom(c.cr, false);
    SavePicture(c, G("title.jpg"));
}

// ---- The hearth fire: 17 frames that loop. ----
// One frame of the hearth fire, in a 137x128 box at the origin.
void DrawFireFrame(cairo_t* cr, int f) {
    double t = f / 17.0;
    Glow(cr, 68, 100, 70, pal::Orange, 0.35 + 0.08 * std::sin(2 * M_PI * t * 2));
    // Flame tongues, outer orange to inner yellow.
    for (int layer = 0; layer < 3; ++layer) {
        Rgb col = layer == 0 ? Rgb{0.95, 0.3, 0.05} : layer == 1 ? Rgb{1, 0.6, 0.1} : Rgb{1, 0.92, 0.55};
        double k = 1 - layer * 0.28;
        for (int i = 0; i < 5; ++i) {
            double x = 30 + i * 19;
            double hgt = (48 + 22 * std::sin(2 * M_PI * (t * (i % 2 ? 2 : 3)) + i * 1.7) +
                          10 * std::sin(2 * M_PI * t * 5 + i)) *
                         k * (i == 2 ? 1.25 : 1);
            double lean = 6 * std::sin(2 * M_PI * t * 2 + i * 0.9);
            double base = 104, hw = 14 * k;
            cairo_move_to(cr, x - hw, base);
            cairo_curve_to(cr, x - hw, base - hgt * 0.5, x + lean - hw * 0.3, base - hgt * 0.7, x + lean,
                           base - hgt);
            cairo_curve_to(cr, x + lean + hw * 0.4, base - hgt * 0.6, x + hw, base - hgt * 0.4, x + hw, base);
            cairo_close_path(cr);
            SetColor(cr, col, 0.9);
            cairo_fill(cr);
        }
    }
    // Logs and embers.
    for (int i = 0; i < 2; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 68, 110);
        cairo_rotate(cr, i ? 0.12 : -0.12);
        RoundRect(cr, -55, -8, 110, 16, 8);
        cairo_restore(cr);
        GlossyFill(cr, {0.4, 0.22, 0.12}, 13, 100, 110, 18, 2);
        cairo_new_path(cr);
    }
    Rng rng(500 + f % 17);
    for (int i = 0; i < 10; ++i) {
        double ex = rng.Uniform(20, 117), ey = rng.Uniform(112, 124);
        SetColor(cr, {1, 0.5 + rng.Uniform(0, 0.4), 0.1}, rng.Uniform(0.5, 1));
        cairo_arc(cr, ex, ey, rng.Uniform(1.5, 3), 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // Sparks rising.
    for (int i = 0; i < 4; ++i) {
        double p = std::fmod(t + i / 4.0, 1.0);
        double sx = 40 + i * 18 + 8 * std::sin(p * 6 + i), sy = 100 - p * 95;
        SetColor(cr, {1, 0.8, 0.3}, 1 - p);
        cairo_arc(cr, sx, sy, 1.6, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void MakeFire() {
    Canvas c(2329, 128);
    for (int f = 0; f < 17; ++f) {
        cairo_save(c.cr);
        cairo_rectangle(c.cr, f * 137, 0, 137, 128);
        cairo_clip(c.cr);
        cairo_translate(c.cr, f * 137, 0);
        DrawFireFrame(c.cr, f);
        cairo_restore(c.cr);
    }
    SavePicture(c, G("fireanim.png"));
}

// ---- Paper pages: help, options and credits, gallery. ----
void Parchment(cairo_t* cr, double x, double y, double w, double h, uint64_t seed) {
    RoundRect(cr, x, y, w, h, 10);
    cairo_pattern_t* g =
        cairo_pattern_create_radial(x + w / 2, y + h / 2, 10, x + w / 2, y + h / 2, std::max(w, h) * 0.7);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.99, 0.96, 0.88);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.88, 0.80, 0.62);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, {0.55, 0.38, 0.2});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Rng rng(seed);
    for (int i = 0; i < 60; ++i) {
        SetColor(cr, {0.6, 0.45, 0.25}, 0.05);
        cairo_arc(cr, rng.Uniform(x + 10, x + w - 10), rng.Uniform(y + 10, y + h - 10), rng.Uniform(5, 25), 0,
                  2 * M_PI);
        cairo_fill(cr);
    }
}

TextStyle Heading(double size) {
    TextStyle t;
    t.size = size;
    t.top = {1, 0.92, 0.6};
    t.bottom = pal::Gold;
    t.outline = pal::RedDeep;
    t.outlineWidth = 2.5;
    t.shadow = 3;
    return t;
}

void MakeInstructions() {
    Canvas c(800, 600);
    Scene s;
    s.seed = 600;
    s.dim = 0.3;
    s.trees = 12;
    DrawScene(c.cr, 800, 600, s);
    // The paper reaches 8 px and more past the widest caption lines on both sides.
    Parchment(c.cr, 50, 28, 700, 500, 601);
    DrawText(c, "How to Play", 400, 78, Heading(44));
    // Four framed windows for the moving examples.
    for (auto [x, y] : {std::pair{143, 160}, {503, 160}, {143, 335}, {503, 335}}) {
        // A 3-px border: its lower edge ends where the cells' bottom pieces end, above the captions.
        RoundRect(c.cr, x - 3, y - 3, 156, 106, 5);
        GlossyFill(c.cr, pal::GoldDeep, x - 3, y - 3, 156, 106, 1.5);
        cairo_new_path(c.cr);
        cairo_rectangle(c.cr, x, y, 150, 100);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + 100);
        cairo_pattern_add_color_stop_rgb(g, 0, 0.12, 0.2, 0.45);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.04, 0.07, 0.22);
        cairo_set_source(c.cr, g);
        cairo_fill(c.cr);
        cairo_pattern_destroy(g);
    }
    HollyCorner(c.cr, 92, 50, 14, 0.3);
    HollyCorner(c.cr, 708, 50, 14, 2.6);
    SavePicture(c, G("instructions.jpg"));
}

void MakePressie() {
    Canvas c(800, 600);
    // A big wrapped present fills the screen; a paper note lies on its left half.
    cairo_pattern_t* g = cairo_pattern_create_radial(560, 280, 50, 560, 300, 700);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.75, 0.12, 0.16);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.35, 0.03, 0.07);
    cairo_set_source(c.cr, g);
    cairo_paint(c.cr);
    cairo_pattern_destroy(g);
    for (int y = -40; y < 640; y += 80)
        for (int x = (y / 80 % 2) * 40; x < 840; x += 80) {
            SetColor(c.cr, pal::Gold, 0.18);
            StarPath(c.cr, x, y, 5, 12, 5);
            cairo_fill(c.cr);
        }
    cairo_rectangle(c.cr, 560, 0, 60, 600);
    cairo_rectangle(c.cr, 0, 440, 800, 60);
    GlossyFill(c.cr, pal::Gold, 0, 0, 800, 600, 0);
    cairo_new_path(c.cr);
    // The bow on the crossing.
    for (int side : {-1, 1}) {
        cairo_save(c.cr);
        cairo_translate(c.cr, 590 + side * 60, 470);
        cairo_rotate(c.cr, side * 0.4);
        cairo_scale(c.cr, 70, 38);
        cairo_arc(c.cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(c.cr);
        GlossyFill(c.cr, pal::Gold, 520 + side * 60, 432, 140, 76, 3);
        cairo_new_path(c.cr);
    }
    cairo_arc(c.cr, 590, 470, 26, 0, 2 * M_PI);
    GlossyFill(c.cr, pal::Gold, 564, 444, 52, 52, 3);
    cairo_new_path(c.cr);
    WithShadow(c, 6, 8, 8, 0.5, [](cairo_t* cr) { Parchment(cr, 40, 70, 390, 480, 602); });
    HollyCorner(c.cr, 400, 95, 16, 2.4);
    SavePicture(c, G("pressie.jpg"));
}

void MakeGalleryPage() {
    Canvas c(800, 600);
    Scene s;
    s.seed = 610;
    s.houses = 3;
    s.dim = 0.35;
    DrawScene(c.cr, 800, 600, s);
    // A wooden board with eleven recessed slots, its margins even around the slots (centred on
    // x 370, where the screen puts them).
    RoundRect(c.cr, 88, 100, 564, 330, 14);
    GlossyFill(c.cr, {0.45, 0.27, 0.14}, 88, 100, 564, 330, 3);
    cairo_new_path(c.cr);
    RoundRect(c.cr, 88, 100, 564, 330, 14);
    SetColor(c.cr, pal::Gold, 0.8);
    cairo_set_line_width(c.cr, 2);
    cairo_stroke(c.cr);
    for (int i = 0; i < 11; ++i) {
        double x = i < 10 ? 112 + 104 * (i % 5) : 320, y = 154 + 84 * (i / 5);
        cairo_rectangle(c.cr, x - 1, y - 1, 102, 77);
        SetColor(c.cr, {0.18, 0.1, 0.05});
        cairo_fill_preserve(c.cr);
        SetColor(c.cr, pal::Gold, 0.7);
        cairo_set_line_width(c.cr, 1);
        cairo_stroke(c.cr);
    }
    DrawText(c, "My Gallery", 400, 60, Heading(46));
    SavePicture(c, G("gallery.jpg"));
}

// ---- The level map: a snowy land with a winding road through the 55 stops. ----
const double MapDots[55][2] = {
    {87, 693},  {121, 698}, {152, 712}, {181, 725}, {212, 740}, {241, 755}, {271, 769}, {300, 781},
    {334, 788}, {370, 788}, {404, 781}, {438, 771}, {471, 761}, {503, 750}, {536, 746}, {519, 691},
    {489, 681}, {460, 665}, {432, 648}, {401, 636}, {368, 627}, {333, 626}, {300, 629}, {270, 635},
    {237, 642}, {205, 649}, {174, 652}, {141, 646}, {111, 627}, {87, 601},  {71, 567},  {98, 494},
    {149, 474}, {197, 493}, {244, 520}, {291, 544}, {344, 555}, {397, 542}, {449, 527}, {441, 474},
    {399, 435}, {348, 407}, {286, 408}, {232, 425}, {177, 413}, {150, 366}, {193, 286}, {261, 294},
    {318, 339}, {386, 317}, {364, 256}, {300, 213}, {227, 191}, {277, 139}, {289, 48}};
// The stops are in map pixels: the game moves the map and its dots down together (70 px), so the
// road is drawn through the table's positions as they are.

void RoadPath(cairo_t* cr) {
    // Catmull-Rom through the stops.
    auto P = [](int i) {
        i = std::clamp(i, 0, 54);
        return std::pair{MapDots[i][0], MapDots[i][1]};
    };
    cairo_move_to(cr, P(0).first - 60, P(0).second + 10);
    cairo_line_to(cr, P(0).first, P(0).second);
    for (int i = 0; i < 54; ++i) {
        auto [x0, y0] = P(i - 1);
        auto [x1, y1] = P(i);
        auto [x2, y2] = P(i + 1);
        auto [x3, y3] = P(i + 2);
        cairo_curve_to(cr, x1 + (x2 - x0) / 6, y1 + (y2 - y0) / 6, x2 - (x3 - x1) / 6, y2 - (y3 - y1) / 6, x2,
                       y2);
    }
}

double DistanceToStops(double x, double y) {
    double best = 1e9;
    for (int i = 0; i < 55; ++i) {
        // Sample the straight line to the next stop too.
        int j = std::min(i + 1, 54);
        for (double t = 0; t <= 1; t += 0.25) {
            double px = MapDots[i][0] + (MapDots[j][0] - MapDots[i][0]) * t;
            double py = MapDots[i][1] + (MapDots[j][1] - MapDots[i][1]) * t;
            best = std::min(best, std::hypot(px - x, py - y));
        }
    }
    return best;
}

void MakeLevelMap() {
    const int W = 860, H = 1000;
    Canvas c(W, H);
    cairo_t* cr = c.cr;
    // Snowfield, fading out at the top so the far sky shows through, and opaque below the fade:
    // nothing behind it would show there, and the game draws opaque rows without blending.
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, H);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.80, 0.88, 1.0, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.08, 0.82, 0.89, 1.0, 1);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.93, 0.96, 1.0, 1);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    Rng rng(700);
    // Soft drifts.
    for (int i = 0; i < 40; ++i) {
        double x = rng.Uniform(0, W), y = rng.Uniform(120, H);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, rng.Uniform(60, 140), rng.Uniform(14, 30));
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColor(cr, {0.62, 0.74, 0.92}, 0.22);
        cairo_fill(cr);
    }
    // A frozen river across the lower right.
    cairo_move_to(cr, 860, 560);
    cairo_curve_to(cr, 760, 620, 700, 700, 650, 780);
    cairo_curve_to(cr, 620, 830, 640, 930, 600, 1000);
    SetColor(cr, {0.45, 0.68, 0.92});
    cairo_set_line_width(cr, 36);
    cairo_stroke_preserve(cr);
    SetColor(cr, {0.75, 0.9, 1});
    cairo_set_line_width(cr, 24);
    cairo_stroke(cr);
    // The road.
    RoadPath(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, {0.35, 0.45, 0.7}, 0.5);
    cairo_set_line_width(cr, 22);
    cairo_stroke_preserve(cr);
    SetColor(cr, {0.72, 0.58, 0.45});
    cairo_set_line_width(cr, 15);
    cairo_stroke_preserve(cr);
    SetColor(cr, {0.88, 0.78, 0.66});
    cairo_set_line_width(cr, 9);
    cairo_stroke_preserve(cr);
    double dash[] = {4, 9};
    cairo_set_dash(cr, dash, 2, 0);
    SetColor(cr, pal::Snow, 0.9);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    // Forests and houses, kept off the road, drawn from back to front.
    struct Thing {
        double x, y;
        int kind;
        double size;
    };
    std::vector<Thing> things;
    for (int i = 0; i < 420; ++i) {
        double x = rng.Uniform(-10, W + 10), y = rng.Uniform(110, H + 20);
        double size = rng.Uniform(26, 48);
        if (DistanceToStops(x, y - size * 0.2) < 30 + size * 0.3) continue;
        if (x > 560 && x < 760 && y > 600 && y < 1000 && std::fabs(x - (650 + (y - 780) * -0.2)) < 40)
            continue;
        things.push_back({x, y, rng.Uniform() < 0.06 ? 1 : 0, size});
    }
    std::sort(things.begin(), things.end(), [](const Thing& a, const Thing& b) { return a.y < b.y; });
    for (const Thing& t : things) {
        if (t.kind == 1) {
            DrawHouse(cr, t.x - t.size * 0.6, t.y, t.size * 1.2, t.size * 0.8, {0.62, 0.30, 0.22},
                      {0.35, 0.18, 0.15}, rng);
        } else {
            SetColor(cr, {0.4, 0.5, 0.75}, 0.25);
            cairo_save(cr);
            cairo_translate(cr, t.x + t.size * 0.15, t.y);
            cairo_scale(cr, t.size * 0.35, t.size * 0.1);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            cairo_fill(cr);
            DrawPine(cr, t.x, t.y, t.size, Mix(pal::Pine, pal::Green, rng.Uniform(0, 0.4)), 0.9);
        }
    }
    // A gift marks the end of every chapter of five levels; the last stop is the workshop's star.
    for (int n = 5; n <= 55; n += 5) {
        double x = MapDots[n - 1][0] + 22, y = MapDots[n - 1][1] - 6;
        cairo_save(cr);
        cairo_translate(cr, x - 12, y - 12);
        cairo_scale(cr, 0.5, 0.5);
        DrawGem(cr, 5, 25, 25);
        cairo_restore(cr);
    }
    // Stop discs under the stars.
    for (int i = 0; i < 55; ++i) {
        double x = MapDots[i][0], y = MapDots[i][1];
        cairo_arc(cr, x, y + 2, 12, 0, 2 * M_PI);
        SetColor(cr, {0.3, 0.4, 0.7}, 0.35);
        cairo_fill(cr);
        cairo_arc(cr, x, y, 11, 0, 2 * M_PI);
        SetColor(cr, pal::Snow);
        cairo_fill_preserve(cr);
        SetColor(cr, {0.55, 0.42, 0.3});
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    Glow(cr, MapDots[54][0], MapDots[54][1], 60, pal::Gold, 0.5);
    DrawSnowfall(cr, W, H, 150, rng, 2.2);
    SavePicture(c, G("levelselect.png"));
}

void MakeMapBackground() {
    Scene s;
    s.seed = 710;
    s.sky = 2;
    s.moonX = 0.7;
    s.moonY = 0.12;
    s.horizon = 0.5;
    s.hills = 3;
    s.trees = 20;
    s.snowfall = 200;
    SaveScene(G("mapbackground.jpg"), 1100, 1200, s);
}

// ---- Santa, for the game-finished screen: waving goodbye, his face clear under the hat. ----
// A sleeve from the shoulder through the elbow to the wrist, ending in a fur cuff and a mitten.
void SantaArm(cairo_t* cr, double sx, double sy, double ex, double ey, double wx, double wy) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (auto [width, color] : {std::pair{31.0, Darker(pal::Red, 0.75)}, {26.0, pal::Red}}) {
        cairo_move_to(cr, sx, sy);
        cairo_curve_to(cr, ex, ey, ex, ey, wx, wy);
        SetColor(cr, color);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
    }
    // The cuff lies across the sleeve's end, the mitten beyond it along the forearm.
    const double a = std::atan2(wy - ey, wx - ex), c = std::cos(a), s = std::sin(a);
    cairo_save(cr);
    cairo_translate(cr, wx + 12 * c, wy + 12 * s);
    cairo_rotate(cr, a);
    cairo_save(cr);
    cairo_scale(cr, 14, 11);
    cairo_arc(cr, 0.1, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    GlossyFill(cr, pal::GreenDeep, -14, -12, 28, 24, 2);
    cairo_new_path(cr);
    cairo_save(cr); // the thumb
    cairo_translate(cr, -3, -11);
    cairo_rotate(cr, -0.5);
    cairo_scale(cr, 6.5, 4.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    GlossyFill(cr, pal::GreenDeep, -10, -16, 14, 10, 2);
    cairo_new_path(cr);
    RoundRect(cr, -18, -15, 10, 30, 5);
    GlossyFill(cr, pal::Snow, -18, -15, 10, 30, 2);
    cairo_new_path(cr);
    cairo_restore(cr);
}

void SantaBody(cairo_t* cr) {
    cairo_move_to(cr, 55, 300);
    cairo_curve_to(cr, 50, 215, 90, 172, 150, 172);
    cairo_curve_to(cr, 210, 172, 250, 215, 245, 300);
    cairo_close_path(cr);
    GlossyFill(cr, pal::Red, 50, 172, 200, 128, 3);
    cairo_new_path(cr);
    RoundRect(cr, 140, 200, 20, 100, 6); // the fur down the front of the coat
    GlossyFill(cr, pal::Snow, 140, 200, 20, 100, 2);
    cairo_new_path(cr);
    RoundRect(cr, 56, 252, 188, 22, 6);
    GlossyFill(cr, {0.2, 0.15, 0.2}, 56, 252, 188, 22, 2);
    cairo_new_path(cr);
    RoundRect(cr, 134, 250, 32, 26, 4);
    GlossyFill(cr, pal::Gold, 134, 250, 32, 26, 2);
    cairo_new_path(cr);
    RoundRect(cr, 142, 257, 16, 12, 2);
    SetColor(cr, Darker(pal::Gold, 0.6));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

void SantaFace(cairo_t* cr) {
    cairo_arc(cr, 150, 128, 42, 0, 2 * M_PI);
    GlossyFill(cr, {1, 0.8, 0.68}, 108, 86, 84, 84, 2.5);
    cairo_new_path(cr);
    for (int side : {-1, 1})
        Glow(cr, 150 + side * 25, 134, 12, {1, 0.45, 0.45}, 0.6); // rosy cheeks
    // The beard frames the face from the ears down and leaves the cheeks and the mouth free.
    cairo_move_to(cr, 104, 118);
    cairo_curve_to(cr, 94, 195, 125, 240, 150, 246);
    cairo_curve_to(cr, 175, 240, 206, 195, 196, 118);
    cairo_curve_to(cr, 194, 150, 180, 168, 150, 170);
    cairo_curve_to(cr, 120, 168, 106, 150, 104, 118);
    cairo_close_path(cr);
    GlossyFill(cr, pal::Snow, 94, 118, 112, 128, 2.5);
    cairo_new_path(cr);
    // A smile below the moustache.
    cairo_move_to(cr, 137, 156);
    cairo_curve_to(cr, 142, 166, 158, 166, 163, 156);
    cairo_close_path(cr);
    SetColor(cr, {0.55, 0.1, 0.12});
    cairo_fill(cr);
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, 150 + side * 16, 147);
        cairo_rotate(cr, side * 0.3);
        cairo_scale(cr, 19, 8);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        GlossyFill(cr, pal::Snow, 125, 139, 50, 16, 2);
        cairo_new_path(cr);
    }
    cairo_arc(cr, 150, 136, 9, 0, 2 * M_PI);
    GlossyFill(cr, {0.95, 0.55, 0.5}, 141, 127, 18, 18, 1.5);
    cairo_new_path(cr);
    for (int side : {-1, 1}) {
        const double ex = 150 + side * 17, ey = 119;
        cairo_save(cr); // open, shining eyes
        cairo_translate(cr, ex, ey);
        cairo_scale(cr, 4.5, 6);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColor(cr, pal::Ink);
        cairo_fill(cr);
        cairo_arc(cr, ex + 1.5, ey - 2.5, 1.6, 0, 2 * M_PI);
        SetColor(cr, pal::Snow);
        cairo_fill(cr);
        // Bushy brows, raised in a friendly arch.
        cairo_move_to(cr, ex - 9 * side, ey - 8);
        cairo_curve_to(cr, ex - 4 * side, ey - 15, ex + 5 * side, ey - 15, ex + 10 * side, ey - 10);
        SetColor(cr, Darker(pal::Snow, 0.25));
        cairo_set_line_width(cr, 6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke_preserve(cr);
        SetColor(cr, pal::Snow);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
}

// The hat droops to the left, away from the waving arm; its brim stays above the brows.
void SantaHat(cairo_t* cr) {
    cairo_move_to(cr, 198, 96);
    cairo_curve_to(cr, 194, 52, 166, 32, 134, 36);
    cairo_curve_to(cr, 104, 40, 80, 58, 64, 92);
    cairo_line_to(cr, 80, 98);
    cairo_curve_to(cr, 90, 78, 100, 70, 110, 72);
    cairo_line_to(cr, 102, 96);
    cairo_close_path(cr);
    GlossyFill(cr, pal::Red, 60, 30, 140, 70, 2.5);
    cairo_new_path(cr);
    RoundRect(cr, 98, 84, 104, 22, 11);
    GlossyFill(cr, pal::Snow, 98, 84, 104, 22, 2.5);
    cairo_new_path(cr);
    cairo_arc(cr, 68, 96, 14, 0, 2 * M_PI);
    GlossyFill(cr, pal::Snow, 54, 82, 28, 28, 2.5);
    cairo_new_path(cr);
}

void MakeSanta() {
    Canvas c(300, 300);
    cairo_t* cr = c.cr;
    Glow(cr, 150, 150, 148, pal::Gold, 0.35);
    SantaBody(cr);
    SantaArm(cr, 88, 200, 58, 235, 76, 262);    // resting at his side
    SantaArm(cr, 212, 200, 252, 190, 250, 140); // waving
    SantaFace(cr);
    SantaHat(cr);
    SavePicture(c, G("Santa.png"));
}

// ---- The maker's logo. ----
void MakeMakerLogo() {
    Canvas c(400, 300);
    cairo_t* cr = c.cr;
    Glow(cr, 200, 150, 190, {0.35, 0.5, 0.9}, 0.35);
    // Emblem: a cove of waves under a crescent moon, in a gold ring.
    cairo_arc(cr, 200, 110, 72, 0, 2 * M_PI);
    GlossyFill(cr, pal::Night, 128, 38, 144, 144, 0);
    cairo_new_path(cr);
    cairo_arc(cr, 200, 110, 72, 0, 2 * M_PI);
    SetColor(cr, pal::Gold);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_arc(cr, 200, 110, 68, 0, 2 * M_PI);
    cairo_clip(cr);
    for (int i = 0; i < 3; ++i) {
        double y = 125 + i * 17;
        cairo_move_to(cr, 120, y);
        for (double x = 120; x <= 280; x += 20)
            cairo_curve_to(cr, x + 5, y - 10, x + 15, y - 10, x + 20, y);
        cairo_line_to(cr, 280, 200);
        cairo_line_to(cr, 120, 200);
        cairo_close_path(cr);
        SetColor(cr, Mix(pal::Ice, pal::IceDeep, i / 2.0));
        cairo_fill(cr);
    }
    cairo_arc(cr, 222, 80, 22, 0, 2 * M_PI);
    cairo_arc_negative(cr, 232, 74, 19, 2 * M_PI, 0);
    SetColor(cr, pal::Warm);
    cairo_fill(cr);
    DrawGlint(cr, 170, 70, 7, pal::Snow, 1);
    DrawGlint(cr, 190, 92, 4, pal::Snow, 0.8);
    cairo_restore(cr);
    TextStyle t;
    t.size = 52;
    t.top = pal::Snow;
    t.bottom = pal::SnowShade;
    t.outline = pal::Night;
    t.outlineWidth = 2.5;
    DrawText(c, "Brindlecove", 200, 228, t);
    TextStyle sub = t;
    sub.size = 20;
    sub.top = sub.bottom = pal::Gold;
    sub.outlineWidth = 1.5;
    DrawText(c, "presents", 200, 272, sub);
    SavePicture(c, "Brindlecove.png");
}

void MakeOutro() {
    Scene s;
    s.seed = 800;
    s.sleigh = true;
    s.moonX = 0.5;
    s.moonY = 0.25;
    s.houses = 5;
    s.church = true;
    s.snowfall = 220;
    Canvas c(800, 600);
    DrawScene(c.cr, 800, 600, s);
    SavePicture(c, G("outropic.jpg"));
}

} // namespace

void AddBackgroundJobs(Jobs& jobs) {
    for (int n = 1; n <= 10; ++n)
        jobs.push_back({{G("bg" + std::to_string(n) + ".jpg")},
                        [n] { SaveScene(G("bg" + std::to_string(n) + ".jpg"), 800, 600, LevelScene(n)); },
                        2});
    for (int n = 1; n <= 8; ++n)
        jobs.push_back({{G("intro" + std::to_string(n) + ".jpg")}, [n] { MakeIntroSlide(n); }, 2});
    for (int n = 1; n <= 11; ++n)
        jobs.push_back({{G("pic" + std::to_string(n) + ".jpg"), G("thumb" + std::to_string(n) + ".png")},
                        [n] { MakeGalleryPicture(n); },
                        2});
    jobs.push_back({{G("loadingscreen.jpg")}, MakeLoadingScreen, 2});
    jobs.push_back({{G("title.jpg")}, MakeTitle, 2});
    jobs.push_back({{G("fireanim.png")}, MakeFire, 2});
    jobs.push_back({{G("instructions.jpg")}, MakeInstructions, 2});
    jobs.push_back({{G("pressie.jpg")}, MakePressie, 2});
    jobs.push_back({{G("gallery.jpg")}, MakeGalleryPage, 2});
    jobs.push_back({{G("levelselect.png")}, MakeLevelMap, 4});
    jobs.push_back({{G("mapbackground.jpg")}, MakeMapBackground, 3});
    jobs.push_back({{G("Santa.png")}, MakeSanta});
    jobs.push_back({{"Brindlecove.png"}, MakeMakerLogo});
    jobs.push_back({{G("outropic.jpg")}, MakeOutro, 2});
}

} // namespace assetgen

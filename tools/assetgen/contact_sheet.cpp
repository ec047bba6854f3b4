// The contact sheet: every picture of the data folder on a few large pages, so the whole look of the
// game can be judged at once. Animation strips are wrapped into rows of frames.
#include "jobs.h"
#include "manifest.h"
#include "output.h"
#include "paint.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>

namespace assetgen {
namespace {

constexpr int PageW = 1800, PageH = 1300, CellW = 300, CellH = 260, LabelH = 22;

void Checker(cairo_t* cr, double x, double y, double w, double h) {
    for (int j = 0; j * 10 < h; ++j)
        for (int i = 0; i * 10 < w; ++i) {
            double v = ((i + j) % 2) ? 0.42 : 0.52;
            cairo_set_source_rgb(cr, v, v, v + 0.04);
            cairo_rectangle(cr, x + i * 10, y + j * 10, std::min(10.0, w - i * 10),
                            std::min(10.0, h - j * 10));
            cairo_fill(cr);
        }
}

// Strips wider than 4:1 are cut into rows of frames.
void DrawPicture(Canvas& page, const KeptPicture& pic, double x, double y, double w, double h) {
    const Entry* e = FindEntry(pic.path);
    int pw = cairo_image_surface_get_width(pic.surface), ph = cairo_image_surface_get_height(pic.surface);
    int frames = e ? e->frames : 1;
    int fw = pw / frames, perRow = frames, rows = 1;
    if (frames > 1 && pw > 4 * ph) {
        perRow = std::max(1, (int)std::ceil(std::sqrt(frames * (double)ph / fw * 1.3)));
        perRow = std::min(frames, std::max(perRow, 5));
        rows = (frames + perRow - 1) / perRow;
    }
    double sw = perRow * fw, sh = rows * ph;
    double k = std::min({w / sw, h / sh, 2.0});
    double ox = x + (w - sw * k) / 2, oy = y + (h - sh * k) / 2;
    Checker(page.cr, ox, oy, sw * k, sh * k);
    for (int f = 0; f < (rows > 1 ? frames : 1); ++f) {
        int r = f / perRow, c = f % perRow;
        int srcX = rows > 1 ? f * fw : 0, srcW = rows > 1 ? fw : pw;
        cairo_save(page.cr);
        cairo_rectangle(page.cr, ox + c * fw * k, oy + r * ph * k, srcW * k, ph * k);
        cairo_clip(page.cr);
        cairo_translate(page.cr, ox + c * fw * k, oy + r * ph * k);
        cairo_scale(page.cr, k, k);
        cairo_set_source_surface(page.cr, pic.surface, -srcX, 0);
        cairo_pattern_set_filter(cairo_get_source(page.cr), k < 1 ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
        cairo_paint(page.cr);
        cairo_restore(page.cr);
    }
}

// A close-up page: the board pieces at twice their size over a night-blue board, every tenth
// frame of each animation strip.
void WriteCloseUp(const std::vector<KeptPicture>& pics, const std::string& file) {
    Canvas page(PageW, 1900);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 1900);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.10, 0.16, 0.36);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.03, 0.05, 0.16);
    cairo_set_source(page.cr, g);
    cairo_paint(page.cr);
    cairo_pattern_destroy(g);
    double x = 10, y = 10, rowH = 0;
    for (const KeptPicture& pic : pics) {
        const Entry* e = FindEntry(pic.path);
        int pw = cairo_image_surface_get_width(pic.surface), ph = cairo_image_surface_get_height(pic.surface);
        if (pic.path.find("graphics/") != 0 || ph > 100 || (pw > 100 && (!e || e->frames == 1))) continue;
        int frames = e ? e->frames : 1, fw = pw / frames;
        int shown = frames >= 10 ? 10 : frames;
        int step = frames >= 10 ? frames / 10 : 1;
        double k = 2, w = shown * fw * k;
        if (x + w > PageW - 10) {
            x = 10;
            y += rowH + 8;
            rowH = 0;
        }
        for (int i = 0; i < shown; ++i) {
            cairo_save(page.cr);
            cairo_rectangle(page.cr, x + i * fw * k, y, fw * k, ph * k);
            cairo_clip(page.cr);
            cairo_translate(page.cr, x + i * fw * k, y);
            cairo_scale(page.cr, k, k);
            cairo_set_source_surface(page.cr, pic.surface, -i * step * fw, 0);
            cairo_pattern_set_filter(cairo_get_source(page.cr), CAIRO_FILTER_NEAREST);
            cairo_paint(page.cr);
            cairo_restore(page.cr);
        }
        x += w + 12;
        rowH = std::max(rowH, ph * k);
    }
    cairo_surface_write_to_png(page.surface, file.c_str());
}

// A game screen put together from the pictures, as the game would draw it, to judge them together.
void WriteMockGame(const std::vector<KeptPicture>& pics, const std::string& file) {
    std::map<std::string, cairo_surface_t*> by;
    for (const KeptPicture& p : pics)
        by[p.path] = p.surface;
    Canvas screen(800, 600);
    cairo_t* cr = screen.cr;
    auto put = [&](const std::string& path, double x, double y, int frame = 0, int fw = 0) {
        auto it = by.find(path);
        if (it == by.end()) return;
        cairo_save(cr);
        if (fw) {
            cairo_rectangle(cr, x, y, fw, cairo_image_surface_get_height(it->second));
            cairo_clip(cr);
        }
        cairo_set_source_surface(cr, it->second, x - frame * fw, y);
        cairo_paint(cr);
        cairo_restore(cr);
    };
    put("graphics/bg3.jpg", 0, 0);
    const int cols = 9, rows = 8, sx = (800 - 50 * cols) / 2 + 60, sy = (600 - 50 * rows) / 2;
    Rng rng(5);
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < cols; ++i) {
            double x = sx + 50 * i, y = sy + 50 * j;
            put("graphics/cellpane.png", x - 1, y - 1);
            int ice = (i + j) % 5 == 0 ? 2 : (i * j) % 3 == 0 ? 1 : 0;
            if (ice >= 1) put("graphics/brick.png", x, y);
            if (ice == 2) put("graphics/armour.png", x, y);
        }
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < cols; ++i) {
            double x = sx + 50 * i, y = sy + 50 * j;
            put("graphics/cell.png", x - 1, y - 1);
            if (i == cols - 1) put("graphics/cellrightside.png", x - 1 + 50, y - 1);
            if (j == rows - 1) put("graphics/cellbottom.png", x - 1, y - 1 + 50);
            int code = 1 + (int)(rng.Next() % 7);
            if ((i == 2 && j == 3) || (i == 6 && j == 5)) {
                int bonus = i == 2 ? 8 : 12;
                put("graphics/bonushighlightmid.png", x, y);
                put("graphics/bonus" + std::to_string(bonus) + "idle.png", x, y, 0, 50);
            } else {
                put("graphics/gems.png", x, y, code - 1, 50);
            }
            if (i == 4 && j == 2) put("graphics/lock.png", x, y);
            if (i == 5 && j == 6) put("graphics/cursor.png", x, y);
        }
    put("graphics/cellcorner.png", sx - 1 + 50 * cols, sy - 1 + 50 * rows);
    put("graphics/panel.png", 0, 0);
    put("graphics/gaugefull.png", 59 - 23, 422 - 46);
    put("menus/Hint.png", 4, 490);
    put("menus/MenuMO.png", 4, 541);
    put("graphics/pointer.png", 520, 330);
    cairo_surface_write_to_png(screen.surface, file.c_str());
}

// Full-screen pictures four to a page at full size, to judge their detail.
void WriteScreens(const std::vector<KeptPicture>& pics, const std::string& dir) {
    std::vector<const KeptPicture*> screens;
    for (const KeptPicture& p : pics)
        if (cairo_image_surface_get_width(p.surface) >= 800 &&
            cairo_image_surface_get_height(p.surface) >= 600)
            screens.push_back(&p);
    for (size_t start = 0, page = 1; start < screens.size(); start += 4, ++page) {
        Canvas sheet(1600, 1200);
        for (size_t i = start; i < std::min(screens.size(), start + 4); ++i) {
            int n = (int)(i - start);
            cairo_save(sheet.cr);
            cairo_rectangle(sheet.cr, (n % 2) * 800, (n / 2) * 600, 800, 600);
            cairo_clip(sheet.cr);
            Checker(sheet.cr, (n % 2) * 800, (n / 2) * 600, 800, 600);
            cairo_set_source_surface(sheet.cr, screens[i]->surface, (n % 2) * 800, (n / 2) * 600);
            cairo_paint(sheet.cr);
            cairo_restore(sheet.cr);
        }
        std::string file =
            (std::filesystem::path(dir) / ("screens-" + std::to_string(page) + ".png")).string();
        cairo_surface_write_to_png(sheet.surface, file.c_str());
    }
}

} // namespace

void WriteContactSheet(const std::string& dir) {
    std::filesystem::create_directories(dir);
    std::vector<KeptPicture> pics = TakeKeptPictures();
    std::sort(pics.begin(), pics.end(),
              [](const KeptPicture& a, const KeptPicture& b) { return a.path < b.path; });
    WriteScreens(pics, dir);
    WriteMockGame(pics, (std::filesystem::path(dir) / "mock-game.png").string());
    WriteCloseUp(pics, (std::filesystem::path(dir) / "contact-0-closeup.png").string());
    int cols = PageW / CellW, rows = PageH / CellH, perPage = cols * rows;
    cairo_font_face_t* label =
        cairo_toy_font_face_create("sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    for (size_t start = 0, page = 1; start < pics.size(); start += perPage, ++page) {
        Canvas sheet(PageW, PageH);
        cairo_set_source_rgb(sheet.cr, 0.2, 0.2, 0.24);
        cairo_paint(sheet.cr);
        for (size_t i = start; i < std::min(pics.size(), start + perPage); ++i) {
            int n = (int)(i - start), x = (n % cols) * CellW, y = (n / cols) * CellH;
            DrawPicture(sheet, pics[i], x + 6, y + 4, CellW - 12, CellH - LabelH - 8);
            cairo_set_font_face(sheet.cr, label);
            cairo_set_font_size(sheet.cr, 13);
            cairo_set_source_rgb(sheet.cr, 0.9, 0.9, 0.9);
            cairo_move_to(sheet.cr, x + 8, y + CellH - 8);
            cairo_show_text(sheet.cr, pics[i].path.c_str());
        }
        std::string file =
            (std::filesystem::path(dir) / ("contact-" + std::to_string(page) + ".png")).string();
        cairo_surface_write_to_png(sheet.surface, file.c_str());
    }
    cairo_font_face_destroy(label);
    for (KeptPicture& p : pics)
        cairo_surface_destroy(p.surface);
}

} // namespace assetgen

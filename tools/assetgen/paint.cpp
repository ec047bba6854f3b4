#include "paint.h"

#include "manifest.h"
#include "output.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <jpeglib.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace assetgen {

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Lighter(Rgb c, double t) {
    return Mix(c, {1, 1, 1}, t);
}
Rgb Darker(Rgb c, double t) {
    return Mix(c, pal::Ink, t);
}

uint32_t Rng::Next() {
    uint64_t old = state;
    state = old * 6364136223846793005ULL + 1442695040888963407ULL;
    uint32_t xorshifted = (uint32_t)(((old >> 18u) ^ old) >> 27u);
    uint32_t rot = (uint32_t)(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((-rot) & 31));
}

double Rng::Uniform(double lo, double hi) {
    return lo + (hi - lo) * (Next() / 4294967296.0);
}

Canvas::Canvas(int width, int height) : w(width), h(height) {
    surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cr = cairo_create(surface);
}

Canvas::~Canvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

void SetColor(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void StrokeGoldRim(cairo_t* cr, double outerWidth, double innerWidth) {
    SetColor(cr, pal::GoldDeep);
    cairo_set_line_width(cr, outerWidth);
    cairo_stroke_preserve(cr);
    SetColor(cr, pal::Gold);
    cairo_set_line_width(cr, innerWidth);
    cairo_stroke(cr);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, int n, double outer, double inner, double rot) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 2 * n; ++i) {
        double a = rot - M_PI / 2 + i * M_PI / n;
        double r = (i % 2 == 0) ? outer : inner;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void SnowflakeStroke(cairo_t* cr, double cx, double cy, double r, double width, double rot) {
    cairo_save(cr);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = 0; k < 6; ++k) {
        double a = rot + k * M_PI / 3 - M_PI / 2;
        double ux = std::cos(a), uy = std::sin(a);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + ux * r, cy + uy * r);
        for (double at : {0.45, 0.72}) {
            double bx = cx + ux * r * at, by = cy + uy * r * at;
            double len = r * (at < 0.5 ? 0.32 : 0.22);
            for (int side : {-1, 1}) {
                double b = a + side * M_PI / 3.2;
                cairo_move_to(cr, bx, by);
                cairo_line_to(cr, bx + std::cos(b) * len, by + std::sin(b) * len);
            }
        }
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void PaintMasked(cairo_t* cr, const std::function<void(cairo_t*)>& shape,
                 const std::function<void(cairo_t*)>& paint) {
    cairo_push_group(cr);
    shape(cr);
    cairo_pattern_t* mask = cairo_pop_group(cr);
    cairo_push_group(cr);
    paint(cr);
    cairo_pop_group_to_source(cr);
    cairo_mask(cr, mask);
    cairo_pattern_destroy(mask);
}

void GlossyFill(cairo_t* cr, Rgb base, double x, double y, double w, double h, double outline) {
    cairo_save(cr);
    double cx = x + w * 0.35, cy = y + h * 0.3;
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, std::max(w, h) * 0.85);
    Rgb hi = Lighter(base, 0.45), lo = Darker(base, 0.45);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(g, 0.45, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    // Rim light along the lower right edge: the world is lit by snow glow from below.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_pattern_t* rim = cairo_pattern_create_linear(x, y, x + w, y + h);
    cairo_pattern_add_color_stop_rgba(rim, 0.7, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(rim, 1, 1, 1, 1, 0.25);
    cairo_set_source(cr, rim);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(rim);
    cairo_restore(cr);
    if (outline > 0) {
        SetColor(cr, Darker(base, 0.75));
        cairo_set_line_width(cr, outline);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    cairo_restore(cr);
}

void Specular(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, -1, 0, 1);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void Glow(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(g, 0.35, c.r, c.g, c.b, alpha * 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

namespace {
void BoxBlurLine(const uint8_t* in, uint8_t* out, int n, int stride, int r) {
    int sum[4] = {0, 0, 0, 0};
    int div = 2 * r + 1;
    auto at = [&](int i, int c) { return in[(size_t)std::clamp(i, 0, n - 1) * stride + c]; };
    for (int c = 0; c < 4; ++c)
        for (int i = -r; i <= r; ++i)
            sum[c] += at(i, c);
    for (int i = 0; i < n; ++i) {
        for (int c = 0; c < 4; ++c) {
            out[(size_t)i * stride + c] = (uint8_t)(sum[c] / div);
            sum[c] += at(i + r + 1, c) - at(i - r, c);
        }
    }
}
} // namespace

void Blur(cairo_surface_t* surface, int radius) {
    if (radius <= 0) return;
    cairo_surface_flush(surface);
    int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    int stride = cairo_image_surface_get_stride(surface);
    uint8_t* data = cairo_image_surface_get_data(surface);
    std::vector<uint8_t> line(std::max(w, h) * 4), out(std::max(w, h) * 4);
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            BoxBlurLine(data + (size_t)y * stride, out.data(), w, 4, radius);
            std::copy(out.begin(), out.begin() + w * 4, data + (size_t)y * stride);
        }
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y < h; ++y)
                std::copy_n(data + (size_t)y * stride + x * 4, 4, &line[(size_t)y * 4]);
            BoxBlurLine(line.data(), out.data(), h, 4, radius);
            for (int y = 0; y < h; ++y)
                std::copy_n(&out[(size_t)y * 4], 4, data + (size_t)y * stride + x * 4);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void WithShadow(Canvas& canvas, double dx, double dy, int blur, double alpha,
                const std::function<void(cairo_t*)>& draw, Rgb shadow) {
    Canvas layer(canvas.w, canvas.h);
    cairo_matrix_t m;
    cairo_get_matrix(canvas.cr, &m);
    cairo_set_matrix(layer.cr, &m);
    draw(layer.cr);
    Canvas shade(canvas.w, canvas.h);
    SetColor(shade.cr, shadow, alpha);
    cairo_mask_surface(shade.cr, layer.surface, 0, 0);
    Blur(shade.surface, blur);
    cairo_save(canvas.cr);
    cairo_identity_matrix(canvas.cr);
    cairo_set_source_surface(canvas.cr, shade.surface, dx, dy);
    cairo_paint(canvas.cr);
    cairo_set_source_surface(canvas.cr, layer.surface, 0, 0);
    cairo_paint(canvas.cr);
    cairo_restore(canvas.cr);
}

// ---- Text ----

namespace {
cairo_font_face_t* gameFont = nullptr;

} // namespace

void SetGameFont(const std::string& ttfPath) {
    static FT_Library library;
    static FT_Face face;
    if (FT_Init_FreeType(&library) || FT_New_Face(library, ttfPath.c_str(), 0, &face))
        throw std::runtime_error("cannot open the font " + ttfPath);
    gameFont = cairo_ft_font_face_create_for_ft_face(face, 0);
}

double TextWidth(cairo_t* cr, const std::string& text, double size) {
    cairo_save(cr);
    cairo_set_font_face(cr, gameFont);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t te;
    cairo_text_extents(cr, text.c_str(), &te);
    cairo_restore(cr);
    return te.x_advance;
}

void DrawTextLeft(Canvas& canvas, const std::string& text, double x, double cy, const TextStyle& s) {
    cairo_t* cr = canvas.cr;
    // The middle of capitals sits at cy: "H" extends from baseline - height to baseline.
    auto path = [&](cairo_t* c) {
        cairo_new_path(c);
        cairo_set_font_face(c, gameFont);
        cairo_set_font_size(c, s.size);
        cairo_text_extents_t te;
        cairo_text_extents(c, "H", &te);
        cairo_move_to(c, x, cy + te.height / 2);
        cairo_text_path(c, text.c_str());
    };
    auto body = [&](cairo_t* c) {
        if (s.outlineWidth > 0) {
            path(c);
            SetColor(c, s.outline);
            cairo_set_line_width(c, s.outlineWidth * 2);
            cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke(c);
        }
        path(c);
        double top = cy - s.size * 0.4, bottom = cy + s.size * 0.4;
        cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, bottom);
        cairo_pattern_add_color_stop_rgb(g, 0, s.top.r, s.top.g, s.top.b);
        cairo_pattern_add_color_stop_rgb(g, 1, s.bottom.r, s.bottom.g, s.bottom.b);
        cairo_set_source(c, g);
        // The font's letters are hatched; a thin stroke in the fill colour closes the hatching so
        // captions read as solid letters.
        cairo_set_line_width(c, std::max(1.0, s.size / 14));
        cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(c);
        cairo_fill(c);
        cairo_pattern_destroy(g);
    };
    if (s.glow > 0) {
        Canvas layer(canvas.w, canvas.h);
        cairo_matrix_t m;
        cairo_get_matrix(cr, &m);
        cairo_set_matrix(layer.cr, &m);
        path(layer.cr);
        SetColor(layer.cr, s.glowColor, 0.9);
        cairo_set_line_width(layer.cr, s.outlineWidth * 2 + s.glow);
        cairo_set_line_join(layer.cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(layer.cr);
        cairo_fill(layer.cr);
        Blur(layer.surface, (int)std::ceil(s.glow / 2));
        cairo_save(cr);
        cairo_identity_matrix(cr);
        cairo_set_source_surface(cr, layer.surface, 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    if (s.shadow > 0)
        WithShadow(canvas, s.shadow, s.shadow, (int)std::ceil(s.shadow), 0.6, body);
    else
        body(cr);
}

void TextPath(cairo_t* cr, const std::string& text, double cx, double cy, double size) {
    cairo_new_path(cr);
    cairo_set_font_face(cr, gameFont);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t te, cap;
    cairo_text_extents(cr, text.c_str(), &te);
    cairo_text_extents(cr, "H", &cap);
    cairo_move_to(cr, cx - te.x_bearing - te.width / 2, cy + cap.height / 2);
    cairo_text_path(cr, text.c_str());
}

void DrawText(Canvas& canvas, const std::string& text, double cx, double cy, const TextStyle& s) {
    cairo_save(canvas.cr);
    cairo_set_font_face(canvas.cr, gameFont);
    cairo_set_font_size(canvas.cr, s.size);
    cairo_text_extents_t te;
    cairo_text_extents(canvas.cr, text.c_str(), &te);
    cairo_restore(canvas.cr);
    DrawTextLeft(canvas, text, cx - te.x_bearing - te.width / 2, cy, s);
}

// ---- Saving ----

namespace {
// Sprites keep no opaque pure black: some loaders treat it as the see-through colour.
void AvoidPureBlack(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    int stride = cairo_image_surface_get_stride(surface);
    uint8_t* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < h; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + (size_t)y * stride);
        for (int x = 0; x < w; ++x) {
            uint32_t p = row[x];
            uint32_t a = p >> 24;
            if (a > 0 && (p & 0xFFFFFF) == 0) row[x] = (a << 24) | 0x010101;
        }
    }
    cairo_surface_mark_dirty(surface);
}

// RGBA PNG always (cairo would drop the alpha channel of an opaque picture, and the game treats
// pictures without alpha differently).
void SavePng(cairo_surface_t* surface, const std::string& file) {
    cairo_surface_flush(surface);
    int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    int stride = cairo_image_surface_get_stride(surface);
    const uint8_t* data = cairo_image_surface_get_data(surface);
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) throw std::runtime_error("cannot write " + file);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(out);
        throw std::runtime_error("cannot encode " + file);
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uint8_t> row((size_t)w * 4);
    for (int y = 0; y < h; ++y) {
        const uint32_t* src = reinterpret_cast<const uint32_t*>(data + (size_t)y * stride);
        for (int x = 0; x < w; ++x) {
            uint32_t p = src[x], a = p >> 24;
            auto un = [a](uint32_t c) {
                return (uint8_t)(a ? std::min<uint32_t>(255, (c * 255 + a / 2) / a) : 0);
            };
            row[x * 4] = un((p >> 16) & 255);
            row[x * 4 + 1] = un((p >> 8) & 255);
            row[x * 4 + 2] = un(p & 255);
            row[x * 4 + 3] = (uint8_t)a;
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(out);
}

void SaveJpeg(cairo_surface_t* surface, const std::string& file) {
    cairo_surface_flush(surface);
    int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    int stride = cairo_image_surface_get_stride(surface);
    const uint8_t* data = cairo_image_surface_get_data(surface);
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) throw std::runtime_error("cannot write " + file);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = w;
    cinfo.image_height = h;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 92, TRUE);
    cinfo.comp_info[0].h_samp_factor = 1; // 4:4:4 keeps thin coloured lines crisp
    cinfo.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row(w * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const uint32_t* src = reinterpret_cast<const uint32_t*>(data + (size_t)cinfo.next_scanline * stride);
        for (int x = 0; x < w; ++x) {
            row[x * 3] = (src[x] >> 16) & 255;
            row[x * 3 + 1] = (src[x] >> 8) & 255;
            row[x * 3 + 2] = src[x] & 255;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(out);
}
} // namespace

void SavePicture(Canvas& canvas, const std::string& path) {
    const Entry* entry = FindEntry(path);
    if (!entry || (entry->kind != Kind::Png && entry->kind != Kind::Jpg))
        throw std::runtime_error("not a picture of the data folder: " + path);
    if (entry->width != canvas.w || entry->height != canvas.h)
        throw std::runtime_error("wrong size for " + path);
    cairo_surface_flush(canvas.surface);
    // Keep a copy: the caller may draw on after saving (hover images are built on the plain ones).
    cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, canvas.w, canvas.h);
    cairo_t* cc = cairo_create(copy);
    if (entry->kind == Kind::Jpg) {
        cairo_set_source_rgb(cc, pal::NightDeep.r, pal::NightDeep.g, pal::NightDeep.b);
        cairo_paint(cc);
    }
    cairo_set_source_surface(cc, canvas.surface, 0, 0);
    cairo_paint(cc);
    cairo_destroy(cc);
    std::string file = OutputPath(path);
    if (entry->kind == Kind::Jpg) {
        SaveJpeg(copy, file);
    } else {
        AvoidPureBlack(copy);
        SavePng(copy, file);
    }
    KeepPicture(path, copy);
    cairo_surface_destroy(copy);
}

void DrawScaled(Canvas& dst, cairo_surface_t* src, double x, double y, double w, double h) {
    double sw = cairo_image_surface_get_width(src), sh = cairo_image_surface_get_height(src);
    cairo_save(dst.cr);
    cairo_translate(dst.cr, x, y);
    cairo_scale(dst.cr, w / sw, h / sh);
    cairo_set_source_surface(dst.cr, src, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(dst.cr), CAIRO_FILTER_BEST);
    cairo_paint(dst.cr);
    cairo_restore(dst.cr);
}

} // namespace assetgen

// Image fonts rasterised with FreeType, and the built-in font compiled into the game.
#include "platform/TImageFont.h"

#include "platform/files.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <vector>

extern const unsigned char sleetwhistle_builtin_font[];
extern const std::size_t sleetwhistle_builtin_font_size;

namespace platform {
namespace {

constexpr int BUILTIN_FONT_SIZE = 14;
constexpr int kLastPrintable = 126; // '~'

ImageFontRef currentFont;

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
        return lib;
    }();
    return library;
}

int RoundPixels(FT_Pos value) {
    return int(std::lround(value / 64.0));
}

// Places the glyphs in rows of an atlas at least 512 pixels wide, and wider for large glyphs so
// that the atlas stays roughly square: a texture cannot be arbitrarily tall.
void PackGlyphs(TImageFont& font, int& atlasW, int& atlasH) {
    const int pad = 2;
    double area = 0;
    int widest = 0;
    for (const TGlyph& g : font.glyphs) {
        area += double(g.width + pad) * (g.height + pad);
        widest = std::max(widest, g.width);
    }
    atlasW = std::max({512, widest + 2 * pad, int(std::ceil(std::sqrt(area) * 1.1))});
    int penX = pad, penY = pad, rowH = 0;
    for (TGlyph& g : font.glyphs) {
        if (!g.present) continue;
        if (penX + g.width + pad > atlasW) {
            penX = pad;
            penY += rowH + pad;
            rowH = 0;
        }
        g.atlasX = penX;
        g.atlasY = penY;
        penX += g.width + pad;
        rowH = std::max(rowH, g.height);
    }
    atlasH = penY + rowH + pad;
}

// Every text the game draws is plain printable ASCII, so a font must render each of those
// characters: its own glyph, and ink for all but the blank. A cut or damaged file still loads,
// but its glyphs then fail or come out empty, and every text would be blank.
// Called with the character's glyph loaded into the face's slot.
bool HasPrintableGlyph(FT_Face face, int c) {
    if (FT_Get_Char_Index(face, FT_ULong(c)) == 0) return false;
    const FT_GlyphSlot slot = face->glyph;
    if (c == ' ') return true;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) return slot->outline.n_points > 0;
    return slot->bitmap.width > 0 && slot->bitmap.rows > 0;
}

// Rasterises characters 32..255 (Latin-1 equals the first 256 code points) into one atlas.
ImageFontRef Rasterise(FT_Face face, int pixelSize, int style) {
    if (FT_Set_Pixel_Sizes(face, 0, pixelSize) != 0) return nullptr;
    auto font = std::make_shared<TImageFont>();
    font->pixelSize = pixelSize;
    font->style = style;
    font->ascender = RoundPixels(face->size->metrics.ascender);
    font->descender = RoundPixels(face->size->metrics.descender);
    font->lineHeight = font->ascender - font->descender;

    struct Bitmap {
        int w = 0, h = 0;
        std::vector<uint8_t> coverage;
    };
    std::array<Bitmap, 256> bitmaps;
    for (int c = 32; c < 256; ++c) {
        const bool required = c <= kLastPrintable;
        const bool loaded = FT_Load_Char(face, FT_ULong(c), FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) == 0;
        if (required && !(loaded && HasPrintableGlyph(face, c))) return nullptr;
        if (!loaded) continue;
        FT_GlyphSlot slot = face->glyph;
        if ((style & FONT_BOLD) && slot->format == FT_GLYPH_FORMAT_OUTLINE)
            FT_Outline_Embolden(&slot->outline, std::max<FT_Pos>(64, pixelSize * 3));
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
            if (required) return nullptr;
            continue;
        }
        TGlyph& g = font->glyphs[c];
        g.present = true;
        g.advance = RoundPixels(slot->advance.x);
        if ((style & FONT_BOLD) && slot->bitmap.width > 0) g.advance += std::max(1, pixelSize / 24);
        g.width = (int)slot->bitmap.width;
        g.height = (int)slot->bitmap.rows;
        g.offsetX = slot->bitmap_left;
        g.offsetY = font->ascender - slot->bitmap_top;
        Bitmap& bm = bitmaps[c];
        bm.w = g.width;
        bm.h = g.height;
        bm.coverage.resize(size_t(bm.w) * bm.h);
        for (int y = 0; y < bm.h; ++y)
            std::memcpy(&bm.coverage[size_t(y) * bm.w], slot->bitmap.buffer + y * slot->bitmap.pitch, bm.w);
    }
    int atlasW = 0, atlasH = 0;
    PackGlyphs(*font, atlasW, atlasH);
    auto pixmap = std::make_shared<TPixmap>(atlasW, std::max(atlasH, 1), true);
    for (int c = 32; c < 256; ++c) {
        const TGlyph& g = font->glyphs[c];
        const Bitmap& bm = bitmaps[c];
        for (int y = 0; y < bm.h; ++y)
            for (int x = 0; x < bm.w; ++x) {
                uint8_t* p = pixmap->At(g.atlasX + x, g.atlasY + y);
                p[0] = p[1] = p[2] = 255;
                p[3] = bm.coverage[size_t(y) * bm.w + x];
            }
    }
    for (int y = 0; y < pixmap->height; ++y)
        for (int x = 0; x < pixmap->width; ++x) {
            uint8_t* p = pixmap->At(x, y);
            p[0] = p[1] = p[2] = 255;
        }
    int flags = (style & FONT_SMOOTH) ? (IMAGE_FILTERED | IMAGE_MIPMAPPED) : 0;
    font->atlas = LoadImageFromPixmap(pixmap, flags);
    if (font->atlas) font->atlas->handleX = font->atlas->handleY = 0;
    return font;
}

ImageFontRef LoadFromMemory(const unsigned char* bytes, size_t size, int pixelSize, int style) {
    FT_Library lib = Library();
    if (!lib || pixelSize <= 0 || pixelSize > 512) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(lib, bytes, FT_Long(size), 0, &face) != 0) return nullptr;
    ImageFontRef font = Rasterise(face, pixelSize, style);
    FT_Done_Face(face);
    return font;
}

// The atlas is read only to make its texture, and many fonts are loaded long before their first
// text is drawn: its pixels go at once (the metrics stay) and the glyphs are rasterised again
// from the same bytes when the texture is made or anything else reads them.
ImageFontRef WithRemakableAtlas(ImageFontRef font, std::shared_ptr<const std::string> file) {
    if (!font || !font->atlas) return font;
    int pixelSize = font->pixelSize, style = font->style;
    font->atlas->remake = [file, pixelSize, style]() -> std::vector<PixmapRef> {
        auto bytes = reinterpret_cast<const unsigned char*>(file->data());
        ImageFontRef again = LoadFromMemory(bytes, file->size(), pixelSize, style);
        if (!again || !again->atlas) return {};
        return again->atlas->frames;
    };
    ReleaseFramePixels(*font->atlas);
    return font;
}

// The font file's bytes, shared by the fonts loaded from it while they live: a game loads one
// file at several sizes and styles, and each font keeps the bytes to rasterise its atlas again.
std::shared_ptr<const std::string> FontFile(const std::string& path) {
    static std::map<std::string, std::weak_ptr<const std::string>> loaded;
    std::optional<std::string> bytes = ReadRegularFile(path, kMaxFontFileBytes);
    if (!bytes || bytes->empty()) return nullptr;
    std::weak_ptr<const std::string>& entry = loaded[path];
    if (auto kept = entry.lock(); kept && *kept == *bytes) return kept;
    auto file = std::make_shared<const std::string>(std::move(*bytes));
    entry = file;
    return file;
}

} // namespace

const TGlyph& TImageFont::Glyph(unsigned char c) const {
    // Control characters (a tab, a stray CR) are no text: nothing is drawn and nothing measured.
    static const TGlyph nothing;
    if (c < 32) return nothing;
    if (glyphs[c].present) return glyphs[c];
    return glyphs['?'];
}

ImageFontRef LoadImageFont(const std::string& path, int pixelSize, int style) {
    std::shared_ptr<const std::string> file = FontFile(path);
    if (!file) return nullptr;
    // FreeType reads the face while we rasterise; the bytes stay alive until then, and after.
    return WithRemakableAtlas(
        LoadFromMemory(reinterpret_cast<const unsigned char*>(file->data()), file->size(), pixelSize, style),
        file);
}

ImageFontRef BuiltInFont() {
    static ImageFontRef font = LoadFromMemory(sleetwhistle_builtin_font, sleetwhistle_builtin_font_size,
                                              BUILTIN_FONT_SIZE, FONT_SMOOTH);
    return font;
}

void SetImageFont(const ImageFontRef& font) {
    currentFont = font;
}

ImageFontRef GetImageFont() {
    return currentFont ? currentFont : BuiltInFont();
}

int TextWidth(const std::string& text) {
    ImageFontRef font = GetImageFont();
    if (!font) return 0;
    int width = 0;
    for (unsigned char c : text)
        width += font->Glyph(c).advance;
    return width;
}

int TextHeight(const std::string&) {
    ImageFontRef font = GetImageFont();
    return font ? font->lineHeight : 0;
}

} // namespace platform

// Image fonts: characters 32..255 of a TrueType font rasterised with FreeType at one pixel size.
// With no font set (or after a failed load), text uses the built-in font compiled into the game.
// Metrics (unscaled): TextHeight = ascender - descender, rounded; TextWidth = the sum of the rounded
// advances, no kerning; the glyph top is at y, the baseline at y + ascender.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace platform {

enum : int { FONT_BOLD = 1, FONT_ITALIC = 2, FONT_SMOOTH = 4 };

class TImageFont;
using ImageFontRef = std::shared_ptr<TImageFont>;

// The largest font file LoadImageFont reads.
constexpr size_t kMaxFontFileBytes = size_t(64) << 20;
// Null when the file cannot be loaded: missing, not a regular file, larger than kMaxFontFileBytes,
// not a font, or a font that cannot render every printable ASCII character (32..126), as a cut
// or damaged file does (text then falls back to the built-in font).
ImageFontRef LoadImageFont(const std::string& path, int pixelSize, int style = FONT_SMOOTH);
// Null selects the built-in font.
void SetImageFont(const ImageFontRef& font);
ImageFontRef GetImageFont();
// The built-in font.
ImageFontRef BuiltInFont();

int TextWidth(const std::string& text);
// The line height; the same for every text, "" included.
int TextHeight(const std::string& text);

} // namespace platform

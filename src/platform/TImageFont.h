// The inside of an image font: glyph metrics and one atlas image holding every glyph.
// Shared by the font loader, the text drawing and the renderers.
#pragma once

#include "platform/font.h"
#include "platform/image.h"

#include <array>

namespace platform {

struct TGlyph {
    bool present = false;
    int advance = 0;            // pixels, rounded
    int atlasX = 0, atlasY = 0; // top-left of the glyph in the atlas
    int width = 0, height = 0;
    int offsetX = 0, offsetY = 0; // from the pen position and the line top to the glyph's top-left
};

class TImageFont {
public:
    int pixelSize = 0;
    int style = 0;
    int ascender = 0, descender = 0; // pixels; descender is negative
    int lineHeight = 0;
    std::array<TGlyph, 256> glyphs{};
    ImageRef atlas; // white glyphs, coverage in alpha

    // The glyph drawn for c: none (no width) for control characters below 32, "?" for characters
    // the font lacks.
    const TGlyph& Glyph(unsigned char c) const;
};

} // namespace platform

// Where the recording renderer's text draws put their ink: the box of every glyph quad, placed
// exactly as the GL renderer places it (pen position plus the glyph's offsets, less the handle,
// times the call's scale, turned by its rotation, plus its point and origin). Tests use it to
// check that texts stay inside their frames and keep clear of one another. Glyph boxes, not line
// boxes: a font's line height can be larger than the pitch its lines are drawn at, so line boxes
// of neighbouring lines meet where the glyphs do not.
#pragma once

#include "platform/Renderer.h"

#include <string>
#include <vector>

namespace textink {

struct Box {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0; // left, top, right, bottom

    // Their insides overlap; boxes that only share an edge do not meet.
    bool Meets(const Box& other) const;
    bool Inside(const Box& frame) const;
};

// One text of a frame: consecutive Text calls of the same string count as one, whose last copy is
// its body and whose earlier copies are its shadow and highlight.
struct Text {
    std::string text;
    size_t firstCall = 0, lastCall = 0; // indexes in the recorded calls
    std::vector<Box> body;              // the glyphs of the last copy
    std::vector<Box> ink;               // the glyphs of every copy, shadow included
    float scaleX = 1.0f, scaleY = 1.0f; // of the body
};

// The glyph boxes of one Text call; empty for any other call.
std::vector<Box> GlyphBoxes(const platform::DrawCall& call);
// The texts of the recorded calls, in drawing order.
std::vector<Text> Texts(const std::vector<platform::DrawCall>& calls);
// The texts whose string is text.
std::vector<Text> Find(const std::vector<Text>& texts, const std::string& text);
// "" when no glyph of one text's body meets a glyph of another text's body; else the first
// meeting pair, described for a test's failure message.
std::string FirstOverlap(const std::vector<Text>& texts);
// "" when every glyph of the text, its shadow included, lies inside the frame; else the first
// glyph outside, described.
std::string FirstOutside(const Text& text, const Box& frame);

} // namespace textink

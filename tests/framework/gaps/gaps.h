// TEMPORARY: stand-ins for platform functions whose implementations have not landed on main yet,
// so the framework's tests link and run meanwhile. Every definition is weak, so the platform's
// own wins wherever both exist; each file is compiled only while the platform lacks its source
// (see ../CMakeLists.txt). Delete this folder once the platform is complete.
#pragma once

#include <string>
#include <vector>

#define SW_GAP __attribute__((weak))

namespace gaps {

// Every draw call handed to the stand-in drawing layer, with the state it was drawn in.
struct TDrawCall {
    std::string what; // "rect", "oval", "line", "image", "subimage", "text", "cls", "flip"
    float x = 0, y = 0, w = 0, h = 0;
    std::string text;
    int frame = 0;
    int r = 0, g = 0, b = 0;
    float alpha = 1;
    int blend = 0;
    float scaleX = 1, scaleY = 1;
};
std::vector<TDrawCall>& DrawLog();
// Text measures of the stand-in font: 10 pixels per character, 16 high.
constexpr int GLYPH_WIDTH = 10, LINE_HEIGHT = 16;
// Whether CurrentGraphics reports an open mode.
void SetGraphicsOpen(bool open);
// Called by every Flip (tests use it to post a key after the first frame).
void SetFlipHook(void (*hook)());

} // namespace gaps

// TEMPORARY: stand-ins for platform functions whose implementations have not landed on main yet,
// so the framework's tests link and run meanwhile. Every definition is weak, so the platform's
// own wins wherever both exist; each file is compiled only while the platform lacks its source
// (see ../CMakeLists.txt). Delete this folder once the platform is complete.
#pragma once

#define SW_GAP __attribute__((weak))

namespace gaps {

// Text measures of the stand-in font: 10 pixels per character, 16 high.
constexpr int GLYPH_WIDTH = 10, LINE_HEIGHT = 16;

} // namespace gaps

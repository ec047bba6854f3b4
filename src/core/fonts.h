// The game's image fonts, rasterised from its TrueType font at start-up and kept for the whole
// run. Null until then: a null font draws in the platform's built-in font.
#pragma once

#include "platform/font.h"

extern platform::ImageFontRef MainFontSmall; // 25 px: dialog captions and the front-end screens

// The game's five image fonts, rasterised from its TrueType font "card.ttf" at start-up and kept
// for the whole run. Null until then, or when the font cannot be loaded: a null font draws in the
// platform's built-in font.
#pragma once

#include "platform/font.h"

extern platform::ImageFontRef MainFont;      // 60 px: the game screen's status text, the score screens
extern platform::ImageFontRef UIFont;        // 30 px: read-outs, list rows, typed names
extern platform::ImageFontRef LevelEndFont;  // 31 px: the level-complete panel and the hint scroll
extern platform::ImageFontRef MapFont;       // 48 px: the level map, the welcome, the credits
extern platform::ImageFontRef MainFontSmall; // 25 px: dialog captions and the front-end screens

// Rasterises the five fonts from folder + "card.ttf" in their order, style flags 6.
void LoadGameFonts(const std::string& folder);

#include "core/fonts.h"

platform::ImageFontRef MainFont;
platform::ImageFontRef UIFont;
platform::ImageFontRef LevelEndFont;
platform::ImageFontRef MapFont;
platform::ImageFontRef MainFontSmall;

void LoadGameFonts(const std::string& folder) {
    const std::string file = folder + "card.ttf";
    constexpr int kStyle = 6; // smooth (filtered, mip-mapped) glyphs
    MainFont = platform::LoadImageFont(file, 60, kStyle);
    UIFont = platform::LoadImageFont(file, 30, kStyle);
    LevelEndFont = platform::LoadImageFont(file, 31, kStyle);
    MapFont = platform::LoadImageFont(file, 48, kStyle);
    MainFontSmall = platform::LoadImageFont(file, 25, kStyle);
}

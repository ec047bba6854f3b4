#include "core/fonts.h"

#include "framework/cc_errors.h"
#include "platform/files.h"

platform::ImageFontRef MainFont;
platform::ImageFontRef UIFont;
platform::ImageFontRef LevelEndFont;
platform::ImageFontRef MapFont;
platform::ImageFontRef MainFontSmall;

namespace {

// A font the game cannot do without: a missing or damaged file is fatal like any other asset.
platform::ImageFontRef LoadGameFont(const std::string& file, int pixelSize) {
    constexpr int kStyle = 6; // smooth (filtered, mip-mapped) glyphs
    platform::ImageFontRef font = platform::LoadImageFont(file, pixelSize, kStyle);
    if (!font) ccRunTimeError("Error loading file " + platform::ShownPath(file), 1);
    return font;
}

} // namespace

void LoadGameFonts(const std::string& folder) {
    const std::string file = folder + "card.ttf";
    MainFont = LoadGameFont(file, 60);
    UIFont = LoadGameFont(file, 30);
    LevelEndFont = LoadGameFont(file, 31);
    MapFont = LoadGameFont(file, 48);
    MainFontSmall = LoadGameFont(file, 25);
}

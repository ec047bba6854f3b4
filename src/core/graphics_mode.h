// The size of the graphics mode, chosen from heights alone: the available height is the desktop's
// in full screen and 70 pixels less in a window (title bar and panel); the logical 800 x 600 is
// tried first, then 1024 x 768, 800 x 600 and 640 x 480, and the first that fits is taken.
#pragma once

#include <optional>
#include <string>

struct TModeSize {
    int width = 0, height = 0;
};

// No value when nothing fits.
std::optional<TModeSize> ChooseModeSize(int desktopHeight, int fullScreen);
// The fatal message when nothing fits.
std::string NoSuitableResolutionMessage(int desktopWidth, int desktopHeight);

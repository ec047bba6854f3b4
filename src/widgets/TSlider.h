// A horizontal slider from 0 to 100: a bar picture with a dot on it at the value's place. Holding
// a mouse button over the bar (with some slack around it) sets the value; no keys.
#pragma once

#include "media/TGameImage.h"
#include "media/TSprite.h"

#include <memory>
#include <string>

class TSlider;
using TSliderRef = std::shared_ptr<TSlider>;

class TSlider : public TSprite {
public:
    static constexpr const char* Ext = ".png";

    TGameImageRef DotImage;
    int DotX = 0, DotY = 0; // top-left of the dot
    int MouseOver = 0;      // 1 while the pointer is over the active area (the sprite's own flag is unused)
    int Value = 0;          // 0..100
    int Border = 0;         // inset at each end of the bar where the value stops
    int BorderY = 5;        // slack above and below the bar

    // Loads "bar" and "dot" from Game.ImagePath, places the bar's top-left at (x, y) and sets 50.
    static TSliderRef CreateSpecial(const std::string& bar, const std::string& dot, int x, int y, int border,
                                    const std::string& name, int slackY);
    int Load(const std::string& bar, const std::string& dot, const std::string& name);
    int LoadImages(const std::string& bar, const std::string& dot);
    int Init() override;
    // Clamps to 0..100 and moves the dot to the value's place.
    int SetValue(int value);
    // 1 when a held button over the slider set the value in this tick.
    int Manage();
    int Draw() override;
};

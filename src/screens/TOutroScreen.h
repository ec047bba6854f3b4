// A closing picture with a pulsing "click" prompt at the bottom; a click, Enter, Space or Escape
// leaves the program through the exit screen. No object of it exists until a caller makes one and
// sends the game to it.
#pragma once

#include "core/TScreen.h"
#include "framework/TSineCounter.h"
#include "media/TGameImage.h"

#include <memory>

class TOutroScreen;
using TOutroScreenRef = std::shared_ptr<TOutroScreen>;

class TOutroScreen : public TScreen {
public:
    TGameImageRef ClickImage;                      // the bank image "click"
    TSineCounterRef glow = TSineCounter::Create(); // pulse of the prompt's light pass

    int Load() override;
    // No fade-in and no music of its own: input counts from the first tick.
    int Start() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;
};

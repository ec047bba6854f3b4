// The loading screen's progress bar: one step per loaded asset, drawn as the left part of the bar
// picture over a box or over the empty bar, and as the final picture once the last step is done.
#pragma once

#include "platform/image.h"

#include <memory>

class TLoadingBar;
using TLoadingBarRef = std::shared_ptr<TLoadingBar>;

class TLoadingBar {
public:
    int Mode = 0; // 0 box under the bar, 1 bar over the empty picture, 2 the bar alone
    platform::ImageRef Image, EmptyImage, FinalImage;
    int x = 0, y = 0;      // top-left
    int w = 0, h = 0;      // of Image
    float Position = 0.0f; // drawn length, pixels
    float Steps = 0.0f;
    float StepSize = 0.0f;
    int CurrentStep = 0;
    int Finished = 0; // 1 once CurrentStep reached Steps exactly
    int BgR = 50, BgG = 50, BgB = 50;
    int BorderR = 0, BorderG = 0, BorderB = 0;
    int DrawEmptyUnderFinal = 0;

    int Init(const platform::ImageRef& image, const platform::ImageRef& emptyImage,
             const platform::ImageRef& finalImage);
    // Centred horizontally, top at y.
    int Centre(int atY);
    int SetSteps(int steps);
    int SetBackgroundColour(int r, int g, int b);
    int SetBorderColour(int r, int g, int b);
    int Progress();
    // 1 when drawn, 0 when there is nothing to draw.
    int Draw();
};

// Two pictures blended inside the screen loop: the first drawn solid, the second over it at an
// alpha rising from 0 to 1 over ms, timed in logic ticks, and staying opaque afterwards.
#pragma once

#include "media/TAnimation.h"
#include "platform/image.h"

#include <memory>

class TCrossFade;
using TCrossFadeRef = std::shared_ptr<TCrossFade>;

class TCrossFade {
public:
    platform::ImageRef Image1, Image2;
    float X1 = 0.0f, Y1 = 0.0f, X2 = 0.0f, Y2 = 0.0f;
    TAnimationRef Anim; // one count-down phase, started by Init

    static TCrossFadeRef Create(const platform::ImageRef& image1, const platform::ImageRef& image2, int ms);
    int Draw();
    int Init(const platform::ImageRef& image1, const platform::ImageRef& image2, int ms);
    // Once per logic tick.
    int Manage();
    int SetImage1Coords(float x, float y);
    int SetImage2Coords(float x, float y);
};

// A slide show: full-screen pictures one after the other, each through up to three transition
// effects (in, hold, out) that scroll, zoom, fade from or to black, cross-fade over the slide
// before, or grow a mask; optionally framed by a letterbox. Runs on logic ticks.
#pragma once

#include "media/TGameImage.h"
#include "platform/TList.h"

#include <functional>
#include <memory>
#include <string>

class TTransitionEffect;
using TTransitionEffectRef = std::shared_ptr<TTransitionEffect>;
class TSlide;
using TSlideRef = std::shared_ptr<TSlide>;
class TSlideShow;
using TSlideShowRef = std::shared_ptr<TSlideShow>;

class TTransitionEffect {
public:
    enum : int { PLAIN = 0, IN_FROM_BLACK = 1, OUT_TO_BLACK = 2, CROSS_FADE = 3 };

    int EffectType = PLAIN;
    int Length = 0;            // ticks
    float ScrollSpeedX = 0.0f; // subtracted from the slide's x every tick
    float ScrollSpeedY = 0.0f;
    float ZoomSpeed = 0.0f; // added to the slide's scale every tick
    TGameImageRef MaskImage;
    float MaskStartSize = 1.0f, MaskEndSize = 1.0f;
    int MaskAndFade = 0; // 1: a masked in or out effect also fades

    static TTransitionEffectRef Create(int type, int ms);
    // The zoom speed and MaskAndFade are not copied.
    TTransitionEffectRef CreateCopy() const;
};

class TSlide {
public:
    std::string name;
    TGameImageRef Image;
    TTransitionEffectRef InEffect, HoldEffect, OutEffect;
    TTransitionEffectRef CurrentEffect;
    float Counter = 0.0f; // ticks in the current effect
    float x = 0.0f, y = 0.0f;
    float ox = 0.0f, oy = 0.0f;
    float scale = 1.0f;
    int Centred = 1;
    TSlideRef LastSlide;                    // the slide before, drawn under a cross-fade
    std::function<int(TSlide&)> UserManage; // 0 stops the slide's motion for the tick
    std::function<int(TSlide&)> UserDraw;

    static TSlideRef Create(const std::string& imageFile, int flags, int centred,
                            const TTransitionEffectRef& in, const TTransitionEffectRef& hold,
                            const TTransitionEffectRef& out, const std::string& slideName);
    int CentreCoords();
    int Kill();
    int StoreOriginalCoords();
    // 1 when the slide's last effect has ended.
    int Manage();
    int Draw();
    int DrawMask(float size);

private:
    float Progress() const;
    void Move(float step);
    bool NextEffect();
};

class TSlideShow : public platform::TList<TSlide> {
public:
    int CurrentSlide = 0;
    int LetterBoxHeight = 0; // height of the band between the bars; 0 or less: no bars
    int Finished = 0;

    static TSlideShowRef Create();
    TSlideRef AddSlide(const std::string& imageFile, int flags, int centred, const TTransitionEffectRef& in,
                       const TTransitionEffectRef& hold, const TTransitionEffectRef& out,
                       const std::string& slideName);
    int Kill();
    TSlideRef GetCurrentSlide() const;
    int PreCache();
    // 0 while a slide runs (and once finished), 2 when the next slide began, 1 at the end.
    int Manage();
    // 0 once finished, else 1.
    int Draw();
};

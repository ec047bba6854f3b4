// The level map between the title and the game: a large map over a slower far background with one
// star per level along a winding road. It zooms onto the player's level, scrolls while the pointer
// pushes against a screen edge, and zooms out around the chosen dot into the game screen (or, on a
// profile's first choice of level 1, into the instructions).
#pragma once

#include "core/TScreen.h"
#include "framework/TSineCounter.h"
#include "framework/records.h"
#include "media/TAnimation.h"
#include "media/TGameImage.h"
#include "media/TGameSound.h"
#include "screens/level_map_math.h"

#include <memory>
#include <vector>

class TLevelSelectScreen;
using TLevelSelectScreenRef = std::shared_ptr<TLevelSelectScreen>;

class TLevelSelectScreen : public TScreen {
public:
    static constexpr int GAP = 20; // each arrow's distance from its side of the screen

    float ScrollX = 0.0f, ScrollY = 0.0f;
    int YOffset = 70; // map and dots stand this much lower than the scroll position
    TGameImageRef Background;
    TGameImageRef Locked, Unlocked, LockedMO, UnlockedMO;
    TGameSoundRef ZoomInSound, Invalid, ZoomOut;
    TSineCounterRef Glow = TSineCounter::Create();  // the dot under the pointer
    TSineCounterRef Glow2 = TSineCounter::Create(); // every other dot, slower
    TAnimationRef Zoom;
    int ZoomIn = 1; // 1 for the opening zoom, 0 for the zoom after a choice
    float Angle = 0.0f;
    int MOIndex = -1;     // the dot under the pointer in this tick
    int LastMOIndex = -1; // the dot named in the level caption
    float Scale = 0.0f;   // map and background are drawn at 1 - Scale
    int LastX = 0, LastY = 0;
    int Level = 0;
    std::vector<TAccuratePoint> Coords; // dot centres in map pixels, index level - 1

    TLevelSelectScreen();

    int Load() override;
    int Start() override;
    int PostFadeIn() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;
    virtual int FillCoords();
    virtual int CreateCoords();
    virtual int KillCoords();
    virtual float CalcScale(int flag);
    virtual int LevelSelected(int levelNo);
    virtual int CalcScrollCoords();
    virtual int DrawLockedDot(int index, float x, float y);
    virtual int DrawUnLockedDot(int index, float x, float y);
    virtual int ShadowDot(const TGameImageRef& image, float x, float y);

    // The screen, the map picture's size and YOffset.
    TMapGeometry Geometry() const;

private:
    void LoadMenu();
    void OpeningZoomEnded();
    void ChoiceZoomEnded();
    void Browse();
    void HoverAndClick();
    void DrawDots();
    void DrawDot(int i, int pass);
    void DrawCaptions();
    void Play(const TGameSoundRef& sound);
};

extern TLevelSelectScreenRef LevelSelectScreen;

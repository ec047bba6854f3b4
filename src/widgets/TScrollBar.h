// A scroll bar: a slider picture dragged along a track, an optional background picture and two
// optional arrow buttons, holding a value from 0 to a maximum. A list box can carry one, which then
// drives its first visible row.
#pragma once

#include "media/TGameImage.h"
#include "widgets/TMenu.h"

#include <memory>
#include <string>

class TScrollBar;
using TScrollBarRef = std::shared_ptr<TScrollBar>;

class TScrollBar {
public:
    TGameImageRef Background;
    float BackgroundX = 0.0f, BackgroundY = 0.0f;
    TGameImageRef Slider; // its size is the grab area
    TMenuRef Menu;        // the arrow buttons
    int Vertical = 1;
    int Value = 0; // ValuePrecise rounded
    double ValuePrecise = 0.0;
    double ValueStep = 1.0; // per arrow click
    int Size = 0;           // track length, pixels
    double ValueMax = 0.0;
    int SliderPosition = 0; // along the track, 0..track length less the slider
    int SliderSelected = 0; // 1 while dragged
    int SliderOffset = 0;   // where the slider was grabbed
    float X = 0.0f, Y = 0.0f;
    std::string UpName, DownName;
    int FixedGlowOnMO = 0;
    float SliderGlow = 0.0f;
    float GlowMax = 0.5f;
    float GlowSpeed = 0.02f; // per tick
    float Scale = 1.0f;

    // A negative maximum becomes 0.
    static TScrollBarRef Create(const TGameImageRef& slider, int size, double valueMax, float x, float y,
                                int vertical);
    int DisableButtons();
    int Draw();
    int Kill();
    int Manage();
    // Arrow buttons from the named pictures, before and after the track, repeating while held.
    int SetArrows(const std::string& upName, const std::string& downName, int clickMs);
    int SetBackground(const TGameImageRef& image, float x, float y);
    // Moves the track, its background and its arrows (when there are any) to (x, y).
    int SetCoords(float x, float y);
    int SliderSetPosition(double value);
    int ValueCalc();
    int ValueRound();

private:
    // The room the slider moves in: the track less the slider's own length.
    int TrackLength() const;
    bool PointerOverSlider(int mx, int my) const;
    void StepValue(double by);
};

// Counters of the debug overlay: a tracked value with its peak and a fixed-width text, a
// millisecond stopwatch built on it, and a frame counter over windows of just over a second.
// The logic clock is a tracked value too, so the overlay shows its ticks per frame the same way.
#pragma once

#include <memory>
#include <string>

class TTrackingVar {
public:
    int Current = 0;
    int maximum = 0;           // the peak, as the owner keeps it
    int displayLimit = 999;    // the largest peak a stopwatch keeps
    int displayLimitChars = 3; // digits of displayLimit: the width of each shown number
    std::string Label;         // in front of the numbers

    virtual ~TTrackingVar() = default;
    // Current and maximum to 0, the display limit back to 999 and its width.
    virtual int Init();
    virtual int Display(int x, int y);
    // Label + Current + "/" + maximum, each padded with zeros to displayLimitChars (never cut).
    virtual std::string GetDisplay();

protected:
    std::string Padded(int value) const;
};

// Between Start and Calc, Current holds the start time.
class TDebugVar : public TTrackingVar {
public:
    int Start();
    // Current becomes the elapsed ms; the peak follows it but stops at displayLimit.
    int Calc();
};
using TDebugVarRef = std::shared_ptr<TDebugVar>;

class TFPSCounter : public TTrackingVar {
public:
    int counter = 0;   // frames in the open window
    int time = 0;      // clock at which the open window began
    int framerate = 0; // frames of the last closed window
    int minimum = 999; // lowest framerate since Init

    int Init() override;
    int Display(int x, int y) override;
    // Label + Current + "/" + minimum.
    std::string GetDisplay() override;
    // Counts one frame; a window closes once the clock passes its start + 1001 ms.
    int Calc();
};
using TFPSCounterRef = std::shared_ptr<TFPSCounter>;

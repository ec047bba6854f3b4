// The logic clock: once a frame it turns the time since the last frame into logic ticks of 5 ms
// (whole and fraction), capped at 50 ms a frame so a stall never runs more than 10 ticks. Init
// restarts it whenever the time since the last frame is not to count (a screen start, a setting
// changed, the end of a pause). It can average frame times over the last 50 frames; this game
// switches that off at start-up, but the history is still recorded.
#pragma once

#include "core/TTrackingVar.h"

#include <memory>
#include <vector>

class TFixedRateLogic : public TTrackingVar {
public:
    int FramerateDefault = 200; // ticks per second at normal speed
    float Framerate = 200.0f;   // slow motion lowers it
    double LastTime = 0;        // clock at the last Calc or Init
    double TmpMS = 0;           // elapsed ms of the last frame, after the cap
    double NumTicks = 0;        // ticks to run in this frame
    double LastNumTicks = 0;    // NumTicks of the frame before
    float MS = 0;               // ms per tick; 0 until the first Init
    float DeltaMultiplier = 1.0f;
    float FullDelta = 0; // the last step given to SetDelta
    int Threshold = 50;  // cap on one frame's elapsed ms
    int JitterCorrection = 1;
    int HistorySize = 1; // entries averaged, up to HistorySizeMax
    int HistorySizeMax = 50;
    std::vector<int> History; // whole ms of recorded frames; made by Create
    int HistoryCounter = 0;   // the slot written next
    int First = 0;            // frames still to pass unrecorded after Init
    int FirstMax = 5;
    // With VSync on, a frame more than 1 ms from the average is used directly.
    int IgnoreHistoryOnSpeedChange = 1;

    // Restarts the clock now: no tick pending, Delta a whole tick, the next five frames unrecorded.
    int Init() override;
    int Create();
    int CalcMS();
    int SetThreshold(int ms);
    // Measures the frame into NumTicks (see the class comment).
    int Calc();
    // Delta = step x DeltaMultiplier.
    int SetDelta(float step);
    int SetDefaultFramerate(int ticksPerSecond);
    int HistoryClear();

private:
    double RecordAndAverage();
};
using TFixedRateLogicRef = std::shared_ptr<TFixedRateLogic>;

#include "core/TFixedRateLogic.h"

#include "core/TGame.h"
#include "framework/cc_system.h"
#include "framework/cc_timing.h"
#include "framework/core_services.h"
#include "platform/system.h"

int TFixedRateLogic::Init() {
    CalcMS();
    LastTime = platform::MilliSecs();
    NumTicks = 0;
    LastNumTicks = 1.0;
    SetDelta(1.0f);
    TTrackingVar::Init();
    First = FirstMax;
    return 0;
}

int TFixedRateLogic::Create() {
    History.assign(size_t(HistorySizeMax), 0);
    return 0;
}

int TFixedRateLogic::CalcMS() {
    MS = ccCalcMSPerFrame(int(Framerate));
    return 0;
}

int TFixedRateLogic::SetThreshold(int ms) {
    Threshold = ms;
    return 0;
}

// A moved window gets its coordinates read again; fast mode never looks.
static void FollowWindow() {
    if (!Game || Game->FullScreen != 0) return;
    std::shared_ptr<TPoint> origin = ccGetWindowOriginOSX(Game->WindowHandle);
    int y = ccFixMacWindowY(origin->Y, Game->DesktopHeight, Game->WindowHeight);
    if (origin->X != Game->WindowX || y != Game->WindowY) {
        Game->SetWindowCoords();
        Game->SetClientCoords();
    }
}

double TFixedRateLogic::RecordAndAverage() {
    if (History.size() < size_t(HistorySizeMax)) Create();
    History[size_t(HistoryCounter)] = int(TmpMS);
    double sum = 0;
    for (int i = 0; i < HistorySize; ++i)
        sum += History[size_t(i)];
    double average = sum / HistorySize;
    HistoryCounter += 1;
    if (HistorySize < HistorySizeMax) HistorySize += 1;
    if (HistoryCounter >= HistorySize) HistoryCounter = 0;
    return average;
}

int TFixedRateLogic::Calc() {
    if (Game && Game->Fast != 0) {
        NumTicks = 1.0;
        Current = 1;
        return 0;
    }
    FollowWindow();
    int now = platform::MilliSecs();
    if (now < LastTime) {
        NumTicks = LastNumTicks; // the clock went back: never a negative count
    } else {
        TmpMS = now - LastTime;
        if (TmpMS > Threshold) TmpMS = Threshold;
        double t = TmpMS;
        if (First > 0) {
            First -= 1;
        } else {
            t = RecordAndAverage();
        }
        if (JitterCorrection != 0) {
            bool vsync = Game && Game->VSync == 1;
            if (IgnoreHistoryOnSpeedChange != 0 && vsync && (TmpMS < t - 1 || TmpMS > t + 1)) t = TmpMS;
            NumTicks = t / MS;
        } else {
            NumTicks = TmpMS / MS;
        }
    }
    LastTime = now;
    LastNumTicks = NumTicks;
    if (NumTicks > maximum) maximum = int(NumTicks);
    Current = int(NumTicks);
    return 0;
}

int TFixedRateLogic::SetDelta(float step) {
    Delta = step * DeltaMultiplier;
    FullDelta = step;
    return 0;
}

int TFixedRateLogic::SetDefaultFramerate(int ticksPerSecond) {
    FramerateDefault = ticksPerSecond;
    Framerate = float(ticksPerSecond);
    return 0;
}

int TFixedRateLogic::HistoryClear() {
    for (int i = 0; i < HistorySize && size_t(i) < History.size(); ++i)
        History[size_t(i)] = 0;
    HistorySize = 1;
    HistoryCounter = 0;
    return 0;
}

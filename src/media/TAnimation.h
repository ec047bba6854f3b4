// A phase timer: one or more phase lengths given in ms and kept in ticks, advanced by Delta on
// every Manage. By default the counter runs down, so the ratio falls from 1 to 0 within a phase;
// a reversed timer counts up. Callers read ratios, eased ratios, strip frames, CurrentPhase,
// Finished and Active.
#pragma once

#include <array>
#include <memory>

class TAnimation;
using TAnimationRef = std::shared_ptr<TAnimation>;

class TAnimation {
public:
    static constexpr int MAX_PHASES = 50;

    int Active = 0;
    int LoopTotal = 0;    // passes after which a cycling timer finishes; 0: no limit
    float Counter = 0.0f; // ticks left (or spent, when Reverse) in the current phase
    int CurrentPhase = 0;
    int Finished = 0;
    int TotalPhases = 1;
    int Cycle = 0;
    int Direction = 1;                      // 1: phases run upward; 0: the return pass of a ping-pong
    std::array<float, MAX_PHASES> Length{}; // ticks, not rounded
    int LeaveActive = 0;                    // 1: a finished timer stays active at the end of its last phase
    int PingPong = 0;
    int Reverse = 0;
    int OriginalReverse = 0;
    int LoopCount = 0; // passes ended since Start

    virtual ~TAnimation() = default;

    // Past MAX_PHASES phases nothing changes.
    int AddPhase(int ms);
    static TAnimationRef Create(int ms, int leaveActive, int reverse, int cycle, int pingPong);
    int Clear();
    // 1 when the timer finished.
    int EndAnim();
    int GetAnimFrame(int frames) const;
    int GetAnimFrameProper(int frames) const;
    // Counter / length of the phase; for a phase of no length 0 (1 when reversed).
    float GetRatio() const;
    float GetRatioSine() const;
    float GetRatioSine180() const;
    float GetRatioInv() const;
    float GetRatioInvSine() const;
    float GetRatioInvSine180() const;
    // One phase, not started; Active, Counter and LoopTotal are left as they are.
    int Init(int ms, int leaveActive, int reverse, int cycle, int pingPong);
    // index within 0..TotalPhases and room for one more phase, else nothing changes.
    int InsertPhase(int ms, int index);
    // 1 at every phase boundary.
    virtual int Manage();
    int Reset();
    // Back to phase 0; a running count-down keeps its ticks left.
    int Start();
    int Stop();

private:
    void StartPhase();
};

#include "media/TAnimation.h"

#include "framework/cc_numbers.h"
#include "framework/cc_timing.h"
#include "framework/core_services.h"

#include <cassert>

int TAnimation::AddPhase(int ms) {
    assert(TotalPhases < MAX_PHASES);
    if (TotalPhases >= MAX_PHASES) return 0;
    Length[TotalPhases] = CalcAnimLength(ms);
    TotalPhases += 1;
    return 0;
}

TAnimationRef TAnimation::Create(int ms, int leaveActive, int reverse, int cycle, int pingPong) {
    auto timer = std::make_shared<TAnimation>();
    timer->Init(ms, leaveActive, reverse, cycle, pingPong);
    return timer;
}

int TAnimation::Clear() {
    Active = LoopTotal = CurrentPhase = Finished = Cycle = LeaveActive = PingPong = 0;
    Reverse = OriginalReverse = LoopCount = 0;
    Counter = 0.0f;
    TotalPhases = 1;
    Direction = 1;
    return 0;
}

// The current phase from its start, the overshoot of the last tick dropped.
void TAnimation::StartPhase() {
    Counter = Reverse == 0 ? Length[CurrentPhase] : 0.0f;
}

int TAnimation::EndAnim() {
    CurrentPhase += Direction == 1 ? 1 : -1;
    bool passEnded =
        (Direction == 1 && CurrentPhase >= TotalPhases) || (Direction == 0 && CurrentPhase <= -1);
    if (!passEnded) {
        StartPhase();
        return 0;
    }
    LoopCount += 1;
    bool goOn = Cycle == 1 && !(LoopTotal > 0 && LoopCount == LoopTotal);
    if (goOn && PingPong == 1 && Direction == 1) {
        Counter = 0.0f - Counter;
        Reverse = 1;
        Direction = 0;
        CurrentPhase = TotalPhases - 1;
        return 0;
    }
    if (goOn && PingPong == 1) {
        Counter = Length[0] - (Counter - Length[0]);
        Reverse = 0;
        Direction = 1;
        CurrentPhase = 0;
        return 0;
    }
    if (goOn) {
        CurrentPhase = 0;
        StartPhase();
        return 0;
    }
    Finished = 1;
    if (LeaveActive == 1) {
        CurrentPhase = TotalPhases - 1;
        Counter = Reverse == 0 ? 0.0f : Length[CurrentPhase];
    } else {
        Counter = 0.0f;
        CurrentPhase = 0;
        Active = 0;
    }
    return 1;
}

int TAnimation::GetAnimFrame(int frames) const {
    return ccCalcAnimFrame(Counter, TruncToInt(Length[CurrentPhase]), frames, Reverse);
}

int TAnimation::GetAnimFrameProper(int frames) const {
    int f = GetAnimFrame(frames);
    return Reverse == 0 ? f : frames - 1 - f;
}

float TAnimation::GetRatio() const {
    float length = Length[CurrentPhase];
    if (length <= 0.0f) return Reverse == 0 ? 0.0f : 1.0f; // a phase of no length has no ratio
    return Counter / length;
}

float TAnimation::GetRatioSine() const {
    return SinDeg(90.0f * GetRatio());
}

float TAnimation::GetRatioSine180() const {
    return ccRatioToSine180(GetRatio());
}

float TAnimation::GetRatioInv() const {
    return 1.0f - GetRatio();
}

float TAnimation::GetRatioInvSine() const {
    return SinDeg(90.0f * (1.0f - GetRatio()));
}

float TAnimation::GetRatioInvSine180() const {
    return ccRatioToSine180(GetRatioInv());
}

int TAnimation::Init(int ms, int leaveActive, int reverse, int cycle, int pingPong) {
    Length[0] = CalcAnimLength(ms);
    CurrentPhase = 0;
    Finished = 0;
    TotalPhases = 1;
    Cycle = cycle;
    Direction = 1;
    LeaveActive = leaveActive;
    PingPong = pingPong;
    Reverse = reverse;
    OriginalReverse = Reverse;
    LoopCount = 0;
    return 0;
}

int TAnimation::InsertPhase(int ms, int index) {
    assert(index >= 0 && index <= TotalPhases && TotalPhases < MAX_PHASES);
    if (index < 0 || index > TotalPhases || TotalPhases >= MAX_PHASES) return 0;
    for (int i = TotalPhases; i > index; --i)
        Length[i] = Length[i - 1];
    Length[index] = CalcAnimLength(ms);
    TotalPhases += 1;
    return 0;
}

int TAnimation::Manage() {
    if (Active == 0) return 0;
    if (Reverse == 0) {
        Counter -= Delta;
        if (Counter > 0.0f) return 0;
    } else {
        Counter += Delta;
        if (Counter <= Length[CurrentPhase]) return 0;
    }
    EndAnim();
    return 1;
}

int TAnimation::Reset() {
    Counter = 0.0f;
    return Start();
}

int TAnimation::Start() {
    if (PingPong == 1) Reverse = OriginalReverse;
    if (Reverse == 0) {
        // Phase 0 from its full length, whichever phase the timer stood in.
        if (!(Counter > 0.0f)) Counter = Length[0];
    } else {
        Counter = 0.0f;
    }
    Active = 1;
    CurrentPhase = 0;
    Finished = 0;
    Direction = 1;
    LoopCount = 0;
    return 0;
}

int TAnimation::Stop() {
    CurrentPhase = Direction == 1 ? TotalPhases - 1 : 0;
    EndAnim();
    return 0;
}

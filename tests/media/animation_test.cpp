// Phase timers: ratios, phase ends, cycling and holding timers, Start against Reset, strip frames,
// and the limits of the phase table.
#include "media_fixture.h"

#include "media/TAnimation.h"

using namespace mediatest;

namespace {

using AnimationTest = MediaTest;

// Manage calls until the first that returns 1 (0 when none within limit).
int TicksToEnd(TAnimation& timer, int limit = 1000) {
    for (int tick = 1; tick <= limit; ++tick)
        if (timer.Manage() == 1) return tick;
    return 0;
}

TEST_F(AnimationTest, OnePhaseRunsFromOneToZeroAndStops) {
    TAnimationRef timer = TAnimation::Create(1000, 0, 0, 0, 0);
    EXPECT_EQ(timer->Active, 0);
    timer->Start();
    EXPECT_EQ(timer->Length[0], 200.0f);
    EXPECT_EQ(timer->GetRatio(), 1.0f);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(timer->Manage(), 0);
    EXPECT_EQ(timer->GetRatio(), 0.5f);
    EXPECT_EQ(TicksToEnd(*timer), 100);
    EXPECT_EQ(std::make_tuple(timer->Active, timer->Finished, timer->Counter, timer->CurrentPhase),
              std::make_tuple(0, 1, 0.0f, 0));
    EXPECT_EQ(timer->Manage(), 0);
}

TEST_F(AnimationTest, TimersEndOnTheirOwnSideOfTheLength) {
    struct Case {
        int reverse;
        float delta;
        int ticks;
    };
    const Case cases[] = {
        {0, 1.0f, 10}, // count-down: ends once the counter is 0 or less
        {1, 1.0f, 11}, // reversed: only once it is strictly past the length
        {0, 2.5f, 4},  // 10 - 4 x 2.5 = 0
        {1, 2.5f, 5},  // 4 x 2.5 = 10 is not past 10
    };
    for (const Case& c : cases) {
        Delta = c.delta;
        TAnimationRef timer = TAnimation::Create(50, 0, c.reverse, 0, 0);
        timer->Start();
        EXPECT_EQ(TicksToEnd(*timer), c.ticks) << "reverse " << c.reverse << " delta " << c.delta;
    }
}

TEST_F(AnimationTest, EveryPhaseBoundaryIsReportedAndTheNextPhaseStartsWhole) {
    TAnimationRef timer = TAnimation::Create(1000, 0, 0, 0, 0);
    timer->AddPhase(500);
    timer->Start();
    Delta = 1.5f; // 134 ticks overshoot the first phase by 1
    EXPECT_EQ(TicksToEnd(*timer), 134);
    EXPECT_EQ(timer->CurrentPhase, 1);
    EXPECT_EQ(timer->Counter, 100.0f);
    EXPECT_EQ(timer->Finished, 0);
    EXPECT_EQ(TicksToEnd(*timer), 67);
    EXPECT_EQ(timer->Finished, 1);
    EXPECT_EQ(timer->Active, 0);
}

TEST_F(AnimationTest, AHeldTimerEndsItsLastPhaseAgainOnEveryTick) {
    for (int reverse : {0, 1}) {
        TAnimationRef timer = TAnimation::Create(50, 1, reverse, 0, 0);
        timer->AddPhase(50);
        timer->Start();
        TicksToEnd(*timer);
        TicksToEnd(*timer);
        EXPECT_EQ(timer->Finished, 1);
        EXPECT_EQ(timer->Active, 1);
        EXPECT_EQ(timer->CurrentPhase, 1);
        EXPECT_EQ(timer->LoopCount, 1);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(timer->Manage(), 1);
        EXPECT_EQ(timer->LoopCount, 4);
        EXPECT_EQ(timer->GetRatio(), reverse ? 1.0f : 0.0f) << "reverse " << reverse;
    }
}

TEST_F(AnimationTest, CyclingTimersFinishAfterLoopTotalPassesOrNever) {
    TAnimationRef three = TAnimation::Create(50, 0, 0, 1, 0);
    three->LoopTotal = 3;
    three->Start();
    int ticks = 0;
    while (three->Active && ticks < 1000) {
        three->Manage();
        ++ticks;
    }
    EXPECT_EQ(ticks, 30);
    EXPECT_EQ(three->Finished, 1);

    TAnimationRef endless = TAnimation::Create(50, 0, 0, 1, 0);
    endless->Start();
    for (int i = 0; i < 1005; ++i)
        endless->Manage();
    EXPECT_EQ(endless->Finished, 0);
    EXPECT_EQ(endless->Active, 1);
    EXPECT_EQ(endless->Counter, 5.0f);
    endless->Stop(); // only starts the next pass
    EXPECT_EQ(endless->Finished, 0);
    EXPECT_EQ(endless->Active, 1);
    EXPECT_EQ(endless->Counter, 10.0f);
}

TEST_F(AnimationTest, StartKeepsTheTicksLeftWhileResetStartsPhaseZeroWhole) {
    TAnimationRef timer = TAnimation::Create(1000, 0, 0, 0, 0);
    timer->AddPhase(500);
    timer->AddPhase(250);
    timer->Start();
    timer->CurrentPhase = 2;
    timer->Counter = 37.5f;
    timer->Start();
    EXPECT_EQ(std::make_tuple(timer->CurrentPhase, timer->Counter), std::make_tuple(0, 37.5f));
    timer->CurrentPhase = 2;
    timer->Reset();
    EXPECT_EQ(std::make_tuple(timer->CurrentPhase, timer->Counter), std::make_tuple(0, 200.0f));

    // Init sets up one phase but leaves the running state alone.
    timer->LoopTotal = 4;
    timer->Init(100, 0, 0, 0, 0);
    EXPECT_EQ(std::make_tuple(timer->Active, timer->Counter, timer->LoopTotal, timer->TotalPhases),
              std::make_tuple(1, 200.0f, 4, 1));
}

TEST_F(AnimationTest, StripFramesRiseOverEachPhase) {
    TAnimationRef down = TAnimation::Create(50, 0, 0, 0, 0); // 10 ticks
    down->Start();
    EXPECT_EQ(down->GetAnimFrame(10), 0);
    for (int i = 0; i < 9; ++i)
        down->Manage();
    EXPECT_EQ(down->GetAnimFrame(10), 9);

    TAnimationRef up = TAnimation::Create(50, 0, 1, 0, 0);
    up->Start();
    std::vector<int> frames;
    for (int i = 0; i < 10; ++i) {
        frames.push_back(up->GetAnimFrameProper(10));
        up->Manage();
    }
    EXPECT_EQ(frames, (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
}

TEST_F(AnimationTest, ThePhaseTableHoldsFiftyPhasesAndIgnoresCallsBeyondIt) {
    TAnimationRef timer = TAnimation::Create(100, 0, 0, 0, 0);
    for (int i = 1; i < TAnimation::MAX_PHASES; ++i)
        timer->AddPhase(100 + i);
    EXPECT_EQ(timer->TotalPhases, 50);
    EXPECT_DEBUG_DEATH(timer->AddPhase(5000), "");
    EXPECT_DEBUG_DEATH(timer->InsertPhase(5000, 3), "");
    EXPECT_EQ(timer->TotalPhases, 50);
    EXPECT_EQ(timer->Length[49], CalcAnimLength(149));

    TAnimationRef small = TAnimation::Create(100, 0, 0, 0, 0);
    small->InsertPhase(200, 0);
    small->InsertPhase(300, 2);
    EXPECT_DEBUG_DEATH(small->InsertPhase(400, 4), "");
    EXPECT_DEBUG_DEATH(small->InsertPhase(400, -1), "");
    EXPECT_EQ(small->TotalPhases, 3);
    EXPECT_EQ(std::vector<float>(small->Length.begin(), small->Length.begin() + 4),
              (std::vector<float>{40.0f, 20.0f, 60.0f, 0.0f}));
}

TEST_F(AnimationTest, APhaseOfNoLengthHasAFixedRatio) {
    TAnimationRef down = TAnimation::Create(0, 0, 0, 0, 0);
    TAnimationRef up = TAnimation::Create(0, 0, 1, 0, 0);
    down->Start();
    up->Start();
    EXPECT_EQ(down->GetRatio(), 0.0f);
    EXPECT_EQ(down->GetRatioInv(), 1.0f);
    EXPECT_EQ(up->GetRatio(), 1.0f);
    EXPECT_EQ(up->GetRatioInvSine(), 0.0f);
    EXPECT_EQ(TicksToEnd(*down), 1);
}

} // namespace

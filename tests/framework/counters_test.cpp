// Colours, countdowns and sine pulses stepped by Delta.
#include "framework/TColor.h"
#include "framework/TCounter.h"
#include "framework/TSineCounter.h"
#include "framework/core_services.h"
#include "platform/draw.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class CounterTest : public ::testing::Test {
protected:
    void SetUp() override { Delta = 1.0f; }
};

TEST_F(CounterTest, OneSecondCounterFiresOnItsLastTickOnly) {
    TCounterRef c = TCounter::Create(1000, 1);
    EXPECT_EQ(c->CounterLength, 200);
    EXPECT_FLOAT_EQ(c->Counter, 200.0f);
    EXPECT_FLOAT_EQ(c->GetRatio(), 1.0f);
    for (int tick = 1; tick < 200; ++tick)
        ASSERT_EQ(c->Manage(), 0) << "tick " << tick;
    EXPECT_EQ(c->Manage(), 1);
    EXPECT_EQ(c->Active, 0);
    EXPECT_EQ(c->Manage(), 0);
    EXPECT_FLOAT_EQ(c->Counter, 0.0f);
}

TEST_F(CounterTest, HalfTickLeftEndsAtZeroNotBelow) {
    TCounter c;
    c.Counter = 0.5f;
    EXPECT_EQ(c.Manage(), 1);
    EXPECT_FLOAT_EQ(c.Counter, 0.0f);
}

TEST_F(CounterTest, StoppedCounterStillCountsDownUnlessCleared) {
    TCounterRef c = TCounter::Create(10, 1); // 2 ticks
    c->Stop(0);
    EXPECT_EQ(c->Manage(), 0);
    EXPECT_EQ(c->Manage(), 1);
}

TEST_F(CounterTest, ZeroLengthCounterHasRatioZeroAndNeverFires) {
    TCounterRef c = TCounter::Create(0, 1);
    EXPECT_EQ(c->CounterLength, 0);
    EXPECT_FLOAT_EQ(c->GetRatio(), 0.0f);
    EXPECT_EQ(c->Manage(), 0);
}

TEST_F(CounterTest, CreateUsesTheCoreTickLength) {
    SetCalcAnimLength([](float ms) { return ms / 10.0f; }); // the core at half speed
    EXPECT_EQ(TCounter::Create(1000, 0)->CounterLength, 100);
    SetCalcAnimLength(nullptr);
    EXPECT_EQ(TCounter::Create(1000, 0)->CounterLength, 200);
}

TEST_F(CounterTest, ListRemovesAdjacentAndLastExpiries) {
    TCounterList list;
    float starts[] = {0.5f, 0.5f, 3.0f, 0.5f}; // two adjacent expiries, then the last element
    for (float s : starts)
        list.AddNew(1000)->Counter = s;
    TCounterRef survivor = list.ValueAtIndex(2);
    list.Manage(1);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.First(), survivor);
    EXPECT_FLOAT_EQ(survivor->Counter, 2.0f);
}

TEST_F(CounterTest, ListKeepsExpiredCountersWithoutRemove) {
    TCounterList list;
    list.AddNew(1000)->Counter = 0.5f;
    list.Manage(0);
    list.Manage(0);
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(CounterTest, SineDefaultsWrapAt360) {
    TSineCounterRef s = TSineCounter::Create();
    s->Manage();
    EXPECT_NEAR(s->ratio, std::sin(M_PI / 180.0), 1e-6);
    for (int i = 2; i <= 359; ++i)
        s->Manage();
    EXPECT_FLOAT_EQ(s->Counter, 359.0f);
    EXPECT_EQ(s->Manage(), 1);
    EXPECT_FLOAT_EQ(s->Counter, 0.0f);
}

TEST_F(CounterTest, SineRunOnceClampsAndStops) {
    TSineCounterRef s = TSineCounter::Create(0, 90, 2, 1);
    for (int i = 0; i < 45; ++i)
        s->Manage();
    EXPECT_FLOAT_EQ(s->Counter, 90.0f);
    EXPECT_EQ(s->Active, 0);
    EXPECT_NEAR(s->ratio, 1.0f, 1e-6);
    EXPECT_EQ(s->Manage(), 0);
}

TEST_F(CounterTest, SineNegativeSpeedWrapsForwardAndHonoursDelta) {
    TSineCounterRef s = TSineCounter::Create(0, 360, -1, 0);
    s->Manage();
    EXPECT_FLOAT_EQ(s->Counter, 359.0f);
    Delta = 0.5f;
    s->Manage();
    EXPECT_FLOAT_EQ(s->Counter, 358.5f);
}

TEST_F(CounterTest, SineInitAndSetCounter) {
    TSineCounter s;
    s.SetCounter(90);
    EXPECT_NEAR(s.ratio, 1.0f, 1e-6);
    s.Active = 0;
    s.Init(10, 20, 1, 0);
    EXPECT_FLOAT_EQ(s.Counter, 10.0f);
    EXPECT_FLOAT_EQ(s.ratio, 0.0f); // not the sine of the start
    EXPECT_EQ(s.Active, 0);         // Init leaves it
}

TEST(Color, ApplySetsTheDrawingStateApplyNoAlphaKeepsItsAlphaAndRestoreMakesItWhite) {
    auto drawing = [] {
        int r, g, b;
        platform::GetColor(r, g, b);
        return std::vector<float>{float(r), float(g), float(b), platform::GetAlpha()};
    };
    TColor copy;
    copy.Copy(*TColor::Create(10, 20, 30, 0.25f));
    platform::SetAlpha(0.8f);
    copy.ApplyNoAlpha();
    EXPECT_EQ(drawing(), (std::vector<float>{10, 20, 30, 0.8f}));
    copy.Apply();
    EXPECT_EQ(drawing(), (std::vector<float>{10, 20, 30, 0.25f}));
    TColor::Restore();
    EXPECT_EQ(drawing(), (std::vector<float>{255, 255, 255, 1}));
    // Out-of-range values are kept as given; the platform clamps them when they are applied.
    TColorRef bright = TColor::Create(300, -5, 128, 2.0f);
    EXPECT_EQ(bright->R, 300);
    bright->Apply();
    EXPECT_EQ(drawing(), (std::vector<float>{255, 0, 128, 1}));
    platform::ResetDrawState();
}

} // namespace

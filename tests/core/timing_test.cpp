// The logic clock: frame lengths into ticks, the cap, a clock going back, the averaging history,
// fast mode, and milliseconds into ticks.
#include "core_fixture.h"

namespace coretest {
namespace {

class TimingTest : public CoreTest {
protected:
    TFixedRateLogic& clockLogic() { return *Game->FixedRateLogic; }

    // One frame of ms milliseconds measured by Calc.
    void Frame(int ms) {
        platform::AdvanceClock(ms);
        clockLogic().Calc();
    }
};

TEST_F(TimingTest, FrameLengthsBecomeTicksCappedAtFiftyMilliseconds) {
    Game->FullScreen = 1;
    struct TCase {
        int ms;
        double ticks;
        int current;
        int maximum;
    };
    const TCase cases[] = {{0, 0.0, 0, 0},  {4, 0.8, 0, 0},     {5, 1.0, 1, 1},     {16, 3.2, 3, 3},
                           {17, 3.4, 3, 3}, {50, 10.0, 10, 10}, {51, 10.0, 10, 10}, {120, 10.0, 10, 10}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.ms);
        clockLogic().JitterCorrection = 0;
        clockLogic().Init();
        Frame(c.ms);
        EXPECT_NEAR(clockLogic().NumTicks, c.ticks, 1e-9);
        EXPECT_EQ(clockLogic().Current, c.current);
        EXPECT_EQ(clockLogic().maximum, c.maximum);
    }
}

TEST_F(TimingTest, AClockThatGoesBackReusesTheLastCount) {
    clockLogic().JitterCorrection = 0;
    platform::AdvanceClock(1000);
    clockLogic().Init();
    Frame(16);
    clockLogic().LastTime += 500; // the clock now reads earlier than the last frame
    Frame(0);
    EXPECT_NEAR(clockLogic().NumTicks, 3.2, 1e-9);
    EXPECT_GE(clockLogic().NumTicks, 0.0);
}

TEST_F(TimingTest, AveragingLeavesFiveFramesOutThenRecordsAndRingsAfterFifty) {
    Game->VSync = 0; // the average alone
    TFixedRateLogic& logic = clockLogic();
    logic.Create();
    logic.Init();
    for (int i = 0; i < 5; ++i)
        Frame(20);
    EXPECT_EQ(logic.HistorySize, 1);
    EXPECT_EQ(logic.History[0], 0);
    Frame(12); // the sixth frame: recorded in slot 0 and averaged alone
    EXPECT_EQ(logic.History[0], 12);
    EXPECT_NEAR(logic.NumTicks, 12.0 / 5.0, 1e-9);
    for (int i = 1; i < 50; ++i)
        Frame(10);
    EXPECT_EQ(logic.HistorySize, 50);
    EXPECT_EQ(logic.HistoryCounter, 0);
    Frame(30); // the 51st overwrites slot 0
    EXPECT_EQ(logic.History[0], 30);
    EXPECT_NEAR(logic.NumTicks, (30.0 + 49 * 10.0) / 50.0 / 5.0, 1e-9);
    logic.HistoryClear();
    Frame(8);
    EXPECT_NEAR(logic.NumTicks, 8.0 / 5.0, 1e-9);
}

TEST_F(TimingTest, WithVSyncOnAlternatingFramesAverageAndADroppedFrameCountsDirectly) {
    Game->VSync = 1;
    TFixedRateLogic& logic = clockLogic();
    logic.Create();
    logic.Init();
    for (int i = 0; i < 5; ++i)
        Frame(16);
    for (int i = 0; i < 10; ++i)
        Frame(i % 2 == 0 ? 16 : 17);
    EXPECT_NEAR(logic.NumTicks, 16.5 / 5.0, 1e-9);
    Frame(33);
    EXPECT_NEAR(logic.NumTicks, 33.0 / 5.0, 1e-9);
    Game->VSync = 0;
    Frame(33);
    double sum = 5 * 16 + 5 * 17 + 33 + 33;
    EXPECT_NEAR(logic.NumTicks, sum / 12 / 5.0, 1e-9);
}

TEST_F(TimingTest, FastModeGivesOneTickAndReadsNoWindowPosition) {
    Game->Fast = 1;
    Game->FullScreen = 0;
    Game->WindowX = 123; // a windowed game whose window "moved": fast mode never looks
    clockLogic().Init();
    double lastTime = clockLogic().LastTime;
    Frame(40);
    EXPECT_EQ(clockLogic().NumTicks, 1.0);
    EXPECT_EQ(clockLogic().Current, 1);
    EXPECT_EQ(clockLogic().LastTime, lastTime);
    EXPECT_EQ(Game->WindowX, 123);
}

TEST_F(TimingTest, MillisecondsBecomeUnroundedTicksAtTheCurrentSpeed) {
    clockLogic().Init();
    EXPECT_FLOAT_EQ(Game->CalcAnimLength(0), 0.0f);
    EXPECT_FLOAT_EQ(Game->CalcAnimLength(7), 1.4f);
    EXPECT_FLOAT_EQ(Game->CalcAnimLength(500), 100.0f);
    clockLogic().MS = 20.0f;
    Game->CurrentSpeed = 0.25f;
    EXPECT_FLOAT_EQ(Game->CalcAnimLength(1000), 200.0f);
    EXPECT_EQ(Game->CalcMilliSecsFromFrames(10, 1), 50);
    EXPECT_EQ(Game->CalcMilliSecsFromFrames(10, 0), 200);
}

TEST_F(TimingTest, StartUpInstallsTheTickConversionOnlyOnceTheClockHasItsLength) {
    EXPECT_EQ(Game->FixedRateLogic->MS, 0.0f);
    EXPECT_FLOAT_EQ(CalcAnimLength(500), 100.0f); // the framework's default until then
    InitGame();
    Game->CurrentSpeed = 0.5f;
    EXPECT_FLOAT_EQ(CalcAnimLength(500), 200.0f); // the game's own, which honours the speed
}

TEST_F(TimingTest, SetDeltaWritesTheGlobalStep) {
    clockLogic().SetDelta(0.4f);
    EXPECT_FLOAT_EQ(Delta, 0.4f);
    EXPECT_FLOAT_EQ(clockLogic().FullDelta, 0.4f);
}

} // namespace
} // namespace coretest

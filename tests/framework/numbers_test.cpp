// Rounding, number texts, timing and easing helpers.
#include "framework/cc_numbers.h"
#include "framework/cc_timing.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <memory>

namespace {

TEST(Numbers, TruncToIntMapsNaNAndOverflowToIntMin) {
    EXPECT_EQ(TruncToInt(-2.7), -2);
    EXPECT_EQ(TruncToInt(2.7), 2);
    EXPECT_EQ(TruncToInt(NAN), INT_MIN);
    EXPECT_EQ(TruncToInt(INFINITY), INT_MIN);
    EXPECT_EQ(TruncToInt(-INFINITY), INT_MIN);
    EXPECT_EQ(TruncToInt(3e9), INT_MIN);
    EXPECT_EQ(TruncToInt(2147483647.0), INT_MAX);
}

TEST(Numbers, RoundHalvesUpward) {
    struct Case {
        float in;
        int out;
    } cases[] = {{0.5f, 1}, {-0.5f, 0}, {-0.6f, -1}, {2.5f, 3}, {-2.5f, -2}, {10.4f, 10}, {10.6f, 11}};
    for (auto c : cases)
        EXPECT_EQ(ccRound(c.in), c.out) << c.in;
}

TEST(Numbers, RoundFloatHalvesAwayFromZero) {
    EXPECT_NEAR(ccRoundFloat(2.345f, 2), 2.35f, 1e-5);
    EXPECT_FLOAT_EQ(ccRoundFloat(-2.5f, 0), -3.0f);
}

TEST(Numbers, FormatNumber) {
    struct Case {
        double value;
        int decimals, group, width;
        const char* out;
    } cases[] = {
        {1234567.891, 2, 3, 0, "1,234,567.89"},
        {1234.5, 0, 3, 0, "1,234"},
        {1234.9, 0, 3, 0, "1,234"}, // cut, not rounded
        {123.4, 1, 3, 0, "123.4"},
        {5, 0, 0, 4, "   5"},
        {123456, 0, 0, 4, "rror"}, // "Error" cut to the field
        {-123456, 0, 3, 0, "-123,456"},
        {-1234.5, 1, 3, 0, "-1,234.5"},
        {0.00001, 2, 3, 0, "0.00"}, // no exponent form at either end
        {1e17, 0, 3, 0, "100,000,000,000,000,000"},
        {INFINITY, 2, 3, 0, "inf"},
        {1234, -10, 3, 0, "1,234"}, // negative decimals mean none
        {1234, -3, 3, 0, "1,234"},
        {1234.5, -1, 0, 6, "  1234"},
    };
    for (auto c : cases)
        EXPECT_EQ(ccFormatNumber(c.value, c.decimals, c.group, c.width), c.out) << c.value;
}

TEST(Numbers, FastRandStaysInItsBounds) {
    ccFastRandSeed(7);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(ccFastRand(3, 3), 3);
    for (int i = 0; i < 50; ++i) {
        int swapped = ccFastRand(5, 3), adjacent = ccFastRand(4, 3);
        EXPECT_TRUE(swapped >= 3 && swapped <= 5) << swapped;
        EXPECT_TRUE(adjacent == 3 || adjacent == 4) << adjacent;
    }
}

TEST(Numbers, CircleHelpers) {
    EXPECT_DOUBLE_EQ(ccPointToPointDist(0, 0, 3, 4), 5.0);
    EXPECT_DOUBLE_EQ(ccCircleHalfWidthAtY(5, 3), 4.0);
    // Touching does not count here: the distance must be strictly less than the radius.
    EXPECT_EQ(ccCircleLineIntersect2(-10, 0, 10, 0, 0, 5, 5), 0);
    EXPECT_EQ(ccCircleLineIntersect2(-10, 0, 10, 0, 0, 5, 5.01), 1);
    // A zero-length segment tests its start point.
    EXPECT_EQ(ccCircleLineIntersect2(1, 1, 1, 1, 0, 0, 1.5), 1);
    EXPECT_EQ(ccCircleLineIntersect2(3, 3, 3, 3, 0, 0, 1.5), 0);
}

TEST(Numbers, AddLists) {
    using List = platform::TList<int>;
    List dest, source, empty;
    dest.AddLast(std::make_shared<int>(1));
    for (auto v : {std::make_shared<int>(2), std::shared_ptr<int>(), std::make_shared<int>(3)})
        source.AddLast(v);
    EXPECT_EQ(ccAddLists(&dest, &empty), 0);
    EXPECT_EQ(dest.Count(), 1);
    EXPECT_EQ(ccAddLists(&dest, &source), 1);
    ASSERT_EQ(dest.Count(), 3);             // the null element is skipped
    EXPECT_EQ(dest.Last(), source.Last());  // shared, not copied
    EXPECT_EQ(ccAddLists(&dest, &dest), 0); // would never end
    EXPECT_EQ(dest.Count(), 3);
}

TEST(Timing, CalcAnimFrame) {
    struct Case {
        float t;
        int length, frames, forward, frame;
    } cases[] = {
        {0.5f, 100, 10, 1, 0}, {50, 100, 10, 1, 5},  {100, 100, 10, 1, 9}, {50, 100, 10, 0, 5},
        {0, 100, 10, 0, 9},    {150, 100, 10, 1, 9}, {150, 100, 10, 0, 0}, {0, 0, 10, 1, 0},
        {5, 0, 10, 1, 0},      {5, 0, 10, 0, 0}, // length 0: defined, frame 0
    };
    for (auto c : cases)
        EXPECT_EQ(ccCalcAnimFrame(c.t, c.length, c.frames, c.forward), c.frame)
            << c.t << "/" << c.length << " forward " << c.forward;
}

TEST(Timing, MillisecsToMinutes) {
    struct Case {
        float ms;
        int minutes, seconds;
    } cases[] = {{125000, 2, 5},
                 {-125000, -2, -5},
                 {59999, 0, 59},
                 {std::nanf(""), INT_MIN, INT_MIN}, // defined, as every float-to-int conversion
                 {-1e20f, INT_MIN, INT_MIN}};
    for (auto c : cases) {
        int m = 99, s = 99;
        ccMillisecsToMinutes(c.ms, m, s);
        EXPECT_EQ(m, c.minutes) << c.ms;
        EXPECT_EQ(s, c.seconds) << c.ms;
    }
}

TEST(Timing, Pow2SizeRoundsUpToAPowerOfTwoAndStopsAt2To30) {
    const struct {
        int n, size;
    } cases[] = {
        {INT_MIN, 1},
        {-1, 1},
        {0, 1},
        {1, 1},
        {2, 2},
        {3, 4},
        {33, 64},
        {64, 64},
        {(1 << 30) - 1, 1 << 30},
        {1 << 30, 1 << 30},
        {(1 << 30) + 1, 1 << 30},
        {INT_MAX, 1 << 30},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ccPow2Size(c.n), c.size) << c.n;
}

TEST(Timing, RatioToSine180EasesInAndOutThroughTheMiddle) {
    EXPECT_NEAR(ccRatioToSine180(0), 0, 1e-6);
    EXPECT_NEAR(ccRatioToSine180(0.5f), 0.5, 1e-6);
    EXPECT_NEAR(ccRatioToSine180(1), 1, 1e-6);
    EXPECT_NEAR(ccRatioToSine180(0.001f), 0, 1e-5); // flat at the ends
    EXPECT_LT(ccRatioToSine180(0.25f), 0.25f);      // slow start
    EXPECT_GT(ccRatioToSine180(0.75f), 0.75f);      // slow finish
}

TEST(Timing, RangeCheck100ClampsToZeroToHundred) {
    int v[] = {37, -5, 250, 0, 100};
    for (int& x : v)
        ccRangeCheck100(x);
    EXPECT_EQ((std::vector<int>(std::begin(v), std::end(v))), (std::vector<int>{37, 0, 100, 0, 100}));
}

TEST(Timing, AlmostZeroIsStrictlyInsideTheTolerance) {
    EXPECT_EQ(ccAlmostZero(0.0005, 0.001), 1);
    EXPECT_EQ(ccAlmostZero(-0.0005, 0.001), 1);
    EXPECT_EQ(ccAlmostZero(0.001, 0.001), 0);
    EXPECT_EQ(ccAlmostZero(-0.001, 0.001), 0);
}

TEST(Timing, MusicalNotesAreRatesOfEqualTemperament) {
    EXPECT_FLOAT_EQ(ccGetMusicalNote(0), 1.0f);
    EXPECT_FLOAT_EQ(ccGetMusicalNote(12), 2.0f);
    EXPECT_FLOAT_EQ(ccGetMusicalNote(-12), 0.5f);
    EXPECT_NEAR(ccGetMusicalNote(7), 1.4983f, 1e-4); // a fifth
    // Degrees of C major over two octaves to semitones; plain semitones below 0, +10 above 14.
    const int scale[][2] = {{-2, -2}, {0, 0},   {1, 2},   {2, 4},   {3, 5},  {4, 7},
                            {5, 9},   {6, 11},  {7, 12},  {8, 14},  {9, 16}, {10, 17},
                            {11, 19}, {12, 21}, {13, 23}, {14, 24}, {15, 25}};
    for (auto [degree, semitones] : scale)
        EXPECT_FLOAT_EQ(ccGetMusicalNoteInScaleC(degree), ccGetMusicalNote(semitones)) << degree;
}

TEST(Timing, PanFollowsTheScreenXFromLeftToRight) {
    EXPECT_FLOAT_EQ(ccCalcPan(0), -0.5f);
    EXPECT_FLOAT_EQ(ccCalcPan(400), 0.0f);
    EXPECT_FLOAT_EQ(ccCalcPan(800), 0.5f);
}

TEST(Timing, FrameTimesAndGameUnitsFollowTheTickRate) {
    EXPECT_FLOAT_EQ(ccCalcMSPerFrame(200), 5.0f);
    EXPECT_FLOAT_EQ(ccCalcMSPerFrame(60), 1000.0f / 60);
    EXPECT_EQ(ccSecondsToGameUnits(2), 400);
    EXPECT_EQ(ccSecondsToGameUnits(0), 0);
}

TEST(Timing, BezierEndsAndRoundFloatToString) {
    float x, y;
    ccBezier(0, 0, 10, 20, 3, 3, 7, 7, 1, x, y);
    EXPECT_FLOAT_EQ(x, 10);
    EXPECT_FLOAT_EQ(y, 20);
    ccBezier(0, 0, 10, 20, 3, 3, 7, 7, 0, x, y);
    EXPECT_FLOAT_EQ(x, 0);
    struct Case {
        float x;
        int places;
        const char* out;
    } cases[] = {{3.14159f, 2, "3.14"},   {0.05f, 2, "0.05"},   {2.5f, 0, "3"},      {0.25f, 1, "0.3"},
                 {-3.14159f, 2, "-3.14"}, {-0.05f, 2, "-0.05"}, {-0.25f, 1, "-0.2"}, {-0.001f, 2, "0.00"}};
    for (auto c : cases)
        EXPECT_EQ(ccRoundFloatToString(c.x, c.places), c.out) << c.x;
}

TEST(Timing, VectorShorthandsLeaveArgumentsAlone) {
    TVectorRef a = TVector::Create(1, 2), b = TVector::Create(3, 5);
    TVectorRef sum = ccVectorAdd(*a, *b), diff = ccVectorSubtract(*a, *b), scaled = ccVectorMultiply(*a, 2);
    EXPECT_EQ((std::vector<double>{sum->x, sum->y, diff->x, diff->y, scaled->x, scaled->y}),
              (std::vector<double>{4, 7, -2, -3, 2, 4}));
    EXPECT_EQ(a->x, 1);
    EXPECT_EQ(b->y, 5);
}

} // namespace

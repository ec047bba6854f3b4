// The map's arithmetic against the shipped map picture: both zooms, the opening zoom's and the
// glide's scroll, edge scrolling with its clamps, the dot hit test and the far background's cover.
#include "screens/level_map_math.h"

#include "platform/TPixmap.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr float EPS = 0.001f;
const std::string DATA = SLEETWHISTLE_TEST_DATA_DIR;

// The dots the tables use, in map pixels.
const TAccuratePoint DOT[] = {{0, 0}, {87, 693}, {438, 771}, {536, 746}, {449, 527}, {193, 286}, {289, 48}};
enum { L1 = 1, L12, L15, L39, L47, L55 };

class LevelMapMathTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::PixmapRef map = platform::LoadPixmap(DATA + "/graphics/levelselect.png");
        platform::PixmapRef far = platform::LoadPixmap(DATA + "/graphics/mapbackground.jpg");
        ASSERT_TRUE(map && far);
        g.MapW = float(map->width);
        g.MapH = float(map->height);
        farW = float(far->width);
        farH = float(far->height);
    }
    TMapGeometry g;
    float farW = 0, farH = 0;
};

TEST_F(LevelMapMathTest, ShippedPicturesHaveTheSizesTheTablesAssume) {
    EXPECT_EQ(g.MapW, 860.0f);
    EXPECT_EQ(g.MapH, 1000.0f);
    EXPECT_EQ(farW, 1100.0f);
    EXPECT_EQ(farH, 1200.0f);
}

TEST_F(LevelMapMathTest, ZoomAmountOfBothZooms) {
    struct TCase {
        int zoomIn;
        float r, expected;
    };
    for (TCase c : {TCase{1, 1, 0.069767f},
                    {1, 0.5f, 0.034884f},
                    {1, 0, 0},
                    {0, 1, 0},
                    {0, 0.5f, 0.069767f},
                    {0, 0, 0.139535f}})
        EXPECT_NEAR(MapZoomAmount(g, c.zoomIn, c.r), c.expected, 1e-5) << c.zoomIn << " r " << c.r;
}

TEST_F(LevelMapMathTest, OpeningZoomCentresTheMapThenTheDotAsFarAsTheEdgesAllow) {
    struct TCase {
        int level;
        float r, x, y;
    };
    const TCase cases[] = {
        {L1, 0.5f, -0.5233f, -279.0698f},   {L1, 0, 0, -400},
        {L12, 0.5f, -18.8605f, -279.0698f}, {L12, 0, -38, -400},
        {L15, 0.5f, -29.4767f, -279.0698f}, {L15, 0, -60, -400},
        {L39, 0.5f, -24.1686f, -229.3663f}, {L39, 0, -49, -297},
        {L47, 0.5f, -0.5233f, -113.0698f},  {L47, 0, 0, -56},
        {L55, 0.5f, -0.5233f, -86.0465f},   {L55, 0, 0, 0},
    };
    for (int level : {L1, L12, L15, L39, L47, L55}) {
        TMapScroll s = OpeningZoomScroll(g, DOT[level].X, DOT[level].Y, MapZoomAmount(g, 1, 1), 1);
        EXPECT_NEAR(s.X, 0, EPS) << level;
        EXPECT_NEAR(s.Y, -165.1163f, EPS) << level;
    }
    for (const TCase& c : cases) {
        TMapScroll s = OpeningZoomScroll(g, DOT[c.level].X, DOT[c.level].Y, MapZoomAmount(g, 1, c.r), c.r);
        EXPECT_NEAR(s.X, c.x, EPS) << "level index " << c.level << " r " << c.r;
        EXPECT_NEAR(s.Y, c.y, EPS) << "level index " << c.level << " r " << c.r;
    }
}

TEST_F(LevelMapMathTest, GlideAfterAChoiceRunsFromTheChoiceToTheDotAtTheEndScale) {
    struct TCase {
        int level, lastX, lastY;
        float r, x, y;
    };
    const TCase cases[] = {
        {L1, 0, -400, 1, 0, -400},
        {L1, 0, -400, 0.5f, 30, -330.2326f},
        {L1, 0, -400, 0, 60, -260.4651f},
        {L39, -49, -297, 1, -49, -297},
        {L39, -49, -297, 0.5f, 5.5f, -255.3488f},
        {L39, -49, -297, 0, 60, -213.6977f},
        {L47, 0, -56, 0.5f, 30, -31.1628f},
        {L47, 0, -56, 0, 60, -6.3256f},
        {L55, 0, 0, 0.5f, 30, 0},
        {L55, 0, 0, 0, 60, 0},
    };
    for (const TCase& c : cases) {
        TMapScroll s = ChoiceZoomScroll(g, DOT[c.level].X, DOT[c.level].Y, c.lastX, c.lastY, c.r);
        EXPECT_NEAR(s.X, c.x, EPS) << "level index " << c.level << " r " << c.r;
        EXPECT_NEAR(s.Y, c.y, EPS) << "level index " << c.level << " r " << c.r;
    }
}

TEST_F(LevelMapMathTest, EdgeScrollingMovesInProportionToTheBandAndStopsAtTheEdges) {
    struct TCase {
        float sx, sy, mx, my, delta, x, y;
    };
    const TCase cases[] = {
        {-30, -200, 0, 300, 1, -28, -200},
        {-30, -200, 30, 300, 1, -29, -200},
        {-30, -200, 59, 300, 1, -30 + 1.0f / 30, -200},
        {-30, -200, 60, 300, 1, -30, -200},
        {-30, -200, 740, 300, 1, -30, -200},
        {-30, -200, 741, 300, 1, -30 - 1.0f / 30, -200},
        {-30, -200, 799, 300, 1, -30 - 59.0f / 30, -200},
        {-30, -200, 0, 0, 1, -28, -198},
        {-30, -200, 0, 300, 0.2f, -29.6f, -200},
        {-59.5f, -200, 799, 300, 1, -60, -200},
        {-1, -200, 0, 300, 1, 0, -200},
        {-30, -401, 400, 300, 1, -30, -400},
        {-30, -399, 400, 599, 1, -30, -400},
    };
    for (const TCase& c : cases) {
        TMapScroll s = EdgeScroll(g, {c.sx, c.sy}, c.mx, c.my, c.delta);
        EXPECT_NEAR(s.X, c.x, 1e-4) << "pointer " << c.mx << "," << c.my << " from " << c.sx;
        EXPECT_NEAR(s.Y, c.y, 1e-4) << "pointer " << c.mx << "," << c.my << " from " << c.sy;
    }
}

TEST_F(LevelMapMathTest, MapsNoLargerThanTheScreenNeverScroll) {
    for (auto [w, h] : {std::pair{800.0f, 600.0f}, {500.0f, 400.0f}}) {
        TMapGeometry small = g;
        small.MapW = w;
        small.MapH = h;
        for (auto [mx, my] : {std::pair{0.0f, 0.0f}, {799.0f, 599.0f}}) {
            TMapScroll s = EdgeScroll(small, {0, 0}, mx, my, 1);
            EXPECT_EQ(s.X, 0.0f) << w;
            EXPECT_EQ(s.Y, 0.0f) << w;
        }
    }
}

TEST_F(LevelMapMathTest, DotHitBoxIsTwentyPixelsFromTenBeforeTheCentre) {
    const std::vector<TAccuratePoint> dots = {{100, 200}};
    const TMapScroll scroll{-20, -30};
    const float dx = 80, dy = 240; // the dot on screen
    struct TCase {
        float mx, my;
        int hit;
    };
    for (TCase c : {TCase{dx - 10, dy, 0},
                    {dx + 9, dy, 0},
                    {dx + 10, dy, -1},
                    {dx - 11, dy, -1},
                    {dx, dy - 10, 0},
                    {dx, dy + 9, 0},
                    {dx, dy + 10, -1},
                    {dx + 9.5f, dy + 9.5f, 0}})
        EXPECT_EQ(DotUnderPointer(dots, g, scroll, c.mx, c.my), c.hit) << c.mx << "," << c.my;
}

TEST_F(LevelMapMathTest, OverlappingDotsGiveTheLowerLevel) {
    const std::vector<TAccuratePoint> dots = {{300, 300}, {305, 305}, {308, 302}};
    EXPECT_EQ(DotUnderPointer(dots, g, {0, 0}, 306, 376), 0);
    EXPECT_EQ(DotUnderPointer(dots, g, {0, 0}, 312, 382), 1);
    EXPECT_EQ(DotUnderPointer(dots, g, {0, 0}, 317, 372), 2);
}

TEST_F(LevelMapMathTest, FarBackgroundCoversTheScreenInEveryState) {
    const float fit = g.Fit(), end = 2 * fit - 1;
    struct TCase {
        const char* state;
        TMapScroll scroll;
        float k;
    };
    const TCase cases[] = {
        {"opening start", OpeningZoomScroll(g, DOT[L1].X, DOT[L1].Y, MapZoomAmount(g, 1, 1), 1), fit},
        {"choice end, level 1", ChoiceZoomScroll(g, DOT[L1].X, DOT[L1].Y, 0, -400, 0), end},
        {"choice end, level 55", ChoiceZoomScroll(g, DOT[L55].X, DOT[L55].Y, 0, 0, 0), end},
        {"browsing top left", {0, 0}, 1},
        {"browsing top right", {-60, 0}, 1},
        {"browsing bottom left", {0, -400}, 1},
        {"browsing bottom right", {-60, -400}, 1},
    };
    for (const TCase& c : cases) {
        TMapRect r = FarBackgroundRect(c.scroll, c.k, farW, farH);
        EXPECT_LE(r.X, 0) << c.state;
        EXPECT_LE(r.Y, 0) << c.state;
        EXPECT_GE(r.X + r.W, 800) << c.state;
        EXPECT_GE(r.Y + r.H, 600) << c.state;
    }
    TMapRect bottomRight = FarBackgroundRect({-60, -400}, 1, farW, farH);
    EXPECT_NEAR(bottomRight.X, -80, EPS);
    EXPECT_NEAR(bottomRight.Y, -410, EPS);
}

} // namespace

// The board's drawing on the recording renderer with the real board images: a cell's surface and
// frame pieces, its outline and shadow, the board's layers and their state, the gems (highlights,
// wobble, explosion, shake, strips, ice cube) and the order of the gem list.
#include "board_draw_fixture.h"

#include "board/TCell.h"
#include "framework/TSineCounter.h"
#include "platform/draw.h"

#include <cmath>

using namespace boardtest;
using platform::DrawCall;
using platform::DrawKind;

namespace {

using CellDrawTest = BoardDrawTest;

struct TRectCase {
    float x, y, w, h;
};

void ExpectRect(const DrawCall& call, float x, float y, float w, float h, const std::string& what) {
    EXPECT_EQ(call.kind, DrawKind::Rect) << what;
    EXPECT_FLOAT_EQ(call.x, x) << what;
    EXPECT_FLOAT_EQ(call.y, y) << what;
    EXPECT_FLOAT_EQ(call.w, w) << what;
    EXPECT_FLOAT_EQ(call.h, h) << what;
}

TEST_F(CellDrawTest, TheSurfaceShowsTheTopIceLayerAndOnlyIceLightsUpInAFlash) {
    struct TCase {
        const char* what;
        int gold, armour;
        float glow;
        const char* surface;
        bool lit;
    } cases[] = {
        {"thick ice", 1, 1, 0.0f, "armour", false},
        {"thick ice lit", 1, 1, 0.3f, "armour", true},
        {"thick ice dark", 1, 1, -0.01f, "armour", false},
        {"pane", 1, 0, 0.0f, "brick", false},
        {"pane lit", 1, 0, 0.3f, "brick", true},
        {"pane dark", 1, 0, -0.01f, "brick", false},
        {"plain", 0, 0, 0.0f, "cellpane", false},
        {"plain in a flash", 0, 0, 0.3f, "cellpane", false},
        {"plain dark", 0, 0, -0.01f, "cellpane", false},
    };
    BuildBoard({"1 2", "3 4"});
    ASSERT_EQ(TCell::CellImage->w, 52);
    for (const TCase& c : cases) {
        recorder->calls.clear();
        TCell& cell = *Grid[0][0];
        cell.gold = c.gold, cell.armour = c.armour, cell.glow = c.glow;
        cell.DrawRight = 1, cell.DrawBottom = 1, cell.DrawCorner = 1;
        cell.Draw();
        std::vector<std::string> expected = {c.surface};
        if (c.lit) expected.push_back(c.surface);
        for (const char* piece : {"cell", "cellrightside", "cellbottom", "cellcorner"})
            expected.push_back(piece);
        ASSERT_EQ(Names(), expected) << c.what;
        const float off = c.gold ? 0.0f : -1.0f;
        EXPECT_FLOAT_EQ(Calls()[0].x, cell.sx + off) << c.what;
        EXPECT_FLOAT_EQ(Calls()[0].y, cell.sy + off) << c.what;
        if (c.lit) {
            const DrawCall& light = Calls()[1];
            EXPECT_EQ(light.state.blend, platform::BLEND_LIGHT) << c.what;
            EXPECT_EQ(light.state.r, int(255 * 0.3f)) << c.what;
        }
        const size_t frame = c.lit ? 2 : 1;
        EXPECT_FLOAT_EQ(Calls()[frame].x, cell.sx - 1) << c.what;
        EXPECT_FLOAT_EQ(Calls()[frame + 1].x, cell.sx - 1 + 50) << c.what;
        EXPECT_FLOAT_EQ(Calls()[frame + 2].y, cell.sy - 1 + 50) << c.what;
        EXPECT_FLOAT_EQ(Calls()[frame + 3].x, cell.sx - 1 + 50) << c.what;
        EXPECT_FLOAT_EQ(Calls()[frame + 3].y, cell.sy - 1 + 50) << c.what;
        EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA) << c.what;
    }
}

TEST_F(CellDrawTest, AHoleDrawsNothing) {
    BuildBoard({"1 #"});
    Grid[1][0]->gold = 1;
    Grid[1][0]->Draw();
    EXPECT_TRUE(Calls().empty());
}

TEST_F(CellDrawTest, EachOutlineFlagDrawsItsShadowAndOutlineRectangles) {
    struct TCase {
        int TCell::*flag;
        const char* what;
        std::vector<TRectCase> shadow, outline;
    } cases[] = {
        {&TCell::DrawLeft, "left", {}, {{-4, 0, 4, 50}}},
        {&TCell::DrawBottom, "bottom", {{0, 54, 50, 4}}, {{0, 49, 50, 5}}},
        {&TCell::DrawTop, "top", {}, {{0, -4, 50, 4}}},
        {&TCell::DrawRight, "right", {{54, 0, 4, 50}}, {{49, 0, 5, 50}}},
        {&TCell::DrawTL, "top left", {}, {{-4, -4, 4, 4}}},
        {&TCell::DrawTR, "top right", {}, {{49, -4, 5, 4}}},
        {&TCell::DrawBR, "bottom right", {{50, 50, 8, 8}}, {{49, 49, 5, 5}}},
        {&TCell::DrawBL, "bottom left", {}, {{-4, 49, 4, 5}}},
    };
    TGameGrid& grid = BuildBoard({"1 2", "3 4"});
    grid.alpha = 0.6f;
    TCell& cell = *Grid[1][0];
    for (const TCase& c : cases) {
        recorder->calls.clear();
        cell.DrawLeft = cell.DrawTop = cell.DrawRight = cell.DrawBottom = 0;
        cell.DrawTL = cell.DrawTR = cell.DrawBR = cell.DrawBL = 0;
        Grid[0][1]->DrawRight = 0;
        cell.*c.flag = 1;
        cell.DrawBorder();
        ASSERT_EQ(Calls().size(), c.shadow.size() + c.outline.size()) << c.what;
        size_t i = 0;
        for (const TRectCase& r : c.shadow) {
            const DrawCall& call = Calls()[i++];
            ExpectRect(call, cell.sx + r.x, cell.sy + r.y, r.w, r.h, c.what);
            EXPECT_EQ(call.state.r, 50) << c.what;
            EXPECT_FLOAT_EQ(call.state.alpha, 0.3f) << c.what;
        }
        for (const TRectCase& r : c.outline) {
            const DrawCall& call = Calls()[i++];
            ExpectRect(call, cell.sx + r.x, cell.sy + r.y, r.w, r.h, c.what);
            EXPECT_EQ(call.state.r, 255) << c.what;
            EXPECT_EQ(call.state.g, 214) << c.what;
            EXPECT_EQ(call.state.b, 112) << c.what;
            EXPECT_FLOAT_EQ(call.state.alpha, 0.6f) << c.what;
        }
    }
}

TEST_F(CellDrawTest, TheBottomShadowStopsShortOfAnOutlineTurningDownAtTheLowerLeft) {
    BuildBoard({"1 2 3", "4 5 6", "1 2 3"});
    struct TCase {
        int x, y;
        bool lowerLeftRight;
        float left, width;
    } cases[] = {
        {1, 0, true, 8, 42},  // the cell below-left carries a right outline
        {1, 0, false, 0, 50}, // it does not
        {0, 0, true, 0, 50},  // column 0 has no cell to its lower left
        {1, 2, true, 0, 50},  // the last row has no row below
    };
    for (const TCase& c : cases) {
        recorder->calls.clear();
        TCell& cell = *Grid[c.x][c.y];
        cell.DrawLeft = cell.DrawTop = cell.DrawRight = cell.DrawTL = cell.DrawTR = cell.DrawBR =
            cell.DrawBL = 0;
        cell.DrawBottom = 1;
        if (c.x > 0 && c.y + 1 < 3) Grid[c.x - 1][c.y + 1]->DrawRight = c.lowerLeftRight ? 1 : 0;
        if (c.x == 0) Grid[0][1]->DrawRight = 1;
        cell.DrawBorder();
        ASSERT_FALSE(Calls().empty());
        ExpectRect(Calls()[0], cell.sx + c.left, cell.sy + 54, c.width, 4, "shadow");
    }
}

using BoardLayersTest = BoardDrawTest;

// The index of the first call drawing name at or after from, or -1.
int Find(const std::vector<std::string>& names, const std::string& name, size_t from = 0) {
    for (size_t i = from; i < names.size(); ++i)
        if (names[i] == name) return int(i);
    return -1;
}

TEST_F(BoardLayersTest, OutlineSquaresHighlightGemsAndCursorComeInTheirOrder) {
    TGameGrid& grid = BuildBoard({"1 2", "3 4"});
    grid.alpha = 0.3f;
    grid.mx = 1, grid.my = 1;
    grid.CursorSet(0, 0);
    ASSERT_EQ(grid.Mode, 1);
    grid.Draw();
    const auto names = Names();
    const int firstSquare = Find(names, "cellpane");
    const int firstGem = Find(names, "gems");
    const int cursor = Find(names, "cursor");
    ASSERT_GT(firstSquare, 0);
    for (int i = 0; i < firstSquare; ++i)
        EXPECT_EQ(names[size_t(i)], "RECT") << i;
    // The highlight is the one rectangle after the squares, under the gems.
    int highlight = -1;
    for (int i = firstSquare; i < firstGem; ++i)
        if (names[size_t(i)] == "RECT") highlight = i;
    ASSERT_GT(highlight, firstSquare);
    const DrawCall& h = Calls()[size_t(highlight)];
    ExpectRect(h, float(CalcSX(1) + 1), float(CalcSY(1) + 1), 48, 48, "highlight");
    EXPECT_EQ(h.state.g, 214);
    EXPECT_FLOAT_EQ(h.state.alpha, 0.3f);
    EXPECT_FLOAT_EQ(Calls()[size_t(firstSquare)].state.alpha, 0.3f);
    for (const DrawCall& call : Calls()) {
        if (call.kind == DrawKind::Rect && call.state.r == 50) {
            EXPECT_FLOAT_EQ(call.state.alpha, 0.15f); // the shadow at half the board's alpha
        }
    }
    EXPECT_FLOAT_EQ(Calls()[size_t(firstGem)].state.alpha, 1.0f);
    ASSERT_GT(cursor, firstGem);
    EXPECT_EQ(Find(names, "gems", size_t(cursor)), -1);
    EXPECT_FLOAT_EQ(Calls()[size_t(cursor)].x, float(CalcSX(0)));
    EXPECT_FLOAT_EQ(Calls()[size_t(cursor)].y, float(CalcSY(0)));
    int r, g, b;
    platform::GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA);
}

TEST_F(BoardLayersTest, TheHoverHighlightIsLeftOutWhereTheSquareCannotBeChosen) {
    struct TCase {
        const char* what;
        int mx, my;
        int noMore, outro, levelComplete;
        bool shown;
    } cases[] = {
        {"a free gem", 0, 0, 0, 0, 0, true},
        {"an empty square", 2, 0, 0, 0, 0, true},
        {"off the board", -1, -1, 0, 0, 0, false},
        {"a hole", 3, 0, 0, 0, 0, false},
        {"a gem in an ice cube", 1, 0, 0, 0, 0, false},
        {"no more moves", 0, 0, 1, 0, 0, false},
        {"the outro", 0, 0, 0, 1, 0, false},
        {"the level-complete panel", 0, 0, 0, 0, 1, false},
    };
    struct TPanelHost : TRecordingHost {
        int Panel = 0;
        int LevelCompleteActive() override { return Panel; }
    } panelHost;
    SetBoardHost(&panelHost);
    for (const TCase& c : cases) {
        TGameGrid& grid = BuildBoard({"1 2c . #"});
        recorder->calls.clear();
        grid.mx = c.mx, grid.my = c.my, grid.NoMore = c.noMore;
        panelHost.Outro = c.outro;
        panelHost.Panel = c.levelComplete;
        grid.Draw();
        int highlights = 0;
        for (const DrawCall& call : Calls())
            if (call.kind == DrawKind::Rect && call.w == 48.0f) ++highlights;
        EXPECT_EQ(highlights, c.shown ? 1 : 0) << c.what;
    }
}

TEST_F(BoardLayersTest, TheCursorShinesWithThePulseAndIsAbsentWithoutASelection) {
    struct TCase {
        float ratio;
        int light;
    } cases[] = {{0.0f, 255}, {1.0f, 51}, {0.5f, 153}};
    TGameGrid& grid = BuildBoard({"1 2", "3 4"});
    grid.Draw();
    EXPECT_EQ(Find(Names(), "cursor"), -1);
    grid.CursorSet(1, 1);
    for (const TCase& c : cases) {
        recorder->calls.clear();
        grid.glow->ratio = c.ratio;
        grid.Draw();
        const auto names = Names();
        const int cursor = Find(names, "cursor");
        ASSERT_GE(cursor, 0);
        ASSERT_EQ(names[size_t(cursor) + 1], "cursor");
        const DrawCall& light = Calls()[size_t(cursor) + 1];
        EXPECT_EQ(light.state.blend, platform::BLEND_LIGHT);
        EXPECT_NEAR(light.state.r, c.light, 1) << c.ratio;
    }
}

using GemDrawTest = BoardDrawTest;

TEST_F(GemDrawTest, AnItemStandsOnItsPulsingHighlightAndShowsItsSharedIdleFrame) {
    TGameGrid& grid = BuildBoard({"8 8 1"});
    grid.glow2->ratio = 1.0f;
    TGem::BonusIdleCounter[ITEM_PUDDING] = TGem::BonusIdleLengthsConverted[ITEM_PUDDING] * 0.5f;
    Grid[0][0]->Gem->DrawGem();
    Grid[1][0]->Gem->DrawGem();
    const auto names = Names();
    ASSERT_EQ(names, (std::vector<std::string>{"bonushighlightmid", "bonushighlightmid", "bonus8idle",
                                               "bonushighlightmid", "bonushighlightmid", "bonus8idle"}));
    EXPECT_EQ(Calls()[1].state.blend, platform::BLEND_LIGHT);
    EXPECT_NEAR(Calls()[1].state.r, 255 * 0.3f, 1);
    EXPECT_FLOAT_EQ(Calls()[0].x, Grid[0][0]->Gem->x);
    EXPECT_EQ(Calls()[2].frame, Calls()[5].frame);
    EXPECT_GT(Calls()[2].frame, 0);
}

TEST_F(GemDrawTest, AHintedGemWobblesByTheHintClock) {
    TGameGrid& grid = BuildBoard({"1 2"});
    TGem& gem = *Grid[0][0]->Gem;
    gem.SetHintWobble(1);
    grid.HintCounter = 3.0f;
    gem.DrawGem();
    EXPECT_NEAR(gem.offx, 3.0f * std::sin(30.0f * 3.14159265f / 180.0f), 1e-4);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_NEAR(Calls()[0].x, gem.x + gem.offx, 1e-4);
}

TEST_F(GemDrawTest, AnExplodingGemShowsOnlyItsGrowingFadingRing) {
    struct TCase {
        float counter;
        float scale, alpha;
    } cases[] = {
        {60.0f, 0.2f, 1.0f},          // the start: a small ring
        {30.0f, 0.7f, 1.0f},          // half-way
        {12.0f, 1.0f, 12.0f / 20.0f}, // capped from the 48th tick, fading in the last 20
        {1.0f, 1.0f, 1.0f / 20.0f},
    };
    BuildBoard({"1g 2c"});
    for (const TCase& c : cases) {
        TGem& gem = *Grid[0][0]->Gem;
        recorder->calls.clear();
        gem.ExplosionLength = 60.0f;
        gem.ExplosionCounter = c.counter;
        gem.DrawGem();
        ASSERT_EQ(Names(), std::vector<std::string>{"particlering"}) << c.counter;
        EXPECT_FLOAT_EQ(Calls()[0].x, gem.x + 25);
        EXPECT_NEAR(Calls()[0].state.scaleX, c.scale, 1e-4) << c.counter;
        EXPECT_NEAR(Calls()[0].state.alpha, c.alpha, 1e-4) << c.counter;
        float sx, sy;
        platform::GetScale(sx, sy);
        EXPECT_FLOAT_EQ(sx, 1.0f);
        EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
    }
}

TEST_F(GemDrawTest, AnActivatedItemPlaysItsStripForwardAndTheSnowmanShowsNothing) {
    BuildBoard({"11 12"});
    TGem& star = *Grid[0][0]->Gem;
    star.AnimActive = 1;
    star.ExplosionLength = 100.0f;
    std::vector<int> frames;
    for (float counter : {99.0f, 50.0f, 1.0f}) {
        recorder->calls.clear();
        star.ExplosionCounter = counter;
        star.DrawGem();
        ASSERT_EQ(Names().back(), "bonus11idle");
        frames.push_back(Calls().back().frame);
    }
    EXPECT_LT(frames[0], frames[1]);
    EXPECT_LT(frames[1], frames[2]);
    TGem& snowman = *Grid[1][0]->Gem;
    snowman.AnimActive = 1;
    snowman.ExplosionCounter = 10.0f;
    recorder->calls.clear();
    snowman.DrawGem();
    EXPECT_EQ(Names(), (std::vector<std::string>{"bonushighlightmid", "bonushighlightmid"}));
}

TEST_F(GemDrawTest, AGlowingGemInACubeShakesWithTheBoardAndItsCubeComesLast) {
    TGameGrid& grid = BuildBoard({"3gc 2"});
    TGem& gem = *Grid[0][0]->Gem;
    grid.NoMore = 1;
    grid.JiggleOffset = 2.5f;
    gem.DrawGem();
    ASSERT_EQ(Names(), (std::vector<std::string>{"magichighlight", "magichighlight", "gems", "lock"}));
    EXPECT_FLOAT_EQ(Calls()[0].x, gem.x - 7);
    EXPECT_FLOAT_EQ(Calls()[2].x, gem.x + 2.5f);
    EXPECT_FLOAT_EQ(Calls()[3].x, gem.x + 2.5f);
    EXPECT_FLOAT_EQ(Calls()[3].state.rotation, 0.0f);

    // Spreading: the highlight on the centred handle, the cube turned with the gem.
    recorder->calls.clear();
    grid.NoMoreCounter = 10.0f;
    grid.Exploded = 1;
    gem.Rotation = 40.0f;
    gem.DrawGem();
    EXPECT_FLOAT_EQ(Calls()[0].x, gem.x);
    EXPECT_FLOAT_EQ(Calls().back().state.rotation, 40.0f);
    EXPECT_FLOAT_EQ(platform::GetRotation(), 0.0f);
}

TEST_F(GemDrawTest, AHoveredShapePlaysItsStripWithAShadowOnlyAtHighParticleSettings) {
    BuildBoard({"4 2"});
    TGem& gem = *Grid[0][0]->Gem;
    gem.MOAnimCounter = float(TGem::MOAnimLength) * 0.5f;
    for (int particles : {49, 50}) {
        Game->Particles = particles;
        GemList->SetShadow();
        recorder->calls.clear();
        gem.DrawGem();
        std::vector<std::string> expected = {"gem4anim"};
        if (particles >= 50) expected.insert(expected.begin(), "gem4anim");
        EXPECT_EQ(Names(), expected) << particles;
        EXPECT_GT(Calls().back().frame, 0);
    }
}

TEST_F(GemDrawTest, TheListDrawsTheSwapsDestinationThenItsSourceOnTop) {
    TGameGrid& grid = BuildBoard({"1 2 3", "4 5 6"});
    TGemRef a = Grid[0][0]->Gem, b = Grid[1][0]->Gem, stray = Grid[2][1]->Gem;
    a->Swapping = b->Swapping = 1;
    grid.SwapSource = a;
    grid.SwapDest = b;
    stray->Swapping = 1; // left over by a swap that ended in the no-more-moves sequence
    GemList->Draw();
    ASSERT_EQ(Calls().size(), 6u);
    EXPECT_FLOAT_EQ(Calls()[4].x, b->x);
    EXPECT_FLOAT_EQ(Calls()[5].x, a->x);
    int strayDraws = 0;
    for (const DrawCall& call : Calls())
        if (call.x == stray->x && call.y == stray->y) ++strayDraws;
    EXPECT_EQ(strayDraws, 1);
}

} // namespace

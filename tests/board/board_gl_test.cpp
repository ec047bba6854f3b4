// The showcase level at rest on the real GL side: outline, ice, holes, ice cubes, every item, a
// hovered square and a selected gem. A few pixels are checked; the frame is kept for a person to
// look at.
#include "GLWindow.h"
#include "board_draw_fixture.h"

#include "board/TCell.h"
#include "board/board_fill.h"
#include "framework/TSineCounter.h"
#include "media/TImageBank.h"
#include "platform/TPixmap.h"
#include "platform/draw.h"
#include "platform/graphics.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

using namespace boardtest;

namespace {

int Brightness(const platform::PixmapRef& frame, int x, int y) {
    uint32_t p = platform::ReadPixel(frame, x, y);
    return int((p >> 16) & 255) + int((p >> 8) & 255) + int(p & 255);
}

class BoardSceneTest : public testsupport::GLWindowTest {
protected:
    void SetUp() override {
        GLWindowTest::SetUp();
        BoardHeadlessStart(BOARD_TEST_DIR, 100);
        Delta = 1.0f;
        platform::SeedRnd(7);
        LoadBoardBankImages();
        LoadBoardDrawImages();
        images->Precache();
    }
    void TearDown() override {
        BoardResetGlobals();
        images = nullptr;
        sounds = nullptr;
        Game = nullptr;
        ShowErrors = 1;
    }
    // The bare frame behind the board: the background the game screen draws first.
    static void DrawScene() {
        platform::SetClsColor(24, 44, 88);
        platform::Cls();
        platform::ResetDrawState();
        GameGrid->Draw();
        platform::CurrentRenderer() ? platform::CurrentRenderer()->Flush() : void();
    }
};

TEST_F(BoardSceneTest, TheShowcaseAtRestWithAHoveredSquareAndASelectedGem) {
    ASSERT_EQ(BoardLevelStart(30), 0);
    TGameGrid& grid = *GameGrid;
    ASSERT_EQ(grid.sx, 235);
    ASSERT_EQ(grid.sy, 75);
    // The same free square unhovered, then hovered; a gem selected elsewhere.
    const int hx = 1, hy = 1;
    ASSERT_EQ(Grid[hx][hy]->Gem->locked, 0);
    const int px = CalcSX(hx) + 3, py = CalcSY(hy) + 3;
    DrawScene();
    const int plain = Brightness(Grab(), px, py);
    grid.mx = hx, grid.my = hy;
    grid.CursorSet(6, 4);
    grid.glow->ratio = 0.0f;
    DrawScene();
    platform::PixmapRef frame = Grab();
    testsupport::SaveTestOutput(frame, "board-showcase.png");

    EXPECT_GT(Brightness(frame, px, py), plain);
    // The outline along the top of the second column, outside the cells.
    EXPECT_TRUE(testsupport::PixelNear(frame, CalcSX(1) + 20, CalcSY(0) - 2, 255, 214, 112, 8));
    // The cursor's frame lights the selected cell's top edge above its unselected neighbour's.
    for (int dy : {1, 2, 3})
        EXPECT_GT(Brightness(frame, CalcSX(6) + 25, CalcSY(4) + dy),
                  Brightness(frame, CalcSX(7) + 25, CalcSY(4) + dy) + 60)
            << dy;
}

// The board draws its squares a layer at a time (the ice that stays inside its square first) so
// that their pictures batch: the frame must be the one that drawing each square whole gives, with
// ice, thick ice, plain squares, holes and flashes of several brightnesses.
TEST_F(BoardSceneTest, SquaresDrawnLayerByLayerLookAsSquaresDrawnWhole) {
    ASSERT_EQ(BoardLevelStart(30), 0);
    ASSERT_TRUE(TCell::SurfaceInside[TCell::SURFACE_ICE]) << "no layer to compare";
    const TGameGrid& grid = *GameGrid;
    int kinds[3] = {};
    for (int x = 0; x < grid.levelwidth; ++x)
        for (int y = 0; y < grid.levelheight; ++y)
            if (TCell* cell = CellAt(x, y); cell && cell->active) {
                cell->glow = float((x + 2 * y) % 4) * 0.3f;
                ++kinds[cell->armour ? 2 : cell->gold ? 1 : 0];
            }
    ASSERT_TRUE(kinds[0] && kinds[1] && kinds[2]) << "every surface shown";
    DrawScene();
    const platform::PixmapRef layered = Grab();
    bool inside[3];
    std::copy(std::begin(TCell::SurfaceInside), std::end(TCell::SurfaceInside), inside);
    std::fill(std::begin(TCell::SurfaceInside), std::end(TCell::SurfaceInside), false);
    DrawScene();
    const platform::PixmapRef whole = Grab();
    std::copy(std::begin(inside), std::end(inside), TCell::SurfaceInside);
    ASSERT_TRUE(layered && whole);
    EXPECT_TRUE(layered->pixels == whole->pixels);
}

// A shape falling in from above an entry comes out from behind the gold frame: the frame's rows
// over that entry stay as they are with the shape at rest, while the shape shows in the square.
TEST_F(BoardSceneTest, AShapeFallingInLeavesTheFrameAboveItsEntryUntouched) {
    ASSERT_EQ(BoardLevelStart(30), 0);
    ASSERT_EQ(TopRowY[1][0], 0);
    TGem& gem = *Grid[1][0]->Gem;
    const int left = CalcSX(1), top = CalcSY(0);
    DrawScene();
    const platform::PixmapRef rest = Grab();
    gem.y = float(top - 30);
    DrawScene();
    const platform::PixmapRef falling = Grab();
    testsupport::SaveTestOutput(falling, "board-shape-falling-in.png");
    ASSERT_TRUE(rest && falling);
    for (int y = top - 4; y < top; ++y)
        for (int x = left; x < left + CELL_SIZE; ++x)
            ASSERT_EQ(platform::ReadPixel(falling, x, y), platform::ReadPixel(rest, x, y)) << x << "," << y;
    int moved = 0;
    for (int x = left; x < left + CELL_SIZE; ++x)
        moved += platform::ReadPixel(falling, x, top + 10) != platform::ReadPixel(rest, x, top + 10);
    EXPECT_GT(moved, CELL_SIZE / 4) << "the shape shows below the frame";
}

} // namespace

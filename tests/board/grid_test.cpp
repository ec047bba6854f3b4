// The board controller's state and set-up, the geometry of cells on the screen, the entry cells
// and the outline flags.
#include "board_fixture.h"

using namespace boardtest;

namespace {

using GridTest = BoardTest;

TEST_F(GridTest, ANewBoardHoldsItsDefaultsAndInitTurnsDurationsIntoTicks) {
    TGameGrid fresh;
    EXPECT_FLOAT_EQ(fresh.SwapTime, 200.0f);
    EXPECT_FLOAT_EQ(fresh.HintLength, 2000.0f);
    EXPECT_EQ(fresh.DiagonalTextLength, 4000);
    for (int v : {fresh.cx, fresh.cy, fresh.dx, fresh.dy, fresh.mx, fresh.my, fresh.HintX, fresh.HintY,
                  fresh.DebugX, fresh.DebugY})
        EXPECT_EQ(v, -1);
    EXPECT_EQ(fresh.Mode, 0);
    EXPECT_EQ(fresh.MouseUpFlag, 1);
    EXPECT_EQ(fresh.HintCurrent, 1);
    EXPECT_EQ(fresh.BonusPower, 1);
    TGameGridRef grid = TGameGrid::Create();
    EXPECT_FLOAT_EQ(grid->SwapTime, 40.0f);
    EXPECT_FLOAT_EQ(grid->HintLength, 400.0f);
    EXPECT_EQ(grid->DiagonalTextLength, 400);
}

TEST_F(GridTest, SoundsComeFromTheBankAndTheLandingChannelIsThePoolsFirstReserved) {
    TGameGridRef grid = TGameGrid::Create();
    ASSERT_TRUE(grid->InvalidSound);
    EXPECT_EQ(grid->InvalidSound, grid->BrushInvalidSound);
    ASSERT_TRUE(grid->HornSound);
    EXPECT_EQ(grid->HornSound, grid->TornadoSound);
    EXPECT_EQ(grid->LandSound, sounds->Find("land"));
    ASSERT_TRUE(grid->LandChannel);
    EXPECT_EQ(grid->LandChannel, TGameGrid::Channels->ChannelByIndex(1));
    EXPECT_EQ(grid->LandChannel->Reserved, 1);
    EXPECT_FLOAT_EQ(TGameGrid::Channels->MaxVol, 8.0f);
    EXPECT_EQ(TGameGrid::Channels->Count(), 8);
    grid->Kill();
    EXPECT_FALSE(grid->LandChannel);
}

TEST_F(GridTest, CellToPixelAndPixelToCell) {
    BuildBoard({"1 2 3", "4 5 6"});
    TGameGrid& grid = *GameGrid;
    int sx = grid.sx, sy = grid.sy;
    EXPECT_EQ(CalcSX(0), sx);
    EXPECT_EQ(CalcSY(2), sy + 100);
    struct TCase {
        int pixel, gx;
    } xs[] = {{sx + 49, 0}, {sx + 50, 1}, {sx - 1, 0}, {sx - 50, -1}};
    for (const TCase& c : xs)
        EXPECT_EQ(CalcGX(c.pixel), c.gx) << c.pixel - sx;
    struct TCase ys[] = {{sy - 1, -1}, {sy, 0}, {sy + 49, 0}, {sy + 50, 1}};
    for (const TCase& c : ys)
        EXPECT_EQ(CalcGY(c.pixel), c.gx) << c.pixel - sy;
}

TEST_F(GridTest, CentreAndClearAndCreateCells) {
    TGameGridRef grid = TGameGrid::Create();
    struct TCase {
        int w, h, sx, sy;
    } cases[] = {{9, 9, 235, 75}, {13, 12, 135, 0}, {3, 2, 385, 250}};
    for (const TCase& c : cases) {
        grid->levelwidth = c.w;
        grid->levelheight = c.h;
        grid->Centre();
        EXPECT_EQ(grid->sx, c.sx);
        EXPECT_EQ(grid->sy, c.sy);
    }
    GameGrid = grid;
    grid->levelwidth = 13;
    grid->levelheight = 12;
    grid->CreateCells();
    grid->levelwidth = 4;
    grid->levelheight = 3;
    grid->Clear();
    int present = 0;
    for (auto& column : Grid)
        for (auto& cell : column)
            present += cell != nullptr;
    EXPECT_EQ(present, 0);
    grid->CreateCells();
    for (int x = 0; x < GRID_W; ++x)
        for (int y = 0; y < GRID_H; ++y)
            EXPECT_EQ(Grid[x][y] != nullptr, x < 4 && y < 3) << x << "," << y;
    EXPECT_EQ(Grid[2][1]->x, 2);
    EXPECT_FLOAT_EQ(Grid[2][1]->sy, float(CalcSY(1)));
}

TEST_F(GridTest, EntryCellsFollowTheHolesOfEachColumn) {
    BuildBoard({"# 1 # #", "1 # 1 #", "1 1 1 #", "# 1 # #", "1 1 1 #"});
    struct TCase {
        int x;
        std::vector<int> rows;
    } cases[] = {{0, {1, 4}}, {1, {0, 2}}, {2, {1, 4}}, {3, {}}};
    for (const TCase& c : cases) {
        SCOPED_TRACE("column " + std::to_string(c.x));
        ASSERT_EQ(TopRowCount[c.x], int(c.rows.size()));
        for (size_t k = 0; k < c.rows.size(); ++k)
            EXPECT_EQ(TopRowY[c.x][k], c.rows[k]);
    }
    EXPECT_EQ(TopRowY[3][0], -1);
}

TEST_F(GridTest, PossBonusAddKeepsOneOfEachAndClearEmptiesTheTable) {
    PossBonusClear();
    PossBonusAdd(ITEM_HORIZONTAL_CRACKER);
    PossBonusAdd(ITEM_SNOWMAN);
    PossBonusAdd(ITEM_HORIZONTAL_CRACKER);
    EXPECT_EQ(PossBonusCount, 2);
    EXPECT_EQ(PossBonus[1], ITEM_SNOWMAN);
    PossBonusClear();
    PossBonusAdd(ITEM_MATCHSTICK);
    EXPECT_EQ(PossBonus[0], ITEM_MATCHSTICK);
    EXPECT_EQ(PossBonusCount, 1);
}

// The nine flags of each cell as a string "LTRBC tl tr br bl".
std::string Flags(int x, int y) {
    const TCell& c = *Grid[x][y];
    std::string s;
    for (int f : {c.DrawLeft, c.DrawTop, c.DrawRight, c.DrawBottom, c.DrawCorner, c.DrawTL, c.DrawTR,
                  c.DrawBR, c.DrawBL})
        s += char('0' + f);
    return s;
}

TEST_F(GridTest, OutlineFlagsAroundBoardsAndHoles) {
    BuildBoard({"1 1 1", "1 1 1", "1 1 1"});
    EXPECT_EQ(Flags(0, 0), "110001000");
    EXPECT_EQ(Flags(1, 0), "010000000");
    EXPECT_EQ(Flags(2, 0), "011000100");
    EXPECT_EQ(Flags(1, 1), "000000000");
    EXPECT_EQ(Flags(2, 2), "001110010");
    EXPECT_EQ(Flags(0, 2), "100100001");

    BuildBoard({"1"});
    EXPECT_EQ(Flags(0, 0), "111111111");

    BuildBoard({"1 1 1 1 1", "1 1 1 1 1", "1 1 # 1 1", "1 1 1 1 1", "1 1 1 1 1"});
    EXPECT_EQ(Flags(1, 2), "001000000");
    EXPECT_EQ(Flags(3, 2), "100000000");
    EXPECT_EQ(Flags(2, 1), "000100000");
    EXPECT_EQ(Flags(2, 3), "010000000");
    EXPECT_EQ(Flags(1, 1), "000000000");

    // Holes left of and above (1, 1) but its upper-left diagonal is active: no top-left corner.
    BuildBoard({"1 # 1", "# 1 1", "1 1 1"});
    EXPECT_EQ(Flags(1, 1).substr(0, 2), "11");
    EXPECT_EQ(Flags(1, 1)[5], '0');
    // Column 0 under a hole gets its top-left corner whatever its diagonal.
    EXPECT_EQ(Flags(0, 2)[5], '1');
}

TEST_F(GridTest, CornerPiecesStandExactlyWhereRightAndBottomMeet) {
    BuildBoard({"1 # 1 1", "1 1 # 1", "# 1 1 1", "1 1 # #"});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const TCell& c = *Grid[x][y];
            if (!c.active) continue;
            EXPECT_EQ(c.DrawCorner, c.DrawRight && c.DrawBottom) << x << "," << y;
        }
}

TEST_F(GridTest, HintTimerEndsAfterItsLengthAndStopsTheWobble) {
    BuildBoard({"1 2 3"});
    TGameGrid& grid = *GameGrid;
    grid.HintX = 1;
    grid.HintY = 0;
    Grid[1][0]->Gem->SetHintWobble(1);
    grid.HintCounter = grid.HintLength;
    for (int t = 0; t < 399; ++t)
        grid.HintManage();
    EXPECT_EQ(Grid[1][0]->Gem->HintWobble, 1);
    Delta = 0.5f;
    grid.HintManage();
    EXPECT_FLOAT_EQ(grid.HintCounter, 0.5f);
    grid.HintManage();
    EXPECT_EQ(grid.HintCounter, 0.0f);
    EXPECT_EQ(Grid[1][0]->Gem->HintWobble, 0);
    EXPECT_EQ(Grid[1][0]->Gem->UseOffset, 0);
    // Ending with no hint, or with the marked cell empty, only clears the counter.
    Grid[1][0]->Gem = nullptr;
    grid.HintCounter = 5.0f;
    grid.HintEnd();
    EXPECT_EQ(grid.HintCounter, 0.0f);
    EXPECT_EQ(grid.HintX, 1);
}

} // namespace

// Swaps: accepted after their slide with the line resolved, refused and slid back, refused for a
// line elsewhere, into an empty cell, and refused at once when a gem fell into the destination.
#include "board_fixture.h"

using namespace boardtest;

namespace {

class SwapTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        BoardRandScript(1, 1000, std::vector<int>(50, 1000)); // no bonus items
    }
    // Selects (x1, y1) and swaps it with (x2, y2), as the mouse handling does.
    static void Swap(int x1, int y1, int x2, int y2) {
        GameGrid->CursorSet(x1, y1);
        GameGrid->mx = x2;
        GameGrid->my = y2;
        GameGrid->StartSwap();
    }
    static void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            GameGrid->SwapManage();
    }
};

TEST_F(SwapTest, ASwapMakingALineStandsAfterItsSlide) {
    BuildBoard({"2 1 2 2", "3 4 5 6"});
    TGemRef source = Grid[0][0]->Gem, dest = Grid[1][0]->Gem;
    float x0 = source->x;
    Swap(0, 0, 1, 0);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"swap"}));
    Ticks(39);
    EXPECT_FLOAT_EQ(source->x, x0 + 39 * 1.25f);
    EXPECT_EQ(Grid[0][0]->Gem, source); // the grid is unchanged while sliding
    EXPECT_GT(GameGrid->SwapCounter, 0.0f);
    Ticks(1);
    EXPECT_EQ(GameGrid->SwapCounter, 0.0f);
    EXPECT_EQ(Grid[1][0]->Gem, source);
    EXPECT_EQ(Grid[0][0]->Gem, dest);
    EXPECT_FLOAT_EQ(dest->x, x0);
    EXPECT_EQ(dest->dx, 0.0f);
    EXPECT_EQ(dest->Swapping, 0);
    EXPECT_EQ(source->GemType, -1); // burst in its line
    EXPECT_EQ(host.Player().Kills, 3);
    EXPECT_EQ(GameGrid->Mode, 0);
    EXPECT_FALSE(GameGrid->SwapSource);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"swap", "matchnobrick"}));
}

TEST_F(SwapTest, ASwapWithoutALineSlidesBackAndEndsOnItsCells) {
    BuildBoard({"1 2 3", "4 5 6"});
    TGemRef source = Grid[0][0]->Gem, dest = Grid[1][0]->Gem;
    float sx = source->x, dx = dest->x;
    Swap(0, 0, 1, 0);
    Ticks(40);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"swap", "failed"}));
    EXPECT_EQ(GameGrid->FailedMove, 1);
    EXPECT_FLOAT_EQ(GameGrid->SwapCounter, 40.0f);
    EXPECT_EQ(Grid[0][0]->Gem, source);
    Ticks(39);
    EXPECT_EQ(GameGrid->Mode, 1);
    Ticks(1);
    EXPECT_EQ(source->x, sx);
    EXPECT_EQ(dest->x, dx);
    EXPECT_EQ(source->dx, 0.0f);
    EXPECT_EQ(dest->dx, 0.0f);
    EXPECT_EQ(source->Swapping + dest->Swapping, 0);
    EXPECT_EQ(GameGrid->Mode, 0);
    EXPECT_EQ(GameGrid->cx, -1);
    EXPECT_EQ(GameGrid->FailedMove, 0);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(Grid[x][y]->match, 0);
}

TEST_F(SwapTest, ALineElsewhereDoesNotMakeASwapStandButIsResolvedAfterTheReturn) {
    BuildBoard({"1 2 3 4", "5 5 5 6"});
    Swap(2, 0, 3, 0);
    Ticks(40);
    EXPECT_EQ(GameGrid->FailedMove, 1);
    EXPECT_EQ(Grid[0][1]->Gem->GemType, 5);
    Ticks(40);
    EXPECT_EQ(host.Player().Kills, 3);
    EXPECT_EQ(Grid[0][1]->Gem->GemType, -1);
}

TEST_F(SwapTest, AShapeSwapsIntoAnEmptyCellAlone) {
    BuildBoard({"1 . 1 1", "2 3 4 5"});
    TGemRef source = Grid[0][0]->Gem;
    Swap(0, 0, 1, 0);
    EXPECT_FALSE(GameGrid->SwapDest);
    Ticks(40);
    EXPECT_EQ(Grid[1][0]->Gem, source);
    EXPECT_EQ(Grid[0][0]->Gem, nullptr);
    EXPECT_EQ(host.Player().Kills, 3);
}

TEST_F(SwapTest, AGemThatFellIntoTheDestinationRefusesTheSwapAtOnce) {
    BuildBoard({"1 . 1 1", "2 3 4 5"});
    TGemRef source = Grid[0][0]->Gem;
    Swap(0, 0, 1, 0);
    Ticks(20);
    TGemRef fallen = TGem::Make(1, 0, 6, 0);
    Grid[1][0]->Gem = fallen;
    Ticks(20);
    EXPECT_EQ(GameGrid->FailedMove, 1);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"swap", "failed"}));
    Ticks(40);
    EXPECT_EQ(Grid[0][0]->Gem, source);
    EXPECT_EQ(Grid[1][0]->Gem, fallen);
    EXPECT_FLOAT_EQ(source->x, float(CalcSX(0)));
}

TEST_F(SwapTest, FractionalTicksEndTheSlideOnTime) {
    BuildBoard({"2 1 2 2", "3 4 5 6"});
    TGemRef source = Grid[0][0]->Gem;
    Swap(0, 0, 1, 0);
    Delta = 0.37f;
    int ticks = 0;
    while (GameGrid->SwapCounter > 0.0f && ticks < 1000) {
        GameGrid->SwapManage();
        ++ticks;
    }
    EXPECT_EQ(ticks, 109); // 40 / 0.37 rounded up
    EXPECT_EQ(Grid[1][0]->Gem, source);
    EXPECT_FLOAT_EQ(source->x, float(CalcSX(1)));
}

} // namespace

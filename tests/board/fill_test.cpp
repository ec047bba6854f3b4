// The first fill of a level: no line of three, the level's presets, cubes and holes, the share
// of glowing gems, and a level no fill of which has a move.
#include "board_fixture.h"

#include "board/board_fill.h"

using namespace boardtest;

namespace {

using FillTest = BoardTest;

// 1 when three equal shapes stand in a row or a column.
bool AnyLineOfThree() {
    auto code = [](int x, int y) {
        TCell* c = CellAt(x, y);
        return c && c->Gem && c->Gem->GemType >= 1 && c->Gem->GemType <= 7 ? c->Gem->GemType : 0;
    };
    for (int y = 0; y < GameGrid->levelheight; ++y)
        for (int x = 0; x < GameGrid->levelwidth; ++x) {
            int v = code(x, y);
            if (v && code(x + 1, y) == v && code(x + 2, y) == v) return true;
            if (v && code(x, y + 1) == v && code(x, y + 2) == v) return true;
        }
    return false;
}

TEST_F(FillTest, AFillHasNoLineAndKeepsTheLevelsPresetsCubesAndHoles) {
    for (int level : {2, 3, 4, 5}) {
        for (int seed = 1; seed <= 25; ++seed) {
            SCOPED_TRACE("level " + std::to_string(level) + " seed " + std::to_string(seed));
            platform::SeedRnd(seed);
            GameGrid = TGameGrid::Create();
            GameGrid->Load(level);
            FillGrid();
            ASSERT_FALSE(AnyLineOfThree()) << BoardText();
            int gems = 0;
            for (int y = 0; y < GameGrid->levelheight; ++y)
                for (int x = 0; x < GameGrid->levelwidth; ++x) {
                    TCell& cell = *Grid[x][y];
                    ASSERT_EQ(cell.Gem != nullptr, cell.active != 0) << x << "," << y;
                    if (!cell.Gem) continue;
                    ++gems;
                    EXPECT_EQ(cell.Gem->locked, cell.gemlocked);
                    if (cell.bonus) {
                        EXPECT_EQ(cell.Gem->GemType, cell.bonus);
                    }
                    EXPECT_EQ(cell.Gem->gx, x);
                    EXPECT_EQ(cell.Gem->dy, 0.0f);
                    if (cell.Gem->GemType > 7) {
                        EXPECT_EQ(cell.Gem->Munchkin, 0);
                    }
                }
            EXPECT_EQ(GemList->Count(), gems);
        }
    }
}

TEST_F(FillTest, FifteenPercentOfTheShapesGlow) {
    struct TCase {
        int level, glowing;
    } cases[] = {{7, 3}, {8, 0}};
    for (const TCase& c : cases) {
        GameGrid = TGameGrid::Create();
        GameGrid->Load(c.level);
        FillGrid();
        int glowing = 0;
        for (const auto& gem : *GemList)
            glowing += gem->Munchkin;
        EXPECT_EQ(glowing, c.glowing) << "level " << c.level;
    }
}

TEST_F(FillTest, ALevelWithoutAnyMoveStopsAfterAThousandFillsWithItsMessage) {
    // Each fill of the 3 x 1 board takes three shape draws when none is refused; three markers
    // follow the thousand fills' draws, so the next draws show how many fills were made.
    auto scriptThousandFills = [] {
        std::vector<int> draws;
        for (int i = 0; i < 1000; ++i)
            draws.insert(draws.end(), {0, 1, 2});
        draws.insert(draws.end(), {4, 3, 4});
        BoardRandScript(0, 4, draws);
    };
    auto expectMarkersNext = [] {
        EXPECT_EQ(BoardRand(0, 4), 4);
        EXPECT_EQ(BoardRand(0, 4), 3);
        EXPECT_EQ(BoardRand(0, 4), 4);
    };
    GameGrid = TGameGrid::Create();
    GameGrid->Load(6);
    scriptThousandFills();
    EXPECT_EQ(FillGridWithMove(1000), 0);
    expectMarkersNext();
    EXPECT_EQ(GemList->Count(), 3); // the last fill stays on the board

    scriptThousandFills();
    EXPECT_THROW(BoardLevelStart(6), TReportedError);
    expectMarkersNext();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Error loading file " + std::string(BOARD_TEST_DIR) +
                             "data/levels/6.txt: no fill of this level has a possible move (1000 tries)");
}

TEST_F(FillTest, ALevelStartLeavesAMoveASortedListAndPlainPower) {
    host.Player().Level = 4;
    BoardLevelStart(4);
    EXPECT_EQ(GameGrid->NoMoreMoves(0), 0);
    EXPECT_EQ(host.Player().Target, GameGrid->Gold);
    EXPECT_EQ(GameGrid->BonusPower, 1);
    EXPECT_EQ(GameGrid->DiagonalMoves, 0);
    float lastY = 1e9f;
    for (const auto& gem : *GemList) {
        EXPECT_LE(gem->y, lastY);
        lastY = gem->y;
    }
}

} // namespace

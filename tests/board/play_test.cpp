// Whole attempts without a window: the level started and filled, random pairs of clicked cells
// (so bonus items fire, aimed items act or find nothing, and clicks are refused), the real tick
// until the board rests, and the board checked at every rest. Every attempt ends won, out of
// moves or after its moves, never in a hang. Level 20 holds every bonus item around a snowman;
// level 21 is small enough to run out of moves.
#include "board_fixture.h"

#include "board/board_fill.h"
#include "board/gem_codes.h"

#include <cstdio>

namespace boardtest {
namespace {

class PlayTest : public HeadlessBoardTest {
protected:
    static void StartLevel(int level, int seed) {
        BoardResetGlobals();
        platform::SeedRnd(seed);
        BoardHost().Player().Level = level;
        BoardLevelStart(level);
        GameGrid->SetupIntroFlash();
    }
};

// Cells, gems and counts agree at rest.
void ExpectConsistentRest() {
    TGameGrid& grid = *GameGrid;
    int gold = 0, locked = 0, gems = 0;
    for (int y = 0; y < grid.levelheight; ++y)
        for (int x = 0; x < grid.levelwidth; ++x) {
            TCell& cell = *Grid[x][y];
            gold += cell.gold + cell.armour;
            if (!cell.active) {
                ASSERT_FALSE(cell.Gem) << "a gem in the hole at " << x << "," << y;
                continue;
            }
            if (!cell.Gem) continue;
            TGem& gem = *cell.Gem;
            ++gems;
            locked += gem.locked;
            ASSERT_EQ(gem.gx, x);
            ASSERT_EQ(gem.gy, y);
            EXPECT_EQ(gem.x, float(CalcSX(x)));
            EXPECT_EQ(gem.y, float(CalcSY(y)));
            EXPECT_EQ(gem.Swapping, 0);
            EXPECT_NE(gem.GemType, -1);
        }
    EXPECT_EQ(grid.Gold, gold);
    EXPECT_EQ(grid.Locked, locked);
    EXPECT_EQ(GemList->Count(), gems);
    EXPECT_EQ(grid.SwapCounter, 0.0f);
}

int CodeAt(int x, int y) {
    TCell* cell = CellAt(x, y);
    return cell && cell->Gem && !cell->Gem->locked ? cell->Gem->GemType : 0;
}

// Whether an aimed item fired at double power on (x, y) finds something to act on; -1 when it
// is refused (a snowball on a cube) or the cell is off the board.
int AimedItemActs(int code, int x, int y) {
    TCell* target = CellAt(x, y);
    if (!target || !target->active) return -1;
    if (code == ITEM_SNOWBALL && target->Gem && target->Gem->locked) return -1;
    int acts = 0;
    for (int ax = x - 1; ax <= x + 1; ++ax)
        for (int ay = y - 1; ay <= y + 1; ++ay) {
            TCell* cell = CellAt(ax, ay);
            bool corner = ax != x && ay != y;
            if (!cell || (code != ITEM_STAR && corner)) continue;
            bool locked = cell->Gem && cell->Gem->locked;
            if (code == ITEM_STAR) acts |= cell->Gem && cell->Gem->GemType != GEM_GONE;
            if (code == ITEM_SNOWBALL) acts |= !locked && (cell->gold || cell->armour);
            if (code == ITEM_MATCHSTICK) acts |= locked;
        }
    return acts;
}

// Up to moves random pairs of clicks, each followed by the ticks to rest; the last status.
int PlayRandomMoves(int moves) {
    int status = BoardRunToRest(20000);
    for (int move = 0; move < moves; ++move) {
        if (status != BOARD_AT_REST) break;
        ExpectConsistentRest();
        if (::testing::Test::HasFailure()) break;
        TGameGrid& grid = *GameGrid;
        if (platform::Rand(1, 8) == 1) grid.BonusPower = 2; // as a full gauge would
        int x1 = platform::Rand(0, grid.levelwidth - 1), y1 = platform::Rand(0, grid.levelheight - 1);
        bool clickBonus = grid.Mode == 0 && IsClickItem(CodeAt(x1, y1));
        grid.ClickCell(x1, y1);
        if (clickBonus) {
            EXPECT_EQ(grid.BonusPower, 1) << "a click bonus spends double power";
        }
        int x2 = x1, y2 = y1;
        if (platform::Rand(0, 1)) {
            x2 = platform::Rand(0, grid.levelwidth - 1);
            y2 = platform::Rand(0, grid.levelheight - 1);
        } else {
            (platform::Rand(0, 1) ? x2 : y2) += platform::Rand(0, 1) ? 1 : -1;
        }
        int aimed = grid.Mode == 1 && (x2 != grid.cx || y2 != grid.cy) ? CodeAt(grid.cx, grid.cy) : 0;
        int acts = IsAimedItem(aimed) ? AimedItemActs(aimed, x2, y2) : -1;
        int power = grid.BonusPower;
        grid.ClickCell(x2, y2);
        if (power == 2 && acts >= 0) {
            EXPECT_EQ(grid.BonusPower, acts ? 1 : 2) << "item " << aimed << " at " << x2 << "," << y2;
        }
        status = BoardRunToRest(20000);
    }
    return status;
}

class WholeAttemptTest : public PlayTest, public ::testing::WithParamInterface<int> {};

TEST_P(WholeAttemptTest, EndsWonOutOfMovesOrAfterItsMoves) {
    const int level = GetParam();
    struct {
        int won = 0, outOfMoves = 0, played = 0;
    } outcome;
    for (int seed = 1; seed <= 50 && !HasFailure(); ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        StartLevel(level, seed);
        int status = PlayRandomMoves(60);
        ASSERT_NE(status, BOARD_STILL_BUSY);
        outcome.won += status == BOARD_LEVEL_WON;
        outcome.outOfMoves += status == BOARD_OUT_OF_MOVES;
        outcome.played += status == BOARD_AT_REST;
    }
    EXPECT_EQ(outcome.won + outcome.outOfMoves + outcome.played, 50);
    std::printf("level %d: %d won, %d out of moves, %d played on\n", level, outcome.won, outcome.outOfMoves,
                outcome.played);
}

// Four part-one levels (full, holes, ice, narrow) and the two above.
INSTANTIATE_TEST_SUITE_P(Levels, WholeAttemptTest, ::testing::Values(2, 3, 4, 5, 20, 21));

TEST_F(PlayTest, TheSnowmanBreaksTheLastIceAndTheWholeBoardBursts) {
    StartLevel(20, 3);
    ASSERT_EQ(BoardRunToRest(20000), BOARD_AT_REST);
    ASSERT_EQ(GameGrid->Gold, 9);
    GameGrid->ClickCell(2, 2);
    EXPECT_EQ(GameGrid->Gold, 0);
    EXPECT_EQ(BoardRunToRest(20000), BOARD_LEVEL_WON);
    EXPECT_EQ(GameGrid->BlockInput, 1);
    ASSERT_GT(GemList->Count(), 30);
    for (const auto& gem : *GemList)
        EXPECT_GT(gem->ExplosionCounter, 0.0f);
    EXPECT_EQ(BoardRunToRest(500), BOARD_LEVEL_WON) << "the board stays frozen";
}

TEST_F(PlayTest, ACrampedLevelRunsOutOfMovesPlaysTheSequenceAndStartsAgain) {
    StartLevel(21, 5); // a seed whose random clicks leave no move
    ASSERT_EQ(PlayRandomMoves(60), BOARD_OUT_OF_MOVES);
    std::weak_ptr<TGameGrid> old = GameGrid;
    EXPECT_EQ(GameGrid->NoMoreCounter, 800.0f);
    EXPECT_EQ(BoardRunToRest(2000), BOARD_AT_REST);
    EXPECT_TRUE(old.expired()) << "a new board";
    EXPECT_EQ(StandaloneBoardHost().Restarts, 1);
    EXPECT_EQ(GameGrid->Gold, 24);
    EXPECT_EQ(GameGrid->NoMoreMoves(0), 0) << "the new fill has a move";
    ExpectConsistentRest();
}

} // namespace
} // namespace boardtest

// Whole runs with no window, GL context or sound device: four levels, many seeds, the swaps the
// mouse could make, and the board's invariants every time it comes to rest.
#include "board_fixture.h"

#include "board/TPlayer.h"
#include "board/board_fill.h"
#include "platform/audio.h"

#include <set>

using namespace boardtest;

namespace {

class HeadlessTest : public HeadlessBoardTest {};

struct TRunState {
    std::set<TGemRef> burst;     // every gem seen bursting
    std::set<TGemRef> wasInCube; // gems in an ice cube before the current swap
    int startLocked = 0;
};

int CodeAt(int x, int y) {
    TCell* c = CellAt(x, y);
    return c && c->Gem && c->Gem->GemType >= 1 && c->Gem->GemType <= 7 ? c->Gem->GemType : 0;
}

// A line of three standing at rest is only allowed when all its gems were just freed from cubes.
void ExpectNoStandingLine(const TRunState& run) {
    for (int y = 0; y < GameGrid->levelheight; ++y)
        for (int x = 0; x < GameGrid->levelwidth; ++x)
            for (auto [stepX, stepY] : {std::pair{1, 0}, std::pair{0, 1}}) {
                int v = CodeAt(x, y);
                if (!v || CodeAt(x + stepX, y + stepY) != v || CodeAt(x + 2 * stepX, y + 2 * stepY) != v)
                    continue;
                for (int k = 0; k < 3; ++k)
                    EXPECT_TRUE(run.wasInCube.count(Grid[x + k * stepX][y + k * stepY]->Gem))
                        << "line at " << x << "," << y << "\n"
                        << BoardText();
            }
}

void ExpectRestingBoard(const TRunState& run) {
    TGameGrid& grid = *GameGrid;
    std::set<TGem*> inCells;
    int gold = 0, locked = 0;
    for (int y = 0; y < grid.levelheight; ++y)
        for (int x = 0; x < grid.levelwidth; ++x) {
            TCell& cell = *Grid[x][y];
            gold += cell.gold + cell.armour;
            if (!cell.active) {
                ASSERT_FALSE(cell.Gem) << "a gem in the hole at " << x << "," << y;
                continue;
            }
            if (!cell.Gem) {
                // Only below a gem held in a cube, with empty cells between.
                int up = y - 1;
                while (up >= 0 && Grid[x][up]->active && !Grid[x][up]->Gem)
                    --up;
                ASSERT_TRUE(up >= 0 && Grid[x][up]->active && Grid[x][up]->Gem->locked)
                    << "empty cell " << x << "," << y << "\n"
                    << BoardText();
                continue;
            }
            TGem& gem = *cell.Gem;
            locked += gem.locked;
            EXPECT_EQ(gem.gx, x);
            EXPECT_EQ(gem.gy, y);
            EXPECT_FLOAT_EQ(gem.x, float(CalcSX(x)));
            EXPECT_FLOAT_EQ(gem.y, float(CalcSY(y)));
            EXPECT_EQ(gem.dy, 0.0f);
            EXPECT_EQ(gem.Swapping, 0);
            EXPECT_NE(gem.GemType, -1);
            EXPECT_TRUE(inCells.insert(&gem).second);
        }
    EXPECT_EQ(grid.Gold, gold);
    EXPECT_EQ(grid.Locked, locked);
    EXPECT_EQ(GemList->Count(), int(inCells.size()));
    float lastY = 1e9f;
    for (const auto& gem : *GemList) {
        EXPECT_TRUE(inCells.count(gem.get()));
        EXPECT_LE(gem->y, lastY);
        lastY = gem->y;
    }
    for (int x = 0; x < grid.levelwidth; ++x)
        for (int k = 0; k < TOP_ROWS; ++k)
            EXPECT_EQ(TopRow[x][k], 0);
    ExpectNoStandingLine(run);
    EXPECT_EQ(BoardHost().Player().Kills, int(run.burst.size()) + run.startLocked - grid.Locked);
}

// A swap the mouse could start: a free shape and an active neighbour not in a cube.
bool PickSwap(int& x1, int& y1, int& x2, int& y2) {
    std::vector<std::array<int, 4>> swaps;
    for (int y = 0; y < GameGrid->levelheight; ++y)
        for (int x = 0; x < GameGrid->levelwidth; ++x) {
            TCell* c = CellAt(x, y);
            if (!c || !c->Gem || c->Gem->locked || c->Gem->GemType < 1 || c->Gem->GemType > 7) continue;
            for (auto [nx, ny] :
                 {std::pair{x + 1, y}, std::pair{x - 1, y}, std::pair{x, y + 1}, std::pair{x, y - 1}}) {
                if (nx < 0 || ny < 0 || nx >= GameGrid->levelwidth || ny >= GameGrid->levelheight) continue;
                TCell* n = CellAt(nx, ny);
                if (!n->active || (n->Gem && (n->Gem->locked || n->Gem->GemType == -1))) continue;
                swaps.push_back({x, y, nx, ny});
            }
        }
    if (swaps.empty()) return false;
    const auto& s = swaps[size_t(platform::Rand(0, int(swaps.size()) - 1))];
    x1 = s[0], y1 = s[1], x2 = s[2], y2 = s[3];
    return true;
}

void TickToRest(TRunState& run, bool fractions) {
    for (int t = 0; t < 50000; ++t) {
        if (fractions) Delta = t % 3 == 2 ? 0.37f : 1.0f;
        RunRuleTick();
        for (const auto& gem : *GemList)
            if (gem->GemType == -1) run.burst.insert(gem);
        if (!GameGrid->BlockInput && GameGrid->SwapCounter <= 0.0f) break;
    }
    Delta = 1.0f;
    ASSERT_EQ(GameGrid->BlockInput, 0);
}

// The gems matched over the run.
int PlayLevel(int level, int seed, bool fractions) {
    SCOPED_TRACE("level " + std::to_string(level) + " seed " + std::to_string(seed));
    platform::SeedRnd(seed);
    BoardResetGlobals();
    BoardHost().Player().Level = level;
    BoardLevelStart(level);
    TRunState run;
    run.startLocked = GameGrid->Locked;
    TickToRest(run, fractions);
    ExpectRestingBoard(run);
    for (int swap = 0; swap < 40 && !::testing::Test::HasFatalFailure(); ++swap) {
        int x1, y1, x2, y2;
        if (!PickSwap(x1, y1, x2, y2)) break;
        run.wasInCube.clear();
        for (const auto& gem : *GemList)
            if (gem->locked) run.wasInCube.insert(gem);
        GameGrid->CursorSet(x1, y1);
        GameGrid->mx = x2;
        GameGrid->my = y2;
        GameGrid->StartSwap();
        TickToRest(run, fractions);
        ExpectRestingBoard(run);
    }
    return BoardHost().Player().Kills;
}

// Fifty runs of the level; swaps are accepted and lines resolved along the way.
void PlayFiftySeeds(int level) {
    int kills = 0;
    for (int seed = 1; seed <= 50 && !::testing::Test::HasFatalFailure(); ++seed)
        kills += PlayLevel(level, seed, false);
    EXPECT_GT(kills, 50 * 10);
}

TEST_F(HeadlessTest, TheStartMakesWhatTheBoardReads) {
    EXPECT_EQ(platform::AudioDriverName(), "None");
    EXPECT_EQ(ShowErrors, 0);
    ASSERT_TRUE(images);
    EXPECT_FALSE(images->Find("gems"));
    for (const TParticleListRef& list :
         {BackgroundParticles, Particles, AnimatedParticles, Munchkins, ScoreParticles})
        EXPECT_TRUE(list);
    ASSERT_TRUE(TGameGrid::Channels);
    EXPECT_EQ(TGameGrid::Channels->Count(), 8);
    EXPECT_EQ(&BoardHost(), &StandaloneBoardHost());
    EXPECT_EQ(Game->Particles, 80);
    EXPECT_EQ(Game->DataPrefix, BOARD_TEST_DIR);
    EXPECT_EQ(TGem::BonusActivateFrames[10], 14);
}

TEST_F(HeadlessTest, AFullBoardPlaysToRestAfterEverySwap) {
    PlayFiftySeeds(2);
}

TEST_F(HeadlessTest, ABoardWithHolesAndSeveralEntriesPlaysToRest) {
    PlayFiftySeeds(3);
}

TEST_F(HeadlessTest, ABoardWithThickIceCubesAndPresetsPlaysToRest) {
    PlayFiftySeeds(4);
}

TEST_F(HeadlessTest, ANarrowBoardPlaysToRest) {
    PlayFiftySeeds(5);
}

TEST_F(HeadlessTest, RunsWithFractionalTicksComeToRestToo) {
    for (int level : {2, 3, 4, 5})
        for (int seed = 100; seed < 105; ++seed)
            PlayLevel(level, seed, true);
}

} // namespace

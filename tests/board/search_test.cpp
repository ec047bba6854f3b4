// The move search: the order of the moves, the hint cell of each, the moves past the last one,
// what ice cubes, holes and empty cells take part in, and that every cell keeps its gem and
// nothing is allocated.
#include "board_fixture.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
} // namespace

// Counts every allocation of the test program.
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace boardtest;

namespace {

using SearchTest = BoardTest;

TEST_F(SearchTest, MovesComeInTheirOrderWithTheirHintCells) {
    struct TCase {
        const char* what;
        std::vector<std::string> rows;
        int n;
        int result, hintX, hintY;
    } cases[] = {
        {"no move", {"1 2 3", "4 5 6"}, 0, 1, -1, -1},
        {"a bonus item is a move", {"1 2 3", "4 9 6"}, 0, 0, 1, 1},
        {"n 1 is the first move too", {"1 2 3", "4 9 6"}, 1, 0, 1, 1},
        {"a bonus item in an ice cube is none", {"1 2 3", "4 9c 6"}, 0, 1, -1, -1},
        {"the swap right marks the shape that completes the line", {"1 5 1 1", "5 1 6 7"}, 1, 0, 0, 0},
        {"the swap down marks the partner that completes it", {"1 5 1 1", "5 1 6 7"}, 2, 0, 1, 1},
        {"a bonus entry before its own swaps", {"9 1 1", "1 5 6"}, 1, 0, 0, 0},
        {"the bonus swapped marks its partner", {"9 1 1", "1 5 6"}, 2, 0, 0, 1},
        {"a row line before the column line of the same swap",
         {"4 5 6", "1 2 1", "3 1 4", "6 2 5", "5 2 6"},
         1,
         0,
         1,
         2},
        {"then the column line, marking the other gem",
         {"4 5 6", "1 2 1", "3 1 4", "6 2 5", "5 2 6"},
         2,
         0,
         1,
         1},
        {"a gem in an ice cube is no source", {"1 1 5c", "6 7 1"}, 0, 1, -1, -1},
        {"a gem in an ice cube completes a line", {"1c 1 5", "6 7 1"}, 0, 0, 2, 1},
        {"a hole is no partner", {"1 1 #", "6 7 1"}, 0, 1, -1, -1},
        {"an empty cell swaps and its partner is marked", {"1 1 .", "6 7 1"}, 0, 0, 2, 1},
        {"a line already standing is reported", {"2 2 2"}, 0, 0, 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        BuildBoard(c.rows);
        std::vector<TGem*> before = CellGems();
        EXPECT_EQ(GameGrid->NoMoreMoves(c.n), c.result);
        EXPECT_EQ(GameGrid->DebugX, c.hintX);
        EXPECT_EQ(GameGrid->DebugY, c.hintY);
        EXPECT_EQ(CellGems(), before);
    }
}

TEST_F(SearchTest, AskingPastTheLastMoveStartsTheHintsAgainUnlessThereIsNoMove) {
    BuildBoard({"1 5 1 1", "5 1 6 7"});
    GameGrid->HintCurrent = 3;
    EXPECT_EQ(GameGrid->NoMoreMoves(3), 1);
    EXPECT_EQ(GameGrid->HintCurrent, 1);
    EXPECT_EQ(GameGrid->DebugX, -1);
    EXPECT_EQ(GameGrid->DebugY, -1);

    BuildBoard({"1 2 3", "4 5 6"});
    GameGrid->HintCurrent = 3;
    EXPECT_EQ(GameGrid->NoMoreMoves(3), 1);
    EXPECT_EQ(GameGrid->HintCurrent, 3);
}

// The whole search over a full board with no move, and over a filled board counting every move,
// keeps every gem in its cell and allocates nothing.
TEST_F(SearchTest, TheSearchAllocatesNothingAndPutsEveryGemBack) {
    std::vector<std::string> rows;
    for (int y = 0; y < 12; ++y) {
        std::string row;
        for (int x = 0; x < 13; ++x)
            row += std::to_string((x + y) % 5 + 1) + " ";
        rows.push_back(row);
    }
    BuildBoard(rows);
    std::vector<TGem*> before = CellGems();
    long start = allocations;
    EXPECT_EQ(GameGrid->NoMoreMoves(0), 1);
    EXPECT_EQ(GameGrid->NoMoreMoves(1000), 1);
    EXPECT_EQ(allocations - start, 0);
    EXPECT_EQ(CellGems(), before);

    // One move left, late in the order.
    Grid[11][11]->Gem->GemType = 2;
    start = allocations;
    EXPECT_EQ(GameGrid->NoMoreMoves(0), 0);
    EXPECT_EQ(allocations - start, 0);
    EXPECT_EQ(GameGrid->NoMoreMoves(2), 1);
    EXPECT_EQ(CellGems(), before);
}

} // namespace

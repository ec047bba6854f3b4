// The hint: its refusals, the walk through the moves in the search's order with the wrap to the
// first, the marked gem of a swap and of an item, a board without moves, and the sounds.
#include "board_fixture.h"

using namespace boardtest;

namespace {

class HintTest : public BoardTest {
protected:
    struct TClickHost : TRecordingHost {
        int Clicks = 0;
        void PlayMenuButtonClick() override { ++Clicks; }
    } clickHost;
    void SetUp() override {
        BoardTest::SetUp();
        SetBoardHost(&clickHost);
        clickHost.Audio = audio;
    }
    static int Wobbling() {
        int n = 0;
        for (const TGemRef& gem : *GemList)
            n += gem->HintWobble;
        return n;
    }
};

// Two moves in the search's order: the 1 at (2, 1) completing the top row, then the item at (0, 2).
const std::vector<std::string> kTwoMoves = {"1 1 2 3", "4 5 1 6", "8 6 3 2"};

TEST_F(HintTest, ARefusedHintChangesNothing) {
    struct TCase {
        const char* what;
        float hint, noMore, swap;
        int block, outro;
    } cases[] = {
        {"a hint shows", 5.0f, 0, 0, 0, 0},  {"no more moves", 0, 5.0f, 0, 0, 0},
        {"the outro", 0, 0, 0, 0, 1},        {"the board is busy", 0, 0, 0, 1, 0},
        {"a swap slides", 0, 0, 5.0f, 0, 0},
    };
    for (const TCase& c : cases) {
        TGameGrid& grid = BuildBoard(kTwoMoves);
        grid.HintCounter = c.hint, grid.NoMoreCounter = c.noMore, grid.SwapCounter = c.swap;
        grid.BlockInput = c.block;
        clickHost.Outro = c.outro;
        clickHost.HintShowCounter = 7.0f;
        audio->Clear();
        clickHost.Clicks = 0;
        EXPECT_EQ(grid.HintStart(), 0) << c.what;
        EXPECT_EQ(grid.HintCurrent, 1) << c.what;
        EXPECT_EQ(grid.HintX, -1) << c.what;
        EXPECT_EQ(Wobbling(), 0) << c.what;
        EXPECT_TRUE(Cues().empty()) << c.what;
        EXPECT_EQ(clickHost.Clicks, 0) << c.what;
        EXPECT_FLOAT_EQ(clickHost.HintShowCounter, 7.0f) << c.what;
    }
}

TEST_F(HintTest, HintsWalkThroughTheMovesAndWrapToTheFirst) {
    TGameGrid& grid = BuildBoard(kTwoMoves);
    std::vector<std::pair<int, int>> marked;
    for (int i = 0; i < 3; ++i) {
        grid.HintEnd();
        ASSERT_EQ(grid.HintStart(), 1);
        marked.emplace_back(grid.HintX, grid.HintY);
        TGem* gem = Grid[grid.HintX][grid.HintY]->Gem.get();
        ASSERT_NE(gem, nullptr);
        EXPECT_EQ(gem->HintWobble, 1);
        EXPECT_EQ(Wobbling(), 1);
        EXPECT_FLOAT_EQ(grid.HintCounter, grid.HintLength);
    }
    // The swap's marked gem is the 1 that completes the line; then the item; then the first again.
    EXPECT_EQ(marked[0], std::make_pair(2, 1));
    EXPECT_EQ(Grid[2][1]->Gem->GemType, 1);
    EXPECT_EQ(marked[1], std::make_pair(0, 2));
    EXPECT_EQ(Grid[0][2]->Gem->GemType, 8);
    EXPECT_EQ(marked[2], marked[0]);
    EXPECT_EQ(grid.HintCurrent, 2);
}

TEST_F(HintTest, AStartedHintClicksPlaysItsSoundAndRestartsTheIdleClock) {
    TGameGrid& grid = BuildBoard(kTwoMoves);
    clickHost.HintShowCounter = 300.0f;
    ASSERT_EQ(grid.HintStart(), 1);
    EXPECT_EQ(clickHost.Clicks, 1);
    EXPECT_EQ(Cues(), std::vector<std::string>{"hint"});
    EXPECT_FLOAT_EQ(clickHost.HintShowCounter, 0.0f);
}

TEST_F(HintTest, WithoutAnyMoveTheHintSoundsAndRunsButMarksNothing) {
    TGameGrid& grid = BuildBoard({"1 2 3", "4 5 6"});
    ASSERT_EQ(grid.HintStart(), 1);
    EXPECT_EQ(Cues(), std::vector<std::string>{"hint"});
    EXPECT_FLOAT_EQ(grid.HintCounter, grid.HintLength);
    EXPECT_EQ(grid.HintX, -1);
    EXPECT_EQ(Wobbling(), 0);
}

} // namespace

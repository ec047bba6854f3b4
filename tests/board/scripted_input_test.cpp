// Scripted input reaching the board through the game's own loop: events queued on the platform,
// the fake clock advanced by whole ticks, and the core's logic loop (hits cleared, the pointer
// managed, the events drained) running a screen whose logic is the board's tick.
#include "board_play.h"

#include "core/TFixedRateLogic.h"
#include "core/TScreen.h"
#include "platform/system.h"

namespace boardtest {
namespace {

class TBoardScreen : public TScreen {
public:
    int Logic() override {
        if (GameGrid) GameGrid->Manage();
        return 1;
    }
};

class ScriptedInputTest : public BoardPlayTest {
protected:
    void SetUp() override {
        BoardPlayTest::SetUp();
        platform::UseFakeClock(0);
        Game->FixedRateLogic->Create();
        Game->FixedRateLogic->CalcMS();
        Game->FixedRateLogic->Init();
        Game->CurrentTScreen = std::make_shared<TBoardScreen>();
    }
    void TearDown() override {
        Game->CurrentTScreen = nullptr;
        platform::UseRealClock();
        BoardPlayTest::TearDown();
    }
    // Whole ticks of the game's loop, 5 ms each.
    static void RunTicks(int n) {
        for (int i = 0; i < n; ++i) {
            platform::AdvanceClock(5);
            Game->MainLogicLoop();
        }
    }
    static void PostMovePixels(int x, int y, int ox, int oy) {
        platform::PostEvent({platform::EVENT_MOUSE_MOVE, 0, CalcSX(x) + ox, CalcSY(y) + oy});
    }
};

const std::vector<std::string> kBoard = {"1 2 3 4 11", "3 4 1 2 3", "2 1 4 3 2", "4 3 2 1 4"};

TEST_F(ScriptedInputTest, EachTickOfTheLoopIsOneBoardTick) {
    BuildBoard(kBoard);
    GameGrid->SetupIntroFlash();
    RunTicks(10);
    EXPECT_EQ(GameGrid->IntroColumn, 1);
}

TEST_F(ScriptedInputTest, QuickClicksSelectAndSwap) {
    TGameGrid& grid = BuildBoard(kBoard);
    PostMove(0, 0);
    PostDown();
    PostUp();
    RunTicks(1);
    EXPECT_EQ(grid.Mode, 1);
    EXPECT_EQ(grid.cx, 0);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"click"}));
    PostMove(1, 0);
    PostDown();
    PostUp();
    RunTicks(1);
    EXPECT_GT(grid.SwapCounter, 0.0f);
    EXPECT_EQ(grid.dx, 1);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"click", "swap"}));
}

TEST_F(ScriptedInputTest, APressDraggedOntoANeighbourOverThreeTicksSwaps) {
    TGameGrid& grid = BuildBoard(kBoard);
    PostMove(0, 1);
    PostDown();
    RunTicks(1);
    PostMovePixels(0, 1, 40, 25);
    RunTicks(1);
    PostMovePixels(0, 1, 49, 25);
    RunTicks(1);
    EXPECT_EQ(grid.SwapCounter, 0.0f);
    PostMovePixels(1, 1, 2, 25);
    RunTicks(1);
    EXPECT_GT(grid.SwapCounter, 0.0f);
    EXPECT_EQ(grid.dx, 1);
    EXPECT_EQ(grid.dy, 1);
    PostUp();
    RunTicks(1);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"click", "swap"}));
}

TEST_F(ScriptedInputTest, ADragTwoCellsAwayDropsTheSelection) {
    TGameGrid& grid = BuildBoard(kBoard);
    PostMove(0, 2);
    PostDown();
    RunTicks(1);
    PostMove(2, 2);
    RunTicks(1);
    PostUp();
    RunTicks(1);
    EXPECT_EQ(grid.Mode, 0);
    EXPECT_EQ(grid.SwapCounter, 0.0f);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"click"}));
}

TEST_F(ScriptedInputTest, AnArmedStarFiresOnlyOnANewPress) {
    TGameGrid& grid = BuildBoard(kBoard);
    PostMove(4, 0);
    PostDown();
    RunTicks(1);
    EXPECT_EQ(grid.PointerGemType, 11);
    PostMove(1, 2);
    RunTicks(3); // held over the target
    EXPECT_EQ(grid.Mode, 1);
    EXPECT_FALSE(Hit(1, 2));
    PostUp();
    RunTicks(1);
    PostDown();
    RunTicks(1);
    EXPECT_TRUE(Hit(1, 2));
    EXPECT_TRUE(Hit(4, 0)) << "used up";
    EXPECT_EQ(grid.PointerGemType, 0);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"click", "star", "matchnobrick"}));
}

} // namespace
} // namespace boardtest

// A board at rest without a move: the quit, the four-second sequence (alarm, fade and shake, pop
// and flight) and the restart of the level with a new board.
#include "board_play.h"

#include <cmath>

namespace boardtest {
namespace {

class NoMoreMovesTest : public BoardPlayTest {
protected:
    void SetUp() override {
        BoardPlayTest::SetUp();
        host.Player().Level = 2; // the level the restart loads
    }
};

// Shapes (x + y) mod 5 + 1 with a pane at the corner: no swap makes a line.
std::vector<std::string> NoMoveRows(int w, int h) {
    std::vector<std::string> rows;
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x)
            row += std::to_string((x + y) % 5 + 1) + (x == 0 && y == 0 ? "i " : " ");
        rows.push_back(row);
    }
    return rows;
}

int CueCount(const std::vector<std::string>& cues, const std::string& name) {
    return int(std::count(cues.begin(), cues.end(), name));
}

TEST_F(NoMoreMovesTest, TheSequenceRunsItsTimelineAndRestartsTheLevel) {
    BuildBoard(NoMoveRows(5, 5));
    TGameGridRef board = GameGrid;
    Game->MusicChannel = platform::AllocChannel();
    Game->MusicSample = platform::LoadSound(std::string(SLEETWHISTLE_TEST_DATA_DIR) + "/sound/tick.wav");
    ASSERT_TRUE(Game->MusicSample);
    Tick(); // tick 0: the idle check
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"Quit"}));
    EXPECT_EQ(Cues(), (std::vector<std::string>{"alarm"}));
    EXPECT_EQ(board->NoMoreCounter, 800.0f);
    EXPECT_EQ(board->BlockInput, 1);
    TGem* watched = Grid[0][1]->Gem.get(); // off the centre column: it flies sideways
    float lastX = watched->x;
    for (int tick = 1; tick <= 800; ++tick) {
        SCOPED_TRACE(tick);
        Tick();
        if (tick == 1 || tick == 200) {
            float r = tick == 1 ? 1.0f : 0.005f;
            EXPECT_NEAR(board->alpha, r, 1e-5f);
            EXPECT_NEAR(Game->MusicChannel->Volume(), r, 1e-5f);
        }
        if (tick < 200) {
            EXPECT_LE(std::fabs(board->JiggleOffset), 4.0f);
            EXPECT_EQ(board->Exploded, 0);
        }
        if (tick == 4 || tick == 20 || tick == 12) {
            EXPECT_EQ(board->JiggleOffset, tick == 12 ? -4.0f : 4.0f);
        }
        if (tick == 200) {
            EXPECT_EQ(board->Exploded, 1);
            EXPECT_EQ(board->JiggleDirection, 0);
            EXPECT_EQ(CueCount(Cues(), "echopop"), 1);
        }
        if (tick > 200 && tick < 800) {
            EXPECT_NE(watched->x, lastX) << "the gems fly every tick";
            lastX = watched->x;
        }
        if (tick < 800) {
            EXPECT_EQ(CueCount(Cues(), "tick"), 0);
            EXPECT_EQ(GameGrid, board);
        }
    }
    EXPECT_EQ(CueCount(Cues(), "echopop"), 1);
    EXPECT_EQ(CueCount(Cues(), "alarm"), 1);
    EXPECT_EQ(CueCount(Cues(), "tick"), 1) << "the level's music starts again once, after the restart";
    EXPECT_GT(Game->MusicFadeInCounter, 0.0f) << "with a fade-in";
    EXPECT_EQ(host.CountCalls("RestartLevel"), 1);
    EXPECT_EQ(board->NoMore, 0);
    EXPECT_EQ(board->NoMoreCounter, 0.0f);
    ASSERT_NE(GameGrid, board);
    EXPECT_EQ(GameGrid->levelwidth, 13) << "the level is loaded anew";
    EXPECT_EQ(GameGrid->NoMoreMoves(0), 0);
    EXPECT_EQ(GameGrid->alpha, 1.0f);
    EXPECT_EQ(host.Player().Alive, 1);
    EXPECT_EQ(host.Player().DeathCounter, 0.0f) << "the restart ends the death countdown";
}

TEST_F(NoMoreMovesTest, TheOldBoardEndsItsTickAfterReplacingItself) {
    BuildBoard(NoMoveRows(4, 4));
    std::weak_ptr<TGameGrid> old = GameGrid;
    for (int tick = 0; tick <= 800; ++tick)
        Tick();
    EXPECT_TRUE(old.expired());
    EXPECT_EQ(host.CountCalls("RestartLevel"), 1);
}

TEST_F(NoMoreMovesTest, FractionalTicksChangePhaseAtTheSameMilliseconds) {
    BuildBoard(NoMoveRows(5, 5));
    TGameGridRef board = GameGrid;
    Delta = 0.37f;
    Tick();
    double elapsed = 0.0, popAt = -1.0, restartAt = -1.0;
    for (int tick = 0; tick < 3000 && restartAt < 0.0; ++tick) {
        Tick();
        elapsed += 0.37;
        if (popAt < 0.0 && board->Exploded) popAt = elapsed;
        if (GameGrid != board) restartAt = elapsed;
    }
    EXPECT_GE(popAt, 200.0 - 1e-3);
    EXPECT_LT(popAt, 200.37 + 1e-3);
    EXPECT_GE(restartAt, 800.0 - 1e-3);
    EXPECT_LT(restartAt, 800.37 + 1e-3);
}

TEST_F(NoMoreMovesTest, ARefusedQuitIsAskedAgainOnTheNextIdleTick) {
    TGameGrid& grid = BuildBoard(NoMoveRows(4, 4));
    host.AcceptQuit = false;
    Tick();
    Tick();
    EXPECT_EQ(host.CountCalls("Quit"), 2);
    EXPECT_EQ(grid.NoMore, 1);
    EXPECT_EQ(grid.NoMoreCounter, 0.0f);
    EXPECT_TRUE(Cues().empty());
}

TEST_F(NoMoreMovesTest, TheBoardIsCheckedInTheTickItComesToRest) {
    TGameGrid& grid = BuildBoard(NoMoveRows(4, 4));
    TGemRef gem = TGem::Make(0, -1, 1, 0);
    gem->GemType = -1;
    gem->ExplosionCounter = 3.0f;
    GemList->InsertGem(gem);
    grid.BlockInput = 1;
    for (int tick = 0; tick < 4; ++tick) {
        Tick();
        EXPECT_EQ(host.CountCalls("Quit"), tick == 3 ? 1 : 0) << tick;
    }
}

TEST_F(NoMoreMovesTest, ABoardWhoseOnlyMovesAreItemsPlaysOn) {
    std::vector<std::string> rows = NoMoveRows(4, 4);
    rows[2] = "3 11 5 1";
    BuildBoard(rows);
    for (int tick = 0; tick < 5; ++tick)
        Tick();
    EXPECT_TRUE(host.Calls.empty());
    EXPECT_EQ(GameGrid->NoMore, 0);
}

TEST_F(NoMoreMovesTest, ClicksAndASecondQuitDoNothingDuringTheSequence) {
    TGameGrid& grid = BuildBoard(NoMoveRows(4, 4));
    Tick();
    for (int tick = 0; tick < 10; ++tick)
        Tick();
    audio->Clear();
    EXPECT_EQ(grid.ClickCell(1, 1), 0);
    PointAt(2, 2);
    Press();
    grid.mx = grid.my = 0;
    Tick();
    EXPECT_EQ(grid.mx, 0);
    EXPECT_EQ(grid.Mode, 0);
    EXPECT_TRUE(Cues().empty());
    float counter = grid.NoMoreCounter;
    host.Player().DeathCounter = 500.0f;
    EXPECT_EQ(host.Quit(), 0);
    EXPECT_EQ(grid.NoMoreCounter, counter) << "no second death";
    EXPECT_EQ(host.Player().DeathCounter, 500.0f);
}

} // namespace
} // namespace boardtest

// The board's tick: the busy flag and the level-end test, the column flashes, and the player's
// time.
#include "board_play.h"

namespace boardtest {
namespace {

class TickTest : public BoardPlayTest {
protected:
    // A gem bursting outside the board (no cell to refill), ticks left of its burst.
    static void AddBurstingGem(float ticks) {
        TGemRef gem = TGem::Make(0, -1, 1, 0);
        gem->GemType = -1;
        gem->ExplosionCounter = ticks;
        GemList->InsertGem(gem);
    }
};

// No ice and one move (swap the two right-hand gems of the top row).
const std::vector<std::string> kNoIce = {"1 1 2 1", "3 4 1 2", "2 1 4 3", "4 3 2 1"};

TEST_F(TickTest, TheLevelEndIsTestedOnceWhenTheBoardTurnsIdle) {
    TGameGrid& grid = BuildBoard(kNoIce);
    Tick();
    EXPECT_EQ(host.CountCalls("NextLevel"), 0) << "idle from the start: no edge";
    AddBurstingGem(3.0f);
    int edgeTick = -1;
    for (int tick = 0; tick < 10; ++tick) {
        int before = host.CountCalls("NextLevel");
        Tick();
        if (host.CountCalls("NextLevel") > before) edgeTick = tick;
        if (edgeTick == -1) {
            EXPECT_EQ(grid.BlockInput, 1) << tick;
        }
    }
    EXPECT_EQ(host.CountCalls("NextLevel"), 1);
    EXPECT_EQ(edgeTick, 3) << "three ticks of burst (the last removes the gem), then idle";
    EXPECT_EQ(grid.BlockInput, 1) << "frozen after the level end";
    EXPECT_EQ(grid.ClickCell(0, 0), 0);
}

TEST_F(TickTest, DuringTheOutroTheLevelEndIsNeverTested) {
    TGameGrid& grid = BuildBoard(kNoIce);
    host.Outro = 1;
    grid.BlockInput = 1;
    AddBurstingGem(2.0f);
    for (int tick = 0; tick < 10; ++tick)
        Tick();
    EXPECT_EQ(host.Calls.size(), 0u);
    EXPECT_EQ(grid.BlockInput, 1) << "the outro leaves the flag alone";
}

TEST_F(TickTest, ARefusedLevelEndLeavesTheBoardAndIsAskedAgainOnTheNextEdge) {
    TGameGrid& grid = BuildBoard(kNoIce);
    host.AcceptNextLevel = false;
    AddBurstingGem(1.0f);
    std::string before = BoardText();
    for (int tick = 0; tick < 20; ++tick)
        Tick();
    EXPECT_EQ(host.CountCalls("NextLevel"), 1);
    EXPECT_EQ(BoardText(), before);
    EXPECT_EQ(grid.BlockInput, 0);
    for (const auto& gem : *GemList)
        EXPECT_EQ(gem->ExplosionCounter, 0.0f);
    host.AcceptNextLevel = true;
    AddBurstingGem(1.0f);
    for (int tick = 0; tick < 5; ++tick)
        Tick();
    EXPECT_EQ(host.CountCalls("NextLevel"), 2);
    EXPECT_EQ(host.OutroActive(), 1);
}

TEST_F(TickTest, TheLastLayerBrokenMidCascadeWaitsForTheWholeCascade) {
    // The swap makes a line in the top row over the last pane: three new gems fall in after it.
    TGameGrid& grid = BuildBoard({"3 1i 1 4", "1 4 2 3", "2 3 4 1", "4 2 3 2"});
    for (int i = 0; i < 5; ++i)
        PossGems[i] = i + 1;
    grid.ClickCell(0, 0);
    grid.ClickCell(0, 1);
    int idleBeforeEnd = 0, endTick = -1;
    for (int tick = 0; tick < 2000 && endTick == -1; ++tick) {
        Tick();
        if (host.CountCalls("NextLevel"))
            endTick = tick;
        else
            idleBeforeEnd += grid.BlockInput == 0;
    }
    EXPECT_EQ(grid.Gold, 0);
    EXPECT_GT(endTick, 60) << "the burst and the fall come first";
    EXPECT_EQ(idleBeforeEnd, 0) << "the end comes in the first idle tick";
}

TEST_F(TickTest, ALevelEndDuringASwapPutsBothGemsBackAndBurstsEverything) {
    TGameGrid& grid = BuildBoard({"1 1 2 1", "3 4g 1 2", "2 1 4 3", "4 3 2 1"});
    grid.ClickCell(0, 0);
    grid.ClickCell(1, 0);
    for (int tick = 0; tick < 10; ++tick)
        Tick();
    TGemRef a = Grid[0][0]->Gem, b = Grid[1][0]->Gem;
    ASSERT_NE(a->x, float(CalcSX(0)));
    EXPECT_EQ(grid.LevelEndStart(), 1);
    for (auto [gem, x] : {std::pair{a, 0}, std::pair{b, 1}}) {
        EXPECT_EQ(gem->x, float(CalcSX(x)));
        EXPECT_EQ(gem->y, float(CalcSY(0)));
        EXPECT_EQ(gem->dx, 0.0f);
        EXPECT_EQ(gem->Swapping, 0);
    }
    EXPECT_EQ(grid.SwapCounter, 0.0f);
    EXPECT_EQ(grid.FailedMove, 0);
    EXPECT_EQ(grid.Mode, 0);
    EXPECT_EQ(grid.BlockInput, 1);
    for (const auto& gem : *GemList)
        EXPECT_GT(gem->ExplosionCounter, 0.0f);
    EXPECT_EQ(host.Player().MunchkinsFreed, 1) << "the glowing gem bursts too";
    for (int tick = 0; tick < 200; ++tick)
        Tick();
    EXPECT_EQ(grid.BlockInput, 1);
    EXPECT_EQ(host.CountCalls("Quit"), 0);
}

TEST_F(TickTest, ASwapKeepsTheBoardBusy) {
    TGameGrid& grid = BuildBoard(kNoIce);
    grid.ClickCell(0, 0);
    grid.ClickCell(1, 0);
    while (grid.SwapCounter > 0.0f) {
        Tick();
        if (grid.SwapCounter > 0.0f) {
            EXPECT_EQ(grid.BlockInput, 1);
        }
    }
}

TEST_F(TickTest, TheColumnFlashSweepsFadesAndStartsAtRandom) {
    TGameGrid& grid = BuildBoard(kNoIce);
    grid.SetupIntroFlash();
    EXPECT_EQ(Grid[0][3]->glow, 0.5f);
    EXPECT_EQ(Grid[1][0]->glow, 0.0f);
    for (int tick = 0; tick < 9; ++tick)
        grid.IntroFlash();
    EXPECT_EQ(grid.IntroColumn, 0);
    grid.IntroFlash();
    EXPECT_EQ(grid.IntroColumn, 1);
    EXPECT_EQ(Grid[1][2]->glow, 0.5f);
    for (int tick = 0; tick < 30; ++tick)
        grid.ManageFlash();
    EXPECT_EQ(Grid[0][0]->glow, 0.0f) << "stops at exactly 0";
    Grid[2][0]->glow = 0.2f;
    grid.FlashColumn(2);
    EXPECT_EQ(Grid[2][0]->glow, 0.5f);

    BoardRandScript(1, 100000, {1});
    grid.RandomFlash();
    EXPECT_EQ(grid.IntroColumn, 1) << "no new sweep during a sweep";
    BoardRandClearScripts();
    grid.IntroColumn = grid.levelwidth;
    BoardRandScript(1, 100000, {15, 14});
    grid.RandomFlash();
    EXPECT_EQ(grid.IntroColumn, grid.levelwidth);
    grid.RandomFlash();
    EXPECT_EQ(grid.IntroColumn, 0);
}

TEST_F(TickTest, ThePhaseNamesTheBoardsFields) {
    TGameGrid& grid = BuildBoard(kNoIce);
    EXPECT_STREQ(grid.Phase(), "idle");
    grid.ClickCell(2, 0);
    grid.ClickCell(3, 0);
    EXPECT_STREQ(grid.Phase(), "swapping");
    while (grid.SwapCounter > 0.0f)
        Tick();
    EXPECT_STREQ(grid.Phase(), "busy");
    grid.StartNoMoreMoves();
    EXPECT_STREQ(grid.Phase(), "no more moves: shaking");
}

TEST_F(TickTest, ThePlayerCountsTimeOutsideTheOutroUntilTheTargetIsMet) {
    TGameGrid& grid = BuildBoard(kNoIce);
    TPlayer& player = host.Player();
    EXPECT_EQ(player.Manage(), 1);
    host.Outro = 1;
    player.Manage();
    host.Outro = 0;
    grid.TargetMet = 1;
    player.Manage();
    EXPECT_EQ(player.TimeTaken, 1.0f);
}

TEST_F(TickTest, DyingLeavesTheProfileAndTheDeathEndUsesALife) {
    BuildBoard(kNoIce);
    TPlayer& player = host.Player();
    Game->CurrentProfile = nullptr;
    player.Score = 700;
    player.Lives = 2;
    player.Die();
    EXPECT_EQ(player.Alive, 0);
    EXPECT_EQ(player.NoChecks, 1);
    EXPECT_EQ(player.DeathCounter, 1000.0f);
    EXPECT_EQ(GameGrid->NoMoreCounter, 800.0f) << "the sequence starts";
    EXPECT_EQ(host.Profile.Saves, 0);

    struct Case {
        int lives;
        int result, livesAfter;
        const char* call;
    } cases[] = {{1, -1, 0, "RestartIntro"}, {0, -1, -1, "StartGameOver"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lives);
        host.Calls.clear();
        player.Lives = c.lives;
        player.DeathCounter = 1.0f;
        player.TimeTaken = 50.0f;
        player.TotalTimeTaken = 0.0;
        player.Alive = 0;
        EXPECT_EQ(player.Manage(), c.result);
        EXPECT_EQ(player.Lives, c.livesAfter);
        EXPECT_EQ(host.Calls, (std::vector<std::string>{c.call}));
        EXPECT_EQ(player.TotalTimeTaken, c.lives == 0 ? 50.0 : 0.0) << "totals added only at the end";
        EXPECT_EQ(player.Alive, c.lives == 0 ? 0 : 1);
    }
}

TEST_F(TickTest, TheProfileIsNotResetWhenThePlayerDies) {
    BuildBoard(kNoIce);
    TFixtureProfile& profile = host.Profile;
    profile.Score = 1234;
    profile.CurrentLevel = 7;
    profile.Kills = 55;
    host.Player().ReadProfile(&profile, 0);
    host.Player().Die();
    EXPECT_EQ(profile.Score, 1234);
    EXPECT_EQ(profile.CurrentLevel, 7);
    EXPECT_EQ(profile.Kills, 55);
    EXPECT_EQ(profile.Saves, 0);
}

} // namespace
} // namespace boardtest

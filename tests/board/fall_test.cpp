// Gravity and refill: stacks coming apart from the bottom, speeds, gems held behind lower gems,
// holes, entry cells, what is never released, the cascade and the landing sound.
#include "board_fixture.h"

using namespace boardtest;

namespace {

class FallTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        BoardRandScript(1, 1000, std::vector<int>(100, 1000)); // no bonus items
    }
    // Ticks of gravity alone until nothing falls, at most max; the ticks run.
    static int DropUntilStill(int max = 2000) {
        int ticks = 0;
        while (ticks < max) {
            GameGrid->DropGems();
            ++ticks;
            bool falling = false;
            for (const auto& gem : *GemList)
                falling = falling || gem->dy > 0.0f;
            if (!falling && GameGrid->FallCounter <= 0.0f) break;
        }
        return ticks;
    }
};

TEST_F(FallTest, AStackComesApartFromTheBottomOneGemEverySixTicks) {
    for (float delta : {1.0f, 0.37f}) {
        SCOPED_TRACE("delta " + std::to_string(delta));
        BuildBoard({"1", "2", "3", ".", ".", "."});
        Delta = delta;
        GameGrid->MakeNewGems = 0;
        TGemRef gems[3] = {Grid[0][0]->Gem, Grid[0][1]->Gem, Grid[0][2]->Gem};
        ASSERT_TRUE(gems[0] && gems[1] && gems[2]);
        float released[3] = {-1, -1, -1};
        float time = 0.0f;
        std::vector<float> lastY = {gems[0]->y, gems[1]->y, gems[2]->y};
        for (int t = 0; t < 2000; ++t) {
            GameGrid->DropGems();
            time += Delta;
            for (int i = 0; i < 3; ++i) {
                if (released[i] < 0 && gems[i]->dy > 0.0f) released[i] = time;
                ASSERT_LE(gems[i]->y - lastY[i], 2.0f * Delta + 1e-4f);
                lastY[i] = gems[i]->y;
            }
        }
        EXPECT_NEAR(released[2], Delta, 1e-4);
        EXPECT_NEAR(released[1] - released[2], 6.0f, Delta + 1e-4f);
        EXPECT_NEAR(released[0] - released[1], 6.0f, Delta + 1e-4f);
        EXPECT_EQ(BoardText(), ".\n.\n.\n1\n2\n3\n");
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(gems[i]->dy, 0.0f);
            EXPECT_FLOAT_EQ(gems[i]->y, float(CalcSY(gems[i]->gy)));
        }
    }
}

TEST_F(FallTest, AGemReachingALowerFallingGemFallsOnSlowly) {
    BuildBoard({".", ".", ".", "."});
    GameGrid->MakeNewGems = 0;
    TGemRef lower = TGem::Make(0, 2, 1, 1), upper = TGem::Make(0, 1, 2, 1);
    upper->y = lower->y - 50.5f;
    upper->dy = 2.0f;
    GemList->AddLast(upper);
    GemList->AddLast(lower);
    GemList->SortAll();
    float before = upper->y;
    GameGrid->DropGems();
    EXPECT_FLOAT_EQ(upper->dy, 0.04f);
    EXPECT_FLOAT_EQ(upper->y, float(int(before)));
    DropUntilStill();
    EXPECT_EQ(BoardText(), ".\n.\n2\n1\n");
}

TEST_F(FallTest, HolesAreNeverEnteredAndEachEntryBelowAHoleRefills) {
    BuildBoard({"1 .", "# #", ". ."});
    GameGrid->MakeNewGems = 0;
    DropUntilStill();
    EXPECT_EQ(BoardText(), "1 .\n# #\n. .\n");

    BuildBoard({". 1", "# #", ". .", ". ."});
    for (int i = 0; i < 2000 && (GemList->Count() < 7 || GameGrid->BlockInput); ++i) {
        GameGrid->BlockInput = 0;
        GameGrid->DropGems();
    }
    DropUntilStill();
    for (int y : {0, 2, 3})
        for (int x : {0, 1})
            EXPECT_TRUE(Grid[x][y]->Gem) << x << "," << y;
    EXPECT_EQ(GemList->Count(), 6);
}

TEST_F(FallTest, AnEntryGetsItsNextGemOnlyOnceTheLastReachedItsRow) {
    BuildBoard({".", ".", "."});
    GameGrid->DropGems();
    ASSERT_EQ(GemList->Count(), 1);
    TGemRef first = GemList->First();
    EXPECT_EQ(first->gy, -1);
    EXPECT_EQ(TopRow[0][0], 1);
    int ticks = 0;
    while (first->gy < 0 && ticks < 200) {
        GameGrid->DropGems();
        ++ticks;
        if (first->gy < 0) {
            ASSERT_EQ(GemList->Count(), 1) << ticks;
        }
    }
    EXPECT_EQ(TopRow[0][0], 0);
    GameGrid->DropGems();
    EXPECT_EQ(GemList->Count(), 2);
}

TEST_F(FallTest, CubesSwappingAndBurstingGemsStayWhereTheyAre) {
    BuildBoard({"1c 2 3", ". . ."});
    GameGrid->MakeNewGems = 0;
    ASSERT_TRUE(Grid[1][0]->Gem && Grid[2][0]->Gem);
    Grid[1][0]->Gem->Swapping = 1;
    Grid[2][0]->Gem->GemType = -1;
    for (int t = 0; t < 20; ++t)
        GameGrid->DropGems();
    EXPECT_EQ(BoardText(), "1 2 -1\n. . .\n");
}

TEST_F(FallTest, ABurstingGemHoldsTheGemAboveButDoesNotCarryAFallingOne) {
    BuildBoard({"1 2", "3 .", ". 4"});
    GameGrid->MakeNewGems = 0;
    ASSERT_TRUE(Grid[0][1]->Gem && Grid[1][2]->Gem && Grid[1][0]->Gem);
    Grid[0][1]->Gem->Explode(1); // resting, bursting: holds the 1 above
    Grid[1][2]->Gem->Explode(1); // the 2 falls through it to the bottom row
    TGemRef two = Grid[1][0]->Gem;
    DropUntilStill();
    ASSERT_TRUE(Grid[0][0]->Gem) << "the 1 was carried off";
    EXPECT_EQ(Grid[0][0]->Gem->GemType, 1);
    EXPECT_EQ(Grid[1][2]->Gem, two);
    EXPECT_FLOAT_EQ(two->y, float(CalcSY(2)));
}

TEST_F(FallTest, TheCascadeRunsInTheLandingTickAndLandIsNotRestarted) {
    BuildBoard({"3 1 3 4", "1 . 1 2", "2 3 2 .", "4 2 4 1"});
    GameGrid->MakeNewGems = 0;
    TGemRef one = Grid[1][0]->Gem;
    ASSERT_TRUE(one);
    int landingTick = -1;
    for (int t = 0; t < 200 && landingTick < 0; ++t) {
        GameGrid->DropGems();
        if (one->dy == 0.0f && one->gy == 1) landingTick = t;
    }
    ASSERT_GE(landingTick, 0);
    EXPECT_EQ(host.Player().Kills, 3);
    EXPECT_EQ(one->GemType, -1);
    DropUntilStill();
    int lands = 0;
    for (const std::string& cue : Cues())
        lands += cue == "land";
    EXPECT_EQ(lands, 1); // the second landing came while the first sound still played
}

TEST_F(FallTest, ARefilledGemGlowsByATenthChanceAPerTick) {
    for (auto [draw, glowing] : {std::pair{999, 1}, {1000, 0}}) {
        SCOPED_TRACE(draw);
        BuildBoard({"."});
        BoardRandScript(1, 10000, {draw});
        GameGrid->DropGems();
        ASSERT_EQ(GemList->Count(), 1);
        EXPECT_EQ(GemList->First()->Munchkin, glowing);
    }
}

TEST_F(FallTest, RefillAndGravityCanBeSwitchedOff) {
    BuildBoard({"1", ".", "."});
    GameGrid->MakeNewGems = 0;
    DropUntilStill();
    EXPECT_EQ(BoardText(), ".\n.\n1\n");
    EXPECT_EQ(GemList->Count(), 1);

    BuildBoard({"1", ".", "."});
    GameGrid->DropGemsFlag = 0;
    for (int t = 0; t < 100; ++t)
        EXPECT_EQ(GameGrid->DropGems(), 0);
    EXPECT_EQ(BoardText(), "1\n.\n.\n");
    EXPECT_EQ(GemList->Count(), 1);
    EXPECT_EQ(GameGrid->BlockInput, 0);
}

} // namespace

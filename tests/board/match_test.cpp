// Lines: what the scan finds and counts, the resolution (freeing, scoring, bursting, breaking
// ice), the test mode, scores, the bonus draw and the match sounds.
#include "board_fixture.h"

using namespace boardtest;

namespace {

class MatchTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        NoBonus();
    }
    // The bonus draw misses for the next many shapes.
    static void NoBonus() { BoardRandScript(1, 1000, std::vector<int>(200, 1000)); }
    // A silent pool: sounds still playing would keep every channel busy.
    void FreshChannels() {
        TGameGrid::CreateChannels();
        audio->Clear();
    }
    static int Exploding() {
        int n = 0;
        for (const auto& gem : *GemList)
            n += gem->GemType == -1;
        return n;
    }
};

TEST_F(MatchTest, LinesAreFoundCountedAndScoredByTheirRunTotal) {
    struct TCase {
        const char* what;
        std::vector<std::string> rows;
        int result, score;
    } cases[] = {
        {"three in a row", {"1 1 1", "2 3 4"}, 3, 30},
        {"four in a row is one line", {"1 1 1 1", "2 3 4 5"}, 4, 80},
        {"a column", {"1 2", "1 3", "1 4"}, 3, 30},
        {"two lines elsewhere share their run total", {"1 1 1 4", "2 3 5 6", "5 5 5 2"}, 6, 240},
        {"an L of three and three", {"1 2 3", "1 4 5", "1 1 1"}, 5, 200},
        {"a hole splits", {"1 # 1 1"}, 0, 0},
        {"an empty cell splits", {"1 . 1 1"}, 0, 0},
        {"a bonus item splits", {"1 9 1 1"}, 0, 0},
        {"bonus items make no line", {"9 9 9"}, 0, 0},
        {"a line of gems in ice cubes is freed, not burst", {"2c 2c 2c"}, 3, 30},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        BuildBoard(c.rows);
        host.Player().Score = 0;
        EXPECT_EQ(GameGrid->DoMatches(0, 0), c.result);
        EXPECT_EQ(host.Player().Score, c.score);
        for (int y = 0; y < GameGrid->levelheight; ++y)
            for (int x = 0; x < GameGrid->levelwidth; ++x)
                EXPECT_EQ(Grid[x][y]->match, 0);
    }
}

TEST_F(MatchTest, AGoneShapeAndASwappingShapeSplitLinesUnlessSwappingCounts) {
    BuildBoard({"1 1 1 1 1"});
    Grid[2][0]->Gem->GemType = -1;
    EXPECT_EQ(GameGrid->DoMatches(1, 1), 0);
    Grid[2][0]->Gem->GemType = 1;
    Grid[2][0]->Gem->Swapping = 1;
    EXPECT_EQ(GameGrid->DoMatches(1, 0), 0);
    GameGrid->ClearMatches();
    EXPECT_EQ(GameGrid->DoMatches(1, 1), 5);
}

TEST_F(MatchTest, TestModeMarksAndCountsButChangesNothingElse) {
    BuildBoard({"1i 1g 1c", "2 3 4"});
    TGameGrid& grid = *GameGrid;
    grid.MunchkinPlaying = 1;
    host.HintShowCounter = 50.0f;
    int gold = grid.Gold, locked = grid.Locked;
    EXPECT_EQ(grid.DoMatches(1, 0), 3);
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(Grid[x][0]->match, 1);
        EXPECT_EQ(Grid[x][0]->Gem->GemType, 1);
    }
    EXPECT_EQ(grid.Gold, gold);
    EXPECT_EQ(grid.Locked, locked);
    EXPECT_EQ(Grid[2][0]->Gem->locked, 1);
    EXPECT_EQ(host.Player().Score, 0);
    EXPECT_FLOAT_EQ(host.HintShowCounter, 50.0f);
    EXPECT_EQ(grid.MunchkinPlaying, 0);
    EXPECT_TRUE(Cues().empty());
}

TEST_F(MatchTest, AGemInAnIceCubeIsFreedScoredPlainAndKeepsItsIce) {
    BuildBoard({"1i 1cgi 1i", "2 3 4"});
    TGameGrid& grid = *GameGrid;
    TGemRef freed = Grid[1][0]->Gem;
    EXPECT_EQ(grid.DoMatches(0, 0), 3);
    EXPECT_EQ(freed->locked, 0);
    EXPECT_EQ(freed->GemType, 1);
    EXPECT_EQ(freed->ExplosionCounter, 0.0f);
    EXPECT_EQ(Grid[1][0]->gold, 1);
    EXPECT_EQ(Grid[0][0]->gold, 0);
    EXPECT_EQ(Grid[2][0]->gold, 0);
    EXPECT_EQ(grid.Locked, 0);
    EXPECT_EQ(grid.Gold, 1);
    EXPECT_EQ(host.Player().Score, 30); // the glowing gem freed from its cube scores as plain
    EXPECT_EQ(Exploding(), 2);
}

TEST_F(MatchTest, TheSelectionEndsWhenItsShapeBurstsButNotWhenItIsOnlyFreed) {
    BuildBoard({"1 1c 1", "2 3 4"});
    GameGrid->CursorSet(1, 0);
    GameGrid->DoMatches(0, 0);
    EXPECT_EQ(GameGrid->Mode, 1);
    BuildBoard({"1 1 1", "2 3 4"});
    GameGrid->CursorSet(1, 0);
    GameGrid->DoMatches(0, 0);
    EXPECT_EQ(GameGrid->Mode, 0);
    EXPECT_EQ(GameGrid->cx, -1);
}

TEST_F(MatchTest, ScoresByRunTotalWithTheGlowingBonus) {
    LoadBoardImages();
    BuildBoard({"1"});
    struct TCase {
        int n, glowing, points, image;
    } cases[] = {{0, 0, 0, 0},  {3, 0, 10, 0},  {-4, 0, 10, 0}, {4, 0, 20, 1}, {5, 0, 30, 2},
                 {9, 0, 70, 6}, {12, 0, 80, 7}, {4, 1, 120, 8}, {0, 1, 100, 8}};
    for (const TCase& c : cases) {
        SCOPED_TRACE("n " + std::to_string(c.n) + " glowing " + std::to_string(c.glowing));
        host.Player().Score = 0;
        ScoreParticles->Clear();
        GameGrid->ScoreSpriteCreate(0, 0, c.n, c.glowing);
        EXPECT_EQ(host.Player().Score, c.points);
        ASSERT_EQ(ScoreParticles->Count(), 1);
        TParticleRef sprite = ScoreParticles->First();
        EXPECT_EQ(sprite->image, ScoreParticleImages[c.image]);
        EXPECT_FLOAT_EQ(sprite->x, float(CalcSX(0) + 25));
        EXPECT_FLOAT_EQ(sprite->y, float(CalcSY(0) + 10));
        EXPECT_FLOAT_EQ(sprite->dy, -0.1f);
        EXPECT_EQ(sprite->DoLightBlend, 1);
    }
}

TEST_F(MatchTest, TheBonusDrawMakesAnItemByChanceFromItsCandidates) {
    struct TCase {
        const char* what;
        int gold, locked, level;
        std::vector<int> levelBonus;
        int draw;               // scripted (1, 1000) for the first shape of the line
        std::vector<int> picks; // scripted candidate indices
        int made;               // the code standing in cell (0, 0), 0 for none
        bool iced;              // the cell (0, 0) stands on ice that the match breaks
    } cases[] = {
        {"29 is below 30", 10, 0, 1, {8}, 29, {}, 8, false},
        {"30 is not", 10, 0, 1, {8}, 30, {}, 0, false},
        {"60 when little ice is left and not all of it in cubes", 3, 0, 1, {8}, 59, {}, 8, false},
        {"30 when every ice layer left holds a cube", 3, 3, 1, {8}, 59, {}, 0, false},
        {"matchsticks when one or two cubes are left", 2, 2, 1, {}, 1, {0}, 14, false},
        {"snowballs from level 5 with little ice", 2, 0, 5, {}, 1, {1}, 13, false},
        {"no candidate, no item", 10, 0, 1, {}, 1, {}, 0, false},
        {"a refused matchstick leaves the list", 10, 0, 1, {14, 8}, 1, {0}, 8, false},
        {"only matchsticks and no cube: no item", 10, 0, 1, {14, 14}, 1, {}, 0, false},
        {"the ice is counted before the cell's own ice breaks", 4, 0, 1, {8}, 45, {}, 0, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        BuildBoard({c.iced ? "1i 1 1" : "1 1 1", "2 3 4"});
        BoardRandClearScripts();
        GameGrid->Gold = c.gold;
        GameGrid->Locked = c.locked;
        host.Player().Level = c.level;
        PossBonusClear();
        for (int code : c.levelBonus)
            PossBonus[PossBonusCount++] = code;
        std::vector<int> draws = {c.draw};
        draws.resize(4, 1000);
        BoardRandScript(1, 1000, draws);
        for (int pick : c.picks)
            BoardRandScript(0,
                            int(PossBonusCount + (c.gold <= 3 && (c.locked == 1 || c.locked == 2) ? 2 : 0) +
                                (c.gold <= 3 && c.locked < c.gold && c.level > 4 ? 2 : 0)) -
                                1,
                            {pick});
        TGemRef burst = Grid[0][0]->Gem;
        GameGrid->DoMatches(0, 0);
        TGemRef standing = Grid[0][0]->Gem;
        if (c.made == 0) {
            EXPECT_EQ(standing, burst);
            continue;
        }
        ASSERT_NE(standing, burst);
        EXPECT_EQ(standing->GemType, c.made);
        EXPECT_EQ(standing->dy, 0.0f);
        EXPECT_TRUE(GemList->Contains(standing));
        EXPECT_TRUE(GemList->Contains(burst)); // until its explosion ends
    }
}

TEST_F(MatchTest, MatchSoundsAndTheIceHintInTheirOrder) {
    // Ice broke with three layers or fewer left: "matchbrick", the hint, "matchnobrick".
    BuildBoard({"1i 1i 1i", "2 3 4"});
    GameGrid->DoMatches(0, 0);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"matchbrick", "matchnobrick"}));
    ASSERT_EQ(host.Offered, (std::vector<int>{16}));
    EXPECT_EQ(host.CuesBeforeOffer[0], 1u);
    EXPECT_EQ(host.Profile.Saves, 1);
    for (float rate : CueRates()) {
        EXPECT_GE(rate, 0.7f);
        EXPECT_LE(rate, 0.9f);
    }
    // The hint shows once per profile, however often it is offered.
    BuildBoard({"1i 1i 1i", "2 3 4"});
    GameGrid->DoMatches(0, 0);
    EXPECT_EQ(host.Profile.Saves, 1);

    // Much ice left: no hint.
    FreshChannels();
    host.Offered.clear();
    BuildBoard({"1i 1i 1i", "2t 3t 4"});
    GameGrid->DoMatches(0, 0);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"matchbrick", "matchnobrick"}));
    EXPECT_TRUE(host.Offered.empty());

    // No ice: only "matchnobrick"; the idle-hint clock starts again.
    FreshChannels();
    host.HintShowCounter = 99.0f;
    BuildBoard({"1 1 1", "2 3 4"});
    GameGrid->DoMatches(0, 0);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"matchnobrick"}));
    EXPECT_EQ(host.HintShowCounter, 0.0f);

    // Cubes and glowing gems: "unlock" once and "magic" once.
    FreshChannels();
    BuildBoard({"1c 1c 1 1g 1g", "3g 3g 3g 2 4"});
    GameGrid->DoMatches(0, 0);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"matchnobrick", "unlock", "magic"}));

    // Nothing found: nothing heard.
    FreshChannels();
    BuildBoard({"1 2 1"});
    EXPECT_EQ(GameGrid->DoMatches(0, 0), 0);
    EXPECT_TRUE(Cues().empty());
}

TEST_F(MatchTest, IceBreaksThickFirstThenThePaneThenNothing) {
    LoadBoardImages();
    BuildBoard({"1t 2"});
    TGameGrid& grid = *GameGrid;
    EXPECT_EQ(grid.Gold, 2);
    struct TStep {
        int result, armour, gold, Gold, TargetMet, shards;
        TGameImageRef image;
    } steps[] = {{1, 0, 1, 1, 0, 3, ParticleImages[1]},
                 {1, 0, 0, 0, 1, 3, ParticleImages[2]},
                 {0, 0, 0, 0, 1, 0, nullptr}};
    for (const TStep& s : steps) {
        BackgroundParticles->Clear();
        EXPECT_EQ(grid.RemoveGold(0, 0), s.result);
        EXPECT_EQ(Grid[0][0]->armour, s.armour);
        EXPECT_EQ(Grid[0][0]->gold, s.gold);
        EXPECT_EQ(grid.Gold, s.Gold);
        EXPECT_EQ(grid.TargetMet, s.TargetMet);
        ASSERT_EQ(BackgroundParticles->Count(), s.shards);
        for (const auto& shard : *BackgroundParticles) {
            EXPECT_EQ(shard->image, s.image);
            EXPECT_LT(shard->dy, -0.19f);
        }
    }
    // A cell without ice still marks the target met when nothing is left.
    BuildBoard({"1 2"});
    EXPECT_EQ(GameGrid->RemoveGold(1, 0), 0);
    EXPECT_EQ(GameGrid->TargetMet, 1);
}

} // namespace

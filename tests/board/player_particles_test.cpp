// The player's record and its profile, and the board's particle makers.
#include "board_fixture.h"

#include "board/TPlayer.h"

#include <cmath>

using namespace boardtest;

namespace {

using PlayerTest = BoardTest;
using BoardParticlesTest = BoardTest;

TEST_F(PlayerTest, ANullProfileChangesNothing) {
    TPlayer player;
    player.Score = 70;
    EXPECT_EQ(player.ReadProfile(nullptr, 1), 0);
    EXPECT_EQ(player.WriteProfile(nullptr), 0);
    EXPECT_EQ(player.ProfileGameOver(nullptr, 1), 0);
    EXPECT_EQ(player.Score, 70);
}

TEST_F(PlayerTest, TheRecordGoesToAndFromTheProfile) {
    TFixtureProfile profile;
    profile.Name = "Ada";
    profile.CurrentLevel = 4;
    profile.LockedLevel = 2;
    profile.Score = 1200;
    profile.Lives = 2;
    profile.Kills = 55;
    profile.TimeTaken = 1e10;
    TPlayer player;
    EXPECT_EQ(player.ReadProfile(&profile, 1), 1);
    EXPECT_EQ(profile.Loads, 1);
    EXPECT_EQ(player.Name, "Ada");
    EXPECT_EQ(player.Level, 4);
    EXPECT_EQ(player.Unlocked, 1);
    EXPECT_EQ(player.Score, 1200);
    EXPECT_EQ(player.Lives, 2);
    EXPECT_EQ(player.TotalKills, 55);
    EXPECT_DOUBLE_EQ(player.TotalTimeTaken, 1e10);
    EXPECT_EQ(player.ReadProfile(&profile, 0), 1);
    EXPECT_EQ(profile.Loads, 1);

    profile.LockedLevel = 9;
    player.Score = 1500;
    EXPECT_EQ(player.WriteProfile(&profile), 1);
    EXPECT_EQ(profile.LockedLevel, 2);
    EXPECT_EQ(profile.Score, 1500);
    EXPECT_EQ(profile.Saves, 1);

    EXPECT_EQ(player.ProfileGameOver(&profile, 0), 1);
    EXPECT_EQ(profile.Saves, 1);
    EXPECT_EQ(profile.Name, "Ada");
    EXPECT_EQ(profile.LockedLevel, 2);
    EXPECT_EQ(profile.Score, 0);
    EXPECT_EQ(profile.CurrentLevel, 1);
    EXPECT_EQ(profile.Lives, 3);
    EXPECT_EQ(profile.Kills, 0);
    EXPECT_EQ(profile.TimeTaken, 0.0);
    EXPECT_EQ(player.Score, 1500); // the player's own record is untouched
    player.ProfileGameOver(&profile, 1);
    EXPECT_EQ(profile.Saves, 2);
}

TEST_F(PlayerTest, LevelStatsTotalsAndKills) {
    TPlayer player;
    player.Score = 300;
    player.Kills = 9;
    player.DeathCounter = 12.0f;
    player.Alive = 0;
    player.TimeTaken = 77.0f;
    player.UpdateTotals();
    EXPECT_EQ(player.TotalKills, 9);
    EXPECT_DOUBLE_EQ(player.TotalTimeTaken, 77.0);
    player.NewLevelStats();
    EXPECT_EQ(player.Kills, 0);
    EXPECT_EQ(player.LevelStartScore, 300);
    EXPECT_EQ(player.TimeTaken, 0.0f);
    EXPECT_EQ(player.DeathCounter, 0.0f);
    EXPECT_EQ(player.Alive, 1);
    player.KillsAdd(4);
    player.KillsAdd(3);
    EXPECT_EQ(player.Kills, 7);
    player.InitStats();
    EXPECT_EQ(player.Score, 0);
    EXPECT_EQ(player.Lives, 3);
    EXPECT_EQ(player.TotalKills, 0);
    EXPECT_EQ(player.Level, 1);
}

TEST_F(BoardParticlesTest, BurstsScaleWithTheSettingAndTheBonusPower) {
    LoadBoardImages();
    struct TCase {
        int setting, n, made;
    } cases[] = {{50, 15, 7}, {50, 1, 0}, {100, 15, 15}, {0, 30, 0}, {80, 4, 3}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.setting) + "% of " + std::to_string(c.n));
        Game->Particles = c.setting;
        Particles->Clear();
        UnlockParticlesMake(100.0f, 100.0f, c.n);
        EXPECT_EQ(Particles->Count(), c.made);
    }
    // An ice cube breaking at double power: 25 / 2 snowflakes and 15 / 2 shards.
    Game->Particles = 100;
    Particles->Clear();
    AnimatedParticles->Clear();
    BuildBoard({"1c"});
    GameGrid->BonusPower = 2;
    Grid[0][0]->Gem->Unlock();
    EXPECT_EQ(Particles->Count(), 12);
    EXPECT_EQ(AnimatedParticles->Count(), 7);
    for (const auto& shard : *AnimatedParticles) {
        EXPECT_EQ(shard->image, ParticleImages[6]);
        EXPECT_EQ(shard->FramesTotal, 50);
    }
}

TEST_F(BoardParticlesTest, MagicDustFliesToTheGaugeAndAlwaysAddsItsDelay) {
    LoadBoardImages();
    Game->Particles = 0;
    MunchkinParticles(400.0f, 300.0f, 30);
    EXPECT_EQ(Particles->Count(), 0);
    EXPECT_EQ(host.GaugeFillDelays, (std::vector<int>{1000}));

    Game->Particles = 100;
    MunchkinParticles(400.0f, 300.0f, 20);
    ASSERT_EQ(Particles->Count(), 20);
    std::vector<TParticleRef> dust = Particles->ToArray();
    const float stepX = (GAUGE_X - 400.0f) / 200.0f, stepY = (GAUGE_Y - 300.0f) / 200.0f;
    std::vector<bool> arrived(dust.size(), false);
    std::vector<float> lastX(dust.size()), lastY(dust.size());
    for (int t = 0; t < 400; ++t) {
        Particles->Manage();
        for (size_t i = 0; i < dust.size(); ++i) {
            if (arrived[i]) continue;
            if (dust[i]->CurrentPhase != dust[i]->PhaseList->Last()) {
                lastX[i] = dust[i]->x; // where the flight has brought it so far
                lastY[i] = dust[i]->y;
                continue;
            }
            arrived[i] = true;
            // Within its start spread of 10 px, give or take the one tick of flight that a dust
            // particle without a waiting phase loses (its flight starts before the first tick).
            EXPECT_LE(std::fabs(lastX[i] - GAUGE_X), 10.0f + std::fabs(stepX)) << i;
            EXPECT_LE(std::fabs(lastY[i] - GAUGE_Y), 10.0f + std::fabs(stepY)) << i;
        }
    }
    for (size_t i = 0; i < dust.size(); ++i)
        EXPECT_TRUE(arrived[i]) << i;
}

TEST_F(BoardParticlesTest, ThePointerTrailMakesOneParticleEveryFifteenTicks) {
    LoadBoardImages();
    TMousePointer& mouse = *Game->Mouse;
    mouse.w = mouse.h = 24;
    mouse.x = 300;
    mouse.y = 200;
    std::vector<int> made;
    for (int t = 1; t <= 100; ++t) {
        int before = mouse.ParticleList->Count();
        PointerParticles();
        if (mouse.ParticleList->Count() > before) made.push_back(t);
    }
    ASSERT_GE(made.size(), 6u);
    for (size_t i = 1; i < made.size(); ++i)
        EXPECT_GE(made[i] - made[i - 1], 14);
    for (size_t i = 2; i < made.size(); ++i)
        EXPECT_EQ(made[i] - made[i - 1], 15);
    for (const auto& p : *mouse.ParticleList) {
        EXPECT_EQ(p->image, PointerParticle);
        EXPECT_GE(p->x, 300 - 5 - 1);
        EXPECT_LE(p->x, 300 + 24);
        ASSERT_TRUE(p->Color);
    }
}

} // namespace

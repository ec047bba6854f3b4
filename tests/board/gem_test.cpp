// Gems and the gem list: making, bursting, destroying and freeing gems, glowing gems and their
// dust, the order of the list, explosions running out, the mouse-over animation and the spread.
#include "board_fixture.h"

using namespace boardtest;

namespace {

class GemTest : public BoardTest {
protected:
    // Particles of the list drawn with the given image.
    static int CountOf(const TParticleListRef& list, const TGameImageRef& image) {
        int n = 0;
        for (const auto& p : *list)
            n += p->image == image;
        return n;
    }
};

TEST_F(GemTest, MakePlacesTheGemOnItsCellWithItsFrame) {
    GameGrid = TGameGrid::Create();
    GameGrid->sx = 160;
    GameGrid->sy = 50;
    TGemRef gem = TGem::Make(2, 3, 5, 0);
    EXPECT_FLOAT_EQ(gem->x, 260.0f);
    EXPECT_FLOAT_EQ(gem->y, 200.0f);
    EXPECT_EQ(gem->ImageFrame, 4);
    EXPECT_EQ(gem->dy, 0.0f);
    EXPECT_EQ(gem->GemType, 5);
    EXPECT_EQ(gem->OrigGemType, 5);
    EXPECT_FLOAT_EQ(gem->ExplosionLength, 60.0f);
    EXPECT_EQ(TGem::MOAnimLength, 400);
    EXPECT_FLOAT_EQ(TGem::Make(2, 3, 5, 1)->dy, 0.04f);
    TGemRef top = TGem::Make(2, 0, 5, 1);
    top->SetDropInY();
    EXPECT_EQ(top->gy, -1);
    EXPECT_FLOAT_EQ(top->y, 0.0f);
}

TEST_F(GemTest, ExplodeAsksForItsParticlesOnceByPower) {
    LoadBoardImages();
    Game->Particles = 100;
    BuildBoard({"1 2 3"});
    struct TCase {
        int power, big, sparkles, fire;
    } cases[] = {{1, 1, 15, 4}, {2, 1, 7, 2}, {1, 0, 4, 2}, {2, 0, 4, 2}};
    for (const TCase& c : cases) {
        SCOPED_TRACE("power " + std::to_string(c.power) + " big " + std::to_string(c.big));
        Particles->Clear();
        GameGrid->BonusPower = c.power;
        TGemRef gem = TGem::Make(1, 0, 2, 0);
        gem->Explode(c.big);
        EXPECT_EQ(CountOf(Particles, ParticleImages[3]), c.fire);
        EXPECT_EQ(Particles->Count(), c.sparkles + c.fire);
        EXPECT_EQ(gem->GemType, -1);
        gem->Explode(c.big); // already bursting: nothing more
        EXPECT_EQ(Particles->Count(), c.sparkles + c.fire);
    }
}

TEST_F(GemTest, DestroyFreesAGemFromItsIceCubeAndScoresAGlowingGemOnce) {
    BuildBoard({"1c 2g 3gc"});
    TGameGrid& grid = *GameGrid;
    TPlayer& player = host.Player();
    EXPECT_EQ(grid.Locked, 2);
    TGemRef locked = Grid[0][0]->Gem;
    EXPECT_EQ(locked->Destroy(), 1);
    EXPECT_EQ(grid.Locked, 1);
    EXPECT_EQ(locked->locked, 0);
    EXPECT_EQ(locked->GemType, -1);
    EXPECT_GT(locked->ExplosionCounter, 0.0f);
    EXPECT_EQ(player.Score, 0);

    TGemRef glowing = Grid[1][0]->Gem;
    EXPECT_EQ(glowing->Destroy(), 0);
    EXPECT_EQ(player.Score, 100);
    EXPECT_EQ(glowing->Destroy(), 0); // hit a second time in the same action
    EXPECT_EQ(player.Score, 100);
    EXPECT_EQ(ScoreParticles->Count(), 1);
    EXPECT_EQ(host.GaugeFillDelays.size(), 1u);

    TGemRef both = Grid[2][0]->Gem;
    EXPECT_EQ(both->Destroy(), 1);
    EXPECT_EQ(player.Score, 200);
    EXPECT_EQ(grid.Locked, 0);
    EXPECT_EQ(host.GaugeFillDelays.size(), 2u);
}

TEST_F(GemTest, OnlyShapesGlow) {
    BuildBoard({"3 12"});
    TGemRef bonus = Grid[1][0]->Gem;
    bonus->CreateMunchkin();
    EXPECT_EQ(bonus->Munchkin, 0);
    EXPECT_EQ(bonus->MunchkinCounter, 0.0f);
    TGemRef shape = Grid[0][0]->Gem;
    shape->CreateMunchkin();
    EXPECT_EQ(shape->Munchkin, 1);
    EXPECT_GE(shape->MunchkinCounter, 0.0f);
    EXPECT_LE(shape->MunchkinCounter, 1499.0f);
}

TEST_F(GemTest, AGlowingGemBurstingDuringTheOutroSendsNoDust) {
    BuildBoard({"3g 3g"});
    host.Outro = 1;
    Grid[0][0]->Gem->Explode(1);
    EXPECT_EQ(BackgroundParticles->Count(), 1); // the highlight where the gem was
    EXPECT_EQ(host.Player().MunchkinsFreed, 1);
    EXPECT_TRUE(host.GaugeFillDelays.empty());
    EXPECT_EQ(GameGrid->MunchkinPlaying, 1);
    host.Outro = 0;
    Grid[1][0]->Gem->Explode(1);
    EXPECT_EQ(host.GaugeFillDelays.size(), 1u);
}

TEST_F(GemTest, SortKeepsEqualHeightsInOrderAndInsertGoesAfterItsHeight) {
    GemList = std::make_shared<TGemList>();
    auto at = [](float y) {
        auto g = std::make_shared<TGem>();
        g->y = y;
        return g;
    };
    TGemRef top = at(0), a = at(50), b = at(50), bottom = at(100);
    for (const TGemRef& g : {top, a, b, bottom})
        GemList->AddLast(g);
    GemList->SortAll();
    EXPECT_EQ(GemList->ToArray(), (std::vector<TGemRef>{bottom, a, b, top}));
    TGemRef c = at(50), d = at(75), e = at(-10);
    GemList->InsertGem(c);
    GemList->InsertGem(d);
    GemList->InsertGem(e);
    EXPECT_EQ(GemList->ToArray(), (std::vector<TGemRef>{bottom, d, a, b, c, top, e}));
    EXPECT_EQ(TGem::CompareY(a, b), 0);
    EXPECT_EQ(TGem::CompareY(b, a), 0);
}

TEST_F(GemTest, AnExplosionKeepsTheGemSixtyTicksThenClearsOnlyItsOwnCell) {
    BuildBoard({"1 2 3"});
    TGemRef gem = Grid[0][0]->Gem;
    gem->Explode(1);
    for (int t = 1; t <= 60; ++t) {
        ASSERT_EQ(GemList->Manage(), 1) << t;
        ASSERT_EQ(GemList->Contains(gem), t < 60) << t;
    }
    EXPECT_EQ(Grid[0][0]->Gem, nullptr);
    EXPECT_EQ(GemList->Manage(), 0);

    // A newer gem in the cell stays; a gem above the board touches no cell.
    TGemRef old = Grid[1][0]->Gem;
    old->Explode(1);
    TGemRef newer = TGem::Make(1, 0, 4, 0);
    Grid[1][0]->Gem = newer;
    TGemRef above = TGem::Make(2, 0, 4, 1);
    above->SetDropInY();
    GemList->AddLast(above);
    above->Explode(1);
    for (int t = 0; t < 61; ++t)
        GemList->Manage();
    EXPECT_EQ(Grid[1][0]->Gem, newer);
    EXPECT_FALSE(GemList->Contains(old));
    EXPECT_FALSE(GemList->Contains(above));
    EXPECT_TRUE(Grid[2][0]->Gem);
}

TEST_F(GemTest, AShapeLeftByThePointerPlaysOnToItsRestFrame) {
    BuildBoard({"1 4 2"});
    TGameGrid& grid = *GameGrid;
    TGem::MOAnimLength = 400; // 8 ticks a frame
    struct TCase {
        int x;
        int leaveAtFrame;
        float stopsAt; // the counter value the animation stops at (then 0)
    } cases[] = {{0, 10, 28 * 8.0f}, {1, 10, 27 * 8.0f}, {2, 40, 400.0f}};
    for (const TCase& c : cases) {
        SCOPED_TRACE("shape at " + std::to_string(c.x));
        TGem& gem = *Grid[c.x][0]->Gem;
        grid.mx = c.x;
        grid.my = 0;
        while (gem.MOAnimCounter < c.leaveAtFrame * 8.0f)
            GemList->Manage();
        grid.mx = grid.my = -1;
        int ticks = 0;
        float last = gem.MOAnimCounter;
        while (gem.MOAnimCounter > 0.0f && ticks < 1000) {
            last = gem.MOAnimCounter;
            GemList->Manage();
            ++ticks;
        }
        EXPECT_EQ(gem.MOAnimCounter, 0.0f);
        EXPECT_GE(last + 1.0f, c.stopsAt);
        EXPECT_LT(last, c.stopsAt);
    }
    // The selected gem animates whatever the pointer does.
    grid.CursorSet(0, 0);
    grid.NoMore = 1;
    GemList->Manage();
    EXPECT_EQ(Grid[0][0]->Gem->MOAnim, 1);
    EXPECT_EQ(Grid[1][0]->Gem->MOAnim, 0);
}

TEST_F(GemTest, SpreadRemovesOnlyTheGemExactlyAtTheCentre) {
    BuildBoard({"1 2 3", "4 5 6", "7 8 1"});
    TGemRef centre = Grid[1][1]->Gem;
    TGemRef corner = Grid[0][0]->Gem;
    float x0 = corner->x;
    GemList->SpreadAll();
    EXPECT_FALSE(GemList->Contains(centre));
    EXPECT_EQ(Grid[1][1]->Gem, centre);
    EXPECT_EQ(GemList->Count(), 8);
    EXPECT_FLOAT_EQ(corner->x, x0 + 25.0f);
    EXPECT_LT(corner->dx, 0.0f);
    EXPECT_LT(corner->dy, 0.0f);
    EXPECT_FLOAT_EQ(Grid[1][2]->Gem->x, float(CalcSX(1))); // a bonus item does not move to its centre
}

} // namespace

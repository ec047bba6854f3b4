// The falling bonus: a particle that destroys the free gems of its own column that it touches,
// never a swapping gem nor one beside its column, with the sounds by what broke; a finished bonus
// leaves the list in the tick its particle went.
#include "board_fixture.h"

#include "board/TBonus.h"

using namespace boardtest;

namespace {

using FallingBonusTest = BoardTest;

TParticleRef ParticleAt(float x, float y) {
    return TParticle::CreateSpecial(nullptr, x, y, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0);
}

TEST_F(FallingBonusTest, ItDestroysOnlyTheFreeGemsItTouchesInItsOwnColumn) {
    BuildBoard({"1 2 3", "4c 5 6", "1 2 3"});
    TGem& top = *Grid[0][0]->Gem;
    TGem& cubed = *Grid[0][1]->Gem;
    TGem& below = *Grid[0][2]->Gem;
    // Overlapping the first two rows of column 0.
    TBonusRef bonus = TBonus::Create(ParticleAt(top.x, top.y + 20));
    EXPECT_EQ(bonus->Manage(), 0);
    EXPECT_EQ(top.GemType, -1);
    EXPECT_EQ(cubed.GemType, -1);
    EXPECT_EQ(cubed.locked, 0);
    EXPECT_EQ(below.GemType, 1);
    EXPECT_EQ(GameGrid->Locked, 0);
    // In list order, lowest first: the cube (the unlock sound), then the free gem.
    EXPECT_EQ(Cues(), (std::vector<std::string>{"unlock", "matchnobrick"}));
}

TEST_F(FallingBonusTest, BetweenTwoColumnsOrOnASwappingGemItHitsNothing) {
    BuildBoard({"1 2", "3 4"});
    TGem& left = *Grid[0][0]->Gem;
    TBonus::Create(ParticleAt(left.x + 25, left.y))->Manage();
    EXPECT_EQ(left.GemType, 1);
    EXPECT_EQ(Grid[1][0]->Gem->GemType, 2);
    TGem& swapping = *Grid[1][1]->Gem;
    swapping.Swapping = 1;
    TBonus::Create(ParticleAt(swapping.x, swapping.y))->Manage();
    EXPECT_EQ(swapping.GemType, 4);
    EXPECT_TRUE(Cues().empty());
}

TEST_F(FallingBonusTest, AFinishedBonusLeavesTheListInTheTickItsParticleWent) {
    BuildBoard({"1 2", "3 4"});
    TBonusList list;
    TParticleRef gone = ParticleAt(0, 0), live = ParticleAt(0, 0);
    list.AddNew(gone);
    list.AddNew(live);
    list.Manage();
    EXPECT_EQ(list.Count(), 2);
    gone->Kill();
    list.Manage();
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.FirstLink()->Value()->p, live);
}

} // namespace

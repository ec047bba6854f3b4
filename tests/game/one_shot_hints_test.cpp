// One-shot hints with the profile's file: each level's item hint at its first start, the stuck,
// nearly-finished and full-gauge hints, each once per profile, the level-start sound held back
// while the item hint stands open, and one hint at a time.
#include "game_fixture.h"

#include "board/TGameGrid.h"
#include "framework/TCounter.h"
#include "platform/files.h"
#include "profiles/TProfile.h"
#include "profiles/profile_file.h"

namespace gametest {
namespace {

class OneShotHintsTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Game->CurrentProfile->ClearHints(); // a new player
        Game->CurrentProfile->Save();
    }
    // The flag of hint index as the file holds it: one 32-bit word from byte 40 on.
    int FileFlag(int index) const {
        const std::string bytes =
            platform::ReadRegularFile(Game->ProfilePath + "Anna.dat", 1 << 20, nullptr).value_or("");
        const size_t at = 40 + 4 * size_t(index);
        return at < bytes.size() ? int(static_cast<unsigned char>(bytes[at])) : -1;
    }
    void SetFlags(std::initializer_list<int> flags) {
        for (int f : flags)
            Game->CurrentProfile->HintsShown[size_t(f)] = 1;
        Game->CurrentProfile->Save();
    }
    // Open (80 ticks), then closed by Enter (80 ticks more).
    void CloseScroll() {
        Ticks(80);
        PressKey(vk::RETURN);
        for (int i = 0; i < 200 && HintScroll->Active; ++i)
            Tick();
        ASSERT_EQ(HintScroll->Active, 0);
    }
    // Ctrl held over a tick in which the key is hit.
    void CtrlKey(int key) {
        Post(platform::EVENT_KEY_DOWN, vk::LCONTROL);
        Post(platform::EVENT_KEY_DOWN, key);
        Tick();
        Post(platform::EVENT_KEY_UP, key);
        Post(platform::EVENT_KEY_UP, vk::LCONTROL);
    }
};

TEST_F(OneShotHintsTest, EachOfTheFirstNineLevelsShowsItsItemHintOncePerProfile) {
    for (int level : {1, 2, 3, 5, 6}) {
        SCOPED_TRACE("level " + std::to_string(level));
        EXPECT_EQ(FileFlag(level - 1), 0);
        EnterLevel(level);
        EXPECT_EQ(HintScroll->Active, 1);
        EXPECT_EQ(HintScroll->Hint, level);
        EXPECT_EQ(FileFlag(level - 1), 1) << "saved as the level starts";
        RunFadeIn();
        CloseScroll();
        RunIntro();
        CtrlKey(vk::R);
        Tick();
        EXPECT_EQ(HintScroll->Active, 0) << "a restart shows none";
        GameScreen->Kill();
        EnterLevel(level);
        EXPECT_EQ(HintScroll->Active, 0) << "a second play shows none";
        GameScreen->Kill();
    }
    for (int level : {10, 11}) {
        EnterLevel(level);
        EXPECT_EQ(HintScroll->Active, 0) << "level " << level;
        GameScreen->Kill();
    }
}

TEST_F(OneShotHintsTest, TheItemHintHoldsTheIntroAndItsSoundUntilItCloses) {
    EnterLevel(1);
    EXPECT_EQ(CountCues("scroll"), 0) << "the level-start hint opens silently";
    RunFadeIn();
    EXPECT_EQ(CountCues("scroll"), 1) << "and sounds as the screen's fade-in ends";
    EXPECT_EQ(CountCues("levelstart"), 0);
    const float intro = GameScreen->IntroAnim->Counter;
    Ticks(80);
    EXPECT_EQ(GameScreen->IntroAnim->Counter, intro) << "the intro stands still";
    recorder->calls.clear();
    GameScreen->Draw();
    for (const platform::DrawCall& call : recorder->calls)
        EXPECT_NE(call.image, GameScreen->Go->image->image) << "no \"go\" under the scroll";
    PressKey(vk::RETURN);
    int tick = 0;
    while (HintScroll->Active && tick < 200) {
        EXPECT_EQ(CountCues("levelstart"), 0) << "tick " << tick;
        Tick();
        ++tick;
    }
    EXPECT_EQ(CountCues("levelstart"), 1) << "in the tick the scroll closes";
}

TEST_F(OneShotHintsTest, TheStuckHintComesAfterTwentySecondsWithoutInputOncePerProfile) {
    SetFlags({0, 1, 2, 3, 4, 5, 6, 7, 8});
    EnterLevel(3);
    RunIntro();
    Ticks(3990);
    EXPECT_EQ(HintScroll->Active, 0);
    Ticks(20);
    ASSERT_EQ(HintScroll->Active, 1);
    EXPECT_EQ(HintScroll->Hint, 15);
    EXPECT_EQ(FileFlag(15), 1);
    CloseScroll();
    Ticks(4100);
    EXPECT_EQ(HintScroll->Active, 0) << "once per profile";
}

TEST_F(OneShotHintsTest, TheFullGaugeAndTheNearlyFinishedHintsComeOnceEach) {
    SetFlags({0, 1, 2, 3, 4, 5, 6, 7, 8});
    EnterLevel(3);
    RunIntro();
    TGameGrid& grid = *GameGrid;
    grid.DiagonalGauge = int(grid.DiagonalGaugeMax) - 1;
    GameScreen->Host.AddGaugeFillDelay(5);
    Tick();
    ASSERT_EQ(HintScroll->Active, 1);
    EXPECT_EQ(HintScroll->Hint, 17);
    EXPECT_EQ(FileFlag(17), 1);
    CloseScroll();

    EXPECT_EQ(GameScreen->Host.OfferHint(16), 1);
    EXPECT_EQ(HintScroll->Hint, 16);
    EXPECT_EQ(FileFlag(16), 1);
    CloseScroll();
    EXPECT_EQ(GameScreen->Host.OfferHint(16), 0) << "once per profile";
    EXPECT_EQ(HintScroll->Active, 0);
}

TEST_F(OneShotHintsTest, TwoHintsInOneTickOpenTheFirstAndLeaveTheOtherForLater) {
    SetFlags({0, 1, 2, 3, 4, 5, 6, 7, 8});
    EnterLevel(3);
    RunIntro();
    TGameGrid& grid = *GameGrid;
    grid.DiagonalGauge = int(grid.DiagonalGaugeMax) - 1;
    GameScreen->Host.AddGaugeFillDelay(5);
    audio->Clear();
    // The board offers its hint in its tick; the gauge fills later in the same tick.
    EXPECT_EQ(GameScreen->Host.OfferHint(16), 1);
    GameScreen->HUDEffects();
    EXPECT_EQ(HintScroll->Hint, 16);
    EXPECT_EQ(FileFlag(16), 1);
    EXPECT_EQ(FileFlag(17), 0) << "the gauge's hint waits for its next chance";
    EXPECT_EQ(grid.BonusPower, 2) << "the gauge's other effects happen";
    EXPECT_GT(grid.DiagonalTextCounter, 0.0f);
    EXPECT_EQ(CountCues("gaugefull"), 1);
}

} // namespace
} // namespace gametest

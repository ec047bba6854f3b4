// Loading the shared banks from the generated data folder: the 92 bar steps, the sounds and their
// pitches, the pictures' bank names, handles and strip sizes, MegaClick, and input made meanwhile.
#include "core_fixture.h"

#include "core/confirm_input.h"
#include "media/TImageBank.h"
#include "media/TLoadingScreen.h"
#include "media/TSoundBank.h"
#include "platform/image.h"
#include "program/asset_loading.h"
#include "screens/TIntroScreen.h"
#include "screens/TTitleScreen.h"

namespace coretest {
namespace {

class LoadingTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        InitGame();
        Game->FixedRateLogic->Init();
        images = std::make_shared<TImageBank>();
        images->SetPath(Game->ImagePath);
        sounds = std::make_shared<TSoundBank>();
        sounds->SetPath(Game->SoundPath);
        TitleScreen = std::make_shared<TTitleScreen>();
        IntroScreen = std::make_shared<TIntroScreen>();
        Game->LoadingScreen->SpecialLoad("loadingscreen.jpg", "LoadingBar.png", "loading.png");
        Game->CurrentTScreen = IntroScreen;
    }
    static float HandleX(const char* name) { return platform::ImageHandleX(images->FindTImage(name)); }
    static float HandleY(const char* name) { return platform::ImageHandleY(images->FindTImage(name)); }
};

TEST_F(LoadingTest, NinetyTwoStepsFinishTheBarAndFillTheBanks) {
    LoadData2();
    EXPECT_EQ(Game->LoadingScreen->LoadingBar->CurrentStep, 92);
    EXPECT_EQ(Game->LoadingScreen->Finished, 1);
    EXPECT_EQ(sounds->Count(), 25);
    struct TPitch {
        const char* name;
        float pitch;
    };
    for (TPitch p : {TPitch{"LEVELEND", 1.0f}, TPitch{"alarm", 0.7f}, TPitch{"scroll", 1.2f},
                     TPitch{"cracker", 1.5f}, TPitch{"buttonMO", 1.0f}})
        EXPECT_FLOAT_EQ(sounds->Find(p.name)->pitch, p.pitch) << p.name;
    for (const char* name :
         {"PANEL", "GAUGEEMPTY", "BRICKMID", "ARMOURMID", "FIREBALL", "GOLDDUST", "SNOWFLAKE", "CLICK"})
        EXPECT_TRUE(images->Find(name)) << name;
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(LoadingTest, HandlesAndStripSizesFollowTheirLoads) {
    LoadData2();
    for (const char* name : {"cell", "panel", "gems", "pointer", "lock"}) {
        EXPECT_FLOAT_EQ(HandleX(name), 0.0f) << name;
        EXPECT_FLOAT_EQ(HandleY(name), 0.0f) << name;
    }
    EXPECT_FLOAT_EQ(platform::ImageHandleX(Game->Mouse->Image), 4.0f);
    EXPECT_FLOAT_EQ(platform::ImageHandleY(Game->Mouse->Image), 0.0f);
    EXPECT_GT(HandleX("bonus9activate"), 0.0f);
    struct TFrames {
        const char* name;
        int frames;
    };
    for (TFrames f : {TFrames{"gems", 7}, TFrames{"gem1anim", 50}, TFrames{"bonus9activate", 1},
                      TFrames{"bonus11idle", 50}, TFrames{"bonus8idle", 50}})
        EXPECT_EQ(platform::CountFrames(images->FindTImage(f.name)), f.frames) << f.name;
    ASSERT_TRUE(Game->SpritePaused);
    EXPECT_FLOAT_EQ(Game->SpritePaused->x, 400.0f);
    EXPECT_FLOAT_EQ(Game->SpritePaused->y, 300.0f);
}

TEST_F(LoadingTest, OnlyAQuitMadeDuringLoadingIsLeft) {
    Post(platform::EVENT_KEY_DOWN, platform::vk::A);
    Post(platform::EVENT_MOUSE_DOWN, 1);
    Post(platform::EVENT_WINDOW_CLOSE, 0);
    LoadData2();
    Game->DoPeekEvent();
    EXPECT_EQ(Game->TerminatedEvent, 1);
    EXPECT_EQ(KeyHit(platform::vk::A), 0);
    EXPECT_EQ(Game->Mouse->GetMh(1), 0);
}

TEST_F(LoadingTest, MegaClickTakesTheFirstConfirmationOnly) {
    Post(platform::EVENT_KEY_DOWN, platform::vk::RETURN);
    Post(platform::EVENT_MOUSE_DOWN, 1);
    Game->DoPeekEvent();
    EXPECT_EQ(MegaClick(1), 1);
    EXPECT_EQ(MegaClick(0), 1); // the click
    EXPECT_EQ(MegaClick(0), 1); // Enter, left pending by the click
    EXPECT_EQ(MegaClick(0), 0);

    Post(platform::EVENT_KEY_DOWN, platform::vk::SPACE);
    Post(platform::EVENT_KEY_DOWN, platform::vk::ESCAPE);
    Game->DoPeekEvent();
    EXPECT_EQ(MegaClick(0), 1);
    EXPECT_EQ(KeyHit(platform::vk::ESCAPE), 1) << "Space came first";
}

} // namespace
} // namespace coretest

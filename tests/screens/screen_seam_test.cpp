// The seam that sends a run from the title to a screen no button reaches: it waits for the title
// to be up with no dialog open, leaves it once as a caller would, and ignores names it does not
// know.
#include "intro_title_fixture.h"

#include "Scoped.h"

#include "media/TGameFade.h"
#include "profiles/THighScoreList.h"
#include "screens/THighScoresScreen.h"
#include "screens/TOutroScreen.h"
#include "screens/screen_seam.h"

namespace screenstest {
namespace {

class ScreenSeamTest : public IntroTitleTest {
protected:
    void SetUp() override {
        IntroTitleTest::SetUp();
        HighScoresScreen = std::make_shared<THighScoresScreen>();
        Game->HighScores->Create(Game->SubPath + "sw", 10);
    }
    void TearDown() override {
        HighScoresScreen = nullptr;
        IntroTitleTest::TearDown();
    }
    void ReadSeam(const char* value) {
        testsupport::ScopedEnv screen("SLEETWHISTLE_SCREEN", value);
        ScreenSeamInstall();
    }
    // The title loaded as the second loading stage does and entered from the loading screen.
    void EnterTitle(bool withPlayer) {
        if (withPlayer) dir.Write("home/Brindlecove/Sleetwhistle/profiles/Anna.dat", "");
        Game->CurrentTScreen = IntroScreen;
        LoadData2();
        Game->CurrentTScreen = Game->LoadingScreen;
        TitleScreen->PreStart();
    }
    // Ticks until the title has started a fade-out, at most n; true when it did.
    bool UntilLeaving(int n) {
        TicksUntil([] { return Game->GameFade->Active != 0 && Game->GameFade->Out == 1; }, n);
        return Game->GameFade->Active != 0 && Game->GameFade->Out == 1;
    }
};

TEST_F(ScreenSeamTest, EachNameLeavesTheTitleOnceItsFadeInIsOverForItsScreen) {
    for (const char* name : {"highscores", "outro"}) {
        SCOPED_TRACE(name);
        ReadSeam(name);
        EnterTitle(true);
        Ticks(99); // the title's 500 ms fade-in
        EXPECT_NE(Game->GameFade->Out, 1) << "not during the fade-in";
        ASSERT_TRUE(UntilLeaving(5));
        ASSERT_TRUE(Game->DestinationTScreen);
        EXPECT_EQ(Game->CurrentTScreen, TitleScreen);
        if (std::string(name) == "highscores")
            EXPECT_EQ(Game->DestinationTScreen, HighScoresScreen);
        else
            EXPECT_TRUE(std::dynamic_pointer_cast<TOutroScreen>(Game->DestinationTScreen));
        EXPECT_EQ(Game->GameFade->AllowAnim, 1) << "the title's logic runs on";
        EXPECT_FALSE(Game->GameFade->Channel);
        Game->GameFade->Finish();
        Game->GameFade->GetDone();
        EXPECT_EQ(ScreenSeamTick(), 0) << "once per run";
        TitleScreen->Kill();
    }
}

TEST_F(ScreenSeamTest, TheNamePromptIsAnsweredFirst) {
    ReadSeam("highscores");
    EnterTitle(false);
    ASSERT_TRUE(TitleScreen->EnterName);
    EXPECT_FALSE(UntilLeaving(300));
    for (char c : std::string("Zoe")) {
        Post(platform::EVENT_KEY_CHAR, c);
        Tick();
    }
    KeyTap(platform::vk::RETURN, '\r');
    ASSERT_TRUE(UntilLeaving(10));
    EXPECT_EQ(Game->DestinationTScreen, HighScoresScreen);
    EXPECT_FALSE(TitleScreen->EnterName);
}

TEST_F(ScreenSeamTest, AnUnknownNameIsReportedAndChangesNothing) {
    testing::internal::CaptureStderr();
    ReadSeam("credits");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "SLEETWHISTLE_SCREEN: unknown screen 'credits'\n");
    EnterTitle(true);
    EXPECT_FALSE(UntilLeaving(300));
    EXPECT_EQ(Game->CurrentTScreen, TitleScreen);
}

} // namespace
} // namespace screenstest

// Pause, focus and termination: the four states and their transitions as the game-wide keys see
// them each tick, the overlay, the audio kept across them, and quits from any state.
#include "loop_fixture.h"

#include "media/TGameImage.h"
#include "profiles/TProfile.h"

namespace coretest {
namespace {

class PauseTest : public LoopTest {
protected:
    void SetUp() override {
        LoopTest::SetUp();
        InitGame();
        Game->FixedRateLogic->Init();
        Game->SpritePausedCreate(TGameImage::Create(Game->ImagePath + "paused.png", -1, 1));
        Game->MusicLoad("title.ogg", 1);
        Game->MusicPlay(0, 0, 0);
        audio->Clear();
    }
    int Tick() { return Game->LogicWrapper(); }
    // The overlay's draws of one frame: the dimming rectangle and the picture.
    int OverlayDraws() {
        recorder->calls.clear();
        Game->ShowPaused();
        return int(recorder->calls.size());
    }
};

TEST_F(PauseTest, BackgroundSilencesTheMusicShowsTheOverlayAndComesBackFlushed) {
    Post(platform::EVENT_KEY_DOWN, platform::vk::A);
    Post(platform::EVENT_APP_SUSPEND, 0);
    EXPECT_EQ(Tick(), 0);
    EXPECT_EQ(Game->Suspended, 1);
    EXPECT_EQ(Game->Paused, 0);
    EXPECT_EQ(Game->Music, 0);
    EXPECT_EQ(OverlayDraws(), 2);
    EXPECT_TRUE(screen->deltas.empty()) << "the screen stands still";

    Post(platform::EVENT_APP_RESUME, 0);
    EXPECT_EQ(Tick(), 1);
    EXPECT_EQ(Game->Suspended, 0);
    EXPECT_EQ(Game->Music, 1);
    EXPECT_EQ(KeyDown(platform::vk::A), 0) << "a key held when the game left reads up";
    EXPECT_EQ(KeyHit(platform::vk::A), 0);
    EXPECT_EQ(OverlayDraws(), 0);
}

TEST_F(PauseTest, ALeaveAndAReturnInOneTickNeverEnterTheBackgroundAndASecondLeaveChangesNothing) {
    Post(platform::EVENT_APP_SUSPEND, 0);
    Post(platform::EVENT_APP_RESUME, 0);
    EXPECT_EQ(Tick(), 1);
    EXPECT_EQ(Game->Suspended, 0);
    EXPECT_EQ(Game->Music, 1);

    Post(platform::EVENT_APP_SUSPEND, 0);
    Tick();
    Game->PausedMusicState = 7; // a second save would overwrite it
    Post(platform::EVENT_APP_SUSPEND, 0);
    Tick();
    EXPECT_EQ(Game->PausedMusicState, 7);
}

TEST_F(PauseTest, MusicAndSpeechComeBackAsThePlayerHadThem) {
    struct TCase {
        int music, speech;
    };
    for (TCase c : {TCase{0, 1}, TCase{1, 0}}) {
        Game->Music = c.music;
        Game->Speech = c.speech;
        Post(platform::EVENT_APP_SUSPEND, 0);
        Tick();
        EXPECT_EQ(Game->Music, 0);
        EXPECT_EQ(Game->Speech, 0);
        Post(platform::EVENT_APP_RESUME, 0);
        Tick();
        EXPECT_EQ(Game->Music, c.music) << c.music << c.speech;
        EXPECT_EQ(Game->Speech, c.speech) << c.music << c.speech;
    }
}

TEST_F(PauseTest, PauseOnLossOfFocusKeepsTheGamePausedAfterItReturns) {
    struct TCase {
        int onFocus, onFullScreenFocus, fullScreen, pausedAfter;
    };
    const TCase cases[] = {{1, 0, 0, 1}, {0, 1, 1, 1}, {0, 1, 0, 0}, {0, 0, 1, 0}};
    for (const TCase& c : cases) {
        Game->Paused = 0;
        Game->Music = 1;
        Game->PauseOnLossOfFocus = c.onFocus;
        Game->PauseOnLossOfFullScreenFocus = c.onFullScreenFocus;
        Game->FullScreen = c.fullScreen;
        Post(platform::EVENT_APP_SUSPEND, 0);
        Tick();
        Post(platform::EVENT_APP_RESUME, 0);
        Tick();
        EXPECT_EQ(Game->Paused, c.pausedAfter) << c.onFocus << c.onFullScreenFocus << c.fullScreen;
        EXPECT_EQ(Game->Music, c.pausedAfter == 1 ? 0 : 1);
    }
}

TEST_F(PauseTest, AQuitWhilePausedOrAwayEndsTheTickAndSavesThePlayerOnlyOnTheGameScreen) {
    struct TCase {
        const char* screenName;
        int paused, suspended, saves;
    };
    const TCase cases[] = {{"game", 1, 0, 1}, {"game", 0, 1, 1}, {"title", 1, 0, 0}};
    for (const TCase& c : cases) {
        auto profile = TProfile::Create("Anna");
        int savedBefore = platform::FileType(Game->ProfilePath + "Anna.dat") != 0;
        Game->CurrentProfile = profile;
        screen->name = c.screenName;
        Game->InstantExit = 0;
        Game->Paused = c.paused;
        Game->Suspended = c.suspended;
        Game->SuspendedEvent = c.suspended;
        Post(platform::EVENT_WINDOW_CLOSE, 0);
        EXPECT_EQ(Tick(), -1) << c.screenName << c.paused;
        EXPECT_EQ(Game->Paused, c.paused) << "handled before any pause step";
        EXPECT_EQ(platform::FileType(Game->ProfilePath + "Anna.dat") != 0, savedBefore || c.saves != 0);
        platform::DeleteFile(Game->ProfilePath + "Anna.dat");
    }
}

TEST_F(PauseTest, ASinglePieceEndingIsNotedOnlyWhileTheGameRuns) {
    Game->MusicLooped = 0;
    platform::StopChannel(Game->MusicChannel); // as if it had played to its end
    Game->Paused = 1;
    Game->Music = 1;
    Tick();
    EXPECT_EQ(Game->MusicStopped, 0);
    Game->Paused = 0;
    Tick();
    EXPECT_EQ(Game->MusicStopped, 1);
}

TEST_F(PauseTest, WithoutDimmingOnlyThePictureIsDrawn) {
    Game->Paused = 1;
    Game->DimWhenPaused = 0;
    EXPECT_EQ(OverlayDraws(), 1);
    EXPECT_EQ(recorder->calls[0].kind, platform::DrawKind::Image);
}

} // namespace
} // namespace coretest

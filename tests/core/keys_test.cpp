// The game-wide keys, one tick at a time: pause, Escape through fades, pauses and dialogs, the
// block while typing, full screen, the quits, the framework's hot keys and the speed modes.
#include "Scoped.h"
#include "loop_fixture.h"

#include "core/game_keys.h"
#include "framework/cc_draw.h"

namespace coretest {
namespace {

class KeysTest : public LoopTest {
protected:
    void SetUp() override {
        LoopTest::SetUp();
        InitGame();
        Game->FixedRateLogic->Init();
        Game->ExitScreen = std::make_shared<TExitScreen>();
    }
    static void Press(int key) { Post(platform::EVENT_KEY_DOWN, key); }
    int Tick() { return Game->LogicWrapper(); }
    // The tick's event drain and game-wide keys alone.
    static int PumpAndReadKeys() {
        Game->DoPeekEvent();
        return Game->ReadKeys();
    }
    TGameFade& Fade() { return *Game->GameFade; }
};

TEST_F(KeysTest, PauseAndEscapeInOneTickPauseAndDropTheEscape) {
    Press(platform::vk::P);
    Press(platform::vk::ESCAPE);
    EXPECT_EQ(Tick(), 0);
    EXPECT_EQ(Game->Paused, 1);
    EXPECT_EQ(Fade().Active, 0);
}

TEST_F(KeysTest, EscapeFinishesAFadeInAsAbortedAndAFadeOutAsDone) {
    Fade().Init(500, 0, nullptr, 0, 0, nullptr);
    Press(platform::vk::ESCAPE);
    PumpAndReadKeys();
    EXPECT_EQ(Fade().Active, 0);
    EXPECT_EQ(Fade().FadeInAborted, 1);
    EXPECT_EQ(Fade().AbortKey, 0);

    Game->DestinationTScreen = next;
    Fade().Init(500, 1, nullptr, 0, 0, nullptr);
    Press(platform::vk::ESCAPE);
    Tick();
    EXPECT_EQ(Game->CurrentTScreen, next) << "the switch follows the finished fade-out";
}

TEST_F(KeysTest, EscapeWhilePausedResumesSilentlyWithoutLeaving) {
    Game->Paused = 1;
    audio->Clear();
    Press(platform::vk::ESCAPE);
    Tick();
    EXPECT_EQ(Game->Paused, 0);
    EXPECT_EQ(Fade().Active, 0);
    EXPECT_EQ(Game->CurrentTScreen, screen);
    for (const platform::TAudioEvent& e : audio->Events())
        EXPECT_NE(e.what, "cue") << "no escape sound";
}

TEST_F(KeysTest, EscapeOwnedByADialogIsPutBack) {
    Game->IgnoreEscapeKey = 1;
    Press(platform::vk::ESCAPE);
    PumpAndReadKeys();
    EXPECT_EQ(Fade().Active, 0);
    EXPECT_EQ(KeyHit(platform::vk::ESCAPE), 1);
}

class TLongEscapeScreen : public TScreen {
public:
    int length = 0;
    int SetEscDestination() override {
        Game->DestinationTScreen = Game->ExitScreen;
        return length;
    }
};

TEST_F(KeysTest, EscapeFadesOutOverTheScreensLengthAndTakesTheMusicOnlyWhenAsked) {
    struct TCase {
        int length, fadeMusic;
        float expectedTicks;
        bool withMusic;
    };
    const TCase cases[] = {{0, 1, 100.0f, true}, {1500, 1, 300.0f, true}, {0, 0, 100.0f, false}};
    for (const TCase& c : cases) {
        auto leaving = std::make_shared<TLongEscapeScreen>();
        leaving->length = c.length;
        Game->CurrentTScreen = leaving;
        Game->FadeMusic = c.fadeMusic;
        Fade().Active = 0;
        Press(platform::vk::ESCAPE);
        PumpAndReadKeys();
        EXPECT_EQ(Fade().Active, 1);
        EXPECT_EQ(Fade().Out, 1);
        EXPECT_NEAR(float(Fade().Length), c.expectedTicks, 1.0f) << c.length;
        EXPECT_EQ(Fade().Channel != nullptr, c.withMusic);
        EXPECT_EQ(Game->FadeMusic, 1);
        EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen);
    }
}

TEST_F(KeysTest, ABlockSilencesEveryKeyButAClickStillResumes) {
    Game->BlockKeys = 1;
    for (int key : {80, 27, 70})
        Press(key);
    Post(platform::EVENT_KEY_DOWN, platform::vk::LWIN);
    Post(platform::EVENT_KEY_DOWN, platform::vk::Q);
    EXPECT_EQ(PumpAndReadKeys(), 0);
    EXPECT_EQ(Game->Paused, 0);
    EXPECT_EQ(Fade().Active, 0);
    EXPECT_EQ(Game->InstantExit, 0);

    Game->Paused = 1;
    Post(platform::EVENT_MOUSE_DOWN, 1);
    Game->DoPeekEvent();
    PumpAndReadKeys();
    EXPECT_EQ(Game->Paused, 0);
}

TEST_F(KeysTest, CommandQuitsAtOnceWhileControlQAndEscapeFirstDoNot) {
    Post(platform::EVENT_KEY_DOWN, platform::vk::LCONTROL);
    Press(platform::vk::Q);
    EXPECT_EQ(Tick(), 1) << "Control+Q is no quit";

    FlushKeys();
    Press(platform::vk::ESCAPE);
    Post(platform::EVENT_KEY_DOWN, platform::vk::LWIN);
    Press(platform::vk::Q);
    EXPECT_EQ(Tick(), 1) << "the Escape fade's flush drops the held keys";
    EXPECT_EQ(Fade().Active, 1);

    Fade().Finish();
    Game->CurrentTScreen = screen;
    Post(platform::EVENT_KEY_DOWN, platform::vk::RWIN);
    Press(platform::vk::Q);
    EXPECT_EQ(Tick(), -1);
    EXPECT_EQ(Fade().Active, 0) << "no fade";
}

TEST_F(KeysTest, AltEnterHeldTogglesFullScreenOnce) {
    // The toggle opens a mode. Without a display (the sanitizer build runs this test so) the game
    // refuses SDL's off-screen driver unless it is asked for by name.
    const bool noDisplay = !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY");
    testsupport::ScopedEnv driver("SDL_VIDEODRIVER",
                                  noDisplay ? "offscreen" : std::getenv("SDL_VIDEODRIVER"));
    Game->FullScreen = 0;
    Post(platform::EVENT_KEY_DOWN, platform::vk::LMENU);
    Press(platform::vk::RETURN);
    PumpAndReadKeys();
    int after = Game->FullScreen;
    PumpAndReadKeys();
    EXPECT_EQ(Game->FullScreen, after);
}

TEST_F(KeysTest, ATerminateEndsAtTheExitScreenEvenDuringAFadeIn) {
    Game->FadeOnExit = 0;
    Post(platform::EVENT_APP_TERMINATE, 0);
    EXPECT_EQ(Tick(), -1);

    Game->FadeOnExit = 1;
    Game->InstantExit = 0;
    Fade().Init(2000, 0, nullptr, 0, 0, nullptr);
    Post(platform::EVENT_APP_TERMINATE, 0);
    EXPECT_EQ(Tick(), 1);
    EXPECT_EQ(Fade().FadeInAborted, 0) << "the fade-in ends unmarked";
    EXPECT_EQ(Fade().Out, 1);
    EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen);
    int ticks = 0;
    while (Tick() != -1 && ticks < 1000)
        ++ticks;
    EXPECT_EQ(Game->CurrentTScreen, Game->ExitScreen);
}

TEST_F(KeysTest, FrameworkKeysCycleFlipSyncAndSoundDriverAndWaitForDebug) {
    Game->IgnoreFrameworkKeys = 0;
    Press(platform::vk::T);
    PumpAndReadKeys();
    EXPECT_EQ(Game->Fast, 0);
    EXPECT_EQ(KeyHit(platform::vk::T), 1) << "T stays pending while Debug is 0";

    Game->Debug = 1;
    ccFlipSync = 1;
    std::vector<int> syncs;
    for (int i = 0; i < 3; ++i) {
        Press(platform::vk::I);
        PumpAndReadKeys();
        syncs.push_back(ccFlipSync);
    }
    EXPECT_EQ(syncs, (std::vector<int>{-1, 0, 1}));

    Game->SoundDriver = "None";
    Press(platform::vk::H);
    PumpAndReadKeys();
    EXPECT_EQ(Game->SoundDriver, "FreeAudio");
    Game->SoundDriver = "Unknown";
    Press(platform::vk::H);
    Press(platform::vk::A);
    PumpAndReadKeys();
    EXPECT_EQ(Game->SoundDriver, "Unknown");
    EXPECT_EQ(KeyHit(platform::vk::A), 0) << "flushed all the same";
}

TEST_F(KeysTest, DebugKeyWithShiftShowsTheFrameRateOnly) {
    Game->IgnoreDebugKey = 0;
    Post(platform::EVENT_KEY_DOWN, platform::vk::LSHIFT);
    Press(platform::vk::D);
    PumpAndReadKeys();
    EXPECT_EQ(Game->Debug, 1);
    EXPECT_EQ(Game->DebugShowFPSOnly, 1);
}

TEST_F(KeysTest, SlowMotionKeepsTheTickCountOfALength) {
    Game->SlowMotionOn();
    EXPECT_FLOAT_EQ(Game->FixedRateLogic->MS, 20.0f);
    EXPECT_FLOAT_EQ(Game->CalcAnimLength(1000), 200.0f);
    Game->SlowMotionOff();
    EXPECT_FLOAT_EQ(Game->FixedRateLogic->MS, 5.0f);
    Game->FastOff();
    EXPECT_EQ(Game->Fast, 0);
}

} // namespace
} // namespace coretest

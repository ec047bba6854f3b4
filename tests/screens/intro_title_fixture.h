// What the intro and title tests share: the core's test fixture (temporary per-user folder, the
// generated data folder, fake clock, recording renderer and audio) with the test kit's game without
// its screens, the loading screen and the two screens made as start-up makes them, and ticks run
// through the core's logic wrapper so that the game-wide keys, the screen fade and screen changes
// act as in the game.
#pragma once

#include "../core/core_fixture.h"

#include "media/TGameFade.h"
#include "media/TImageBank.h"
#include "media/TLoadingScreen.h"
#include "media/TParticleList.h"
#include "media/TSoundBank.h"
#include "program/asset_loading.h"
#include "screens/TInstructionsScreen.h"
#include "screens/TIntroScreen.h"
#include "screens/TTitleScreen.h"

namespace screenstest {

class IntroTitleTest : public coretest::CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        testkit::TGameOptions game;
        game.dataDir = SLEETWHISTLE_TEST_DATA_DIR;
        game.screens = false;
        testkit::MakeGame(game);
        TitleScreen = std::make_shared<TTitleScreen>();
        IntroScreen = std::make_shared<TIntroScreen>();
        IntroScreen->LoadRest = LoadData2;                            // as MakeScreens() sets it
        InstructionsScreen = std::make_shared<TInstructionsScreen>(); // where key H leads
        Game->LoadingScreen->SpecialLoad("loadingscreen.jpg", "LoadingBar.png", "loading.png");
        sounds->Load("buttonclick", 1.0f, 1.0f, "", 0);
    }
    void TearDown() override {
        if (TitleScreen) TitleScreen->Kill();
        CoreTest::TearDown();
    }

    // One logic tick of Delta 1 through the core, 5 ms of the fake clock later.
    void Tick() {
        platform::AdvanceClock(5);
        Game->FixedRateLogic->SetDelta(1.0f);
        Game->LogicWrapper();
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            Tick();
    }
    // Ticks until the condition holds, at most n; the number run.
    template <class F> int TicksUntil(F done, int n) {
        int i = 0;
        while (i < n && !done()) {
            Tick();
            ++i;
        }
        return i;
    }

    static void KeyTap(int vk, int ch = 0) {
        Post(platform::EVENT_KEY_DOWN, vk);
        if (ch != 0) Post(platform::EVENT_KEY_CHAR, ch);
        Post(platform::EVENT_KEY_UP, vk);
    }
    static void ClickAt(int x, int y) {
        Post(platform::EVENT_MOUSE_MOVE, 0, x, y);
        Post(platform::EVENT_MOUSE_DOWN, 1, x, y);
        Post(platform::EVENT_MOUSE_UP, 1, x, y);
    }

    // The music channel's cue of the music, or the volume it was given at the start.
    int MusicCues() const {
        int n = 0;
        if (!Game->MusicChannel) return 0;
        for (const platform::TAudioEvent& e : audio->Events())
            if (e.channel == Game->MusicChannel->Id() && e.what == "cue") ++n;
        return n;
    }
};

} // namespace screenstest

// What the gallery, picture-view and outro tests share: the core test base (temporary per-user
// folder, fake clock, recording renderer and audio), the test kit's game without its screens, the
// shared sounds and pictures loaded, a test profile, and the main loop stepped tick by tick with posted
// input.
#pragma once

#include "../core/core_fixture.h"

#include "board/TGem.h"
#include "core/TFixedRateLogic.h"
#include "core/fonts.h"
#include "media/TGameFade.h"
#include "media/TImageBank.h"
#include "media/TLoadingScreen.h"
#include "media/TMousePointer.h"
#include "media/TSoundBank.h"
#include "profiles/TProfile.h"
#include "program/asset_loading.h"
#include "screens/TGalleryScreen.h"
#include "screens/TPictureScreen.h"

#include <algorithm>

namespace screentest {

class FrontEndTest : public coretest::CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        testkit::TGameOptions game;
        game.dataDir = SLEETWHISTLE_TEST_DATA_DIR;
        game.screens = false;
        testkit::MakeGame(game);
        Game->LoadingScreen->SpecialLoad("loadingscreen.jpg", "LoadingBar.png", "loading.png");
        sounds->Load("buttonclick", 1.0f, 1.0f, "", 0); // the first loading stage's
        LoadSounds();
        TGem::InitArrays(); // the gem strips are sized by it
        LoadImages();
        Game->CurrentProfile = TProfile::Create("Tester");
        GalleryScreen = std::make_shared<TGalleryScreen>();
        PictureScreen = std::make_shared<TPictureScreen>();
        Game->CurrentTScreen = start;
        Game->FixedRateLogic->Init();
        recorder->calls.clear();
        audio->Clear();
    }
    void TearDown() override { CoreTest::TearDown(); }

    // One tick of 5 ms through the main loop.
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            platform::AdvanceClock(5);
            Game->MainLogicLoop();
        }
    }
    // Lets a fade-out, the switch and the next screen's fade-in run out.
    void Settle() { Tick(220); }
    // Enters a screen the way the core's switch does, and lets its fade-in run out.
    void Enter(const TScreenRef& screen) {
        screen->PreStart();
        Tick(110);
    }
    void MoveTo(int x, int y) {
        Post(platform::EVENT_MOUSE_MOVE, 0, x, y);
        Tick();
    }
    void Click(int button = 1) {
        Post(platform::EVENT_MOUSE_DOWN, button, Game->Mouse->x, Game->Mouse->y);
        Tick();
        Post(platform::EVENT_MOUSE_UP, button, Game->Mouse->x, Game->Mouse->y);
        Tick();
    }
    void Press(int key) {
        Post(platform::EVENT_KEY_DOWN, key);
        Tick();
        Post(platform::EVENT_KEY_UP, key);
        Tick();
    }
    void SetPictureFlag(int picture, int value) {
        Game->CurrentProfile->HintsShown[size_t(88 + picture)] = value;
    }

    // The sounds started, in order, by their file names.
    std::vector<std::string> Cues() const {
        std::vector<std::string> cues;
        for (const platform::TAudioEvent& e : audio->Events())
            if (e.what == "cue") cues.push_back(e.sound);
        return cues;
    }
    int CountCues(const std::string& sound) const {
        auto cues = Cues();
        return int(std::count_if(cues.begin(), cues.end(),
                                 [&](const std::string& c) { return c.find(sound) != std::string::npos; }));
    }
    // Image draws of one picture, by its pixels' identity.
    std::vector<platform::DrawCall> DrawsOf(const platform::ImageRef& image) const {
        std::vector<platform::DrawCall> draws;
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Image && call.image == image) draws.push_back(call);
        return draws;
    }

    // The screen current before the one under test, with a menu-less logic of its own.
    TScreenRef start = std::make_shared<TScreen>();
};

} // namespace screentest

// What the screen tests share: the core's fixture (temporary per-user folder, fake clock, recording
// renderer and audio) with the test kit's game loaded from the generated data (banks, fonts, every
// screen), a current profile "Anna", and the main loop stepped one 16 ms frame at a time.
#pragma once

#include "../core/core_fixture.h"

#include "core/fonts.h"
#include "game/TGameScreen.h"
#include "media/TGameFade.h"
#include "media/TImageBank.h"
#include "media/TLoadingScreen.h"
#include "media/TMousePointer.h"
#include "media/TParticleList.h"
#include "media/TSoundBank.h"
#include "platform/text.h"
#include "profiles/TProfile.h"
#include "screens/TInstructionsScreen.h"
#include "screens/TIntroScreen.h"
#include "screens/TLevelSelectScreen.h"
#include "screens/TTitleScreen.h"

#include <fstream>
#include <sstream>

namespace screentest {

// A screen that stands for where the front end leads (the game screen): it records its entries.
class TStandInScreen : public TScreen {
public:
    int loads = 0, coreStarts = 0;
    explicit TStandInScreen(std::string screenName) { name = std::move(screenName); }
    int Load() override {
        loads++;
        return 0;
    }
    int CoreStart() override {
        coreStarts++;
        return TScreen::CoreStart();
    }
};

class ScreensTest : public coretest::CoreTest {
protected:
    static constexpr int FRAME_MS = 16;

    void SetUp() override {
        CoreTest::SetUp();
        testkit::TGameOptions game;
        game.dataDir = SLEETWHISTLE_TEST_DATA_DIR;
        game.player = "Anna";
        testkit::MakeGame(game);
        audio->Clear();
    }

    // The player's progress, saved in the profile's file.
    void SetProgress(int level, int lockedLevel, bool instructionsSeen) {
        Game->CurrentProfile->CurrentLevel = level;
        Game->CurrentProfile->LockedLevel = lockedLevel;
        if (instructionsSeen) Game->CurrentProfile->HintsShown[19] = 1;
        Game->CurrentProfile->Save();
        GameScreen->Player.ReadProfile(Game->CurrentProfile.get(), 0);
    }

    // Leaves the current screen for the screen at once: the fade-out has just ended.
    void SwitchTo(const TScreenRef& screen) {
        if (Game->GameFade->Active != 0) Game->GameFade->Finish();
        Game->GameFade->GetDone();
        Game->DestinationTScreen = screen;
        Game->GameFade->Init(500, 1, nullptr, 0, 0, nullptr);
        Game->GameFade->Finish();
        Frame();
    }

    int Frame(int ms = FRAME_MS) { return testkit::Step(ms); }
    void Frames(int n) {
        for (int i = 0; i < n; i++)
            Frame();
    }
    // Frames until the map browses (its arrows are active), at most two seconds.
    void UntilBrowsing() {
        for (int i = 0; i < 125 && !Browsing(); i++)
            Frame();
        ASSERT_TRUE(Browsing());
    }
    static bool Browsing() {
        TButtonRef start = LevelSelectScreen->Menu ? LevelSelectScreen->Menu->FindButton("start") : nullptr;
        return start && start->Active == 1 && Game->CurrentTScreen == LevelSelectScreen;
    }

    static void Key(int key) { Post(platform::EVENT_KEY_DOWN, key); }
    static void KeyUp(int key) { Post(platform::EVENT_KEY_UP, key); }
    static void MoveTo(int x, int y) { Post(platform::EVENT_MOUSE_MOVE, 0, x, y); }
    static void Click(int x, int y) {
        MoveTo(x, y);
        Post(platform::EVENT_MOUSE_DOWN, 1, x, y);
    }

    // How often a sound whose name holds the text was started.
    int Cues(const std::string& sound) const {
        int n = 0;
        for (const platform::TAudioEvent& e : audio->Events())
            if (e.what == "cue" && platform::Upper(e.sound).find(platform::Upper(sound)) != std::string::npos)
                n++;
        return n;
    }

    std::string ProfileBytes() const {
        std::ifstream in(Game->ProfilePath + "Anna.dat", std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    // The profile as its file holds it now.
    TProfileRef SavedProfile() const {
        TProfileRef profile = TProfile::Create("Anna");
        profile->Load();
        return profile;
    }
};

} // namespace screentest

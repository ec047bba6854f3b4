// What the tests of the screens that end a run share: the core test base with the test kit's game
// (every screen, the banks, the fonts and the high-score table, as start-up makes them) and a
// current profile in the temporary per-user folder, a stand-in for the screen a run is played on,
// and ticks through the main loop on the fake clock (5 ms a tick, each followed by a drawn frame on
// the recording renderer).
#pragma once

#include "core_fixture.h"

#include "game/TGameFinishedScreen.h"
#include "game/TGameOverScreen.h"
#include "media/TGameFade.h"
#include "media/TImageBank.h"
#include "media/TParticleList.h"
#include "media/TSoundBank.h"
#include "profiles/THighScoreList.h"
#include "profiles/TProfile.h"
#include "profiles/highscore_file.h"
#include "profiles/profile_file.h"
#include "screens/TTitleScreen.h"

#include <string>
#include <vector>

namespace gametest {

// The screen a run is played on, as far as these screens see it.
class TPlayScreen : public TScreen {
public:
    TPlayScreen() { name = "game"; }
};

class PanelsTest : public coretest::CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        testkit::TGameOptions game;
        game.dataDir = SLEETWHISTLE_TEST_DATA_DIR;
        game.player = "Anna";
        testkit::MakeGame(game);
        Game->CurrentTScreen = play;
    }
    void TearDown() override {
        Game->GameFade->Active = 0;
        CoreTest::TearDown();
    }

    // n ticks of 5 ms, a frame drawn after each.
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) {
            platform::AdvanceClock(5);
            Game->MainLogicLoop();
            Game->ScreenDraw();
        }
    }
    // Ticks until the current screen is screen (at most limit ticks); false when it never came.
    bool TicksUntil(const TScreenRef& screen, int limit = 2000) {
        for (int i = 0; i < limit && Game->CurrentTScreen != screen; ++i)
            Ticks(1);
        return Game->CurrentTScreen == screen;
    }
    // Ticks until no fade runs.
    void TicksUntilFaded(int limit = 2000) {
        for (int i = 0; i < limit && Game->GameFade->Active != 0; ++i)
            Ticks(1);
    }

    static void Key(int vk) {
        Post(platform::EVENT_KEY_DOWN, vk);
        Post(platform::EVENT_KEY_UP, vk);
    }
    // Enter and Space as the keyboard gives them: the key and its typed character.
    static void TypedKey(int vk) {
        Post(platform::EVENT_KEY_DOWN, vk);
        Post(platform::EVENT_KEY_CHAR, vk);
        Post(platform::EVENT_KEY_UP, vk);
    }
    static void Type(const std::string& text) {
        for (char c : text)
            Post(platform::EVENT_KEY_CHAR, static_cast<unsigned char>(c));
    }
    static void ClickAt(int x, int y, int button = 1) {
        Post(platform::EVENT_MOUSE_MOVE, 0, x, y);
        Post(platform::EVENT_MOUSE_DOWN, button, x, y);
        Post(platform::EVENT_MOUSE_UP, button, x, y);
    }
    static void ClickButton(const TScreen& screen, const std::string& name) {
        TButtonRef button = screen.Menu ? screen.Menu->FindButton(name) : nullptr;
        ASSERT_TRUE(button) << name;
        ClickAt(int(button->x) + button->w / 2, int(button->y) + button->h / 2);
    }

    // The sounds cued on any channel since the last Clear, by file name.
    std::vector<std::string> Cued() const {
        std::vector<std::string> names;
        for (const platform::TAudioEvent& e : audio->Events())
            if (e.what == "cue") names.push_back(e.sound);
        return names;
    }
    int CuedCount(const std::string& sound) const {
        int n = 0;
        for (const std::string& name : Cued())
            n += name.find(sound) != std::string::npos ? 1 : 0;
        return n;
    }

    static std::string FileBytes(const std::string& path) {
        return platform::ReadRegularFile(path, 1 << 20, nullptr).value_or("");
    }
    // The volumes given to the music channel since the last Clear, in order.
    std::vector<float> MusicVolumes() const {
        std::vector<float> volumes;
        for (const platform::TAudioEvent& e : audio->Events())
            if (e.channel == Game->MusicChannel->Id() && e.what == "volume") volumes.push_back(e.value);
        return volumes;
    }
    // The table's rows as its file holds them.
    std::vector<THighScore> TableFile() const {
        return DecodeHighScoreFile(FileBytes(Game->HighScores->filepath)).rows;
    }
    // The current profile as its file holds it.
    TProfileFields ProfileFile() const {
        return DecodeProfileFile(FileBytes(Game->ProfilePath + Game->CurrentProfile->Name + ".dat")).fields;
    }

    std::shared_ptr<TPlayScreen> play = std::make_shared<TPlayScreen>();
};

} // namespace gametest

// What the game screen tests share: a game made as the program makes it, without a window: the
// generated data's banks loaded by the core's loading steps, the effect channels, the fonts, the
// fake clock, the recording renderer and audio, error and end handlers that record and throw, a
// temporary per-user folder with a real profile (its hints seen), and the screens and overlays made as
// start-up makes them with the game screen as the board's host. Levels are read from tests/game/data.
#pragma once

#include "ErrorRecorder.h"
#include "Scoped.h"
#include "TempDir.h"

#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/board_grid.h"
#include "core/TGame.h"
#include "framework/core_services.h"
#include "game/TGameMenu.h"
#include "game/TGameScreen.h"
#include "game/THintScroll.h"
#include "game/TLevelCompleteScreen.h"
#include "media/TGameFade.h"
#include "media/TParticle.h"
#include "media/TParticleList.h"
#include "platform/Renderer.h"
#include "platform/TRecordingAudioBackend.h"
#include "platform/input.h"
#include "platform/system.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace gametest {

using testkit::TEnded;
using testkit::TReportedError;

namespace vk = platform::vk;

// Every cell's gem as the tests compare boards: the gem object, its type and its place.
struct TGemSnapshot {
    const TGem* gem = nullptr;
    int type = 0;
    float x = 0.0f, y = 0.0f;
    bool operator==(const TGemSnapshot&) const = default;
};
std::vector<TGemSnapshot> BoardSnapshot();

class GameTest : public ::testing::Test, protected testkit::TErrorRecorder {
protected:
    void SetUp() override;
    void TearDown() override;

    // The profile's level is played: the run started as the title's "play" starts it, then the game
    // screen entered as the core enters a screen (Load, then Start).
    void EnterLevel(int level);
    // One 5 ms frame through the core's main loop (one tick).
    void Tick();
    void Ticks(int n);
    // Ticks until the screen's fade has ended (the logic was held during it).
    void RunFadeIn();
    // The fade-in, then the level intro to its end.
    void RunIntro();
    // Events as the platform's queue hands them to the core.
    static void Post(int id, int data, int x = 0, int y = 0);
    static void PressKey(int key);
    static void ClickAt(float x, float y);

    // The names of the sounds cued so far, in order, lower case and without extension.
    std::vector<std::string> Cues() const;
    int CountCues(const std::string& name) const;

    platform::ScopedFakeClock clock;
    testsupport::TempDir dir;
    testsupport::ScopedEnv dataHome{"XDG_DATA_HOME", (dir / "home").c_str()};
    platform::TRecordingAudioBackend* audio = nullptr;
    std::shared_ptr<platform::TRecordingRenderer> recorder = std::make_shared<platform::TRecordingRenderer>();
    testsupport::ScopedRenderer rendering{recorder};
};

} // namespace gametest

namespace gametest {

// One moving particle in each of the five shared lists.
void AddMovingParticles();
// The places of every particle of the five lists, list by list.
std::vector<std::pair<float, float>> ParticlePlaces();

} // namespace gametest

// What the board tests share: a headless board start with the test kit's error recorder, recording
// audio with the board's sounds, a board builder from rows of text, a profile that records its
// loads and saves, a host that records what the board asks of the game screen, and the rule
// steps of one board tick.
#pragma once

#include "ErrorRecorder.h"
#include "game_kit.h"

#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/TStandaloneBoardHost.h"
#include "board/board_grid.h"
#include "board/board_particles.h"
#include "core/TGame.h"
#include "framework/cc_errors.h"
#include "framework/core_services.h"
#include "headless/board_headless.h"
#include "headless/board_random_script.h"
#include "media/TImageBank.h"
#include "media/TParticleList.h"
#include "media/TSoundBank.h"
#include "platform/TRecordingAudioBackend.h"
#include "platform/audio_testing.h"
#include "platform/random.h"
#include "profiles/TPlayerProfile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace boardtest {

using testkit::TReportedError;

// A profile kept in memory that counts its loads and saves.
class TFixtureProfile : public TPlayerProfile {
public:
    int Loads = 0, Saves = 0;
    int Flags[64] = {};
    int Load() override { return ++Loads, 0; }
    int Save() override { return ++Saves, 0; }
    int ShowHint(int index, int save) override {
        if (Flags[index]) return 0;
        Flags[index] = 1;
        if (save) Save();
        return 1;
    }
};

// The standalone host that also notes each hint offered, with the number of sound cues heard
// before it, and answers with its profile's hint flags.
class TRecordingHost : public TStandaloneBoardHost {
public:
    TFixtureProfile Profile;
    std::vector<int> Offered;
    std::vector<size_t> CuesBeforeOffer;
    platform::TRecordingAudioBackend* Audio = nullptr;
    int Outro = 0; // the level outro runs (set by a test), besides an accepted level end
    // Every level-end and attempt call, in order ("NextLevel", "Quit", "RestartLevel",
    // "RestartIntro", "StartGameOver"); a refused call is logged too.
    std::vector<std::string> Calls;
    bool AcceptNextLevel = true, AcceptQuit = true;
    int OfferHint(int index) override;
    int OutroActive() override { return Outro || TStandaloneBoardHost::OutroActive(); }
    int NextLevel() override;
    int Quit() override;
    int RestartLevel() override;
    void RestartIntro() override;
    void StartGameOver() override;
    int CountCalls(const std::string& name) const;
};

// The board's sound names, as the sound bank keys them.
inline const std::vector<std::string>& BoardSoundNames() {
    static const std::vector<std::string> names = {
        "click",       "clickrev", "invalid", "swap",  "failed",  "matchbrick", "matchnobrick",
        "lockedclick", "unlock",   "land",    "hint",  "explode", "star",       "brush",
        "paintpot",    "cracker",  "magic",   "alarm", "echopop"};
    return names;
}

// The headless start of the board with the particles at 80 and a throwing error handler, as a
// program without a window has it; every global put back afterwards.
class HeadlessBoardTest : public ::testing::Test, protected testkit::TErrorRecorder {
protected:
    void SetUp() override {
        BoardHeadlessStart(BOARD_TEST_DIR, 80);
        Delta = 1.0f;
        InstallRecorder(ALWAYS);
    }
    void TearDown() override { testkit::ResetGlobals(); }
};

class BoardTest : public ::testing::Test, protected testkit::TErrorRecorder {
protected:
    platform::TRecordingAudioBackend* audio = nullptr;
    TRecordingHost host;

    void SetUp() override {
        BoardHeadlessStart(BOARD_TEST_DIR, 0);
        Delta = 1.0f;
        platform::SeedRnd(1234);
        InstallRecorder(ALWAYS);
        audio = &platform::UseRecordingAudio();
        TGameGrid::CreateChannels();
        sounds->SetPath(std::string(SLEETWHISTLE_TEST_DATA_DIR) + "/sound/");
        for (const std::string& name : BoardSoundNames())
            sounds->Load(name, 1.0f, 1.0f, "", 0);
        host.Audio = audio;
        SetBoardHost(&host);
        audio->Clear();
    }
    void TearDown() override { testkit::ResetGlobals(); }

    // The images the board reads, loaded from the generated data as the loading step loads them,
    // and the particle slots filled as the game screen fills them.
    void LoadBoardImages();

    // The names of the sounds cued so far, in order (file names without ".wav").
    std::vector<std::string> Cues() const;
    // The playback rates given with each cue, in order.
    std::vector<float> CueRates() const;
};

// The images the board reads, loaded into the current bank from the generated data as the loading
// step loads them, and the particle slots filled as the game screen fills them.
void LoadBoardBankImages();

// A board from rows of text, top row first, cells separated by blanks. A cell is a gem code
// (1..15), "." for an empty active cell or "#" for a hole, followed by markers: "i" ice pane,
// "t" thick ice over a pane, "c" the gem in an ice cube, "g" a glowing gem. Gold and Locked are
// counted from the markers; the gem list is sorted.
TGameGrid& BuildBoard(const std::vector<std::string>& rows);
// The gem codes of the board as rows of text in the builder's notation (codes, "." and "#").
std::string BoardText();
// The gem held by each cell, column by column, for comparing before and after.
std::vector<TGem*> CellGems();

// One tick of the board's rules in the order of its tick: the swap slide, the gem list (whose
// result is the input block), gravity and refill, the block while a swap runs, then the particle
// lists.
void RunRuleTick();
// Ticks until the board rests (no block, no swap), at most maxTicks; the ticks run.
int RunUntilRest(int maxTicks = 20000);

} // namespace boardtest

// Scripted runs of the game screen: a per-user folder holding the settings and a fixture profile,
// the game tree's binary run with the test seams on the fake clock, the frames it keeps, and the
// script lines that take the game from its first frame to a level.
#pragma once

#include "TempDir.h"
#include "frames.h"
#include "script.h"

#include "platform/TPixmap.h"
#include "platform/input.h"
#include "profiles/profile_file.h"

#include <string>
#include <vector>

namespace gameruns {

using namespace e2eframes;
using namespace e2escript;

// The milliseconds the fake clock advances at every flip: frame N shows the game at about N x 16 ms.
constexpr int FRAME_MS = 16;

// The profile's flag that the instructions were shown before the first game.
constexpr int INSTRUCTIONS_SHOWN = 19;

// A fixture profile at the given level: the test-only way of starting a level directly, since
// the level map opens on the profile's level. Every level up to it is open, and the instructions
// and the levels' item hints count as seen, so the first choice goes straight to the game.
TProfileFields FixtureProfileAtLevel(int level);

struct TGameRun {
    testsupport::TempDir dir;
    int status = -1;
    std::string output; // standard output and error
    std::string trace;  // the milestones the game passed, one a line
    // The installed tree whose binary runs, and a command put before it (a time limit).
    std::string tree = SLEETWHISTLE_E2E_GAME;
    std::string wrapper;

    // The settings file (the installed defaults with the intro off and Anna as the player, CR LF)
    // and Anna's profile written through the profile encoder.
    void PrepareUser(const TProfileFields& profile);
    // Only the settings file, naming no player: the title asks for a name.
    void PrepareNewPlayer();
    // Runs the game tree's binary with the script; the frames after the flips named are kept.
    void Run(const std::string& script, const std::vector<int>& frames);
    std::string UserPath(const std::string& name) const;
    platform::PixmapRef Frame(int flip) const;
    std::string FramePath(int flip) const;
    // Anna's profile as the run left it.
    TProfileFields SavedProfile() const;
};

// The flip that shows the game at a script time.
inline int FlipAt(int ms) {
    return ms / FRAME_MS;
}

// Every run ends cleanly and keeps no black frame; the frames are kept as
// test-output/<prefix><flip>.png for a person to look at.
void ExpectCleanRun(const TGameRun& run, const std::string& prefix, const std::vector<int>& frames);

// Script lines: the clicks through the maker's splash and the finished loading screen, "play" on
// the title at PLAY_MS, and Enter on the level map once it has zoomed in, at MAP_ENTER_MS.
constexpr int PLAY_MS = 9000;
constexpr int MAP_ENTER_MS = 11000;
std::string ToTheLevel();

// The centre of a board cell: on level 1 (9 x 9) and on level 2 (13 x 12).
struct TPoint {
    int x = 0, y = 0;
};
TPoint Level1Cell(int x, int y);
TPoint Level2Cell(int x, int y);

} // namespace gameruns

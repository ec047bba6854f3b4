// The test kit's game, made by the program's own start-up stages but without a window: the game
// object, the data's folders and settings, the game's rules, the banks and fonts, every screen made
// by the program's own MakeScreens(), and the program's second loading step. Also the reset of every
// global the game sets, and one step of the main loop on the fake clock. No GoogleTest in it, so the
// benchmarks use it too.
#pragma once

#include <string>
#include <vector>

namespace platform {
class TRecordingAudioBackend;
}

namespace testkit {

// What MakeGame makes.
struct TGameOptions {
    // The "Data" folder's path; empty: the data the program itself finds beside the executable.
    std::string dataDir;
    // A player created before the screens (with them only), as a returning player's run finds
    // the profile.
    std::string player;
    // Off, the game stops after the banks and fonts: for a harness that opens its window first, or
    // a fixture that loads and makes only what it tests.
    bool screens = true;
};

// The particle lists, then the program's game object (the logical screen, the game, the core's
// input hooks).
void MakeGameObject();
// The program's stages for the folders (the data below dataDir, the per-user folder under
// XDG_DATA_HOME), the settings and the game's rules.
void OpenGameData(const std::string& dataDir);
// The steps above with no input pending, the program's banks and fonts, then (as options ask)
// every screen, the loading screen and the second loading step; then the fixed-rate logic started.
void MakeGame(const TGameOptions& options = {});
// Anna created as the current player (not saved) who has seen every hint that would stop a level.
void AddAnna();

// Every global the game, its screens, the banks and the board set, back as before a test: the
// screens released, the board's globals reset, the game object gone, no event queued, and the
// input hooks and error, end and notice handlers removed.
void ResetGlobals();
// The fake clock moved on by ms, then the main loop's logic; its result (-1: the program ends).
int Step(int ms);

// The names of the sounds cued so far, in order: lower case, without folder and extension.
std::vector<std::string> CuedSounds(const platform::TRecordingAudioBackend& audio);

} // namespace testkit

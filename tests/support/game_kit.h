// The test kit's game, made as the program makes it but without a window: the game object, the
// generated data's folders and settings, the banks and fonts, every screen made by the program's
// own MakeScreens(), and the program's second loading step. Also the reset of every global the game
// sets, and one step of the main loop on the fake clock. No GoogleTest in it, so the benchmarks use
// it too.
#pragma once

#include <string>

namespace testkit {

// The particle lists, the game object and the core's input hooks.
void MakeGameObject();
// The generated data below dataDir (the "Data" folder's path), the per-user folder under
// XDG_DATA_HOME, the settings and 16 effect channels.
void OpenGameData(const std::string& dataDir);
// The banks, the fonts and every screen, the loading screen and the second loading step; a player
// named is created first, as a returning player's run finds the profile.
void LoadGame(const std::string& player = "");
// The three steps above, in order.
void MakeGame(const std::string& dataDir, const std::string& player = "");
// Anna created as the current player (not saved) who has seen every hint that would stop a level.
void AddAnna();

// Every global the game, its screens, the banks and the board set, back as before a test: the
// screens released, the board's globals reset, the game object gone, no event queued, and the
// input hooks and error, end and notice handlers removed.
void ResetGlobals();
// The fake clock moved on by ms, then the main loop's logic; its result (-1: the program ends).
int Step(int ms);

} // namespace testkit

// The game made as the program makes it, without GoogleTest, for the game screen's tests and its
// frame benchmark: the game object, the generated data's banks loaded by the core's loading steps,
// the effect channels, the fonts, the screens and overlays made as start-up makes them with the game
// screen as the board's host, and a profile "Anna" who has seen every hint that would stop a level.
// Called in this order; the caller puts its own settings between the steps.
#pragma once

#include <string>

namespace gamesetup {

// The particle lists, the game object and the core's input hooks.
void MakeGameObject();
// The generated data below dataDir (the "Data" folder's path), the per-user folder under
// XDG_DATA_HOME, the settings and 16 effect channels.
void OpenGameData(const std::string& dataDir);
// The banks, fonts and screens, both loading steps, and Anna as the current player (not saved).
void LoadGameWithAnna();

} // namespace gamesetup

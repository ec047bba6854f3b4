// The start-up stages before the window, as named steps: the program runs them in this order, and
// the test kit runs the same steps, so a test's game is made as the player's is.
#pragma once

#include <string>

// Stage 1002's game object: the logical 800 x 600 screen, the game and the core's input hooks.
void CreateGameObject();
// Stage 1003: the data folder and the per-user folder. An empty dataPrefix is the data installed
// beside the executable; else the folder holding "Data/" (a test's or a tool's own data).
void SetGameFolders(const std::string& dataPrefix = "");
// Stages 1004 and 10041: the marker of the last run checked (its settings restored when it did not
// end well), then the settings read, with the audio driver and the clock.
void ReadSettings();
// Stage 1005: the game's fixed settings saved, no jitter correction, 16 effect channels and the
// place of the debug display.
void FixSettings();
// Stage 1006: the game's rules for the core: the escape sound, the number of levels, and no
// framework or debug keys.
void SetGameRules();
// Stages 1007 and 1008: the image and sound banks on the game's folders.
void MakeBanks();
// Stage 1009: the fonts from the data's fonts folder (FontsPath).
void LoadFonts();

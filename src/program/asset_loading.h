// Loading the game's shared images and sounds in two stages around the intro, with the loading
// screen's bar moved and shown once per asset.
#pragma once

// Prepares the loading screen, loads the intro's click and makes the intro current.
int LoadData();
// Every shared sound and image, the high scores, the title screen and the board's statics: 92 steps.
int LoadData2();
int LoadSounds();
int LoadImages();

// The number of bar steps LoadData2 makes.
constexpr int LOADING_STEPS = 92;

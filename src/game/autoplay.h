// The test seam SLEETWHISTLE_AUTOPLAY=MS: while the game screen plays a level, the level bot plays
// its board through the real input path, MS milliseconds of the game clock after each rest, and
// logs what it does to standard error as "AUTOPLAY <flip> <what>". Off when the variable is unset.
// Back on the map after a won level it closes the window; with SLEETWHISTLE_AUTOPLAY_LEVELS=N it
// first presses on into the next level (the map's start button) until N levels are won.
// When the run captures frames, it also keeps the frame of each of its events (a hint and the
// panel as answered, the first actions, the win, the map before the close) and logs
// "frame <flip> <name>".
#pragma once

// Installs the seam as the core's tick hook when SLEETWHISTLE_AUTOPLAY is set.
void AutoplayInstall();

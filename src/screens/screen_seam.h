// A test seam for the screens that no button of the game reaches: SLEETWHISTLE_SCREEN names one
// ("highscores" or "outro"). The first time the title screen is current, its fade-in over and no
// dialog of it open, the game leaves the title for that screen the way any caller would: the screen
// becomes the destination of a fade-out without channels while the title's logic runs on. It acts
// once per run.
#pragma once

#include "core/TScreen.h"

#include <string>

// Reads SLEETWHISTLE_SCREEN (start-up) and, for a known name, has the game's loop call the seam
// before every tick's screen logic; an unknown name is reported on standard error and ignored.
void ScreenSeamInstall();
// Once per tick: acts when the title is ready; 1 in the tick it acts.
int ScreenSeamTick();
// The screen a name leads to; null for a name the seam does not know.
TScreenRef ScreenSeamTarget(const std::string& name);

// What the title screen does with players: the choice of the first profile at start-up and the
// player manager as the title sets it up (the GL scenes draw this very dialog).
#pragma once

#include "profiles/TPlayerManager.h"

// Makes the start-up player current: the settings name when it is valid (in the listed spelling
// when a profile matches it ignoring case; created with defaults when none does), else the first
// listed profile. 0, with nothing changed, when the profiles folder lists no profile: the title
// then asks for a name. A folder that cannot be read ends the program.
int ChooseStartProfile();

// The title's "Choose Player" dialog on "chooseplayer.png" with its fonts, colours, sizes, glows
// and hooks, at most six players; not started (the caller starts it).
TPlayerManagerRef MakeTitlePlayerManager();

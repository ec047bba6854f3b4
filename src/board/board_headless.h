// For programs without a window, GL context or sound device (tests, benchmarks, harnesses, the
// solver): what the board reads when no loading step has made it. The game never calls these.
#pragma once

#include <string>

// A game object (DataPrefix = prefix, the given particle setting, sound on) with the silent audio
// driver, empty image and sound banks that answer null, the five particle lists, the gem tables,
// the board's channel pool and the standalone host.
void BoardHeadlessStart(const std::string& prefix, int particles = 100);
// Every board global back to its start-up value, the particle lists emptied, scripted random
// results forgotten and the standalone host's record fresh.
void BoardResetGlobals();

// The test seams that take a value: the variables the scripted runs set, read from the
// environment and checked in one place. Each is off when unset or empty.
//   SLEETWHISTLE_CLOCK=MS            the fake clock's step a flip: 1 to 1000
//   SLEETWHISTLE_SEED=N              every seed the game passes replaced: any int
//   SLEETWHISTLE_AUTOPLAY=MS         the level bot's wait after each rest: 1 or more
//   SLEETWHISTLE_AUTOPLAY_LEVELS=N   the levels the bot wins before it closes: 1 or more
//   SLEETWHISTLE_AUDIO_DELAY=MS      the most a refill round of the streams waits: 0 to 1000
//   SLEETWHISTLE_INPUT=FILE          scripted input: a file that can be read
// A value a seam cannot use ends the program: a line naming the variable and the value on
// standard error, and exit status 2. A value read in silently as something else would change
// what the run tests (a clock step of 0 never ticks the game at all). The ceilings are a second:
// no player sees a longer frame, and a refill round held back longer keeps the game's close
// waiting for it.
#pragma once

#include <optional>
#include <string>

namespace platform {

struct TSeams {
    std::optional<int> clockMs;
    std::optional<int> seed;
    std::optional<int> autoplayMs;
    std::optional<int> autoplayLevels;
    std::optional<int> audioDelayMs;
    std::string input; // empty: no script
};

// The seams, read and checked on the first call. The program calls it first thing, so a
// refused value ends the run before a file or a window is made.
const TSeams& Seams();

} // namespace platform

// Plays a level with the bot through the real board rules: the board filled for a seed, the bot's
// clicks through ClickCell, the board's ticks until it rests, until the level is won, the board
// runs out of moves, or the run is stopped at twice the level's time or 600 actions.
#pragma once

#include "board/TLevelBot.h"

#include <array>
#include <ostream>
#include <string>

namespace levelcheck {

constexpr int TICK_MS = 5;
constexpr int MAX_ACTIONS = 600;
constexpr int REST_TICKS = 20000;

struct TRunOptions {
    int ThinkMs = 1500; // the player's pause before each action, added to the board's time
    int Lookahead = 1;
    std::ostream* Trace = nullptr; // every action and the board at each rest
};

struct TRunResult {
    enum TOutcome { WON, STUCK, STOPPED, FAILED };
    TOutcome Outcome = FAILED;
    int Ticks = 0;                  // the player's time taken, in ticks
    int Actions = 0;                // clicks the bot chose, a swap or an aimed item counted once
    int Refused = 0;                // swaps the board sent back
    std::array<int, 16> Fired = {}; // items used, by code
    std::string Error;

    double TimeMs(int thinkMs) const { return double(Ticks) * TICK_MS + double(Actions) * thinkMs; }
    bool WonWithin(int seconds, int thinkMs) const {
        return Outcome == WON && TimeMs(thinkMs) <= seconds * 1000.0;
    }
};

// One run of level n (its time line in seconds) for a seed. The headless board must be started;
// its globals are reset first.
TRunResult PlayLevel(int level, int seconds, int seed, const TRunOptions& options);

// The board as the board harness prints it: a token per cell ("#" hole, "." empty, the gem's code,
// "*" in an ice cube, "+" glowing), then the ice layers and cubes left.
std::string BoardAsText();

} // namespace levelcheck

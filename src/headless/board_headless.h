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

// Statuses of BoardRunToRest.
constexpr int BOARD_AT_REST = 1;
constexpr int BOARD_LEVEL_WON = 2;    // the host accepted a level end
constexpr int BOARD_OUT_OF_MOVES = 3; // the board asked the host to quit: no move left
constexpr int BOARD_STILL_BUSY = -1;  // maxTicks ran out

// Runs whole ticks (Delta 1) of what the game screen runs for the board: the player, the board
// (GameGrid->Manage, whose mouse step sees no input without a pointer; play with
// GameGrid->ClickCell), then the particle lists; until the board rests (no block, no swap, no
// sequence), the host accepts a level end or the board finds no move left. A call after
// BOARD_OUT_OF_MOVES plays the sequence through and returns when the new board rests.
int BoardRunToRest(int maxTicks);

// The board's rows as text, top row first, one token per cell separated by blanks: "#" a hole,
// "." an empty cell, else the gem's code, with "*" for an ice cube and "+" for a glowing gem.
std::string BoardRowsText();

// Scripted results for the board's draws: a test queues the values BoardRand(a, b) returns for one
// exact range; every other range, and this one once its queue runs dry, draws as in the game.
#pragma once

#include "board/board_random.h"

#include <vector>

// Queues results that BoardRand(a, b) returns, in order, before it draws again.
void BoardRandScript(int a, int b, const std::vector<int>& values);
// Forgets every queued result.
void BoardRandClearScripts();

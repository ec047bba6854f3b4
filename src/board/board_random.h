// Every random draw of the board goes through here, so that a test can answer the draws of one
// exact range (the bonus draw's (1, 1000), say) while every other range keeps drawing from the
// platform's seeded generator.
#pragma once

// Rand and Rnd of the platform, unless the override answers BoardRand(a, b).
int BoardRand(int a, int b);
double BoardRnd(double a, double b);

// Answers BoardRand(a, b) with out and returns true, or returns false to let the generator draw.
using TBoardRandOverride = bool (*)(int a, int b, int& out);
// Installs the override (null: none, as in the game).
void SetBoardRandOverride(TBoardRandOverride override);

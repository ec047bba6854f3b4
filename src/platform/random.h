// The game's random generator: one PCG32 sequence, seeded by SeedRnd.
// Mappings: Rnd(a, b) = lo + (hi - lo) * u with u in [0, 1) from 53 bits;
// Rand(a, b) = lo + floor(u * (hi - lo + 1)). Both accept their bounds in either order.
// SLEETWHISTLE_SEED=N makes every SeedRnd use N instead of the value passed.
#pragma once

#include <cstdint>

namespace platform {

void SeedRnd(int seed);
int RndSeed();
// A real number between a and b (a may be the larger bound).
double Rnd(double a = 1.0, double b = 0.0);
// An integer from a to b inclusive (a may be the larger bound).
int Rand(int a, int b = 1);
// Raw 32 random bits (advances the same sequence).
uint32_t RandBits();

} // namespace platform

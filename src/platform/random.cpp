// PCG32 (XSH RR variant, 64-bit state) and the game's mappings onto it.
#include "platform/random.h"

#include "platform/seams.h"

#include <cmath>
#include <optional>

namespace platform {
namespace {

// Fixed stream selector: the seed alone chooses the sequence.
constexpr uint64_t kIncrement = (0xDA3E39CB94B95BDBull << 1u) | 1u;
constexpr uint64_t kMultiplier = 6364136223846793005ull;
constexpr int kDefaultSeed = 0x5EED;

struct Generator {
    uint64_t state = 0;
    int seed = 0;
};

// SLEETWHISTLE_SEED: when set it replaces every seed the game passes.
std::optional<int> SeedOverride() {
    return Seams().seed;
}

uint32_t Step(Generator& g) {
    uint64_t old = g.state;
    g.state = old * kMultiplier + kIncrement;
    auto xorshifted = uint32_t(((old >> 18u) ^ old) >> 27u);
    auto rot = uint32_t(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

void Seed(Generator& g, int seed) {
    g.seed = seed;
    g.state = 0;
    Step(g);
    g.state += uint64_t(uint32_t(seed));
    Step(g);
}

Generator& TheGenerator() {
    static Generator g = [] {
        Generator fresh;
        Seed(fresh, SeedOverride().value_or(kDefaultSeed));
        return fresh;
    }();
    return g;
}

// Uniform in [0, 1) with 53 random bits.
double Unit() {
    uint64_t high = RandBits() >> 5;
    uint64_t low = RandBits() >> 6;
    return double((high << 26) | low) * (1.0 / 9007199254740992.0);
}

} // namespace

void SeedRnd(int seed) {
    Seed(TheGenerator(), SeedOverride().value_or(seed));
}

int RndSeed() {
    return TheGenerator().seed;
}

uint32_t RandBits() {
    return Step(TheGenerator());
}

double Rnd(double a, double b) {
    double lo = std::fmin(a, b), hi = std::fmax(a, b);
    return lo + (hi - lo) * Unit();
}

int Rand(int a, int b) {
    int64_t lo = a < b ? a : b, hi = a < b ? b : a;
    auto offset = int64_t(std::floor(Unit() * double(hi - lo + 1)));
    // Rounding of the product can never reach hi - lo + 1, but stay inside the bounds regardless.
    if (offset > hi - lo) offset = hi - lo;
    return int(lo + offset);
}

} // namespace platform

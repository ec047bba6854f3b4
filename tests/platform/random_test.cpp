#include "platform/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <set>
#include <vector>

using namespace platform;

namespace {

std::vector<double> Draws(int seed) {
    SeedRnd(seed);
    std::vector<double> values;
    for (int i = 0; i < 20; i++) {
        values.push_back(Rand(0, 1000000));
        values.push_back(Rnd(0.0, 1.0));
        values.push_back(RandBits());
    }
    return values;
}

} // namespace

TEST(Random, SameSeedGivesSameSequence) {
    EXPECT_EQ(Draws(1234), Draws(1234));
    EXPECT_EQ(Draws(-7), Draws(-7));
    if (!std::getenv("SLEETWHISTLE_SEED")) {
        EXPECT_NE(Draws(1234), Draws(1235));
        SeedRnd(99);
        EXPECT_EQ(RndSeed(), 99);
    }
}

TEST(Random, RandStaysWithinBoundsGivenInEitherOrder) {
    struct Case {
        int a, b, lo, hi;
    } cases[] = {{1, 5, 1, 5}, {5, 1, 1, 5}, {-3, 3, -3, 3}, {3, -3, -3, 3}, {7, 7, 7, 7}, {0, 1, 0, 1}};
    SeedRnd(42);
    for (const Case& c : cases) {
        std::set<int> seen;
        for (int i = 0; i < 2000; i++) {
            int v = Rand(c.a, c.b);
            ASSERT_GE(v, c.lo) << c.a << ".." << c.b;
            ASSERT_LE(v, c.hi) << c.a << ".." << c.b;
            seen.insert(v);
        }
        EXPECT_EQ(int(seen.size()), c.hi - c.lo + 1) << "every value reachable for " << c.a << ".." << c.b;
    }
    // The full int range must not overflow the width computation.
    for (int i = 0; i < 1000; i++) {
        int v = Rand(INT_MAX, INT_MIN);
        ASSERT_GE(v, INT_MIN);
        ASSERT_LE(v, INT_MAX);
    }
    EXPECT_EQ(Rand(INT_MAX, INT_MAX), INT_MAX);
}

TEST(Random, RndStaysWithinBoundsGivenInEitherOrder) {
    struct Case {
        double a, b, lo, hi;
    } cases[] = {{0.0, 1.0, 0.0, 1.0}, {1.0, 0.0, 0.0, 1.0}, {-0.2, -1.0, -1.0, -0.2}, {2.5, 2.5, 2.5, 2.5}};
    SeedRnd(7);
    for (const Case& c : cases) {
        double min = c.hi, max = c.lo;
        for (int i = 0; i < 5000; i++) {
            double v = Rnd(c.a, c.b);
            ASSERT_GE(v, c.lo);
            if (c.lo < c.hi) {
                ASSERT_LT(v, c.hi);
            }
            min = std::min(min, v);
            max = std::max(max, v);
        }
        // Both ends of the range are approached, so the mapping is not squeezed or shifted.
        EXPECT_LT(min - c.lo, (c.hi - c.lo) * 0.01 + 1e-12);
        EXPECT_LT(c.hi - max, (c.hi - c.lo) * 0.01 + 1e-12);
    }
    EXPECT_EQ(Rnd(2.5, 2.5), 2.5);
}

TEST(RandomDeathTest, SeedFromTheEnvironmentReplacesEverySeed) {
    // The variable is read once per process, so check it in a fresh one.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("SLEETWHISTLE_SEED", "5", 1);
            uint32_t unseeded = RandBits();
            SeedRnd(1);
            uint32_t first = RandBits();
            SeedRnd(2);
            uint32_t second = RandBits();
            std::exit(unseeded == first && first == second && RndSeed() == 5 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

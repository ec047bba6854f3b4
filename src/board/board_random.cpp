#include "board/board_random.h"

#include "platform/random.h"

namespace {

TBoardRandOverride randOverride = nullptr;

} // namespace

int BoardRand(int a, int b) {
    int v = 0;
    if (randOverride && randOverride(a, b, v)) return v;
    return platform::Rand(a, b);
}

double BoardRnd(double a, double b) {
    return platform::Rnd(a, b);
}

void SetBoardRandOverride(TBoardRandOverride override) {
    randOverride = override;
}

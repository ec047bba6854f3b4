#include "board/TBoardHost.h"

#include "board/TStandaloneBoardHost.h"

namespace {
TBoardHost* current = nullptr;
} // namespace

TBoardHost& BoardHost() {
    return current ? *current : StandaloneBoardHost();
}

void SetBoardHost(TBoardHost* host) {
    current = host;
}

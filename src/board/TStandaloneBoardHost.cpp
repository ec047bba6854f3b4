#include "board/TStandaloneBoardHost.h"

void TStandaloneBoardHost::Reset() {
    PlayerRecord = TPlayer();
    HintShowCounter = 0.0f;
    GaugeFillDelays.clear();
}

TStandaloneBoardHost& StandaloneBoardHost() {
    static TStandaloneBoardHost host;
    return host;
}

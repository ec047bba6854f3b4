#include "board/TStandaloneBoardHost.h"

#include "board/TGameGrid.h"
#include "board/TGemList.h"
#include "board/board_fill.h"
#include "board/board_grid.h"

void TStandaloneBoardHost::Reset() {
    PlayerRecord = TPlayer();
    HintShowCounter = 0.0f;
    GaugeFillDelays.clear();
    LevelWon = 0;
    Restarts = IntroRestarts = GameOvers = 0;
}

int TStandaloneBoardHost::NextLevel() {
    if (!PlayerRecord.Alive || LevelWon) return 0;
    LevelWon = 1;
    PlayerRecord.NoChecks = 1;
    return 1;
}

int TStandaloneBoardHost::Quit() {
    PlayerRecord.Lives = 0;
    if (PlayerRecord.DeathCounter > 0.0f) return 0;
    HintShowCounter = 0.0f; // the screen's counters
    GaugeFillDelays.clear();
    PlayerRecord.Die();
    return 1;
}

int TStandaloneBoardHost::RestartLevel() {
    ++Restarts;
    LevelWon = 0;
    PlayerRecord.NewLevelStats();
    if (GameGrid) GameGrid->Kill();
    GameGrid = nullptr;
    if (GemList) GemList->Clear();
    GemList = nullptr;
    BoardLevelStart(PlayerRecord.Level);
    if (GameGrid) GameGrid->SetupIntroFlash();
    return 1;
}

TStandaloneBoardHost& StandaloneBoardHost() {
    static TStandaloneBoardHost host;
    return host;
}

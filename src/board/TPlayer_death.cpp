// The player's tick while a level is played: the play time and the death countdown that follows
// giving up an attempt.
#include "board/TBoardHost.h"
#include "board/TGameGrid.h"
#include "board/TPlayer.h"
#include "board/board_grid.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"

int TPlayer::Manage() {
    if (DeathCounter > 0.0f) {
        DeathCounter -= Delta;
        if (DeathEnd() != 0) return -1;
    }
    if (!BoardHost().OutroActive() && (!GameGrid || GameGrid->TargetMet == 0)) TimeTaken += Delta;
    return 1;
}

int TPlayer::Die() {
    Alive = 0;
    NoChecks = 1;
    DeathAnimLength = int(CalcAnimLength(5000));
    DeathCounter = float(DeathAnimLength);
    // The saved profile is not reset here: the level restarts before the countdown ends, and a
    // real game over resets the profile at the game-over screen.
    if (GameGrid) GameGrid->StartNoMoreMoves();
    return 0;
}

int TPlayer::DeathEnd() {
    if (DeathCounter > 0.0f) return 0;
    Lives -= 1;
    ccFlushAll();
    if (Lives >= 0) {
        ClearCounters();
        NoChecks = 0;
        Alive = 1;
        BoardHost().RestartIntro();
        return 1;
    }
    UpdateTotals();
    BoardHost().StartGameOver();
    return -1;
}

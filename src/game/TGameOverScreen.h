// The screen that ends a lost run: its own music, the run's totals sliding in, the name entry when
// the score reaches the high-score table, and "OK" back to the title. Entering it resets the
// player's profile to a new game.
#pragma once

#include "board/TPlayer.h"
#include "core/TScreen.h"
#include "game/TGameTotals.h"
#include "game/THighScoreEntry.h"

#include <memory>

class TGameOverScreen;
using TGameOverScreenRef = std::shared_ptr<TGameOverScreen>;

class TGameOverScreen : public TScreen {
public:
    THighScoreEntryRef High;
    TGameTotalsRef GameTotals;
    TPlayer* Player = nullptr; // the run reported

    int Load() override;
    int Start() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;

private:
    // The fade-out with the music towards the title.
    void Leave();
};

extern TGameOverScreenRef GameOverScreen;

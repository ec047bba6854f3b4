// The game screen as the board's host: every call is handed to the screen that owns it.
#pragma once

#include "board/TBoardHost.h"

class TGameScreen;

class TGameBoardHost : public TBoardHost {
public:
    explicit TGameBoardHost(TGameScreen& screen) : Screen(screen) {}

    TPlayer& Player() override;
    int OutroActive() override;
    void ClearHintShowCounter() override;
    void AddGaugeFillDelay(int ms) override;
    int OfferHint(int index) override;
    int NextLevel() override;
    int Quit() override;
    int RestartLevel() override;
    int LevelCompleteActive() override;
    // Nothing: the "Hint" button has played its own click in the same tick.
    void PlayMenuButtonClick() override {}
    void RestartIntro() override;
    void StartGameOver() override;

private:
    TGameScreen& Screen;
};

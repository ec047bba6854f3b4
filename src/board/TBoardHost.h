// The board's one way to the screen that drives it: the player's record, the level outro, the
// idle-hint clock, the bonus gauge's fill delays and the one-shot hints. The game screen
// implements it; programs without one get the standalone host.
#pragma once

class TPlayer;

class TBoardHost {
public:
    virtual ~TBoardHost() = default;
    virtual TPlayer& Player() = 0;
    // Non-zero while the level outro runs: the board stands still.
    virtual int OutroActive() = 0;
    // A match resolved, a bonus fired or a hint started.
    virtual void ClearHintShowCounter() = 0;
    // One more step of the bonus gauge once ms have passed.
    virtual void AddGaugeFillDelay(int ms) = 0;
    // Shows one-shot hint index when the profile has not shown it yet; 1 when it was shown.
    virtual int OfferHint(int index) = 0;
    // The level is won: 1 when the screen starts its outro, 0 when it refuses (the player is not
    // alive, or an intro or outro runs).
    virtual int NextLevel() = 0;
    // No move is left (or the player gave up): takes the player's life, which starts the
    // no-more-moves sequence unless the player is dying already. Answers 1 when it acted.
    virtual int Quit() = 0;
    // The level is started again from its file with a new board and a new fill.
    virtual int RestartLevel() = 0;
    // Non-zero while the level-complete panel shows: the board draws no hover highlight.
    virtual int LevelCompleteActive() = 0;
    // The click of the screen's "menu" button, heard when a hint starts.
    virtual void PlayMenuButtonClick() = 0;
    // A life was used: the level intro and its sound start again on the same board.
    virtual void RestartIntro() = 0;
    // The last life was used: the screen and its music fade out towards the game-over screen.
    virtual void StartGameOver() = 0;
};

// The host set by SetBoardHost, else the built-in standalone host.
TBoardHost& BoardHost();
// Null puts the standalone host back. The host is not owned.
void SetBoardHost(TBoardHost* host);

// The host of a board that runs without the game screen (headless programs, benchmarks, test
// harnesses): it owns a player record, keeps its own idle-hint clock, counts the gauge delays it is
// given and shows no hints. It ends and restarts levels as the game screen does, without the
// screen's own pictures and sounds.
#pragma once

#include "board/TBoardHost.h"
#include "board/TPlayer.h"

#include <vector>

class TStandaloneBoardHost : public TBoardHost {
public:
    TPlayer PlayerRecord;
    float HintShowCounter = 0.0f;
    std::vector<int> GaugeFillDelays; // ms of each delay asked for
    int LevelWon = 0;                 // a level end was accepted: the board stands still
    int Restarts = 0, IntroRestarts = 0, GameOvers = 0;

    TPlayer& Player() override { return PlayerRecord; }
    int OutroActive() override { return LevelWon; }
    void ClearHintShowCounter() override { HintShowCounter = 0.0f; }
    void AddGaugeFillDelay(int ms) override { GaugeFillDelays.push_back(ms); }
    int OfferHint(int) override { return 0; }
    int NextLevel() override;
    int Quit() override;
    int RestartLevel() override;
    int LevelCompleteActive() override { return 0; }
    void PlayMenuButtonClick() override {}
    void RestartIntro() override { ++IntroRestarts; }
    void StartGameOver() override { ++GameOvers; }
    // A fresh record, clock and delay count.
    void Reset();
};

// The built-in host that BoardHost answers while no other is set.
TStandaloneBoardHost& StandaloneBoardHost();

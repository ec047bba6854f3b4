// The screen the board harness plays on in place of the game screen: it starts the level, holds
// the board still through the level intro, runs the board's share of the game screen's tick and
// draws the board's layers over the first background. Its extra keys are test seams.
#pragma once

#include "board/TStandaloneBoardHost.h"
#include "core/TScreen.h"

class TBoardTestScreen : public TScreen {
public:
    int Level = 1;
    TStandaloneBoardHost Host;
    float IntroCounter = 0.0f; // ticks left of the level intro
    platform::ImageRef Background;
    int MenuOpen = 0; // M opens and closes the in-game menu in turn

    int Start() override;
    int Logic() override;
    int Draw() override;

private:
    void HarnessKeys();
};

// The panel that follows a won level: a scroll slides up over the fallen board with the level's
// score, matches and time while the "levelcomplete" header drops in and snow falls. Opening it
// advances the player to the next level and saves the profile. A click or Escape rolls it away
// (every fifth level the hint scroll then announces the gallery picture it unlocked), and "Click
// Anywhere" leads on with a fade. The game screen runs and draws it; it is never the current screen.
#pragma once

#include "core/TScreen.h"
#include "framework/TSineCounter.h"
#include "media/TAnimation.h"
#include "media/TGameSound.h"

#include <memory>
#include <string>

class TLevelCompleteScreen;
using TLevelCompleteScreenRef = std::shared_ptr<TLevelCompleteScreen>;

class TLevelCompleteScreen : public TScreen {
public:
    int GameFinished = 0; // 1 when the level just won was the last one
    int gap = 32;         // pitch of the rows
    int lines = 3;
    int h = 0;
    float StartY = 0.0f; // y of the first row with the scroll at rest
    int w = 0;           // width of the row block
    int col1 = 0;        // x of the labels
    int col2 = 0;        // x of the values
    int colgap = 25;
    float HeaderY = 90.0f;
    int Active = 0; // 0 hidden, 1 the scroll shown, 2 rolled up ("Click Anywhere")
    TSineCounterRef glow = std::make_shared<TSineCounter>(); // the highlight's pulse
    TAnimationRef Unroll;                                    // the 400 ms slide
    TGameSoundRef ActivateSound;
    TGameSoundRef DeactivateSound;
    TGameSoundRef ClickSound; // held while loaded, never played by the panel
    TGameSoundRef MOSound;

    int Load() override;
    int Start() override;
    // Advances the player past the level just won and saves the profile: the panel's record of
    // the win, also made when the program ends before the panel opens.
    int SaveWonLevel();
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;
    int SetSlideLines();
    int MoveSnowFlakes();
    int MakeSnowFlakes();
    int RollUp();
    int Show();
    int Hide();
    // The in-game background of the level just won.
    std::string GetPicName() const;

    // "m: ss" of a level's play time in logic ticks.
    static std::string TimeText(float ticks);

private:
    TButtonRef OK() const;
    // Where "Click Anywhere" leads: the game-finished screen after the last level, else back to
    // the level map, which opens on the next level.
    TScreenRef NextScreen() const;
    int ScrollLogic();
    int DrawScroll();
    int DrawClickAnywhere();
};

extern TLevelCompleteScreenRef LevelCompleteScreen;

// The pause menu of the game screen: a scroll that slides up over the dimmed board with four
// buttons, "resume", "options", "help" and "saveandexit". It never becomes the current screen:
// the game screen loads and kills it with itself, runs its Logic every tick and its Draw every
// frame, and stands still while it is active. Escape or the game screen's "Menu" button opens it,
// Escape or "resume" closes it; Logic's answer tells the game screen when it opened or closed, so
// an armed bonus pointer can be put aside and given back.
#pragma once

#include "core/TScreen.h"
#include "media/TAnimation.h"
#include "media/TGameSound.h"

#include <memory>
#include <string>

class TGameMenu;
using TGameMenuRef = std::shared_ptr<TGameMenu>;

class TGameMenu : public TScreen {
public:
    // The answers of Logic.
    static constexpr int CLOSED = 0;       // closing slide running or just ended
    static constexpr int STEADY = 1;       // nothing opened or closed this tick
    static constexpr int JUST_OPENED = 2;  // Escape opened the menu
    static constexpr int JUST_CLOSED = 3;  // Escape or "resume" started closing it
    static constexpr int SLIDE_MS = 400;   // both slides
    static constexpr float DROP = 460.0f;  // how far below its place the closed menu stands
    static constexpr float MAX_DIM = 0.5f; // the dimming of the open menu

    int Active = 0;     // 1 while shown, sliding in or sliding out
    int MouseState = 0; // whether the pointer was on when the menu opened
    TGameSoundRef ActivateSound;
    TGameSoundRef DeactivateSound; // nothing sets it
    TAnimationRef FadeIn;
    TAnimationRef FadeOut;
    int QuitFlag = 0; // 1: the end of the closing slide gives up the level; nothing sets it
    float MenuY = 0.0f;

    int Load() override;
    int Kill() override;
    int Logic() override;
    // 1 when it drew.
    int Draw() override;
    int Show(int playSound = 1);
    int Hide();
    // The shown fraction: rising from 0 to 1 while sliding in, falling back to 0 while sliding out,
    // 1 when neither slide runs.
    float GetRatio() const;
    int SetMenuY();
    float GetTopY() const;
    // Leaves the game screen for another screen that comes back to it: the game screen stays
    // loaded with the menu open and is entered again through its CoreStart alone.
    int LeaveFor(const TScreenRef& screen);

private:
    int TestButtons();
    void PlayEffect(const TGameSoundRef& sound) const;
};

extern TGameMenuRef GameMenu;

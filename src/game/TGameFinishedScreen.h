// The screen that closes the game after its last level: the title picture, Santa fading in over
// 1.2 s, "The End" and a thank-you, a laugh when the screen has faded in and the end music once the
// picture stands. A click, "OK" or Escape fades slowly back to the title.
#pragma once

#include "core/TScreen.h"
#include "media/TAnimation.h"
#include "media/TGameImage.h"
#include "media/TGameSound.h"

#include <memory>

class TGameFinishedScreen;
using TGameFinishedScreenRef = std::shared_ptr<TGameFinishedScreen>;

class TGameFinishedScreen : public TScreen {
public:
    TGameImageRef Santa;
    TAnimationRef SantaFade; // the picture's fade-in
    TGameSoundRef HOHOSound;

    int Load() override;
    int Start() override;
    int PostFadeIn() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;
    // The slow fade-out with the music to the title.
    int Close();
};

extern TGameFinishedScreenRef GameFinishedScreen;

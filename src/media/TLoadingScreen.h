// The loading screen: a background, the title logo, a progress bar that grows one step for every
// asset loaded and a "loading" caption; after the last step the finished bar and a click-here
// button, and a click anywhere fades out to the next screen. Loading runs outside the main loop:
// the core calls TGame.MoveBar after each asset, which draws and flips this screen at once.
#pragma once

#include "core/TScreen.h"
#include "media/TLoadingBar.h"
#include "platform/image.h"
#include "widgets/TButton.h"

#include <functional>
#include <memory>
#include <string>

class TLoadingScreen;
using TLoadingScreenRef = std::shared_ptr<TLoadingScreen>;

class TLoadingScreen : public TScreen {
public:
    TLoadingBarRef LoadingBar = std::make_shared<TLoadingBar>();
    TButtonRef ClickHereButton; // shown when loading has finished
    int Finished = 0;
    platform::ImageRef LoadingTextImage; // the caption, centred on (LoadingX, LoadingY)
    int LoadingX = 0, LoadingY = 0;
    int DrawLoadingTextImage2 = 0;
    platform::ImageRef LoadingTextImage2;
    std::function<void()> CustomDrawFunction;
    std::function<void()> CustomKillFunction;
    int EscapeCloses = 1; // 0: Escape acts like a click on this screen
    int FadeMusic = 0;    // 1: the fade out also fades the music

    int Start() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    // The background, the bar with its optional "empty" and "final" pictures, and the caption,
    // all from Game.ImagePath.
    int SpecialLoad(const std::string& background, const std::string& bar, const std::string& caption);
    int SetSteps(int steps);
    int SetClickHereButton(const std::string& image, const std::string& mouseOverImage,
                           const std::string& mouseOverSound, const std::string& clickSound, int atY);
    // flip 1: a cleared frame with the caption (while music is on) and the pointer, shown at once.
    int DrawLoading(int flip);
    // One step of the bar; the last one drops every input made during loading.
    int Progress();
};

// The title screen, the game's home: the title picture with the logo, the copyright strip, the
// version, a greeting to the current player, an animated fire, fireflies at 43 fixed spots and
// five buttons. On a first run it asks for the player's name before anything else.
#pragma once

#include "core/TScreen.h"
#include "media/TAnimation.h"
#include "platform/image.h"
#include "profiles/TPlayerManager.h"
#include "widgets/TDialogOK.h"
#include "widgets/TDialogTextInput.h"
#include "widgets/TLabel.h"

#include <array>
#include <memory>
#include <string>

class TTitleScreen;
using TTitleScreenRef = std::shared_ptr<TTitleScreen>;

class TTitleScreen : public TScreen {
public:
    static constexpr int MAX_COORDS = 43;
    struct TPoint {
        int X = 0, Y = 0;
    };

    platform::ImageRef Copyright;
    TDialogTextInputRef EnterName;   // the first-run name prompt
    TLabelRef Welcome;               // the greeting; null while no profile is current
    TPlayerManagerRef PlayerManager; // open after "changeplayer"
    platform::ImageRef FireAnim;     // 17 frames
    TAnimationRef FireCounter;
    std::array<TPoint, MAX_COORDS> Coords{};

    int PreStart() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SpecialLoad(int firstLoad, int fromPlay);
    int FillCoords();
    int PromptForName();
    int SetupPrompt();
    int SetupWelcome();
    int ShowPlayerManager();
    int SpecialStart(int fromPlay);
    int FirefliesManage();
    int FireflyCreate();
    int DrawWelcome();
    // true while the name prompt or the player manager is open over the title.
    bool DialogOpen() const;

private:
    void PlaceButtons();
    // A fade-out of FADE_SPEED with the title's logic running, towards the screen.
    void FadeTo(const TScreenRef& screen);
    // 1 while a dialog owns the title (only it runs).
    bool RunDialogs();
    void TestButtons();
};

extern TTitleScreenRef TitleScreen;

// The base of every screen: a background picture, a header sprite, a name, the marks that keep a
// screen loaded while the player visits another, and a return destination. The main loop calls
// PreStart when the screen is entered, Logic every tick, Draw every frame and Kill when it is
// left; the screen fade calls PostFadeIn and PostFadeOut when a fade ends.
#pragma once

#include "media/TSprite.h"
#include "platform/image.h"
#include "widgets/TMenu.h"

#include <memory>
#include <string>

class TScreen;
using TScreenRef = std::shared_ptr<TScreen>;

class TScreen : public std::enable_shared_from_this<TScreen> {
public:
    platform::ImageRef Image; // full-screen background, drawn at the top-left
    TSpriteRef Header;        // centred on the point given to HeaderLoad
    TMenuRef Menu;            // the screen's buttons; null for none
    std::string Ext = ".png"; // appended by HeaderLoad
    std::string name;
    int StopKill = 0;       // 1: left without being killed
    int StopInit = 0;       // 1: entered with CoreStart alone
    TScreenRef Destination; // where the screen leads back to; read by the screens that leave

    virtual ~TScreen() = default;
    // Game.ImagePath + file (with its extension), handle at the top-left.
    virtual int ImageLoad(const std::string& file, int flags, int precache);
    // Game.ImagePath + file + Ext, centred on (x, y).
    virtual int HeaderLoad(const std::string& file, float x, float y, int precache);
    virtual int PreStart();
    virtual int ResetStops();
    virtual int Load();
    // The pointer on, Escape handled again, then CoreStart.
    virtual int Start();
    // Makes the screen current, sets the buttons' hover states silently, drops pending input and
    // restarts the logic clock.
    virtual int CoreStart();
    virtual int PostFadeIn();
    virtual int PostFadeOut();
    // Drops the background and the header, and kills and drops the menu.
    virtual int Kill();
    // One tick of the buttons.
    virtual int Logic();
    // The background solid (or a cleared frame), then the header and the buttons.
    virtual int Draw();
    // The exit screen becomes the game's destination; the result is the fade-out's length in ms,
    // 0 for FADE_SPEED.
    virtual int SetEscDestination();
    virtual int SpecificKeys();
};

// An empty screen: as the destination of a fade-out it ends the program. Made current without
// being started; a frame drawn meanwhile is cleared.
class TExitScreen : public TScreen {};

// The options: sliders for the music volume, the sound-effect volume and the particle detail, a
// toggle between full screen and a window, the credits and OK. Slider changes take effect at once
// and are saved when the screen is left by OK or Escape; the full-screen switch saves at once.
// Whoever opens the screen stores where it leads back to in Destination.
#pragma once

#include "core/TScreen.h"
#include "media/TGameImage.h"
#include "platform/audio.h"
#include "widgets/TSlider.h"

#include <memory>
#include <string>

class TOptionsScreen;
using TOptionsScreenRef = std::shared_ptr<TOptionsScreen>;

class TOptionsScreen : public TScreen {
public:
    TGameImageRef MusicLabel, SoundLabel, DetailLabel, FullscreenLabel; // captions, centred
    TGameImageRef TagImage, BottomString, TopString;                    // decorations, top-left
    platform::ChannelRef ChannelClick;                                  // the sound slider's clicks
    TSliderRef MusicSlider, SoundSlider, DetailSlider;

    int Load() override;
    int Start() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;
    // Adds the full-screen toggle showing "on" or "off".
    int LoadToggle(int on, const std::string& toggleName);
    // Disables whichever of the "DirectX" and "OpenGL" buttons names the driver in use.
    int SetDriverButtons();
    // Saves the settings.
    int Close();
    // The OK button's click on the screen's own channel, unless the last click still plays.
    int ClickSound();
    // Shows "on" or "off" on an existing toggle, keeping its place and the menu's sounds.
    int ReloadToggleButton(const TButtonRef& button, int on, const std::string& toggleName);

private:
    void ManageSliders();
    void ManageToggles();
    void LeaveFor(const TScreenRef& screen);
};

extern TOptionsScreenRef OptionsScreen;

// The paper note's decorations, shared with the credits page: a picture of the image folder with
// its handle at the top-left corner.
TGameImageRef LoadPaperDecoration(const std::string& file);
// The bottom string, the tag and the top string, each reaching above the top of the screen.
void DrawPaperDecorations(const TGameImageRef& bottomString, const TGameImageRef& tag,
                          const TGameImageRef& topString);

// A splash: one full-screen picture that fades in from the clear colour, stays and fades out,
// optionally with a sound that swells and dies with it and a drifting background behind it. It
// runs to its end inside DoSplash, on the millisecond clock and with polled input; a key, a
// mouse button or a request to quit cuts it short. The free functions build the splashes the
// game knows: the maker's logo, a distributor's logo, a folder's numbered pictures, any picture.
#pragma once

#include "media/TFade.h"
#include "platform/audio.h"
#include "platform/image.h"

#include <memory>
#include <string>

class TSplashScreen {
public:
    platform::ImageRef Image;
    platform::SoundRef Sample;
    int Sound = 1; // 0 silences the splash
    float SampleRate = 1.0f;
    int FadeSound = 0; // 1: the sound loops from volume 0 and follows the picture's fade
    platform::ChannelRef Channel;
    std::unique_ptr<TFade> fade = std::make_unique<TFade>();
    float TimeIn = 2000.0f, TimeFull = 1000.0f, TimeOut = 2000.0f; // ms
    int OriginalPolledInputState = 0;
    platform::ImageRef background;
    float BackgroundXSpeed = 0.0f, BackgroundYSpeed = 0.0f, BackgroundZoomSpeed = 0.0f;
    float BackgroundFadeTime = 0.0f;

    // Loads the picture (and the sound unless ""), keeps the times that are not 0 and switches
    // the input to polled mode until CleanUp.
    int Init(const std::string& imageFile, const std::string& soundFile, int sound, int fadeSound, int timeIn,
             int timeFull, int timeOut);
    // Stores the three times as given, 0 included.
    int InitTimes(int timeIn, int timeFull, int timeOut);
    // 0 when the splash ran to its end, -1 when it was cut short or a quit waits.
    int DoSplash();
    // Stops the sound, restores drawing and input, and drops the input that cut the splash short.
    int CleanUp();

private:
    int CutShort();
};

int BrindlecoveSplash(int sound, int background);
// 1 when a splash ran, 0 when no logo was found (or a quit waits).
int PortalSplash(int timeIn, int timeFull, int timeOut, int logoNumber, int skipIfMissing);
int ShowSplashSequence(const std::string& folder, int timeIn, int timeFull, int timeOut);
int ShowSplash(const std::string& imageFile, const std::string& soundFile, int sound, int fadeSound,
               int timeIn, int timeFull, int timeOut);

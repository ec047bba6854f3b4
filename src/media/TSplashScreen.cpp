#include "media/TSplashScreen.h"

#include "core/TGame.h"
#include "framework/cc_draw.h"
#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "framework/cc_images.h"
#include "framework/cc_input.h"
#include "platform/files.h"
#include "platform/input.h"

namespace {

// A time of 0 keeps the default.
void KeepGivenTimes(TSplashScreen& splash, int timeIn, int timeFull, int timeOut) {
    if (timeIn != 0) splash.TimeIn = float(timeIn);
    if (timeFull != 0) splash.TimeFull = float(timeFull);
    if (timeOut != 0) splash.TimeOut = float(timeOut);
}

} // namespace

int TSplashScreen::Init(const std::string& imageFile, const std::string& soundFile, int sound, int fadeSound,
                        int timeIn, int timeFull, int timeOut) {
    Image = ccLoadBitmap(imageFile, 0);
    ccCreateFrames(Image);
    if (!soundFile.empty()) Sample = ccLoadSample(soundFile, fadeSound == 1 ? platform::SOUND_LOOP : 0);
    KeepGivenTimes(*this, timeIn, timeFull, timeOut);
    Sound = sound;
    FadeSound = fadeSound;
    ccFlushAll();
    OriginalPolledInputState = ccPolledInputState;
    ccEnablePolledInput(); // the main loop's event pump does not run while a splash shows
    return 0;
}

int TSplashScreen::InitTimes(int timeIn, int timeFull, int timeOut) {
    TimeIn = float(timeIn);
    TimeFull = float(timeFull);
    TimeOut = float(timeOut);
    return 0;
}

int TSplashScreen::DoSplash() {
    // A quit asked for before the splash starts ends it before anything shows.
    if (platform::QuitRequested()) return CutShort();
    const TColorRef& cls = Game->ClsColor;
    ccClsVSync(cls ? cls->R : 0, cls ? cls->G : 0, cls ? cls->B : 0);
    if (Sound != 0 && Sample) {
        // The channel is kept either way, so a skip can stop the sound.
        Channel = platform::CueSound(Sample);
        if (FadeSound == 1) {
            platform::SetChannelRate(Channel, SampleRate);
            platform::SetChannelVolume(Channel, 0.0f);
        }
        platform::ResumeChannel(Channel);
    }
    if (background) {
        fade->Background = background;
        fade->BackgroundXSpeed = BackgroundXSpeed;
        fade->BackgroundYSpeed = BackgroundYSpeed;
        fade->BackgroundZoomSpeed = BackgroundZoomSpeed;
        fade->BackgroundFadeTime = BackgroundFadeTime;
    }
    fade->Init(TimeIn, Image, FadeSound == 1 ? Channel : nullptr);
    fade->CentreImage();
    if (fade->FadeDo(0) == -1) return CutShort();
    if (fade->WaitForTime(TimeFull) == -1) return CutShort();
    fade->Reset();
    fade->Length = TimeOut;
    if (fade->FadeDo(1) == -1) return CutShort();
    fade->Zero();
    ccRestoreSolidMode();
    CleanUp();
    return 0;
}

int TSplashScreen::CutShort() {
    CleanUp();
    return -1;
}

int TSplashScreen::CleanUp() {
    if (Sound != 0 && Channel) platform::StopChannel(Channel);
    ccRestoreSolidMode();
    ccFlushAll();
    if (OriginalPolledInputState == 0) ccDisablePolledInput();
    ccFlushAll();
    // The key or click that skipped the splash is queued too: it reaches nobody.
    ccDropQueuedInput();
    return 0;
}

int BrindlecoveSplash(int sound, int background) {
    TSplashScreen splash;
    const std::string data = Game->DataPrefix + "data/";
    splash.Init(data + "Brindlecove.png", data + "SplashSound.wav", sound, 1, 0, 0, 0);
    if (background != 0 && ccFileExists(data + "splashbg.jpg")) {
        splash.background = ccLoadBitmap(data + "splashbg.jpg", -1);
        ccCreateFrames(splash.background);
    }
    splash.BackgroundXSpeed = 20.0f;
    splash.BackgroundYSpeed = 10.0f;
    splash.BackgroundZoomSpeed = 0.02f;
    splash.BackgroundFadeTime = 250.0f;
    splash.SampleRate = 0.9f;
    splash.InitTimes(1750, 750, 1500);
    splash.DoSplash();
    return 0;
}

int PortalSplash(int timeIn, int timeFull, int timeOut, int logoNumber, int skipIfMissing) {
    (void)skipIfMissing; // without a logo there is nothing to show, whatever the caller asks
    TSplashScreen splash;
    KeepGivenTimes(splash, timeIn, timeFull, timeOut);
    std::string logo =
        Game->DataPrefix + "data/portallogo" + (logoNumber != 0 ? std::to_string(logoNumber) : "");
    if (ccFileExists(logo + ".png"))
        logo += ".png";
    else if (ccFileExists(logo + ".jpg"))
        logo += ".jpg";
    else
        return 0;
    splash.Init(logo, "", 1, 0, 0, 0, 0);
    splash.DoSplash();
    return 1;
}

namespace {

// The first entry named exactly "splash" + n + ".png" or ".jpg", in the order of the listing;
// "" when there is none.
std::string FindSplashPicture(const std::string& folder, int n) {
    platform::DirRef dir = platform::ReadDir(folder);
    if (!dir) {
        ccRunTimeError("Failed to read splash folder '" + folder + "'", 1);
        return "";
    }
    const std::string png = "splash" + std::to_string(n) + ".png",
                      jpg = "splash" + std::to_string(n) + ".jpg";
    std::string taken;
    for (std::string entry = platform::NextFile(dir); !entry.empty(); entry = platform::NextFile(dir)) {
        if (entry == png || entry == jpg) {
            taken = entry;
            break;
        }
    }
    platform::CloseDir(dir);
    return taken;
}

} // namespace

int ShowSplashSequence(const std::string& folder, int timeIn, int timeFull, int timeOut) {
    const std::string path = ccAddSlash(Game->DataPrefix + "data/" + folder);
    for (int n = 1;; ++n) {
        std::string picture = FindSplashPicture(path, n);
        if (picture.empty()) return 0;
        TSplashScreen splash;
        KeepGivenTimes(splash, timeIn, timeFull, timeOut);
        splash.Init(path + picture, "", 1, 0, 0, 0, 0);
        if (splash.DoSplash() == -1 && platform::QuitRequested()) return 0; // the core quits next
    }
}

int ShowSplash(const std::string& imageFile, const std::string& soundFile, int sound, int fadeSound,
               int timeIn, int timeFull, int timeOut) {
    TSplashScreen splash;
    splash.Init(imageFile, soundFile, sound, fadeSound, timeIn, timeFull, timeOut);
    splash.DoSplash();
    return 0;
}

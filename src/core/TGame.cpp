#include "core/TGame.h"

#include "framework/cc_draw.h"
#include "framework/cc_numbers.h"
#include "framework/cc_system.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "media/TLoadingScreen.h"
#include "platform/graphics.h"

TGameRef Game;
platform::ImageFontRef UIFont;

TGame::TGame()
    : Mouse(std::make_shared<TMousePointer>()), GameFade(std::make_shared<TGameFade>()),
      LoadingScreen(std::make_shared<TLoadingScreen>()) {}

int TGame::GameSoundPlay(platform::ChannelRef& channel, TGameSound& sound, float pan) {
    if (!Sound) return 0;
    // Without a channel the cue would only go to a fresh channel that nobody keeps.
    if (!channel) return 0;
    if (platform::ChannelPlaying(channel)) platform::SetChannelVolume(channel, 0.1f);
    platform::CueSound(sound.sound, channel);
    float volume = float(SoundVolume) / 100.0f * sound.volume;
    if (GameFade && GameFade->Active == 1) volume *= GameFade->Ratio; // sounds fade with the screen
    platform::SetChannelVolume(channel, volume);
    platform::SetChannelPan(channel, pan);
    platform::SetChannelRate(channel, sound.pitch);
    platform::ResumeChannel(channel);
    return 0;
}

int TGame::ChannelsCreate(int n) {
    Channels = TChannelArray::Create(n);
    Channels->MaxVol = float(n);
    return 0;
}

int TGame::ChannelsKill() {
    if (Channels) Channels->Kill();
    Channels = nullptr;
    return 0;
}

int TGame::SetClientCoords() {
    std::shared_ptr<TPoint> origin = ccGetWindowOriginOSX(WindowHandle);
    ClientX = origin->X;
    ClientY = origin->Y;
    if (FullScreen == 0) {
        ClientY = DesktopHeight - ClientY - WindowHeight;
    } else {
        ClientY = ScreenHeight - ClientY - ScreenHeight;
    }
    return 0;
}

int TGame::GetMusicVolume() const {
    if (CustomMusicVolume == 0) return MusicVolume;
    return TruncToInt(double(MusicVolume) * (double(CustomMusicVolume) / 100.0));
}

int TGame::MusicNone() {
    MusicFileName = "none";
    MusicName = "none";
    MusicRestart = 1;
    return 0;
}

int TGame::SpeechStop() {
    if (Speech != 0 && SpeechChannel && platform::ChannelPlaying(SpeechChannel)) {
        platform::StopChannel(SpeechChannel);
        SpeechChannel = platform::AllocChannel();
    }
    return 0;
}

int TGame::Fading() const {
    return GameFade->Active;
}

int TGame::MoveBar() {
    // The window keeps answering the desktop between two loaded assets.
    platform::PollSystem();
    LoadingScreen->Progress();
    LoadingScreen->Draw();
    ccFlip();
    return 0;
}

#include "core/TGame.h"

#include "framework/cc_system.h"
#include "framework/core_services.h"

TGameRef Game;

TGame::TGame() : Mouse(std::make_shared<TMousePointer>()) {}

int TGame::GameSoundPlay(platform::ChannelRef& channel, TGameSound& sound, float pan) {
    if (!Sound) return 0;
    // Without a channel the cue would only go to a fresh channel that nobody keeps.
    if (!channel) return 0;
    if (platform::ChannelPlaying(channel)) platform::SetChannelVolume(channel, 0.1f);
    platform::CueSound(sound.sound, channel);
    platform::SetChannelVolume(channel, float(SoundVolume) / 100.0f * sound.volume);
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

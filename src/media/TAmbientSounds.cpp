#include "media/TAmbientSounds.h"

#include "core/TGame.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "media/TChannelArray.h"
#include "platform/random.h"

#include <cassert>

int TAmbientSounds::AddSound(const TGameSoundRef& sound) {
    assert(TotalSounds < MAX_SOUNDS && "an ambient set holds at most MAX_SOUNDS sounds");
    if (TotalSounds >= MAX_SOUNDS) return 0;
    Sounds[size_t(TotalSounds)] = sound;
    ++TotalSounds;
    return 0;
}

int TAmbientSounds::Fill(const std::string& prefix, int count, const std::string& suffix) {
    for (int i = 0; i < count && TotalSounds < MAX_SOUNDS; ++i)
        AddSound(TGameSound::Create(prefix + std::to_string(i) + suffix, 0));
    return 0;
}

int TAmbientSounds::Init(int ms, int chance) {
    SoundCounterMax = TruncToInt(CalcAnimLength(ms));
    SoundCounter = float(SoundCounterMax);
    Chance = chance;
    return 0;
}

int TAmbientSounds::Kill() {
    for (int i = 0; i < TotalSounds; ++i)
        Sounds[size_t(i)] = nullptr;
    return 0;
}

int TAmbientSounds::Manage() {
    SoundCounter -= Delta;
    if (SoundCounter > 0) return 0;
    SoundCounter += float(SoundCounterMax); // the overshoot carries into the next interval
    if (platform::Rand(1, 100) > Chance) return 0;
    if (TotalSounds == 0) return 0; // nothing to pick
    const TGameSoundRef& sound = Sounds[size_t(platform::Rand(0, TotalSounds - 1))];
    if (sound && Game && Game->Channels) Game->Channels->PlayGameSound(*sound, nullptr, 1.0f, 0.0f);
    return 0;
}

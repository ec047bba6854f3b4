#include "media/TGameSound.h"

#include "core/TGame.h"
#include "framework/cc_files.h"
#include "platform/files.h"
#include "platform/text.h"

TGameSoundRef TGameSound::Create(const std::string& file, int flags) {
    auto created = std::make_shared<TGameSound>();
    created->Load(file, flags);
    return created;
}

int TGameSound::Load(const std::string& file, int flags) {
    name = platform::Upper(platform::StripAll(file));
    sound = ccLoadSample(file, flags);
    return 0;
}

int TGameSound::PlayInChannel(platform::ChannelRef& channel, float pan) {
    if (Game) Game->GameSoundPlay(channel, *this, pan);
    return 0;
}

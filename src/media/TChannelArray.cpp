#include "media/TChannelArray.h"

#include "core/TGame.h"

TChannelArrayRef TChannelArray::Create(int count) {
    auto pool = std::make_shared<TChannelArray>();
    for (int i = 0; i < count; ++i)
        pool->AddLast(TGameChannel::Create());
    pool->Current = pool->First();
    return pool;
}

float TChannelArray::BalanceVolumes(int extra) {
    int playing = CountPlaying() + extra;
    float v = 1.0f;
    if (playing != 0) {
        v = MaxVol / float(playing);
        if (v > 1.0f) v = 1.0f;
    }
    SetVolume(v);
    return v;
}

TGameChannelRef TChannelArray::ChannelByIndex(int index) const {
    return ValueAtIndex(index <= 1 ? 0 : index - 1);
}

int TChannelArray::CountPlaying() const {
    int playing = 0;
    for (const TGameChannelRef& channel : *this)
        if (platform::ChannelPlaying(channel->Channel)) ++playing;
    return playing;
}

TGameChannelRef TChannelArray::GetChannel() {
    if (!Current) return nullptr; // an empty pool
    Link* start = FindLink(Current);
    if (!start) return nullptr;
    Link* link = start;
    while (true) {
        link = link->NextLink() ? link->NextLink() : FirstLink();
        if (link == start) return nullptr;
        const TGameChannelRef& channel = link->Value();
        if ((channel->PlayWhenFinished == 0 || !platform::ChannelPlaying(channel->Channel)) &&
            channel->Reserved == 0) {
            Current = channel;
            return channel;
        }
    }
}

int TChannelArray::Kill() {
    Walk walk(*this);
    for (Link* link = FirstLink(); link; link = link->NextLink()) {
        link->Value()->Kill();
        RemoveLink(link);
    }
    return 0;
}

int TChannelArray::Manage() {
    BalanceVolumes(0);
    return 0;
}

TGameChannelRef TChannelArray::PlayGameSound(TGameSound& sound, TGameChannelRef channel, float volume,
                                             float pan) {
    if (!channel) channel = GetChannel();
    if (!channel) return nullptr;
    channel->OriginalVolume = volume;
    sound.volume = volume * BalanceVolumes(1);
    sound.PlayInChannel(channel->Channel, pan);
    return channel;
}

int TChannelArray::SetVolume(float v) {
    float setting = Game ? float(Game->SoundVolume) : 100.0f;
    for (const TGameChannelRef& channel : *this)
        platform::SetChannelVolume(channel->Channel, channel->OriginalVolume * v * setting / 100.0f);
    return 0;
}

int TChannelArray::StopGameChannel(const TGameChannelRef& channel) {
    if (!channel) return 0;
    platform::StopChannel(channel->Channel);
    if (!Remove(channel)) return 0;
    Current = TGameChannel::Create();
    AddLast(Current);
    return 0;
}

// A pool of effect channels handed out in turn: reserved channels are skipped, and so are
// channels still playing unless they may be interrupted. The volume of every channel is lowered
// when more channels play than the pool's MaxVol allows at full volume.
#pragma once

#include "media/TGameChannel.h"
#include "media/TGameSound.h"
#include "platform/TList.h"

#include <memory>

class TChannelArray;
using TChannelArrayRef = std::shared_ptr<TChannelArray>;

class TChannelArray : public platform::TList<TGameChannel> {
public:
    float MaxVol = 1.5f;     // total volume shared among the playing channels
    TGameChannelRef Current; // handed out last; the next search starts after it

    static TChannelArrayRef Create(int count);

    // v = min(1, MaxVol / (playing + extra)), 1 when nothing plays; applied to every channel.
    float BalanceVolumes(int extra);
    // Counting from 1 (1 or less gives the first); null past the end.
    TGameChannelRef ChannelByIndex(int index) const;
    int CountPlaying() const;
    // The next channel after Current that may play now; null after a whole turn of the ring
    // (Current is then unchanged). Current itself is never examined.
    TGameChannelRef GetChannel();
    // Stops and drops every channel.
    int Kill();
    int Manage();
    // Plays the sound on the channel, or on GetChannel when none is given; null when no channel
    // is free. The sound's volume becomes volume x the balance factor.
    TGameChannelRef PlayGameSound(TGameSound& sound, TGameChannelRef channel, float volume, float pan);
    // Every channel: OriginalVolume x v x the game's sound volume / 100.
    int SetVolume(float v);
    // Takes a member out of the pool for its owner, stopped, and puts a fresh channel at the end
    // as Current. A channel that is not a member is only stopped.
    int StopGameChannel(const TGameChannelRef& channel);
};

// One entry of a channel pool: a platform channel and how the pool may hand it out.
#pragma once

#include "platform/audio.h"

#include <memory>
#include <string>

class TGameChannel;
using TGameChannelRef = std::shared_ptr<TGameChannel>;

class TGameChannel {
public:
    platform::ChannelRef Channel;
    std::string name; // a label; the pool does not read it
    int Reserved = 0; // 1: the pool never hands it out; its owner passes it explicitly
    // 1: handed out only while silent; 0: a new sound may interrupt the one it plays.
    int PlayWhenFinished = 1;
    float OriginalVolume = 1.0f; // volume of the sound last started here, before balancing

    // An entry with a fresh platform channel.
    static TGameChannelRef Create();
    // Stops the platform channel and lets it go.
    int Kill();
};

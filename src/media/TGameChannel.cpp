#include "media/TGameChannel.h"

TGameChannelRef TGameChannel::Create() {
    auto created = std::make_shared<TGameChannel>();
    created->Channel = platform::AllocChannel();
    return created;
}

int TGameChannel::Kill() {
    if (Channel) platform::StopChannel(Channel);
    Channel = nullptr;
    return 0;
}

// The pool of effect channels and the game's sound play, checked through the recording audio log.
#include "media_fixture.h"

#include "media/TChannelArray.h"

using namespace mediatest;
using Lines = std::vector<std::string>;

namespace {

class ChannelTest : public MediaTest {
protected:
    void SetUp() override {
        MediaTest::SetUp();
        WriteSound(dir, "click.wav");
        click = TGameSound::Create(dir / "click.wav", 0);
        busy = platform::LoadSound(dir / "click.wav", platform::SOUND_LOOP);
    }
    // 1-based positions of the pool's channels, in pool order.
    int Position(const TChannelArray& pool, const TGameChannelRef& channel) {
        int i = 1;
        for (const TGameChannelRef& c : pool) {
            if (c == channel) return i;
            ++i;
        }
        return 0;
    }
    void Occupy(const TGameChannelRef& channel) { platform::PlaySound(busy, channel->Channel); }

    TGameSoundRef click;
    platform::SoundRef busy; // a looped sound keeps a channel busy
};

TEST_F(ChannelTest, APoolHandsOutItsChannelsInTurnStartingAfterTheFirst) {
    TChannelArrayRef pool = TChannelArray::Create(8);
    std::vector<int> order;
    for (int i = 0; i < 9; ++i)
        order.push_back(Position(*pool, pool->GetChannel()));
    EXPECT_EQ(order, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 1, 2}));
}

TEST_F(ChannelTest, BusyAndReservedChannelsAreSkipped) {
    TChannelArrayRef pool = TChannelArray::Create(4);
    for (const TGameChannelRef& c : *pool)
        Occupy(c);
    TGameChannelRef start = pool->Current;
    EXPECT_EQ(pool->GetChannel(), nullptr);
    EXPECT_EQ(pool->PlayGameSound(*click, nullptr, 1.0f, 0.0f), nullptr);
    EXPECT_EQ(pool->Current, start);

    // One that may be interrupted is taken while it plays.
    pool->ChannelByIndex(3)->PlayWhenFinished = 0;
    EXPECT_EQ(Position(*pool, pool->GetChannel()), 3);

    // A reserved idle channel is never handed out, but plays when passed.
    TChannelArrayRef quiet = TChannelArray::Create(3);
    quiet->ChannelByIndex(2)->Reserved = 1;
    EXPECT_EQ(Position(*quiet, quiet->GetChannel()), 3);
    EXPECT_EQ(Position(*quiet, quiet->GetChannel()), 1);
    EXPECT_EQ(Position(*quiet, quiet->GetChannel()), 3);
    TGameChannelRef reserved = quiet->ChannelByIndex(2);
    audio->Clear();
    EXPECT_EQ(quiet->PlayGameSound(*click, reserved, 1.0f, 0.0f), reserved);
    EXPECT_EQ(audio->Log(reserved->Channel->Id()),
              (Lines{"volume 1", "cue click.wav", "volume 1", "pan 0", "rate 1", "resume"}));
}

TEST_F(ChannelTest, BalancingSharesMaxVolAmongThePlayingChannels) {
    TChannelArrayRef pool = TChannelArray::Create(4);
    Occupy(pool->ChannelByIndex(1));
    Occupy(pool->ChannelByIndex(2));
    pool->ChannelByIndex(1)->OriginalVolume = 0.6f;
    audio->Clear();
    TGameChannelRef played = pool->PlayGameSound(*click, nullptr, 0.8f, 0.0f);
    ASSERT_EQ(Position(*pool, played), 3);
    EXPECT_FLOAT_EQ(click->volume, 0.4f); // 0.8 x 1.5 / 3
    EXPECT_EQ(audio->Log(pool->ChannelByIndex(1)->Channel->Id()), (Lines{"volume 0.3"}));
    EXPECT_EQ(audio->Log(pool->ChannelByIndex(4)->Channel->Id()), (Lines{"volume 0.5"}));
    EXPECT_EQ(audio->Log(played->Channel->Id()),
              (Lines{"volume 0.4", "cue click.wav", "volume 0.4", "pan 0", "rate 1", "resume"}));

    // The sound setting scales every channel; nothing playing gives v = 1.
    TChannelArrayRef idle = TChannelArray::Create(2);
    idle->ChannelByIndex(1)->OriginalVolume = 0.6f;
    Game->SoundVolume = 50;
    audio->Clear();
    EXPECT_EQ(idle->BalanceVolumes(0), 1.0f);
    EXPECT_EQ(audio->Log(idle->ChannelByIndex(1)->Channel->Id()), (Lines{"volume 0.3"}));
}

TEST_F(ChannelTest, StoppingAMemberReplacesItAtTheEndOfTheRing) {
    TChannelArrayRef pool = TChannelArray::Create(4);
    TGameChannelRef taken = pool->ChannelByIndex(2);
    TGameChannelRef first = pool->ChannelByIndex(1);
    Occupy(taken);
    audio->Clear();
    pool->StopGameChannel(taken);
    EXPECT_EQ(pool->Count(), 4);
    EXPECT_FALSE(pool->Contains(taken));
    EXPECT_EQ(audio->Log(taken->Channel->Id()), (Lines{"stop"}));
    EXPECT_EQ(pool->Current, pool->ChannelByIndex(4));
    EXPECT_EQ(pool->GetChannel(), first);

    // A channel from elsewhere is only stopped: the pool does not grow.
    TGameChannelRef stranger = TGameChannel::Create();
    TGameChannelRef current = pool->Current;
    pool->StopGameChannel(stranger);
    EXPECT_EQ(pool->Count(), 4);
    EXPECT_EQ(pool->Current, current);
}

TEST_F(ChannelTest, PoolsOfNoneOrOneChannelNeverPlay) {
    TChannelArrayRef none = TChannelArray::Create(0);
    EXPECT_EQ(none->Current, nullptr);
    EXPECT_EQ(none->GetChannel(), nullptr);
    EXPECT_EQ(none->PlayGameSound(*click, nullptr, 1.0f, 0.0f), nullptr);
    EXPECT_EQ(none->ChannelByIndex(1), nullptr);

    // The channel handed out last is never examined, so one channel is never free.
    TChannelArrayRef one = TChannelArray::Create(1);
    EXPECT_EQ(one->GetChannel(), nullptr);
    EXPECT_EQ(one->ChannelByIndex(2), nullptr);
}

TEST_F(ChannelTest, TheGameCreatesAndKillsItsPool) {
    Game->ChannelsCreate(16);
    ASSERT_TRUE(Game->Channels);
    EXPECT_EQ(Game->Channels->Count(), 16);
    EXPECT_EQ(Game->Channels->MaxVol, 16.0f);
    TGameChannelRef first = Game->Channels->ChannelByIndex(1);
    Occupy(first);
    int id = first->Channel->Id();
    audio->Clear();
    Game->ChannelsKill();
    EXPECT_EQ(Game->Channels, nullptr);
    EXPECT_EQ(first->Channel, nullptr);
    EXPECT_EQ(audio->Log(id), (Lines{"stop"}));
}

TEST_F(ChannelTest, GameSoundPlayTurnsDownABusyChannelThenCuesWithVolumePanAndRate) {
    platform::ChannelRef channel = platform::AllocChannel();
    click->pitch = 1.5f;
    click->volume = 0.8f;
    Game->SoundVolume = 50;
    click->PlayInChannel(channel, -0.5f);
    EXPECT_EQ(audio->Log(channel->Id()),
              (Lines{"cue click.wav", "volume 0.4", "pan -0.5", "rate 1.5", "resume"}));

    audio->Clear();
    click->PlayInChannel(channel, 0.0f); // still playing: turned down first
    EXPECT_EQ(audio->Log(channel->Id()).front(), "volume 0.1");
    EXPECT_EQ(audio->Log(channel->Id()).at(1), "cue click.wav");

    audio->Clear();
    Game->Sound = 0;
    click->PlayInChannel(channel, 0.0f);
    EXPECT_TRUE(audio->Events().empty());

    Game->Sound = 1;
    platform::ChannelRef none;
    click->PlayInChannel(none, 0.0f);
    EXPECT_EQ(none, nullptr);
    EXPECT_TRUE(audio->Events().empty());
}

} // namespace

// The audio driver choice, effects through the game object, the pool, the volumes and switches,
// speech, and the order in which shutdown stops the channels.
#include "core_fixture.h"

#include "audio_fixtures.h"

#include "media/TGameFade.h"
#include "media/TGameSound.h"

namespace coretest {
namespace {

using platform::TAudioEvent;

class SoundTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        InitGame();
        std::string path = dir.Write("tone.wav", audiotest::Wav16(audiotest::Tone(800, 1, 8000), 1, 8000));
        tone = TGameSound::Create(path, 0);
        audio->Clear();
    }
    std::vector<std::string> Log(const platform::ChannelRef& channel) const {
        return audio->Log(channel->Id());
    }
    bool Marker() const { return platform::FileType(UserFolder() + "inichanged.dat") != 0; }
    std::string Saved() const { return dir.Read("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini"); }

    TGameSoundRef tone;
};

TEST_F(SoundTest, TheDriverNameDecidesTheDriverAndTheSaveFlagTheMarker) {
    struct TCase {
        const char* name;
        int save;
        const char* stored;
    };
    const TCase cases[] = {{"FreeAudio", 0, "FreeAudio"},
                           {"OpenAL Generic Software", 1, "OpenAL Generic Software"},
                           {"DirectSound", 1, "None"},
                           {"DirectSound", 0, "None"}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        platform::DeleteFile(UserFolder() + "inichanged.dat");
        Game->ChangeSoundDriver(c.name, c.save);
        EXPECT_EQ(Game->SoundDriver, c.stored);
        EXPECT_NE(Saved().find(std::string("SOUND DRIVER=") + c.stored + "\r\n"), std::string::npos);
        EXPECT_EQ(Marker(), c.save == 1);
    }
}

TEST_F(SoundTest, AStoredNoneDriverTriesFreeAudioAtTheNextStart) {
    Game->ChangeSoundDriver("DirectSound", 0);
    ASSERT_NE(Saved().find("SOUND DRIVER=None\r\n"), std::string::npos);
    Game = std::make_shared<TGame>();
    InitGame();
    EXPECT_EQ(Game->SoundDriver, "FreeAudio");
    EXPECT_NE(Saved().find("SOUND DRIVER=FreeAudio\r\n"), std::string::npos);
}

TEST_F(SoundTest, AnEffectTakesTheVolumeTheFadePanAndRate) {
    platform::ChannelRef channel = platform::AllocChannel();
    Game->SoundVolume = 80;
    Game->GameFade->Init(500, 1, nullptr, 0, 0, nullptr);
    Game->GameFade->Ratio = 0.5f;
    tone->pitch = 0.9f;
    Game->GameSoundPlay(channel, *tone, -1.0f);
    EXPECT_EQ(Log(channel),
              (std::vector<std::string>{"cue tone.wav", "volume 0.4", "pan -1", "rate 0.9", "resume"}));
    Game->GameFade->Finish();
    audio->Clear();
    Game->GameSoundPlay(channel, *tone, 0.0f); // still playing: turned down, then replaced
    EXPECT_EQ(Log(channel), (std::vector<std::string>{"volume 0.1", "cue tone.wav", "volume 0.8", "pan 0",
                                                      "rate 0.9", "resume"}));
}

TEST_F(SoundTest, NoEffectPlaysWithSoundOffOrWithoutAChannel) {
    platform::ChannelRef channel = platform::AllocChannel();
    Game->Sound = 0;
    Game->GameSoundPlay(channel, *tone, 0);
    Game->Sound = 1;
    platform::ChannelRef none;
    Game->GameSoundPlay(none, *tone, 0);
    EXPECT_FALSE(none);
    EXPECT_TRUE(audio->Events().empty());
}

TEST_F(SoundTest, ThePoolOfSixteenSharesAVolumeOfSixteen) {
    Game->ChannelsCreate(16);
    EXPECT_EQ(Game->Channels->Count(), 16);
    EXPECT_FLOAT_EQ(Game->Channels->MaxVol, 16.0f);
}

TEST_F(SoundTest, VolumesAreClampedAndSavedOnlyWhenAsked) {
    Game->SoundSetVolume(-5, 0);
    EXPECT_EQ(Game->SoundVolume, 0);
    EXPECT_FALSE(Marker());
    EXPECT_NE(Saved().find("SOUND VOLUME=100\r\n"), std::string::npos);
    Game->SoundVolume = 95;
    Game->SoundChangeVolume(+10);
    EXPECT_EQ(Game->SoundVolume, 100);
    EXPECT_TRUE(Marker());
    Game->SpeechSetVolume(150, 0);
    EXPECT_EQ(Game->SpeechVolume, 100);
    EXPECT_EQ(Log(Game->SpeechChannel).back(), "volume 1");
}

TEST_F(SoundTest, SpeechIsDroppedWhileSpeakingUnlessItInterrupts) {
    Game->SpeechVolume = 50;
    Game->SpeechPlay(*tone, 0);
    EXPECT_EQ(Log(Game->SpeechChannel), (std::vector<std::string>{"cue tone.wav", "volume 0.5", "resume"}));
    audio->Clear();
    Game->SpeechPlay(*tone, 0);
    EXPECT_TRUE(audio->Events().empty());
    Game->SpeechPlay(*tone, 1);
    EXPECT_EQ(Log(Game->SpeechChannel).front(), "cue tone.wav");

    platform::ChannelRef speaking = Game->SpeechChannel;
    Game->SpeechStop();
    EXPECT_NE(Game->SpeechChannel, speaking);
    EXPECT_EQ(Log(speaking).back(), "stop");
}

TEST_F(SoundTest, SpeechSwitchedOnAgainDoesNotResumeAChannelThatWentIdle) {
    Game->SpeechOff();
    Game->SpeechStopped = 1;
    audio->Clear();
    EXPECT_EQ(Game->SpeechOn(), 1);
    EXPECT_TRUE(audio->Events().empty());
    EXPECT_EQ(Game->SpeechOn(), 0); // already on
}

TEST_F(SoundTest, KillStopsMusicSpeechAndEscapeThenThePool) {
    Game->ChannelsCreate(2);
    std::vector<int> order = {Game->MusicChannel->Id(), Game->SpeechChannel->Id(), Game->EscapeChannel->Id()};
    for (const auto& pooled : *Game->Channels)
        order.push_back(pooled->Channel->Id());
    Game->Kill();
    std::vector<int> stopped;
    for (const TAudioEvent& e : audio->Events())
        if (e.what == "stop") stopped.push_back(e.channel);
    EXPECT_EQ(stopped, order);
    EXPECT_FALSE(Game->MusicChannel);
    EXPECT_FALSE(Game->Channels);
}

} // namespace
} // namespace coretest

// Sounds and channels: the request log and timing of the recording driver, the silent driver
// "None", driver names, and real playback through OpenAL Soft's null output.
#include "audio_fixtures.h"

#include "Scoped.h"
#include "TempDir.h"
#include "ogg_tone.h"
#include "platform/audio.h"
#include "platform/audio_testing.h"
#include "platform/system.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

using namespace platform;
using namespace audiotest;

namespace {

using Lines = std::vector<std::string>;

// Test sounds on disk: "tone.wav" is 800 mono frames at 8000 Hz (100 ms), "music.ogg" 0.25 s
// of stereo at 22050 Hz.
class SoundFiles {
public:
    SoundFiles() {
        wav = dir.Write("tone.wav", Wav16(Tone(800, 1, 8000), 1, 8000));
        music = dir.Write("music.ogg", OggOf(Tone(5512, 2, 22050), 2, 22050, 0.3f));
    }
    testsupport::TempDir dir;
    std::string wav, music;
};

// Every channel test runs twice: with the sounds decoded whole when loaded, and with them
// streamed while they play, as long pieces are. Channels must not tell the two apart.
std::string LoadingName(const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "Streamed" : "DecodedWhole";
}

class RecordedAudio : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        SetStreamAfterSeconds(GetParam() ? 0 : 10);
        recorder = &UseRecordingAudio();
        tone = LoadSound(files.wav);
        music = LoadSound(files.music, SOUND_LOOP);
        ASSERT_TRUE(tone && music) << SoundLoadError();
        EXPECT_EQ(tone->Streamed(), GetParam());
    }
    void TearDown() override {
        UseDeviceAudio();
        SetStreamAfterSeconds(10);
    }
    // Plays the sound, then checks ChannelPlaying just before and at `ms` on the clock.
    void ExpectEndsAfter(const ChannelRef& channel, int ms) {
        AdvanceClock(ms - 1);
        EXPECT_EQ(ChannelPlaying(channel), 1) << "at " << ms - 1 << " ms";
        AdvanceClock(1);
        EXPECT_EQ(ChannelPlaying(channel), 0) << "at " << ms << " ms";
    }

    ScopedFakeClock clock; // the sounds end on a clock that only the test moves
    SoundFiles files;
    TRecordingAudioBackend* recorder = nullptr;
    SoundRef tone, music;
};

TEST_P(RecordedAudio, LogsEachChannelsRequestsInOrder) {
    EXPECT_EQ(AudioDriverName(), "FreeAudio");
    ChannelRef musicChannel = AllocChannel();
    ChannelRef effect = AllocChannel();
    // Music starting a fade-in, then an effect cutting a channel that still plays, as the game
    // does both.
    CueSound(music, musicChannel);
    SetChannelVolume(musicChannel, 0.016f);
    ResumeChannel(musicChannel);
    PlaySound(tone, effect);
    SetChannelVolume(effect, 0.1f);
    CueSound(tone, effect);
    SetChannelVolume(effect, 0.4f);
    SetChannelPan(effect, -1.0f);
    SetChannelRate(effect, 0.9f);
    ResumeChannel(effect);
    PauseChannel(musicChannel);
    StopChannel(effect);

    EXPECT_EQ(recorder->Log(musicChannel->Id()), (Lines{"cue music.ogg", "volume 0.016", "resume", "pause"}));
    EXPECT_EQ(recorder->Log(effect->Id()), (Lines{"cue tone.wav", "resume", "volume 0.1", "cue tone.wav",
                                                  "volume 0.4", "pan -1", "rate 0.9", "resume", "stop"}));
}

TEST_P(RecordedAudio, ValuesAreClampedBeforeTheDriverSeesThem) {
    ChannelRef c = AllocChannel();
    SetChannelVolume(c, 1.5f);
    SetChannelVolume(c, -0.2f);
    SetChannelVolume(c, NAN);
    SetChannelPan(c, -3.0f);
    SetChannelPan(c, 2.0f);
    SetChannelRate(c, 0.0f);
    SetChannelRate(c, NAN); // ignored: keeps 0.01
    EXPECT_EQ(recorder->Log(c->Id()),
              (Lines{"volume 1", "volume 0", "volume 0", "pan -1", "pan 1", "rate 0.01", "rate 0.01"}));
}

TEST_P(RecordedAudio, SoundEndsAfterItsLengthAtTheChannelRate) {
    ChannelRef c = AllocChannel();
    EXPECT_EQ(ChannelPlaying(c), 0); // idle
    SetChannelRate(c, 0.8f);
    PlaySound(tone, c); // 100 ms of sound at 0.8: 125 ms
    ExpectEndsAfter(c, 125);

    // A rate change part-way: 50 ms at 1.0 play half, the other half takes 25 ms at 2.0.
    SetChannelRate(c, 1.0f);
    PlaySound(tone, c);
    AdvanceClock(50);
    SetChannelRate(c, 2.0f);
    ExpectEndsAfter(c, 25);

    // Looping sounds never end.
    PlaySound(music, c);
    AdvanceClock(3600 * 1000);
    EXPECT_EQ(ChannelPlaying(c), 1);
}

TEST_P(RecordedAudio, PausedAndCuedChannelsCountAsPlaying) {
    ChannelRef c = CueSound(tone);
    ASSERT_TRUE(c);
    AdvanceClock(1000);
    EXPECT_EQ(ChannelPlaying(c), 1); // cued at its start, waiting

    ResumeChannel(c);
    AdvanceClock(60);
    PauseChannel(c);
    AdvanceClock(10000);
    EXPECT_EQ(ChannelPlaying(c), 1); // paused keeps its place: 40 ms are left
    ResumeChannel(c);
    ExpectEndsAfter(c, 40);

    ResumeChannel(c); // an ended sound does not start again
    EXPECT_EQ(ChannelPlaying(c), 0);

    PlaySound(tone, c);
    StopChannel(c);
    ResumeChannel(c); // nor does a stopped one
    EXPECT_EQ(ChannelPlaying(c), 0);
    PlaySound(tone, c); // a new cue does
    EXPECT_EQ(ChannelPlaying(c), 1);
}

TEST_P(RecordedAudio, ChannelKeepsItsAttributesAcrossCues) {
    ChannelRef c = AllocChannel();
    SetChannelVolume(c, 0.3f);
    SetChannelPan(c, 0.5f);
    SetChannelRate(c, 2.0f);
    PlaySound(music, c);
    PlaySound(tone, c);
    EXPECT_FLOAT_EQ(c->Volume(), 0.3f);
    EXPECT_FLOAT_EQ(c->Pan(), 0.5f);
    EXPECT_FLOAT_EQ(c->Rate(), 2.0f);
    ExpectEndsAfter(c, 50); // the new sound plays at the channel's rate
}

TEST_P(RecordedAudio, DroppedChannelsGiveTheirVoiceBack) {
    int before = AudioVoicesInUse();
    {
        ChannelRef a = PlaySound(tone);
        ChannelRef b = AllocChannel();
        SetChannelVolume(b, 0.5f);
        EXPECT_EQ(AudioVoicesInUse(), before + 2);
        ChannelRef alsoA = a;
        a.reset();
        EXPECT_EQ(AudioVoicesInUse(), before + 2); // still referenced
    }
    EXPECT_EQ(AudioVoicesInUse(), before);
    // A sound outlives a channel that played it, and the other way round.
    ChannelRef c = PlaySound(tone);
    tone.reset();
    AdvanceClock(50);
    EXPECT_EQ(ChannelPlaying(c), 1);
}

TEST_P(RecordedAudio, NullArgumentsAreHarmless) {
    StopChannel(nullptr);
    PauseChannel(nullptr);
    ResumeChannel(nullptr);
    SetChannelVolume(nullptr, 1);
    SetChannelPan(nullptr, 1);
    SetChannelRate(nullptr, 1);
    EXPECT_EQ(ChannelPlaying(nullptr), 0);
    ChannelRef fresh = CueSound(nullptr); // nothing to cue: a fresh, idle channel
    ASSERT_TRUE(fresh);
    EXPECT_EQ(ChannelPlaying(fresh), 0);
    ChannelRef c = PlaySound(tone);
    CueSound(nullptr, c); // cueing nothing empties the channel
    EXPECT_EQ(ChannelPlaying(c), 0);
}

TEST_P(RecordedAudio, UnknownDriverLeavesTheGameSilentButRunning) {
    ChannelRef before = PlaySound(music);
    EXPECT_FALSE(SetAudioDriver("DirectSound"));
    EXPECT_EQ(AudioDriverName(), "None");
    EXPECT_EQ(ChannelPlaying(before), 0); // what played is silenced

    // Everything still works, silently; channels keep time on the clock so the game's pools
    // and music checks behave as with a sound card.
    size_t logged = recorder->Events().size();
    SoundRef late = LoadSound(files.wav);
    ASSERT_TRUE(late);
    ChannelRef c = AllocChannel();
    SetChannelVolume(c, 0.5f);
    PlaySound(late, c);
    EXPECT_EQ(ChannelPlaying(c), 1);
    ExpectEndsAfter(c, 100);
    EXPECT_EQ(recorder->Events().size(), logged); // the device heard nothing

    // Choosing a real driver again brings sound back on the same channel.
    EXPECT_TRUE(SetAudioDriver("FreeAudio"));
    PlaySound(late, c);
    EXPECT_EQ(recorder->Log(c->Id()).back(), "resume");
}

TEST_P(RecordedAudio, DriverNamesMatchIgnoringCase) {
    ShutdownAudio();
    EXPECT_EQ(AudioDriverName(), "None");
    if (AudioDrivers().size() == 1) { // OpenAL names appear only once enabled
        EXPECT_FALSE(SetAudioDriver("OpenAL Generic Software"));
        EXPECT_EQ(AudioDriverName(), "None");
    }
    EnableOpenALAudio();
    EXPECT_EQ(AudioDrivers(), (Lines{"FreeAudio", "OpenAL Generic Software"}));
    const struct {
        const char* name;
        bool starts;
        const char* driver;
    } cases[] = {
        {"FreeAudio", true, "FreeAudio"},
        {"freeaudio", true, "FreeAudio"},
        {"DirectSound", false, "None"},
        {"OpenAL Generic Software", true, "OpenAL Generic Software"},
        {"openal generic hardware", true, "openal generic hardware"},
        {"", false, "None"},
        {"FreeAudio2", false, "None"},
        {"Free", false, "None"},
        {"OpenA", false, "None"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SetAudioDriver(c.name), c.starts);
        EXPECT_EQ(AudioDriverName(), c.driver);
    }
}

TEST_P(RecordedAudio, UnloadableFilesGiveNullWithAReason) {
    const struct {
        const char* file;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"missing.wav", "", "cannot open"},
        {"folder.wav/", "", "not a regular file"},
        {"empty.wav", "", "empty"},
        {"notes.wav", "these are not samples", "not a WAV or Ogg"},
        {"cut.ogg", "OggS\0\2", "Ogg"},
        {"stereo8.wav", Riff(Chunk("fmt ", FmtBody(1, 2, 8000, 8))), "no data chunk"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        std::string path = files.dir / c.file;
        std::string file = c.file;
        if (file == "folder.wav/")
            files.dir.Write(file + "inside", "");
        else if (file != "missing.wav")
            files.dir.Write(file, c.bytes);
        EXPECT_EQ(LoadSound(path), nullptr);
        EXPECT_NE(SoundLoadError().find(c.reason), std::string::npos) << SoundLoadError();
    }
    EXPECT_TRUE(LoadSound(files.wav));
    EXPECT_EQ(SoundLoadError(), "");
}

INSTANTIATE_TEST_SUITE_P(Sounds, RecordedAudio, ::testing::Bool(), LoadingName);

// ---- OpenAL Soft, null output ------------------------------------------------------------------

class DeviceAudio : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        SetStreamAfterSeconds(GetParam() ? 0 : 10);
        UseDeviceAudio();
        ASSERT_TRUE(SetAudioDriver("FreeAudio")) << "OpenAL Soft's null output did not open";
        EXPECT_EQ(AudioDriverName(), "FreeAudio");
        tone = LoadSound(files.wav);
        music = LoadSound(files.music);
        ASSERT_TRUE(tone && music) << SoundLoadError();
    }
    void TearDown() override {
        ShutdownAudio();
        SetStreamAfterSeconds(10);
    }

    // Waits (real time, at most 5 s) until the channel stops playing.
    static bool EndsWithin5s(const ChannelRef& channel) {
        for (int i = 0; i < 500 && ChannelPlaying(channel); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return ChannelPlaying(channel) == 0;
    }

    testsupport::ScopedEnv nullOutput{"ALSOFT_DRIVERS", "null"}; // no sound card needed, and none disturbed
    SoundFiles files;
    SoundRef tone, music;
};

TEST_P(DeviceAudio, PlaysWavAndOggToTheirEnd) {
    ChannelRef effect = PlaySound(tone);
    SetChannelVolume(effect, 0.4f);
    SetChannelPan(effect, -1.0f);
    SetChannelRate(effect, 0.9f);
    ChannelRef piece = CueSound(music);
    SetChannelPan(piece, 1.0f);          // stereo: placed as recorded
    EXPECT_EQ(ChannelPlaying(piece), 1); // cued counts as playing
    ResumeChannel(piece);
    EXPECT_EQ(ChannelPlaying(effect), 1);
    EXPECT_EQ(ChannelPlaying(piece), 1);
    EXPECT_TRUE(EndsWithin5s(effect));
    EXPECT_TRUE(EndsWithin5s(piece));
    ResumeChannel(piece); // an ended sound stays silent
    EXPECT_EQ(ChannelPlaying(piece), 0);
}

TEST_P(DeviceAudio, PauseHoldsAndStopIsForGood) {
    ChannelRef c = PlaySound(tone);
    PauseChannel(c);
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // three times its length
    EXPECT_EQ(ChannelPlaying(c), 1);
    ResumeChannel(c);
    EXPECT_TRUE(EndsWithin5s(c));

    PlaySound(tone, c);
    StopChannel(c);
    ResumeChannel(c);
    EXPECT_EQ(ChannelPlaying(c), 0);
}

TEST_P(DeviceAudio, RateChangesHowLongASoundPlays) {
    SoundRef second = LoadSound(files.wav);
    ChannelRef slow = AllocChannel(), fast = AllocChannel();
    SetChannelRate(slow, 0.1f); // 1 s
    SetChannelRate(fast, 2.0f); // 50 ms
    PlaySound(second, slow);
    PlaySound(second, fast);
    EXPECT_TRUE(EndsWithin5s(fast));
    EXPECT_EQ(ChannelPlaying(slow), 1);
}

TEST_P(DeviceAudio, ChannelsGiveBackTheirSourcesSoALongRunNeverRunsOut) {
    SoundRef loop = LoadSound(files.wav, SOUND_LOOP);
    int before = AudioVoicesInUse();
    for (int i = 0; i < 1000; ++i)
        PlaySound(tone); // each channel dropped at once
    EXPECT_EQ(AudioVoicesInUse(), before);

    // More channels than the device has sources: every one still keeps its state, the extra
    // ones silently, and they take real sources again once others are dropped.
    std::vector<ChannelRef> many;
    for (int i = 0; i < 400; ++i)
        many.push_back(PlaySound(loop));
    for (const ChannelRef& c : many)
        EXPECT_EQ(ChannelPlaying(c), 1);
    int held = AudioVoicesInUse();
    EXPECT_GT(held, 0);
    EXPECT_LE(held, 400);
    // Dropping the first 300 leaves the last ones, which went without a source if any did.
    many.erase(many.begin(), many.begin() + 300);
    int left = AudioVoicesInUse();
    EXPECT_LT(left, held);
    PlaySound(loop, many.back()); // a channel without a source takes one at its next cue
    EXPECT_EQ(ChannelPlaying(many.back()), 1);
    EXPECT_EQ(AudioVoicesInUse(), held < 400 ? left + 1 : left);
    many.clear();
    EXPECT_EQ(AudioVoicesInUse(), before);
}

TEST_P(DeviceAudio, LoopingSoundPlaysOnPastItsEndUntilStopped) {
    SoundRef loop = LoadSound(files.wav, SOUND_LOOP); // 100 ms
    ChannelRef c = PlaySound(loop);
    ChannelRef other = PlaySound(loop); // a second channel on the same sound
    std::this_thread::sleep_for(std::chrono::milliseconds(450));
    EXPECT_EQ(ChannelPlaying(c), 1);
    EXPECT_EQ(ChannelPlaying(other), 1);
    loop.reset(); // dropped while it plays: the channels keep what they play
    PauseChannel(c);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(ChannelPlaying(c), 1);
    StopChannel(c);
    EXPECT_EQ(ChannelPlaying(c), 0);
    EXPECT_EQ(ChannelPlaying(other), 1);
}

TEST_P(DeviceAudio, SoundsLoadedWhileSilentPlayOnTheDeviceOpenedLater) {
    ShutdownAudio();
    SoundRef early = LoadSound(files.wav); // "None" times it by its length and keeps no samples
    ASSERT_TRUE(early);
    ASSERT_TRUE(SetAudioDriver("FreeAudio"));
    ChannelRef c = PlaySound(early);
    EXPECT_EQ(AudioVoicesInUse(), 1) << "a real source, not a silent stand-in";
    EXPECT_EQ(ChannelPlaying(c), 1);
    EXPECT_TRUE(EndsWithin5s(c));
}

TEST_P(DeviceAudio, StreamedMusicPlaysOnThroughRefillsHeldBackAtRandom) {
    if (!GetParam()) GTEST_SKIP() << "only streamed sounds are refilled";
    SoundRef loop = LoadSound(files.music, SOUND_LOOP);
    long dry = StreamsRanDry();
    DelayStreamRefills(300); // each round up to 300 ms late, as on a busy machine
    ChannelRef c = PlaySound(loop);
    std::this_thread::sleep_for(std::chrono::seconds(3));
    DelayStreamRefills(0);
    EXPECT_EQ(ChannelPlaying(c), 1);
    EXPECT_EQ(StreamsRanDry(), dry) << "the queue ran dry";
}

TEST_P(DeviceAudio, AStreamThatRanDryStartsAgain) {
    if (!GetParam()) GTEST_SKIP() << "only streamed sounds are refilled";
    SoundRef loop = LoadSound(files.music, SOUND_LOOP);
    long dry = StreamsRanDry();
    StallStreamRefills(1500); // longer than what the cue queues
    ChannelRef c = PlaySound(loop);
    for (int i = 0; i < 400 && StreamsRanDry() == dry; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(StreamsRanDry(), dry + 1) << "the refill after the stall found the source stopped";
    EXPECT_EQ(ChannelPlaying(c), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(StreamsRanDry(), dry + 1) << "and it plays on from a full queue";
    PauseChannel(c);
    EXPECT_EQ(ChannelPlaying(c), 1);
    StopChannel(c);
    EXPECT_EQ(ChannelPlaying(c), 0);
}

INSTANTIATE_TEST_SUITE_P(Sounds, DeviceAudio, ::testing::Bool(), LoadingName);

} // namespace

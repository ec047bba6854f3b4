// Every sound and piece of music decodes, lasts as long as the table says, and joins or fades at its
// ends as its use needs: looped ones join without a step, the others start and end in silence.
#include "data_folder.h"
#include "manifest.h"

#include "platform/audio.h"
#include "platform/files.h"
#include "platform/sound_decode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>

using namespace assets_test;
using assetgen::Kind;

namespace {

struct Wav {
    int channels = 0, rate = 0;
    std::vector<int16_t> samples; // interleaved
    size_t frames() const { return channels ? samples.size() / channels : 0; }
};

// Reads the plain 44-byte header the game's loader expects: RIFF/WAVE, a 16-byte fmt chunk for
// 16-bit PCM, then the data chunk to the end of the file.
testing::AssertionResult ReadWav(const std::string& path, Wav& wav) {
    std::vector<unsigned char> b = ReadBytes(DataDir() / path);
    if (b.size() < 44) return testing::AssertionFailure() << "too short";
    auto tag = [&](size_t at) { return std::string(b.begin() + at, b.begin() + at + 4); };
    if (tag(0) != "RIFF" || tag(8) != "WAVE" || tag(12) != "fmt " || tag(36) != "data")
        return testing::AssertionFailure() << "not a plain RIFF/WAVE header";
    if (Le32(b, 4) != b.size() - 8) return testing::AssertionFailure() << "RIFF size wrong";
    if (Le32(b, 16) != 16 || Le16(b, 20) != 1 || Le16(b, 34) != 16)
        return testing::AssertionFailure() << "not 16-bit PCM";
    wav.channels = Le16(b, 22);
    wav.rate = (int)Le32(b, 24);
    if (wav.channels < 1 || wav.channels > 2) return testing::AssertionFailure() << "channels";
    if (Le32(b, 28) != (uint32_t)wav.rate * wav.channels * 2 || Le16(b, 32) != wav.channels * 2)
        return testing::AssertionFailure() << "byte rate or block align wrong";
    if (Le32(b, 40) != b.size() - 44) return testing::AssertionFailure() << "data size wrong";
    for (size_t i = 44; i + 1 < b.size(); i += 2)
        wav.samples.push_back((int16_t)Le16(b, i));
    return testing::AssertionSuccess();
}

// Length in ms and channels of an Ogg Vorbis file from its pages: the identification header of the
// first page and the granule position (samples) of the last one.
struct OggInfo {
    int channels = 0, rate = 0;
    double ms = 0;
};

testing::AssertionResult ReadOgg(const std::string& path, OggInfo& info) {
    std::vector<unsigned char> b = ReadBytes(DataDir() / path);
    if (b.size() < 58 || std::string(b.begin(), b.begin() + 4) != "OggS")
        return testing::AssertionFailure() << "no Ogg capture pattern";
    size_t segments = b[26], body = 27 + segments;
    if (b[body] != 1 || std::string(b.begin() + body + 1, b.begin() + body + 7) != "vorbis")
        return testing::AssertionFailure() << "first packet is not a Vorbis identification header";
    info.channels = b[body + 11];
    info.rate = (int)Le32(b, body + 12);
    uint64_t granule = 0;
    bool last = false;
    for (size_t at = 0; at + 27 <= b.size();) {
        if (std::string(b.begin() + at, b.begin() + at + 4) != "OggS")
            return testing::AssertionFailure() << "broken page at byte " << at;
        uint64_t g = 0;
        for (int i = 7; i >= 0; --i)
            g = (g << 8) | b[at + 6 + i];
        size_t n = b[at + 26], size = 27 + n;
        for (size_t i = 0; i < n; ++i)
            size += b[at + 27 + i];
        if (g != ~0ULL) granule = g;
        last = (b[at + 5] & 4) != 0;
        at += size;
        if (at == b.size()) break;
        if (at > b.size()) return testing::AssertionFailure() << "truncated page";
    }
    if (!last) return testing::AssertionFailure() << "no end-of-stream page";
    info.ms = info.rate ? granule * 1000.0 / info.rate : 0;
    return testing::AssertionSuccess();
}

double Peak(const Wav& w) {
    int peak = 0;
    for (int16_t s : w.samples)
        peak = std::max(peak, std::abs((int)s));
    return peak / 32767.0;
}

} // namespace

TEST(Sounds, WavFilesDecodeAndLastAsLongAsTheTableSays) {
    for (const assetgen::Entry& e : assetgen::Manifest()) {
        if (e.kind != Kind::Wav) continue;
        Wav w;
        ASSERT_TRUE(ReadWav(e.path, w)) << e.path;
        EXPECT_EQ(w.rate, 44100) << e.path;
        double ms = w.frames() * 1000.0 / w.rate;
        EXPECT_GE(ms, e.minMs) << e.path;
        EXPECT_LE(ms, e.maxMs) << e.path;
        // Audible, and not clipped.
        EXPECT_GT(Peak(w), 0.05) << e.path;
        EXPECT_LT(Peak(w), 0.999) << e.path;
    }
}

// Decoded by the game's own decoders, every sound and piece joins or fades at its ends: a looped one
// steps across the join no more than a smooth wave does, the others start and end in silence.
TEST(Sounds, DecodeAndJoinForLoopsOrFadeOtherwise) {
    for (const assetgen::Entry& e : assetgen::Manifest()) {
        if (e.kind != Kind::Wav && e.kind != Kind::Ogg) continue;
        std::string error;
        std::optional<std::string> file =
            platform::ReadRegularFile((DataDir() / e.path).string(), platform::kMaxSoundFileBytes, &error);
        ASSERT_TRUE(file) << e.path << ": " << error;
        platform::TPcm pcm;
        ASSERT_TRUE(platform::DecodeSound(*file, pcm, error)) << e.path << ": " << error;
        platform::SoundRef sound = platform::LoadSound((DataDir() / e.path).string());
        ASSERT_TRUE(sound) << e.path << ": " << platform::SoundLoadError();
        EXPECT_EQ(sound->Frames(), pcm.Frames()) << e.path;
        ASSERT_GT(pcm.Frames(), 2u) << e.path;
        double ms = pcm.Frames() * 1000.0 / pcm.sampleRate;
        EXPECT_GE(ms, e.minMs) << e.path;
        EXPECT_LE(ms, e.maxMs) << e.path;
        size_t n = pcm.samples.size();
        for (int c = 0; c < pcm.channels; ++c) {
            int first = pcm.samples[c], last = pcm.samples[n - pcm.channels + c];
            if (e.loops) {
                // The largest step between neighbours anywhere in the sound, for scale.
                int widest = 0;
                for (size_t i = c + pcm.channels; i < n; i += pcm.channels)
                    widest = std::max(widest, std::abs(pcm.samples[i] - pcm.samples[i - pcm.channels]));
                EXPECT_LE(std::abs(last - first), std::max(300, widest))
                    << e.path << " steps at its loop point";
            } else {
                EXPECT_LT(std::abs(first), 300) << e.path << " starts with a click";
                EXPECT_LT(std::abs(last), 300) << e.path << " ends with a click";
            }
        }
    }
}

TEST(Sounds, TheSameEffectUnderBothSpellingsIsIdentical) {
    EXPECT_EQ(ReadBytes(DataDir() / "sound/buttonclick.wav"), ReadBytes(DataDir() / "sound/buttonClick.wav"));
}

TEST(Music, OggFilesAreCompleteVorbisStreamsOfTheRightLength) {
    for (const assetgen::Entry& e : assetgen::Manifest()) {
        if (e.kind != Kind::Ogg) continue;
        OggInfo info;
        ASSERT_TRUE(ReadOgg(e.path, info)) << e.path;
        EXPECT_EQ(info.rate, 44100) << e.path;
        EXPECT_TRUE(info.channels == 1 || info.channels == 2) << e.path;
        EXPECT_GE(info.ms, e.minMs) << e.path;
        EXPECT_LE(info.ms, e.maxMs) << e.path;
    }
}

TEST(Music, EveryScreenHasItsPiece) {
    // title, the five level pieces chosen by (level - 1) mod 5 + 1, the panel, game over and the end.
    for (const char* name :
         {"title", "level1", "level2", "level3", "level4", "level5", "levelend", "gameover", "gameend"}) {
        const assetgen::Entry* e = assetgen::FindEntry(std::string("music/") + name + ".ogg");
        ASSERT_TRUE(e) << name;
        EXPECT_TRUE(e->loops) << name;
    }
    const assetgen::Entry* sting = assetgen::FindEntry("sound/levelend.ogg");
    ASSERT_TRUE(sting);
    EXPECT_FALSE(sting->loops);
}

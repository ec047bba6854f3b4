// Decoding of WAV and Ogg Vorbis files: the formats that play, and damaged files that must be
// refused with a reason instead of crashing or eating memory.
#include "audio_fixtures.h"
#include "ogg_tone.h"

#include "platform/sound_decode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

using namespace audiotest;
using platform::TPcm;

namespace {

// ---- WAV -------------------------------------------------------------------------------------

struct WavFormatCase {
    const char* name;
    int tag, channels, bits;
    std::string data;
    std::vector<int16_t> expected;
};

TEST(WavDecode, IntegerFormatsBecomeSixteenBit) {
    const WavFormatCase cases[] = {
        {"8-bit unsigned", 1, 1, 8, std::string("\x00\x80\xFF", 3), {-32768, 0, 32512}},
        {"16-bit stereo", 1, 2, 16, Le16(0x1234) + Le16(0x8001), {0x1234, -32767}},
        {"24-bit keeps the top bits", 1, 1, 24, std::string("\x99\x34\x12\x00\x00\x80", 6), {0x1234, -32768}},
        {"32-bit keeps the top bits", 1, 1, 32, Le32(0x7FFF1234) + Le32(0xFFFFFFFF), {32767, -1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TPcm pcm;
        std::string error;
        ASSERT_TRUE(platform::DecodeWav(
            Riff(Chunk("fmt ", FmtBody(c.tag, c.channels, 22050, c.bits)) + Chunk("data", c.data)), pcm,
            error))
            << error;
        EXPECT_EQ(pcm.channels, c.channels);
        EXPECT_EQ(pcm.sampleRate, 22050);
        EXPECT_EQ(pcm.samples, c.expected);
    }
}

TEST(WavDecode, ExtensibleFormatWithPcmSubformatPlays) {
    // cbSize 22, valid bits, channel mask, then the sub-format GUID starting with tag 1.
    std::string ext = FmtBody(0xFFFE, 2, 44100, 16) + Le16(22) + Le16(16) + Le32(3) + Le16(1) +
                      std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    TPcm pcm;
    std::string error;
    ASSERT_TRUE(platform::DecodeWav(Riff(Chunk("fmt ", ext) + Chunk("data", Le16(5) + Le16(7))), pcm, error))
        << error;
    EXPECT_EQ(pcm.samples, (std::vector<int16_t>{5, 7}));
}

TEST(WavDecode, SkipsUnknownChunksWithTheirPadByte) {
    // Odd-sized chunks before and after the format: a reader that forgot the pad byte would
    // land one byte off and miss the data chunk.
    std::string bytes =
        Riff(Chunk("LIST", "abc") + Chunk("fmt ", FmtBody(1, 1, 8000, 16)) + Chunk("junk", "x") +
             Chunk("data", Le16(100) + Le16(200)) + Chunk("smpl", "trailing"));
    TPcm pcm;
    std::string error;
    ASSERT_TRUE(platform::DecodeWav(bytes, pcm, error)) << error;
    EXPECT_EQ(pcm.samples, (std::vector<int16_t>{100, 200}));
}

TEST(WavDecode, TruncatedDataChunkPlaysWhatIsThere) {
    // Declares 1000 stereo frames but holds two and a half: the half frame is dropped.
    std::string data = Le16(1) + Le16(2) + Le16(3) + Le16(4) + Le16(5);
    std::string bytes = Riff(Chunk("fmt ", FmtBody(1, 2, 8000, 16)) + Chunk("data", data, 4000));
    bytes.pop_back(); // no pad byte either: the file simply ends
    TPcm pcm;
    std::string error;
    ASSERT_TRUE(platform::DecodeWav(bytes, pcm, error)) << error;
    EXPECT_EQ(pcm.Frames(), 2u);
    EXPECT_EQ(pcm.samples, (std::vector<int16_t>{1, 2, 3, 4}));
}

TEST(WavDecode, HugeDeclaredSizesAreBoundByTheFile) {
    // A data chunk claiming 4 GB and a RIFF size claiming the same: only the real bytes count.
    std::string bytes = "RIFF" + Le32(0xFFFFFFFF) + "WAVE" + Chunk("fmt ", FmtBody(1, 1, 8000, 16)) + "data" +
                        Le32(0xFFFFFFFF) + Le16(9) + Le16(8);
    TPcm pcm;
    std::string error;
    ASSERT_TRUE(platform::DecodeWav(bytes, pcm, error)) << error;
    EXPECT_EQ(pcm.samples, (std::vector<int16_t>{9, 8}));
    EXPECT_LE(pcm.samples.capacity(), 16u);
}

// Malformed files: each is refused, and the reason names what is wrong.
TEST(SoundDecode, RefusesMalformedWavFiles) {
    const std::string fmt16 = Chunk("fmt ", FmtBody(1, 1, 8000, 16));
    const std::string data = Chunk("data", Le16(1) + Le16(2));
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"zero length", "", "empty"},
        {"only the signature", "RIFF", "too short"},
        {"header cut short", "RIFF" + Le32(100) + "WA", "too short"},
        {"not WAVE", "RIFF" + Le32(4) + "AVI " + fmt16 + data, "not a RIFF WAVE"},
        {"wrong signature", "RIFX" + Le32(4) + "WAVE" + fmt16 + data, "not a WAV or Ogg"},
        {"text file", "hello, this is not a sound", "not a WAV or Ogg"},
        {"no format chunk", Riff(data), "no format chunk"},
        {"no data chunk", Riff(fmt16), "no data chunk"},
        {"format chunk too short", Riff(Chunk("fmt ", FmtBody(1, 1, 8000, 16).substr(0, 10)) + data),
         "too short"},
        {"format chunk cut by end of file", Riff(Chunk("fmt ", FmtBody(1, 1, 8000, 16), 0x7FFFFFF0)),
         "cut short"},
        {"float samples", Riff(Chunk("fmt ", FmtBody(3, 1, 8000, 32)) + data), "not integer PCM"},
        {"ADPCM", Riff(Chunk("fmt ", FmtBody(2, 1, 8000, 4)) + data), "not integer PCM"},
        {"three channels", Riff(Chunk("fmt ", FmtBody(1, 3, 8000, 16)) + data), "3 channels"},
        {"no channels", Riff(Chunk("fmt ", FmtBody(1, 0, 8000, 16)) + data), "0 channels"},
        {"12-bit", Riff(Chunk("fmt ", FmtBody(1, 1, 8000, 12)) + data), "12-bit"},
        {"rate 0", Riff(Chunk("fmt ", FmtBody(1, 1, 0, 16)) + data), "sample rate 0"},
        {"absurd rate", Riff(Chunk("fmt ", FmtBody(1, 1, 0x7FFFFFFF, 16)) + data), "out of range"},
        {"block size lies",
         Riff(Chunk("fmt ", Le16(1) + Le16(2) + Le32(8000) + Le32(32000) + Le16(1) + Le16(16)) + data),
         "block size"},
        {"empty data chunk", Riff(fmt16 + Chunk("data", "")), "no samples"},
        {"less than one frame", Riff(Chunk("fmt ", FmtBody(1, 2, 8000, 16)) + Chunk("data", "ab")),
         "no samples"},
        {"data before a missing format", Riff(data + Chunk("LIST", "x")), "no format chunk"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TPcm pcm;
        pcm.samples = {1, 2, 3}; // a refusal leaves nothing behind
        std::string error;
        EXPECT_FALSE(platform::DecodeSound(c.bytes, pcm, error));
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_TRUE(pcm.samples.empty());
    }
}

// ---- Ogg Vorbis ------------------------------------------------------------------------------

std::string EncodeTone(int frames, int channels, int rate) {
    return OggOf(Tone(frames, channels, rate), channels, rate, 0.4f);
}

// The Ogg page checksum (CRC-32, polynomial 0x04C11DB7, not reflected, over the page with its
// checksum field zeroed), so a test can edit a page and keep it valid.
uint32_t OggCrc(const std::string& page) {
    uint32_t crc = 0;
    for (unsigned char byte : page) {
        crc ^= uint32_t(byte) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

// Offsets of every page ("OggS" capture pattern) in the stream.
std::vector<size_t> PageStarts(const std::string& ogg) {
    std::vector<size_t> starts;
    for (size_t at = ogg.find("OggS"); at != std::string::npos; at = ogg.find("OggS", at + 1))
        starts.push_back(at);
    return starts;
}

TEST(OggDecode, EncodedToneDecodesToTheSameLengthAndShape) {
    for (int channels : {1, 2}) {
        SCOPED_TRACE(channels);
        const int frames = 11025, rate = 22050;
        std::string ogg = EncodeTone(frames, channels, rate);
        EXPECT_EQ(ogg, EncodeTone(frames, channels, rate)); // the asset generator relies on repeatable bytes

        TPcm pcm;
        std::string error;
        ASSERT_TRUE(platform::DecodeSound(ogg, pcm, error)) << error;
        EXPECT_EQ(pcm.channels, channels);
        EXPECT_EQ(pcm.sampleRate, rate);
        ASSERT_EQ(pcm.Frames(), size_t(frames));
        // Lossy, but the tone must come back: compare against the original mid-way.
        std::vector<int16_t> tone = Tone(frames, channels, rate);
        double error2 = 0, signal2 = 0;
        for (size_t i = 1000 * channels; i < 10000u * channels; ++i) {
            error2 += std::pow(pcm.samples[i] - tone[i], 2);
            signal2 += std::pow(tone[i], 2);
        }
        EXPECT_LT(error2, signal2 * 0.01);
    }
}

TEST(OggDecode, TruncationRefusesDamagedHeadersAndPlaysAPrefixOfTheAudio) {
    std::string ogg = EncodeTone(5 * 22050, 1, 22050);
    std::vector<size_t> pages = PageStarts(ogg);
    ASSERT_GE(pages.size(), 4u); // identification, comment+codebooks, then audio pages
    size_t audioStart = pages[2];
    for (size_t cut : {size_t(1), size_t(4), size_t(27), size_t(58), audioStart / 2, audioStart - 1}) {
        SCOPED_TRACE(cut);
        TPcm pcm;
        std::string error;
        EXPECT_FALSE(platform::DecodeSound(ogg.substr(0, cut), pcm, error));
        EXPECT_FALSE(error.empty());
    }
    TPcm pcm;
    std::string error;
    ASSERT_TRUE(platform::DecodeSound(ogg.substr(0, pages.back() + 100), pcm, error)) << error;
    EXPECT_GT(pcm.Frames(), 0u);
    EXPECT_LT(pcm.Frames(), 5 * 22050u);
}

TEST(OggDecode, HugeDeclaredLengthAllocatesOnlyWhatDecodes) {
    // The last page's granule position gives the stream's length; claim 2^40 frames.
    std::string ogg = EncodeTone(8000, 1, 8000);
    size_t last = PageStarts(ogg).back();
    std::string page = ogg.substr(last);
    uint64_t huge = uint64_t(1) << 40;
    for (int i = 0; i < 8; ++i)
        page[6 + i] = char((huge >> (8 * i)) & 0xFF);
    std::memset(&page[22], 0, 4);
    uint32_t crc = OggCrc(page);
    for (int i = 0; i < 4; ++i)
        page[22 + i] = char((crc >> (8 * i)) & 0xFF);
    ogg = ogg.substr(0, last) + page;

    TPcm pcm;
    std::string error;
    if (platform::DecodeSound(ogg, pcm, error)) {
        EXPECT_LE(pcm.Frames(), 8000u + 4096u);
        EXPECT_LE(pcm.samples.capacity() * sizeof(int16_t), ogg.size() * 64);
    } else {
        EXPECT_FALSE(error.empty());
    }
}

TEST(OggDecode, RefusesWhatIsNotOggVorbis) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"zero length", ""},
        {"signature only", "OggS"},
        {"signature and garbage", "OggS" + std::string(200, '\x5A')},
        {"first page damaged", EncodeTone(4000, 1, 8000).replace(29, 6, "theora")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TPcm pcm;
        std::string error;
        EXPECT_FALSE(platform::DecodeOggVorbis(c.bytes, pcm, error));
        EXPECT_FALSE(error.empty());
    }
}

// Fuzz-style: seeded byte damage all over valid files. Every result must be a clean success
// (a playable layout) or a refusal with a reason.
TEST(SoundDecode, DamagedFilesNeverCrash) {
    const std::string originals[] = {EncodeTone(8000, 2, 16000), Wav16(Tone(500, 2, 8000), 2, 8000)};
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    int refused = 0;
    for (const std::string& original : originals) {
        for (int round = 0; round < 300; ++round) {
            std::string bytes = original;
            int damage = 1 + next() % 8;
            for (int i = 0; i < damage; ++i)
                bytes[next() % bytes.size()] = char(next() >> 24);
            if (round % 3 == 0) bytes.resize(next() % bytes.size());
            TPcm pcm;
            std::string error;
            if (platform::DecodeSound(bytes, pcm, error)) {
                EXPECT_TRUE(pcm.channels == 1 || pcm.channels == 2);
                EXPECT_GT(pcm.Frames(), 0u);
                EXPECT_EQ(pcm.samples.size(), pcm.Frames() * pcm.channels);
            } else {
                EXPECT_FALSE(error.empty());
                ++refused;
            }
        }
    }
    EXPECT_GT(refused, 0);
}

// ---- streams ---------------------------------------------------------------------------------

// Everything a stream gives when read in pieces of `piece` frames, at most `limit` frames.
std::vector<int16_t> ReadStream(platform::TPcmStream& stream, size_t piece, bool loop, size_t limit) {
    std::vector<int16_t> all, part(piece * size_t(stream.Channels()));
    while (all.size() < limit * size_t(stream.Channels())) {
        size_t n = platform::FillPcm(stream, part.data(), piece, loop);
        all.insert(all.end(), part.begin(), part.begin() + long(n * size_t(stream.Channels())));
        if (n < piece) break;
    }
    return all;
}

TEST(SoundStream, GivesTheSamplesOfTheWholeFileDecoderAndLoopsWithoutAGap) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"wav mono 16-bit", Wav16(Tone(3000, 1, 8000), 1, 8000)},
        {"wav stereo 8-bit",
         Riff(Chunk("fmt ", FmtBody(1, 2, 8000, 8)) + Chunk("data", std::string(4001, '\x90')))},
        {"ogg mono", EncodeTone(9000, 1, 22050)},
        {"ogg stereo", EncodeTone(7000, 2, 16000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TPcm whole;
        std::string error;
        ASSERT_TRUE(platform::DecodeSound(c.bytes, whole, error)) << error;
        auto stream = platform::OpenPcmStream(std::make_shared<const std::string>(c.bytes), error);
        ASSERT_TRUE(stream) << error;
        EXPECT_EQ(stream->Channels(), whole.channels);
        EXPECT_EQ(stream->SampleRate(), whole.sampleRate);
        EXPECT_EQ(stream->Frames(), whole.Frames());
        // Pieces that never line up with the decoder's own packets.
        EXPECT_EQ(ReadStream(*stream, 777, false, SIZE_MAX), whole.samples);
        ASSERT_TRUE(stream->Rewind());
        std::vector<int16_t> looped = ReadStream(*stream, 1000, true, whole.Frames() * 5 / 2);
        ASSERT_GE(looped.size(), whole.samples.size() * 5 / 2);
        for (size_t i = 0; i < looped.size(); ++i)
            if (looped[i] != whole.samples[i % whole.samples.size()]) {
                ADD_FAILURE() << "sample " << i << " differs after the loop point";
                break;
            }
    }
}

TEST(SoundStream, RefusesDamagedHeadersAsTheWholeFileDecoderDoes) {
    std::string ogg = EncodeTone(4000, 1, 8000);
    const std::string cases[] = {"",
                                 "OggS",
                                 "OggS" + std::string(200, '\x5A'),
                                 ogg.substr(0, 58),
                                 std::string(ogg).replace(29, 6, "theora"),
                                 Riff(Chunk("fmt ", FmtBody(1, 2, 8000, 8))),
                                 "RIFF...."};
    for (const std::string& bytes : cases) {
        std::string error;
        EXPECT_FALSE(platform::OpenPcmStream(std::make_shared<const std::string>(bytes), error))
            << bytes.size();
        EXPECT_FALSE(error.empty());
    }
}

// Damage past the first seconds is not seen when the file opens: playing reaches it and the
// sound goes on or ends there, never crashing and never looping for ever.
TEST(SoundStream, DamageFurtherInEndsOrSkipsWithoutCrashing) {
    const std::string original = EncodeTone(6 * 8000, 2, 8000); // 6 s
    const size_t audioFrom = PageStarts(original)[3];
    uint32_t seed = 777;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int round = 0; round < 60; ++round) {
        std::string bytes = original;
        size_t from = std::max(audioFrom, bytes.size() / 3); // past the first two seconds
        for (int i = 0; i < 1 + int(next() % 8); ++i)
            bytes[from + next() % (bytes.size() - from)] = char(next() >> 24);
        if (round % 3 == 0) bytes.resize(from + next() % (bytes.size() - from));
        std::string error;
        auto stream = platform::OpenPcmStream(std::make_shared<const std::string>(bytes), error);
        if (!stream) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        std::vector<int16_t> once = ReadStream(*stream, 4096, false, SIZE_MAX);
        EXPECT_GE(once.size(), size_t(2 * 8000 * 2)) << "the undamaged start plays";
        EXPECT_LE(once.size(), size_t(7 * 8000 * 2));
        ASSERT_TRUE(stream->Rewind() || once.empty());
        std::vector<int16_t> looped = ReadStream(*stream, 4096, true, 20 * 8000);
        EXPECT_EQ(looped.size() % 2, 0u);
    }
}

} // namespace

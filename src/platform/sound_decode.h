// Decoding of sound files into 16-bit PCM: our own RIFF/WAV reader and Ogg Vorbis through
// libvorbisfile. Every decoder takes the whole file in memory, refuses what it cannot play with
// a reason, and never allocates more than the file (or the PCM cap) justifies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Decoded audio: interleaved signed 16-bit samples, one or two channels.
struct TPcm {
    std::vector<int16_t> samples;
    int channels = 0;
    int sampleRate = 0; // frames per second

    size_t Frames() const { return channels > 0 ? samples.size() / size_t(channels) : 0; }
};

// The most decoded PCM one sound may hold (about 25 minutes of 44.1 kHz stereo); longer sounds
// are refused rather than risking the memory of the whole game.
constexpr size_t kMaxPcmBytes = size_t(256) << 20;
// The largest sound file read: more would not fit the PCM cap even at good compression.
constexpr size_t kMaxSoundFileBytes = 2 * kMaxPcmBytes;
// Sample rates a sound may declare.
constexpr int kMinSampleRate = 1000;
constexpr int kMaxSampleRate = 384000;

// Each returns true with `out` filled, or false with `error` saying why (and `out` empty).
bool DecodeWav(const std::string& bytes, TPcm& out, std::string& error);
bool DecodeOggVorbis(const std::string& bytes, TPcm& out, std::string& error);
// Picks the decoder by the file's signature ("RIFF" or "OggS"), not by its name.
bool DecodeSound(const std::string& bytes, TPcm& out, std::string& error);

// A sound file in memory decoded piece by piece while it plays, so a long piece never exists
// as PCM whole. It shares the file's bytes, so it outlives the sound it came from.
class TPcmStream {
public:
    virtual ~TPcmStream() = default;
    int Channels() const { return channels; }
    int SampleRate() const { return sampleRate; }
    // The length the file declares (what plays may be shorter when the file is damaged).
    size_t Frames() const { return frames; }
    // Decodes up to `maxFrames` frames into `out` (interleaved) from the play position; 0 at the
    // end of the audio or where it is damaged beyond repair.
    virtual size_t Read(int16_t* out, size_t maxFrames) = 0;
    // Back to the first frame; false when the file cannot go back.
    virtual bool Rewind() = 0;

protected:
    int channels = 0, sampleRate = 0;
    size_t frames = 0;
};

// Opens a stream over the file's bytes, checking its headers and layout as the whole-file
// decoders do; null with `error` saying why.
std::unique_ptr<TPcmStream> OpenPcmStream(std::shared_ptr<const std::string> bytes, std::string& error);
std::unique_ptr<TPcmStream> OpenWavStream(std::shared_ptr<const std::string> bytes, std::string& error);
std::unique_ptr<TPcmStream> OpenOggVorbisStream(std::shared_ptr<const std::string> bytes, std::string& error);

// Fills `out` with `frames` frames from the stream; a looping stream goes on from its first
// frame with no gap, so the loop point joins sample to sample. Returns the frames filled: fewer
// only at the end of a sound that does not loop (or one that ends without a single frame).
size_t FillPcm(TPcmStream& stream, int16_t* out, size_t frames, bool loop);

} // namespace platform

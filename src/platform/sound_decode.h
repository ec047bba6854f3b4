// Decoding of sound files into 16-bit PCM: our own RIFF/WAV reader and Ogg Vorbis through
// libvorbisfile. Every decoder takes the whole file in memory, refuses what it cannot play with
// a reason, and never allocates more than the file (or the PCM cap) justifies.
#pragma once

#include <cstddef>
#include <cstdint>
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

} // namespace platform

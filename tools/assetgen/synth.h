// Sound synthesis: buffers of float samples at 44.1 kHz, voices (bells, music box, plucked bass),
// noise and filters, envelopes, loudness, and the WAV and Ogg Vorbis writers.
#pragma once

#include "ogg_vorbis.h"
#include "paint.h" // Rng

#include <string>
#include <vector>

namespace assetgen {

constexpr int SampleRate = 44100;

struct Buffer {
    std::vector<float> l, r; // r is empty for a mono buffer
    explicit Buffer(double seconds, bool stereo = false);
    size_t size() const { return l.size(); }
    bool stereo() const { return !r.empty(); }
};

double MidiFreq(double midi);

// Adds a voice into the buffer at time t (seconds) for dur seconds, with pan -1..1. With wrap set,
// anything past the end continues from the start, so a looping piece joins without a seam.
enum class Voice { MusicBox, Bell, Celesta, Bass, Pad, Pluck, Chime };
void AddNote(Buffer& b, Voice v, double t, double dur, double freq, double amp, double pan = 0,
             bool wrap = false);
// A jingle of sleigh bells.
void AddJingle(Buffer& b, double t, double amp, Rng& rng, double pan = 0, bool wrap = false);

// Filters run in place on a mono signal.
void LowPass(std::vector<float>& s, double cutoff);
void HighPass(std::vector<float>& s, double cutoff);
void BandPass(std::vector<float>& s, double centre, double q);

// Short fades at both ends, so nothing clicks.
void FadeEnds(Buffer& b, double inMs, double outMs);
// Scales to a common loudness (RMS over the loud part) with the peak kept under -1 dBFS.
void Normalise(Buffer& b, double targetRms = 0.16, double peak = 0.89);
// Adds a copy delayed by `delay` seconds at gain g, several times (a simple echo).
void Echo(Buffer& b, double delay, double gain, int taps, bool wrap = false);

std::vector<unsigned char> WavBytes(const Buffer& b);
inline std::vector<unsigned char> OggBytes(const Buffer& b, int serial, float quality) {
    return oggvorbis::Encode(b.l, b.r, SampleRate, serial, quality);
}

} // namespace assetgen

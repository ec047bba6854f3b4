// Sound files made by the tests themselves: RIFF chunks put together by hand and tones.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace audiotest {

inline std::string Le16(uint32_t v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF)};
}
inline std::string Le32(uint32_t v) {
    return Le16(v & 0xFFFF) + Le16(v >> 16);
}

// One RIFF chunk; `declared` replaces the real size in the header (the body is written as is),
// and an odd-sized body gets its pad byte.
inline std::string Chunk(const std::string& id, const std::string& body, int64_t declared = -1) {
    std::string out = id + Le32(declared < 0 ? uint32_t(body.size()) : uint32_t(declared)) + body;
    if (body.size() % 2) out += '\0';
    return out;
}

inline std::string FmtBody(int tag, int channels, int rate, int bits) {
    int align = channels * bits / 8;
    // The byte rate wraps at 32 bits as the field does: the tests' absurd rates must not overflow.
    uint32_t byteRate = uint32_t(rate) * uint32_t(align);
    return Le16(tag) + Le16(channels) + Le32(rate) + Le32(byteRate) + Le16(align) + Le16(bits);
}

inline std::string Riff(const std::string& chunks) {
    return "RIFF" + Le32(uint32_t(4 + chunks.size())) + "WAVE" + chunks;
}

// A 16-bit WAV of the interleaved samples.
inline std::string Wav16(const std::vector<int16_t>& samples, int channels, int rate) {
    std::string data;
    for (int16_t s : samples)
        data += Le16(uint16_t(s));
    return Riff(Chunk("fmt ", FmtBody(1, channels, rate, 16)) + Chunk("data", data));
}

// A sine tone of `frames` frames at `hz`, the same on every channel.
inline std::vector<int16_t> Tone(int frames, int channels, int rate, double hz = 440.0) {
    std::vector<int16_t> pcm;
    for (int f = 0; f < frames; ++f) {
        auto v = int16_t(std::lround(12000.0 * std::sin(2.0 * M_PI * hz * f / rate)));
        for (int c = 0; c < channels; ++c)
            pcm.push_back(v);
    }
    return pcm;
}

} // namespace audiotest

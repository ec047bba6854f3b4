// Ogg Vorbis files of the tests' own tones, made with the asset generator's encoder.
#pragma once

#include "ogg_vorbis.h"

#include <cstdint>
#include <string>
#include <vector>

namespace audiotest {

// The interleaved 16-bit samples of `channels` (1 or 2) encoded at `rate` with VBR `quality`.
inline std::string OggOf(const std::vector<int16_t>& pcm, int channels, int rate, float quality) {
    std::vector<float> left, right;
    for (size_t i = 0; i + size_t(channels) <= pcm.size(); i += size_t(channels)) {
        left.push_back(pcm[i] / 32768.0f);
        if (channels == 2) right.push_back(pcm[i + 1] / 32768.0f);
    }
    std::vector<unsigned char> bytes = oggvorbis::Encode(left, right, rate, 0x5357, quality);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace audiotest

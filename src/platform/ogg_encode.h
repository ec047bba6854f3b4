// Ogg Vorbis encoding of 16-bit PCM (libvorbisenc), for the asset generator and for tests that
// need Ogg files of their own. The same samples always give the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Encodes interleaved samples of `channels` (1 or 2) at `rate` frames per second with Vorbis
// VBR quality -0.1..1.0. Returns false (and leaves outBytes empty) when the encoder refuses.
bool EncodeOggVorbis(const std::vector<int16_t>& pcm, int channels, int rate, float quality,
                     std::string& outBytes);

} // namespace platform

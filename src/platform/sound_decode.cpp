// Chooses the decoder of a sound file by its signature.
#include "platform/sound_decode.h"

#include <cstring>

namespace platform {

bool DecodeSound(const std::string& bytes, TPcm& out, std::string& error) {
    auto startsWith = [&](const char* magic) {
        return bytes.size() >= 4 && std::memcmp(bytes.data(), magic, 4) == 0;
    };
    if (startsWith("RIFF")) return DecodeWav(bytes, out, error);
    if (startsWith("OggS")) return DecodeOggVorbis(bytes, out, error);
    out = TPcm{};
    error = bytes.empty() ? "sound file is empty" : "not a WAV or Ogg Vorbis file";
    return false;
}

} // namespace platform

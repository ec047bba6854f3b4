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

std::unique_ptr<TPcmStream> OpenPcmStream(std::shared_ptr<const std::string> bytes, std::string& error) {
    auto startsWith = [&](const char* magic) {
        return bytes->size() >= 4 && std::memcmp(bytes->data(), magic, 4) == 0;
    };
    if (startsWith("RIFF")) return OpenWavStream(std::move(bytes), error);
    if (startsWith("OggS")) return OpenOggVorbisStream(std::move(bytes), error);
    error = bytes->empty() ? "sound file is empty" : "not a WAV or Ogg Vorbis file";
    return nullptr;
}

size_t FillPcm(TPcmStream& stream, int16_t* out, size_t frames, bool loop) {
    size_t filled = 0;
    bool rewound = false; // a loop that decodes nothing after going back ends instead of spinning
    while (filled < frames) {
        size_t n = stream.Read(out + filled * size_t(stream.Channels()), frames - filled);
        if (n > 0) {
            filled += n;
            rewound = false;
            continue;
        }
        if (!loop || rewound || !stream.Rewind()) break;
        rewound = true;
    }
    return filled;
}

} // namespace platform

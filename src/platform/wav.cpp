// Our own RIFF/WAV reader: integer PCM of 8, 16, 24 or 32 bits, mono or stereo, turned into
// signed 16-bit samples. Unknown chunks are skipped (with their pad byte when the size is odd);
// a data chunk cut short by the end of the file plays what is there.
#include "platform/sound_decode.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;

uint32_t Le32(const std::string& b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
           uint32_t(uint8_t(b[at + 3])) << 24;
}

uint16_t Le16(const std::string& b, size_t at) {
    return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8);
}

struct WavFormat {
    int channels = 0;
    int sampleRate = 0;
    int bits = 0;
    int blockAlign = 0;
};

bool Fail(std::string& error, const std::string& why) {
    error = why;
    return false;
}

// Reads the "fmt " chunk body at `at` of `size` bytes.
bool ReadFormat(const std::string& b, size_t at, size_t size, WavFormat& fmt, std::string& error) {
    if (size < 16) return Fail(error, "WAV format chunk too short");
    uint16_t tag = Le16(b, at);
    fmt.channels = Le16(b, at + 2);
    fmt.sampleRate = int(std::min<uint32_t>(Le32(b, at + 4), 0x7FFFFFFF));
    fmt.blockAlign = Le16(b, at + 12);
    fmt.bits = Le16(b, at + 14);
    if (tag == kFormatExtensible) {
        // The sub-format GUID starts with the plain format tag.
        if (size < 40) return Fail(error, "WAV extensible format chunk too short");
        tag = Le16(b, at + 24);
    }
    if (tag != kFormatPcm) return Fail(error, "WAV is not integer PCM (format " + std::to_string(tag) + ")");
    if (fmt.channels != 1 && fmt.channels != 2)
        return Fail(error,
                    "WAV has " + std::to_string(fmt.channels) + " channels (only mono and stereo play)");
    if (fmt.bits != 8 && fmt.bits != 16 && fmt.bits != 24 && fmt.bits != 32)
        return Fail(error, "WAV has " + std::to_string(fmt.bits) + "-bit samples");
    if (fmt.sampleRate < kMinSampleRate || fmt.sampleRate > kMaxSampleRate)
        return Fail(error, "WAV sample rate " + std::to_string(fmt.sampleRate) + " is out of range");
    if (fmt.blockAlign != fmt.channels * fmt.bits / 8)
        return Fail(error, "WAV block size does not match its format");
    return true;
}

// One sample of `bytes` bytes (little-endian, 8-bit unsigned, wider signed) as 16-bit: the top
// 16 bits are kept.
int16_t Sample16(const char* p, int bytes) {
    if (bytes == 1) return int16_t((int(uint8_t(p[0])) - 128) * 256);
    return int16_t(uint16_t(uint8_t(p[bytes - 2]) | uint8_t(p[bytes - 1]) << 8));
}

bool ConvertData(const std::string& b, size_t at, size_t size, const WavFormat& fmt, TPcm& out,
                 std::string& error) {
    size_t frames = size / size_t(fmt.blockAlign); // a partial last frame is dropped
    if (frames == 0) return Fail(error, "WAV holds no samples");
    if (frames * fmt.channels * sizeof(int16_t) > kMaxPcmBytes) return Fail(error, "WAV is too long to load");
    int bytes = fmt.bits / 8;
    out.samples.resize(frames * fmt.channels);
    const char* p = b.data() + at;
    for (size_t i = 0; i < out.samples.size(); ++i, p += bytes)
        out.samples[i] = Sample16(p, bytes);
    out.channels = fmt.channels;
    out.sampleRate = fmt.sampleRate;
    return true;
}

// Finds the format and the data chunk of a WAV file.
bool ParseWav(const std::string& b, WavFormat& fmt, size_t& dataAt, size_t& dataSize, std::string& error) {
    if (b.size() < 12)
        return Fail(error, b.empty() ? "WAV file is empty" : "WAV file too short for a RIFF header");
    if (std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0)
        return Fail(error, "not a RIFF WAVE file");

    bool haveFormat = false, haveData = false;
    // The RIFF size field is not trusted: chunks are walked up to the real end of the file.
    size_t at = 12;
    while (at + 8 <= b.size() && !(haveFormat && haveData)) {
        uint32_t size = Le32(b, at + 4);
        size_t body = at + 8;
        size_t available = b.size() - body;
        if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && !haveFormat) {
            if (size > available) return Fail(error, "WAV format chunk is cut short");
            if (!ReadFormat(b, body, size, fmt, error)) return false;
            haveFormat = true;
        } else if (std::memcmp(b.data() + at, "data", 4) == 0 && !haveData) {
            dataAt = body;
            dataSize = std::min<size_t>(size, available); // a truncated data chunk plays what is there
            haveData = true;
        }
        if (size > available) break;
        at = body + size + (size & 1);
    }
    if (!haveFormat) return Fail(error, "WAV has no format chunk");
    if (!haveData) return Fail(error, "WAV has no data chunk");
    if (dataSize < size_t(fmt.blockAlign)) return Fail(error, "WAV holds no samples");
    return true;
}

// Converts whole frames of the data chunk, from the play position on.
class WavStream : public TPcmStream {
public:
    WavStream(std::shared_ptr<const std::string> fileBytes, const WavFormat& format, size_t at, size_t size)
        : bytes(std::move(fileBytes)), fmt(format), dataAt(at) {
        channels = fmt.channels;
        sampleRate = fmt.sampleRate;
        frames = size / size_t(fmt.blockAlign);
    }
    size_t Read(int16_t* out, size_t maxFrames) override {
        size_t n = std::min(maxFrames, frames - position);
        int width = fmt.bits / 8;
        const char* p = bytes->data() + dataAt + position * size_t(fmt.blockAlign);
        for (size_t i = 0; i < n * size_t(channels); ++i, p += width)
            out[i] = Sample16(p, width);
        position += n;
        return n;
    }
    bool Rewind() override {
        position = 0;
        return true;
    }

private:
    std::shared_ptr<const std::string> bytes;
    WavFormat fmt;
    size_t dataAt;
    size_t position = 0;
};

} // namespace

bool DecodeWav(const std::string& b, TPcm& out, std::string& error) {
    out = TPcm{};
    WavFormat fmt;
    size_t dataAt = 0, dataSize = 0;
    if (!ParseWav(b, fmt, dataAt, dataSize, error)) return false;
    return ConvertData(b, dataAt, dataSize, fmt, out, error);
}

std::unique_ptr<TPcmStream> OpenWavStream(std::shared_ptr<const std::string> bytes, std::string& error) {
    WavFormat fmt;
    size_t dataAt = 0, dataSize = 0;
    if (!ParseWav(*bytes, fmt, dataAt, dataSize, error)) return nullptr;
    return std::make_unique<WavStream>(std::move(bytes), fmt, dataAt, dataSize);
}

} // namespace platform

// Ogg Vorbis decoding through libvorbisfile, reading from the file's bytes in memory: the whole
// file into 16-bit PCM, or piece by piece while it plays. A stream cut short plays what decodes.
#include "platform/sound_decode.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace platform {
namespace {

// The file's bytes seen by libvorbisfile as a seekable stream.
struct MemoryFile {
    const std::string* bytes;
    size_t pos = 0;
};

size_t MemRead(void* dest, size_t size, size_t count, void* source) {
    auto* f = static_cast<MemoryFile*>(source);
    if (size == 0) return 0;
    size_t left = f->bytes->size() - f->pos;
    size_t n = std::min(count, left / size);
    std::memcpy(dest, f->bytes->data() + f->pos, n * size);
    f->pos += n * size;
    return n;
}

int MemSeek(void* source, ogg_int64_t offset, int whence) {
    auto* f = static_cast<MemoryFile*>(source);
    long long base = whence == SEEK_SET   ? 0
                     : whence == SEEK_CUR ? (long long)f->pos
                                          : (long long)f->bytes->size();
    long long to = base + offset;
    if (to < 0 || to > (long long)f->bytes->size()) return -1;
    f->pos = size_t(to);
    return 0;
}

long MemTell(void* source) {
    return long(static_cast<MemoryFile*>(source)->pos);
}

bool Fail(std::string& error, const std::string& why) {
    error = why;
    return false;
}

std::string OpenError(int code) {
    switch (code) {
    case OV_ENOTVORBIS:
        return "Ogg file holds no Vorbis audio";
    case OV_EVERSION:
        return "Ogg Vorbis version is not supported";
    case OV_EBADHEADER:
        return "Ogg Vorbis headers are damaged";
    default:
        return "not a readable Ogg Vorbis file (code " + std::to_string(code) + ")";
    }
}

// Every link of a chained stream must share one layout, as the samples are joined end to end.
bool CheckLayout(OggVorbis_File& vf, TPcm& out, std::string& error) {
    for (long link = 0; link < ov_streams(&vf); ++link) {
        vorbis_info* info = ov_info(&vf, int(link));
        if (!info) return Fail(error, "Ogg Vorbis stream has no format");
        if (info->channels != 1 && info->channels != 2)
            return Fail(error, "Ogg Vorbis has " + std::to_string(info->channels) +
                                   " channels (only mono and stereo play)");
        if (info->rate < kMinSampleRate || info->rate > kMaxSampleRate)
            return Fail(error, "Ogg Vorbis sample rate " + std::to_string(info->rate) + " is out of range");
        if (link > 0 && (info->channels != out.channels || info->rate != out.sampleRate))
            return Fail(error, "Ogg Vorbis links change channels or sample rate");
        out.channels = info->channels;
        out.sampleRate = int(info->rate);
    }
    return out.channels > 0 || Fail(error, "Ogg Vorbis stream has no format");
}

// One call of ov_read as 16-bit samples: the count of samples, 0 at the end, or a negative code
// (OV_HOLE: a gap in the data, what follows still plays).
long ReadSamples(OggVorbis_File& vf, int16_t* out, size_t maxSamples) {
    char buffer[16384];
    int section = 0;
    long n = ov_read(&vf, buffer, int(std::min(sizeof buffer, maxSamples * 2)), 0 /* little-endian */, 2, 1,
                     &section);
    if (n <= 0) return n;
    for (long i = 0; i + 1 < n; i += 2)
        out[i / 2] = int16_t(uint16_t(uint8_t(buffer[i]) | uint8_t(buffer[i + 1]) << 8));
    return n / 2;
}

bool ReadAll(OggVorbis_File& vf, size_t fileSize, TPcm& out, std::string& error) {
    // The declared length only guides the first allocation, and never beyond what a file of
    // this size could reasonably hold: a hostile header cannot make us reserve gigabytes.
    ogg_int64_t declared = ov_pcm_total(&vf, -1);
    if (declared > 0)
        out.samples.reserve(
            std::min<size_t>({size_t(declared) * out.channels, fileSize * 16, kMaxPcmBytes / 2}));
    int16_t samples[8192];
    for (;;) {
        long n = ReadSamples(vf, samples, 8192);
        if (n == 0) break;
        if (n == OV_HOLE) continue;
        if (n < 0) return Fail(error, "Ogg Vorbis audio is damaged (code " + std::to_string(n) + ")");
        if ((out.samples.size() + size_t(n)) * sizeof(int16_t) > kMaxPcmBytes)
            return Fail(error, "Ogg Vorbis is too long to load");
        out.samples.insert(out.samples.end(), samples, samples + n);
    }
    out.samples.resize(out.Frames() * out.channels);
    return out.Frames() > 0 || Fail(error, "Ogg Vorbis holds no samples");
}

// Decodes while playing. Damage met on the way ends the audio there, as a file cut short would.
class OggStream : public TPcmStream {
public:
    ~OggStream() override {
        if (open) ov_clear(&vf);
    }
    bool Open(std::shared_ptr<const std::string> fileBytes, std::string& error) {
        bytes = std::move(fileBytes);
        file = MemoryFile{bytes.get()};
        if (bytes->empty()) return Fail(error, "Ogg file is empty");
        int rc = ov_open_callbacks(&file, &vf, nullptr, 0, ov_callbacks{MemRead, MemSeek, nullptr, MemTell});
        if (rc < 0) return Fail(error, OpenError(rc));
        open = true;
        TPcm layout;
        if (!CheckLayout(vf, layout, error)) return false;
        channels = layout.channels;
        sampleRate = layout.sampleRate;
        // The declared length may lie: it is believed only as far as the file's size makes it
        // possible (the game's clock-kept channels time a sound by it).
        ogg_int64_t declared = ov_pcm_total(&vf, -1);
        frames = declared > 0 ? std::min<size_t>(size_t(declared), bytes->size() * 64) : 0;
        return true;
    }
    size_t Read(int16_t* out, size_t maxFrames) override {
        size_t want = maxFrames * size_t(channels), got = 0;
        while (!ended && got < want) {
            long n = ReadSamples(vf, out + got, want - got);
            if (n == OV_HOLE) continue;
            if (n <= 0) {
                ended = true;
                break;
            }
            got += size_t(n);
        }
        return got / size_t(channels);
    }
    bool Rewind() override {
        ended = ov_raw_seek(&vf, 0) != 0;
        return !ended;
    }

private:
    std::shared_ptr<const std::string> bytes;
    MemoryFile file{nullptr};
    OggVorbis_File vf;
    bool open = false;
    bool ended = false;
};

} // namespace

std::unique_ptr<TPcmStream> OpenOggVorbisStream(std::shared_ptr<const std::string> bytes,
                                                std::string& error) {
    auto stream = std::make_unique<OggStream>();
    if (!stream->Open(std::move(bytes), error)) return nullptr;
    return stream;
}

bool DecodeOggVorbis(const std::string& bytes, TPcm& out, std::string& error) {
    out = TPcm{};
    if (bytes.empty()) return Fail(error, "Ogg file is empty");
    MemoryFile file{&bytes};
    ov_callbacks callbacks{MemRead, MemSeek, nullptr, MemTell};
    OggVorbis_File vf;
    int rc = ov_open_callbacks(&file, &vf, nullptr, 0, callbacks);
    if (rc < 0) return Fail(error, OpenError(rc)); // vf needs no clearing after a failed open
    bool ok = CheckLayout(vf, out, error) && ReadAll(vf, bytes.size(), out, error);
    ov_clear(&vf);
    if (!ok) out = TPcm{};
    return ok;
}

} // namespace platform

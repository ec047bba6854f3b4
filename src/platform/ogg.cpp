// Ogg Vorbis decoding through libvorbisfile, reading from the file's bytes in memory. The whole
// file becomes 16-bit PCM; a stream cut short plays what decodes.
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

bool ReadAll(OggVorbis_File& vf, size_t fileSize, TPcm& out, std::string& error) {
    // The declared length only guides the first allocation, and never beyond what a file of
    // this size could reasonably hold: a hostile header cannot make us reserve gigabytes.
    ogg_int64_t declared = ov_pcm_total(&vf, -1);
    if (declared > 0)
        out.samples.reserve(
            std::min<size_t>({size_t(declared) * out.channels, fileSize * 16, kMaxPcmBytes / 2}));
    char buffer[16384];
    int section = 0;
    for (;;) {
        long n = ov_read(&vf, buffer, sizeof buffer, 0 /* little-endian */, 2, 1, &section);
        if (n == 0) break;
        if (n == OV_HOLE) continue; // a gap in the data: what follows still plays
        if (n < 0) return Fail(error, "Ogg Vorbis audio is damaged (code " + std::to_string(n) + ")");
        if ((out.samples.size() + size_t(n) / 2) * sizeof(int16_t) > kMaxPcmBytes)
            return Fail(error, "Ogg Vorbis is too long to load");
        for (long i = 0; i + 1 < n; i += 2)
            out.samples.push_back(int16_t(uint16_t(uint8_t(buffer[i]) | uint8_t(buffer[i + 1]) << 8)));
    }
    out.samples.resize(out.Frames() * out.channels);
    return out.Frames() > 0 || Fail(error, "Ogg Vorbis holds no samples");
}

} // namespace

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

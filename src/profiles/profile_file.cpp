#include "profiles/profile_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Masked ints are stored as value + kMaskBase + i * kMaskStep (mod 2^32), i the field's place.
constexpr uint32_t kMaskBase = 6081353;
constexpr uint32_t kMaskStep = 1937422;

uint32_t Mask(int i) {
    return kMaskBase + uint32_t(i) * kMaskStep;
}

void PutWord(std::string& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(char((v >> shift) & 0xFF));
}

uint32_t GetWord(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | uint8_t(bytes[at + size_t(i)]);
    return v;
}

int32_t* MaskedField(TProfileFields& f, int i) {
    int32_t* fields[] = {&f.CurrentLevel, &f.LockedLevel, &f.Score, &f.Lives, &f.Kills};
    return fields[i];
}

void DecodeHead(const std::string& bytes, TProfileFields& f) {
    for (int i = 0; i < 5; ++i)
        *MaskedField(f, i) = int32_t(GetWord(bytes, size_t(4 * i)) - Mask(i));
    uint64_t bits = uint64_t(GetWord(bytes, 20)) | (uint64_t(GetWord(bytes, 24)) << 32);
    std::memcpy(&f.TimeTaken, &bits, sizeof bits);
    f.Difficulty = int32_t(GetWord(bytes, 28));
    f.TipsFlag = int32_t(GetWord(bytes, 32));
    f.InstructionsFlag = int32_t(GetWord(bytes, 36));
}

std::string Bytes(size_t n) {
    return std::to_string(n) + " bytes";
}

void Clamp(int32_t& value, int32_t low, int32_t high, const char* name, std::vector<std::string>& repairs) {
    int32_t fixed = value < low ? low : value > high ? high : value;
    if (fixed == value) return;
    repairs.push_back(std::string(name) + " " + std::to_string(value) + " set to " + std::to_string(fixed));
    value = fixed;
}

} // namespace

std::string EncodeProfileFields(const TProfileFields& fields) {
    std::string out;
    out.reserve(kProfileFileBytes);
    TProfileFields f = fields;
    for (int i = 0; i < 5; ++i)
        PutWord(out, uint32_t(*MaskedField(f, i)) + Mask(i));
    uint64_t bits = 0;
    std::memcpy(&bits, &f.TimeTaken, sizeof bits);
    PutWord(out, uint32_t(bits));
    PutWord(out, uint32_t(bits >> 32));
    PutWord(out, uint32_t(f.Difficulty));
    PutWord(out, uint32_t(f.TipsFlag));
    PutWord(out, uint32_t(f.InstructionsFlag));
    for (int32_t flag : f.HintsShown)
        PutWord(out, uint32_t(flag));
    return out;
}

TProfileDecoded DecodeProfileBytes(const std::string& bytes) {
    TProfileDecoded result;
    const size_t size = bytes.size();
    if (size > kProfileMaxFileBytes) {
        result.repairs.push_back(Bytes(size) + ", more than 64 KiB");
        return result;
    }
    if (size < kProfileHeadBytes) {
        result.repairs.push_back(Bytes(size) + ", shorter than its head");
        return result;
    }
    DecodeHead(bytes, result.fields);
    const size_t flagBytes = std::min(size, kProfileFileBytes) - kProfileHeadBytes;
    result.flagsRead = int(flagBytes / 4);
    for (int i = 0; i < result.flagsRead; ++i)
        result.fields.HintsShown[size_t(i)] = int32_t(GetWord(bytes, kProfileHeadBytes + 4 * size_t(i)));
    if (flagBytes == 0) result.repairs.push_back(Bytes(size) + ", no flags after its head");
    if (flagBytes % 4 != 0)
        result.repairs.push_back(Bytes(size) + ", ending inside flag " + std::to_string(result.flagsRead));
    if (size > kProfileFileBytes) result.extra = bytes.substr(kProfileFileBytes);
    return result;
}

void CheckProfileValues(TProfileFields& f, std::vector<std::string>& repairs) {
    Clamp(f.LockedLevel, 2, kProfileLastLevel + 1, "LockedLevel", repairs);
    Clamp(f.CurrentLevel, 1, f.LockedLevel - 1, "CurrentLevel", repairs);
    Clamp(f.Lives, 0, INT32_MAX, "Lives", repairs);
    const double t = f.TimeTaken;
    if (!std::isfinite(t) || t < 0.0 || t > kProfileMaxTimeTaken) {
        char text[64];
        std::snprintf(text, sizeof text, "TimeTaken %g set to 0", t);
        repairs.push_back(text);
        f.TimeTaken = 0.0;
    }
}

TProfileDecoded DecodeProfileFile(const std::string& bytes) {
    TProfileDecoded result = DecodeProfileBytes(bytes);
    CheckProfileValues(result.fields, result.repairs);
    return result;
}

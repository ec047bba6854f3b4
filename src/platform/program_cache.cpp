// Linked drawing programs kept between runs: one file per program, a fixed header and the
// driver's binary.
#include "platform/program_cache.h"

#include "platform/TStream.h"
#include "platform/files.h"

#include <epoxy/gl.h>

#include <cstring>
#include <optional>

namespace platform {
namespace {

std::string cacheFolder;

constexpr char kMagic[8] = {'S', 'W', 'P', 'R', 'O', 'G', '1', '\n'};
constexpr size_t kMaxProgramBytes = 4 << 20;
constexpr uint64_t kHashBasis = 0xcbf29ce484222325ULL;

struct Header {
    char magic[8];
    uint64_t key;
    uint32_t format;
    uint32_t length;
    uint64_t checksum; // of the driver's bytes, for drivers that do not check their own
};

// FNV-1a, 64 bits.
uint64_t Hash(uint64_t hash, const void* bytes, size_t size) {
    auto p = static_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ p[i]) * 0x100000001b3ULL;
    return hash;
}

uint64_t HashText(uint64_t hash, const char* text) {
    text = text ? text : "";
    return Hash(hash, text, std::strlen(text) + 1); // the terminator keeps "ab"+"c" apart from "a"+"bc"
}

std::string PathOf(const std::string& name) {
    return cacheFolder + name + ".glprogram";
}

bool DriverKeepsBinaries() {
    int formats = 0;
    glGetIntegerv(GL_NUM_PROGRAM_BINARY_FORMATS, &formats);
    return formats > 0;
}

// The driver's bytes and format from a kept file whose header matches the key.
std::optional<std::string> ReadBinary(const std::string& name, uint64_t key, uint32_t& format) {
    std::optional<std::string> file = ReadRegularFile(PathOf(name), sizeof(Header) + kMaxProgramBytes);
    if (!file || file->size() < sizeof(Header)) return std::nullopt;
    Header header;
    std::memcpy(&header, file->data(), sizeof header);
    std::string bytes = file->substr(sizeof header);
    if (std::memcmp(header.magic, kMagic, sizeof kMagic) != 0 || header.key != key ||
        header.length != bytes.size() || header.length == 0 ||
        header.checksum != Hash(kHashBasis, bytes.data(), bytes.size()))
        return std::nullopt;
    format = header.format;
    return bytes;
}

} // namespace

void SetProgramCacheFolder(const std::string& folder) {
    cacheFolder = folder;
}

uint64_t ProgramKey(const char* vertexSource, const char* fragmentSource) {
    uint64_t hash = kHashBasis;
    hash = HashText(hash, vertexSource);
    hash = HashText(hash, fragmentSource);
    for (GLenum what : {GL_VENDOR, GL_RENDERER, GL_VERSION, GL_SHADING_LANGUAGE_VERSION})
        hash = HashText(hash, reinterpret_cast<const char*>(glGetString(what)));
    return hash;
}

unsigned LoadCachedProgram(const std::string& name, uint64_t key) {
    if (cacheFolder.empty() || !DriverKeepsBinaries()) return 0;
    uint32_t format = 0;
    std::optional<std::string> bytes = ReadBinary(name, key, format);
    if (!bytes) return 0;
    unsigned program = glCreateProgram();
    glProgramBinary(program, format, bytes->data(), GLsizei(bytes->size()));
    int linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked) return program;
    // A format the driver no longer takes raises an error of its own; it is answered here.
    while (glGetError() != GL_NO_ERROR) {
    }
    glDeleteProgram(program);
    return 0;
}

void SaveCachedProgram(const std::string& name, uint64_t key, unsigned program) {
    if (cacheFolder.empty() || !DriverKeepsBinaries()) return;
    int linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (!linked) return;
    int length = 0;
    glGetProgramiv(program, GL_PROGRAM_BINARY_LENGTH, &length);
    if (length <= 0 || size_t(length) > kMaxProgramBytes) return;
    std::string bytes(size_t(length), '\0');
    GLenum format = 0;
    GLsizei written = 0;
    glGetProgramBinary(program, length, &written, &format, bytes.data());
    if (written <= 0) return;
    bytes.resize(size_t(written));
    Header header;
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.key = key;
    header.format = format;
    header.length = uint32_t(bytes.size());
    header.checksum = Hash(kHashBasis, bytes.data(), bytes.size());
    if (!CreateDir(cacheFolder, true)) return;
    SaveTextAtomic(PathOf(name), std::string(reinterpret_cast<const char*>(&header), sizeof header) + bytes);
}

} // namespace platform

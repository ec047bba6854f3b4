// Reading and checking the test seams that take a value.
#include "platform/seams.h"

#include "platform/system.h"

#include <charconv>
#include <climits>
#include <cstdlib>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

[[noreturn]] void Refuse(const char* name, const std::string& value, const std::string& why) {
    std::cerr << name << "='" << value << "' refused: " << why << std::endl;
    End(2);
}

// A whole number from lo to hi, written out in full ("16", "-3"; not "16ms", " 16" or "1e3").
std::optional<int> Number(const char* name, int lo, int hi, const std::string& wanted) {
    const char* env = std::getenv(name);
    if (!env || !*env) return std::nullopt;
    const std::string text = env;
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lo || value > hi)
        Refuse(name, text, "expected " + wanted);
    return int(value);
}

// A file that can be read (a pipe too); not a folder. Only looked at: opening a named pipe here
// would meet its writer before the script's reader does.
std::string ReadableFile(const char* name) {
    const char* env = std::getenv(name);
    if (!env || !*env) return "";
    const std::string path = env;
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || access(path.c_str(), R_OK) != 0)
        Refuse(name, path, "cannot read it");
    if (S_ISDIR(info.st_mode)) Refuse(name, path, "a folder, not a file");
    return path;
}

TSeams ReadSeams() {
    TSeams s;
    s.clockMs = Number("SLEETWHISTLE_CLOCK", 1, 1000, "a whole number of milliseconds from 1 to 1000");
    s.seed = Number("SLEETWHISTLE_SEED", INT_MIN, INT_MAX, "a whole number from -2147483648 to 2147483647");
    s.autoplayMs = Number("SLEETWHISTLE_AUTOPLAY", 1, INT_MAX, "a whole number of milliseconds from 1 up");
    s.autoplayLevels =
        Number("SLEETWHISTLE_AUTOPLAY_LEVELS", 1, INT_MAX, "a whole number of levels from 1 up");
    s.audioDelayMs =
        Number("SLEETWHISTLE_AUDIO_DELAY", 0, 1000, "a whole number of milliseconds from 0 to 1000");
    s.input = ReadableFile("SLEETWHISTLE_INPUT");
    return s;
}

} // namespace

const TSeams& Seams() {
    static const TSeams seams = ReadSeams();
    return seams;
}

} // namespace platform

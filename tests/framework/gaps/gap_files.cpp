// TEMPORARY stand-in (see gaps.h).
#include "gaps.h"
#include "platform/files.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

SW_GAP int FileType(const std::string& path) {
    struct stat st;
    if (path.empty() || stat(path.c_str(), &st) != 0) return FILETYPE_NONE;
    return S_ISDIR(st.st_mode) ? FILETYPE_DIR : FILETYPE_FILE;
}

SW_GAP bool SetFileMode(const std::string& path, int mode) {
    mode_t mask = umask(0);
    umask(mask);
    return chmod(path.c_str(), mode_t(mode) & ~mask) == 0;
}

SW_GAP std::string CurrentDir() {
    return std::filesystem::current_path().string();
}

SW_GAP std::string UserDataHome() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return xdg;
    if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.local/share";
    return "/tmp/.local/share";
}

} // namespace platform

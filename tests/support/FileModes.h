// File-mode helpers for tests: a umask set for one scope, and the permission bits of a path.
#pragma once

#include <string>
#include <sys/stat.h>

namespace testsupport {

// Sets the umask for one test and puts the old one back.
struct ScopedUmask {
    explicit ScopedUmask(mode_t mask) : old(umask(mask)) {}
    ~ScopedUmask() { umask(old); }
    mode_t old;
};

inline mode_t ModeOf(const std::string& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

} // namespace testsupport

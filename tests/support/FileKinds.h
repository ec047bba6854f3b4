// The kinds of thing a per-user file's name may lead to (a file, nothing, a FIFO, a folder, a
// character device), made for a test, and a comparable picture of what a path holds.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace testsupport {

// Makes a thing of the given kind ("file", "missing", "fifo", "folder" or "device") at path,
// creating its parent folders. A device has the numbers of /dev/null and needs root: false
// when it cannot be made.
inline bool MakeKind(const std::string& kind, const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (kind == "file") return bool(std::ofstream(path, std::ios::binary) << "outside bytes\n");
    if (kind == "fifo") return mkfifo(path.c_str(), 0644) == 0;
    if (kind == "folder")
        return mkdir(path.c_str(), 0755) == 0 && bool(std::ofstream(path + "/inside") << "kept\n");
    if (kind == "device") return geteuid() == 0 && mknod(path.c_str(), S_IFCHR | 0644, makedev(1, 3)) == 0;
    return kind == "missing";
}

// The type, mode and content of what path names, without following a link at path: a file's
// bytes, a folder's names, a device's numbers. Reads nothing from a FIFO or a device.
inline std::string Snapshot(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return "missing";
    std::ostringstream out;
    out << std::oct << st.st_mode << std::dec << " ";
    if (S_ISREG(st.st_mode)) {
        out << std::ifstream(path, std::ios::binary).rdbuf();
    } else if (S_ISDIR(st.st_mode)) {
        for (const auto& entry : std::filesystem::directory_iterator(path))
            out << entry.path().filename().string() << " ";
    } else if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) {
        out << major(st.st_rdev) << "," << minor(st.st_rdev);
    } else if (S_ISLNK(st.st_mode)) {
        out << std::filesystem::read_symlink(path).string();
    }
    return out.str();
}

} // namespace testsupport

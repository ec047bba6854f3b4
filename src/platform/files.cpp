// Files, folders and paths, with the case-insensitive lookup below the data folder.
#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

std::string dataRoot;

bool Exists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

bool IsDir(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// "a/b//" -> "a/b"; "/" stays "/".
std::string WithoutTrailingSlashes(const std::string& path) {
    size_t end = path.size();
    while (end > 1 && path[end - 1] == '/')
        end--;
    return path.substr(0, end);
}

std::optional<std::vector<std::string>> ReadNames(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return std::nullopt;
    std::vector<std::string> names;
    while (dirent* entry = readdir(dir))
        names.push_back(entry->d_name);
    closedir(dir);
    return names;
}

// Names on disk may be UTF-8, so only ASCII letters are folded.
bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); i++) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x += 32;
        if (y >= 'A' && y <= 'Z') y += 32;
        if (x != y) return false;
    }
    return true;
}

// The byte-wise first name in folder equal to name ignoring case; "" when none.
std::string FindCaseVariant(const std::string& folder, const std::string& name) {
    auto names = ReadNames(folder);
    if (!names) return "";
    std::string best;
    for (const auto& candidate : *names)
        if (SameIgnoringCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
    return best;
}

// Length of the prefix root of path, or 0 when path is not below root.
size_t RootPrefix(const std::string& path, const std::string& folder) {
    if (folder.empty()) return 0;
    std::string root = WithoutTrailingSlashes(folder);
    if (path.compare(0, root.size(), root) != 0) return 0;
    if (root.back() == '/' || (path.size() > root.size() && path[root.size()] == '/')) return root.size();
    return 0;
}

// Length of the data-root prefix of path, or 0 when path is not below the data root.
size_t DataRootPrefix(const std::string& path) {
    return RootPrefix(path, dataRoot);
}

// Spells the components of path from i on as they exist on disk, a case-insensitive match where
// the spelling given does not exist. Stops at the first component that exists in no spelling,
// leaving i there.
std::string SpellAsOnDisk(const std::string& path, size_t& i) {
    std::string result = path.substr(0, i);
    while (i < path.size()) {
        if (path[i] == '/') {
            result += path[i++];
            continue;
        }
        size_t end = std::min(path.find('/', i), path.size());
        std::string component = path.substr(i, end - i);
        std::string match = component == "." || component == ".." || Exists(result + component)
                                ? component
                                : FindCaseVariant(result, component);
        if (match.empty()) break;
        result += match;
        i = end;
    }
    return result;
}

mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Umask:", 0) == 0) return mode_t(std::strtol(line.c_str() + 6, nullptr, 8));
    // No /proc: umask() can only be read by setting it, so put the old value straight back.
    mode_t old = umask(022);
    umask(old);
    return old;
}

bool CopyBytes(int in, int out) {
    char buffer[65536];
    for (;;) {
        ssize_t n = read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        for (ssize_t done = 0; done < n;) {
            ssize_t w = write(out, buffer + done, size_t(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) return false;
            done += w;
        }
    }
}

// Reads fd to its end, stopping as soon as more than maxBytes have come (files may grow while
// read, and some, like those of /proc, report no size at all); false on a read error.
bool ReadToEnd(int fd, size_t sizeHint, size_t maxBytes, std::string& bytes) {
    bytes.reserve(std::min(sizeHint, maxBytes));
    char buffer[65536];
    while (bytes.size() <= maxBytes) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        bytes.append(buffer, size_t(n));
    }
    return true;
}

} // namespace

void SetDataRoot(const std::string& folder) {
    dataRoot = folder;
}

std::string ResolvePath(const std::string& path) {
    if (path.empty() || Exists(path)) return path;
    size_t i = DataRootPrefix(path);
    if (i == 0) return path;
    std::string result = SpellAsOnDisk(path, i);
    return i < path.size() ? path : result;
}

std::string NormalPath(const std::string& path) {
    return std::filesystem::path(path).lexically_normal().string();
}

std::string ShownPath(const std::string& path) {
    std::string normal = NormalPath(path);
    size_t i = RootPrefix(normal, NormalPath(dataRoot));
    if (i == 0) return normal;
    std::string spelled = SpellAsOnDisk(normal, i);
    return spelled + normal.substr(i);
}

std::string WritePath(const std::string& path) {
    std::string folder = ExtractDir(path);
    if (folder.empty() || IsDir(folder)) return path;
    std::string existing = ResolvePath(path);
    if (existing != path && Exists(existing)) return existing;
    std::string resolvedFolder = ResolvePath(folder);
    if (resolvedFolder.back() != '/') resolvedFolder += '/';
    return resolvedFolder + StripDir(path);
}

int FileType(const std::string& path) {
    struct stat st;
    if (stat(ResolvePath(path).c_str(), &st) != 0) return FILETYPE_NONE;
    if (S_ISDIR(st.st_mode)) return FILETYPE_DIR;
    return S_ISREG(st.st_mode) ? FILETYPE_FILE : FILETYPE_NONE;
}

std::optional<std::string> ReadRegularFile(const std::string& path, size_t maxBytes, std::string* why) {
    std::string resolved = ResolvePath(path);
    auto fail = [&](const std::string& reason) -> std::optional<std::string> {
        if (why) *why = reason;
        return std::nullopt;
    };
    // O_NONBLOCK lets a FIFO open at once instead of waiting for a writer.
    int fd = open(resolved.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return fail("cannot open " + resolved);
    struct stat st;
    bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    std::string bytes;
    std::optional<std::string> result;
    if (!regular)
        result = fail("not a regular file: " + resolved);
    else if (uint64_t(st.st_size) > maxBytes)
        result = fail("file is too large: " + resolved);
    else if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
             !ReadToEnd(fd, size_t(st.st_size), maxBytes, bytes))
        result = fail("cannot read " + resolved);
    else if (bytes.size() > maxBytes)
        result = fail("file is too large: " + resolved);
    else
        result = std::move(bytes);
    close(fd);
    return result;
}

long long FileSize(const std::string& path) {
    struct stat st;
    if (stat(ResolvePath(path).c_str(), &st) != 0) return -1;
    return (long long)st.st_size;
}

std::vector<std::string> ListDir(const std::string& path) {
    auto names = ReadNames(ResolvePath(path));
    if (!names) return {};
    for (const char* dot : {".", ".."})
        if (std::find(names->begin(), names->end(), dot) == names->end()) names->push_back(dot);
    std::sort(names->begin(), names->end());
    return *names;
}

DirRef ReadDir(const std::string& path) {
    if (!ReadNames(ResolvePath(path))) return nullptr;
    auto dir = std::make_shared<TDir>();
    dir->names = ListDir(path);
    return dir;
}

std::string NextFile(const DirRef& dir) {
    if (!dir || dir->next >= dir->names.size()) return "";
    return dir->names[dir->next++];
}

void CloseDir(const DirRef& dir) {
    if (!dir) return;
    dir->names.clear();
    dir->next = 0;
}

bool CreateDir(const std::string& path, bool recurse) {
    std::string folder = WithoutTrailingSlashes(path);
    if (folder.empty()) return false;
    if (FileType(folder) == FILETYPE_DIR) return true;
    std::string parent = ExtractDir(folder);
    if (recurse && !parent.empty() && FileType(parent) != FILETYPE_DIR && !CreateDir(parent, true))
        return false;
    std::string target = WritePath(folder);
    // Narrowed by the umask; others never get write permission, even under a umask of 000, so
    // a new folder is never world-writable for the moment before its mode is set.
    return mkdir(target.c_str(), 0775) == 0 || (errno == EEXIST && IsDir(target));
}

bool DeleteFile(const std::string& path) {
    std::string target = ResolvePath(path);
    struct stat st;
    if (lstat(target.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    return unlink(target.c_str()) == 0;
}

bool DeleteDir(const std::string& path, bool recurse) {
    std::string target = ResolvePath(WithoutTrailingSlashes(path));
    struct stat st;
    if (lstat(target.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    if (!recurse) return rmdir(target.c_str()) == 0;
    std::error_code ec;
    std::filesystem::remove_all(target, ec); // does not follow symbolic links
    return !ec && !Exists(target);
}

bool RenameFile(const std::string& from, const std::string& to) {
    return std::rename(ResolvePath(from).c_str(), WritePath(to).c_str()) == 0;
}

bool CopyFile(const std::string& from, const std::string& to) {
    std::string source = ResolvePath(from), target = WritePath(to);
    struct stat in, out;
    if (stat(source.c_str(), &in) != 0 || !S_ISREG(in.st_mode)) return false;
    // Copying a file onto itself would truncate it before reading: it is already done.
    if (stat(target.c_str(), &out) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino) return true;
    int src = open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (src < 0) return false;
    int dst = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (dst < 0) {
        close(src);
        return false;
    }
    bool ok = CopyBytes(src, dst);
    close(src);
    return close(dst) == 0 && ok;
}

bool SetFileMode(const std::string& path, int mode) {
    // Others never get write permission, even under a umask of 000.
    mode_t narrowed = mode_t(mode) & 0777 & ~CurrentUmask() & ~mode_t(S_IWOTH);
    return chmod(ResolvePath(path).c_str(), narrowed) == 0;
}

std::string CurrentDir() {
    std::string buffer(256, '\0');
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return "";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.c_str();
}

std::string ExtractDir(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return "";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ExtractExt(const std::string& path) {
    std::string name = StripDir(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? "" : name.substr(dot + 1);
}

std::string StripExt(const std::string& path) {
    size_t dot = path.rfind('.'), slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path;
    return path.substr(0, dot);
}

std::string StripDir(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string StripAll(const std::string& path) {
    return StripExt(StripDir(path));
}

namespace {

// $<variable> when it is an absolute path other than "/", else the home folder (from $HOME or
// the user's passwd entry, "/tmp" when even that is missing) + fallback. Never ends in "/".
std::string XdgFolder(const char* variable, const char* fallback) {
    const char* xdg = std::getenv(variable);
    if (xdg && xdg[0] == '/') {
        std::string folder = WithoutTrailingSlashes(xdg);
        if (folder != "/") return folder;
    }
    std::string home;
    if (const char* env = std::getenv("HOME"); env && *env) {
        home = env;
    } else {
        std::vector<char> buffer(16384);
        passwd entry, *found = nullptr;
        if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
            home = found->pw_dir;
    }
    if (home.empty()) home = "/tmp";
    home = WithoutTrailingSlashes(home);
    if (home == "/") home = "";
    return home + fallback;
}

} // namespace

std::string UserDataHome() {
    return XdgFolder("XDG_DATA_HOME", "/.local/share");
}

std::string UserCacheHome() {
    return XdgFolder("XDG_CACHE_HOME", "/.cache");
}

} // namespace platform

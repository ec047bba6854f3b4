// Writes to files of the per-user folder: whole texts saved beside their target and renamed over
// it, and appends to a log; neither ever goes through a symbolic link.
#include "platform/TStream.h"
#include "platform/files.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// Writes all of bytes, resuming after interruptions; false when the disk refuses some.
bool WriteAll(int fd, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

// The folder of path with a slash, or "" for a bare name.
std::string FolderOf(const std::string& path) {
    std::string folder = ExtractDir(path);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

// Temporary files of target are named "." + name + ".tmp" + process id + "-" + counter.
std::string TemporaryPrefix(const std::string& target) {
    return "." + StripDir(target) + ".tmp";
}

// Creates a new, unique temporary file beside target; -1 when the folder refuses it.
int CreateTemporary(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; attempt++) {
        tempPath = FolderOf(target) + TemporaryPrefix(target) + std::to_string(getpid()) + "-" +
                   std::to_string(counter++);
        // Never writable by others, not even before the caller sets the file's final mode: a
        // descriptor opened on it meanwhile would stay writable after the rename.
        int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0664);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Removes the temporary files of target that a killed run left behind: all but those of other
// living processes, whose saves may be running now.
void RemoveStaleTemporaries(const std::string& target) {
    std::string prefix = TemporaryPrefix(target);
    std::string folder = FolderOf(target);
    for (const std::string& name : ListDir(folder.empty() ? "." : folder)) {
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        bool running = pid > 0 && pid != getpid() && (kill(pid_t(pid), 0) == 0 || errno != ESRCH);
        if (!running && FileType(folder + name) == FILETYPE_FILE) unlink((folder + name).c_str());
    }
}

// An existing target without write permission is the user's wish to keep it as it is: a save
// must not replace it (root could, and rename would not ask). A symbolic link is replaced by the
// file itself, never written through, so a save cannot land outside its folder; a device, FIFO
// or folder in the file's place is never renamed over.
bool MayReplace(const std::string& target) {
    struct stat st;
    if (lstat(target.c_str(), &st) != 0) return errno == ENOENT;
    if (S_ISLNK(st.st_mode)) return true;
    if (!S_ISREG(st.st_mode)) return false;
    return access(target.c_str(), W_OK) == 0 && (st.st_mode & 0222) != 0;
}

// Makes a rename in folder durable.
void SyncFolder(const std::string& folder) {
    int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

} // namespace

bool SaveTextAtomic(const std::string& path, const std::string& bytes) {
    std::string target = WritePath(path);
    if (StripDir(target).empty() || !MayReplace(target)) return false;
    RemoveStaleTemporaries(target);
    std::string temp;
    int fd = CreateTemporary(target, temp);
    if (fd < 0) return false;
    // The new bytes are on disk before the name points at them, so a crash leaves the old
    // file or the new one, never an empty one.
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) unlink(temp.c_str());
    if (ok) SyncFolder(FolderOf(target));
    return ok;
}

bool AppendText(const std::string& path, const std::string& bytes) {
    std::string target = WritePath(path);
    struct stat st;
    if (lstat(target.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode) && unlink(target.c_str()) != 0) return false; // the link goes
        if (!S_ISLNK(st.st_mode) && !S_ISREG(st.st_mode)) return false;
    }
    // No-follow and non-blocking, and checked again once open: whatever took the name meanwhile
    // is never written through or waited on.
    int fd = open(target.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && WriteAll(fd, bytes);
    return close(fd) == 0 && ok;
}

} // namespace platform

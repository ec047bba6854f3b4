// Files, folders and paths. Folder paths the game builds end in "/".
// Below the data folder (SetDataRoot) a path that does not exist as spelled is looked up again
// ignoring case, one component at a time, as the game names some files with two spellings.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum { FILETYPE_NONE = 0, FILETYPE_FILE = 1, FILETYPE_DIR = 2 };

// The folder below which lookups fall back to a case-insensitive match ("" = none).
void SetDataRoot(const std::string& folder);
// The path as it exists on disk: the exact spelling when it exists, else the case-insensitive
// match below the data root, else the path unchanged.
std::string ResolvePath(const std::string& path);
// The path without "." steps and without ".." steps that follow a folder name.
std::string NormalPath(const std::string& path);
// The path a message shows, as the player finds it on disk: NormalPath, and below the data root
// each component in the spelling ResolvePath finds, up to the first one that exists in none.
std::string ShownPath(const std::string& path);
// The path to create or overwrite: the path as spelled when its folder exists, else an existing
// case-variant of the file below the data root, else the name inside the case-insensitive match
// of its folder.
std::string WritePath(const std::string& path);

int FileType(const std::string& path);
// The whole content of a regular file of at most maxBytes. Null when the file is missing or
// unreadable, is not a regular file (a folder, a FIFO that would block, a device that never ends)
// or holds more than maxBytes; `why` (when given) then says which, with the path.
// Every loader that takes a whole file reads it through here.
std::optional<std::string> ReadRegularFile(const std::string& path, size_t maxBytes,
                                           std::string* why = nullptr);
long long FileSize(const std::string& path); // -1 when missing
// Names in the folder, "." and ".." included, sorted byte-wise; empty when it cannot be read.
std::vector<std::string> ListDir(const std::string& path);

// Folder listing in the game's style: ReadDir gives null when the folder cannot be read;
// NextFile returns "" after the last name.
struct TDir {
    std::vector<std::string> names;
    size_t next = 0;
};
using DirRef = std::shared_ptr<TDir>;
DirRef ReadDir(const std::string& path);
std::string NextFile(const DirRef& dir);
void CloseDir(const DirRef& dir);

bool CreateDir(const std::string& path, bool recurse = false);
bool DeleteFile(const std::string& path);
bool DeleteDir(const std::string& path, bool recurse = false);
bool RenameFile(const std::string& from, const std::string& to);
bool CopyFile(const std::string& from, const std::string& to);
// The one place of file-mode policy: the requested mode is narrowed by the user's umask and
// never keeps the others' write bit, so nothing the game writes becomes world-writable.
bool SetFileMode(const std::string& path, int mode);
std::string CurrentDir();

// Path helpers. ExtractDir("a/b/c.txt") = "a/b"; ExtractExt = text after the last dot of the
// last component ("" when none); StripExt drops it and its dot; StripDir keeps the last
// component; StripAll does both (".dat" gives "").
std::string ExtractDir(const std::string& path);
std::string ExtractExt(const std::string& path);
std::string StripExt(const std::string& path);
std::string StripDir(const std::string& path);
std::string StripAll(const std::string& path);

// The user's data home: $XDG_DATA_HOME (when absolute), else $HOME/.local/share, else the home
// folder of the user's passwd entry + "/.local/share" ("/tmp/.local/share" when even that is
// missing). Never "", never ends in "/".
std::string UserDataHome();
// The same for the user's cache home: $XDG_CACHE_HOME, else $HOME/.cache.
std::string UserCacheHome();

} // namespace platform

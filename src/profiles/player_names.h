// The rules a player's name follows before it becomes the name of a profile file: one place for
// the name prompt, the settings file and the player manager alike.
#pragma once

#include <string>
#include <vector>

// The characters a typed name may never hold, because they are unsafe in file names; the text
// editor bans the same ones while the player types.
extern const char* const kFileNameUnsafeChars;
// The most characters a player's name has.
constexpr int kPlayerNameMaxLength = 12;

// "" for a name that may name a player, otherwise the message the player sees (the first rule
// broken): empty, too long, a blank at either end, a full stop first, a character outside the
// plain printable ones, or a sign unsafe in file names.
std::string PlayerNameProblem(const std::string& name);

// The name prompt's validator. An empty name passes with "" and 1 (the prompt refuses it on its
// own); a name with a problem gives its message and -1; a name that a profile in
// Game.ProfilePath already carries, ignoring the case of A-Z, gives "Error: a profile with this
// name already exists!" and -1; otherwise "" and 1. Existence comes from the folder's listing
// (an entry ending in ".dat", folders and read-only files included); nothing is opened or written.
int CheckPlayerName(const std::string& name, std::string& message);

// The profile file of a player: Game.ProfilePath + name + ".dat" for a name PlayerNameProblem
// accepts, "" for any other, so no refused name ever becomes a path.
std::string ProfileFilePath(const std::string& name);

// The players whose profiles lie in Game.ProfilePath, in the folder's byte-wise order: regular
// files (no folders, FIFOs or devices) whose extension is exactly "dat" and whose name without
// it passes PlayerNameProblem. Hidden names, temporaries and control characters never appear.
std::vector<std::string> ListProfileNames();
// The listed name equal to name ignoring the case of A-Z; "" when none.
std::string FindProfileName(const std::string& name);

// True when path names a folder entry of any kind (a broken link included).
bool FolderEntryExists(const std::string& path);
// The log line for a player file whose name holds no regular file (a folder, a FIFO, a dangling
// link): kind is "Profile" or "High-score".
std::string NotAReadableFile(const std::string& kind, const std::string& path);

#include "profiles/player_names.h"

#include "core/TGame.h"
#include "platform/files.h"

#include <cstring>
#include <filesystem>

const char* const kFileNameUnsafeChars = "\"|*\\/:;~?<>,+=%";

namespace {

char LowerAZ(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool SameIgnoringCaseAZ(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAZ(a[i]) != LowerAZ(b[i])) return false;
    return true;
}

bool ProfileExists(const std::string& name) {
    for (const std::string& entry : platform::ListDir(Game->ProfilePath)) {
        if (platform::ExtractExt(entry) != "dat") continue;
        if (SameIgnoringCaseAZ(platform::StripExt(entry), name)) return true;
    }
    return false;
}

} // namespace

std::string PlayerNameProblem(const std::string& name) {
    if (name.empty()) return "Error: please enter a name!";
    if (int(name.size()) > kPlayerNameMaxLength) return "Error: a name can have at most 12 characters!";
    if (name.front() == ' ' || name.back() == ' ') return "Error: a name cannot start or end with a blank!";
    if (name.front() == '.') return "Error: a name cannot start with a full stop!";
    for (char ch : name) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 32 || c > 126) return "Error: a name can only hold plain letters, digits and signs!";
    }
    for (char c : name)
        if (std::strchr(kFileNameUnsafeChars, c))
            return std::string("Error: the sign ") + c + " cannot be used in a name!";
    return "";
}

int CheckPlayerName(const std::string& name, std::string& message) {
    message = "";
    if (name.empty()) return 1;
    message = PlayerNameProblem(name);
    if (!message.empty()) return -1;
    if (ProfileExists(name)) {
        message = "Error: a profile with this name already exists!";
        return -1;
    }
    return 1;
}

std::string ProfileFilePath(const std::string& name) {
    if (!PlayerNameProblem(name).empty()) return "";
    return Game->ProfilePath + name + ".dat";
}

std::vector<std::string> ListProfileNames() {
    std::vector<std::string> names;
    for (const std::string& entry : platform::ListDir(Game->ProfilePath)) {
        if (platform::ExtractExt(entry) != "dat") continue;
        const std::string name = platform::StripExt(entry);
        if (!PlayerNameProblem(name).empty()) continue;
        if (platform::FileType(Game->ProfilePath + entry) != platform::FILETYPE_FILE) continue;
        names.push_back(name);
    }
    return names;
}

std::string FindProfileName(const std::string& name) {
    for (const std::string& listed : ListProfileNames())
        if (SameIgnoringCaseAZ(listed, name)) return listed;
    return "";
}

bool FolderEntryExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

std::string NotAReadableFile(const std::string& kind, const std::string& path) {
    return kind + " file '" + path + "' is not a readable file";
}

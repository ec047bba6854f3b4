// The data folder beside the executable, the asset folders below it, the per-user folder with
// its profiles folder, and the two operations on the profiles folder as a whole.
#include "core/TGame.h"

#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "framework/cc_system.h"
#include "platform/files.h"
#include "platform/system.h"

int TGame::SetDefaultPaths() {
    if (DataInAppBundle == 1) {
        // The build tree and the installed tree share this shape: bin/ beside share/sleetwhistle/.
        // The executable's path has every link resolved, so dropping "bin/.." keeps the folder,
        // and the paths in messages read as the player finds them.
        DataPrefix =
            platform::NormalPath(platform::ExtractDir(platform::AppFile()) + "/../share/sleetwhistle/");
        // "Data/" and "data/", "Default.ini" and "default.ini" reach the same files below it.
        platform::SetDataRoot(DataPrefix);
    }
    SetImagePath(DataPrefix + "Data/graphics");
    SetSoundPath(DataPrefix + "Data/sound");
    SetMusicPath(DataPrefix + "Data/music");
    SetSpeechPath(DataPrefix + "Data/speech");
    SetMenuPath(DataPrefix + "Data/menus");
    SetProfilePath(UseCorrectPath != 0 ? "profiles" : DataPrefix + "Data/profiles");
    SetTextPath(DataPrefix + "Data/text");
    SetLevelsPath(DataPrefix + "Data/levels");
    SetFontPath(DataPrefix + "Data/fonts");
    return 0;
}

int TGame::SetSubPath(const std::string& path, int perUser) {
    SubPath = path.empty() ? "" : ccAddSlash(path);
    if (UseCorrectPath != 0) {
        std::string base = perUser != 0 ? ccGetMacProfileUserDataFolder() : ccGetSharedUserDataFolder();
        SubPath = ccAddSlash(base) + SubPath;
        ApplySubPath();
    }
    ccErrorPath = SubPath;
    return 0;
}

int TGame::SetSubPathWrapper(const std::string& path, int perUser) {
    SetDefaultPaths();
    return SetSubPath(path, perUser);
}

int TGame::ApplySubPath() {
    return SetProfilePath(SubPath + ProfilePath);
}

int TGame::SetImagePath(const std::string& path) {
    ImagePath = ccAddSlash(path);
    return 0;
}
int TGame::SetSoundPath(const std::string& path) {
    SoundPath = ccAddSlash(path);
    return 0;
}
int TGame::SetMusicPath(const std::string& path) {
    MusicPath = ccAddSlash(path);
    return 0;
}
int TGame::SetSpeechPath(const std::string& path) {
    SpeechPath = ccAddSlash(path);
    return 0;
}
int TGame::SetMenuPath(const std::string& path) {
    MenuPath = ccAddSlash(path);
    return 0;
}
int TGame::SetProfilePath(const std::string& path) {
    ProfilePath = ccAddSlash(path);
    return 0;
}
int TGame::SetTextPath(const std::string& path) {
    TextPath = ccAddSlash(path);
    return 0;
}
int TGame::SetLevelsPath(const std::string& path) {
    LevelsPath = ccAddSlash(path);
    return 0;
}
int TGame::SetFontPath(const std::string& path) {
    FontPath = ccAddSlash(path);
    return 0;
}

namespace {

// An entry with the extension "dat", compared case-sensitively.
bool HasDatExtension(const std::string& entry) {
    return entry != "." && entry != ".." && platform::ExtractExt(entry) == "dat";
}

// A profile file: "<name>.dat"; a file named ".dat" alone names nobody.
bool IsProfileFile(const std::string& entry) {
    return entry != ".dat" && HasDatExtension(entry);
}

} // namespace

int TGame::DeleteAllProfiles() {
    platform::DirRef dir = platform::ReadDir(ProfilePath);
    if (!dir) return 0;
    for (std::string entry = platform::NextFile(dir); !entry.empty(); entry = platform::NextFile(dir)) {
        if (HasDatExtension(entry)) platform::DeleteFile(ProfilePath + entry);
    }
    platform::CloseDir(dir);
    return 0;
}

int TGame::ProfileFolderInUse() {
    platform::DirRef dir = platform::ReadDir(ProfilePath);
    if (!dir) {
        ccRunTimeError("Failed to read directory '" + ProfilePath + "'", 1);
        return 0;
    }
    int inUse = 0;
    for (std::string entry = platform::NextFile(dir); !entry.empty(); entry = platform::NextFile(dir)) {
        if (IsProfileFile(entry)) {
            inUse = 1;
            break;
        }
    }
    platform::CloseDir(dir);
    return inUse;
}

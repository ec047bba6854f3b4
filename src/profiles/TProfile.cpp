#include "profiles/TProfile.h"

#include "core/TGame.h"
#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "platform/files.h"
#include "profiles/player_names.h"

std::function<int(TProfile&)> TProfile::CreateUserFunction;

namespace {

// A name that may not name a file ends the program with the save's message, writing nothing.
std::string CheckedPath(const std::string& name) {
    std::string path = ProfileFilePath(name);
    if (path.empty()) ccRunTimeError("Could not create file '" + Game->ProfilePath + name + ".dat'", 1);
    return path;
}

std::string JoinRepairs(const std::vector<std::string>& repairs) {
    std::string text;
    for (const std::string& repair : repairs)
        text += (text.empty() ? "" : "; ") + repair;
    return text;
}

} // namespace

TProfile::TProfile() {
    CurrentLevel = 0;
    LockedLevel = 0;
    Lives = 0;
}

TProfileRef TProfile::Create(const std::string& name) {
    auto profile = std::make_shared<TProfile>();
    profile->Init(name);
    if (CreateUserFunction) CreateUserFunction(*profile);
    return profile;
}

int TProfile::Init(const std::string& name) {
    Name = name;
    SetFields(TProfileFields{});
    return ClearHints();
}

int TProfile::ClearHints() {
    return HintsSet(0);
}

int TProfile::HintsSet(int value) {
    HintsShown.fill(value);
    return 0;
}

TProfileFields TProfile::Fields() const {
    TProfileFields f;
    f.CurrentLevel = CurrentLevel;
    f.LockedLevel = LockedLevel;
    f.Score = Score;
    f.Lives = Lives;
    f.Kills = Kills;
    f.TimeTaken = TimeTaken;
    f.Difficulty = Difficulty;
    f.TipsFlag = TipsFlag;
    f.InstructionsFlag = InstructionsFlag;
    f.HintsShown = HintsShown;
    return f;
}

void TProfile::SetFields(const TProfileFields& f) {
    CurrentLevel = f.CurrentLevel;
    LockedLevel = f.LockedLevel;
    Score = f.Score;
    Lives = f.Lives;
    Kills = f.Kills;
    TimeTaken = f.TimeTaken;
    Difficulty = f.Difficulty;
    TipsFlag = f.TipsFlag;
    InstructionsFlag = f.InstructionsFlag;
    HintsShown = f.HintsShown;
}

int TProfile::Save() {
    const std::string path = CheckedPath(Name);
    if (path.empty()) return 0;
    std::string bytes = EncodeProfileFields(Fields());
    if (SaveUserFunction) {
        platform::TMemoryStream extra;
        SaveUserFunction(extra);
        bytes += extra.Bytes();
    }
    // A link in the profiles folder is replaced, never written through to a file elsewhere.
    if (!platform::SaveTextAtomic(path, bytes)) {
        ccRunTimeError(
            std::string(FolderEntryExists(path) ? "Could not write file '" : "Could not create file '") +
                path + "'",
            1);
        return 0;
    }
    ccShareFileOSX(path);
    return 0;
}

int TProfile::Load() {
    const std::string path = CheckedPath(Name);
    if (path.empty()) return 0;
    if (!FolderEntryExists(path)) {
        Save();
        return 0;
    }
    std::string why;
    auto bytes = platform::ReadRegularFile(path, kProfileMaxFileBytes, &why);
    TProfileDecoded decoded;
    // A folder, FIFO or dangling link in the file's place cannot be repaired: only noted.
    const bool notAFile = !bytes && platform::FileType(path) != platform::FILETYPE_FILE;
    if (bytes) {
        decoded = DecodeProfileFile(*bytes);
    } else if (!notAFile) {
        decoded.repairs.push_back("it cannot be read (" + why + ")");
    }
    SetFields(decoded.fields);
    if (LoadUserFunction) {
        platform::TMemoryStream extra(decoded.extra);
        LoadUserFunction(extra);
    }
    if (notAFile) ccErrorLog(NotAReadableFile("Profile", path));
    if (!decoded.repairs.empty())
        ccErrorLog("Damaged profile file '" + path + "' repaired: " + JoinRepairs(decoded.repairs));
    if (notAFile || !decoded.repairs.empty()) Save();
    return 1;
}

int TProfile::ShowHint(int index, int save) {
    if (index < 0 || index >= MAX_HINTS || HintsShown[size_t(index)] != 0) return 0;
    HintsShown[size_t(index)] = 1;
    if (save != 0) Save();
    return 1;
}

int CreateProfile(const std::string& name) {
    Game->ProfileName = name;
    TProfileRef profile = TProfile::Create(Game->ProfileName);
    Game->CurrentProfile = profile;
    profile->Load();
    Game->IniUpdate(1);
    return 0;
}

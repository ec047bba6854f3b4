#include "profiles/THighScoreList.h"

#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "platform/TStream.h"
#include "platform/files.h"

#include "profiles/player_names.h"

#include <vector>

int THighScoreList::Create(const std::string& path, int maxNameLength) {
    Clear();
    filepath = path + ".dat";
    MaxNameLength = maxNameLength;
    return 0;
}

int THighScoreList::Add(const std::string& name, int score, int level) {
    AddLast(std::make_shared<THighScore>(THighScore{name, score, level}));
    return 0;
}

int THighScoreList::Insert(const std::string& name, int score, int level) {
    Link* link = FirstLink();
    while (link && link->Value()->score > score)
        link = link->NextLink();
    InsertBeforeLink(std::make_shared<THighScore>(THighScore{name, score, level}), link);
    return 0;
}

int THighScoreList::Load() {
    Clear();
    if (!FolderEntryExists(filepath)) return CreateDefault();
    std::string why;
    auto bytes = platform::ReadRegularFile(filepath, kHighScoreMaxFileBytes + 1, &why);
    THighScoreDecoded decoded;
    if (!bytes && platform::FileType(filepath) != platform::FILETYPE_FILE) {
        // A folder, FIFO or dangling link cannot be repaired: only noted, and the defaults saved.
        ccErrorLog(NotAReadableFile("High-score", filepath));
        return CreateDefault();
    }
    if (bytes) {
        decoded = DecodeHighScoreFile(*bytes);
    } else {
        decoded.useDefaults = true;
        decoded.repair = "it cannot be read (" + why + ")";
    }
    for (const THighScore& row : decoded.rows)
        Add(row.name, row.score, row.level);
    if (decoded.repair.empty()) return 0;
    ccErrorLog("Damaged high-score file '" + filepath + "' repaired: " + decoded.repair);
    return decoded.useDefaults ? CreateDefault() : Save();
}

int THighScoreList::Save() {
    std::vector<THighScore> rows;
    for (const auto& row : *this)
        rows.push_back(*row);
    // A link named as the table is replaced, never written through to a file elsewhere.
    if (!platform::SaveTextAtomic(filepath, EncodeHighScoreRows(rows))) {
        ccRunTimeError("Failed to save file " + filepath, 1);
        return 0;
    }
    ccShareFileOSX(filepath);
    return 0;
}

int THighScoreList::CreateDefault() {
    static const char* const names[] = {"Zumbo",  "Fennet", "Ravlo",  "Mirsk",  "Tolvy",
                                        "Gabbin", "Ostrel", "Pindle", "Wexley", "Umbry"};
    for (int i = 0; i < 10; ++i)
        Add(names[i], 10000 - 1000 * i, 10 - i);
    return Save();
}

int THighScoreList::Zero(int count) {
    Clear();
    for (int i = 0; i < count; ++i)
        Add("Empty", 0, 0);
    return Save();
}

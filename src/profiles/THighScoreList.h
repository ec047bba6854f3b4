// The table of the best results on this machine (name, score, level), best first, kept in one
// file in the per-user folder. Every save replaces the file whole and atomically; a damaged file
// is repaired on loading, with a note in the error log.
#pragma once

#include "platform/TList.h"
#include "profiles/highscore_file.h"

#include <memory>
#include <string>

class THighScoreList : public platform::TList<THighScore> {
public:
    std::string filepath;   // "" until Create
    int MaxNameLength = 10; // stored only

    // Empties the table; its file is path + ".dat". No file access.
    int Create(const std::string& path, int maxNameLength);
    // Appends a row, whatever its score.
    int Add(const std::string& name, int score, int level);
    // Puts a row above the first row scoring the same or less (a tie ranks above older rows).
    int Insert(const std::string& name, int score, int level);
    // Reads the file: a missing one gives the default table (saved); a damaged one keeps its
    // sound rows (or the defaults), notes the repair and saves.
    int Load();
    // Writes every row; a file that cannot be written ends the program.
    int Save();
    // Appends the ten default rows and saves.
    int CreateDefault();
    // count rows "Empty", 0, 0 (a negative count is 0), saved.
    int Zero(int count);
};
using THighScoreListRef = std::shared_ptr<THighScoreList>;

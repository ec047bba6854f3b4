// The high-score table, as far as the application object needs it until the table's own loading
// and saving arrive: what a new table holds, and the file name and name length it is given.
// Load reads and writes nothing yet.
#pragma once

#include <memory>
#include <string>
#include <vector>

class THighScoreList {
public:
    struct TEntry {
        std::string name;
        int score = 0;
    };
    std::vector<TEntry> entries; // empty
    std::string filepath;        // "" until Create
    int MaxNameLength = 10;

    // The table's file is path + ".dat"; names are cut to longest characters.
    int Create(const std::string& path, int longest);
    int Load();
};
using THighScoreListRef = std::shared_ptr<THighScoreList>;

#include "profiles/THighScoreList.h"

int THighScoreList::Create(const std::string& path, int longest) {
    filepath = path + ".dat";
    MaxNameLength = longest;
    return 0;
}

int THighScoreList::Load() {
    return 0;
}

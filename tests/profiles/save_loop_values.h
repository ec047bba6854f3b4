// The values the save loop writes for its number n, shared by the loop and the kill test.
#pragma once

#include "profiles/highscore_file.h"
#include "profiles/profile_file.h"

#include <string>
#include <vector>

namespace savelooptest {

inline TProfileFields ProfileFor(long long n) {
    TProfileFields f;
    f.Score = int32_t(n);
    f.Kills = int32_t(n);
    f.TimeTaken = double(n);
    f.HintsShown[size_t(n % 100)] = 1;
    return f;
}

inline std::vector<THighScore> RowsFor(long long n) {
    std::vector<THighScore> rows;
    for (int i = 0; i < 10; ++i)
        rows.push_back({"N" + std::to_string(n) + "-" + std::to_string(i), int(n) - i, i});
    return rows;
}

} // namespace savelooptest

// A test program for the kill test: with its paths in the folder given, it saves two profiles
// ("Kim" and "Lee") and the high-score table over and over, for n, n + 1, ... without end, each
// holding values all derived from n, until it is killed.
#include "core/TGame.h"
#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "platform/files.h"
#include "profiles/THighScoreList.h"
#include "profiles/TProfile.h"
#include "save_loop_values.h"

#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::string folder = std::string(argv[1]) + "/";
    long long n = std::atoll(argv[2]);
    Game = std::make_shared<TGame>();
    Game->SubPath = folder;
    Game->ProfilePath = folder + "profiles/";
    ccErrorPath = folder;
    // As the core makes it at start-up.
    if (platform::CreateDir(Game->ProfilePath, false)) ccShareFileOSX(Game->ProfilePath);
    THighScoreList table;
    table.Create(folder + "sw", 10);
    for (;; ++n) {
        for (const char* name : {"Kim", "Lee"}) {
            TProfileRef profile = TProfile::Create(name);
            profile->SetFields(savelooptest::ProfileFor(n));
            profile->Save();
        }
        table.Clear();
        for (const THighScore& row : savelooptest::RowsFor(n))
            table.Add(row.name, row.score, row.level);
        table.Save();
    }
}

// Runs the installed game under the test seams: headless message boxes, a seeded generator, a
// fake clock of 16 ms a frame, a temporary per-user folder and cache, and a script that ends with
// a close.
#pragma once

#include "TempDir.h"
#include "game_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace e2e {

struct TRun {
    int status = -1;
    std::string err; // standard error
};

// The per-user folder below the run's data home.
inline std::string UserFolder(const testsupport::TempDir& dir) {
    return dir / "home/Brindlecove/Sleetwhistle/";
}

// Runs the game with the seams and extra environment; shellPrefix goes before everything (a
// umask, or xvfb-run for a display of its own); binary is the installed game unless given.
inline TRun RunGame(const testsupport::TempDir& dir, const std::string& extra = "",
                    const std::string& shellPrefix = "", const std::string& dataHome = "",
                    const std::string& binary = SLEETWHISTLE_E2E_PREFIX "/bin/sleetwhistle") {
    TGameCommand game(dir.Path(), binary);
    game.Input = dir.Write("input.txt", "# the player closes the window\n2000 close\n");
    if (!dataHome.empty()) game.DataHome = dataHome;
    game.SilentSound = false;
    game.Extra = extra;
    game.Prefix = shellPrefix;
    game.Log = dir / "stderr.txt";
    game.LogOutput = false;
    TRun run;
    run.status = game.Run();
    run.err = dir.Read("stderr.txt");
    return run;
}

// The lines of a text, each without its CR LF or LF.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The installed packaged defaults, as the game saves them: every graphics creation selects
// OpenGL and stores DRIVER=1; the name given goes on the PROFILE NAME line.
inline std::string SavedDefaults(const std::string& name = "") {
    std::ifstream in(SLEETWHISTLE_E2E_PREFIX "/share/sleetwhistle/Data/Default.ini", std::ios::binary);
    std::stringstream packaged;
    packaged << in.rdbuf();
    std::string text;
    for (std::string line : Lines(packaged.str())) {
        if (line.rfind("DRIVER=", 0) == 0) line = "DRIVER=1";
        if (line.rfind("PROFILE NAME=", 0) == 0) line = "PROFILE NAME=" + name;
        text += line + "\r\n";
    }
    return text;
}

} // namespace e2e

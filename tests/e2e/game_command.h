// The one command line of every scripted run of the whole game: the test seams (headless message
// boxes, a seeded generator, the fake clock, OpenAL's null output, the input script, the frames
// and trace asked for) and a data home and a cache home of the run's own, so that no run reads or
// writes the user's folders, nor another run's.
#pragma once

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <utility>

namespace e2e {

struct TGameCommand {
    // The binary run with the homes of a run folder (ending in "/"): home/ and cache/.
    TGameCommand(const std::string& runFolder, std::string binary)
        : Binary(std::move(binary)), DataHome(runFolder + "home"), CacheHome(runFolder + "cache") {}

    std::string Binary;
    std::string DataHome; // XDG_DATA_HOME: the per-user folder is below it
    // XDG_CACHE_HOME: the drawing programs kept, and Mesa's own cache. Empty unsets it, so that the
    // game falls back to HOME/.cache: only for a run whose HOME is its own.
    std::string CacheHome;
    std::string Input;       // the input script
    std::string Frames;      // "folder:flip,flip,...", or empty for none
    std::string Trace;       // the milestones' file, or empty for none
    int ClockMs = 16;        // per flip
    bool SilentSound = true; // OpenAL's null output
    std::string Extra;       // more VAR=value words; they come after the seams, so they win
    std::string Prefix;      // shell words before everything: a umask, cd, or a command (xvfb-run)
    std::string Wrapper;     // a command the game runs under (a time limit)
    std::string Log;         // the file for standard error, and standard output too when LogOutput
    bool LogOutput = true;

    // The value in single quotes for the shell.
    static std::string Quote(const std::string& value) {
        std::string quoted = "'";
        for (char c : value)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    }

    std::string Line() const {
        std::string line =
            Prefix + " env" + (CacheHome.empty() ? " -u XDG_CACHE_HOME" : "") +
            " SLEETWHISTLE_HEADLESS=1 SLEETWHISTLE_SEED=7 SLEETWHISTLE_CLOCK=" + std::to_string(ClockMs) +
            (SilentSound ? " ALSOFT_DRIVERS=null" : "") + " SLEETWHISTLE_INPUT=" + Quote(Input);
        if (!Frames.empty()) line += " SLEETWHISTLE_FRAMES=" + Quote(Frames);
        if (!Trace.empty()) line += " SLEETWHISTLE_TRACE=" + Quote(Trace);
        line += " XDG_DATA_HOME=" + Quote(DataHome);
        if (!CacheHome.empty()) line += " XDG_CACHE_HOME=" + Quote(CacheHome);
        line += " " + Extra + " " + Wrapper + " " + Quote(Binary);
        if (!Log.empty()) line += (LogOutput ? " >" + Quote(Log) + " 2>&1" : " 2>" + Quote(Log));
        return line;
    }

    // Runs the line; the game's exit status, or -1 when it did not exit.
    int Run() const {
        int status = std::system(Line().c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

} // namespace e2e

// The level checker as a whole: the options of its command line, and one run over a level set that
// writes its problems, summaries and total to a stream and answers the exit status.
#pragma once

#include <ostream>
#include <string>

namespace levelcheck {

struct TCheckOptions {
    std::string Prefix;      // the folder holding data/levels/, with a final slash
    int Count = 55;          // the files the set must hold
    int First = 1, Last = 0; // the levels checked; Last 0: up to Count
    int Seeds = 10;
    int FirstSeed = 1;
    int ThinkMs = 1500;
    int Lookahead = 1;
    int Jobs = 1; // child processes that play levels side by side
    std::string Table;
    int TraceLevel = 0, TraceSeed = 0;
    bool Play = true;
    bool Help = false; // --help: print the usage and check nothing
};

constexpr int EXIT_CLEAN = 0, EXIT_PROBLEMS = 1, EXIT_USAGE = 2;

// The command line's usage, ending in a line feed.
const char* Usage();
// Reads the command line into options; false with a message on bad usage.
bool ParseArguments(int argc, char** argv, TCheckOptions& options, std::string& error);
// The whole command: the usage on --help (EXIT_CLEAN) or with the message on bad usage (EXIT_USAGE),
// else the check over options read on top of the defaults given.
int RunCommandLine(int argc, char** argv, TCheckOptions options, int panelWidth, std::ostream& out,
                   std::ostream& err);
// Checks the set; EXIT_CLEAN, or EXIT_PROBLEMS for any problem, run error or failing level.
int RunChecker(const TCheckOptions& options, int panelWidth, std::ostream& out);

} // namespace levelcheck

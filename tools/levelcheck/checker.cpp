#include "checker.h"

#include "level_design.h"
#include "level_report.h"
#include "level_rules.h"
#include "level_runner.h"

#include "board/TGameGrid.h"
#include "framework/cc_errors.h"
#include "headless/board_headless.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace levelcheck {

namespace {

bool ReadInt(const char* text, int& value) {
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (!*text || *end) return false;
    value = int(v);
    return true;
}

bool ReadPair(const std::string& text, char separator, int& a, int& b) {
    size_t at = text.find(separator);
    if (at == std::string::npos) return ReadInt(text.c_str(), a) && (b = a, true);
    return ReadInt(text.substr(0, at).c_str(), a) && ReadInt(text.substr(at + 1).c_str(), b);
}

// One run written as a line for the parent process, and read back.
std::string EncodeRun(int level, const TRunResult& r) {
    std::string line = std::to_string(level) + " " + std::to_string(int(r.Outcome)) + " " +
                       std::to_string(r.Ticks) + " " + std::to_string(r.Actions) + " " +
                       std::to_string(r.Refused);
    for (int fired : r.Fired)
        line += " " + std::to_string(fired);
    return line + " " + r.Error + "\n";
}

bool DecodeRun(const std::string& line, int& level, TRunResult& r) {
    std::istringstream in(line);
    int outcome = 0;
    if (!(in >> level >> outcome >> r.Ticks >> r.Actions >> r.Refused)) return false;
    for (int& fired : r.Fired)
        in >> fired;
    r.Outcome = TRunResult::TOutcome(outcome);
    std::getline(in >> std::ws, r.Error);
    return true;
}

void PlaySeeds(TLevelFigures& level, const TCheckOptions& options) {
    TRunOptions run;
    run.ThinkMs = options.ThinkMs;
    run.Lookahead = options.Lookahead;
    for (int s = 0; s < options.Seeds; ++s)
        level.Runs.push_back(PlayLevel(level.Level, level.Seconds, options.FirstSeed + s, run));
}

// Plays the levels in child processes, each taking every jobs-th level; the board is global state,
// so no threads.
void PlayInChildren(std::vector<TLevelFigures*>& levels, const TCheckOptions& options) {
    std::vector<std::pair<pid_t, int>> children;
    for (int job = 0; job < options.Jobs; ++job) {
        int pipes[2];
        if (pipe(pipes) != 0) throw std::runtime_error("no pipe for a child process");
        std::fflush(stdout);
        pid_t pid = fork();
        if (pid == 0) {
            close(pipes[0]);
            std::string out;
            for (size_t i = size_t(job); i < levels.size(); i += size_t(options.Jobs)) {
                PlaySeeds(*levels[i], options);
                for (const TRunResult& r : levels[i]->Runs)
                    out += EncodeRun(levels[i]->Level, r);
            }
            for (size_t done = 0; done < out.size();) {
                ssize_t n = write(pipes[1], out.data() + done, out.size() - done);
                if (n <= 0) break;
                done += size_t(n);
            }
            _exit(0);
        }
        close(pipes[1]);
        children.push_back({pid, pipes[0]});
    }
    std::map<int, TLevelFigures*> byLevel;
    for (TLevelFigures* level : levels)
        byLevel[level->Level] = level;
    for (auto [pid, fd] : children) {
        std::string text;
        char buffer[4096];
        for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
            text.append(buffer, size_t(n));
        close(fd);
        waitpid(pid, nullptr, 0);
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            int level = 0;
            TRunResult r;
            if (DecodeRun(line, level, r) && byLevel.count(level)) byLevel[level]->Runs.push_back(r);
        }
    }
}

void Trace(const TCheckOptions& options, int seconds, std::ostream& out) {
    TRunOptions run;
    run.ThinkMs = options.ThinkMs;
    run.Lookahead = options.Lookahead;
    run.Trace = &out;
    TRunResult r = PlayLevel(options.TraceLevel, seconds, options.TraceSeed, run);
    static const char* outcomes[] = {"won", "stuck", "stopped", "error"};
    out << "level " << options.TraceLevel << " seed " << options.TraceSeed << ": " << outcomes[r.Outcome]
        << " after " << r.Actions << " actions, " << r.Ticks << " ticks"
        << (r.Error.empty() ? "" : ": " + r.Error) << "\n";
}

} // namespace

const char* Usage() {
    return "usage: levelcheck [--prefix DIR] [--count N] [--levels A-B] [--seeds N] [--first-seed S]\n"
           "                  [--think-ms MS] [--lookahead 0|1] [--jobs N] [--table FILE] [--trace L:S]\n"
           "                  [--no-play] [--help]\n";
}

bool ParseArguments(int argc, char** argv, TCheckOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.Help = true;
            return true;
        }
        bool flag = arg == "--no-play";
        if (flag) {
            options.Play = false;
            continue;
        }
        if (i + 1 >= argc) return error = arg + " needs a value", false;
        std::string value = argv[++i];
        bool ok = true;
        if (arg == "--prefix") {
            options.Prefix = value.empty() || value.back() == '/' ? value : value + "/";
        } else if (arg == "--count") {
            ok = ReadInt(value.c_str(), options.Count) && options.Count >= 1;
        } else if (arg == "--levels") {
            ok = ReadPair(value, '-', options.First, options.Last) && options.First >= 1 &&
                 options.Last >= options.First;
        } else if (arg == "--seeds") {
            ok = ReadInt(value.c_str(), options.Seeds) && options.Seeds >= 1;
        } else if (arg == "--first-seed") {
            ok = ReadInt(value.c_str(), options.FirstSeed);
        } else if (arg == "--think-ms") {
            ok = ReadInt(value.c_str(), options.ThinkMs) && options.ThinkMs >= 0;
        } else if (arg == "--lookahead") {
            ok = ReadInt(value.c_str(), options.Lookahead);
        } else if (arg == "--jobs") {
            ok = ReadInt(value.c_str(), options.Jobs) && options.Jobs >= 1;
        } else if (arg == "--table") {
            options.Table = value;
        } else if (arg == "--trace") {
            ok = ReadPair(value, ':', options.TraceLevel, options.TraceSeed) && options.TraceLevel >= 1 &&
                 value.find(':') != std::string::npos;
        } else {
            return error = "unknown option " + arg, false;
        }
        if (!ok) return error = "bad value for " + arg + ": " + value, false;
    }
    return true;
}

int RunCommandLine(int argc, char** argv, TCheckOptions options, int panelWidth, std::ostream& out,
                   std::ostream& err) {
    std::string error;
    if (!ParseArguments(argc, argv, options, error)) {
        err << "levelcheck: " << error << "\n" << Usage();
        return EXIT_USAGE;
    }
    if (options.Help) {
        out << Usage();
        return EXIT_CLEAN;
    }
    return RunChecker(options, panelWidth, out);
}

int RunChecker(const TCheckOptions& options, int panelWidth, std::ostream& out) {
    auto start = std::chrono::steady_clock::now();
    int last = options.Last > 0 ? options.Last : options.Count;
    SetRunTimeErrorHandler([](const std::string& message, int) -> int { throw std::runtime_error(message); });
    BoardHeadlessStart(options.Prefix, 0);
    TProblems problems = CheckSet(options.Prefix, options.Count, options.First, last);
    std::vector<TLevelSource> sources;
    std::vector<TLevelFigures> figures;
    for (int n = options.First; n <= last; ++n) {
        TProblems own;
        TLevelSource source = ReadLevel(options.Prefix, n, own);
        if (source.Text.empty() && !source.Parsed) {
            problems.insert(problems.end(), own.begin(), own.end());
            continue;
        }
        TProblems style = CheckStyle(source);
        // The parse's refusal says once more what the style check found on its line.
        if (!own.empty() &&
            std::any_of(style.begin(), style.end(), [&](const TProblem& p) { return p.Line == own[0].Line; }))
            own.clear();
        for (const TProblems& more :
             {style, CheckDesign(source, panelWidth), CheckPattern(source), CheckChapterPlan(source)})
            own.insert(own.end(), more.begin(), more.end());
        TFillFigures fill;
        if (source.Parsed) {
            try {
                TProblems board = CheckOnBoard(source, fill);
                own.insert(own.end(), board.begin(), board.end());
            } catch (const std::exception& error) {
                own.push_back({LevelFileName(n), 0, 0, error.what()});
            }
            BoardResetGlobals();
        }
        std::stable_sort(own.begin(), own.end(),
                         [](const TProblem& a, const TProblem& b) { return a.Line < b.Line; });
        problems.insert(problems.end(), own.begin(), own.end());
        sources.push_back(source);
        if (own.empty()) {
            figures.emplace_back();
            figures.back().SetDesign(source, fill);
        }
    }
    for (const TProblems& more : {CheckUniqueNames(sources), CheckUniqueOutlines(sources)})
        problems.insert(problems.end(), more.begin(), more.end());
    for (const TProblem& problem : problems)
        out << problem.Format() << "\n";

    if (options.TraceLevel > 0) {
        for (const TLevelFigures& level : figures)
            if (level.Level == options.TraceLevel) Trace(options, level.Seconds, out);
        SetRunTimeErrorHandler(nullptr);
        return problems.empty() ? EXIT_CLEAN : EXIT_PROBLEMS;
    }
    int failing = 0, errors = 0;
    long long ticks = 0;
    if (options.Play) {
        std::vector<TLevelFigures*> toPlay;
        for (TLevelFigures& level : figures)
            toPlay.push_back(&level);
        if (options.Jobs > 1)
            PlayInChildren(toPlay, options);
        else
            for (TLevelFigures* level : toPlay)
                PlaySeeds(*level, options);
        for (const TLevelFigures& level : figures) {
            out << SummaryLine(level, options.ThinkMs) << "\n";
            for (const TRunResult& r : level.Runs) {
                ticks += r.Ticks;
                if (r.Outcome == TRunResult::FAILED)
                    out << LevelFileName(level.Level) << ": " << r.Error << "\n";
            }
            failing += level.Fails(options.ThinkMs);
            errors += level.Failed();
        }
        for (const std::string& warning : TargetWarnings(figures, options.ThinkMs))
            out << "warning: " << warning << "\n";
        if (!options.Table.empty()) {
            std::ofstream table(options.Table);
            table << DifficultyTable(figures, options.FirstSeed, options.Seeds, options.ThinkMs);
            if (!table) out << options.Table << ": the table could not be written\n", ++errors;
        }
    }
    BoardResetGlobals();
    SetRunTimeErrorHandler(nullptr);
    double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    int runs = options.Play ? int(figures.size()) * options.Seeds : 0;
    char total[256];
    std::snprintf(
        total, sizeof total,
        "%d levels checked, %zu problems, %d runs, %d run errors, %d failing levels; wall time %.1f s "
        "(%.1f games/s, %.0f ticks/s)\n",
        last - options.First + 1, problems.size(), runs, errors, failing, wall, runs / wall,
        double(ticks) / wall);
    out << total;
    return problems.empty() && failing == 0 && errors == 0 ? EXIT_CLEAN : EXIT_PROBLEMS;
}

} // namespace levelcheck

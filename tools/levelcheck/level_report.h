// The figures of a level's runs, the checker's summary lines and warnings, and the difficulty table
// in Markdown.
#pragma once

#include "level_rules.h"
#include "level_runner.h"

#include <string>
#include <vector>

namespace levelcheck {

// A level's design figures and the results of its runs.
struct TLevelFigures {
    int Level = 0;
    std::string Name;
    int Width = 0, Height = 0, Active = 0, Gold = 0, Thick = 0, Cubes = 0;
    std::vector<int> Bonus;
    int Seconds = 0;
    double MeanFills = 0.0;
    std::vector<TRunResult> Runs;

    void SetDesign(const TLevelSource& source, const TFillFigures& fill);
    int Count(TRunResult::TOutcome outcome) const;
    int WinsWithin(int thinkMs) const;
    int Failed() const { return Count(TRunResult::FAILED); }
    // Fewer than half the seeds won within the level's time.
    bool Fails(int thinkMs) const { return Runs.empty() || WinsWithin(thinkMs) * 2 < int(Runs.size()); }
    // Of the wins: the median and 90th-percentile time in ms, the median actions.
    double WinTime(double quantile, int thinkMs) const;
    int MedianActions() const;
    // 1 - median / time line; 0 without a win.
    double Margin(int thinkMs) const;
    int Fired(int code) const;
    int Refused() const;
};

// "level 7 "Ring": 9/10 won within 150 s, ..." for standard output.
std::string SummaryLine(const TLevelFigures& level, int thinkMs);
// The curve's targets missed: wins, margin, runs without a move, the chapter means.
std::vector<std::string> TargetWarnings(const std::vector<TLevelFigures>& levels, int thinkMs);
// The difficulty table in Markdown: a row per level, a row per chapter with its means and targets.
std::string DifficultyTable(const std::vector<TLevelFigures>& levels, int firstSeed, int seeds, int thinkMs);

} // namespace levelcheck

#include "level_report.h"

#include "chapter_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace levelcheck {

namespace {

constexpr int STUCK_MAX_PERCENT = 4;

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Seconds(double ms) {
    return Fixed(ms / 1000.0, 1) + " s";
}

std::string Percent(double share) {
    return Fixed(share * 100.0, 0) + "%";
}

std::string Join(const std::vector<int>& codes) {
    if (codes.empty()) return "0";
    std::string text;
    for (int code : codes)
        text += (text.empty() ? "" : ",") + std::to_string(code);
    return text;
}

std::string FiredText(const TLevelFigures& level) {
    std::string text;
    for (int code = 8; code <= 15; ++code)
        if (level.Fired(code))
            text +=
                (text.empty() ? "" : " ") + std::to_string(code) + ":" + std::to_string(level.Fired(code));
    return text.empty() ? "-" : text;
}

double WinShare(const TLevelFigures& level, int thinkMs) {
    return level.Runs.empty() ? 0.0 : double(level.WinsWithin(thinkMs)) / double(level.Runs.size());
}

} // namespace

void TLevelFigures::SetDesign(const TLevelSource& source, const TFillFigures& fill) {
    const TLevelFile& f = source.File;
    Level = source.Level;
    Name = f.Name;
    Width = f.Width;
    Height = f.Height;
    Seconds = f.TimeSeconds;
    Bonus = f.Bonus;
    MeanFills = fill.MeanFills;
    Active = Gold = Thick = Cubes = 0;
    for (int y = 0; y < f.Height; ++y)
        for (int x = 0; x < f.Width; ++x) {
            int code = f.Codes[x][y];
            if (code == 0) continue;
            ++Active;
            bool thick = code == 3 || code == 4 || code >= 21;
            bool iced = code != -1;
            Gold += thick ? 2 : iced ? 1 : 0;
            Thick += thick;
            Cubes += code == 2 || code == 4;
        }
}

int TLevelFigures::Count(TRunResult::TOutcome outcome) const {
    return int(
        std::count_if(Runs.begin(), Runs.end(), [&](const TRunResult& r) { return r.Outcome == outcome; }));
}

int TLevelFigures::WinsWithin(int thinkMs) const {
    return int(std::count_if(Runs.begin(), Runs.end(),
                             [&](const TRunResult& r) { return r.WonWithin(Seconds, thinkMs); }));
}

double TLevelFigures::WinTime(double quantile, int thinkMs) const {
    std::vector<double> times;
    for (const TRunResult& r : Runs)
        if (r.Outcome == TRunResult::WON) times.push_back(r.TimeMs(thinkMs));
    if (times.empty()) return 0.0;
    std::sort(times.begin(), times.end());
    if (quantile == 0.5 && times.size() % 2 == 0)
        return (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2.0;
    size_t index = size_t(std::ceil(quantile * double(times.size()))) - 1;
    return times[std::min(index, times.size() - 1)];
}

int TLevelFigures::MedianActions() const {
    std::vector<int> actions;
    for (const TRunResult& r : Runs)
        if (r.Outcome == TRunResult::WON) actions.push_back(r.Actions);
    if (actions.empty()) return 0;
    std::sort(actions.begin(), actions.end());
    return actions[(actions.size() - 1) / 2];
}

double TLevelFigures::Margin(int thinkMs) const {
    double median = WinTime(0.5, thinkMs);
    return median > 0.0 && Seconds > 0 ? 1.0 - median / (Seconds * 1000.0) : 0.0;
}

int TLevelFigures::Fired(int code) const {
    int n = 0;
    for (const TRunResult& r : Runs)
        n += r.Fired[size_t(code)];
    return n;
}

int TLevelFigures::Refused() const {
    int n = 0;
    for (const TRunResult& r : Runs)
        n += r.Refused;
    return n;
}

std::string SummaryLine(const TLevelFigures& level, int thinkMs) {
    int seeds = int(level.Runs.size());
    std::string line = "level " + std::to_string(level.Level) + " \"" + level.Name +
                       "\": " + std::to_string(level.WinsWithin(thinkMs)) + "/" + std::to_string(seeds) +
                       " won within " + std::to_string(level.Seconds) + " s (" +
                       std::to_string(level.Count(TRunResult::WON) - level.WinsWithin(thinkMs)) + " over, " +
                       std::to_string(level.Count(TRunResult::STUCK)) + " stuck, " +
                       std::to_string(level.Count(TRunResult::STOPPED)) + " stopped";
    if (level.Failed()) line += ", " + std::to_string(level.Failed()) + " errors";
    line += "), median " + Seconds(level.WinTime(0.5, thinkMs)) + ", 90th " +
            Seconds(level.WinTime(0.9, thinkMs)) + ", margin " + Percent(level.Margin(thinkMs)) +
            ", median " + std::to_string(level.MedianActions()) + " actions, items " + FiredText(level) +
            ", refused " + std::to_string(level.Refused()) + ", fills " + Fixed(level.MeanFills, 2);
    if (level.Fails(thinkMs)) line += ": FAILS (fewer than half the seeds won within the time)";
    return line;
}

std::vector<std::string> TargetWarnings(const std::vector<TLevelFigures>& levels, int thinkMs) {
    std::vector<std::string> warnings;
    std::map<int, std::vector<const TLevelFigures*>> chapters;
    for (const TLevelFigures& level : levels) {
        if (level.Runs.empty()) continue;
        chapters[ChapterOf(level.Level)].push_back(&level);
        const TChapterPlan& target = ChapterPlan(level.Level);
        std::string name = "level " + std::to_string(level.Level) + ": ";
        double wins = WinShare(level, thinkMs), margin = level.Margin(thinkMs);
        if (wins * 100.0 < target.Wins)
            warnings.push_back(name + Percent(wins) + " won within the time (target " +
                               std::to_string(target.Wins) + "%)");
        if (margin * 100.0 < target.Margin.Low || margin * 100.0 > target.Margin.High)
            warnings.push_back(name + "margin " + Percent(margin) + " (target " +
                               std::to_string(target.Margin.Low) + "-" + std::to_string(target.Margin.High) +
                               "%)");
        if (level.Count(TRunResult::STUCK) * 100 > STUCK_MAX_PERCENT * int(level.Runs.size()))
            warnings.push_back(name + std::to_string(level.Count(TRunResult::STUCK)) +
                               " runs ended without a move (at most " + std::to_string(STUCK_MAX_PERCENT) +
                               "%)");
    }
    double previous = 2.0;
    for (const auto& [chapter, members] : chapters) {
        double sum = 0.0, lowest = 2.0;
        for (const TLevelFigures* level : members) {
            sum += level->Margin(thinkMs);
            lowest = std::min(lowest, level->Margin(thinkMs));
        }
        double mean = sum / double(members.size());
        std::string name = "chapter " + std::to_string(chapter) + ": ";
        if (mean >= previous)
            warnings.push_back(name + "mean margin " + Percent(mean) + " not below the chapter before (" +
                               Percent(previous) + ")");
        previous = mean;
        const TLevelFigures* last = members.back();
        if (last->Level % 5 == 0 && last->Margin(thinkMs) > lowest)
            warnings.push_back(name + "level " + std::to_string(last->Level) +
                               " is not the chapter's lowest margin");
    }
    return warnings;
}

std::string DifficultyTable(const std::vector<TLevelFigures>& levels, int firstSeed, int seeds, int thinkMs) {
    std::string table = "# Difficulty of the levels\n\nSeeds " + std::to_string(firstSeed) + "-" +
                        std::to_string(firstSeed + seeds - 1) + ", think time " + std::to_string(thinkMs) +
                        " ms per action, no double power.\n\n";
    table += "| Level | Name | Size | Active | Gold | Thick | Cubes | Bonus line | Time | Won within | Stuck "
             "| Median | "
             "90th | Margin | Actions | Items fired |\n";
    table += "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n";
    std::map<int, std::vector<const TLevelFigures*>> chapters;
    for (const TLevelFigures& l : levels) {
        chapters[ChapterOf(l.Level)].push_back(&l);
        table += "| " + std::to_string(l.Level) + " | " + l.Name + " | " + std::to_string(l.Width) + "x" +
                 std::to_string(l.Height) + " | " + std::to_string(l.Active) + " | " +
                 std::to_string(l.Gold) + " | " + std::to_string(l.Thick) + " | " + std::to_string(l.Cubes) +
                 " | " + Join(l.Bonus) + " | " + std::to_string(l.Seconds) + " s | " +
                 std::to_string(l.WinsWithin(thinkMs)) + "/" + std::to_string(l.Runs.size()) + " | " +
                 std::to_string(l.Count(TRunResult::STUCK)) + " | " + Seconds(l.WinTime(0.5, thinkMs)) +
                 " | " + Seconds(l.WinTime(0.9, thinkMs)) + " | " + Percent(l.Margin(thinkMs)) + " | " +
                 std::to_string(l.MedianActions()) + " | " + FiredText(l) + " |\n";
    }
    table += "\n| Chapter | Levels | Mean Gold | Mean thick share | Mean cubes | Won within | Target | Mean "
             "margin | "
             "Target |\n|---|---|---|---|---|---|---|---|---|\n";
    for (const auto& [chapter, members] : chapters) {
        double gold = 0, thick = 0, cubes = 0, wins = 0, margin = 0;
        for (const TLevelFigures* l : members) {
            gold += l->Gold;
            int iced = l->Gold - l->Thick; // each iced cell gives a layer, thick ice a second
            thick += iced > 0 ? double(l->Thick) / double(iced) : 0.0;
            cubes += l->Cubes;
            wins += WinShare(*l, thinkMs);
            margin += l->Margin(thinkMs);
        }
        double n = double(members.size());
        const TChapterPlan& t = CHAPTER_PLAN[chapter - 1];
        table += "| " + std::to_string(chapter) + " | " + std::to_string(members.front()->Level) + "-" +
                 std::to_string(members.back()->Level) + " | " + Fixed(gold / n, 0) + " | " +
                 Percent(thick / n) + " | " + Fixed(cubes / n, 1) + " | " + Percent(wins / n) + " | " +
                 std::to_string(t.Wins) + "% | " + Percent(margin / n) + " | " +
                 std::to_string(t.Margin.Low) + "-" + std::to_string(t.Margin.High) + "% |\n";
    }
    return table;
}

} // namespace levelcheck

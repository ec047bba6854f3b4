#include "level_design.h"

#include "chapter_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace levelcheck {

namespace {

// 0 a hole, 1 plain, 2 a pane, 3 thick ice; ice cubes and preset items count as the ice below.
int CellClass(int code) {
    if (code == 0) return 0;
    if (code == -1) return 1;
    return code == 3 || code == 4 || code >= 21 ? 3 : 2;
}

// The classes of the cells inside the box around the active cells, indexed [x][y].
using TGrid = std::vector<std::vector<int>>;

TGrid Classes(const TLevelFile& f) {
    int x0 = f.Width, y0 = f.Height, x1 = -1, y1 = -1;
    for (int x = 0; x < f.Width; ++x)
        for (int y = 0; y < f.Height; ++y)
            if (f.Codes[x][y] != 0) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    TGrid grid;
    for (int x = x0; x <= x1; ++x) {
        grid.emplace_back();
        for (int y = y0; y <= y1; ++y)
            grid.back().push_back(CellClass(f.Codes[x][y]));
    }
    return grid;
}

// One of the eight symmetries of the rectangle: bit 2 swaps the axes, bits 0 and 1 mirror x and y.
TGrid Transform(const TGrid& g, int k) {
    int w = int(g.size()), h = w ? int(g[0].size()) : 0;
    TGrid t = g;
    if (k & 4) {
        t.assign(size_t(h), std::vector<int>(size_t(w)));
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y)
                t[size_t(y)][size_t(x)] = g[size_t(x)][size_t(y)];
    }
    if (k & 1) std::reverse(t.begin(), t.end());
    if (k & 2)
        for (auto& column : t)
            std::reverse(column.begin(), column.end());
    return t;
}

int Agreeing(const TGrid& g) {
    int n = 0;
    for (size_t x = 0; x < g.size(); ++x)
        for (size_t y = 0; y < g[x].size(); ++y) {
            if (!g[x][y]) continue;
            if (x + 1 < g.size() && g[x + 1][y] == g[x][y]) ++n;
            if (y + 1 < g[x].size() && g[x][y + 1] == g[x][y]) ++n;
        }
    return n;
}

double BestSymmetry(const TGrid& g) {
    int active = 0;
    for (const auto& column : g)
        active += int(std::count_if(column.begin(), column.end(), [](int c) { return c != 0; }));
    double best = 0.0;
    for (int k = 1; k < 8 && active; ++k) {
        TGrid t = Transform(g, k);
        if (t.size() != g.size() || t[0].size() != g[0].size()) continue;
        int same = 0;
        for (size_t x = 0; x < g.size(); ++x)
            for (size_t y = 0; y < g[x].size(); ++y)
                same += g[x][y] != 0 && t[x][y] == g[x][y];
        best = std::max(best, double(same) / active);
    }
    return best;
}

// The outline of active cells, the same text for every turned or mirrored copy.
std::string OutlineKey(const TLevelFile& f) {
    TGrid g = Classes(f);
    std::string best;
    for (int k = 0; k < 8; ++k) {
        TGrid t = Transform(g, k);
        std::string key = std::to_string(t.size()) + "x" + std::to_string(t.empty() ? 0 : t[0].size()) + ":";
        for (const auto& column : t)
            for (int c : column)
                key += c ? '#' : '.';
        if (best.empty() || key < best) best = key;
    }
    return best;
}

std::string Range(TRange range, const char* unit = "") {
    return std::to_string(range.Low) + unit + "-" + std::to_string(range.High) + unit;
}

bool Within(int value, TRange range) {
    return value >= range.Low && value <= range.High;
}

} // namespace

TPatternFigures PatternFigures(const TLevelFile& file, unsigned seed) {
    TPatternFigures figures;
    TGrid g = Classes(file);
    figures.Agreeing = Agreeing(g);
    figures.Symmetry = BestSymmetry(g);
    std::vector<int> cells;
    for (const auto& column : g)
        for (int c : column)
            if (c) cells.push_back(c);
    std::mt19937 random(seed);
    double sum = 0.0, squares = 0.0;
    for (int s = 0; s < DESIGN_SHUFFLES; ++s) {
        for (size_t i = cells.size(); i > 1; --i)
            std::swap(cells[i - 1], cells[random() % i]);
        TGrid shuffled = g;
        size_t next = 0;
        for (auto& column : shuffled)
            for (int& c : column)
                if (c) c = cells[next++];
        double n = Agreeing(shuffled);
        sum += n, squares += n * n;
    }
    figures.ShuffleMean = sum / DESIGN_SHUFFLES;
    figures.ShuffleSd =
        std::sqrt(std::max(0.0, squares / DESIGN_SHUFFLES - figures.ShuffleMean * figures.ShuffleMean));
    if (figures.ShuffleSd > 1e-9) figures.Z = (figures.Agreeing - figures.ShuffleMean) / figures.ShuffleSd;
    return figures;
}

TProblems CheckPattern(const TLevelSource& source) {
    if (!source.Parsed) return {};
    TPatternFigures p = PatternFigures(source.File, unsigned(source.Level));
    if (p.Z >= DESIGN_MIN_Z || p.Symmetry >= DESIGN_MIN_SYMMETRY) return {};
    char text[200];
    std::snprintf(text, sizeof text,
                  "the ice reads as a scatter: neighbours agree at z %+.1f over %d shuffles (at least +%.1f) "
                  "and the best symmetry holds %.0f%% (at least %.0f%%)",
                  p.Z, DESIGN_SHUFFLES, DESIGN_MIN_Z, p.Symmetry * 100.0, DESIGN_MIN_SYMMETRY * 100.0);
    return {{LevelFileName(source.Level), 0, 0, text}};
}

TProblems CheckChapterPlan(const TLevelSource& source) {
    const TLevelFile& f = source.File;
    if (!source.Parsed || source.Level < 1) return {};
    const TChapterPlan& plan = ChapterPlan(source.Level);
    std::string file = LevelFileName(source.Level),
                in = " (chapter " + std::to_string(ChapterOf(source.Level)) + ": ";
    TProblems problems;
    int shortSide = std::min(f.Width, f.Height), longSide = std::max(f.Width, f.Height);
    if (!Within(shortSide, plan.ShortSide) || !Within(longSide, plan.LongSide))
        problems.push_back({file, source.RowLine(0) - 2, 0,
                            "the size " + std::to_string(f.Width) + " x " + std::to_string(f.Height) +
                                " leaves the plan" + in + std::to_string(plan.LongSide.Low) + "x" +
                                std::to_string(plan.ShortSide.Low) + " to " +
                                std::to_string(plan.LongSide.High) + "x" +
                                std::to_string(plan.ShortSide.High) + ", either way round)"});
    int gold = 0, thick = 0, iced = 0;
    for (int x = 0; x < f.Width; ++x)
        for (int y = 0; y < f.Height; ++y) {
            int c = CellClass(f.Codes[x][y]);
            iced += c >= 2, thick += c == 3, gold += c == 3 ? 2 : c == 2 ? 1 : 0;
        }
    if (!Within(gold, plan.Gold))
        problems.push_back(
            {file, 0, 0, "Gold " + std::to_string(gold) + " leaves the plan" + in + Range(plan.Gold) + ")"});
    int share = iced ? int(std::lround(100.0 * thick / iced)) : 0;
    if (!Within(share, plan.Thick))
        problems.push_back({file, 0, 0,
                            "thick ice on " + std::to_string(share) + "% of the iced cells leaves the plan" +
                                in + Range(plan.Thick, "%") + ")"});
    return problems;
}

TProblems CheckUniqueOutlines(const std::vector<TLevelSource>& sources) {
    TProblems problems;
    std::map<std::string, int> seen;
    for (const TLevelSource& s : sources) {
        if (!s.Parsed) continue;
        auto [it, fresh] = seen.insert({OutlineKey(s.File), s.Level});
        if (!fresh)
            problems.push_back({LevelFileName(s.Level), 0, 0,
                                "the outline of holes is also level " + std::to_string(it->second) +
                                    "'s (turned or mirrored)"});
    }
    return problems;
}

} // namespace levelcheck

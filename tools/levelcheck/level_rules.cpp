#include "level_rules.h"

#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/board_fill.h"
#include "board/board_grid.h"
#include "platform/random.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

namespace levelcheck {

namespace {

// The level that first shows an item (8..15) and the level from which ice cubes and thick ice
// may appear.
int ItemIntroduced(int code) {
    static const std::map<int, int> levels = {{8, 1},  {9, 2},  {14, 3}, {10, 4},
                                              {13, 5}, {12, 6}, {11, 7}, {15, 8}};
    auto it = levels.find(code);
    return it == levels.end() ? 1 : it->second;
}
constexpr int CUBES_FROM = 3;
constexpr int THICK_FROM = 9;

bool IsCube(int code) {
    return code == 2 || code == 4;
}
bool IsThick(int code) {
    return code == 3 || code == 4 || (code >= 28 && code <= 35);
}
bool IsIced(int code) {
    return (code >= 1 && code <= 4) || (code >= 8 && code <= 15) || (code >= 28 && code <= 35);
}
int PresetItem(int code) {
    if (code >= 8 && code <= 15) return code;
    if (code >= 28 && code <= 35) return code - 20;
    return 0;
}
bool UsedCode(int code) {
    return (code >= -1 && code <= 4) || PresetItem(code) != 0;
}

bool PlainInteger(const std::string& value) {
    size_t i = !value.empty() && value[0] == '-' ? 1 : 0;
    if (i >= value.size()) return false;
    return std::all_of(value.begin() + long(i), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The values of a line split at every comma, empty ones kept.
std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> values;
    std::string value;
    std::istringstream in(line);
    while (std::getline(in, value, ','))
        values.push_back(value);
    if (!line.empty() && line.back() == ',') values.push_back("");
    return values;
}

class TReporter {
public:
    TReporter(const TLevelSource& s, TProblems& p) : source(s), problems(p) {}
    void At(int line, int column, const std::string& text) {
        problems.push_back({LevelFileName(source.Level), line, column, text});
    }
    void Cell(int x, int y, const std::string& text) { At(source.RowLine(y), x + 1, text); }

private:
    const TLevelSource& source;
    TProblems& problems;
};

// The lines of the text split at line feeds, with the line feed at the end noted.
std::vector<std::string> Lines(const std::string& text, bool& finalFeed) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    finalFeed = line.empty() && !text.empty();
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void CheckPlainValues(TReporter& report, int lineNo, const std::string& line) {
    std::vector<std::string> values = Split(line);
    for (size_t i = 0; i < values.size(); ++i)
        if (!PlainInteger(values[i]))
            report.At(lineNo, int(i) + 1,
                      values[i].empty() ? "an empty value" : "\"" + values[i] + "\" is not a plain integer");
}

void CheckName(TReporter& report, const std::string& line) {
    if (line.rfind("REM,", 0) != 0) {
        report.At(1, 0, "the first line is not REM,<name>");
        return;
    }
    std::string name = line.substr(4);
    bool printable = std::all_of(name.begin(), name.end(), [](char c) { return c >= 32 && c < 127; });
    if (name.empty() || name.size() > 32 || !printable || name.find(',') != std::string::npos)
        report.At(1, 0, "the name is not 1 to 32 printable characters without a comma");
}

void CheckHeader(TReporter& report, const std::vector<std::string>& lines, int base) {
    auto line = [&](int k) { return base + k < int(lines.size()) ? lines[size_t(base + k)] : std::string(); };
    for (int k = 0; k < 4; ++k)
        if (base + k < int(lines.size())) CheckPlainValues(report, base + k + 1, line(k));
    if (PlainInteger(line(0))) {
        int seconds = std::stoi(line(0).substr(0, 9));
        if (line(0).size() > 9 || seconds < 60 || seconds > 900)
            report.At(base + 1, 0, "the time " + line(0) + " is not 60 to 900 seconds");
    }
    std::vector<std::string> bonus = Split(line(1));
    if (line(1) != "0") {
        if (bonus.size() > 16) report.At(base + 2, 0, "more than 16 bonus codes");
        for (size_t i = 0; i < bonus.size(); ++i)
            if (PlainInteger(bonus[i]) && (std::stoi(bonus[i]) < 8 || std::stoi(bonus[i]) > 15))
                report.At(base + 2, int(i) + 1, "bonus code " + bonus[i] + " is not 8 to 15");
    }
    if (Split(line(2)).size() != 2) report.At(base + 3, 0, "the size line is not <width>,<height>");
    if (line(3) != "0,0") report.At(base + 4, 0, "the offset line is not 0,0");
}

void CheckRows(TReporter& report, const std::vector<std::string>& lines, int base,
               const TLevelSource& source) {
    int first = base + 4;
    int rows = int(lines.size()) - first;
    std::vector<std::string> size = Split(base + 2 < int(lines.size()) ? lines[size_t(base + 2)] : "");
    if (size.size() != 2 || !PlainInteger(size[0]) || !PlainInteger(size[1])) return;
    int w = std::stoi(size[0].substr(0, 6)), h = std::stoi(size[1].substr(0, 6));
    if (rows != h)
        report.At(int(lines.size()), 0,
                  std::to_string(std::max(rows, 0)) + " row lines for a height of " + std::to_string(h));
    for (int y = 0; y < rows; ++y) {
        const std::string& line = lines[size_t(first + y)];
        CheckPlainValues(report, first + y + 1, line);
        std::vector<std::string> values = Split(line);
        if (int(values.size()) != w)
            report.At(first + y + 1, 0,
                      "a row of " + std::to_string(values.size()) + " values on " + std::to_string(w) +
                          " columns");
        for (size_t x = 0; x < values.size(); ++x)
            if (PlainInteger(values[x]) && values[x].size() < 6 && !UsedCode(std::stoi(values[x])))
                report.At(first + y + 1, int(x) + 1, "cell code " + values[x] + " is not one our levels use");
    }
    (void)source;
}

// Some three consecutive active cells of the row or column hold (x, y) and at most one ice cube.
bool Reachable(const TLevelFile& f, int x, int y) {
    for (int horizontal = 0; horizontal < 2; ++horizontal)
        for (int start = -2; start <= 0; ++start) {
            int cubes = 0;
            bool whole = true;
            for (int k = 0; k < 3 && whole; ++k) {
                int cx = horizontal ? x + start + k : x, cy = horizontal ? y : y + start + k;
                whole = cx >= 0 && cy >= 0 && cx < f.Width && cy < f.Height && f.Codes[cx][cy] != 0;
                if (whole) cubes += IsCube(f.Codes[cx][cy]);
            }
            if (whole && cubes <= 1) return true;
        }
    return false;
}

template <typename Visit> void ForCells(const TLevelFile& f, Visit visit) {
    for (int y = 0; y < f.Height; ++y)
        for (int x = 0; x < f.Width; ++x)
            visit(x, y, f.Codes[x][y]);
}

int CountCells(const TLevelFile& f, bool (*test)(int)) {
    int n = 0;
    ForCells(f, [&](int, int, int code) { n += test(code); });
    return n;
}

bool Listed(const TLevelFile& f, int code) {
    return std::find(f.Bonus.begin(), f.Bonus.end(), code) != f.Bonus.end();
}

// The cells presetting an item.
std::vector<std::pair<int, int>> Presets(const TLevelFile& f, int item) {
    std::vector<std::pair<int, int>> cells;
    ForCells(f, [&](int x, int y, int code) {
        if (PresetItem(code) == item) cells.push_back({x, y});
    });
    return cells;
}

int ActiveInRow(const TLevelFile& f, int y) {
    int n = 0;
    for (int x = 0; x < f.Width; ++x)
        n += f.Codes[x][y] != 0;
    return n;
}

int ActiveInColumn(const TLevelFile& f, int x) {
    int n = 0;
    for (int y = 0; y < f.Height; ++y)
        n += f.Codes[x][y] != 0;
    return n;
}

int IcedNeighbours(const TLevelFile& f, int x, int y) {
    int n = 0;
    for (int ax = x - 1; ax <= x + 1; ++ax)
        for (int ay = y - 1; ay <= y + 1; ++ay)
            if ((ax != x || ay != y) && ax >= 0 && ay >= 0 && ax < f.Width && ay < f.Height)
                n += IsIced(f.Codes[ax][ay]);
    return n;
}

void CheckLayout(TReporter& report, const TLevelFile& f, int panelWidth) {
    int x0, y0, x1, y1;
    if (!FrameBox(f, x0, y0, x1, y1)) {
        report.At(4, 0, "the board has no active cell");
        return;
    }
    if (x0 < panelWidth)
        report.At(4, 0,
                  "the frame reaches x " + std::to_string(x0) + ", over the panel (" +
                      std::to_string(panelWidth) + " wide)");
    if (x1 > 799) report.At(4, 0, "the frame reaches x " + std::to_string(x1) + ", past the screen");
    if (y0 < 0) report.At(4, 0, "the frame reaches y " + std::to_string(y0) + ", above the screen");
    if (y1 > 599) report.At(4, 0, "the frame reaches y " + std::to_string(y1) + ", below the screen");
}

// Nothing shows before the level that introduces it.
void CheckIntroductions(TReporter& report, const TLevelSource& s, int bonusLine) {
    const TLevelFile& f = s.File;
    int n = s.Level;
    for (size_t i = 0; i < f.Bonus.size(); ++i)
        if (n < ItemIntroduced(f.Bonus[i]))
            report.At(bonusLine, int(i) + 1,
                      "item " + std::to_string(f.Bonus[i]) + " before level " +
                          std::to_string(ItemIntroduced(f.Bonus[i])) + " introduces it");
    ForCells(f, [&](int x, int y, int code) {
        int item = PresetItem(code);
        if (item && n < ItemIntroduced(item))
            report.Cell(x, y,
                        "item " + std::to_string(item) + " before level " +
                            std::to_string(ItemIntroduced(item)) + " introduces it");
        if (IsCube(code) && n < CUBES_FROM) report.Cell(x, y, "an ice cube before level 3 introduces them");
        if (IsThick(code) && n < THICK_FROM) report.Cell(x, y, "thick ice before level 9 introduces it");
    });
}

// The item a level's hint names is listed, preset, and shows what the hint says.
void CheckHintLevel(TReporter& report, const TLevelSource& s, int bonusLine) {
    static const int items[10] = {0, 8, 9, 14, 10, 13, 12, 11, 15, 0};
    const TLevelFile& f = s.File;
    int n = s.Level;
    if (n < 1 || n > 9) return;
    int item = items[n];
    if (item) {
        if (!Listed(f, item))
            report.At(bonusLine, 0,
                      "level " + std::to_string(n) + " does not list item " + std::to_string(item));
        std::vector<std::pair<int, int>> presets = Presets(f, item);
        if (presets.empty())
            report.At(4, 0, "level " + std::to_string(n) + " presets no item " + std::to_string(item));
        bool shown = presets.empty();
        for (auto [x, y] : presets) {
            if (n == 2)
                shown |= ActiveInRow(f, y) >= 7;
            else if (n == 4)
                shown |= ActiveInColumn(f, x) >= 7;
            else if (n == 6)
                shown |= IcedNeighbours(f, x, y) >= 6;
            else
                shown = true;
        }
        if (!shown) {
            const char* what = n == 2   ? "the cracker's row has fewer than 7 active cells"
                               : n == 4 ? "the cracker's column has fewer than 7 active cells"
                                        : "the snowman has ice on fewer than 6 of its neighbours";
            report.Cell(presets[0].first, presets[0].second, what);
        }
    }
    int cubes = CountCells(f, IsCube);
    int needCubes = n == 3 ? 3 : n == 7 ? 2 : n == 8 ? 1 : 0;
    if (cubes < needCubes)
        report.At(4, 0,
                  "level " + std::to_string(n) + " needs at least " + std::to_string(needCubes) +
                      " ice cubes");
    int thick = 0;
    ForCells(f, [&](int, int, int code) { thick += code == 3; });
    if (n == 9 && thick < 12) report.At(4, 0, "level 9 needs at least 12 cells of thick ice");
}

void CheckReach(TReporter& report, const TLevelSource& s) {
    const TLevelFile& f = s.File;
    bool snowball = Listed(f, 13) || Listed(f, 15) || !Presets(f, 13).empty() || !Presets(f, 15).empty();
    int unreached = 0;
    ForCells(f, [&](int x, int y, int code) {
        if (!IsIced(code) || Reachable(f, x, y)) return;
        if (IsCube(code)) {
            report.Cell(x, y, "an ice cube no line can reach");
        } else if (IsThick(code)) {
            report.Cell(x, y, "thick ice no line can reach");
        } else if (s.Level < 5) {
            report.Cell(x, y, "ice no line can reach before level 5");
        } else if (!snowball) {
            report.Cell(x, y, "ice no line can reach without a snowball or sack");
        } else if (++unreached > 2) {
            report.Cell(x, y, "a third pane no line can reach");
        }
    });
    if (s.Level == 5 && unreached == 0) report.At(4, 0, "level 5 has no ice that only a snowball reaches");
}

void CheckBonusLine(TReporter& report, const TLevelSource& s, int bonusLine) {
    const TLevelFile& f = s.File;
    bool onlyMatchsticks =
        !f.Bonus.empty() && std::all_of(f.Bonus.begin(), f.Bonus.end(), [](int c) { return c == 14; });
    if (onlyMatchsticks && f.Bonus.size() >= 2)
        report.At(bonusLine, 0, "a bonus line of matchsticks only, whose draw never ends");
    if (Listed(f, 14) && CountCells(f, IsCube) == 0)
        report.At(bonusLine, 0, "matchsticks listed in a level without ice cubes");
}

} // namespace

std::string TProblem::Format() const {
    std::string text = File;
    if (Line > 0) text += ":" + std::to_string(Line);
    text += ": ";
    if (Column > 0) text += "column " + std::to_string(Column) + ": ";
    return text + Text;
}

std::string LevelFileName(int level) {
    return "data/levels/" + std::to_string(level) + ".txt";
}

int TLevelSource::RowLine(int y) const {
    bool rem = Text.size() >= 4 && (Text.compare(0, 4, "REM,") == 0 || Text.compare(0, 4, "rem,") == 0);
    return (rem ? 5 : 4) + y + 1;
}

bool FrameBox(const TLevelFile& f, int& x0, int& y0, int& x1, int& y1) {
    int sx = (800 - CELL_SIZE * f.Width) / 2 + 60, sy = (600 - CELL_SIZE * f.Height) / 2;
    bool any = false;
    ForCells(f, [&](int x, int y, int code) {
        if (code == 0) return;
        int left = sx + CELL_SIZE * x - 4, top = sy + CELL_SIZE * y - 4;
        int right = sx + CELL_SIZE * x + 57, bottom = sy + CELL_SIZE * y + 57;
        x0 = any ? std::min(x0, left) : left;
        y0 = any ? std::min(y0, top) : top;
        x1 = any ? std::max(x1, right) : right;
        y1 = any ? std::max(y1, bottom) : bottom;
        any = true;
    });
    return any;
}

TProblems CheckSet(const std::string& prefix, int count, int first, int last) {
    TProblems problems;
    std::filesystem::path folder = std::filesystem::path(prefix) / "data" / "levels";
    std::error_code error;
    std::set<int> present;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::string name = entry.path().filename().string();
        std::string stem = name.size() > 4 ? name.substr(0, name.size() - 4) : "";
        bool number = !stem.empty() && stem.size() <= 3 && stem[0] != '0' &&
                      std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; });
        int n = number ? std::stoi(stem) : 0;
        bool text = name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0;
        if (!number || !text || n > count) {
            problems.push_back({"data/levels/" + name, 0, 0,
                                "not a level of the set (1.txt to " + std::to_string(count) + ".txt)"});
            continue;
        }
        present.insert(n);
    }
    if (error) problems.push_back({"data/levels/", 0, 0, "no such folder under " + prefix});
    for (int n = std::max(first, 1); n <= std::min(last, count); ++n)
        if (!present.count(n)) problems.push_back({LevelFileName(n), 0, 0, "missing from the set"});
    std::sort(problems.begin(), problems.end(),
              [](const TProblem& a, const TProblem& b) { return a.File < b.File; });
    return problems;
}

TLevelSource ReadLevel(const std::string& prefix, int level, TProblems& problems) {
    TLevelSource source;
    source.Level = level;
    std::ifstream in(prefix + LevelFileName(level), std::ios::binary);
    if (!in) return source;
    std::ostringstream text;
    text << in.rdbuf();
    source.Text = text.str();
    TLevelFile::TError error;
    source.Parsed = TLevelFile::Parse(source.Text, source.File, error) == 1;
    if (!source.Parsed) problems.push_back({LevelFileName(level), error.Line, 0, error.Reason});
    return source;
}

TProblems CheckStyle(const TLevelSource& source) {
    TProblems problems;
    TReporter report(source, problems);
    bool finalFeed = false;
    std::vector<std::string> lines = Lines(source.Text, finalFeed);
    size_t cr = source.Text.find('\r');
    if (cr != std::string::npos)
        report.At(int(std::count(source.Text.begin(), source.Text.begin() + long(cr), '\n')) + 1, 0,
                  "a carriage return (lines end with a line feed only)");
    if (lines.empty()) {
        report.At(0, 0, "the file is empty");
        return problems;
    }
    if (!finalFeed) report.At(int(lines.size()), 0, "no line feed at the end of the file");
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].empty()) report.At(int(i) + 1, 0, "a blank line");
    CheckName(report, lines[0]);
    int base = lines[0].rfind("REM,", 0) == 0 ? 1 : 0;
    CheckHeader(report, lines, base);
    CheckRows(report, lines, base, source);
    return problems;
}

TProblems CheckDesign(const TLevelSource& source, int panelWidth) {
    TProblems problems;
    if (!source.Parsed) return problems;
    TReporter report(source, problems);
    int bonusLine = source.RowLine(0) - 3;
    CheckLayout(report, source.File, panelWidth);
    CheckIntroductions(report, source, bonusLine);
    CheckHintLevel(report, source, bonusLine);
    CheckReach(report, source);
    CheckBonusLine(report, source, bonusLine);
    return problems;
}

TProblems CheckOnBoard(const TLevelSource& source, TFillFigures& figures) {
    TProblems problems;
    if (!source.Parsed) return problems;
    TReporter report(source, problems);
    GameGrid = TGameGrid::Create();
    GameGrid->Load(source.Level);
    if (GameGrid->Gold < 15)
        report.At(0, 0, "only " + std::to_string(GameGrid->Gold) + " ice layers (at least 15)");
    for (int x = 0; x < GameGrid->levelwidth; ++x)
        for (int k = 0; k < TopRowCount[x] && k < TOP_ROWS; ++k) {
            TCell* entry = CellAt(x, TopRowY[x][k]);
            if (entry && entry->gemlocked) report.Cell(x, TopRowY[x][k], "ice cube on an entry cell");
        }
    figures = TFillFigures();
    figures.Seeds = FILL_SEEDS;
    int total = 0;
    for (int seed = 1; seed <= FILL_SEEDS; ++seed) {
        platform::SeedRnd(seed);
        int fills = FillGridWithMove(1000);
        if (fills == 0) ++figures.NoMove;
        figures.MaxFills = std::max(figures.MaxFills, fills);
        total += fills == 0 ? 1000 : fills;
        if (GameGrid->DoMatches(1, 0) > 0) ++figures.LinesStanding;
        GameGrid->ClearMatches();
    }
    figures.MeanFills = double(total) / FILL_SEEDS;
    auto seeds = [](int n) { return std::to_string(n) + " of " + std::to_string(FILL_SEEDS) + " seeds: "; };
    if (figures.NoMove > 0) report.At(0, 0, seeds(figures.NoMove) + "no fill has a move in 1000 tries");
    if (figures.NoMove == 0 && figures.MaxFills > 20)
        report.At(0, 0, "a start needs " + std::to_string(figures.MaxFills) + " fills (at most 20)");
    if (figures.NoMove == 0 && figures.MeanFills > 1.5)
        report.At(0, 0,
                  "starts need " + std::to_string(figures.MeanFills).substr(0, 4) +
                      " fills on average (at most 1.5)");
    if (figures.LinesStanding > 0)
        report.At(0, 0, seeds(figures.LinesStanding) + "a line of three stands after the fill");
    GameGrid = nullptr;
    GemList = nullptr;
    return problems;
}

TProblems CheckUniqueNames(const std::vector<TLevelSource>& sources) {
    TProblems problems;
    std::map<std::string, int> seen;
    for (const TLevelSource& s : sources) {
        if (!s.Parsed || s.File.Name.empty()) continue;
        auto [it, fresh] = seen.insert({s.File.Name, s.Level});
        if (!fresh)
            problems.push_back(
                {LevelFileName(s.Level), 1, 0,
                 "the name \"" + s.File.Name + "\" is also level " + std::to_string(it->second) + "'s"});
    }
    return problems;
}

} // namespace levelcheck

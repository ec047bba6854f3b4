// The line finder the board and the bot share, on plain grids of codes: what makes a line, what
// ends one, and how crossing lines count.
#include "board/line_scan.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct TLineCase {
    const char* what;
    std::vector<std::string> rows;   // codes separated by blanks, top row first
    int total;                       // the sum of the lines' lengths
    std::vector<std::string> marked; // "x" a marked cell, "." not
};

// Runs MarkLines over the rows and answers the marks in the notation of TLineCase::marked.
std::vector<std::string> Marks(const std::vector<std::string>& rows, int& total) {
    TLineCodes codes = {};
    int width = 0;
    for (int y = 0; y < int(rows.size()); ++y) {
        std::istringstream in(rows[y]);
        int x = 0;
        for (int code; in >> code; ++x)
            codes[x][y] = code;
        width = x;
    }
    TLineMarks marks;
    total = MarkLines(codes, width, int(rows.size()), marks);
    std::vector<std::string> out(rows.size());
    for (int y = 0; y < int(rows.size()); ++y)
        for (int x = 0; x < width; ++x)
            out[y] += marks[x][y] ? "x" : ".";
    return out;
}

TEST(LineScan, FindsRunsOfThreeOrMoreEqualShapesAndNothingElse) {
    const TLineCase cases[] = {
        {"two runs of three side by side stay two", {"1 1 1 2 2 2"}, 6, {"xxxxxx"}},
        {"a run of five", {"3 3 3 3 3"}, 5, {"xxxxx"}},
        {"a run at the end of the row", {"5 1 1 1"}, 3, {".xxx"}},
        {"two alike are no line", {"1 1 2 1 2 2"}, 0, {"......"}},
        {"an item ends a line", {"1 1 8 1 1"}, 0, {"....."}},
        {"a gone gem ends a line", {"2 2 -1 2 2"}, 0, {"....."}},
        {"an empty cell ends a line", {"4 4 0 4 4"}, 0, {"....."}},
        {"items never make lines", {"9 9 9 9"}, 0, {"...."}},
        {"a column", {"1 2", "1 3", "1 2"}, 3, {"x.", "x.", "x."}},
        {"a crossing cell counts in both lines", {"2 6 2", "6 6 6", "2 6 2"}, 6, {".x.", "xxx", ".x."}},
    };
    for (const TLineCase& c : cases) {
        int total = -1;
        EXPECT_EQ(Marks(c.rows, total), c.marked) << c.what;
        EXPECT_EQ(total, c.total) << c.what;
    }
}

TEST(LineScan, LooksOnlyInsideTheGivenCornerAndClearsOldMarks) {
    TLineCodes codes = {};
    for (int x = 0; x < 3; ++x)
        codes[x][0] = 7;
    TLineMarks marks;
    for (auto& column : marks)
        for (bool& mark : column)
            mark = true;
    EXPECT_EQ(MarkLines(codes, 2, 1, marks), 0) << "the third 7 lies outside a width of 2";
    for (auto& column : marks)
        for (bool mark : column)
            ASSERT_FALSE(mark);
    EXPECT_EQ(MarkLines(codes, 3, 1, marks), 3);
}

} // namespace

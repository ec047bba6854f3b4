// The high-score table and its file: the bytes of its rows, the default and zeroed tables,
// ranking of new results, what loading makes of damaged files, failed saves and file modes.
#include "profiles_fixture.h"

#include "FileModes.h"
#include "profiles/THighScoreList.h"

#include <unistd.h>

namespace profilestest {
namespace {

using Rows = std::vector<THighScore>;

Rows DefaultRows() {
    return {{"Zumbo", 10000, 10}, {"Fennet", 9000, 9}, {"Ravlo", 8000, 8},  {"Mirsk", 7000, 7},
            {"Tolvy", 6000, 6},   {"Gabbin", 5000, 5}, {"Ostrel", 4000, 4}, {"Pindle", 3000, 3},
            {"Wexley", 2000, 2},  {"Umbry", 1000, 1}};
}

Rows RowsOf(const THighScoreList& list) {
    Rows rows;
    for (const auto& row : list)
        rows.push_back(*row);
    return rows;
}

void ExpectRows(const Rows& actual, const Rows& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].name, expected[i].name) << "row " << i;
        EXPECT_EQ(actual[i].score, expected[i].score) << "row " << i;
        EXPECT_EQ(actual[i].level, expected[i].level) << "row " << i;
    }
}

TEST(HighScoreFile, RowsRoundTripWithNamesStoredAwayFromTheirText) {
    std::string printable;
    for (int c = 32; c <= 126; ++c)
        printable.push_back(char(c));
    std::vector<Rows> tables = {{{"", 0, 0}}, {{"A", 1, 1}}, DefaultRows()};
    Rows spread;
    for (size_t at = 0; at < printable.size(); at += 40)
        spread.push_back({printable.substr(at, 40), INT32_MIN, INT32_MAX});
    spread.push_back({std::string(64, '~'), -1, 0});
    tables.push_back(spread);
    for (const Rows& rows : tables) {
        std::string bytes = EncodeHighScoreRows(rows);
        THighScoreDecoded decoded = DecodeHighScoreFile(bytes);
        EXPECT_EQ(decoded.repair, "");
        ExpectRows(decoded.rows, rows);
        size_t at = 0;
        for (const THighScore& row : rows) {
            if (!row.name.empty()) {
                EXPECT_NE(bytes.substr(at, row.name.size()), row.name);
            }
            EXPECT_EQ(bytes[at + row.name.size()], '\0');
            at += row.name.size() + 9;
        }
        EXPECT_EQ(at, bytes.size());
    }
    EXPECT_EQ(EncodeHighScoreRows({{"", 0, 0}}).size(), 9u);
    EXPECT_EQ(EncodeHighScoreRows(DefaultRows()), GoldenHighScores());
    EXPECT_EQ(EncodeHighScoreRows({{"Empty", 0, 0}}).substr(0, 5), Hex("345c5f6368"));
}

class HighScoreTest : public ProfilesTest {
protected:
    THighScoreList& Table() {
        Game->HighScores->Create(Game->SubPath + "sw", 10);
        return *Game->HighScores;
    }
};

TEST_F(HighScoreTest, MissingFileGivesTheDefaultTableAndItsFile) {
    THighScoreList& table = Table();
    EXPECT_EQ(table.filepath, SwPath());
    table.Load();
    ExpectRows(RowsOf(table), DefaultRows());
    EXPECT_EQ(ReadBytes(SwPath()), GoldenHighScores());
    EXPECT_EQ(Notes(), 0);
    ExpectNothingOutside();
}

TEST_F(HighScoreTest, InsertRanksTiesAboveOlderRowsAndAppendsTheLowest) {
    THighScoreList& table = Table();
    table.Insert("First", 50, 1); // an empty table takes it
    table.Add("Low", 10, 1);
    table.Insert("Tie", 50, 2);
    table.Insert("Lowest", 5, 3);
    table.Insert("Top", 99, 4);
    ExpectRows(RowsOf(table),
               {{"Top", 99, 4}, {"Tie", 50, 2}, {"First", 50, 1}, {"Low", 10, 1}, {"Lowest", 5, 3}});
}

TEST_F(HighScoreTest, ZeroWritesEmptyRowsAndZeroOfThemAnEmptyFile) {
    THighScoreList& table = Table();
    table.Zero(10);
    ExpectRows(RowsOf(table), Rows(10, {"Empty", 0, 0}));
    EXPECT_EQ(ReadBytes(SwPath()).size(), 140u);
    EXPECT_EQ(ReadBytes(SwPath()), EncodeHighScoreRows(Rows(10, {"Empty", 0, 0})));
    table.Zero(-3);
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(platform::FileSize(SwPath()), 0);
    table.Add("x", 1, 1);
    table.Load();
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(platform::FileSize(SwPath()), 0);
}

struct DamagedCase {
    std::string label;
    std::string bytes;
    Rows rows;
    bool rewritten;
};

std::vector<DamagedCase> DamagedCases() {
    const std::string golden = GoldenHighScores();
    const Rows defaults = DefaultRows();
    std::vector<DamagedCase> cases;
    cases.push_back({"empty", "", {}, false});
    const size_t ends[] = {14, 29, 43, 57, 71, 86, 101, 116, 131, 145};
    size_t row = 0;
    for (size_t cut = 1; cut <= 145; ++cut) {
        while (ends[row] < cut)
            ++row;
        bool atEnd = ends[row] == cut;
        Rows kept(defaults.begin(), defaults.begin() + long(row + (atEnd ? 1 : 0)));
        if (kept.empty()) kept = defaults;
        cases.push_back({"cut at " + std::to_string(cut), golden.substr(0, cut), kept, !atEnd});
    }
    Rows eleven = defaults;
    eleven.push_back({"Extra", 1, 1});
    cases.push_back({"11 rows", EncodeHighScoreRows(eleven), defaults, true});
    cases.push_back(
        {"1000 rows", EncodeHighScoreRows(Rows(1000, {"Zumbo", 10000, 10})), Rows(10, defaults[0]), true});
    Rows longName = defaults;
    longName[2].name = std::string(65, 'a');
    cases.push_back({"65-byte name", EncodeHighScoreRows(longName), {defaults[0], defaults[1]}, true});
    for (int code : {9, 27, 127, 200}) {
        std::string bytes = golden;
        bytes[15] = char((code - kHighScoreNameOffset + 256) % 256); // row 2's first letter
        cases.push_back({"code " + std::to_string(code), bytes, {defaults[0]}, true});
    }
    Rows odd = {{"../x", 1, 1}, {"%s%n", 2, 2}, {"<b>", 3, 3}, {"CON", 4, 4}, {"a b", 5, 5}};
    cases.push_back({"odd names", EncodeHighScoreRows(odd), odd, false});
    Rows extremes = {{"a", -1, -3}, {"b", INT32_MAX, 1000}, {"c", 5, 2}};
    cases.push_back({"extremes out of order", EncodeHighScoreRows(extremes), extremes, false});
    cases.push_back({"65537 bytes", golden + std::string(65537 - golden.size(), 'x'), defaults, true});
    return cases;
}

TEST_F(HighScoreTest, DamagedFilesKeepTheirSoundRowsOrTheDefaults) {
    for (const DamagedCase& c : DamagedCases()) {
        SCOPED_TRACE(c.label);
        WriteBytes(SwPath(), c.bytes);
        platform::DeleteFile(ErrorLogPath());
        THighScoreList& table = Table();
        table.Load();
        ExpectRows(RowsOf(table), c.rows);
        EXPECT_EQ(ReadBytes(SwPath()), c.rewritten ? EncodeHighScoreRows(c.rows) : c.bytes);
        EXPECT_EQ(Notes(), c.rewritten ? 1 : 0);
        if (c.rewritten) {
            EXPECT_NE(ReadBytes(ErrorLogPath()).find("'" + SwPath() + "' repaired: "), std::string::npos);
        }
        ExpectNothingOutside();
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(HighScoreTest, AFolderInItsPlaceIsNotedNeverRepairedThenEndsTheProgram) {
    ASSERT_TRUE(platform::CreateDir(SwPath(), false));
    THighScoreList& table = Table();
    EXPECT_THROW(table.Load(), coretest::TReportedError);
    EXPECT_EQ(errors, std::vector<std::string>{"Failed to save file " + SwPath()});
    EXPECT_EQ(Notes(), 0);
    EXPECT_NE(ReadBytes(ErrorLogPath()).find("High-score file '" + SwPath() + "' is not a readable file"),
              std::string::npos);
    ExpectNothingOutside();
}

TEST_F(HighScoreTest, SavesFailWithTheirMessageAndLeaveTheOldFile) {
    THighScoreList& table = Table();
    table.Load();
    table.Insert("New", 20000, 11);
    // A target the save may not replace: read-only for everyone (refused even for root).
    chmod(SwPath().c_str(), 0444);
    EXPECT_THROW(table.Save(), coretest::TReportedError);
    chmod(SwPath().c_str(), 0644);
    EXPECT_EQ(errors, std::vector<std::string>{"Failed to save file " + SwPath()});
    EXPECT_EQ(ReadBytes(SwPath()), GoldenHighScores());
    ExpectNothingOutside();
}

TEST_F(HighScoreTest, SavedFilesNeverGetTheOthersWriteBit) {
    testsupport::ScopedUmask open(0);
    THighScoreList& table = Table();
    table.Load();
    EXPECT_EQ(testsupport::ModeOf(SwPath()), mode_t(0664));
    table.Zero(3);
    EXPECT_EQ(testsupport::ModeOf(SwPath()), mode_t(0664));
}

} // namespace
} // namespace profilestest

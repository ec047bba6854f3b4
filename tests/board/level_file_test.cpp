// Level files: the sample level, every cell code, names, times and bonus lines, line endings,
// short rows, the level's shapes, every refusal with its file and line, and a robustness run.
#include "board_fixture.h"

#include "TempDir.h"
#include "board/TLevelFile.h"

#include <filesystem>

using namespace boardtest;

namespace {

class LevelFileTest : public BoardTest {
protected:
    testsupport::TempDir dir;

    // Level 99 with the given text, loaded into a new board.
    std::string WriteLevel(const std::string& text, int level = 99) {
        std::filesystem::create_directories(dir / "data/levels");
        Game->DataPrefix = dir.Path();
        return dir.Write("data/levels/" + std::to_string(level) + ".txt", text);
    }
    TGameGrid& LoadText(const std::string& text) {
        WriteLevel(text);
        GameGrid = TGameGrid::Create();
        GameGrid->Load(99);
        return *GameGrid;
    }
};

TEST_F(LevelFileTest, TheSampleLevelLoadsItsNameSizeTimeBonusesIceAndEntries) {
    GameGrid = TGameGrid::Create();
    GameGrid->Load(1);
    TGameGrid& grid = *GameGrid;
    EXPECT_EQ(grid.LevelName, "Sample");
    EXPECT_EQ(grid.levelwidth, 3);
    EXPECT_EQ(grid.levelheight, 2);
    EXPECT_FLOAT_EQ(grid.TimeLimit, 24000.0f);
    ASSERT_EQ(PossBonusCount, 2);
    EXPECT_EQ(PossBonus[0], 8);
    EXPECT_EQ(PossBonus[1], 9);
    EXPECT_EQ(grid.Gold, 4);
    EXPECT_EQ(grid.Locked, 1);
    EXPECT_EQ(grid.sx, (800 - 150) / 2 + 60);
    EXPECT_EQ(grid.sy, (600 - 100) / 2);
    struct TExpected {
        int x, y, active, gold, armour, gemlocked, bonus;
    } cells[] = {{0, 0, 1, 0, 0, 0, 0}, {1, 0, 1, 1, 0, 0, 0}, {2, 0, 0, 0, 0, 0, 0},
                 {0, 1, 1, 1, 0, 1, 0}, {1, 1, 1, 1, 1, 0, 8}, {2, 1, 1, 0, 0, 0, 0}};
    for (const TExpected& e : cells) {
        SCOPED_TRACE(std::to_string(e.x) + "," + std::to_string(e.y));
        TCell& c = *Grid[e.x][e.y];
        EXPECT_EQ(c.active, e.active);
        EXPECT_EQ(c.gold, e.gold);
        EXPECT_EQ(c.armour, e.armour);
        EXPECT_EQ(c.gemlocked, e.gemlocked);
        EXPECT_EQ(c.bonus, e.bonus);
    }
    EXPECT_EQ(TopRowCount[2], 1);
    EXPECT_EQ(TopRowY[2][0], 1);
    EXPECT_EQ(TopRowY[0][0], 0);
}

TEST_F(LevelFileTest, EachCellCodeSetsItsCellAndCountsOrIsRefused) {
    struct TCase {
        int code;
        int active, gold, armour, gemlocked, bonus, Gold, Locked;
        bool refused;
    } cases[] = {
        {-1, 1, 0, 0, 0, 0, 0, 0, false},  {0, 0, 0, 0, 0, 0, 0, 0, false},
        {1, 1, 1, 0, 0, 0, 1, 0, false},   {2, 1, 1, 0, 1, 0, 1, 1, false},
        {3, 1, 1, 1, 0, 0, 2, 0, false},   {4, 1, 1, 1, 1, 0, 2, 1, false},
        {5, 1, 1, 0, 0, 0, 1, 0, false},   {7, 1, 1, 0, 0, 0, 1, 0, false},
        {8, 1, 1, 0, 0, 8, 1, 0, false},   {15, 1, 1, 0, 0, 15, 1, 0, false},
        {20, 0, 0, 0, 0, 0, 0, 0, true},   {21, 1, 1, 1, 0, 1, 2, 0, false},
        {27, 1, 1, 1, 0, 7, 2, 0, false},  {28, 1, 1, 1, 0, 8, 2, 0, false},
        {35, 1, 1, 1, 0, 15, 2, 0, false}, {36, 0, 0, 0, 0, 0, 0, 0, true},
        {-5, 1, 1, 0, 0, 0, 1, 0, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE("code " + std::to_string(c.code));
        std::string text = "60\n0\n1,1\n0,0\n" + std::to_string(c.code) + "\n";
        if (c.refused) {
            EXPECT_THROW(LoadText(text), TReportedError);
            ASSERT_FALSE(errors.empty());
            EXPECT_NE(errors.back().find(", line 5: cell code " + std::to_string(c.code)), std::string::npos)
                << errors.back();
            continue;
        }
        TGameGrid& grid = LoadText(text);
        TCell& cell = *Grid[0][0];
        EXPECT_EQ(cell.active, c.active);
        EXPECT_EQ(cell.gold, c.gold);
        EXPECT_EQ(cell.armour, c.armour);
        EXPECT_EQ(cell.gemlocked, c.gemlocked);
        EXPECT_EQ(cell.bonus, c.bonus);
        EXPECT_EQ(grid.Gold, c.Gold);
        EXPECT_EQ(grid.Locked, c.Locked);
    }
}

TEST_F(LevelFileTest, NameLineInAnyCaseAndATimeLineWithoutName) {
    TGameGrid& named = LoadText("rem,Winter Walk\n45\n0\n1,1\n0,0\n1\n");
    EXPECT_EQ(named.LevelName, "Winter Walk");
    EXPECT_FLOAT_EQ(named.TimeLimit, 9000.0f);
    TGameGrid& unnamed = LoadText("90\n0\n2,1\n0,0\n1,1\n");
    EXPECT_EQ(unnamed.LevelName, "");
    EXPECT_FLOAT_EQ(unnamed.TimeLimit, 18000.0f);
    EXPECT_EQ(unnamed.levelwidth, 2);
    // A time far beyond the range of an int is converted in floating point.
    TGameGrid& huge = LoadText("99999999999\n0\n1,1\n0,0\n1\n");
    EXPECT_GT(huge.TimeLimit, 0.0f);
}

TEST_F(LevelFileTest, BonusLinesListTheirCodesWithRepeats) {
    struct TCase {
        std::string line;
        std::vector<int> codes;
    } cases[] = {{"8,8,12", {8, 8, 12}}, {"0", {}}, {"", {}}, {"8,", {8}}, {" 9 ,15", {9, 15}}};
    for (const TCase& c : cases) {
        SCOPED_TRACE("bonus line '" + c.line + "'");
        LoadText("60\n" + c.line + "\n1,1\n0,0\n1\n");
        ASSERT_EQ(PossBonusCount, int(c.codes.size()));
        for (size_t i = 0; i < c.codes.size(); ++i)
            EXPECT_EQ(PossBonus[i], c.codes[i]);
    }
}

TEST_F(LevelFileTest, CarriageReturnsReadTheSameAsLineFeedsAlone) {
    std::string lf = "REM,Sample\n120\n8,9\n3,2\n0,0\n-1,1,0\n2,28,-1\n";
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    LoadText(lf);
    std::string first = BoardText();
    int gold = GameGrid->Gold;
    LoadText(crlf);
    EXPECT_EQ(BoardText(), first);
    EXPECT_EQ(GameGrid->Gold, gold);
    EXPECT_EQ(GameGrid->LevelName, "Sample");
}

TEST_F(LevelFileTest, ShortRowsAndEmptyRowLinesAreHolesForEntriesAndOutline) {
    // Row 0 is short (a hole at the right), row 1 is empty, row 2 full.
    LoadText("60\n0\n3,3\n0,0\n1,1\n\n1,1,1\n");
    EXPECT_EQ(Grid[2][0]->active, 0);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(Grid[x][1]->active, 0) << x;
    EXPECT_EQ(TopRowCount[0], 2);
    EXPECT_EQ(TopRowY[0][1], 2);
    EXPECT_EQ(TopRowCount[2], 1);
    EXPECT_EQ(TopRowY[2][0], 2);
    EXPECT_EQ(Grid[1][0]->DrawRight, 1);  // the hole at its right
    EXPECT_EQ(Grid[1][0]->DrawBottom, 1); // the empty row below
    EXPECT_EQ(Grid[1][0]->DrawCorner, 1);
    EXPECT_EQ(Grid[1][2]->DrawTop, 1);
}

TEST_F(LevelFileTest, EveryLoadPicksFiveDifferentShapes) {
    std::vector<std::string> seen;
    for (int seed = 1; seed <= 200; ++seed) {
        platform::SeedRnd(seed);
        GameGrid = TGameGrid::Create();
        GameGrid->Load(1);
        std::string shapes;
        for (int i = 0; i < 5; ++i) {
            ASSERT_GE(PossGems[i], 1);
            ASSERT_LE(PossGems[i], 7);
            for (int j = 0; j < i; ++j)
                ASSERT_NE(PossGems[i], PossGems[j]) << "seed " << seed;
            shapes += char('0' + PossGems[i]);
        }
        if (std::find(seen.begin(), seen.end(), shapes) == seen.end()) seen.push_back(shapes);
    }
    EXPECT_GT(seen.size(), 50u); // drawn anew at every load
}

TEST_F(LevelFileTest, BrokenFilesAreRefusedWithFileAndLineAndLoadNothing) {
    struct TCase {
        std::string text;
        std::string where; // what follows the path in the message
    } cases[] = {
        {"", ", line 1: the file ends before its time line"},
        {"REM,Name\n", ", line 2: the file ends before its time line"},
        {"60\n", ", line 2: the file ends before its bonus line"},
        {"60\n0\n", ", line 3: the file ends before its size line"},
        {"60\n0\n3,2\n", ", line 4: the file ends before its offset line"},
        {"60\n0\n0,2\n0,0\n", ", line 3: the size 0 x 2 is not 1 to 13 columns and 1 to 12 rows"},
        {"60\n0\n14,2\n0,0\n", ", line 3: the size 14 x 2 is not 1 to 13 columns and 1 to 12 rows"},
        {"60\n0\n3,13\n0,0\n", ", line 3: the size 3 x 13 is not 1 to 13 columns and 1 to 12 rows"},
        {"60\n0\nthree,two\n0,0\n", ", line 3: the size 0 x 0 is not 1 to 13 columns and 1 to 12 rows"},
        {"60\n0,8\n1,1\n0,0\n", ", line 2: bonus code 0 is not 8 to 15"},
        {"60\n8,,9\n1,1\n0,0\n", ", line 2: bonus code 0 is not 8 to 15"},
        {"60\n16\n1,1\n0,0\n", ", line 2: bonus code 16 is not 8 to 15"},
        {"60\n8,8,8,8,8,8,8,8,8,8,8,8,8,8,8,8,8\n1,1\n0,0\n", ", line 2: more than 16 bonus codes"},
        {"60\n0\n2,1\n0,0\n1,1\n1,1\n", ", line 6: more row lines than the 1 rows"},
        {"60\n0\n2,2\n0,0\n1,1,1\n", ", line 5: a row of 3 values on 2 columns"},
        {"60\n0\n2,1\n0,0\n1,16\n", ", line 5: cell code 16 presets no shape or item 1 to 15"},
        {"REM,x\n60\n0\n1,1\n0,0\n40\n", ", line 6: cell code 40 presets no shape or item 1 to 15"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.where);
        // A level in play whose state the refused file must not touch.
        Game->DataPrefix = BOARD_TEST_DIR;
        GameGrid = TGameGrid::Create();
        GameGrid->Load(1);
        std::vector<TGem*> gemsBefore = CellGems();
        std::vector<TCell*> cellsBefore;
        for (auto& column : Grid)
            for (auto& cell : column)
                cellsBefore.push_back(cell.get());
        std::vector<int> gemsTable(PossGems, PossGems + 15), bonusTable(PossBonus, PossBonus + 20);
        int bonusCount = PossBonusCount, gold = GameGrid->Gold, locked = GameGrid->Locked;
        std::string path = WriteLevel(c.text);
        errors.clear();
        EXPECT_THROW(GameGrid->Load(99), TReportedError);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0], "Error loading file " + path + c.where);
        std::vector<TCell*> cellsAfter;
        for (auto& column : Grid)
            for (auto& cell : column)
                cellsAfter.push_back(cell.get());
        EXPECT_EQ(cellsAfter, cellsBefore);
        EXPECT_EQ(std::vector<int>(PossGems, PossGems + 15), gemsTable);
        EXPECT_EQ(std::vector<int>(PossBonus, PossBonus + 20), bonusTable);
        EXPECT_EQ(PossBonusCount, bonusCount);
        EXPECT_EQ(GameGrid->Gold, gold);
        EXPECT_EQ(GameGrid->Locked, locked);
        EXPECT_EQ(GameGrid->levelwidth, 3);
        EXPECT_EQ(GameGrid->LevelName, "Sample");
    }
}

TEST_F(LevelFileTest, EmptyOrBlankLinesAfterTheLastRowAndALeadingByteOrderMarkAreAllowed) {
    for (std::string text : {"60\n0\n2,1\n0,0\n1,1\n\n\n", "60\n0\n2,1\n0,0\n1,1\n  \t\r\n \n",
                             "\xEF\xBB\xBFREM,Marked\n60\n0\n2,1\n0,0\n1,1\n"}) {
        SCOPED_TRACE(text);
        errors.clear();
        LoadText(text);
        EXPECT_TRUE(errors.empty()) << errors.front();
        EXPECT_EQ(GameGrid->Gold, 2);
    }
    EXPECT_EQ(GameGrid->LevelName, "Marked");
}

TEST_F(LevelFileTest, OversizedAndMissingFilesEndTheProgramNamingThePath) {
    std::string path = WriteLevel("60\n0\n1,1\n0,0\n1\n" + std::string(70000, ' '));
    GameGrid = TGameGrid::Create();
    EXPECT_THROW(GameGrid->Load(99), TReportedError);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Error loading file " + path + ": the file is larger than 64 KiB");
    EXPECT_EQ(GameGrid->levelwidth, 0);
    errors.clear();
    EXPECT_THROW(GameGrid->Load(98), TReportedError);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Error loading file " + dir.Path() + "data/levels/98.txt");
}

// Random bytes and mutations of good files either parse into a board the loader can apply or are
// refused; none crashes or writes outside the tables.
TEST_F(LevelFileTest, RandomAndMutatedFilesParseOrAreRefusedWithoutCrashing) {
    const std::vector<std::string> seeds = {"REM,Sample\n120\n8,9\n3,2\n0,0\n-1,1,0\n2,28,-1\n",
                                            "90\n8,12\n13,12\n0,0\n" + std::string(12 * 26, ',') + "\n",
                                            "rem,x\n1\n0\n5,5\n1,1\n1,2,3,4,8\n\n21,35,-7\n"};
    const std::string alphabet = "0123456789,-\r\n REMrem$%x";
    platform::SeedRnd(77);
    int parsed = 0;
    for (int i = 0; i < 2000; ++i) {
        std::string text;
        if (i % 2 == 0) {
            int length = platform::Rand(0, 120);
            for (int k = 0; k < length; ++k)
                text += i % 4 == 0 ? char(platform::Rand(0, 255))
                                   : alphabet[platform::Rand(0, int(alphabet.size()) - 1)];
        } else {
            text = seeds[i % seeds.size()];
            for (int m = platform::Rand(1, 4); m > 0 && !text.empty(); --m) {
                size_t at = size_t(platform::Rand(0, int(text.size()) - 1));
                switch (platform::Rand(0, 2)) {
                case 0:
                    text.erase(at, 1);
                    break;
                case 1:
                    text.insert(at, 1, alphabet[platform::Rand(0, int(alphabet.size()) - 1)]);
                    break;
                default:
                    text[at] = char(platform::Rand(0, 255));
                }
            }
        }
        TLevelFile file;
        TLevelFile::TError error;
        if (!TLevelFile::Parse(text, file, error)) {
            EXPECT_FALSE(error.Reason.empty());
            continue;
        }
        ++parsed;
        GameGrid = TGameGrid::Create();
        GameGrid->Apply(file);
        ASSERT_GE(GameGrid->levelwidth, 1);
        ASSERT_LE(GameGrid->levelwidth, GRID_W);
        ASSERT_LE(PossBonusCount, 16);
        for (int y = 0; y < GameGrid->levelheight; ++y)
            for (int x = 0; x < GameGrid->levelwidth; ++x)
                ASSERT_LE(Grid[x][y]->bonus, 15);
    }
    EXPECT_GT(parsed, 100);
}

} // namespace

// The checker's rules on small fixture sets, each breaking one rule, the layout on full rectangles
// beside the panel, and the real level files.
#include "levels_fixture.h"

#include "level_rules.h"
#include "manifest.h"

namespace levelstest {
namespace {

struct TRuleCase {
    const char* Set;
    std::vector<std::string> Args;
    const char* Message; // a whole line of the output
};

TEST(LevelRules, EachBrokenRuleIsReportedWithItsFileAndLine) {
    const std::vector<std::string> one = {"--count", "1", "--no-play"};
    const std::vector<std::string> twelve = {"--count", "12", "--levels", "12-12", "--no-play"};
    const TRuleCase cases[] = {
        {"gap", {"--count", "3", "--no-play"}, "data/levels/2.txt: missing from the set"},
        {"stray_56", one, "data/levels/56.txt: not a level of the set (1.txt to 1.txt)"},
        {"leading_zero", one, "data/levels/01.txt: not a level of the set (1.txt to 1.txt)"},
        {"stray_file", one, "data/levels/x: not a level of the set (1.txt to 1.txt)"},
        {"size_14", one, "data/levels/1.txt:4: the size 14 x 7 is not 1 to 13 columns and 1 to 12 rows"},
        {"typo_1l", one, "data/levels/1.txt:8: column 3: \"1l\" is not a plain integer"},
        {"carriage_return", one, "data/levels/1.txt:1: a carriage return (lines end with a line feed only)"},
        {"short_row", one, "data/levels/1.txt:9: a row of 6 values on 7 columns"},
        {"no_rem", one, "data/levels/1.txt:1: the first line is not REM,<name>"},
        {"time_0", one, "data/levels/1.txt:2: the time 0 is not 60 to 900 seconds"},
        {"time_1000", one, "data/levels/1.txt:2: the time 1000 is not 60 to 900 seconds"},
        {"bonus_16", one, "data/levels/1.txt:3: column 2: bonus code 16 is not 8 to 15"},
        {"matchsticks_only",
         {"--count", "3", "--levels", "3-3", "--no-play"},
         "data/levels/3.txt:3: a bonus line of matchsticks only, whose draw never ends"},
        {"matchstick_without_cubes", twelve,
         "data/levels/12.txt:3: matchsticks listed in a level without ice cubes"},
        {"snowball_in_3",
         {"--count", "3", "--levels", "3-3", "--no-play"},
         "data/levels/3.txt:3: column 4: item 13 before level 5 introduces it"},
        {"thick_in_8",
         {"--count", "8", "--levels", "8-8", "--no-play"},
         "data/levels/8.txt:8: column 2: thick ice before level 9 introduces it"},
        {"no_pudding", one, "data/levels/1.txt:4: level 1 presets no item 8"},
        {"twelve_rows", twelve, "data/levels/12.txt:4: the frame reaches y -4, above the screen"},
        {"unreached_in_2",
         {"--count", "2", "--levels", "2-2", "--no-play"},
         "data/levels/2.txt:6: column 1: ice no line can reach before level 5"},
        {"third_unreached_in_5",
         {"--count", "5", "--levels", "5-5", "--no-play"},
         "data/levels/5.txt:13: column 1: a third pane no line can reach"},
        {"cube_on_entry", twelve, "data/levels/12.txt:6: column 4: ice cube on an entry cell"},
        {"gold_10", twelve, "data/levels/12.txt: only 10 ice layers (at least 15)"},
        {"three_by_one", twelve, "data/levels/12.txt: 200 of 200 seeds: no fill has a move in 1000 tries"},
    };
    for (const TRuleCase& c : cases) {
        TCheckRun run = RunCheck(std::string(LEVELS_TEST_DIR) + c.Set, c.Args);
        EXPECT_EQ(run.Status, levelcheck::EXIT_PROBLEMS) << c.Set;
        EXPECT_TRUE(run.Says(c.Message)) << c.Set << " said:\n" << run.Output;
    }
}

TEST(LevelRules, AFixtureSetThatKeepsEveryRulePassesAndIsPlayed) {
    TCheckRun run = RunCheck(std::string(LEVELS_TEST_DIR) + "passes", {"--count", "2", "--seeds", "2"});
    EXPECT_EQ(run.Status, levelcheck::EXIT_CLEAN) << run.Output;
    EXPECT_NE(run.Output.find("level 2 \"Cracker Row\": 2/2 won within"), std::string::npos) << run.Output;
}

TEST(LevelRules, BadUsageIsRefused) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--seeds", "0"}, {"--levels", "9-3"}, {"--trace", "12"}, {"--bogus", "1"}, {"--count"}})
        EXPECT_EQ(RunCheck(LEVELS_SOURCE_PREFIX, args).Status, levelcheck::EXIT_USAGE) << args[0];
}

TEST(LevelRules, TheGamesFiftyFiveLevelsKeepEveryRule) {
    TCheckRun run = RunCheck(LEVELS_SOURCE_PREFIX, {"--no-play"});
    EXPECT_EQ(run.Status, levelcheck::EXIT_CLEAN) << run.Output;
}

// A full rectangle of plain cells, w x h, as level 12 (no hint rules apply).
levelcheck::TLevelSource Rectangle(int w, int h) {
    levelcheck::TLevelSource source;
    source.Level = 12;
    source.Parsed = true;
    source.File.Width = w;
    source.File.Height = h;
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            source.File.Codes[x][y] = -1;
    return source;
}

bool FrameProblem(const levelcheck::TProblems& problems) {
    for (const levelcheck::TProblem& p : problems)
        if (p.Text.find("the frame reaches") != std::string::npos) return true;
    return false;
}

TEST(LevelRules, EveryWidthFitsBesideThePanelWithElevenRowsButNotTwelve) {
    const assetgen::Entry* panel = assetgen::FindEntry("graphics/panel.png");
    ASSERT_NE(panel, nullptr);
    for (int w = 1; w <= 13; ++w) {
        EXPECT_FALSE(FrameProblem(levelcheck::CheckDesign(Rectangle(w, 11), panel->width))) << w << " x 11";
        EXPECT_TRUE(FrameProblem(levelcheck::CheckDesign(Rectangle(w, 12), panel->width))) << w << " x 12";
    }
    int x0, y0, x1, y1;
    ASSERT_TRUE(levelcheck::FrameBox(Rectangle(13, 11).File, x0, y0, x1, y1));
    EXPECT_EQ(x0, 131);
    EXPECT_EQ(x1, 792);
    EXPECT_EQ(y0, 21);
    EXPECT_EQ(y1, 582);
}

} // namespace
} // namespace levelstest

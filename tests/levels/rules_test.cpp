// The checker's rules on small fixture sets, each breaking one rule, the layout on full rectangles
// beside the panel, and the real level files.
#include "levels_fixture.h"

#include "level_design.h"
#include "level_rules.h"
#include "manifest.h"

#include <random>

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

// --help anywhere prints the usage alone and succeeds, checking nothing.
TEST(LevelRules, HelpPrintsTheUsageAndSucceeds) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"--seeds", "3", "--help"}}) {
        TCheckRun run = RunCheck(LEVELS_SOURCE_PREFIX, args);
        EXPECT_EQ(run.Status, levelcheck::EXIT_CLEAN) << args.back();
        EXPECT_EQ(run.Output, levelcheck::Usage()) << args.back();
    }
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

// Level n of w x h whose cell (x, y) has the code code(x, y).
template <typename Code> levelcheck::TLevelSource Drawn(int n, int w, int h, Code code) {
    levelcheck::TLevelSource source = Rectangle(w, h);
    source.Level = n;
    source.Text = "REM,"; // rows from line 6, as in our files
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            source.File.Codes[x][y] = code(x, y);
    return source;
}

const int CLASSES[3] = {-1, 1, 3}; // plain, pane, thick

TEST(LevelDesign, StripesAndMirrorsPassButAScatterReadsAsNoise) {
    std::mt19937 random(34);
    int scatter[13][11];
    for (auto& column : scatter)
        for (int& code : column)
            code = CLASSES[random() % 3];
    struct TCase {
        const char* Name;
        levelcheck::TLevelSource Source;
        bool Passes;
    } cases[] = {
        {"stripes", Drawn(12, 11, 10, [](int, int y) { return CLASSES[y / 2 % 3]; }), true},
        {"scatter", Drawn(12, 11, 10, [&](int x, int y) { return scatter[x][y]; }), false},
        // The same noise mirrored about the middle column: no agreement, but a symmetry.
        {"mirrored scatter", Drawn(12, 11, 10, [&](int x, int y) { return scatter[std::min(x, 10 - x)][y]; }),
         true},
        // Mirrored on the upper half only.
        {"half mirrored scatter",
         Drawn(12, 11, 10, [&](int x, int y) { return scatter[y < 5 ? std::min(x, 10 - x) : x][y]; }), false},
    };
    for (const TCase& c : cases) {
        levelcheck::TProblems problems = levelcheck::CheckPattern(c.Source);
        EXPECT_EQ(problems.empty(), c.Passes) << c.Name;
        if (!c.Passes && !problems.empty()) {
            EXPECT_NE(problems[0].Text.find("the ice reads as a scatter"), std::string::npos)
                << problems[0].Text;
        }
    }
    levelcheck::TPatternFigures stripes = levelcheck::PatternFigures(cases[0].Source.File, 1);
    EXPECT_GT(stripes.Z, 5.0);
    EXPECT_EQ(stripes.Agreeing, 10 * 10 + 11 * 5); // every row pair and every column pair inside a stripe
    levelcheck::TPatternFigures mirrored = levelcheck::PatternFigures(cases[2].Source.File, 1);
    EXPECT_DOUBLE_EQ(mirrored.Symmetry, 1.0);
    EXPECT_LT(mirrored.Z, 2.0);
}

TEST(LevelDesign, AnOutlineTurnedOrMirroredIsTheSameLayout) {
    auto notched = [](int n, bool turned) {
        // 6 x 4 with a hole at its top-left corner, or the same turned a quarter into 4 x 6.
        return Drawn(n, turned ? 4 : 6, turned ? 6 : 4,
                     [&](int x, int y) { return (turned ? x == 3 && y == 0 : x == 0 && y == 0) ? 0 : -1; });
    };
    std::vector<levelcheck::TLevelSource> sources = {
        notched(11, false), notched(12, true),
        Drawn(13, 6, 4, [](int x, int y) { return x == 2 && y == 0 ? 0 : -1; })};
    levelcheck::TProblems problems = levelcheck::CheckUniqueOutlines(sources);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].Format(),
              "data/levels/12.txt: the outline of holes is also level 11's (turned or mirrored)");
}

TEST(LevelDesign, ALevelOutsideItsChaptersPlanIsAnError) {
    auto texts = [](const levelcheck::TLevelSource& source) {
        std::vector<std::string> lines;
        for (const levelcheck::TProblem& p : levelcheck::CheckChapterPlan(source))
            lines.push_back(p.Format());
        return lines;
    };
    // Level 12 in chapter 3: 10x9 to 11x10, Gold 60-100, thick 20-35% of the iced cells.
    EXPECT_EQ(
        texts(Drawn(12, 13, 11, [](int, int) { return 1; })),
        (std::vector<std::string>{
            "data/levels/12.txt:4: the size 13 x 11 leaves the plan (chapter 3: 10x9 to 11x10, either way "
            "round)",
            "data/levels/12.txt: Gold 143 leaves the plan (chapter 3: 60-100)",
            "data/levels/12.txt: thick ice on 0% of the iced cells leaves the plan (chapter 3: 20%-35%)"}));
    // 9 x 10 is 10 x 9 turned; 30 thick cells of 90 iced give Gold 120 and a third thick.
    EXPECT_EQ(texts(Drawn(12, 9, 10, [](int x, int) { return x < 3 ? 3 : 1; })),
              (std::vector<std::string>{"data/levels/12.txt: Gold 120 leaves the plan (chapter 3: 60-100)"}));
    EXPECT_TRUE(texts(Drawn(12, 9, 10, [](int x, int y) {
                    return x < 2 && y < 8 ? 3 : y < 5 ? 1 : -1;
                })).empty());
}

} // namespace
} // namespace levelstest

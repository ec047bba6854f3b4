// Scripted runs of the installed game through the options, the credits and the high-score table:
// the sliders and the full-screen toggle from the title, what each way out of the options leaves
// in the settings file, and the high-score table reached through the screen seam and cleared.
#include "player_run.h"

#include "profiles/highscore_file.h"

namespace e2e {
namespace {

// Where a slider's dot stands for a value: the bar's left end, its 8 px border, 224 px of travel.
int DotX(int value) {
    return 109 + int(2.24f * float(value));
}

// The dot of the slider whose bar's top is at y shows at the value's place.
double DotShows(const platform::PixmapRef& frame, int y, int value) {
    return ShareShowing(frame, DotX(value) + 5, y + 5, 10, 10, "graphics/Dot.png", 5, 5);
}

// The toggle shows "on" rather than "off".
bool ToggleOn(const platform::PixmapRef& frame) {
    return ShareShowing(frame, 286, 429, 40, 30, "menus/on.png", 10, 10) >
           ShareShowing(frame, 286, 429, 40, 30, "menus/off.png", 10, 10);
}

// The paper note's tag: "options" or "credits".
double TagShows(const platform::PixmapRef& frame, const std::string& tag) {
    return ShareShowing(frame, 40, 20, 110, 50, "graphics/tag" + tag + ".png", 30, 46);
}

const int OPTIONS_FROM_TITLE_MS = 2500;
const std::string TITLE_OPTIONS = ClickAt(OPTIONS_FROM_TITLE_MS, 594, 550);

class OptionsRuns : public PlayerRun {};

TEST_F(OptionsRuns, SlidersAndTheToggleFromTheTitleAreShownAgainAfterTheCreditsAndSaved) {
    const std::string script = ClicksUntil(2000) + TITLE_OPTIONS + ClickAt(4500, 306, 444) + // the toggle
                               "4800 mouse_move 600 300\n" + HoldAt(6000, 209, 230) + HoldAt(6500, 287, 308) +
                               HoldAt(7000, 164, 386) + ClickAt(7500, 230, 491) + // credits
                               ClickAt(9500, 228, 565) +                          // the credits' OK
                               ClickAt(11500, 228, 565) +                         // the options' OK
                               "13500 close\n";
    ASSERT_EQ(Run(script, "250,368,562,687,812"), 0) << dir.Read("out.txt");
    platform::PixmapRef opened = Frame(250), toggled = Frame(368), credits = Frame(562), again = Frame(687);
    EXPECT_GT(TagShows(opened, "options"), 0.9);
    EXPECT_GT(DotShows(opened, 220, 100), 0.8);
    EXPECT_GT(DotShows(opened, 298, 100), 0.8);
    EXPECT_GT(DotShows(opened, 376, 80), 0.8);
    EXPECT_TRUE(ToggleOn(opened));
    EXPECT_FALSE(ToggleOn(toggled));
    EXPECT_GT(TagShows(credits, "credits"), 0.9);
    EXPECT_GT(TagShows(again, "options"), 0.9);
    EXPECT_GT(DotShows(again, 220, 40), 0.8);
    EXPECT_GT(DotShows(again, 298, 75), 0.8);
    EXPECT_GT(DotShows(again, 376, 20), 0.8);
    EXPECT_FALSE(ToggleOn(again));
    EXPECT_GT(ShareShowing(Frame(812), 0, 200, 100, 100, "graphics/title.jpg", 0, 200), 0.8) << "the title";
    const std::string settings = User("Sleetwhistle.ini");
    EXPECT_EQ(SettingOf(settings, "MUSIC VOLUME"), "40");
    EXPECT_EQ(SettingOf(settings, "SOUND VOLUME"), "75");
    EXPECT_EQ(SettingOf(settings, "PARTICLES"), "20");
    EXPECT_EQ(SettingOf(settings, "FULL SCREEN"), "0");
    EXPECT_TRUE(UserFileExists("inichanged.dat"));
    ExpectCleanUserFolder();
}

TEST_F(OptionsRuns, LeavingForTheCreditsKeepsTheFileWhileEscapeSavesIt) {
    struct {
        const char* way;
        std::string script;
        const char* music;
    } ways[] = {
        {"credits, then a close", ClickAt(5000, 230, 491) + "7000 close\n", "100"},
        {"escape, then a close on the title", KeyAt(5000, platform::vk::ESCAPE) + "7500 close\n", "40"},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        SetUp();
        ASSERT_EQ(Run(ClicksUntil(2000) + TITLE_OPTIONS + HoldAt(4500, 209, 230) + way.script, ""), 0)
            << dir.Read("out.txt");
        EXPECT_EQ(SettingOf(User("Sleetwhistle.ini"), "MUSIC VOLUME"), way.music);
        ExpectCleanUserFolder();
    }
}

// Pixels of the rows' green in the row band at the name column.
int GreenNames(const platform::PixmapRef& frame) {
    int n = 0;
    for (int y = 200; y < 400; ++y)
        for (int x = 80; x < 200; ++x) {
            uint32_t p = platform::ReadPixel(frame, x, y);
            int r = int((p >> 16) & 255), g = int((p >> 8) & 255), b = int(p & 255);
            n += g > 150 && r < 150 && b < 150;
        }
    return n;
}

TEST_F(OptionsRuns, TheSeamShowsTheDefaultTableWhichAnsweringYesEmpties) {
    const std::string script = ClicksUntil(2000) + ClickAt(4000, 400, 470) + // clear
                               KeyAt(5000, platform::vk::Y) + KeyAt(7000, platform::vk::RETURN) +
                               "9000 close\n";
    ASSERT_EQ(Run(script, "116,200,281,406,500", "SLEETWHISTLE_SCREEN=highscores"), 0) << dir.Read("out.txt");
    platform::PixmapRef sliding = Frame(116), rest = Frame(200), question = Frame(281), cleared = Frame(406);
    ASSERT_TRUE(sliding && rest && question && cleared);
    EXPECT_LT(GreenNames(sliding), GreenNames(rest) * 9 / 10) << "rows still on their way";
    EXPECT_GT(GreenNames(rest), 450);
    EXPECT_GT(GreenNames(cleared), 300);
    int changed = 0;
    for (int y = 200; y < 400; ++y)
        for (int x = 80; x < 200; ++x)
            changed += platform::ReadPixel(cleared, x, y) != platform::ReadPixel(rest, x, y);
    EXPECT_GT(changed, 1000) << "other names";
    uint32_t box = platform::ReadPixel(question, 400, 300);
    EXPECT_GT(int(box & 255), 60) << "the question's box over the table";
    EXPECT_GT(ShareShowing(Frame(500), 0, 200, 100, 100, "graphics/title.jpg", 0, 200), 0.8) << "the title";
    const THighScoreDecoded table = DecodeHighScoreFile(User("sw.dat"));
    ASSERT_EQ(table.rows.size(), 10u);
    for (const THighScore& row : table.rows)
        EXPECT_TRUE(row.name == "Empty" && row.score == 0 && row.level == 0);
    ExpectCleanUserFolder();
}

} // namespace
} // namespace e2e

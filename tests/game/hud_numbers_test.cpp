// The three numbers of the heads-up display fit their wells of the panel: every glyph of the
// score, the level and the time, their shadows included, lies inside its well, a number that fits
// is drawn unscaled, the six-digit scores share one scale however their digits change, and no two
// texts of the display touch. Measured on the recording renderer with the glyph boxes the GL
// renderer would fill.
#include "game_fixture.h"

#include "TextInk.h"

#include <string>

namespace gametest {
namespace {

struct TNumbersCase {
    int score;
    int minutes, seconds;
    int level;
    const char* scoreText;
    const char* timeText;
    bool timeScaled;
};

// The wells of the generated panel: x 12 to 108 inside the rim, 40 pixels high from these tops.
constexpr float WELL_LEFT = 12.0f, WELL_RIGHT = 108.0f, WELL_HEIGHT = 40.0f;
constexpr float SCORE_WELL = 134.0f, LEVEL_WELL = 221.0f, TIME_WELL = 307.0f;

class HudNumbersTest : public GameTest {};

TEST_F(HudNumbersTest, EveryNumberStaysInsideItsWellAndNoTwoTextsTouch) {
    const TNumbersCase cases[] = {
        {0, 0, 0, 1, "000000", "0: 00", false},         {42, 9, 59, 55, "000042", "9: 59", false},
        {99999, 10, 0, 1, "099999", "10: 00", true},    {123456, 59, 59, 55, "123456", "59: 59", true},
        {999999, 100, 0, 1, "999999", "100: 00", true}, {1234567, 0, 0, 55, "1234567", "0: 00", false},
    };
    EnterLevel(1);
    RunIntro();
    float sixDigitScale = 0.0f;
    for (const TNumbersCase& c : cases) {
        SCOPED_TRACE(c.scoreText);
        TPlayer& player = GameScreen->Player;
        player.LevelStartScore = 0;
        player.Score = c.score;
        player.Level = c.level;
        player.TimeTaken = float((c.minutes * 60 + c.seconds) * 200); // 5 ms ticks
        recorder->calls.clear();
        GameScreen->HUDDraw();
        const std::vector<textink::Text> texts = textink::Texts(recorder->calls);
        const struct {
            std::string text;
            float wellTop;
        } numbers[] = {
            {c.scoreText, SCORE_WELL}, {std::to_string(c.level), LEVEL_WELL}, {c.timeText, TIME_WELL}};
        for (const auto& number : numbers) {
            const std::vector<textink::Text> found = textink::Find(texts, number.text);
            ASSERT_EQ(found.size(), 1u) << number.text;
            const textink::Box well{WELL_LEFT, number.wellTop, WELL_RIGHT, number.wellTop + WELL_HEIGHT};
            EXPECT_EQ(textink::FirstOutside(found[0], well), "");
            EXPECT_EQ(found[0].scaleY, 1.0f) << number.text << " keeps its height";
        }
        const textink::Text score = textink::Find(texts, c.scoreText)[0];
        const textink::Text time = textink::Find(texts, c.timeText)[0];
        const textink::Text level = textink::Find(texts, std::to_string(c.level))[0];
        EXPECT_EQ(level.scaleX, 1.0f) << "a level number fits";
        EXPECT_EQ(time.scaleX < 1.0f, c.timeScaled) << c.timeText;
        EXPECT_LT(score.scaleX, 1.0f) << "six zeros and more are wider than the score's well";
        if (std::string(c.scoreText).size() == 6) {
            if (sixDigitScale == 0.0f) sixDigitScale = score.scaleX;
            EXPECT_EQ(score.scaleX, sixDigitScale) << "every six-digit score shares one scale";
        }
        EXPECT_EQ(textink::FirstOverlap(texts), "");
    }
}

} // namespace
} // namespace gametest

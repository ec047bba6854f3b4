// The player's heads-up texts: the level's score padded to six digits, the level number centred,
// and the time played as minutes and padded seconds, each 40 pixels below the given point with the
// interface shadow.
#include "board_draw_fixture.h"

#include "core/TFixedRateLogic.h"
#include "framework/cc_draw.h"

using namespace boardtest;

namespace {

using HeadsUpTextTest = BoardDrawTest;

// The text calls recorded: the shadow pass and the text pass of each drawn text.
std::vector<platform::DrawCall> Texts(const std::vector<platform::DrawCall>& calls) {
    std::vector<platform::DrawCall> texts;
    for (const auto& call : calls)
        if (call.kind == platform::DrawKind::Text) texts.push_back(call);
    return texts;
}

TEST_F(HeadsUpTextTest, TheScoreIsTheLevelsOwnPaddedToSixDigits) {
    struct TCase {
        int score, start;
        const char* text;
    } cases[] = {{500, 500, "000000"}, {542, 500, "000042"}, {1234567, 0, "1234567"}};
    TPlayer& player = BoardHost().Player();
    for (const TCase& c : cases) {
        recorder->calls.clear();
        player.Score = c.score, player.LevelStartScore = c.start;
        player.ScoreDraw(17, 98);
        const auto texts = Texts(Calls());
        ASSERT_EQ(texts.size(), 2u) << c.text;
        EXPECT_EQ(texts[0].text, c.text);
        EXPECT_EQ(texts[1].text, c.text);
        // The shadow first, one pixel right and down, at 0.6.
        EXPECT_FLOAT_EQ(texts[0].x, 18.0f);
        EXPECT_FLOAT_EQ(texts[0].y, 139.0f);
        EXPECT_FLOAT_EQ(texts[0].state.alpha, 0.6f);
        EXPECT_FLOAT_EQ(texts[1].x, 17.0f);
        EXPECT_FLOAT_EQ(texts[1].y, 138.0f);
    }
}

TEST_F(HeadsUpTextTest, TheTimeIsWholeMinutesAndPaddedWholeSeconds) {
    struct TCase {
        float ms;
        const char* text;
    } cases[] = {{0.0f, "0: 00"}, {63000.0f, "1: 03"}, {59900.0f, "0: 59"}, {187000.0f, "3: 07"}};
    Game->FixedRateLogic = std::make_shared<TFixedRateLogic>();
    Game->FixedRateLogic->MS = 5.0f;
    TPlayer& player = BoardHost().Player();
    for (const TCase& c : cases) {
        recorder->calls.clear();
        player.TimeTaken = c.ms / 5.0f;
        player.TimeDraw(30, 271);
        const auto texts = Texts(Calls());
        ASSERT_EQ(texts.size(), 2u) << c.text;
        EXPECT_EQ(texts[1].text, c.text);
        EXPECT_FLOAT_EQ(texts[1].y, 311.0f);
    }
}

TEST_F(HeadsUpTextTest, TheLevelIsCentredOnTheGivenX) {
    TPlayer& player = BoardHost().Player();
    player.Level = 12;
    player.LevelDraw(57, 185);
    const auto texts = Texts(Calls());
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, "12");
    EXPECT_FLOAT_EQ(texts[1].y, 225.0f);
    EXPECT_LT(texts[1].x, 57.0f);
    EXPECT_GT(texts[1].x, 57.0f - 40.0f);
}

} // namespace

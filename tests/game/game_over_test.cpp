// The game-over screen: who reaches the high-score table and what its file holds afterwards, the
// name typed and added once however the entry ends, Escape and Space while typing, the profile reset
// on entering, and the totals' texts, places and colours.
#include "panels_fixture.h"

#include "board/TPlayer.h"
#include "game/TGameScreen.h"

namespace gametest {
namespace {

class GameOverTest : public PanelsTest {
protected:
    void SetUp() override {
        PanelsTest::SetUp();
        Player().Score = 1000;
        Player().Level = 12;
        Player().TotalKills = 345;
        Player().TotalTimeTaken = 12345.0; // ticks: 61.725 s
    }
    // A table of n rows scoring 10000, 9000, ... (the tenth 1000), saved.
    void Table(int n) {
        THighScoreList& table = *Game->HighScores;
        table.Clear();
        for (int i = 0; i < n; ++i)
            table.Add("row" + std::to_string(i), 10000 - 1000 * i, 1);
        table.Save();
    }
    // The run ends through the board's host, as the last death ends it: a 1500 ms fade with the
    // music, then the screen's own fade-in.
    void EnterGameOver() {
        GameScreen->Host.StartGameOver();
        EXPECT_EQ(Game->GameFade->Length, 300) << "1500 ms with the music";
        EXPECT_EQ(Game->GameFade->Channel, Game->MusicChannel);
        ASSERT_TRUE(TicksUntil(GameOverScreen));
        TicksUntilFaded();
    }
    // The text as last drawn (after its shadow), or null.
    const platform::DrawCall* Drawn(const std::string& text) const {
        const platform::DrawCall* found = nullptr;
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Text && call.text == text) found = &call;
        return found;
    }
    void Frame() {
        recorder->calls.clear();
        Game->ScreenDraw();
    }
    int Rows(const std::string& name) const {
        int n = 0;
        for (const THighScore& row : TableFile())
            n += row.name == name ? 1 : 0;
        return n;
    }

    static TPlayer& Player() { return GameScreen->Player; }
};

TEST_F(GameOverTest, AScoreQualifiesWhileTheTableHasRoomOrReachesItsLowestRow) {
    struct TCase {
        int rows, score;
        bool qualifies;
        int rowsAfter, rankAfter; // rank of the new row, 0-based
    };
    const TCase cases[] = {
        {10, 999, false, 10, -1}, {10, 1000, true, 10, 9}, {10, 50000, true, 10, 0},
        {9, 999, true, 10, 9},    {9, 50000, true, 10, 0}, {0, 999, true, 1, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE("rows " + std::to_string(c.rows) + ", score " + std::to_string(c.score));
        Table(c.rows);
        Player().Score = c.score;
        Game->CurrentTScreen = play;
        EnterGameOver();
        ASSERT_TRUE(GameOverScreen->High);
        EXPECT_EQ(GameOverScreen->High->HighScore, c.qualifies ? 1 : 0);
        EXPECT_EQ(GameOverScreen->GameTotals->StartY, c.qualifies ? 150 : 240);
        if (c.qualifies) {
            Type("abc");
            TypedKey(platform::vk::RETURN);
        } else {
            ClickButton(*GameOverScreen, "OK");
        }
        ASSERT_TRUE(TicksUntil(TitleScreen));
        std::vector<THighScore> rows = TableFile();
        ASSERT_EQ(int(rows.size()), c.rowsAfter);
        EXPECT_EQ(Game->HighScores->Count(), c.rowsAfter);
        if (c.qualifies) {
            EXPECT_EQ(rows[size_t(c.rankAfter)].name, "abc")
                << "typed in one tick with its Enter, kept whole";
            EXPECT_EQ(rows[size_t(c.rankAfter)].score, c.score);
            EXPECT_EQ(rows[size_t(c.rankAfter)].level, 12);
        }
        EXPECT_EQ(Rows("abc"), c.qualifies ? 1 : 0);
        if (c.rows == 10) {
            EXPECT_EQ(Rows("row9"), c.qualifies ? 0 : 1) << "the lowest row makes room";
        }
        TicksUntilFaded();
        Game->GameFade->Active = 0;
    }
}

TEST_F(GameOverTest, EnterAddsTheNameOnceAndLeavesWithTheMusicAndALaterClickOnOKAddsNothing) {
    Table(10);
    Player().Score = 5000;
    EnterGameOver();
    Type("Zoe");
    Ticks(3);
    audio->Clear();
    TypedKey(platform::vk::RETURN);
    Ticks(1);
    ASSERT_EQ(Game->GameFade->Active, 1);
    EXPECT_EQ(Game->GameFade->Out, 1);
    EXPECT_EQ(Game->GameFade->Length, 100) << "500 ms of 5-ms ticks";
    EXPECT_EQ(Game->GameFade->Channel, Game->MusicChannel);
    EXPECT_EQ(Game->DestinationTScreen, TitleScreen);
    EXPECT_EQ(Game->BlockKeys, 0);
    EXPECT_EQ(Rows("Zoe"), 1);
    ClickButton(*GameOverScreen, "OK");
    TypedKey(platform::vk::RETURN);
    ASSERT_TRUE(TicksUntil(TitleScreen));
    EXPECT_EQ(Rows("Zoe"), 1);
    EXPECT_EQ(TableFile().size(), 10u);
}

TEST_F(GameOverTest, EscapeWaitsWhileTheNameIsTypedAndLeavesWithoutAnEntry) {
    Table(10);
    Player().Score = 5000;
    EnterGameOver();
    Key(platform::vk::ESCAPE);
    Ticks(20);
    EXPECT_EQ(Game->GameFade->Active, 0) << "Escape while typing";
    EXPECT_EQ(Game->CurrentTScreen, GameOverScreen);
    EXPECT_EQ(GameOverScreen->High->InputName.Active, 1);
    ClickButton(*GameOverScreen, "OK");
    ASSERT_TRUE(TicksUntil(TitleScreen));
    TicksUntilFaded();
    EXPECT_EQ(Rows(""), 1) << "OK accepts the empty name";

    Player().Score = 10;
    Game->CurrentTScreen = play;
    EnterGameOver();
    EXPECT_EQ(GameOverScreen->High->HighScore, 0);
    Key(platform::vk::ESCAPE);
    ASSERT_TRUE(TicksUntil(TitleScreen)) << "Escape without an entry";
    EXPECT_EQ(TableFile().size(), 10u);
    EXPECT_EQ(Rows(""), 1);
}

TEST_F(GameOverTest, SpaceTypesABlankInTheNameAndAClickOnOKAcceptsWhatIsTyped) {
    Table(3);
    EnterGameOver();
    Type("a");
    TypedKey(platform::vk::SPACE);
    Type("b");
    Ticks(5);
    EXPECT_EQ(GameOverScreen->High->InputName.Text, "a b");
    EXPECT_EQ(Game->GameFade->Active, 0) << "Space does not click OK";
    ClickButton(*GameOverScreen, "OK");
    ASSERT_TRUE(TicksUntil(TitleScreen));
    EXPECT_EQ(Rows("a b"), 1);
}

TEST_F(GameOverTest, EnteringResetsAndSavesTheProfileWhateverThePlayerDoesThere) {
    TProfile& profile = *Game->CurrentProfile;
    profile.CurrentLevel = 9;
    profile.LockedLevel = 12;
    profile.Score = 7000;
    profile.Lives = 1;
    profile.Kills = 400;
    profile.TimeTaken = 9000.0;
    profile.Save();
    EnterGameOver();
    TProfileFields saved = ProfileFile();
    EXPECT_EQ(saved.CurrentLevel, 1);
    EXPECT_EQ(saved.Score, 0);
    EXPECT_EQ(saved.Lives, 3);
    EXPECT_EQ(saved.Kills, 0);
    EXPECT_EQ(saved.TimeTaken, 0.0);
    EXPECT_EQ(saved.LockedLevel, 12) << "the open levels stay";
    EXPECT_EQ(Player().Score, 1000) << "the run itself is still shown";
}

TEST_F(GameOverTest, TheTotalsShowTheRunWithTheTimeInWholeSecondsRoundedDown) {
    struct TCase {
        double ticks;
        const char* seconds;
    };
    for (TCase c : {TCase{0.0, "0"}, TCase{199.0, "0"}, TCase{200.0, "1"}, TCase{12345.0, "61"},
                    TCase{719999.0, "3599"}}) {
        Player().TotalTimeTaken = c.ticks;
        TGameTotalsRef totals = TGameTotals::Create(Player());
        EXPECT_EQ(totals->Value(2), c.seconds) << c.ticks;
    }
    Table(10);
    Player().Score = 10;
    Player().TotalTimeTaken = 12345.0;
    EnterGameOver();
    Ticks(200);
    Frame();
    const TGameTotals& totals = *GameOverScreen->GameTotals;
    const char* labels[] = {"Total Score", "Total Kills", "Total Time"};
    const char* values[] = {"10", "345", "61"};
    for (int i = 0; i < 3; ++i) {
        const platform::DrawCall* label = Drawn(labels[i]);
        const platform::DrawCall* value = Drawn(values[i]);
        ASSERT_TRUE(label && value) << labels[i];
        EXPECT_FLOAT_EQ(label->y, float(240 + 40 * i));
        EXPECT_FLOAT_EQ(label->x, float(totals.col1));
        EXPECT_FLOAT_EQ(value->x, float(totals.col2));
    }
    EXPECT_FALSE(Drawn("You got a High Score!")) << "no prompt without an entry";
}

TEST_F(GameOverTest, EachTotalSlidesInYellowAndCyanArrivesWhiteAndFadesBack) {
    Table(10);
    Player().Score = 10;
    EnterGameOver();
    const char* labels[] = {"Total Score", "Total Kills", "Total Time"};
    const char* values[] = {"10", "345", "61"};
    for (int line = 0; line < 3; ++line) {
        SCOPED_TRACE(labels[line]);
        Game->CurrentTScreen = play;
        EnterGameOver();
        // Each entry makes the totals anew.
        const TGameTotals& totals = *GameOverScreen->GameTotals;
        // Each tick: the label's blue and the value's red (the colour's share of white).
        std::vector<int> white;
        std::vector<float> xs;
        for (int tick = 0; tick < 220; ++tick) {
            Ticks(1);
            Frame();
            const platform::DrawCall* label = Drawn(labels[line]);
            const platform::DrawCall* value = Drawn(values[line]);
            ASSERT_TRUE(label && value);
            EXPECT_EQ(label->state.r, 255);
            EXPECT_EQ(label->state.g, 255);
            EXPECT_EQ(value->state.g, 255);
            EXPECT_EQ(value->state.b, 255);
            EXPECT_EQ(value->state.r, label->state.b) << "the value mirrors the label";
            white.push_back(label->state.b);
            xs.push_back(label->x);
        }
        size_t arrived = 0;
        while (arrived < white.size() && xs[arrived] < float(totals.col1))
            ++arrived;
        ASSERT_LT(arrived, white.size());
        const int late = 6 * line; // each line waits 30 ms more: 6 ticks
        EXPECT_NEAR(int(arrived), 59 + late, 2) << "a 300 ms slide";
        for (size_t t = 0; t < arrived; ++t)
            EXPECT_EQ(white[t], 0) << "yellow and cyan while sliding, tick " << t;
        EXPECT_GE(white[arrived], 250) << "white on arrival";
        EXPECT_NEAR(white[arrived + 50], 127, 4) << "half way back";
        for (size_t t = arrived + 1; t < white.size(); ++t)
            EXPECT_LE(white[t], white[t - 1]) << "fading back, tick " << t;
        EXPECT_EQ(white[arrived + 101], 0) << "yellow and cyan again after the 500 ms hold";
        EXPECT_EQ(xs.back(), float(totals.col1));
    }
}

} // namespace
} // namespace gametest

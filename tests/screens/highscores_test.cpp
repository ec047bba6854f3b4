// The high-score screen: where rows, headings and "clear" sit, the rows' slide and colour, the
// scaled text and its right edges, the clear question, the ways out, and damaged score files.
#include "options_fixture.h"

#include "profiles/highscore_file.h"

namespace screentest {
namespace {

class HighScoresTest : public OptionsFixture {
protected:
    void SetUp() override {
        OptionsFixture::SetUp();
        Game->HighScores->Create(Game->SubPath + "sw", 10);
        Game->HighScores->Load();
    }
    std::string ScoreFile() const { return Read(Game->SubPath + "sw.dat"); }
    // Entered as the core enters it (no fade-in); the rows start moving at once.
    void EnterHighScores() {
        Game->CurrentTScreen = caller;
        HighScoresScreen->PreStart();
        audio->Clear();
    }
    TSlideLineRef Row(int i) const { return HighScoresScreen->SlideLines->ValueAtIndex(i); }
    TButtonRef Button(const std::string& buttonName) const {
        return HighScoresScreen->Menu->FindButton(buttonName);
    }
    // The text draws of one frame of the screen.
    std::vector<platform::DrawCall> DrawnTexts() {
        recorder->calls.clear();
        HighScoresScreen->Draw();
        std::vector<platform::DrawCall> texts;
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Text) texts.push_back(call);
        return texts;
    }
    static const platform::DrawCall* Find(const std::vector<platform::DrawCall>& texts,
                                          const std::string& text) {
        for (const platform::DrawCall& call : texts)
            if (call.text == text) return &call;
        return nullptr;
    }
    // Clicks the middle of a button of the screen.
    void ClickAt(const TButtonRef& button) {
        MoveTo(int(button->x) + button->w / 2, int(button->y) + button->h / 2);
        Click();
    }
};

TEST_F(HighScoresTest, RowsLieTwentyApartUnderTheHeadingsWithClearFiftyBelowTheLast) {
    struct {
        int rows;
        float clearY;
    } tables[] = {{10, 450}, {0, 250}};
    for (const auto& table : tables) {
        SCOPED_TRACE(table.rows);
        if (table.rows == 0) Game->HighScores->Zero(0);
        EnterHighScores();
        ASSERT_EQ(HighScoresScreen->SlideLines->Count(), table.rows);
        EXPECT_FLOAT_EQ(Button("clear")->y, table.clearY);
        EXPECT_FLOAT_EQ(Button("clear")->x, 340.0f);
        Tick(300);
        auto texts = DrawnTexts();
        ASSERT_TRUE(Find(texts, "Name"));
        EXPECT_FLOAT_EQ(Find(texts, "Name")->y, 170.0f);
        EXPECT_FLOAT_EQ(Find(texts, "Name")->x, 80.0f);
        for (int i = 0; i < table.rows; ++i) {
            const platform::DrawCall* name = Find(texts, Game->HighScores->ValueAtIndex(i)->name);
            ASSERT_TRUE(name) << i;
            EXPECT_FLOAT_EQ(name->x, 80.0f) << i;
            EXPECT_FLOAT_EQ(name->y, float(200 + 20 * i)) << i;
        }
        HighScoresScreen->Kill();
    }
}

TEST_F(HighScoresTest, RowsSlideInOneAfterAnotherFromAlternateSidesAndSettleAtTheNameColumn) {
    EnterHighScores();
    for (int i = 0; i < 10; ++i) {
        EXPECT_FLOAT_EQ(Row(i)->StartX[1], i % 2 == 0 ? -640.0f : 800.0f) << i;
        EXPECT_FLOAT_EQ(Row(i)->EndX[1], 80.0f) << i;
    }
    Tick(2);
    EXPECT_EQ(Row(0)->CurrentPhase, 1) << "row 0 moves at once";
    EXPECT_GT(Row(0)->GetX(), -640.0f);
    Tick(51); // 265 ms
    EXPECT_EQ(Row(9)->CurrentPhase, 0);
    EXPECT_FLOAT_EQ(Row(9)->GetX(), -640.0f) << "waiting off screen";
    Tick(2); // 275 ms
    EXPECT_EQ(Row(9)->CurrentPhase, 1);
    EXPECT_LT(Row(9)->GetX(), 800.0f);
    EXPECT_GT(Row(9)->GetX(), 700.0f);
    Tick(200); // 1275 ms: row 9 has slid and held
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Row(i)->Active, 0) << i;
        EXPECT_FLOAT_EQ(Row(i)->GetX(), 80.0f) << i;
        EXPECT_FLOAT_EQ(Row(i)->GetY(), float(200 + 20 * i)) << i;
    }
}

TEST_F(HighScoresTest, ARowArrivesWhiteAndTurnsGreenInItsHold) {
    EnterHighScores();
    struct {
        int ticks; // from the start
        int c;     // red and blue
    } moments[] = {{103, 252}, {152, 177}, {210, 100}};
    int at = 0;
    for (const auto& moment : moments) {
        Tick(moment.ticks - at);
        at = moment.ticks;
        const std::vector<platform::DrawCall> texts = DrawnTexts();
        const platform::DrawCall* row = Find(texts, "Zumbo");
        ASSERT_TRUE(row);
        EXPECT_NEAR(row->state.r, moment.c, 5) << moment.ticks;
        EXPECT_EQ(row->state.g, 255);
        EXPECT_NEAR(row->state.b, moment.c, 5) << moment.ticks;
    }
}

TEST_F(HighScoresTest, HeadingsAndRowsAreScaledToTheirSlotsAndEndAtTheirColumns) {
    EnterHighScores();
    Tick(300);
    platform::SetImageFont(MainFont);
    const float line = float(platform::TextHeight("Name"));
    const float headings = std::min(1.0f, 30.0f / line), rows = std::min(1.0f, 20.0f / line);
    EXPECT_LT(rows, 1.0f) << "our main font is taller than a row";
    auto texts = DrawnTexts();
    struct {
        const char* text;
        float right, scale;
    } cases[] = {{"Score", 600, headings},
                 {"Lev", 720, headings},
                 {"10000", 600, rows},
                 {"10", 720, rows},
                 {"1000", 600, rows}};
    for (const auto& c : cases) {
        const platform::DrawCall* call = Find(texts, c.text);
        ASSERT_TRUE(call) << c.text;
        EXPECT_FLOAT_EQ(call->state.scaleX, c.scale) << c.text;
        EXPECT_NEAR(call->x + float(platform::TextWidth(c.text)) * c.scale, c.right, 0.01f) << c.text;
    }
    const platform::DrawCall* title = Find(texts, "High Scores");
    ASSERT_TRUE(title);
    EXPECT_FLOAT_EQ(title->state.scaleX, 1.0f);
    EXPECT_FLOAT_EQ(title->y, 10.0f);
    EXPECT_EQ(Find(texts, "Name")->state.b, 255);
}

TEST_F(HighScoresTest, NoKeepsTheTableAndYesWritesTenEmptyRowsAndMovesClearUnderThem) {
    struct {
        bool emptyFirst;
        int key; // N or Y
    } cases[] = {{false, platform::vk::N}, {false, platform::vk::Y}, {true, platform::vk::Y}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << char(c.key) << (c.emptyFirst ? " from an empty table" : ""));
        Game->HighScores->Zero(0);
        if (!c.emptyFirst) {
            Game->HighScores->Clear();
            Game->HighScores->CreateDefault();
        }
        const std::string before = ScoreFile();
        EnterHighScores();
        ClickAt(Button("clear"));
        ASSERT_TRUE(HighScoresScreen->DialogYesNo);
        Press(c.key);
        EXPECT_FALSE(HighScoresScreen->DialogYesNo);
        if (c.key == 'N') {
            EXPECT_EQ(ScoreFile(), before);
            EXPECT_EQ(Game->HighScores->ValueAtIndex(0)->name, "Zumbo");
        } else {
            const THighScoreDecoded decoded = DecodeHighScoreFile(ScoreFile());
            ASSERT_EQ(decoded.rows.size(), 10u);
            for (const THighScore& row : decoded.rows)
                EXPECT_TRUE(row.name == "Empty" && row.score == 0 && row.level == 0);
            ASSERT_EQ(HighScoresScreen->SlideLines->Count(), 10);
            EXPECT_EQ(std::static_pointer_cast<THighScore>(Row(0)->AttachedObject)->name, "Empty");
            EXPECT_EQ(Row(9)->Active, 1) << "the slide-in plays again";
        }
        EXPECT_FLOAT_EQ(Button("clear")->y, 450.0f);
        HighScoresScreen->Kill();
    }
}

TEST_F(HighScoresTest, WhileTheQuestionIsOpenNeitherTheButtonsNorTheRowsMove) {
    EnterHighScores();
    ClickAt(Button("clear"));
    ASSERT_TRUE(HighScoresScreen->DialogYesNo);
    const float x = Row(0)->GetX();
    ClickAt(Button("OK"));
    Tick(100);
    EXPECT_FLOAT_EQ(Row(0)->GetX(), x);
    EXPECT_EQ(Game->GameFade->Active, 0) << "OK does not answer";
    Press(platform::vk::N);
    Tick(5);
    EXPECT_GT(Row(0)->GetX(), x) << "the rows go on once it is answered";
}

TEST_F(HighScoresTest, OKAndEscapeGoToTheTitleWithoutFadingTheMusic) {
    for (bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "escape" : "OK");
        EnterHighScores();
        Tick(10);
        if (escape)
            Press(platform::vk::ESCAPE);
        else
            ClickAt(Button("OK"));
        EXPECT_EQ(Game->DestinationTScreen, TitleScreen);
        EXPECT_EQ(Game->GameFade->Out, 1);
        EXPECT_FALSE(Game->GameFade->Channel);
        Game->GameFade->Active = 0;
        HighScoresScreen->Kill();
    }
}

TEST_F(HighScoresTest, ADamagedOrHostileScoreFileShowsWhatItKeepsAndNeverCrashes) {
    const std::string defaults = EncodeHighScoreRows({{"Ann", 5, 1}, {"Bo", 4, 2}});
    const std::string files[] = {
        "",                                                              // empty: no rows
        defaults.substr(0, defaults.size() - 3),                         // cut short
        std::string(300, '\x01'),                                        // control codes
        std::string(5000, '\xff'),                                       // oversized
        defaults + defaults + defaults + defaults + defaults + defaults, // twelve rows
    };
    for (const std::string& bytes : files) {
        SCOPED_TRACE(bytes.size());
        std::ofstream(Game->SubPath + "sw.dat", std::ios::binary) << bytes;
        Game->HighScores->Create(Game->SubPath + "sw", 10);
        Game->HighScores->Load();
        EnterHighScores();
        Tick(300);
        const int rows = HighScoresScreen->SlideLines->Count();
        EXPECT_LE(rows, 10);
        EXPECT_FLOAT_EQ(Button("clear")->y, float(200 + 20 * rows + 50));
        for (const platform::DrawCall& text : DrawnTexts())
            for (char ch : text.text)
                EXPECT_TRUE(ch >= 32 && ch <= 126) << "a drawn character " << int(ch);
        HighScoresScreen->Kill();
    }
}

} // namespace
} // namespace screentest

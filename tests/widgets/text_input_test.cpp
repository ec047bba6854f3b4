// The one-line text entry: which typed characters it takes, Backspace, Enter and Escape, the
// hot-key block while typing, and what it draws.
#include "typing_fixture.h"

#include "audio_fixtures.h"

#include "framework/cc_draw.h"
#include "media/TGameSound.h"
#include "widgets/TTextInput.h"

namespace {

using widgettest::TypingTest;

class TextInputTest : public TypingTest {
protected:
    TTextInput input;

    void SetUp() override {
        TypingTest::SetUp();
        const std::string wav =
            dir.Write("type.wav", audiotest::Wav16(audiotest::Tone(80, 1, 8000), 1, 8000));
        input.TypingSound = TGameSound::Create(wav, 0);
        input.PlayTypingSoundOnEnter = 0;
        input.Init(nullptr, "", 100, 50, nullptr);
    }
    int Typed() const { return Cues("type.wav"); }
    // Runs ticks until the input answers or the ticks run out; the answer, 0 for none.
    // 20 ms pass after each tick, so the 10 ms typing sound has ended and frees its channel.
    int Run(int ticks) {
        int result = 0;
        for (int i = 0; i < ticks && result == 0; ++i) {
            Tick([&] { result = input.Manage(); });
            platform::AdvanceClock(20);
        }
        return result;
    }
};

struct CharCase {
    const char* what;
    std::function<void(TTextInput&)> setup;
    std::string typed;
    std::string expected;
    int sounds;
};

TEST_F(TextInputTest, TakesOnlyTheCharactersItsRulesAllow) {
    std::string allBanned = "\"|*\\/:;~?<>,+=%";
    const std::vector<CharCase> table = {
        {"code 31", {}, "\x1f", "", 0},
        {"code 127", {}, "\x7f", "", 0},
        {"32 and 126", {}, " ~", " ~", 2},
        {"233 refused by default", {}, "\xe9", "", 0},
        {"233 with extended characters", [](TTextInput& t) { t.AllowExtendedChars = 1; }, "\xe9", "\xe9", 1},
        {"file-name-unsafe signs", [](TTextInput& t) { t.MakeCharsFileNameSafe(); }, allBanned + " .", " .",
         2},
        {"numbers only", [](TTextInput& t) { t.NumbersOnly = 1; },
         "a1b2\x1b"
         "3\x08",
         "12", 4},
        {"MaxLength 10", [](TTextInput& t) { t.MaxLength = 10; }, "abcdefghijk", "abcdefghij", 10},
        {"MaxPixelWidth 200", [](TTextInput& t) { t.MaxPixelWidth = 200; }, std::string(60, 'W'), "", -1},
    };
    for (const CharCase& c : table) {
        SCOPED_TRACE(c.what);
        input.Text = "";
        input.MaxLength = 100;
        input.MaxPixelWidth = 0;
        input.BannedChars = "";
        input.AllowExtendedChars = 0;
        input.NumbersOnly = 0;
        if (c.setup) c.setup(input);
        input.Reset();
        audio->Clear();
        Type(c.typed);
        EXPECT_EQ(Run(int(c.typed.size()) + 1), 0);
        EXPECT_EQ(input.Active, 1);
        if (c.sounds < 0) {
            // The pixel limit: the text stops at the last character that keeps it within 200 px.
            platform::SetImageFont(nullptr);
            EXPECT_LE(platform::TextWidth(input.Text), 200);
            EXPECT_GT(platform::TextWidth(input.Text + "W"), 200);
            EXPECT_LT(input.Text.size(), c.typed.size());
            EXPECT_EQ(Typed(), int(input.Text.size()));
        } else {
            EXPECT_EQ(input.Text, c.expected);
            EXPECT_EQ(Typed(), c.sounds);
        }
        EXPECT_EQ(input.CurrentChar, int(input.Text.size()) + 1);
    }
}

TEST_F(TextInputTest, OneCharacterATickABannedOneSpendsItsOwnTick) {
    input.MakeCharsFileNameSafe();
    Type("/a");
    Tick([&] { input.Manage(); });
    EXPECT_EQ(input.Text, "");
    EXPECT_EQ(Typed(), 0);
    Tick([&] { input.Manage(); });
    EXPECT_EQ(input.Text, "a");
    EXPECT_EQ(Typed(), 1);
}

TEST_F(TextInputTest, BackspaceDeletesFromTheEndAndIsSilentOnAnEmptyText) {
    Type("ab\x08\x08\x08");
    Run(5);
    EXPECT_EQ(input.Text, "");
    EXPECT_EQ(Typed(), 4) << "two characters and two deletions; the third Backspace is silent";
    EXPECT_EQ(input.CurrentChar, 1);
}

TEST_F(TextInputTest, EnterOnBlanksFollowsAllowNull) {
    input.AllowNull = 0;
    Type("  ");
    EXPECT_EQ(Run(2), 0);
    Type("\rx");
    Press();
    EXPECT_EQ(Run(1), 0);
    EXPECT_EQ(input.Active, 1) << "still open";
    EXPECT_EQ(input.Text, "  ");
    EXPECT_TRUE(pump.ring.empty()) << "pending characters flushed";
    EXPECT_EQ(Game->Mouse->h1 + Game->Mouse->b1, 0) << "mouse flushed";

    input.AllowNull = 1;
    Type("\r");
    EXPECT_EQ(Run(1), 1);
    EXPECT_EQ(input.Done, 1);
    EXPECT_EQ(input.Active, 0);
}

TEST_F(TextInputTest, EscapeAbortsOnlyWhenAllowed) {
    input.AllowEscToAbort = 0;
    Type("\x1b");
    const float counter = input.CursorFlashCounter;
    EXPECT_EQ(Run(1), 0);
    EXPECT_EQ(input.CursorFlashCounter, counter + 1.0f) << "the cursor keeps flashing";
    input.AllowEscToAbort = 1;
    input.ClearTextOnEscape = 1;
    Type("ab\x1b");
    EXPECT_EQ(Run(4), -1);
    EXPECT_EQ(input.Text, "");
    EXPECT_EQ(input.Done, 1);
}

TEST_F(TextInputTest, UpperCasesTheFirstCharacterAsTypedAgainAfterDeletingBackToEmpty) {
    input.UppercaseFirstCharAsTyped = 1;
    Type("ab\x08\x08"
         "cd");
    Run(6);
    EXPECT_EQ(input.Text, "Cd");
}

TEST_F(TextInputTest, TypingBlocksTheGameKeysUntilFinished) {
    pump.hits[65] = 1;
    pump.ring.push_back('q');
    Game->BlockKeys = 0;
    input.Reset();
    EXPECT_EQ(Game->BlockKeys, 1);
    EXPECT_EQ(pump.hits[65], 0);
    EXPECT_TRUE(pump.ring.empty());
    pump.ring.push_back('q');
    Game->Mouse->h2 = 1;
    input.Finish();
    EXPECT_EQ(Game->BlockKeys, 0);
    EXPECT_EQ(input.Active, 0);
    EXPECT_EQ(input.Done, 1);
    EXPECT_TRUE(pump.ring.empty());
    EXPECT_EQ(Game->Mouse->h2, 0);
}

TEST_F(TextInputTest, CurrentCharFollowsATextChangedFromOutside) {
    input.MaxLength = 5;
    Type("abcde");
    Run(5);
    input.ClearTextOnEscape = 1;
    Type("\x1b");
    EXPECT_EQ(Run(1), -1);
    input.Reset();
    Type("xy");
    Run(2);
    EXPECT_EQ(input.Text, "xy") << "an emptied text takes characters again";

    input.Text = "Bob"; // as an owner trimming " Bob "
    Type("12345");
    Run(5);
    EXPECT_EQ(input.Text, "Bob12");
}

class TextInputDrawTest : public TextInputTest {
protected:
    std::vector<platform::DrawCall> Texts() const {
        std::vector<platform::DrawCall> found;
        for (const auto& call : recorder->calls)
            if (call.kind == platform::DrawKind::Text) found.push_back(call);
        return found;
    }
    // The unshadowed text calls, in order.
    std::vector<std::string> Drawn() {
        input.TextShadow = nullptr;
        recorder->calls.clear();
        input.Draw();
        std::vector<std::string> texts;
        for (const auto& call : Texts())
            texts.push_back(call.text);
        return texts;
    }
};

TEST_F(TextInputDrawTest, TextCursorAndDotsFillMaxLengthPlaces) {
    input.MaxLength = 10;
    input.DrawDots = 1;
    input.Text = "abc";
    EXPECT_EQ(Drawn(), (std::vector<std::string>{"abc", "_", "......"}));
    const float dotsX = Texts().back().x;
    platform::SetImageFont(nullptr);
    EXPECT_FLOAT_EQ(dotsX, 100.0f + float(platform::TextWidth("abc") + platform::TextWidth("_")));

    input.CursorOn = 0;
    EXPECT_EQ(Drawn(), (std::vector<std::string>{"abc", "......"}));
    EXPECT_FLOAT_EQ(Texts().back().x, dotsX) << "the hidden cursor keeps its place";

    input.Text = "abcdefghij";
    input.CursorOn = 1;
    EXPECT_EQ(Drawn(), (std::vector<std::string>{"abcdefghij"}));

    int r = 0, g = 0, b = 0;
    platform::GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
}

TEST_F(TextInputDrawTest, CursorIsVisibleForFiftyTicksAndHiddenForFifty) {
    std::vector<int> phases;
    for (int i = 0; i < 200; ++i) {
        phases.push_back(input.CursorOn);
        Tick([&] { input.Manage(); });
    }
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(phases[size_t(i)], (i / 50) % 2 == 0 ? 1 : 0) << "tick " << i;
}

TEST_F(TextInputDrawTest, AFinishedInputDrawsOnlyWhenForced) {
    input.Text = "abc";
    input.Finish();
    EXPECT_TRUE(Drawn().empty());
    input.ForceDraw = 1;
    EXPECT_FALSE(Drawn().empty());
}

} // namespace

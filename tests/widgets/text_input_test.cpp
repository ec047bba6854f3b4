// The one-line text entry: which typed characters it takes, Backspace, Enter and Escape, the
// hot-key block while typing, and what it draws.
#include "WidgetHarness.h"

#include "platform/draw.h"
#include "platform/input.h"
#include "platform/system.h"

#include "audio_fixtures.h"

#include "framework/cc_draw.h"
#include "media/TGameSound.h"
#include "widgets/TTextInput.h"

namespace {

using widgettest::WidgetTest;

class TextInputTest : public WidgetTest {
protected:
    TTextInput editor;

    void SetUp() override {
        WidgetTest::SetUp();
        const std::string wav =
            dir.Write("type.wav", audiotest::Wav16(audiotest::Tone(80, 1, 8000), 1, 8000));
        editor.TypingSound = TGameSound::Create(wav, 0);
        editor.PlayTypingSoundOnEnter = 0;
        editor.Init(nullptr, "", 100, 50, nullptr);
    }
    int Typed() const { return Cues("type.wav"); }
    // Runs ticks until the input answers or the ticks run out; the answer, 0 for none.
    // 20 ms pass after each tick, so the 10 ms typing sound has ended and frees its channel.
    int Run(int ticks) {
        int result = 0;
        for (int i = 0; i < ticks && result == 0; ++i) {
            Tick([&] { result = editor.Manage(); });
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
        editor.Text = "";
        editor.MaxLength = 100;
        editor.MaxPixelWidth = 0;
        editor.BannedChars = "";
        editor.AllowExtendedChars = 0;
        editor.NumbersOnly = 0;
        if (c.setup) c.setup(editor);
        editor.Reset();
        audio->Clear();
        Type(c.typed);
        EXPECT_EQ(Run(int(c.typed.size()) + 1), 0);
        EXPECT_EQ(editor.Active, 1);
        if (c.sounds < 0) {
            // The pixel limit: the text stops at the last character that keeps it within 200 px.
            platform::SetImageFont(nullptr);
            EXPECT_LE(platform::TextWidth(editor.Text), 200);
            EXPECT_GT(platform::TextWidth(editor.Text + "W"), 200);
            EXPECT_LT(editor.Text.size(), c.typed.size());
            EXPECT_EQ(Typed(), int(editor.Text.size()));
        } else {
            EXPECT_EQ(editor.Text, c.expected);
            EXPECT_EQ(Typed(), c.sounds);
        }
        EXPECT_EQ(editor.CurrentChar, int(editor.Text.size()) + 1);
    }
}

TEST_F(TextInputTest, OneCharacterATickABannedOneSpendsItsOwnTick) {
    editor.MakeCharsFileNameSafe();
    Type("/a");
    Tick([&] { editor.Manage(); });
    EXPECT_EQ(editor.Text, "");
    EXPECT_EQ(Typed(), 0);
    Tick([&] { editor.Manage(); });
    EXPECT_EQ(editor.Text, "a");
    EXPECT_EQ(Typed(), 1);
}

TEST_F(TextInputTest, BackspaceDeletesFromTheEndAndIsSilentOnAnEmptyText) {
    Type("ab\x08\x08\x08");
    Run(5);
    EXPECT_EQ(editor.Text, "");
    EXPECT_EQ(Typed(), 4) << "two characters and two deletions; the third Backspace is silent";
    EXPECT_EQ(editor.CurrentChar, 1);
}

TEST_F(TextInputTest, EnterOnBlanksFollowsAllowNull) {
    editor.AllowNull = 0;
    Type("  ");
    EXPECT_EQ(Run(2), 0);
    Type("\rx");
    Press();
    EXPECT_EQ(Run(1), 0);
    EXPECT_EQ(editor.Active, 1) << "still open";
    EXPECT_EQ(editor.Text, "  ");
    EXPECT_TRUE(input.chars.empty()) << "pending characters flushed";
    EXPECT_EQ(Game->Mouse->h1 + Game->Mouse->b1, 0) << "mouse flushed";

    editor.AllowNull = 1;
    Type("\r");
    EXPECT_EQ(Run(1), 1);
    EXPECT_EQ(editor.Done, 1);
    EXPECT_EQ(editor.Active, 0);
}

TEST_F(TextInputTest, EscapeAbortsOnlyWhenAllowed) {
    editor.AllowEscToAbort = 0;
    Type("\x1b");
    const float counter = editor.CursorFlashCounter;
    EXPECT_EQ(Run(1), 0);
    EXPECT_EQ(editor.CursorFlashCounter, counter + 1.0f) << "the cursor keeps flashing";
    editor.AllowEscToAbort = 1;
    editor.ClearTextOnEscape = 1;
    Type("ab\x1b");
    EXPECT_EQ(Run(4), -1);
    EXPECT_EQ(editor.Text, "");
    EXPECT_EQ(editor.Done, 1);
}

TEST_F(TextInputTest, UpperCasesTheFirstCharacterAsTypedAgainAfterDeletingBackToEmpty) {
    editor.UppercaseFirstCharAsTyped = 1;
    Type("ab\x08\x08"
         "cd");
    Run(6);
    EXPECT_EQ(editor.Text, "Cd");
}

TEST_F(TextInputTest, TypingBlocksTheGameKeysUntilFinished) {
    input.keys[65] = 1;
    input.chars.push_back('q');
    Game->BlockKeys = 0;
    editor.Reset();
    EXPECT_EQ(Game->BlockKeys, 1);
    EXPECT_EQ(input.keys[65], 0);
    EXPECT_TRUE(input.chars.empty());
    input.chars.push_back('q');
    Game->Mouse->h2 = 1;
    editor.Finish();
    EXPECT_EQ(Game->BlockKeys, 0);
    EXPECT_EQ(editor.Active, 0);
    EXPECT_EQ(editor.Done, 1);
    EXPECT_TRUE(input.chars.empty());
    EXPECT_EQ(Game->Mouse->h2, 0);
}

TEST_F(TextInputTest, CurrentCharFollowsATextChangedFromOutside) {
    editor.MaxLength = 5;
    Type("abcde");
    Run(5);
    editor.ClearTextOnEscape = 1;
    Type("\x1b");
    EXPECT_EQ(Run(1), -1);
    editor.Reset();
    Type("xy");
    Run(2);
    EXPECT_EQ(editor.Text, "xy") << "an emptied text takes characters again";

    editor.Text = "Bob"; // as an owner trimming " Bob "
    Type("12345");
    Run(5);
    EXPECT_EQ(editor.Text, "Bob12");
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
        editor.TextShadow = nullptr;
        recorder->calls.clear();
        editor.Draw();
        std::vector<std::string> texts;
        for (const auto& call : Texts())
            texts.push_back(call.text);
        return texts;
    }
};

TEST_F(TextInputDrawTest, TextCursorAndDotsFillMaxLengthPlaces) {
    editor.MaxLength = 10;
    editor.DrawDots = 1;
    editor.Text = "abc";
    EXPECT_EQ(Drawn(), (std::vector<std::string>{"abc", "_", "......"}));
    const float dotsX = Texts().back().x;
    platform::SetImageFont(nullptr);
    EXPECT_FLOAT_EQ(dotsX, 100.0f + float(platform::TextWidth("abc") + platform::TextWidth("_")));

    editor.CursorOn = 0;
    EXPECT_EQ(Drawn(), (std::vector<std::string>{"abc", "......"}));
    EXPECT_FLOAT_EQ(Texts().back().x, dotsX) << "the hidden cursor keeps its place";

    editor.Text = "abcdefghij";
    editor.CursorOn = 1;
    EXPECT_EQ(Drawn(), (std::vector<std::string>{"abcdefghij"}));

    int r = 0, g = 0, b = 0;
    platform::GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
}

TEST_F(TextInputDrawTest, CursorIsVisibleForFiftyTicksAndHiddenForFifty) {
    std::vector<int> phases;
    for (int i = 0; i < 200; ++i) {
        phases.push_back(editor.CursorOn);
        Tick([&] { editor.Manage(); });
    }
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(phases[size_t(i)], (i / 50) % 2 == 0 ? 1 : 0) << "tick " << i;
}

TEST_F(TextInputDrawTest, AFinishedInputDrawsOnlyWhenForced) {
    editor.Text = "abc";
    editor.Finish();
    EXPECT_TRUE(Drawn().empty());
    editor.ForceDraw = 1;
    EXPECT_FALSE(Drawn().empty());
}

} // namespace

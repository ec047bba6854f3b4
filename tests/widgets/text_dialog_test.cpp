// The text-entry dialog and the name prompt: Enter, OK, Escape and Cancel, the validator and its
// error box, the hot-key block and the Escape flag, the layout, and typed names from hostile input.
#include "WidgetHarness.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_files.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/text.h"
#include "profiles/player_names.h"
#include "widgets/dialog_builders.h"

#include <sys/stat.h>

using namespace widgettest;

namespace {

const std::string kExists = "Error: a profile with this name already exists!";

class TextDialogTest : public WidgetTest {
public:
    TDialogTextInputRef dialog;
    int result = 0;
    int resultTick = -1; // ticks since the last Go when the result came
    int ticks = 0;
    std::string accepted; // the text when it closed

    // A plain dialog in the game's fonts: "OK", and "Cancel" beside it when asked.
    TDialogTextInputRef Plain(int cancel) {
        auto made = TDialogTextInput::Create("Your name?", "", 12, nullptr, 0, 0, 0, 0, "");
        made->MenuCreate(cancel, 100);
        made->SetupCaption(MainFontSmall, TColor::Create(255, 255, 255, 1.0f), nullptr, nullptr);
        made->SetupText(UIFont, TColor::Create(255, 255, 255, 1.0f), nullptr, 0, nullptr);
        return made;
    }
    void Open(const TDialogTextInputRef& made) {
        dialog = made;
        dialog->Start();
        result = 0;
        resultTick = -1;
        ticks = 0;
    }
    // The owner's ticks: Manage; on a result, Kill and drop the dialog.
    void Run(int n) {
        for (int i = 0; i < n; ++i)
            Tick([&] {
                ++ticks;
                if (!dialog) return;
                const int r = dialog->Manage();
                if (r == 0) return;
                result = r;
                resultTick = ticks;
                accepted = dialog->TextInput->Text;
                dialog->Kill();
                dialog = nullptr;
            });
    }
    std::string Typed() const { return dialog ? dialog->TextInput->Text : accepted; }
    std::string Message() const { return dialog && dialog->DialogOK ? dialog->DialogOK->Caption->Text : ""; }
    static void Enter() { KeyType(platform::vk::RETURN, 13); }
    static void Escape() { KeyType(platform::vk::ESCAPE, 27); }
};

TEST_F(TextDialogTest, EnterAcceptsInItsOwnTickWithTheFirstLetterUpperCased) {
    Open(Plain(0));
    for (char c : std::string("abc")) {
        Char(c);
        Run(1);
    }
    Enter();
    Run(1);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(resultTick, 4);
    EXPECT_EQ(accepted, "Abc");
    EXPECT_EQ(ClickSounds(), 1);
    EXPECT_EQ(Game->BlockKeys, 0);
    EXPECT_EQ(Game->IgnoreEscapeKey, 0);
}

TEST_F(TextDialogTest, EnterPostedWithTheCharactersWaitsForThemToBeTyped) {
    Open(Plain(0));
    Type("abc");
    Enter();
    Run(6);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(resultTick, 4);
    EXPECT_EQ(accepted, "Abc");
    EXPECT_EQ(ClickSounds(), 1);

    Open(Plain(0));
    Type("x");
    KeyHold(platform::vk::RETURN); // the key without its character
    Run(3);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Typed(), "x");
}

TEST_F(TextDialogTest, BlanksAreRefusedSilentlyAndOKOnlyClicks) {
    Open(Plain(0));
    Type("   ");
    Enter();
    Run(6);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ClickSounds(), 0);
    TButtonRef ok = dialog->Menu->FindButton("OK");
    Click(int(ok->x) + 5, int(ok->y) + 5);
    Run(1);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ClickSounds(), 1);
    EXPECT_FALSE(dialog->DialogOK);
    EXPECT_EQ(dialog->TextInput->Active, 1) << "still typing";
    EXPECT_EQ(Game->BlockKeys, 1);
    Type("Al");
    Run(2);
    EXPECT_EQ(Typed(), "Al");
}

TEST_F(TextDialogTest, ARefusalOpensTheErrorBoxAndTypingGoesOnWhenItCloses) {
    Game->IgnoreEscapeKey = 0;
    auto made = Plain(1);
    made->ErrorCheckFunc = [](const std::string& text, std::string& message) {
        message = "No " + text;
        return text == "Bob" ? -1 : 1;
    };
    made->ErrorDialogFunc = ErrorDialog;
    Open(made);
    EXPECT_EQ(Game->BlockKeys, 1);
    Type("bob");
    Enter();
    Run(4);
    EXPECT_EQ(result, 0);
    ASSERT_TRUE(dialog->DialogOK);
    EXPECT_EQ(Message(), "No Bob");
    EXPECT_EQ(dialog->DialogOK->ReenableEscapeKey, 0);
    EXPECT_EQ(Game->BlockKeys, 1);
    EXPECT_EQ(Game->IgnoreEscapeKey, 1);

    // Escape closes the box and typing goes on in the same tick.
    Escape();
    Char('x');
    Run(1);
    EXPECT_FALSE(dialog->DialogOK);
    EXPECT_EQ(dialog->TextInput->Active, 1);
    EXPECT_EQ(Game->IgnoreEscapeKey, 1) << "the dialog still holds Escape";
    Char('y');
    Run(1);
    EXPECT_EQ(Typed(), "Boby") << "the same text, typing on";

    // OK in the box closes it as well; a click on the dialog's OK gets the refusal again.
    dialog->TextInput->Text = "Bob";
    TButtonRef ok = dialog->Menu->FindButton("OK");
    Click(int(ok->x) + 5, int(ok->y) + 5);
    Run(1);
    ASSERT_TRUE(dialog->DialogOK);
    EXPECT_EQ(dialog->TextInput->Active, 1) << "a refusal re-arms the editor";
    EXPECT_EQ(Game->BlockKeys, 1);
    TButtonRef boxOK = dialog->DialogOK->Menu->FindButton("OK");
    Click(int(boxOK->x) + 5, int(boxOK->y) + 5);
    Run(1);
    EXPECT_FALSE(dialog->DialogOK);
    Type("z");
    Enter();
    Run(3);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(accepted, "Bobz");
    EXPECT_EQ(Game->BlockKeys, 0);
    EXPECT_EQ(Game->IgnoreEscapeKey, 0);
}

TEST_F(TextDialogTest, ARefusalWithoutAnErrorBoxLeavesTheEditorTyping) {
    auto made = Plain(0);
    made->TextInput->AllowNull = 1; // the editor takes blanks the dialog refuses
    Open(made);
    Type("  ");
    Enter();
    Run(4);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(dialog->TextInput->Active, 1);
    Type("Jo");
    Enter();
    Run(4);
    EXPECT_EQ(accepted, "Jo");
}

TEST_F(TextDialogTest, KillingAnOpenDialogGivesTheKeysBack) {
    Game->IgnoreEscapeKey = 0;
    Open(Plain(1));
    Type("ab");
    Run(2);
    dialog->Kill();
    EXPECT_EQ(Game->BlockKeys, 0);
    EXPECT_EQ(Game->IgnoreEscapeKey, 0);
}

TEST_F(TextDialogTest, EscapeCancelsOnlyWithACancelButtonAndSpaceTypes) {
    Open(Plain(1));
    Escape();
    Run(2);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(resultTick, 1);
    EXPECT_EQ(ClickSounds(), 1) << "the Cancel button's click";

    Open(Plain(0));
    Type("a");
    Escape();
    KeyType(platform::vk::SPACE, 32);
    Type("b");
    Run(6);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Typed(), "a b");
    EXPECT_EQ(ClickSounds(), 1);
}

TEST_F(TextDialogTest, TheTextPlaceMovesLabelEditorAndBoxTogether) {
    auto made = Plain(0);
    made->Start();
    platform::SetImageFont(MainFontSmall);
    const int captionH = platform::TextHeight("");
    platform::SetImageFont(UIFont);
    const int textH = platform::TextHeight("");
    EXPECT_EQ(made->h, captionH + textH + 2 * 30 + 2 * 20 + 40) << "without a picture";
    made->TextOX = 300;
    made->TextOY = 250;
    made->MenuPosition();
    EXPECT_EQ(made->Text->X, 300.0f);
    EXPECT_EQ(made->TextInput->X, 300);
    EXPECT_EQ(made->TextInput->Y, 250);
    recorder->calls.clear();
    made->Draw();
    bool box = false;
    for (const auto& call : Calls(platform::DrawKind::Rect))
        if (call.y == 245.0f && call.h == float(textH + 10)) {
            box = true;
            EXPECT_EQ(call.x, float(made->x + 10));
            EXPECT_EQ(call.w, float(made->w - 20));
        }
    EXPECT_TRUE(box);
    made->Kill();
}

TEST_F(TextDialogTest, TheNamePromptsLayoutStyleAndRules) {
    platform::SetImageFont(MainFontSmall);
    const int captionH = platform::TextHeight("");
    auto withCancel = EnterNamePrompt(1);
    auto alone = EnterNamePrompt(0);
    EXPECT_EQ(withCancel->Active, 0) << "returned not started";
    EXPECT_EQ(withCancel->w, 480);
    EXPECT_EQ(withCancel->h, 280);
    withCancel->Start();
    alone->Start();
    const int textY = 160 + 20 + captionH + 38 + 34;
    const int buttonsY = 160 + 280 - 40 - 46;
    TButtonRef ok1 = withCancel->Menu->FindButton("OK"), cancel = withCancel->Menu->FindButton("Cancel");
    TButtonRef ok0 = alone->Menu->FindButton("OK");
    ASSERT_TRUE(ok1 && cancel && ok0);
    EXPECT_FALSE(alone->Menu->FindButton("Cancel"));
    EXPECT_EQ(ok1->x, 240.0f);
    EXPECT_EQ(ok1->y, float(buttonsY));
    EXPECT_EQ(cancel->x, 450.0f);
    EXPECT_EQ(ok0->x, 345.0f);
    EXPECT_EQ(ok0->y, float(buttonsY + 20));
    EXPECT_EQ(withCancel->TextInput->X, 270);
    EXPECT_EQ(withCancel->TextInput->Y, textY);
    EXPECT_EQ(alone->TextInput->Y, textY + 20);
    EXPECT_EQ(ok1->image->name, "OK2");
    EXPECT_EQ(ok1->ImageMouseOver->name, "OK2MO");
    EXPECT_EQ(withCancel->TextInput->MaxLength, 12);
    EXPECT_EQ(withCancel->TextInput->UppercaseFirstCharAsTyped, 0);
    EXPECT_EQ(withCancel->TextInput->AllowEscToAbort, 1);
    EXPECT_EQ(alone->TextInput->AllowEscToAbort, 0);
    alone->Kill();

    Open(withCancel);
    Type("abcdefghijklm");
    Run(13);
    EXPECT_EQ(Typed(), "abcdefghijkl") << "not upper-cased as typed; the 13th not taken";
    Enter();
    Run(1);
    EXPECT_EQ(accepted, "Abcdefghijkl");

    platform::CreateDir(Game->ProfilePath, true);
    dir.Write("profiles/Zed.dat", "");
    Open(EnterNamePrompt(0));
    Type("zed");
    Enter();
    Run(4);
    ASSERT_TRUE(dialog->DialogOK);
    EXPECT_EQ(Message(), kExists);
    EXPECT_EQ(dialog->DialogOK->Caption->Color->R, 255);
    EXPECT_EQ(dialog->DialogOK->Caption->Color->G, 0);
}

// One row of the name prompt's hostile input: what is posted, in what ticks.
struct HostileRow {
    const char* what;
    int cancel;
    std::function<void(TextDialogTest&)> input;
    int result;          // after the row
    std::string text;    // typed or accepted
    std::string message; // the error box, "" for none
};

TEST_F(TextDialogTest, HostileInputToTheNamePrompt) {
    platform::CreateDir(Game->ProfilePath, true);
    dir.Write("profiles/Bob.dat", "");
    dir.Write("profiles/ro.dat", "");
    chmod((dir / "profiles/ro.dat").c_str(), 0444);
    const std::vector<std::string> existing = platform::ListDir(Game->ProfilePath);
    std::vector<std::string> written;

    auto typeRun = [](const std::string& s, int extra = 2) {
        return [s, extra](TextDialogTest& t) {
            t.Type(s);
            t.Run(int(s.size()) + extra);
        };
    };
    auto typeEnter = [](const std::string& s) {
        return [s](TextDialogTest& t) {
            t.Type(s);
            Enter();
            t.Run(int(s.size()) + 3);
        };
    };
    std::string many;
    for (int i = 0; i < 300; ++i)
        many += char('a' + i % 26);
    const std::vector<HostileRow> rows = {
        {"300 characters and Enter in one tick", 0,
         [&](TextDialogTest& t) {
             t.Type(many);
             Enter();
             t.Run(300);
             EXPECT_EQ(t.result, 0) << "the Enter fell off the full ring";
             EXPECT_EQ(t.Typed(), "abcdefghijkl");
             Enter();
             t.Run(2);
         },
         1, "Abcdefghijkl", ""},
        {"abc and Enter in one tick", 0, typeEnter("abc"), 1, "Abc", ""},
        {"control codes, 127 and Tab", 0, typeRun(std::string("\x01\x02\x07\x09\x0a\x0b\x0c\x1a\x1f\x7f")), 0,
         "", ""},
        {"Zoe with an e diaeresis", 0, typeRun("Zo\xeb"), 0, "Zo", ""},
        {"a/b:c", 0, typeRun("a/b:c"), 0, "abc", ""},
        {"..\\x", 0, typeRun("..\\x"), 0, "..x", ""},
        {"a*b?", 0, typeRun("a*b?"), 0, "ab", ""},
        {"a full stop", 0, typeEnter("."), 0, ".", "Error: a name cannot start with a full stop!"},
        {"two full stops", 0, typeEnter(".."), 0, "..", "Error: a name cannot start with a full stop!"},
        {".hidden", 0, typeEnter(".hidden"), 0, ".hidden", "Error: a name cannot start with a full stop!"},
        {"blanks, Enter, then OK", 0,
         [](TextDialogTest& t) {
             t.Type("   ");
             Enter();
             t.Run(6);
             EXPECT_EQ(t.ClickSounds(), 0);
             TButtonRef ok = t.dialog->Menu->FindButton("OK");
             Click(int(ok->x) + 5, int(ok->y) + 5);
             t.Run(1);
             EXPECT_EQ(t.ClickSounds(), 1);
         },
         0, "", ""},
        {"blanks around Bob", 0, typeEnter(" Bob "), -2, "", ""}, // see below: Bob exists here
        {"bob when Bob.dat exists", 0, typeEnter("bob"), 0, "Bob", kExists},
        {"Ro when a read-only ro.dat exists", 0, typeEnter("Ro"), 0, "Ro", kExists},
        {"13 characters", 0, typeRun("Maximilianxyz"), 0, "Maximilianxy", ""},
        {"CON", 0, typeEnter("CON"), 1, "CON", ""},
        {"$(id)", 0, typeEnter("$(id)"), 1, "$(id)", ""},
        {"-rf", 0, typeEnter("-rf"), 1, "-rf", ""},
        {"$HOME", 0, typeEnter("$HOME"), 1, "$HOME", ""},
        {"Enter held down", 0,
         [](TextDialogTest& t) {
             t.Type("Ann");
             t.Run(3);
             KeyHold(platform::vk::RETURN);
             Char(13);
             for (int i = 0; i < 5; ++i)
                 platform::PostEvent({platform::EVENT_KEY_REPEAT, platform::vk::RETURN, 0, 0});
             t.Run(3);
             KeyRelease(platform::vk::RETURN);
             t.Run(1);
             EXPECT_EQ(t.resultTick, 4) << "one Enter";
         },
         1, "Ann", ""},
        {"Backspace held", 0,
         [](TextDialogTest& t) {
             t.Type("Annie");
             t.Run(5);
             KeyHold(platform::vk::BACK);
             Char(8);
             platform::PostEvent({platform::EVENT_KEY_REPEAT, platform::vk::BACK, 0, 0});
             Char(8);
             t.Run(3);
             KeyRelease(platform::vk::BACK);
             t.Run(1);
         },
         0, "Ann", ""},
        {"Escape without Cancel", 0,
         [](TextDialogTest& t) {
             t.Type("Al");
             Escape();
             t.Run(4);
         },
         0, "Al", ""},
        {"Escape before Enter, with Cancel", 1,
         [](TextDialogTest& t) {
             t.Type("Al");
             Escape();
             Enter();
             t.Run(5);
         },
         -1, "Al", ""},
        {"Enter before Escape, with Cancel", 1,
         [](TextDialogTest& t) {
             t.Type("Al");
             Enter();
             Escape();
             t.Run(5);
         },
         1, "Al", ""},
    };
    for (const HostileRow& row : rows) {
        SCOPED_TRACE(row.what);
        audio->Clear();
        Open(EnterNamePrompt(row.cancel));
        accepted.clear();
        row.input(*this);
        if (row.result == -2) {
            // " Bob " is trimmed to "Bob", which exists here: the refusal shows the trimmed name.
            EXPECT_EQ(result, 0);
            EXPECT_EQ(Typed(), "Bob");
            EXPECT_EQ(Message(), kExists);
        } else {
            EXPECT_EQ(result, row.result);
            EXPECT_EQ(Typed(), row.text);
            EXPECT_EQ(Message(), row.message);
        }
        if (result == 1) {
            // The owner makes the profile, as the title screen will.
            const std::string path = Game->ProfilePath + accepted + ".dat";
            dir.Write("profiles/" + accepted + ".dat", "");
            EXPECT_EQ(platform::ExtractDir(path) + "/", Game->ProfilePath);
            written.push_back(accepted + ".dat");
        }
        if (result == 0) {
            EXPECT_TRUE(dialog) << "the prompt stays open";
            if (dialog) dialog->Kill();
        }
        dialog = nullptr;
        result = 0;
        if (HasFailure()) break;
    }
    // " Bob " without a Bob profile is accepted as "Bob".
    platform::DeleteFile(Game->ProfilePath + "Bob.dat");
    Open(EnterNamePrompt(0));
    Type(" Bob ");
    Enter();
    Run(8);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(accepted, "Bob");

    std::vector<std::string> expected = {".", ".."};
    for (const std::string& name : existing)
        if (name != "." && name != ".." && name != "Bob.dat") expected.push_back(name);
    for (const std::string& name : written)
        expected.push_back(name);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(platform::ListDir(Game->ProfilePath), expected);
    std::vector<std::string> top;
    for (const std::string& name : platform::ListDir(dir.Path()))
        if (name != "." && name != ".." && name != "script.txt") top.push_back(name);
    EXPECT_EQ(top, (std::vector<std::string>{"profiles"})) << "nothing written outside the profiles folder";
}

} // namespace

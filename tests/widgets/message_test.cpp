// Message and question boxes, the builders that style them, and how a dialog's owner runs one:
// sizes and places, every way of answering, the input flush, and hostile input.
#include "WidgetHarness.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "media/TMousePointer.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/system.h"
#include "widgets/dialog_builders.h"

using namespace widgettest;

namespace {

class MessageTest : public WidgetTest {
protected:
    static int Width(const std::string& text) {
        platform::SetImageFont(MainFontSmall);
        return platform::TextWidth(text);
    }
    // Centre of a dialog's named button.
    static std::pair<int, int> CentreOf(TDialog& dialog, const std::string& name) {
        TButtonRef button = dialog.Menu->FindButton(name);
        return {int(button->x) + button->w / 2, int(button->y) + button->h / 2};
    }
    // One tick of the dialog; its answer.
    int Step(TDialog& dialog) {
        int result = 0;
        Tick([&] { result = dialog.Manage(); });
        return result;
    }
};

TEST_F(MessageTest, MessageBoxIsAsWideAsItsText) {
    const std::string text = "Your game has been saved.";
    auto dialog = MakeOKDialog(text);
    EXPECT_EQ(dialog->w, Width(text) + 40);
    EXPECT_EQ(dialog->h, 30 + 50 + 40 + 40);
    EXPECT_EQ(dialog->x, (800 - dialog->w) / 2);
    EXPECT_EQ(dialog->y, (600 - 160) / 2);
    EXPECT_EQ(dialog->Caption->Y, float(dialog->y + 20));
    auto ok = dialog->Menu->FindButton("OK");
    EXPECT_EQ(ok->y + float(ok->h), float(dialog->y + dialog->h - 20));
    EXPECT_EQ(ok->x, float(dialog->x + (dialog->w - 110) / 2));

    auto narrow = MakeOKDialog("Hi");
    EXPECT_EQ(narrow->w, Width("Hi") + 40);
    EXPECT_LT(narrow->Menu->FindButton("OK")->x, float(narrow->x)) << "the button sticks out";
}

TEST_F(MessageTest, MessageBoxClosesWithOneEveryWay) {
    struct Case {
        std::string what;
        std::function<void(TDialog&)> input;
    } cases[] = {
        {"Escape", [](TDialog&) { KeyPress(platform::vk::ESCAPE); }},
        {"Enter", [](TDialog&) { KeyPress(platform::vk::RETURN); }},
        {"Space", [](TDialog&) { KeyPress(platform::vk::SPACE); }},
        {"click",
         [](TDialog& d) {
             auto [x, y] = CentreOf(d, "OK");
             Click(x, y);
         }},
    };
    for (const auto& c : cases) {
        audio->Clear();
        auto dialog = MakeOKDialog("Saved.");
        Step(*dialog);
        c.input(*dialog);
        KeyPress('Q');
        EXPECT_EQ(Step(*dialog), 1) << c.what;
        EXPECT_FALSE(InputPending()) << c.what << ": flushed";
        EXPECT_EQ(ClickSounds(), 1) << c.what;
        EXPECT_EQ(Game->IgnoreEscapeKey, 0) << c.what;
        EXPECT_EQ(Step(*dialog), 0) << c.what << ": later ticks";
    }
}

TEST_F(MessageTest, ClickAnywhereClosesAfterTheButtonsClick) {
    auto dialog = MakeOKDialog("Anywhere");
    dialog->ClickAnywhereCloses = 1;
    Click(5, 5);
    EXPECT_EQ(Step(*dialog), 1);
    EXPECT_EQ(ClickSounds(), 1);
    EXPECT_EQ(dialog->Menu->FindButton("OK")->Glow, 0.5f);
}

TEST_F(MessageTest, QuestionAnswers) {
    struct Case {
        std::string what;
        std::function<void(TDialog&)> input;
        int result;
        int clicks; // click sounds: the Yes button pressed before Escape still sounded
    } cases[] = {
        {"Escape", [](TDialog&) { KeyPress(platform::vk::ESCAPE); }, -1, 1},
        {"N", [](TDialog&) { KeyPress('N'); }, -1, 1},
        {"Y", [](TDialog&) { KeyPress('Y'); }, 1, 1},
        {"Enter", [](TDialog&) { KeyPress(platform::vk::RETURN); }, 1, 1},
        {"Space", [](TDialog&) { KeyPress(platform::vk::SPACE); }, 1, 1},
        {"click on Yes",
         [](TDialog& d) {
             auto [x, y] = CentreOf(d, "Yes");
             Click(x, y);
         },
         1, 1},
        {"click on No",
         [](TDialog& d) {
             auto [x, y] = CentreOf(d, "No");
             Click(x, y);
         },
         -1, 1},
        {"Escape and Y",
         [](TDialog&) {
             KeyPress(platform::vk::ESCAPE);
             KeyPress('Y');
         },
         -1, 1},
        {"N and Y",
         [](TDialog&) {
             KeyPress('N');
             KeyPress('Y');
         },
         -1, 1},
        {"Enter and Escape",
         [](TDialog&) {
             KeyPress(platform::vk::RETURN);
             KeyPress(platform::vk::ESCAPE);
         },
         -1, 2},
        {"click on Yes and Escape",
         [](TDialog& d) {
             auto [x, y] = CentreOf(d, "Yes");
             Click(x, y);
             KeyPress(platform::vk::ESCAPE);
         },
         -1, 2},
    };
    for (const auto& c : cases) {
        audio->Clear();
        auto dialog = MakeDialogYesNo("Are you sure?");
        c.input(*dialog);
        EXPECT_EQ(Step(*dialog), c.result) << c.what;
        EXPECT_FALSE(InputPending()) << c.what << ": every hit flushed";
        EXPECT_EQ(ClickSounds(), c.clicks) << c.what;
        EXPECT_EQ(Step(*dialog), 0) << c.what << ": later ticks";
    }
}

TEST_F(MessageTest, QuestionButtonsStandApartCentredInTheBox) {
    auto dialog = MakeDialogYesNo("Are you sure you want to delete this player?");
    auto yes = dialog->Menu->FindButton("Yes"), no = dialog->Menu->FindButton("No");
    EXPECT_EQ(no->x - (yes->x + float(yes->w)), 50.0f);
    EXPECT_EQ(yes->x - float(dialog->x), float(dialog->x + dialog->w) - (no->x + float(no->w)));
    EXPECT_EQ(no->y, yes->y);
    auto narrow = MakeDialogYesNo("Go?");
    EXPECT_EQ(narrow->w, Width("Go?") + 40);
    EXPECT_LT(narrow->Menu->FindButton("Yes")->x, float(narrow->x));
}

TEST_F(MessageTest, OkButtonCreateStylesTheFirstOkButton) {
    TMenuRef menu = TMenu::Create("buttonMO", "buttonclick", 0, 100, 10);
    OKButtonCreate(*menu);
    auto ok = menu->FindButton("OK");
    EXPECT_EQ(ok->y, 545.0f);
    EXPECT_EQ(ok->x, 345.0f);
    EXPECT_EQ(ok->OKButton, 1);
    EXPECT_EQ(ok->GlowMode, 3) << "pulsing";
    EXPECT_EQ(ok->AutoGlowOnMO, 1);

    TMenuRef again = TMenu::Create("", "", 0, 100, 10);
    auto earlier = again->AddQuick("OK", "");
    OKButtonCreate(*again);
    EXPECT_EQ(earlier->y, 545.0f);
    EXPECT_EQ(again->Count(), 2);
    EXPECT_EQ(again->Last()->y, 150.0f) << "the new button stays where it was stacked";
    EXPECT_EQ(again->Last()->OKButton, 0);
}

TEST_F(MessageTest, ErrorAndMessageBoxesDifferOnlyInTheirCaptionColour) {
    auto log = [&](TDialogOKRef dialog) {
        recorder->calls.clear();
        dialog->Draw();
        std::vector<std::string> lines;
        for (const auto& call : recorder->calls)
            lines.push_back(std::to_string(int(call.kind)) + " " + std::to_string(call.x) + " " +
                            std::to_string(call.y) + " " + std::to_string(call.state.r) + " " +
                            std::to_string(call.state.g) + " " + call.text);
        return lines;
    };
    platform::AdvanceClock(40);
    Game->FixedRateLogic->NumTicks = 7;
    auto error = ErrorDialog("Error: a profile with this name already exists!");
    EXPECT_EQ(Game->FixedRateLogic->LastTime, platform::MilliSecs());
    EXPECT_EQ(Game->FixedRateLogic->NumTicks, 0);
    EXPECT_EQ(error->Active, 1);
    EXPECT_EQ(Game->IgnoreEscapeKey, 1);
    auto second = ErrorDialog("Error: a profile with this name already exists!");
    EXPECT_NE(error, second);
    auto plain = MakeOKDialog("Error: a profile with this name already exists!");
    auto errorLog = log(error), plainLog = log(plain);
    ASSERT_EQ(errorLog.size(), plainLog.size());
    int differing = 0;
    for (size_t i = 0; i < errorLog.size(); ++i)
        if (errorLog[i] != plainLog[i]) {
            ++differing;
            EXPECT_NE(errorLog[i].find(" 255 0 Error:"), std::string::npos) << errorLog[i];
        }
    EXPECT_EQ(differing, 1) << "only the caption's own pass; its shadow is black in both";
}

// A screen-like owner with a menu of its own under the pointer.
class OwnerTest : public MessageTest {
protected:
    void SetUp() override {
        MessageTest::SetUp();
        own = TMenu::Create("buttonMO", "buttonclick", 0, 320, 0);
        own->AddQuick("OK", "mine");
        own->FindButton("mine")->x = 345;
    }
    // The owner's tick: the dialog first; on an answer it is killed and the menu refreshed
    // silently; while it is open the owner does nothing else.
    int OwnerTick() {
        int answer = 0;
        Tick([&] {
            if (dialog) {
                answer = dialog->Manage();
                if (answer != 0) {
                    dialog->Kill();
                    dialog = nullptr;
                    own->ManageNoSound(0, 0);
                }
                if (dialog && dialog->Active == 1) return;
                return;
            }
            own->Manage(0, 0);
            if (own->Clicked("mine")) ++ownClicks;
        });
        return answer;
    }
    TMenuRef own;
    TDialogRef dialog;
    int ownClicks = 0;
};

TEST_F(OwnerTest, ClosingPressReachesNoOwnerButton) {
    dialog = MakeOKDialog("Saved.");
    auto [x, y] = CentreOf(*dialog, "OK");
    EXPECT_EQ(y, 340) << "the OK button lies over the owner's";
    Click(x, y);
    EXPECT_EQ(OwnerTick(), 1);
    int answers = 0;
    for (int tick = 0; tick < 10; ++tick) {
        Press(1);
        answers += OwnerTick();
        Release(1);
    }
    EXPECT_EQ(answers, 0);
    // A button clicked in every tick stays clicked and sounds once, at the first.
    EXPECT_EQ(ClickSounds(), 1 + 1) << "the dialog's click, then the owner's own";
    EXPECT_EQ(ownClicks, 10) << "none in the closing tick";
    EXPECT_EQ(HoverSounds(), 1) << "the dialog's button only: the owner's refresh is silent";
}

TEST_F(OwnerTest, InnerBoxLeavesEscapeWithTheOuterOne) {
    auto outer = MakeDialogYesNo("Delete?");
    auto inner = TDialogOK::Create("Cannot delete the only player.", nullptr, 0, 0, 0, "");
    inner->ReenableEscapeKey = 0;
    inner->Start();
    KeyPress(platform::vk::ESCAPE);
    EXPECT_EQ(Step(*inner), 1);
    EXPECT_EQ(Game->IgnoreEscapeKey, 1);
    KeyPress(platform::vk::ESCAPE);
    EXPECT_EQ(Step(*outer), -1);
    EXPECT_EQ(Game->IgnoreEscapeKey, 0);
}

TEST_F(MessageTest, MissingButtonsAreSkipped) {
    auto message = MakeOKDialog("renamed");
    message->Menu->FindButton("OK")->SetName("other");
    KeyPress(platform::vk::ESCAPE);
    EXPECT_EQ(Step(*message), 1) << "Escape still closes";

    auto question = MakeDialogYesNo("removed");
    question->Menu->Remove(question->Menu->FindButton("No"));
    question->Menu->FindButton("Yes")->SetName("maybe");
    KeyPress('N');
    EXPECT_EQ(Step(*question), -1);
    question = MakeDialogYesNo("again");
    question->Menu->Clear();
    KeyPress('Y');
    EXPECT_EQ(Step(*question), 1);
    question->ClickSound();
}

TEST_F(MessageTest, HostileCaptionsAndWheels) {
    std::string endless(2000, 'w');
    for (const std::string& text : {endless, std::string("100%s done\\n \"quoted\"")}) {
        recorder->calls.clear();
        auto dialog = MakeOKDialog(text);
        EXPECT_EQ(dialog->w, Width(text) + 40);
        dialog->Draw();
        bool drawn = false;
        for (const auto& call : Calls(platform::DrawKind::Text))
            drawn = drawn || call.text == text;
        EXPECT_TRUE(drawn) << "drawn as plain text";
    }
    auto question = MakeDialogYesNo("Wheel?");
    auto [x, y] = CentreOf(*question, "Yes");
    MouseTo(x, y);
    Wheel(3);
    EXPECT_EQ(Step(*question), 0);
    Wheel(-5);
    EXPECT_EQ(Step(*question), 0);
    EXPECT_EQ(question->Active, 1);
    EXPECT_EQ(ClickSounds(), 0);
}

} // namespace

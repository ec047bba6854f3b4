// Hostile input against buttons, menus and dialogs, one row per kind of abuse: floods of presses,
// drags, held and doubled keys, presses during a fade, wheels, odd captions and unknown names.
#include "WidgetHarness.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "media/TGameFade.h"
#include "platform/font.h"
#include "platform/input.h"
#include "widgets/dialog_builders.h"

using namespace widgettest;

namespace {

class HostileTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        menu = TMenu::Create("buttonMO", "buttonclick", 0, 300, 0);
        button = menu->AddQuick("OK", "");
        button->OKButton = 1;
        button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    }
    // Menu ticks; the clicks of "OK" seen.
    int Run(int ticks, const std::function<void(int)>& before = {}) {
        int clicks = 0;
        for (int tick = 0; tick < ticks; ++tick) {
            if (before) before(tick);
            Tick([&] {
                menu->Manage(0, 0);
                clicks += menu->Clicked("OK");
            });
        }
        return clicks;
    }
    TMenuRef menu;
    TButtonRef button; // 345..455 x 300..340
};

TEST_F(HostileTest, EveryRowEndsAsExpected) {
    struct Row {
        std::string input;
        std::function<void()> check;
    } rows[] = {
        {"5 presses in one tick over a button",
         [&] {
             MouseTo(400, 300);
             for (int i = 0; i < 5; ++i) {
                 Press(1);
                 Release(1);
             }
             EXPECT_EQ(Run(1), 1);
             EXPECT_EQ(ClickSounds(), 1);
         }},
        {"a click on a message box's OK, then presses in the next 10 ticks",
         [&] {
             auto dialog = MakeOKDialog("Saved.");
             auto ok = dialog->Menu->FindButton("OK");
             ASSERT_EQ(ok->y, 320.0f) << "over the owner's button";
             Click(int(ok->x) + 5, int(ok->y) + 5);
             std::vector<int> results;
             int closingTickClicks = 0, laterClicks = 0;
             for (int tick = 0; tick < 11; ++tick) {
                 if (tick > 0) Press(1);
                 Tick([&] {
                     int r = dialog->Manage();
                     results.push_back(r);
                     if (r != 0) {
                         menu->ManageNoSound(0, 0);
                         closingTickClicks += menu->Clicked("OK");
                     } else if (dialog->Active == 0) {
                         menu->Manage(0, 0);
                         laterClicks += menu->Clicked("OK");
                     }
                 });
                 Release(1);
             }
             EXPECT_EQ(results[0], 1);
             EXPECT_EQ(std::count(results.begin(), results.end(), 1), 1) << "later Manage calls answer 0";
             EXPECT_EQ(closingTickClicks, 0) << "nothing reached the owner in the closing tick";
             EXPECT_EQ(laterClicks, 10) << "later presses are the owner's";
         }},
        {"press on a button, drag off it, release outside",
         [&] {
             int clicks = Run(4, [&](int tick) {
                 if (tick == 0) {
                     MouseTo(400, 300);
                     Press(1);
                 }
                 if (tick == 1) MouseTo(600, 500);
                 if (tick == 2) Release(1);
             });
             EXPECT_EQ(clicks, 1);
             EXPECT_EQ(ClickSounds(), 1);
         }},
        {"press outside, drag onto a button, release on it",
         [&] {
             int clicks = Run(4, [&](int tick) {
                 if (tick == 0) {
                     MouseTo(600, 500);
                     Press(1);
                 }
                 if (tick == 1) MouseTo(400, 300);
                 if (tick == 2) Release(1);
             });
             EXPECT_EQ(clicks, 0);
             EXPECT_EQ(HoverSounds(), 1);
         }},
        {"Enter held for 1 s",
         [&] {
             KeyHold(platform::vk::RETURN);
             int clicks = Run(200, [](int tick) {
                 if (tick % 7 == 3)
                     platform::PostEvent({platform::EVENT_KEY_REPEAT, platform::vk::RETURN, 0, 0});
             });
             EXPECT_EQ(clicks, 1);
         }},
        {"Enter and Space in one tick",
         [&] {
             KeyPress(platform::vk::RETURN);
             KeyPress(platform::vk::SPACE);
             EXPECT_EQ(Run(2), 1);
             EXPECT_EQ(ClickSounds(), 1);
             EXPECT_EQ(KeyHit(platform::vk::SPACE), 0) << "the Space hit is gone";
         }},
        {"presses during a screen fade",
         [&] {
             MouseTo(400, 300);
             Run(1);
             Game->GameFade->Active = 1;
             int clicks = Run(5, [](int) { Press(1); });
             EXPECT_EQ(clicks, 0);
             EXPECT_FLOAT_EQ(button->Glow, 0.5f - 5 * 0.005f) << "the fixed glow keeps fading";
         }},
        {"wheel events over a menu and a dialog",
         [&] {
             MouseTo(400, 300);
             Run(1);
             auto dialog = MakeDialogYesNo("Wheel?");
             int clicks = Run(3, [](int) { Wheel(3); });
             int result = 0;
             Wheel(-7);
             Tick([&] { result = dialog->Manage(); });
             EXPECT_EQ(clicks + result + ClickSounds(), 0);
         }},
        {"a 2,000-character caption without a blank, and one holding %s, \\n and \"",
         [&] {
             platform::SetImageFont(MainFontSmall);
             for (const std::string& text : {std::string(2000, 'w'), std::string("%s \\n \" %d")}) {
                 auto dialog = MakeOKDialog(text);
                 EXPECT_EQ(dialog->w, platform::TextWidth(text) + 40);
                 dialog->Draw();
                 EXPECT_EQ(Calls(platform::DrawKind::Text).back().text, text);
             }
         }},
        {"Clicked asked with a name no button has",
         [&] {
             MouseTo(400, 300);
             Press(1);
             Run(0);
             Tick([&] { menu->Manage(0, 0); });
             EXPECT_EQ(menu->Clicked("Nope"), 0);
             EXPECT_EQ(menu->MouseOver("Nope"), 0);
             EXPECT_EQ(menu->Clicked("OK"), 1);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.input);
        TearDown();
        SetUp();
        row.check();
    }
}

} // namespace

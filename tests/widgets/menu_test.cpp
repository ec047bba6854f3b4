// Button menus: stacking and laying out buttons, the per-tick poll and its names, sounds, fades
// and the pointer switched off, and the screen base's menu.
#include "WidgetHarness.h"

#include "core/TGame.h"
#include "core/TScreen.h"
#include "media/TGameFade.h"
#include "media/TMousePointer.h"
#include "platform/input.h"
#include "widgets/TMenu.h"

using namespace widgettest;

namespace {

class MenuTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        Game->MenuPath = dir.Path();
        for (auto [name, w, h] :
             {std::tuple{"a", 110, 40}, {"b", 110, 40}, {"c", 110, 50}, {"w100", 100, 40}, {"w120", 120, 50}})
            WritePicture(std::string(name) + ".png", w, h, 0xFFFFFFFFu);
        menu = TMenu::Create("buttonMO", "buttonclick", 0, 100, 10);
    }
    // One menu poll with the pointer at (x, y); Manage's answer.
    int PollAt(int x, int y) {
        MouseTo(x, y);
        int polled = 0;
        Tick([&] { polled = menu->Manage(0, 0); });
        return polled;
    }
    TMenuRef menu;
};

TEST_F(MenuTest, StacksCentredButtonsWithGaps) {
    std::vector<TButtonRef> buttons = {menu->AddQuick("a", ""), menu->AddQuick("b", ""),
                                       menu->AddQuick("c", "")};
    std::vector<float> tops, lefts;
    for (const auto& button : buttons) {
        tops.push_back(button->y);
        lefts.push_back(button->x);
    }
    EXPECT_EQ(tops, std::vector<float>({100, 150, 200}));
    EXPECT_EQ(lefts, std::vector<float>({345, 345, 345}));
    EXPECT_EQ(menu->h, 150);
    EXPECT_EQ(menu->NextY, 260);
    EXPECT_EQ(buttons[2]->name, "C");
    EXPECT_EQ(buttons[0]->SoundClick, menu->SoundClick) << "shared, not copied";
}

TEST_F(MenuTest, PairsAndRowsStandSideBySide) {
    menu->AddPair("w100", "w120", 20, "pre");
    auto left = menu->FindButton("prew100"), right = menu->FindButton("PREW120");
    ASSERT_TRUE(left && right);
    EXPECT_EQ(left->x, 350.0f);
    EXPECT_EQ(right->x, 470.0f);
    EXPECT_EQ(menu->NextY, 100 + 50 + 10) << "the taller button and one gap";

    TMenuRef row = TMenu::Create("", "", 0, 0, 0);
    auto first = row->AddQuick("w100", ""), second = row->AddQuick("w120", "");
    row->MakeRow(10);
    EXPECT_EQ(first->x, 275.0f);
    EXPECT_EQ(second->x, 405.0f);
    EXPECT_EQ(second->x + float(second->w), 525.0f);
    EXPECT_EQ(first->y, 275.0f) << "tops level, the block centred vertically";
    EXPECT_EQ(second->y, 275.0f);
    EXPECT_EQ(row->w, 250);
}

TEST_F(MenuTest, ClickedAnswersOnceInAnyCase) {
    menu->AddQuick("a", "Play");
    Press(1);
    EXPECT_EQ(PollAt(400, 110), 1);
    EXPECT_EQ(menu->MouseOver("play"), 1);
    EXPECT_EQ(menu->Clicked("nothing"), 0);
    EXPECT_EQ(menu->Clicked(""), 0);
    EXPECT_EQ(menu->Clicked("pLaY"), 1);
    EXPECT_EQ(menu->Clicked("PLAY"), 0) << "the first answer consumed it";
    EXPECT_EQ(menu->MouseOver("PLAY"), 1) << "hover names are kept";
}

TEST_F(MenuTest, OverlappingButtonsBothHoverAndTheLaterIsNamed) {
    menu->AddQuick("a", "first");
    auto second = menu->AddQuick("b", "second");
    second->MoveTo(345, 100);
    PollAt(400, 110);
    EXPECT_EQ(HoverSounds(), 2);
    EXPECT_EQ(menu->MouseOverName, "SECOND");
}

TEST_F(MenuTest, FadesAndClosedInputRunOnlyFixedGlows) {
    auto button = menu->AddQuick("a", "");
    button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    Press(1);
    PollAt(400, 110);
    ASSERT_EQ(menu->ClickedName, "A");
    Game->GameFade->Active = 1;
    Press(1);
    PollAt(400, 110);
    EXPECT_FLOAT_EQ(button->Glow, 0.495f) << "the glow keeps fading";
    EXPECT_EQ(ClickSounds(), 1) << "no click during the fade";
    EXPECT_EQ(menu->Clicked("a"), 1) << "the click made before the fade still answers";
    Game->GameFade->Active = 0;
    menu->AcceptInput = 0;
    Press(1);
    EXPECT_EQ(PollAt(400, 110), 0);
    EXPECT_FLOAT_EQ(button->Glow, 0.49f);
    EXPECT_EQ(ClickSounds(), 1);
}

TEST_F(MenuTest, PointerSwitchedOffRunsNothingAndKeepsTheNames) {
    auto button = menu->AddQuick("a", "");
    button->OKButton = 1;
    button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    PollAt(400, 110);
    Game->Mouse->Active = 0;
    KeyPress(platform::vk::RETURN);
    EXPECT_EQ(PollAt(400, 110), 0);
    EXPECT_EQ(button->Glow, 0.5f);
    EXPECT_EQ(menu->MouseOverName, "A");
    EXPECT_EQ(menu->ClickedName, "") << "Enter reaches no button";
}

TEST_F(MenuTest, WheelChangesNothing) {
    menu->AddQuick("a", "");
    PollAt(400, 110);
    Wheel(3);
    PollAt(400, 110);
    EXPECT_EQ(menu->ClickedName, "");
    EXPECT_EQ(ClickSounds(), 0);
}

TEST_F(MenuTest, EveryMenuLoadsItsOwnSoundsAndAnEmptyNameKeepsOne) {
    TMenuRef other = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    EXPECT_NE(other->SoundClick, menu->SoundClick);
    auto kept = menu->SoundClick;
    menu->Init("", "", 0, 33.7f, 5);
    EXPECT_EQ(menu->SoundClick, kept);
    EXPECT_EQ(menu->NextY, 33);
    EXPECT_TRUE(menu->IsEmpty());
    EXPECT_FALSE(TMenu::Create("", "", 0, 0, 0)->SoundClick);
}

class ScreenMenuTest : public MenuTest {};

TEST_F(ScreenMenuTest, ScreenRunsItsMenu) {
    auto screen = std::make_shared<TScreen>();
    screen->Menu = menu;
    auto play = menu->AddQuick("a", "play");
    menu->AddQuick("b", "quit");
    screen->ImageLoad("title.jpg", -1, 0);
    screen->Header = TSprite::Create(TGameImage::Create(dir / "c.png", -1, 1), 400, 50);
    MouseTo(400, 110);
    Tick([&] { screen->Start(); });
    EXPECT_EQ(play->MouseOver, 1) << "hovered silently at the start";
    EXPECT_EQ(HoverSounds(), 0);
    Press(1);
    Tick([&] { screen->Logic(); });
    EXPECT_EQ(menu->Clicked("PLAY"), 1);
    EXPECT_EQ(ClickSounds(), 1);

    recorder->calls.clear();
    screen->Draw();
    ASSERT_EQ(recorder->calls.size(), 4u) << "background, header, then both buttons";
    EXPECT_EQ(recorder->calls[0].image, screen->Image);
    EXPECT_EQ(recorder->calls[1].image, screen->Header->image->image);
    EXPECT_EQ(recorder->calls[2].image, play->ImageMouseOver->image);

    screen->Kill();
    EXPECT_FALSE(screen->Menu);
    EXPECT_TRUE(menu->IsEmpty());
    screen->Kill();
    Tick([&] { screen->Logic(); });
}

} // namespace

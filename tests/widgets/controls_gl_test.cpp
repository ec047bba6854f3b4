// The text entry, the options screen's sliders and a tool tip on the real GL side, with the
// generated data folder. A few pixels are checked; each frame is kept for a person to look at.
#include "WidgetHarness.h"
#include "title_list_box.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_files.h"
#include "framework/core_services.h"
#include "platform/TPixmap.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/graphics.h"
#include "widgets/TScrollBar.h"
#include "widgets/TSlider.h"
#include "widgets/TTextInput.h"
#include "widgets/TToolTip.h"

#include <gtest/gtest.h>

namespace {

const std::string kData = SLEETWHISTLE_TEST_DATA_DIR;

class ControlsSceneTest : public widgettest::WidgetGLTest {
protected:
    static void Background(int r, int g, int b) {
        platform::SetClsColor(r, g, b);
        platform::Cls();
    }
};

TEST_F(ControlsSceneTest, TextInputWithCursorAndDots) {
    Background(30, 40, 70);
    TTextInput editor;
    editor.MaxLength = 10;
    editor.Init(platform::LoadImageFont(kData + "/fonts/card.ttf", 60, 6), "abc", 250, 390, nullptr);
    editor.DrawDots = 1;
    editor.Draw();
    platform::PixmapRef frame = Grab();
    testsupport::SaveTestOutput(frame, "widgets-text-input-dots.png");
    platform::SetImageFont(editor.Font);
    const int cursorX = 250 + platform::TextWidth("abc") + platform::TextWidth("_") / 2;
    // The cursor's cyan somewhere in the underscore's place, near the bottom of the line.
    bool cyan = false;
    for (int y = 390; y < 390 + platform::TextHeight("") && !cyan; ++y)
        cyan = testsupport::PixelNear(frame, cursorX, y, 0, 255, 255, 40);
    EXPECT_TRUE(cyan) << "no cursor at x " << cursorX;
    EXPECT_TRUE(testsupport::PixelNear(frame, 240, 380, 30, 40, 70, 2)) << "nothing left of the text";
}

TEST_F(ControlsSceneTest, OptionsSlidersAndOneDragged) {
    Background(20, 30, 60);
    std::vector<TSliderRef> sliders;
    const int values[] = {0, 50, 100};
    for (int i = 0; i < 3; ++i) {
        sliders.push_back(TSlider::CreateSpecial("slider", "Dot", 111, 150 + 80 * i, 8, "Music", 5));
        sliders.back()->SetValue(values[i]);
    }
    TSliderRef dragged = TSlider::CreateSpecial("slider", "Dot", 111, 390, 8, "Detail", 5);
    Game->Mouse->x = 180;
    Game->Mouse->y = 400;
    Game->Mouse->b1 = 1;
    Game->Mouse->CalcButtonTotals();
    EXPECT_EQ(dragged->Manage(), 1);
    EXPECT_EQ(dragged->Value, 27); // (180 - 119) / 224
    sliders.push_back(dragged);
    for (const TSliderRef& slider : sliders)
        slider->Draw();
    platform::SetColor(255, 255, 0);
    platform::DrawRect(float(Game->Mouse->x), float(Game->Mouse->y), 3, 12); // where the pointer is
    platform::SetColor(255, 255, 255);
    platform::PixmapRef frame = Grab();
    testsupport::SaveTestOutput(frame, "widgets-sliders.png");
    const uint32_t dotCentre = platform::ReadPixel(frame, sliders[1]->DotX + 10, sliders[1]->DotY + 10);
    const uint32_t barOnly = platform::ReadPixel(frame, sliders[0]->DotX + 10 + 112, sliders[0]->DotY + 10);
    EXPECT_NE(dotCentre & 0xFFFFFF, barOnly & 0xFFFFFF) << "the dot differs from the bar under it";
    const int dotXs[] = {109, 221, 333};
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(sliders[i]->DotX, dotXs[i]);
}

TEST_F(ControlsSceneTest, ToolTipsFlippedAboveThePointerAndPushedLeft) {
    Background(40, 60, 40);
    WritePicture("tipbg.png", 220, 120, 0xE0303050u);
    auto makeTip = [&] {
        auto tip = std::make_shared<TToolTip>();
        tip->image = TGameImage::Create(dir / "tipbg.png", -1, 0);
        tip->Font = TFont::Create(UIFont, TColor::Create(255, 255, 200, 1.0f), TShadow::Create(2, 2, 0.6f), 0,
                                  nullptr, nullptr, "");
        tip->SetText("Match three gems to break the ice");
        return tip;
    };
    auto low = makeTip();
    Game->Mouse->h = 32;
    Game->Mouse->x = 200;
    Game->Mouse->y = 540;
    for (int i = 0; i < 120; ++i)
        low->Collide(1);
    auto right = makeTip();
    Game->Mouse->x = 700;
    Game->Mouse->y = 100;
    for (int i = 0; i < 120; ++i)
        right->Collide(1);
    EXPECT_EQ(low->y, 540.0f - 5.0f - 120.0f);
    EXPECT_EQ(right->x, 800.0f - 220.0f);
    EXPECT_EQ(low->FadeLevel, 1.0f);
    EXPECT_GE(low->TextWrapped.size(), 2u);
    low->Draw();
    right->Draw();
    platform::PixmapRef frame = Grab();
    testsupport::SaveTestOutput(frame, "widgets-tooltip.png");
    EXPECT_TRUE(testsupport::PixelNear(frame, 203, 418, 0x30, 0x30, 0x50, 30)) << "the low tip's corner";
    EXPECT_TRUE(testsupport::PixelNear(frame, 797, 180, 0x30, 0x30, 0x50, 30)) << "the right tip's edge";
}

TEST_F(ControlsSceneTest, ListBoxOverThePlayerManagersPicture) {
    const platform::ImageRef chooser = ccLoadBitmap(Game->ImagePath + "chooseplayer.png", -1);
    TListBoxRef list = TitleListBox();
    list->SetIndex(8);
    EXPECT_EQ(list->TopIndex, 3);
    auto frameOf = [&](const std::string& name) {
        Background(0, 0, 0);
        platform::DrawImage(chooser, 80, 60);
        list->Draw();
        platform::PixmapRef frame = Grab();
        testsupport::SaveTestOutput(frame, "widgets-" + name + ".png");
        return frame;
    };
    platform::PixmapRef frame = frameOf("listbox");
    const int lh = list->LineHeight;
    // Row 8 is the sixth shown: its highlight is bluer than the grey rows above it.
    const uint32_t lit = platform::ReadPixel(frame, 240, 215 + 5 * lh + 3);
    const uint32_t grey = platform::ReadPixel(frame, 240, 215 + 4 * lh + 3);
    EXPECT_GT(int(lit & 255) - int((lit >> 16) & 255), int(grey & 255) - int((grey >> 16) & 255) + 20);
    for (int i = 0; i < 7; ++i) {
        KeyHold(platform::vk::UP);
        Tick([&] { list->Manage(); });
        KeyRelease(platform::vk::UP);
        Tick([&] { list->Manage(); });
    }
    EXPECT_EQ(list->Index, 1);
    EXPECT_EQ(list->TopIndex, 1);
    frame = frameOf("listbox-up");
    const uint32_t top = platform::ReadPixel(frame, 240, 215 + 3);
    EXPECT_GT(int(top & 255) - int((top >> 16) & 255), 20) << "row 1 is the first shown";
    list->Kill();
}

TEST_F(ControlsSceneTest, ScrollBarBesideTheListItDrives) {
    Background(30, 30, 50);
    Game->ImagePath = dir.Path();
    Game->MenuPath = dir.Path();
    WritePicture("track.png", 24, 344, 0xFF404060u);
    WritePicture("knob.png", 20, 40, 0xFFE0C040u);
    WritePicture("up.png", 20, 20, 0xFF40A040u);
    WritePicture("down.png", 20, 20, 0xFF40A040u);
    WritePicture("down_down.png", 20, 20, 0xFFFF4040u);
    TListBoxRef list = TitleListBox();
    list->Strings.clear();
    for (int i = 0; i < 30; ++i)
        list->Strings.push_back("Row " + std::to_string(i));
    list->Limit = 6;
    TScrollBarRef bar =
        TScrollBar::Create(TGameImage::Create(dir / "knob.png", -1, 0), 276, 24.0, 580, 215, 1);
    bar->SetBackground(TGameImage::Create(dir / "track.png", -1, 0), 578, 193);
    bar->SetArrows("up", "down", 300);
    list->ScrollBar = bar;
    bar->SliderSetPosition(11);
    bar->ValueCalc();
    TButtonRef down = bar->Menu->FindButton("down");
    Click(int(down->x) + 10, int(down->y) + 10);
    Tick([&] { list->Manage(); });
    EXPECT_EQ(bar->Value, 12);
    EXPECT_EQ(list->TopIndex, 12);
    list->Draw();
    platform::PixmapRef frame = Grab();
    testsupport::SaveTestOutput(frame, "widgets-scrollbar.png");
    EXPECT_TRUE(testsupport::PixelNear(frame, int(down->x) + 10, int(down->y) + 10, 255, 64, 64, 12))
        << "the pressed arrow";
    EXPECT_TRUE(testsupport::PixelNear(frame, 590, 215 + bar->SliderPosition + 20, 0xE0, 0xC0, 0x40, 12))
        << "the slider half way";
    list->Kill();
}

} // namespace

// The text entry, the options screen's sliders and a tool tip on the real GL side, with the
// generated data folder. A few pixels are checked; each frame is kept for a person to look at.
#include "WidgetHarness.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/core_services.h"
#include "platform/TPixmap.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/graphics.h"
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

} // namespace

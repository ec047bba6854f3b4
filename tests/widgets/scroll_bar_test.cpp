// The scroll bar: dragging its slider, its arrows, its limits, and a list box driven by it.
#include "WidgetHarness.h"

#include "platform/draw.h"
#include "platform/input.h"
#include "platform/system.h"

#include "widgets/TListBox.h"
#include "widgets/TScrollBar.h"

namespace {

using widgettest::WidgetTest;

class ScrollBarTest : public WidgetTest {
protected:
    TScrollBarRef bar;

    void SetUp() override {
        WidgetTest::SetUp();
        Game->ImagePath = dir.Path();
        Game->MenuPath = dir.Path();
        WritePicture("up.png", 20, 20, 0xFF00FF00u);
        WritePicture("down.png", 20, 20, 0xFF0000FFu);
        WritePicture("slider.png", 20, 20, 0xFFFFFFFFu);
        // A 120-px track at (500, 100) less a 20-px slider: 100 px of travel for values 0..10.
        bar = TScrollBar::Create(TGameImage::Create(dir / "slider.png", -1, 0), 120, 10.0, 500, 100, 1);
    }
    void Step(int ticks = 1) {
        for (int i = 0; i < ticks; ++i) {
            Tick([&] { bar->Manage(); });
            platform::AdvanceClock(20);
        }
    }
    // Presses on the slider's middle, moves to y while held, and releases.
    void Drag(int toY) {
        MouseTo(510, 100 + bar->SliderPosition + 10);
        Press();
        Step();
        MouseTo(510, toY);
        Step();
        Release();
        Step();
    }
};

TEST_F(ScrollBarTest, DraggingClampsTheSliderToItsTrackAndTheValueToItsRange) {
    Drag(160);
    EXPECT_EQ(bar->SliderPosition, 50);
    EXPECT_EQ(bar->Value, 5);
    Drag(900);
    EXPECT_EQ(bar->SliderPosition, 100);
    EXPECT_EQ(bar->ValuePrecise, 10.0);
    Drag(-300);
    EXPECT_EQ(bar->SliderPosition, 0);
    EXPECT_EQ(bar->ValuePrecise, 0.0);
}

TEST_F(ScrollBarTest, WithoutARangeOrWithoutRoomTheSliderStaysAtTheStart) {
    bar->ValueMax = 0.0;
    Drag(180);
    EXPECT_EQ(bar->SliderPosition, 0);
    EXPECT_EQ(bar->Value, 0);
    bar->ValueMax = 10.0;
    bar->Size = 15; // shorter than the slider
    Drag(180);
    bar->SliderSetPosition(5.0);
    bar->ValueCalc();
    EXPECT_EQ(bar->SliderPosition, 0);
    EXPECT_EQ(bar->ValuePrecise, 0.0);
    EXPECT_EQ(TScrollBar::Create(nullptr, 10, -4.0, 0, 0, 1)->ValueMax, 0.0);
}

TEST_F(ScrollBarTest, ArrowsStepTheValueAndAreNeverDisabledWithoutDisabledPictures) {
    bar->SetArrows("up", "down", 100);
    TButtonRef up = bar->Menu->FindButton("up"), down = bar->Menu->FindButton("down");
    ASSERT_TRUE(up && down);
    EXPECT_EQ(up->y, 80.0f) << "its bottom at the track's start";
    EXPECT_EQ(down->y, 220.0f);
    EXPECT_EQ(down->x, 500.0f);
    MouseTo(510, 225);
    Press();
    Step();
    Release();
    Step(2);
    EXPECT_EQ(bar->Value, 1);
    EXPECT_EQ(bar->SliderPosition, 10);
    MouseTo(510, 85);
    for (int i = 0; i < 3; ++i) {
        Press();
        Step();
        Release();
        Step(40);
    }
    EXPECT_EQ(bar->Value, 0) << "clamped at 0";
    EXPECT_EQ(up->Disabled, 0);
    EXPECT_EQ(down->Disabled, 0);

    bar->SetCoords(600, 150);
    EXPECT_EQ(up->x, 600.0f);
    EXPECT_EQ(up->y, 130.0f);
    bar->Menu->Kill();
}

TEST_F(ScrollBarTest, ArrowsWithDisabledPicturesAreDisabledAtTheEnds) {
    WritePicture("up_disabled.png", 20, 20, 0xFF808080u);
    bar->SetArrows("up", "down", 100);
    EXPECT_EQ(bar->Menu->FindButton("up")->Disabled, 1) << "at 0";
    bar->ValuePrecise = 3;
    bar->DisableButtons();
    EXPECT_EQ(bar->Menu->FindButton("up")->Disabled, 0);
    bar->Kill();
}

TEST_F(ScrollBarTest, SetCoordsWithoutArrowsMovesTheTrackAndItsBackground) {
    bar->SetBackground(TGameImage::Create(dir / "slider.png", -1, 0), 490, 90);
    bar->SetCoords(520, 130);
    EXPECT_EQ(bar->X, 520.0f);
    EXPECT_EQ(bar->BackgroundX, 510.0f);
    EXPECT_EQ(bar->BackgroundY, 120.0f);
}

TEST_F(ScrollBarTest, AnAttachedBarDrivesTheListsFirstRow) {
    TListBoxRef list = TListBox::Create(10, 5, 0, 1, 500);
    list->SetCoords(100, 100, 300, 400);
    list->CalcLineHeight();
    for (int i = 0; i < 30; ++i)
        list->Strings.push_back("Row " + std::to_string(i));
    list->Limit = 10;
    bar->ValueMax = 20.0;
    list->ScrollBar = bar;
    MouseTo(510, 110);
    Press();
    Tick([&] { list->Manage(); });
    MouseTo(510, 160);
    Tick([&] { list->Manage(); });
    EXPECT_EQ(bar->Value, 10);
    EXPECT_EQ(list->TopIndex, 10);
    list->SetIndex(25);
    EXPECT_EQ(list->TopIndex, 16);
    EXPECT_EQ(bar->SliderPosition, 80);
}

} // namespace

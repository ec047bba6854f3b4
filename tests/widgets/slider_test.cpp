// The slider: the value from the pointer's place while a button is held over the bar, its limits,
// where the dot goes, and the options screen's sliders on the generated pictures.
#include "WidgetHarness.h"

#include "platform/draw.h"
#include "platform/input.h"
#include "platform/system.h"

#include "widgets/TSlider.h"

namespace {

using widgettest::WidgetTest;

class SliderTest : public WidgetTest {
protected:
    TSliderRef slider;

    void SetUp() override {
        WidgetTest::SetUp();
        Game->ImagePath = dir.Path();
        WritePicture("bar.png", 200, 20, 0xFFFFFFFFu);
        WritePicture("dot.png", 20, 20, 0xFFFFFFFFu);
        slider = TSlider::CreateSpecial("bar", "dot", 100, 300, 8, "Music", 5);
    }
    // One tick with the pointer at (x, y) and the left button held or not; Manage's answer.
    int At(int x, int y, bool held) {
        MouseTo(x, y);
        Game->Mouse->b1 = held ? 1 : 0;
        Game->Mouse->CalcButtonTotals();
        int result = 0;
        Tick([&] { result = slider->Manage(); });
        return result;
    }
};

TEST_F(SliderTest, ValueFollowsAHeldButtonOverTheBar) {
    struct Row {
        int x, y;
        bool held;
        int result, value;
    };
    const Row rows[] = {
        {200, 310, true, 1, 50}, {108, 310, true, 1, 0},  {292, 310, true, 1, 100}, {150, 310, false, 0, 100},
        {91, 310, true, 1, 0},   {200, 295, true, 1, 50}, {310, 310, true, 0, 50},  {200, 294, true, 0, 50},
        {200, 324, true, 1, 50}, {200, 325, true, 0, 50}, {109, 310, true, 1, 1},   {291, 310, true, 1, 99},
        {89, 310, true, 0, 99},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(At(r.x, r.y, r.held), r.result) << r.x << "," << r.y;
        EXPECT_EQ(slider->Value, r.value) << r.x << "," << r.y;
    }
}

TEST_F(SliderTest, AButtonPressedElsewhereMovesTheValueOnlyWhileOverTheBar) {
    slider->SetValue(0);
    At(50, 100, true);
    EXPECT_EQ(slider->Value, 0);
    EXPECT_EQ(At(200, 310, true), 1);
    EXPECT_EQ(slider->Value, 50);
    EXPECT_EQ(slider->MouseOver, 1);
    EXPECT_EQ(At(250, 400, true), 0) << "dragged off the bar";
    EXPECT_EQ(slider->Value, 50);
    EXPECT_EQ(slider->MouseOver, 0);
}

TEST_F(SliderTest, SetValueClampsAndTheDotFollows) {
    EXPECT_EQ(slider->DotX, 100 + 8 + 92 - 10);
    slider->SetValue(-5);
    EXPECT_EQ(slider->Value, 0);
    EXPECT_EQ(slider->DotX, 98);
    slider->SetValue(130);
    EXPECT_EQ(slider->Value, 100);
    EXPECT_EQ(slider->DotX, 282);
    slider->x = 150;
    slider->y = 400;
    slider->SetValue(0);
    EXPECT_EQ(slider->DotY, 300) << "the dot's top is set once, at creation";
    EXPECT_EQ(slider->DotX, 148);
}

TEST_F(SliderTest, AnInactiveSliderNeitherReactsNorDrawsAndKeepsItsHoverFlag) {
    At(200, 310, false);
    EXPECT_EQ(slider->MouseOver, 1);
    slider->active = 0;
    EXPECT_EQ(At(120, 310, true), 0);
    EXPECT_EQ(slider->Value, 50);
    EXPECT_EQ(At(600, 500, false), 0);
    EXPECT_EQ(slider->MouseOver, 1);
    recorder->calls.clear();
    slider->Draw();
    EXPECT_TRUE(recorder->calls.empty());
    slider->active = 1;
    slider->Draw();
    ASSERT_EQ(recorder->calls.size(), 2u);
    EXPECT_EQ(recorder->calls[0].x, 100.0f);
    EXPECT_EQ(recorder->calls[1].x, float(slider->DotX));
    EXPECT_EQ(recorder->calls[1].y, 300.0f);
}

TEST_F(SliderTest, MissingPicturesEndTheProgramNamingThePath) {
    EXPECT_THROW(TSlider::CreateSpecial("nobar", "dot", 0, 0, 8, "Sound", 5), widgettest::TReportedError);
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.back(), "Error loading bitmap " + dir.Path() + "nobar.png");
}

TEST_F(SliderTest, TheOptionsScreenSlidersOnTheGeneratedPictures) {
    Game->ImagePath = std::string(SLEETWHISTLE_TEST_DATA_DIR) + "/graphics/";
    slider = TSlider::CreateSpecial("slider", "Dot", 111, 200, 8, "Music", 5);
    ASSERT_EQ(slider->w, 240);
    EXPECT_EQ(slider->name, "MUSIC");
    const std::pair<int, int> table[] = {{119, 0}, {100, 0}, {343, 100}, {360, 100}, {231, 50}};
    for (auto [x, value] : table) {
        At(x, 210, true);
        EXPECT_EQ(slider->Value, value) << x;
    }
    for (auto [value, dotX] : {std::pair{0, 109}, {50, 221}, {100, 333}}) {
        slider->SetValue(value);
        EXPECT_EQ(slider->DotX, dotX) << value;
    }
}

} // namespace

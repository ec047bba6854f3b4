// The list box: which press selects which row, double clicks, Up and Down with repeat, scrolling
// the selection into view, what it draws, and its guards against rows and heights that are not
// there.
#include "WidgetHarness.h"

#include "platform/draw.h"
#include "platform/input.h"
#include "platform/system.h"

#include "audio_fixtures.h"

#include "widgets/TListBox.h"

namespace {

using widgettest::WidgetTest;

class ListBoxTest : public WidgetTest {
protected:
    TListBoxRef list;
    float lh = 0; // row height

    void SetUp() override {
        WidgetTest::SetUp();
        list = TListBox::Create(10, 5, 1, 1, 500);
        list->SetupFont(nullptr, TColor::Create(255, 255, 255, 1.0f), nullptr, nullptr, nullptr);
        list->SetupBox(TColor::Create(100, 100, 100, 0.5f));
        list->SetCoords(100, 100, 300, 1000);
        list->CalcLineHeight();
        const std::string wav =
            dir.Write("click.wav", audiotest::Wav16(audiotest::Tone(80, 1, 8000), 1, 8000));
        list->ClickSound = TGameSound::Create(wav, 0);
        for (int i = 0; i < 10; ++i)
            list->Strings.push_back("Player " + std::to_string(i));
        lh = float(list->LineHeight);
    }
    int Clicks() const { return Cues("click.wav"); }
    // The y of a point inside row i (as drawn from TopIndex).
    int RowY(int i, float into = 0.5f) const { return int(100.0f + (float(i - list->TopIndex) + into) * lh); }
    void Step(int ticks = 1) {
        for (int i = 0; i < ticks; ++i) {
            Tick([&] { list->Manage(); });
            platform::AdvanceClock(20);
        }
    }
    // A key held for one tick, then let go in the next.
    void Tap(int vk) {
        KeyHold(vk);
        Step();
        KeyRelease(vk);
        Step();
    }
    void PressAt(int x, int y, int button = 1) {
        MouseTo(x, y);
        Press(button);
        Release(button);
        Step();
    }
};

TEST_F(ListBoxTest, APressSelectsTheRowStrictlyBelowItsTopAndLeftOfTheRightEdge) {
    list->Limit = 6;
    const int top = RowY(2, 0.0f);
    struct Row {
        const char* what;
        int x, y, index;
    };
    const Row rows[] = {
        {"a row's top pixel", 200, top, -1},
        {"the right edge", 400, top + 5, -1},
        {"below the last visible row", 200, RowY(6), -1},
        {"left of the box", 99, top + 5, -1},
        {"just below the top", 200, top + 1, 2},
        {"the left edge", 100, RowY(4), 4},
    };
    for (const Row& r : rows) {
        list->ClearIndex();
        PressAt(r.x, r.y);
        EXPECT_EQ(list->Index, r.index) << r.what;
        EXPECT_EQ(Game->Mouse->GetMh(0), 0) << r.what << ": the press is taken all the same";
    }
    for (int button : {1, 2, 3}) {
        list->ClearIndex();
        Step(200); // no double click
        PressAt(200, RowY(button), button);
        EXPECT_EQ(list->Index, button) << "button " << button;
        EXPECT_EQ(list->Value, "Player " + std::to_string(button));
    }
}

TEST_F(ListBoxTest, ASecondPressWithinTheWindowIsADoubleClickWithoutASound) {
    PressAt(200, RowY(3));
    EXPECT_EQ(list->Index, 3);
    EXPECT_EQ(Clicks(), 1);
    Step(79); // 400 ms after the press
    PressAt(200, RowY(3));
    EXPECT_EQ(list->DoubleClicked, 3);
    EXPECT_EQ(Clicks(), 1);
    EXPECT_EQ(list->GetDoubleClicked(), 3);
    PressAt(200, RowY(3));
    EXPECT_EQ(list->DoubleClicked, -1) << "a third press is a single click";
    EXPECT_EQ(Clicks(), 2);

    PressAt(200, RowY(5));
    EXPECT_EQ(list->Index, 5);
    EXPECT_EQ(list->DoubleClicked, -1) << "another row inside the window is a single click";
    EXPECT_EQ(Clicks(), 3);
    PressAt(200, RowY(5));
    EXPECT_EQ(list->GetDoubleClicked(), 5) << "and it opened a window of its own";

    PressAt(200, RowY(5));
    Step(101);
    PressAt(200, RowY(5));
    EXPECT_EQ(list->DoubleClicked, -1) << "the window of 500 ms has run out";
    EXPECT_EQ(Clicks(), 5);
}

TEST_F(ListBoxTest, UpAndDownMoveTheSelectionWithinTheList) {
    Tap(platform::vk::UP);
    EXPECT_EQ(list->Index, -1) << "Up with no selection";
    Tap(platform::vk::DOWN);
    EXPECT_EQ(list->Index, 0) << "Down with no selection";
    Tap(platform::vk::UP);
    EXPECT_EQ(list->Index, 0) << "Up on row 0";
    list->SetIndex(9);
    Tap(platform::vk::DOWN);
    EXPECT_EQ(list->Index, 9) << "Down on the last row";
    EXPECT_EQ(Clicks(), 1);
}

TEST_F(ListBoxTest, HeldDownRepeatsAfter400MsEvery100Ms) {
    list->SetIndex(0);
    KeyHold(platform::vk::DOWN);
    std::vector<int> moves;
    for (int tick = 0; tick < 140; ++tick) {
        const int before = list->Index;
        Step();
        if (list->Index != before) moves.push_back(tick);
    }
    EXPECT_EQ(moves, (std::vector<int>{0, 80, 100, 120}));
}

TEST_F(ListBoxTest, TheSelectionScrollsIntoViewWithALimit) {
    list->Limit = 6;
    list->SetIndex(8);
    EXPECT_EQ(list->TopIndex, 3);
    list->SetIndex(1);
    EXPECT_EQ(list->TopIndex, 1);
    list->SetIndex(6);
    EXPECT_EQ(list->TopIndex, 1) << "already visible";
}

TEST_F(ListBoxTest, WithoutALimitEveryRowIsDrawnAndHitAlsoBelowTheBox) {
    list->SetCoords(100, 100, 300, 3.5f * lh);
    list->CalcLineHeight();
    EXPECT_EQ(list->Box->H, 3.0f * lh) << "floored to whole rows";
    EXPECT_EQ(list->DisplayLines, 3);
    PressAt(200, RowY(8));
    EXPECT_EQ(list->Index, 8);
    recorder->calls.clear();
    list->Draw();
    int texts = 0;
    for (const auto& call : recorder->calls)
        texts += call.kind == platform::DrawKind::Text;
    EXPECT_EQ(texts, 10);
}

TEST_F(ListBoxTest, AnEmptyListDrawsOnlyItsBoxAndIgnoresInput) {
    list->Strings.clear();
    PressAt(200, RowY(0));
    Tap(platform::vk::DOWN);
    EXPECT_EQ(list->Index, -1);
    recorder->calls.clear();
    list->Draw();
    ASSERT_EQ(recorder->calls.size(), 1u);
    EXPECT_EQ(recorder->calls[0].kind, platform::DrawKind::Rect);
    EXPECT_EQ(recorder->calls[0].state.r, 100);
}

TEST_F(ListBoxTest, TheHighlightGoesOverTheSelectedRowAndTheStateIsRestored) {
    list->HighlightCol = TColor::Create(0, 0, 150, 0.25f);
    list->HighlightUnder = 0;
    list->Limit = 6;
    list->SetIndex(8);
    recorder->calls.clear();
    list->Draw();
    ASSERT_FALSE(recorder->calls.empty());
    const platform::DrawCall& bar = recorder->calls.back();
    EXPECT_EQ(bar.kind, platform::DrawKind::Rect);
    EXPECT_EQ(bar.y, 100.0f + 5.0f * lh) << "row 8 is the sixth shown";
    EXPECT_EQ(bar.h, lh);
    EXPECT_EQ(bar.state.b, 150);
    int r = 0, g = 0, b = 0;
    platform::GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
    float sx = 0, sy = 0;
    platform::GetScale(sx, sy);
    EXPECT_EQ(sx, 1.0f);
}

TEST_F(ListBoxTest, HostileInput) {
    // The wheel is not read.
    list->SetIndex(2);
    Wheel(3);
    Step();
    EXPECT_EQ(list->Index, 2);
    EXPECT_EQ(list->TopIndex, 0);
    EXPECT_EQ(list->Value, "Player 2");

    // Press on a row, drag to another, release: the row of the press.
    Step(200);
    MouseTo(200, RowY(4));
    Press();
    Step();
    MouseTo(200, RowY(7));
    Step();
    Release();
    Step();
    EXPECT_EQ(list->Index, 4);

    // The owner empties the rows while a row stays selected.
    list->Strings.clear();
    Tap(platform::vk::UP);
    EXPECT_EQ(list->Index, 3);
    EXPECT_EQ(list->Value, "");
    Tap(platform::vk::DOWN);
    EXPECT_EQ(list->Index, 3);
    list->SetIndex(12);
    EXPECT_EQ(list->Value, "") << "a row past the end reads as empty";
}

TEST_F(ListBoxTest, GuardsAgainstNoRowHeightAndLockedRowsWithoutAColour) {
    list->Gap = -20;
    list->SetCoords(0, 0, 100, 123);
    list->Font->H = 0;
    list->CalcLineHeight();
    EXPECT_LE(list->LineHeight, 0);
    EXPECT_EQ(list->Box->H, 123.0f);
    EXPECT_EQ(list->DisplayLines, 0);

    list->Gap = 5;
    list->SetupFont(nullptr, TColor::Create(200, 210, 220, 1.0f), nullptr, nullptr, nullptr);
    list->LockedArray = {0, 1};
    recorder->calls.clear();
    list->Draw();
    for (const auto& call : recorder->calls)
        if (call.kind == platform::DrawKind::Text && call.text == "Player 1") {
            EXPECT_EQ(call.state.r, 200);
        }
    list->LockedColor = TColor::Create(90, 90, 90, 0.5f);
    recorder->calls.clear();
    list->Draw();
    for (const auto& call : recorder->calls) {
        if (call.kind != platform::DrawKind::Text) continue;
        EXPECT_EQ(call.state.r, call.text == "Player 1" ? 90 : 200) << call.text;
    }
}

} // namespace

// Labels (wrapping, measuring, drawing and the drawing state they leave) and the text cursor.
#include "WidgetHarness.h"

#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "media/TBitmapFont.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "widgets/TLabel.h"
#include "widgets/TTextCursor.h"

using namespace widgettest;

namespace {

class LabelTest : public WidgetTest {
protected:
    // A label in the small main font, white, no shadow.
    TLabelRef Make(const std::string& text, int wrap = 0, int alignment = 0) {
        TLabelRef label = TLabel::CreateSpecial(text, 100, 50, alignment, wrap, 0);
        label->Init(MainFontSmall, TColor::Create(255, 255, 255, 1.0f), nullptr, 0, nullptr, nullptr, "");
        return label;
    }
    static int Width(const std::string& text) {
        platform::SetImageFont(MainFontSmall);
        return platform::TextWidth(text);
    }
    static int LineHeight() {
        platform::SetImageFont(MainFontSmall);
        return platform::TextHeight("");
    }
    // Text draws that are not the black shadow pass.
    std::vector<platform::DrawCall> TextDraws() const {
        std::vector<platform::DrawCall> found;
        for (const auto& call : Calls(platform::DrawKind::Text))
            if (!(call.state.r == 0 && call.state.g == 0 && call.state.b == 0)) found.push_back(call);
        return found;
    }
};

TEST_F(LabelTest, WrapsTextIntoLines) {
    struct Case {
        std::string text;
        int width;
        TStringArray lines;
    } cases[] = {
        {"one\r\ntwo", 1000, {"one", "two"}},
        {"one\n", 1000, {"one"}},
        {"one\n\ntwo", 1000, {"one", "", "two"}},
        {"", 1000, {}},
        {"a enormousword b", Width("a b"), {"a", "enormousword", "b"}},
        {"two words", Width("two words"), {"two words"}},
        {"two words", Width("two words") - 1, {"two", "words"}},
    };
    for (const auto& c : cases) {
        TLabelRef label = Make(c.text, c.width);
        label->PreCalcWordWrap();
        EXPECT_EQ(label->TextArray, c.lines) << c.text;
        EXPECT_EQ(label->TotalLines, int(c.lines.size())) << c.text;
        EXPECT_EQ(label->H, float(c.lines.size() * size_t(LineHeight()))) << c.text;
    }
}

TEST_F(LabelTest, LineGapSurvivesWrappingAndScalesWithTheLabel) {
    TLabelRef label = Make("a\nb", 500);
    label->PreCalcWordWrap();
    EXPECT_EQ(label->LineGap, LineHeight()) << "0 becomes the font's line height";
    EXPECT_EQ(LineHeight(), 30);

    label = Make("a\nb", 500);
    label->LineGap = 20;
    label->Scale = 2.0f;
    label->PreCalcWordWrap();
    EXPECT_EQ(label->LineGap, 20);
    EXPECT_EQ(label->CalcHeight(), 80.0f);
    label->Draw(0, 0, 1);
    auto draws = TextDraws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[1].y - draws[0].y, 40.0f);
}

TEST_F(LabelTest, WrappedLabelDrawsNothingUntilWrapped) {
    TLabelRef label = Make("words to wrap", 100);
    label->H = 12.0f;
    EXPECT_EQ(label->Draw(0, 0, 1), 1);
    EXPECT_TRUE(Calls(platform::DrawKind::Text).empty());
    EXPECT_EQ(label->CalcHeight(), 12.0f) << "the stored height";
}

TEST_F(LabelTest, DrawLeavesWhiteFullAlphaAndTheCallersScale) {
    platform::SetScale(1.5f, 1.5f);
    platform::SetColor(10, 20, 30);
    platform::SetAlpha(0.3f);
    TLabelRef hidden = Make("hidden");
    hidden->Visible = 0;
    EXPECT_EQ(hidden->Draw(0, 0, 1), 0);
    int r, g, b;
    float sx, sy;
    platform::GetColor(r, g, b);
    platform::GetScale(sx, sy);
    EXPECT_EQ(r, 10);
    EXPECT_EQ(platform::GetAlpha(), 0.3f);
    EXPECT_EQ(sx, 1.5f);
    EXPECT_TRUE(recorder->calls.empty());

    TLabelRef label = Make("shown");
    label->Color = TColor::Create(200, 0, 0, 0.5f);
    label->Alpha = 0.5f;
    label->Scale = 2.0f;
    EXPECT_EQ(label->Draw(0, 0, 1), 1);
    auto draws = TextDraws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].state.alpha, 0.25f) << "own alpha times the colour's";
    EXPECT_EQ(draws[0].state.scaleX, 3.0f) << "the caller's scale times the label's";
    EXPECT_EQ(draws[0].state.r, 200);
    platform::GetColor(r, g, b);
    platform::GetScale(sx, sy);
    EXPECT_EQ(r + g + b, 765);
    EXPECT_EQ(platform::GetAlpha(), 1.0f);
    EXPECT_EQ(sx, 1.5f);
}

TEST_F(LabelTest, AlignmentPlacesTheTextOnItsX) {
    int width = Width("middle");
    struct Case {
        int alignment;
        int drawn;
        float x;
    } cases[] = {
        {0, 1, 100.0f}, {1, 1, 100.0f - float(width) / 2.0f}, {2, 1, 100.0f - float(width)}, {3, 0, 0}};
    for (const auto& c : cases) {
        recorder->calls.clear();
        Make("middle", 0, c.alignment)->Draw(0, 0, 1);
        auto draws = TextDraws();
        ASSERT_EQ(int(draws.size()), c.drawn) << c.alignment;
        if (c.drawn) {
            EXPECT_NEAR(draws[0].x, c.x, 0.5f) << c.alignment;
        }
    }
}

TEST_F(LabelTest, ShadowedTextIgnoresTheLabelsAlpha) {
    TLabelRef label = TLabel::CreateSpecial("shade", 10, 10, 0, 0, 0);
    label->Init(MainFontSmall, TColor::Create(255, 255, 255, 1.0f), TShadow::Create(1, 1, 0.6f), 0, nullptr,
                nullptr, "");
    label->Alpha = 0.5f;
    ccTextAlpha = 0.2f;
    label->Draw(0, 0, 1);
    auto all = Calls(platform::DrawKind::Text);
    ASSERT_EQ(all.size(), 2u) << "shadow, then text";
    EXPECT_EQ(all[0].state.r, 0);
    EXPECT_EQ(all[1].state.alpha, 1.0f) << "ccTextAlpha from the colour, not the label's 0.5";
    EXPECT_EQ(all[1].x - all[0].x, -1.0f);
}

TEST_F(LabelTest, OneLineCentredVerticallyStandsHalfItsHeightHigher) {
    TLabelRef label = Make("centre");
    label->CentreVertically = 1;
    label->Draw(0, 5, 1);
    auto draws = TextDraws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].y, 50.0f + 5.0f - float(LineHeight()) / 2.0f);
}

TEST_F(LabelTest, AutoScaleShrinksOnlyWhatDoesNotFit) {
    TLabelRef label = Make("fits");
    float width = label->CalcWidth();
    label->AutoScale(width + 10);
    EXPECT_EQ(label->Scale, 1.0f);
    label->AutoScale(width / 1.5f);
    EXPECT_NEAR(label->Scale, 0.667f, 0.001f);
}

TEST_F(LabelTest, BitmapFontMeasuresTheLabel) {
    auto font = std::make_shared<TBitmapFont>();
    TLabelRef label = TLabel::CreateSpecial("abc", 0, 0, 0, 0, 0);
    label->Init(nullptr, nullptr, nullptr, 0, font, nullptr, "");
    EXPECT_EQ(label->CalcWidth(), font->StringWidth("abc"));
    EXPECT_EQ(label->H, font->StringHeight(font->TestString));
}

TEST_F(WidgetTest, TextCursorWritesLineUnderLine) {
    TTextCursor cursor;
    cursor.Output("first");
    cursor.Init(10, 40, 16);
    for (const char* line : {"a", "b", "c"})
        cursor.OutputNL(line);
    cursor.Output("x");
    cursor.Output("y");
    std::vector<std::pair<float, float>> at;
    for (const auto& call : Calls(platform::DrawKind::Text))
        at.push_back({call.x, call.y});
    std::vector<std::pair<float, float>> expected = {{0, 0},   {10, 40}, {10, 56},
                                                     {10, 72}, {10, 88}, {10, 88}};
    EXPECT_EQ(at, expected);
    EXPECT_EQ(cursor.y, 88);
}

} // namespace

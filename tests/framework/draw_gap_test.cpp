// The drawing helpers' state rules, the font styles, boxes and the error box, checked on the log
// of the temporary stand-in drawing layer (see gaps/gaps.h).
#include "framework/TBox.h"
#include "framework/TFont.h"
#include "framework/cc_draw.h"
#include "framework/cc_errors.h"
#include "framework/cc_input.h"

#include "framework/gaps/gaps.h"
#include "support/TempDir.h"

#include "platform/draw.h"
#include "platform/input.h"
#include "platform/system.h"

#include <gtest/gtest.h>

namespace {

using gaps::DrawLog;
using gaps::TDrawCall;

class DrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ResetDrawState();
        platform::SetImageFont(nullptr);
        ccShadowTextSet(1, 1, 0.5f);
        ccTextAlpha = 1.0f;
        DrawLog().clear();
    }
    std::vector<TDrawCall> Draws(const std::string& what) {
        std::vector<TDrawCall> out;
        for (const auto& d : DrawLog())
            if (d.what == what) out.push_back(d);
        return out;
    }
};

TEST_F(DrawTest, ShadowTextDrawsShadowThenTextAndKeepsBlend) {
    ccTextAlpha = 0.5f;
    platform::SetBlend(platform::BLEND_SOLID);
    platform::SetColor(10, 20, 30);
    ccShadowText(100, 50, "Hi", 0);
    auto texts = Draws("text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ((std::vector<float>{texts[0].x, texts[0].y, texts[0].alpha}),
              (std::vector<float>{101, 51, 0.25f}));
    EXPECT_EQ((std::vector<int>{texts[0].r, texts[0].g, texts[0].b, texts[0].blend}),
              (std::vector<int>{0, 0, 0, platform::BLEND_ALPHA}));
    EXPECT_EQ((std::vector<float>{texts[1].x, texts[1].y, texts[1].alpha}),
              (std::vector<float>{100, 50, 0.5f}));
    EXPECT_EQ((std::vector<int>{texts[1].r, texts[1].g, texts[1].b}), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_SOLID);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.5f);
}

TEST_F(DrawTest, TextInThreeAlignments) {
    platform::SetScale(2, 2);
    ccDrawTextAligned("abcd", 400, 100, 0, 0, 0);
    ccDrawTextAligned("abcd", 400, 100, 0, 1, 0); // centred honours the scale
    ccDrawTextAligned("abcd", 400, 100, 0, 2, 0); // right ignores it
    ccDrawTextAligned("abcd", 400, 100, 0, 3, 0); // draws nothing
    auto texts = Draws("text");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ((std::vector<float>{texts[0].x, texts[0].y}), (std::vector<float>{400, 100}));
    EXPECT_EQ((std::vector<float>{texts[1].x, texts[1].y}), (std::vector<float>{360, 92}));
    EXPECT_EQ((std::vector<float>{texts[2].x, texts[2].y}), (std::vector<float>{360, 100}));
}

TEST_F(DrawTest, SnapRoundsHalvesUpAndCentredScreenText) {
    ccDrawText("x", 10.4f, 10.6f, 0, 1);
    ccDrawText("x", 10.4f, 10.6f, 0, 0);
    ccDrawTextCentre("abcd", 5, 0, 0);
    ccDrawTextCentreAll("abc", 0, 0);
    auto texts = Draws("text");
    EXPECT_EQ((std::vector<float>{texts[0].x, texts[0].y}), (std::vector<float>{10, 11}));
    EXPECT_EQ((std::vector<float>{texts[1].x, texts[1].y}), (std::vector<float>{10.4f, 10.6f}));
    EXPECT_FLOAT_EQ(texts[2].x, 380);
    EXPECT_EQ((std::vector<float>{texts[3].x, texts[3].y}), (std::vector<float>{385, 292}));
}

TEST_F(DrawTest, DimScreenLeavesAlphaBlendWhiteAndOpaque) {
    ccDimScreen(0.6f);
    auto rects = Draws("rect");
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ((std::vector<float>{rects[0].x, rects[0].y, rects[0].w, rects[0].h, rects[0].alpha}),
              (std::vector<float>{0, 0, 800, 600, 0.6f}));
    EXPECT_EQ(rects[0].r + rects[0].g + rects[0].b, 0);
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
}

TEST_F(DrawTest, ImageAndRectangleShadows) {
    platform::ImageRef img = platform::CreateImage(4, 4, 2, 0);
    TShadowRef shadow = TShadow::Create(3, 4, 0.3f);
    platform::SetAlpha(0.7f);
    ccDrawImage(img, 10, 20, shadow.get());
    auto images = Draws("image");
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ((std::vector<float>{images[0].x, images[0].y, images[0].alpha}),
              (std::vector<float>{13, 24, 0.3f}));
    EXPECT_EQ(images[0].r, 0);
    EXPECT_EQ((std::vector<float>{images[1].x, images[1].y, images[1].alpha}),
              (std::vector<float>{10, 20, 1}));
    EXPECT_EQ(images[1].frame, 0);

    platform::SetColor(9, 9, 9);
    platform::SetAlpha(0.4f);
    ccDrawRect(1, 2, 3, 4, shadow.get());
    auto rects = Draws("rect");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[1].r, 9);           // the kept colour is back for the real pass
    EXPECT_FLOAT_EQ(rects[1].alpha, 1); // and alpha is 1, whatever it was
}

TEST_F(DrawTest, RectOutlineOfOnePixel) {
    ccDrawRectOutline(0, 0, 1, 1);
    auto lines = Draws("line");
    ASSERT_EQ(lines.size(), 4u);
    for (const auto& l : lines)
        EXPECT_EQ((std::vector<float>{l.x, l.y, l.w, l.h}), (std::vector<float>{0, 0, 0, 0}));
}

TEST_F(DrawTest, DigitStrips) {
    platform::ImageRef digits = platform::CreateImage(12, 16, 10, 0);
    ccDrawNumbers("409", 100, 0, digits, 0, 0, 1);
    auto images = Draws("image");
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ((std::vector<int>{images[0].frame, images[1].frame, images[2].frame}),
              (std::vector<int>{4, 0, 9}));
    EXPECT_EQ((std::vector<float>{images[0].x, images[1].x, images[2].x}),
              (std::vector<float>{100, 112, 124}));
    std::vector<int> widths(10, 10), offsets(10, 1);
    EXPECT_FLOAT_EQ(ccDrawNumbersVariableWidthCalcWidth("12", widths, offsets, 2, 1), 22);
    EXPECT_FLOAT_EQ(ccDrawNumbersVariableWidthCalcWidth("", widths, offsets, 2, 1), -2);
    EXPECT_EQ(ccDrawNumbersVariableWidth("12", 100, 0, digits, widths, offsets, 2, 1, 1, 1), 22);
    EXPECT_FLOAT_EQ(DrawLog().back().x, 89 + 12 - 1); // centred at 89, second glyph 12 on, 1 left
}

TEST_F(DrawTest, FontStylesAndShadows) {
    TFontRef plain =
        TFont::Create(nullptr, TColor::Create(1, 2, 3, 0.4f), nullptr, 0, nullptr, nullptr, "plain");
    EXPECT_FLOAT_EQ(plain->H, 16);
    ccTextAlpha = 0.9f;
    plain->Apply();
    EXPECT_FLOAT_EQ(ccTextAlpha, 0.9f); // no shadow: text settings untouched
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.4f);
    TFontRef shadowed = TFont::Create(nullptr, TColor::Create(1, 2, 3, 0.4f), TShadow::Create(2, 3, 0.7f), 0,
                                      nullptr, nullptr, "s");
    shadowed->Apply();
    EXPECT_EQ((std::vector<float>{ccShadowTextDepthX, ccShadowTextDepthY, ccShadowTextAlpha, ccTextAlpha}),
              (std::vector<float>{2, 3, 0.7f, 0.4f}));
    shadowed->ApplyScale(2);
    float sx, sy;
    platform::GetScale(sx, sy);
    EXPECT_FLOAT_EQ(sx, 2);
    platform::SetScale(3, 3);
    shadowed->RestoreScale();
    platform::GetScale(sx, sy);
    EXPECT_FLOAT_EQ(sx, 1); // back to 1, not to what it was
    TShadow::Restore();
    int r, g, b;
    platform::GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 765);
}

TEST_F(DrawTest, BoxesAndCircles) {
    TBoxRef box = TBox::Create(1, 2, 3, 4, nullptr);
    box->Draw();
    EXPECT_TRUE(DrawLog().empty());
    box->Color = TColor::Create(255, 0, 0, 0.5f);
    box->Draw();
    ASSERT_EQ(Draws("rect").size(), 1u);
    EXPECT_FLOAT_EQ(Draws("rect")[0].alpha, 0.5f);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 1);
    box->Kill();
    box->Draw();
    EXPECT_EQ(Draws("rect").size(), 1u);
    platform::SetColor(7, 7, 7);
    TCircle::Create(100, 100, 10, nullptr)->Draw();
    auto ovals = Draws("oval");
    ASSERT_EQ(ovals.size(), 1u);
    EXPECT_EQ((std::vector<float>{ovals[0].x, ovals[0].y, ovals[0].w, ovals[0].h}),
              (std::vector<float>{90, 90, 20, 20}));
    EXPECT_EQ(ovals[0].r, 7);
}

// The error box: drawn until a key arrives after its first frame; a key pending before it opened
// does not close it.
class ErrorBoxTest : public DrawTest {
protected:
    testsupport::TempDir dir;
    void SetUp() override {
        DrawTest::SetUp();
        ccErrorPath = dir.Path();
        ccGraphicalErrors = 1;
        gaps::SetGraphicsOpen(true);
        gaps::SetFlipHook([] {
            platform::TEvent key;
            key.id = platform::EVENT_KEY_DOWN;
            key.data = platform::vk::SPACE;
            platform::PostEvent(key);
        });
    }
    void TearDown() override {
        gaps::SetGraphicsOpen(false);
        gaps::SetFlipHook(nullptr);
        ccErrorPath = "";
    }
};

TEST_F(ErrorBoxTest, BoxIsDrawnClosedByAKeyAndLogged) {
    platform::TEvent early;
    early.id = platform::EVENT_KEY_DOWN;
    early.data = 65;
    platform::PostEvent(early);
    ccShadowTextSet(5, 5, 0.5f);
    EXPECT_EQ(ccRunTimeError("First\n\nThird", 0), 0);

    EXPECT_EQ(Draws("flip").size(), 1u); // the early key did not close it
    auto rects = Draws("rect");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ((std::vector<float>{rects[0].x, rects[0].y, rects[1].x, rects[1].y, rects[1].w, rects[1].h}),
              (std::vector<float>{104, 254, 100, 250, 600, 100}));
    EXPECT_EQ(rects[1].r, 150);
    std::vector<std::string> texts;
    std::vector<float> ys;
    for (const auto& t : Draws("text"))
        if (t.r != 0 || t.g != 0) texts.push_back(t.text), ys.push_back(t.y);
    EXPECT_EQ(texts, (std::vector<std::string>{"First", "", "Third", "<press any key>"}));
    EXPECT_EQ(ys, (std::vector<float>{260, 276, 292, 324})); // a blank line for "\n\n"
    EXPECT_EQ((std::vector<float>{ccShadowTextDepthX, ccShadowTextDepthY}), (std::vector<float>{1, 1}));
    EXPECT_EQ(ccPolledInputState, 0); // the input mode from before
    EXPECT_NE(dir.Read("ErrorLog.txt").find("\r\nFirst\n\nThird\r\n"), std::string::npos);
}

TEST_F(ErrorBoxTest, PolledInputStaysOnWhenItWasOn) {
    ccEnablePolledInput();
    ccRunTimeError("x", 0);
    EXPECT_EQ(ccPolledInputState, 1);
    ccDisablePolledInput();
}

} // namespace

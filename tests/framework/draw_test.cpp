// The drawing helpers' state rules, font styles and boxes, checked on the platform's recording
// renderer: every draw arrives with the whole drawing state it was made in.
#include "framework/TBox.h"
#include "framework/TFont.h"
#include "framework/cc_draw.h"
#include "framework/cc_images.h"

#include "platform/Renderer.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/testing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using platform::DrawCall;
using platform::DrawKind;

class DrawTest : public ::testing::Test {
protected:
    std::shared_ptr<platform::TRecordingRenderer> recorder = std::make_shared<platform::TRecordingRenderer>();

    void SetUp() override {
        platform::SetRenderer(recorder);
        platform::ResetDrawState();
        platform::SetImageFont(nullptr);
        ccShadowTextSet(1, 1, 0.5f);
        ccTextAlpha = 1.0f;
    }
    void TearDown() override {
        platform::SetRenderer(nullptr);
        platform::ResetDrawState();
    }
    std::vector<DrawCall> Draws(DrawKind kind) const {
        std::vector<DrawCall> out;
        for (const auto& d : recorder->calls)
            if (d.kind == kind) out.push_back(d);
        return out;
    }
    static std::vector<float> At(const DrawCall& d) { return {d.x, d.y}; }
};

TEST_F(DrawTest, ShadowTextDrawsShadowThenTextAndKeepsTheBlend) {
    ccTextAlpha = 0.5f;
    platform::SetBlend(platform::BLEND_SOLID);
    platform::SetColor(10, 20, 30);
    ccShadowText(100, 50, "Hi", 0);
    auto texts = Draws(DrawKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(At(texts[0]), (std::vector<float>{101, 51}));
    EXPECT_FLOAT_EQ(texts[0].state.alpha, 0.25f);
    EXPECT_EQ((std::vector<int>{texts[0].state.r, texts[0].state.g, texts[0].state.b, texts[0].state.blend}),
              (std::vector<int>{0, 0, 0, platform::BLEND_ALPHA}));
    EXPECT_EQ(At(texts[1]), (std::vector<float>{100, 50}));
    EXPECT_FLOAT_EQ(texts[1].state.alpha, 0.5f);
    EXPECT_EQ((std::vector<int>{texts[1].state.r, texts[1].state.g, texts[1].state.b}),
              (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_SOLID);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.5f); // left at ccTextAlpha
}

TEST_F(DrawTest, CentredShadowTextUsesTheUnscaledWidth) {
    platform::SetScale(2, 2);
    ccShadowText(100, 0, "abcd", 1);
    EXPECT_FLOAT_EQ(Draws(DrawKind::Text)[1].x, 100 - platform::TextWidth("abcd") / 2.0f);
}

TEST_F(DrawTest, TextInThreeAlignments) {
    float w = float(platform::TextWidth("abcd")), h = float(platform::TextHeight("abcd"));
    platform::SetScale(2, 2);
    for (int align : {0, 1, 2, 3})
        ccDrawTextAligned("abcd", 400, 100, 0, align, 0);
    auto texts = Draws(DrawKind::Text);
    ASSERT_EQ(texts.size(), 3u); // align 3 draws nothing
    EXPECT_EQ(At(texts[0]), (std::vector<float>{400, 100}));
    EXPECT_EQ(At(texts[1]), (std::vector<float>{400 - w, 100 - h / 2})); // centred honours the scale
    EXPECT_EQ(At(texts[2]), (std::vector<float>{400 - w, 100}));         // right ignores it
}

TEST_F(DrawTest, SnappingAndScreenCentredText) {
    ccDrawText("x", 10.4f, 10.6f, 0, 1);
    ccDrawText("x", 10.4f, 10.6f, 0, 0);
    ccDrawTextCentre("abcd", 5, 0, 0);
    ccDrawTextCentreAll("abc", 0, 0);
    ccDrawTextCentredRoundX("abc", 100.3f, 10.6f, 0); // x always snapped, y never
    auto texts = Draws(DrawKind::Text);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(At(texts[0]), (std::vector<float>{10, 11}));
    EXPECT_EQ(At(texts[1]), (std::vector<float>{10.4f, 10.6f}));
    EXPECT_FLOAT_EQ(texts[2].x, (800 - platform::TextWidth("abcd")) / 2.0f);
    EXPECT_EQ(At(texts[3]), (std::vector<float>{float((800 - platform::TextWidth("abc")) / 2),
                                                float((600 - platform::TextHeight("abc")) / 2)}));
    EXPECT_EQ(At(texts[4]),
              (std::vector<float>{std::floor(100.3f - platform::TextWidth("abc") / 2.0f + 0.5f), 10.6f}));
}

TEST_F(DrawTest, ShadowTextWrappedStepsByTheFontHeightWhenGivenNone) {
    platform::SetBlend(platform::BLEND_SOLID);
    ccShadowTextWrapped(100, 10, {"ab", "abcd"}, 1, 0);
    auto texts = Draws(DrawKind::Text);
    ASSERT_EQ(texts.size(), 4u); // shadow, text, shadow, text
    float step = float(platform::TextHeight("ABCXYZ"));
    EXPECT_EQ(At(texts[1]), (std::vector<float>{100 - platform::TextWidth("ab") / 2.0f, 10}));
    EXPECT_EQ(At(texts[3]), (std::vector<float>{100 - platform::TextWidth("abcd") / 2.0f, 10 + step}));
    EXPECT_EQ(At(texts[2]), (std::vector<float>{texts[3].x + 1, texts[3].y + 1}));
    EXPECT_EQ(texts[2].state.blend, platform::BLEND_ALPHA);
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_SOLID);
    ccShadowTextWrapped(0, 0, {"a", "b"}, 0, 7);
    EXPECT_FLOAT_EQ(recorder->calls.back().y, 7);
    EXPECT_FLOAT_EQ(recorder->calls.back().x, 0);
}

TEST_F(DrawTest, DimScreenLeavesAlphaBlendWhiteAndOpaque) {
    ccDimScreen(0.6f);
    auto rects = Draws(DrawKind::Rect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ((std::vector<float>{rects[0].x, rects[0].y, rects[0].w, rects[0].h, rects[0].state.alpha}),
              (std::vector<float>{0, 0, 800, 600, 0.6f}));
    EXPECT_EQ(rects[0].state.r + rects[0].state.g + rects[0].state.b, 0);
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
    int r, g, b;
    platform::GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 765);
}

TEST_F(DrawTest, CentredImagesSitAtTheWholePixelOfIntegerHalving) {
    struct Case {
        int w, h;
        float x, y;
    } cases[] = {
        {101, 3, 349, 298}, // odd leftovers round down, not to 349.5 and 298.5
        {100, 600, 350, 0},
        {1001, 801, -100, -100}, // larger than the screen: halved toward zero
    };
    for (const Case& c : cases) {
        recorder->calls.clear();
        ccDrawImageCentred(platform::CreateImage(c.w, c.h, 1, 0), nullptr);
        auto images = Draws(DrawKind::Image);
        ASSERT_EQ(images.size(), 1u);
        EXPECT_EQ(At(images[0]), (std::vector<float>{c.x, c.y})) << c.w << "x" << c.h;
    }
}

TEST_F(DrawTest, ClsVSyncFlipsWithSyncOneWhateverTheFlipSyncSetting) {
    int kept = ccFlipSync;
    for (int setting : {-1, 0, 1}) {
        ccFlipSync = setting;
        ccCls(0, 0, 0);
        EXPECT_EQ(platform::LastFlipSync(), setting) << "ccCls follows the setting";
        ccClsVSync(0, 0, 0);
        EXPECT_EQ(platform::LastFlipSync(), 1) << "setting " << setting;
    }
    ccFlipSync = kept;
}

TEST_F(DrawTest, ImageAndRectangleShadows) {
    platform::ImageRef img = platform::CreateImage(4, 4, 2, 0);
    TShadowRef shadow = TShadow::Create(3, 4, 0.3f);
    platform::SetAlpha(0.7f);
    ccDrawImage(img, 10, 20, shadow.get());
    auto images = Draws(DrawKind::Image);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(At(images[0]), (std::vector<float>{13, 24}));
    EXPECT_FLOAT_EQ(images[0].state.alpha, 0.3f);
    EXPECT_EQ(images[0].state.r, 0);
    EXPECT_EQ(At(images[1]), (std::vector<float>{10, 20}));
    EXPECT_FLOAT_EQ(images[1].state.alpha, 1);
    EXPECT_EQ(images[0].frame + images[1].frame, 0);

    platform::SetColor(9, 9, 9);
    platform::SetAlpha(0.4f);
    ccDrawRect(1, 2, 3, 4, shadow.get());
    auto rects = Draws(DrawKind::Rect);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[1].state.r, 9);           // the kept colour is back for the real pass
    EXPECT_FLOAT_EQ(rects[1].state.alpha, 1); // and alpha is 1, whatever it was before
}

TEST_F(DrawTest, LightBlendAndRestoreSolid) {
    platform::ImageRef img = platform::CreateImage(4, 4, 1, 0);
    platform::SetAlpha(0.5f);
    ccDrawImageLight(img, 0, 0, 0.5f, 1, 2, 0.5f, 0);
    auto image = Draws(DrawKind::Image).at(0);
    EXPECT_EQ(image.state.blend, platform::BLEND_LIGHT);
    EXPECT_EQ((std::vector<int>{image.state.r, image.state.g, image.state.b}),
              (std::vector<int>{127, 255, 63}));
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.5f); // alpha left as it was
    ccRestoreSolidMode();
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_SOLID);
}

TEST_F(DrawTest, RectOutlineOfOnePixelIsFourEmptyLines) {
    ccDrawRectOutline(0, 0, 1, 1);
    auto lines = Draws(DrawKind::Line);
    ASSERT_EQ(lines.size(), 4u);
    for (const auto& l : lines)
        EXPECT_EQ((std::vector<float>{l.x, l.y, l.w, l.h}), (std::vector<float>{0, 0, 0, 0}));
}

TEST_F(DrawTest, DigitStrips) {
    platform::ImageRef digits = platform::CreateImage(12, 16, 10, 0);
    ccDrawNumbers("409", 100.25f, 0, digits, 0, 0, 1); // not centred: snap has no effect
    auto images = Draws(DrawKind::Image);
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ((std::vector<int>{images[0].frame, images[1].frame, images[2].frame}),
              (std::vector<int>{4, 0, 9}));
    EXPECT_EQ((std::vector<float>{images[0].x, images[1].x, images[2].x}),
              (std::vector<float>{100.25f, 112.25f, 124.25f}));
    std::vector<int> widths(10, 10), offsets(10, 1);
    EXPECT_FLOAT_EQ(ccDrawNumbersVariableWidthCalcWidth("12", widths, offsets, 2, 1), 22);
    EXPECT_FLOAT_EQ(ccDrawNumbersVariableWidthCalcWidth("", widths, offsets, 2, 1), -2);
    EXPECT_EQ(ccDrawNumbersVariableWidth("12", 100, 0, digits, widths, offsets, 2, 1, 1, 1), 22);
    EXPECT_FLOAT_EQ(recorder->calls.back().x, 89 + 12 - 1); // centred at 89; 12 on; drawn 1 left
}

TEST_F(DrawTest, ClipImageToViewportDrawsOnlyTheInsidePart) {
    platform::ImageRef img = platform::CreateImage(20, 20, 1, 0);
    ccClipImageToViewport(img, 90, 0, 100, 0, 50, 50, 0, 0);
    auto images = Draws(DrawKind::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ((std::vector<float>{images[0].x, images[0].w, images[0].h}), (std::vector<float>{100, 10, 20}));
    ccClipImageToViewport(img, 150, 0, 100, 0, 50, 50, 0, 0); // at the right edge: nothing inside
    EXPECT_EQ(Draws(DrawKind::Image).size(), 1u);
}

TEST_F(DrawTest, ImageAreaKeepsTheImageHandleAndImageRectDrawsACopy) {
    platform::ImageRef img = platform::CreateImage(20, 10, 2, 0);
    platform::SetImageHandle(img, 3, 4);
    ccDrawImageArea(img, 50, 60, 5, 2, 8, 6, 1);
    ccDrawImageRect(img, 7, 8, 0, 0, 4, 4);
    auto images = Draws(DrawKind::Image);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ((std::vector<float>{images[0].x, images[0].y, images[0].w, images[0].h}),
              (std::vector<float>{50, 60, 8, 6}));
    EXPECT_EQ(images[0].frame, 1);
    EXPECT_NE(images[1].image, img); // a new image of the window, for this call only
    EXPECT_EQ(At(images[1]), (std::vector<float>{7, 8}));
}

TEST_F(DrawTest, FontStylesAndShadows) {
    TFontRef plain =
        TFont::Create(nullptr, TColor::Create(1, 2, 3, 0.4f), nullptr, 0, nullptr, nullptr, "plain");
    EXPECT_FLOAT_EQ(plain->H, float(platform::TextHeight("")));
    ccTextAlpha = 0.9f;
    plain->Apply();
    EXPECT_FLOAT_EQ(ccTextAlpha, 0.9f); // no shadow: the text settings stay
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
}

class FakeBitmapFont : public TBitmapFontBase {
public:
    float StringWidth(const std::string& text) const override { return float(text.size()); }
    float StringHeight(const std::string&) const override { return 7; }
};

TEST_F(DrawTest, StyleVariantsApplyOnlyWhatTheStyleHolds) {
    TShadow fresh;
    EXPECT_EQ((std::vector<float>{fresh.X, fresh.Y, fresh.Alpha}), (std::vector<float>{1, 1, 0.5f}));
    TFontRef style = TFont::Create(nullptr, nullptr, TShadow::Create(4, 5, 0.2f), 0, nullptr,
                                   TColor::Create(9, 8, 7, 0.3f), "s");
    float height = style->H;
    int r, g, b;
    ccTextAlpha = 0.9f;
    platform::SetColor(6, 6, 6);
    style->Apply(); // a shadow but no colour: shadow settings set, colour and ccTextAlpha kept
    platform::GetColor(r, g, b);
    EXPECT_EQ((std::vector<float>{ccShadowTextDepthX, ccShadowTextDepthY, ccShadowTextAlpha, ccTextAlpha,
                                  float(r)}),
              (std::vector<float>{4, 5, 0.2f, 0.9f, 6}));
    style->ApplyCustomColor(TColor::Create(1, 2, 3, 0.6f));
    platform::GetColor(r, g, b);
    EXPECT_EQ(r, 1);
    EXPECT_FLOAT_EQ(ccTextAlpha, 0.6f);
    ccShadowTextSet(1, 1, 0.5f);
    style->ApplyInverse(); // the inverse colour, and no shadow settings
    platform::GetColor(r, g, b);
    EXPECT_EQ(r, 9);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.3f);
    EXPECT_FLOAT_EQ(ccShadowTextDepthX, 1);
    style->Kill();
    EXPECT_TRUE(!style->Shadow && !style->InverseColor && !style->Color && !style->ImageFont);
    EXPECT_EQ(style->Name, "s");
    EXPECT_FLOAT_EQ(style->H, height);
}

TEST_F(DrawTest, ImageFontStyleSelectsItsFontWhenMeasuredAndApplied) {
    platform::ImageFontRef font = platform::LoadImageFont(SLEETWHISTLE_TEST_FONT, 30);
    ASSERT_TRUE(font);
    TFontRef style = TFont::Create(font, nullptr, nullptr, 0, nullptr, nullptr, "big");
    EXPECT_EQ(platform::GetImageFont(), font); // CalcHeight leaves it selected
    EXPECT_FLOAT_EQ(style->H, float(platform::TextHeight("")));
    platform::SetImageFont(nullptr);
    style->Apply();
    EXPECT_EQ(platform::GetImageFont(), font);
    platform::SetImageFont(nullptr);
    auto bitmap = std::make_shared<FakeBitmapFont>();
    TFont::Create(font, nullptr, nullptr, 0, bitmap, nullptr, "bitmap")->Apply();
    EXPECT_EQ(platform::GetImageFont(), platform::BuiltInFont()); // a bitmap style selects nothing
}

TEST_F(DrawTest, BitmapFontStyleScalesTheFontNotTheDrawing) {
    auto bitmap = std::make_shared<FakeBitmapFont>();
    bitmap->ScaleFactor = 1.5;
    TFontRef style = TFont::Create(nullptr, nullptr, nullptr, 0, bitmap, nullptr, "b");
    EXPECT_FLOAT_EQ(style->H, 7);
    style->ApplyScale(2);
    style->RestoreScale();
    EXPECT_DOUBLE_EQ(bitmap->ScaleFactor, 1.5);
    style->ApplyScale(2);
    style->ApplyScale(3); // the first saved value is lost
    style->RestoreScale();
    EXPECT_DOUBLE_EQ(bitmap->ScaleFactor, 2);
}

TEST_F(DrawTest, BoxesAndCircles) {
    TBoxRef box = TBox::Create(1, 2, 3, 4, nullptr);
    box->Draw();
    EXPECT_TRUE(recorder->calls.empty());
    box->Color = TColor::Create(255, 0, 0, 0.5f);
    box->Draw();
    ASSERT_EQ(Draws(DrawKind::Rect).size(), 1u);
    EXPECT_FLOAT_EQ(Draws(DrawKind::Rect)[0].state.alpha, 0.5f);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 1);
    box->Kill();
    box->Draw();
    EXPECT_EQ(Draws(DrawKind::Rect).size(), 1u);
    platform::SetColor(7, 7, 7);
    TCircle::Create(100, 100, 10, nullptr)->Draw();
    auto ovals = Draws(DrawKind::Oval);
    ASSERT_EQ(ovals.size(), 1u);
    EXPECT_EQ((std::vector<float>{ovals[0].x, ovals[0].y, ovals[0].w, ovals[0].h}),
              (std::vector<float>{90, 90, 20, 20}));
    EXPECT_EQ(ovals[0].state.r, 7);
    int r, g, b;
    platform::GetColor(r, g, b);
    EXPECT_EQ(r, 7); // no colour of its own: the current one stays
}

TEST_F(DrawTest, TextSpacedMovesEachLetterByItsIndex) {
    ccDrawTextSpaced("ab", 10, 5, 3);
    auto texts = Draws(DrawKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(At(texts[0]), (std::vector<float>{10, 5}));
    EXPECT_FLOAT_EQ(texts[1].x, 10 + float(platform::TextWidth("a")) + 3);
    // Turned a quarter clockwise the letters run down the screen; the spacing stays along x.
    recorder->calls.clear();
    platform::SetRotation(90);
    ccDrawTextSpacedRounded("ab", 10.5f, 5, 3);
    texts = Draws(DrawKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(At(texts[0]), (std::vector<float>{10, 5}));
    EXPECT_EQ(texts[1].x, 13.0f);
    EXPECT_NEAR(texts[1].y, 5 + float(platform::TextWidth("a")), 1e-4);
}

} // namespace

// Drawing state and draw order, checked through the recording renderer (no window needed).
#include "platform/Renderer.h"
#include "platform/TImageFont.h"
#include "platform/draw.h"
#include "platform/font.h"

#include "Scoped.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace platform;

namespace {

class DrawRecord : public ::testing::Test {
protected:
    void SetUp() override {
        recorder = std::make_shared<TRecordingRenderer>();
        SetRenderer(recorder);
        ResetDrawState();
        ResetViewport();
        SetImageFont(nullptr);
    }
    void TearDown() override { SetRenderer(nullptr); }
    std::shared_ptr<TRecordingRenderer> recorder;
};

TEST_F(DrawRecord, EveryDrawCarriesTheStateInForceWhenItWasMade) {
    SetColor(300, -5, 128);
    SetAlpha(1.5f);
    SetBlend(BLEND_LIGHT);
    SetScale(2, 3);
    SetRotation(90);
    DrawRect(1, 2, 3, 4);
    SetAlpha(-1);
    SetBlend(99); // not a blend: ignored
    DrawText("Hi", 5, 6);

    ASSERT_EQ(recorder->calls.size(), 2u);
    const DrawCall& rect = recorder->calls[0];
    EXPECT_EQ(rect.kind, DrawKind::Rect);
    EXPECT_EQ(rect.state.r, 255);
    EXPECT_EQ(rect.state.g, 0);
    EXPECT_EQ(rect.state.b, 128);
    EXPECT_FLOAT_EQ(rect.state.alpha, 1.0f);
    EXPECT_EQ(rect.state.blend, BLEND_LIGHT);
    EXPECT_FLOAT_EQ(rect.state.scaleY, 3.0f);
    EXPECT_FLOAT_EQ(rect.state.rotation, 90.0f);
    EXPECT_EQ(rect.state.viewportW, 800) << "the viewport follows the logical screen until set";

    const DrawCall& text = recorder->calls[1];
    EXPECT_EQ(text.kind, DrawKind::Text);
    EXPECT_EQ(text.text, "Hi");
    EXPECT_FLOAT_EQ(text.state.alpha, 0.0f);
    EXPECT_EQ(text.state.blend, BLEND_LIGHT);
    EXPECT_EQ(text.font, BuiltInFont()) << "no font set: the built-in one";
}

TEST_F(DrawRecord, ImagesDrawFromTheirHandleAndNothingIsRecordedForNull) {
    auto image = CreateImage(40, 20, 2, 0);
    SetImageHandle(image, 10, 5);
    DrawImage(image, 100, 50, 1);
    DrawImage(nullptr, 0, 0);
    DrawImage(image, 0, 0, 2); // no such frame
    DrawImageRect(image, 0, 0, 80, 40);
    DrawText("", 0, 0);
    ASSERT_EQ(recorder->calls.size(), 2u);
    const DrawCall& d = recorder->calls[0];
    EXPECT_EQ(d.frame, 1);
    EXPECT_FLOAT_EQ(d.handleX, 10);
    EXPECT_FLOAT_EQ(d.srcW, 40);
    const DrawCall& r = recorder->calls[1];
    EXPECT_FLOAT_EQ(r.w, 80);
    EXPECT_FLOAT_EQ(r.handleX, 20) << "the handle scales with the image";
}

TEST_F(DrawRecord, ResetPutsBackTheNeutralStateButKeepsTheViewport) {
    SetViewport(10, 20, 30, 40);
    SetColor(1, 2, 3);
    SetScale(5, 5);
    ResetDrawState();
    int x, y, w, h;
    GetViewport(x, y, w, h);
    EXPECT_EQ(w, 30);
    int r, g, b;
    GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 765);
    float sx, sy;
    GetScale(sx, sy);
    EXPECT_FLOAT_EQ(sx, 1);
    EXPECT_EQ(GetBlend(), BLEND_ALPHA);
}

TEST(FontMetrics, BuiltInFontMeasuresWithoutAWindow) {
    SetImageFont(nullptr);
    EXPECT_EQ(TextWidth(""), 0);
    EXPECT_GT(TextHeight(""), 10);
    EXPECT_EQ(TextHeight(""), TextHeight("Ag"));
    EXPECT_EQ(TextWidth("ab"), TextWidth("a") + TextWidth("b")) << "no kerning";
    EXPECT_GT(TextWidth("W"), TextWidth("i"));
}

TEST(FontMetrics, ControlCharactersMeasureNothing) {
    auto font = LoadImageFont(SLEETWHISTLE_TEST_FONT, 30);
    ASSERT_TRUE(font);
    for (const ImageFontRef& f : {font, ImageFontRef()}) {
        SetImageFont(f);
        EXPECT_EQ(TextWidth("\t"), 0);
        EXPECT_EQ(TextWidth(std::string("Snow\0\x01\r\n\x1f", 9)), TextWidth("Snow"));
        EXPECT_GT(TextWidth(" "), 0) << "a space still has its width";
    }
    SetImageFont(nullptr);
}

TEST(FontMetrics, MissingOrBrokenFontFilesGiveNullAndTextFallsBack) {
    EXPECT_EQ(LoadImageFont("/nonexistent/card.ttf", 30), nullptr);
    EXPECT_EQ(LoadImageFont("/proc/self/status", 30), nullptr);
    SetImageFont(nullptr);
    EXPECT_EQ(GetImageFont(), BuiltInFont());
}

// Fonts are loaded long before their first text: the atlas is rasterised when read (for its
// texture), into the places the metrics kept from the load say, and to the same pixels each time.
TEST(FontMetrics, AnAtlasIsLetGoAtLoadAndRasterisedWhereItsGlyphsSayWhenRead) {
    auto font = LoadImageFont(SLEETWHISTLE_TEST_FONT, 30, FONT_SMOOTH | FONT_BOLD);
    ASSERT_TRUE(font);
    EXPECT_FALSE(FrameResident(font->atlas));
    PixmapRef atlas = FramePixmap(font->atlas);
    ASSERT_TRUE(atlas);
    EXPECT_TRUE(FrameResident(font->atlas));
    for (int c = 33; c < 256; ++c) {
        const TGlyph& g = font->glyphs[c];
        if (!g.present || g.width == 0) continue;
        int ink = 0;
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x)
                ink += atlas->At(g.atlasX + x, g.atlasY + y)[3] != 0;
        EXPECT_GT(ink, 0) << "glyph " << c << " has no ink where its metrics put it";
    }
    std::vector<uint8_t> first = atlas->pixels;
    atlas.reset(); // a reader still holding them would keep them
    ReleaseFramePixels(*font->atlas);
    EXPECT_FALSE(FrameResident(font->atlas));
    EXPECT_TRUE(FramePixmap(font->atlas)->pixels == first);
}

TEST(FontMetrics, LargerSizesMeasureLarger) {
    auto small = LoadImageFont(SLEETWHISTLE_TEST_FONT, 20, FONT_SMOOTH);
    auto large = LoadImageFont(SLEETWHISTLE_TEST_FONT, 40, FONT_SMOOTH | FONT_BOLD);
    ASSERT_TRUE(small);
    ASSERT_TRUE(large);
    testsupport::ScopedImageFont current(small);
    int w20 = TextWidth("Snow"), h20 = TextHeight("");
    SetImageFont(large);
    EXPECT_GT(TextWidth("Snow"), w20 * 3 / 2);
    EXPECT_GT(TextHeight(""), h20 * 3 / 2);
}

TEST(FontMetrics, HugeBoldGlyphsFitInsideAnAtlasATextureCanHold) {
    // A bold capital of a heavy face at the largest size is wider than a narrow atlas row, and
    // all glyphs stacked in such rows make an atlas taller than a texture may be.
    std::string heavy = std::filesystem::path(SLEETWHISTLE_TEST_FONT).replace_filename("DejaVuSans-Bold.ttf");
    auto font = LoadImageFont(heavy, 512, FONT_BOLD);
    ASSERT_TRUE(font) << heavy;
    ASSERT_TRUE(font->atlas);
    EXPECT_LE(font->atlas->width, 8192);
    EXPECT_LE(font->atlas->height, 8192);
    for (int c = 32; c < 256; ++c) {
        const TGlyph& g = font->glyphs[c];
        if (!g.present) continue;
        EXPECT_LE(g.atlasX + g.width, font->atlas->width) << "character " << c;
        EXPECT_LE(g.atlasY + g.height, font->atlas->height) << "character " << c;
    }
}

} // namespace

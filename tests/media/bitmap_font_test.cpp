// The bitmap font: reading descriptors (well-formed, odd and broken), measuring and drawing text.
#include "media_fixture.h"

#include "framework/cc_draw.h"
#include "media/TBitmapFont.h"
#include "platform/TPixmap.h"

#include <fstream>
#include <sstream>

namespace {

using mediatest::MediaTest;

std::string Fixture(const std::string& name) {
    std::ifstream in(std::string(MEDIA_FIXTURES) + "font/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class BitmapFontTest : public MediaTest {
protected:
    void SetUp() override {
        MediaTest::SetUp();
        TBitmapFont::UseBuggedStringHeight = 1;
        TBitmapFont::UseStringHeightAccurate = 0;
        TBitmapFont::AutoCalcDrawOffsetY = 0;
    }

    // A 64 x 64 page.
    std::string WritePage(const std::string& base) {
        auto page = platform::CreatePixmap(64, 64);
        EXPECT_TRUE(platform::SavePixmapPNGWithAlpha(page, dir / (base + ".png")));
        return dir / base;
    }

    // A font from descriptor text, with a page beside it.
    TBitmapFontPtr Load(const std::string& descriptor, int yAdjust = 0) {
        std::string base = WritePage("font");
        dir.Write("font.fnt", descriptor);
        return TBitmapFont::Create(base, 0, yAdjust);
    }

    static std::string GlyphLine(int code, int x) {
        return "char id=" + std::to_string(code) + " x=" + std::to_string(x) +
               "   y=0    width=5   height=6   xoffset=0   yoffset=0   xadvance=7   page=0  chnl=15\n";
    }
};

TEST_F(BitmapFontTest, ScaleLineGivesTheScaleAndEveryArrangementReachesTheCommonLine) {
    struct Case {
        const char* fixture;
        double scale;
    } cases[] = {{"standard.fnt", 1.0}, {"scaled.fnt", 1.5}, {"shouted_scale.fnt", 0.0}};
    for (const Case& c : cases) {
        auto font = Load(Fixture(c.fixture));
        EXPECT_DOUBLE_EQ(font->ScaleFactor, c.scale) << c.fixture;
        EXPECT_EQ(font->TextureW, 64) << c.fixture;
        EXPECT_EQ(font->TextureH, 64) << c.fixture;
        EXPECT_EQ(font->NumChars, 8) << c.fixture;
    }
}

TEST_F(BitmapFontTest, GlyphLineFillsTheSlotOfItsCode) {
    auto font = Load(Fixture("standard.fnt"), 2);
    EXPECT_EQ(font->ID[65], 65);
    EXPECT_EQ(font->xPos[65], 10);
    EXPECT_EQ(font->yPos[65], 20);
    EXPECT_EQ(font->width[65], 12);
    EXPECT_EQ(font->height[65], 16);
    EXPECT_EQ(font->xOffset[65], -1);
    EXPECT_EQ(font->yOffset[65], 3 + 2) << "the y adjustment is added";
    EXPECT_EQ(font->xAdvance[65], 11);
    EXPECT_EQ(font->width[0], 0) << "slot 0 holds no glyph";
}

TEST_F(BitmapFontTest, ValuesLongerThanTheirWidthAreCut) {
    auto font = Load(Fixture("long_values.fnt"));
    EXPECT_EQ(font->xPos[65], 1234);
    EXPECT_EQ(font->width[65], 123);
    EXPECT_EQ(font->height[65], 16);
}

TEST_F(BitmapFontTest, CodesAbove255TakeExtraSlotsInListingOrder) {
    std::string descriptor = Fixture("standard.fnt");
    descriptor.insert(descriptor.find("kernings"), GlyphLine(8364, 60));
    auto font = Load(descriptor);
    EXPECT_EQ(font->NumExtraChars, 3);
    EXPECT_EQ(font->ID[256], 8364);
    EXPECT_EQ(font->ID[257], 8482);
    EXPECT_EQ(font->ID[258], 8364) << "a code listed twice takes a second slot";
    EXPECT_EQ(font->FindChar(8364), 256) << "the first slot is found";
    EXPECT_EQ(font->FindChar(8482), 257);
    EXPECT_EQ(font->FindChar(9000), 0);

    font->Draw(std::u32string(U"\u20AC"), 0, 0);
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].srcX, 40) << "drawn from slot 256";
    EXPECT_EQ(draws[0].srcW, 9);
}

TEST_F(BitmapFontTest, NothingAfterTheFirstKerningLineIsRead) {
    auto font = Load(Fixture("standard.fnt"));
    EXPECT_EQ(font->NumChars, 8);
    EXPECT_EQ(font->width['a'], 0) << "the glyph line after the kernings is not read";
}

TEST_F(BitmapFontTest, ManyExtraCodesGrowTheArrays) {
    struct Case {
        int extra;
        int arraySize;
    } cases[] = {{150, 406}, {151, 506}, {33000, 33306}};
    for (const Case& c : cases) {
        std::string descriptor = "info\ncommon scaleW=64 scaleH=64\n";
        for (int i = 0; i < c.extra; ++i)
            descriptor += GlyphLine(300 + i, i % 60);
        auto font = Load(descriptor);
        EXPECT_EQ(font->NumExtraChars, c.extra);
        EXPECT_EQ(font->NumChars, c.extra);
        EXPECT_EQ(font->ArraySize, c.arraySize);
        EXPECT_EQ(int(font->ID.size()), c.arraySize);
        EXPECT_EQ(int(font->xAdvance.size()), c.arraySize);
        EXPECT_EQ(font->ID[size_t(255 + c.extra)], 300 + c.extra - 1) << "the last code is in the last slot";
    }
}

TEST_F(BitmapFontTest, MalformedDescriptorsLoadWhatTheyCanWithoutAnError) {
    struct Case {
        const char* what;
        std::string descriptor;
        double scale;
        int chars;
        int code; // a slot to look at
        double x; // its xPos
    } cases[] = {
        {"empty file", "", 1.0, 0, 0, 0},
        {"only a kerning line", "kerning first=1 second=2 amount=1\n", 1.0, 0, 0, 0},
        {"key after column 300", "info\ncommon\nchar id=65" + std::string(300, ' ') + "x=17\n", 1.0, 1, 65,
         17},
        {"negative code", "info\ncommon\nchar id=-3 x=5\n", 1.0, 0, 0, 0},
        {"no code", "info\ncommon\nchar x=5\n", 1.0, 0, 0, 0},
        {"code not a number", "info\ncommon\nchar id=abc x=5\n", 1.0, 0, 0, 0},
        {"number followed by letters", "info\ncommon\nchar id=66 x=12ab\n", 1.0, 1, 66, 12},
        {"CR LF endings", "info\r\ncommon scaleW=64\r\npage\r\nchars\r\nchar id=67 x=9\r\n", 1.0, 1, 67, 9},
    };
    for (const Case& c : cases) {
        auto font = Load(c.descriptor);
        EXPECT_TRUE(errors.empty()) << c.what;
        EXPECT_DOUBLE_EQ(font->ScaleFactor, c.scale) << c.what;
        EXPECT_EQ(font->NumChars, c.chars) << c.what;
        EXPECT_EQ(font->xPos[size_t(c.code)], c.x) << c.what;
    }
    auto crlf = Load("info\r\ncommon scaleW=64\r\n");
    EXPECT_EQ(crlf->TextureW, 64);
}

TEST_F(BitmapFontTest, APictureGivenAsTheDescriptorLoadsWithoutACrash) {
    std::string base = WritePage("font");
    dir.Write("font.fnt", dir.Read("font.png"));
    auto font = TBitmapFont::Create(base, 0, 0);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(font->NumExtraChars, 0);
}

TEST_F(BitmapFontTest, MissingPageOrDescriptorEndsWithTheLoadersMessage) {
    dir.Write("nopage.fnt", Fixture("standard.fnt"));
    EXPECT_THROW(TBitmapFont::Create(dir / "nopage", 0, 0), mediatest::TReportedError);
    WritePage("nodescriptor");
    EXPECT_THROW(TBitmapFont::Create(dir / "nodescriptor", 0, 0), mediatest::TReportedError);
    EXPECT_EQ(errors, (std::vector<std::string>{"Error loading bitmap " + dir / "nopage.png",
                                                "Error loading file " + dir / "nodescriptor.fnt"}));
}

TEST_F(BitmapFontTest, CreateLeavesAutomaticMidHandlingAsItWas) {
    for (bool on : {true, false}) {
        platform::AutoMidHandle(on);
        auto font = Load(Fixture("standard.fnt"));
        EXPECT_EQ(platform::AutoMidHandleOn(), on);
        EXPECT_EQ(font->Image->handleX, 0) << "the page itself has its handle at the top-left";
    }
    platform::AutoMidHandle(false);
}

TEST_F(BitmapFontTest, StringWidthSumsAdvancesAndGapsBetweenGlyphs) {
    auto font = Load(Fixture("standard.fnt"));
    EXPECT_EQ(font->StringWidth(""), 0);
    font->CharGap = 2;
    EXPECT_EQ(font->StringWidth("A"), 11) << "no gap after the last glyph";
    EXPECT_EQ(font->StringWidth("AB"), 11 + 2 + 12);
    auto scaled = Load(Fixture("scaled.fnt"));
    EXPECT_FLOAT_EQ(scaled->StringWidth("A"), 16.5f);
}

TEST_F(BitmapFontTest, StringHeightAveragesTheGlyphHeights) {
    auto font = Load(Fixture("standard.fnt"));
    const float sum = 16 + 14 + 12 + 10 + 8 + 6;
    EXPECT_FLOAT_EQ(font->StringHeight("ABCXYZ"), sum / 5);
    TBitmapFont::UseBuggedStringHeight = 0;
    EXPECT_FLOAT_EQ(font->StringHeight("ABCXYZ"), sum / 6);
    for (int bugged : {1, 0}) {
        TBitmapFont::UseBuggedStringHeight = bugged;
        EXPECT_FLOAT_EQ(font->StringHeight("A"), 16) << "one glyph: its own height";
        EXPECT_FLOAT_EQ(font->StringHeight("a"), 0) << "no glyph: 0";
        EXPECT_FLOAT_EQ(font->StringHeight(""), 0);
    }
    auto scaled = Load(Fixture("scaled.fnt"));
    EXPECT_FLOAT_EQ(scaled->StringHeight("A"), 24);
}

TEST_F(BitmapFontTest, OneGlyphIsDrawnFromItsRectangleAtItsOffsets) {
    auto font = Load(Fixture("standard.fnt"));
    font->Draw("A", 100, 50);
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 1u);
    const auto& d = draws[0];
    EXPECT_EQ(d.srcX, 10);
    EXPECT_EQ(d.srcY, 20);
    EXPECT_EQ(d.srcW, 12);
    EXPECT_EQ(d.srcH, 16);
    EXPECT_EQ(d.x, 99);
    EXPECT_EQ(d.y, 53);
    EXPECT_EQ(d.w, 12);
    EXPECT_EQ(d.h, 16);
    EXPECT_EQ(d.handleX, 0);
}

TEST_F(BitmapFontTest, ShadowPassIsBlackAndOffsetThenTheColourComesBack) {
    auto font = Load(Fixture("standard.fnt"));
    platform::SetColor(10, 20, 30);
    ccTextAlpha = 0.8f;
    font->Draw("A", 100, 50, 0, 0, 0, 0, 1);
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].state.r, 0);
    EXPECT_EQ(draws[0].state.g, 0);
    EXPECT_FLOAT_EQ(draws[0].state.alpha, 0.5f * 0.8f);
    EXPECT_EQ(draws[0].x, 100);
    EXPECT_EQ(draws[0].y, 54);
    int r, g, b;
    platform::GetColor(r, g, b);
    EXPECT_EQ(r, 10);
    EXPECT_EQ(b, 30);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.8f);
    ccTextAlpha = 1.0f;
}

TEST_F(BitmapFontTest, AlignmentPlacesTheLine) {
    auto font = Load(Fixture("standard.fnt"));
    struct Case {
        int alignment;
        float firstX; // "AB" is 23 wide; A's x offset is -1
        float firstY;
    } cases[] = {
        {0, 99, 53}, {1, 100 - 11.5f - 1, 53}, {2, 100 - 23 - 1, 53}, {3, 100 - 11.5f - 1, 53 - 6.6f}};
    for (const Case& c : cases) {
        recorder->calls.clear();
        font->DrawAligned("AB", 100, 50, c.alignment, 0, 0, 0);
        auto draws = ImageDraws();
        ASSERT_EQ(draws.size(), 2u);
        EXPECT_FLOAT_EQ(draws[0].x, c.firstX) << c.alignment;
        EXPECT_FLOAT_EQ(draws[0].y, c.firstY) << c.alignment;
        EXPECT_FLOAT_EQ(draws[1].x - draws[0].x, 11 + 1 + 1) << "advance of A, then B's own offset";
    }
    recorder->calls.clear();
    font->DrawAligned("AB", 100, 50, 4, 0, 0, 0);
    EXPECT_TRUE(recorder->calls.empty());
}

TEST_F(BitmapFontTest, ColoursCycleOverTheGlyphs) {
    auto font = Load(Fixture("standard.fnt"));
    std::vector<TColorRef> colours = {TColor::Create(255, 0, 0, 1), TColor::Create(0, 0, 255, 1)};
    font->Draw("ABC", 0, 0, 0, 0, 0, 0, 0, 0, 0, colours);
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].state.r, 255);
    EXPECT_EQ(draws[1].state.b, 255);
    EXPECT_EQ(draws[1].state.r, 0);
    EXPECT_EQ(draws[2].state.r, 255);
}

TEST_F(BitmapFontTest, SnappingRoundsOnlyAtScaleOne) {
    auto font = Load(Fixture("standard.fnt"));
    font->Draw("A", 10.4, 20.6, 0, 0, 1, 1);
    auto scaled = Load(Fixture("scaled.fnt"));
    scaled->Draw("A", 10.4, 20.6, 0, 0, 1, 1);
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_FLOAT_EQ(draws[0].x, 9);
    EXPECT_FLOAT_EQ(draws[0].y, 24);
    EXPECT_FLOAT_EQ(draws[1].x, 10.4f - 1.5f) << "no snapping at scale 1.5";
    EXPECT_FLOAT_EQ(draws[1].w, 18);
}

TEST_F(BitmapFontTest, VerticalTextStacksTheGlyphs) {
    auto font = Load(Fixture("standard.fnt"));
    font->Draw("AB", 100, 50, 0, 0, 0, 0, 0, 0, 1);
    font->Draw("A B", 100, 50, 0, 0, 0, 0, 0, 0, 1);
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 5u);
    EXPECT_FLOAT_EQ(draws[0].y, 50) << "no y offset in vertical text";
    EXPECT_FLOAT_EQ(draws[1].y, 50 + 16) << "the next glyph under A's height";
    EXPECT_FLOAT_EQ(draws[1].x, 101);
    EXPECT_FLOAT_EQ(draws[4].y, 50 + 16 + 0.75f * 0) << "space without a glyph: 0.75 x its advance of 0";
}

TEST_F(BitmapFontTest, TextLongerThan255CharactersIsDrawnWhole) {
    auto font = Load(Fixture("standard.fnt"));
    font->Draw(std::string(300, 'A'), 0, 0);
    EXPECT_EQ(ImageDraws().size(), 300u);
}

TEST_F(BitmapFontTest, MeasuresForFittingText) {
    auto font = Load(Fixture("standard.fnt"));
    EXPECT_EQ(font->TruncateString("ABC", 23), "AB");
    EXPECT_EQ(font->TruncateString("ABC", 10), "");
    EXPECT_FLOAT_EQ(font->CalcReducedScale("AB", 46), 1.0f);
    EXPECT_FLOAT_EQ(font->CalcReducedScale("AB", 23 / 2), 11.0f / 23);
    EXPECT_EQ(font->CalcVRAM(), 64 * 64 * 4);
    font->CalcDrawOffsetY();
    EXPECT_EQ(font->DrawOffsetY, -3);
}

} // namespace

// TextInk's glyph boxes against the pixels the GL renderer draws: every lit pixel of a text lies
// in one of its boxes, and every box holds ink, also for a scaled, turned and handled text.
#include "GLWindow.h"
#include "Scoped.h"
#include "TextInk.h"

#include "platform/draw.h"
#include "platform/font.h"
#include "platform/graphics.h"

#include <algorithm>
#include <memory>

using namespace platform;

namespace {

class TextInkGL : public testsupport::GLWindowTest {};

struct TInkCase {
    const char* what;
    float scaleX, scaleY, rotation, handleX, handleY;
};

// A pixel counts as ink when its red channel rises well above the black background.
bool Lit(const PixmapRef& frame, int x, int y) {
    return ((ReadPixel(frame, x, y) >> 16) & 255) > 96;
}

bool InSomeBox(const std::vector<textink::Box>& boxes, int x, int y) {
    for (const textink::Box& b : boxes)
        if (float(x) + 0.5f >= b.x0 - 1 && float(x) + 0.5f <= b.x1 + 1 && float(y) + 0.5f >= b.y0 - 1 &&
            float(y) + 0.5f <= b.y1 + 1)
            return true;
    return false;
}

TEST_F(TextInkGL, GlyphBoxesHoldTheInkTheRendererDraws) {
    ImageFontRef font = LoadImageFont(SLEETWHISTLE_TEST_FONT, 30, FONT_SMOOTH);
    ASSERT_TRUE(font);
    testsupport::ScopedImageFont current(font);
    const TInkCase cases[] = {
        {"plain", 1, 1, 0, 0, 0},
        {"squeezed like a wide score", 0.71f, 1, 0, 0, 0},
        {"large, turned and handled", 1.5f, 1.5f, 20, 40, 10},
    };
    for (const TInkCase& c : cases) {
        SCOPED_TRACE(c.what);
        SetClsColor(0, 0, 0);
        Cls();
        auto recorder = std::make_shared<TRecordingRenderer>();
        SetScale(c.scaleX, c.scaleY);
        SetRotation(c.rotation);
        SetHandle(c.handleX, c.handleY);
        SetColor(255, 255, 255);
        {
            testsupport::ScopedRenderer recording(recorder);
            DrawText("Ag 0,9: Wq", 200, 250);
        }
        DrawText("Ag 0,9: Wq", 200, 250);
        SetScale(1, 1);
        SetRotation(0);
        SetHandle(0, 0);
        PixmapRef frame = Grab();
        std::vector<textink::Text> texts = textink::Texts(recorder->calls);
        ASSERT_EQ(texts.size(), 1u);
        const std::vector<textink::Box>& boxes = texts[0].body;
        ASSERT_EQ(boxes.size(), 8u); // the two spaces have no glyph
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                if (Lit(frame, x, y)) {
                    ASSERT_TRUE(InSomeBox(boxes, x, y)) << "ink outside every box at " << x << ", " << y;
                }
        for (const textink::Box& b : boxes) {
            bool ink = false;
            for (int y = int(b.y0); y <= int(b.y1) && !ink; ++y)
                for (int x = int(b.x0); x <= int(b.x1) && !ink; ++x)
                    ink = x >= 0 && y >= 0 && x < 800 && y < 600 && Lit(frame, x, y);
            EXPECT_TRUE(ink) << "an empty box at " << b.x0 << ", " << b.y0;
        }
    }
}

TEST(TextInk, CopiesOfOneStringAreOneTextAndBodiesThatMeetAreNamed) {
    ImageFontRef font = LoadImageFont(SLEETWHISTLE_TEST_FONT, 30, FONT_SMOOTH);
    ASSERT_TRUE(font);
    testsupport::ScopedImageFont current(font);
    auto recorder = std::make_shared<TRecordingRenderer>();
    {
        testsupport::ScopedRenderer recording(recorder);
        DrawText("12", 101, 101); // shadow
        DrawText("12", 100, 100); // body
        DrawText("34", 100 + float(TextWidth("12")), 100);
        DrawText("56", 110, 110);
    }
    std::vector<textink::Text> texts = textink::Texts(recorder->calls);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].ink.size(), 4u);
    EXPECT_EQ(texts[0].body.size(), 2u);
    std::string overlap = textink::FirstOverlap(texts);
    EXPECT_NE(overlap.find("\"12\""), std::string::npos) << overlap;
    EXPECT_NE(overlap.find("\"56\""), std::string::npos) << overlap;
    EXPECT_EQ(textink::FirstOverlap({texts[0], texts[1]}), "") << "neighbours side by side do not meet";
    textink::Box frame = texts[0].body[0];
    for (const textink::Box& b : texts[0].body)
        frame = {std::min(frame.x0, b.x0), std::min(frame.y0, b.y0), std::max(frame.x1, b.x1),
                 std::max(frame.y1, b.y1)};
    EXPECT_NE(textink::FirstOutside(texts[0], frame), "") << "the shadow sticks out by a pixel";
    frame.x1 += 1;
    frame.y1 += 1;
    EXPECT_EQ(textink::FirstOutside(texts[0], frame), "");
}

} // namespace

// Vectors, lines, records and the overlap tests.
#include "framework/cc_geometry.h"
#include "framework/cc_images.h"
#include "framework/cc_system.h"
#include "framework/records.h"
#include "platform/Renderer.h"
#include "platform/collide.h"
#include "platform/draw.h"
#include "platform/testing.h"

#include "Scoped.h"

#include <gtest/gtest.h>

namespace {

TEST(Vector, Arithmetic) {
    TVector a, b;
    a.x = 1, a.y = 1, b.x = 4, b.y = 5;
    TVectorRef d = TVector::CreateFromVectorsSubtracted(a, b);
    EXPECT_EQ(d->x, 3);
    EXPECT_EQ(d->y, 4);
    EXPECT_DOUBLE_EQ(d->CalcLength(), 5);
    TVectorRef n = d->CalcNormal();
    EXPECT_EQ(n->x, -4);
    EXPECT_EQ(n->y, 3);
    TVectorRef r = TVector::Create(1, 0);
    r->Rotate(90);
    EXPECT_NEAR(r->x, 0, 1e-12);
    EXPECT_NEAR(r->y, 1, 1e-12);
}

TEST(Vector, ReboundMirrorsAndKeepsLength) {
    TVectorRef v = TVector::Create(1, -1), wall = TVector::Create(1, 0);
    v->Rebound(*wall);
    EXPECT_NEAR(v->x, 1, 1e-12);
    EXPECT_NEAR(v->y, 1, 1e-12);
    TVectorRef w = TVector::Create(3, -7), slope = TVector::Create(2, 1);
    double before = w->CalcLength();
    w->Rebound(*slope);
    EXPECT_NEAR(w->CalcLength(), before, 1e-9);
}

TEST(Line, LengthSlopeAndVector) {
    TLineRef line = TLine::Create(1, 1, 4, 5);
    EXPECT_EQ(line->length, 0);
    line->CalcLength();
    EXPECT_DOUBLE_EQ(line->length, 5);
    EXPECT_DOUBLE_EQ(line->CalcSlope(), 4.0 / 3.0);
    TVectorRef v = line->GetVector();
    line->SetFromVector(*v, 10, 20);
    EXPECT_EQ((std::vector<double>{line->sx, line->sy, line->ex, line->ey}),
              (std::vector<double>{10, 20, 13, 24}));
}

TEST(Line, DrawsInItsOwnColourOrTheCurrentOne) {
    auto recorder = std::make_shared<platform::TRecordingRenderer>();
    auto rendering = std::make_unique<testsupport::ScopedRenderer>(recorder);
    platform::ResetDrawState();
    platform::SetColor(10, 20, 30);
    platform::SetAlpha(0.5f);
    TLineRef line = TLine::Create(1, 2, 3, 4);
    line->Draw(0); // no colour of its own: the current one, left as it was
    int r, g, b;
    platform::GetColor(r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{10, 20, 30}));
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.5f);
    line->Color = TColor::Create(200, 100, 50, 0.25f);
    line->Draw(1); // its own colour, then white at alpha 1
    platform::GetColor(r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{255, 255, 255}));
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
    rendering.reset();
    platform::ResetDrawState();
    ASSERT_EQ(recorder->calls.size(), 2u);
    const platform::DrawCall &plain = recorder->calls[0], &own = recorder->calls[1];
    EXPECT_EQ((std::vector<float>{plain.x, plain.y, plain.w, plain.h}), (std::vector<float>{1, 2, 3, 4}));
    EXPECT_EQ((std::vector<int>{plain.state.r, own.state.r, own.state.g, own.state.b}),
              (std::vector<int>{10, 200, 100, 50}));
    EXPECT_FLOAT_EQ(own.state.alpha, 0.25f);
    EXPECT_EQ((std::vector<bool>{plain.lastPixel, own.lastPixel}), (std::vector<bool>{false, true}));
}

TEST(Records, Defaults) {
    TMemoryStatus m;
    EXPECT_EQ(m.dwLength, 32);
    EXPECT_EQ(m.dwAvailVirtual, 0);
    EXPECT_EQ(ccGetMemoryStatus()->dwLength, 0); // the query fills nothing, not even the size
    EXPECT_EQ(ccGetWindowInfo()->cbSize, 0);
    EXPECT_NE(ccGetCursorPos(), ccGetCursorPos()); // a new point every call
    EXPECT_EQ(ccWindowPosition(), nullptr);
}

TEST(SystemQueries, WindowYFlipsBetweenTopAndBottomOriginsAndBack) {
    struct Case {
        int y, desktop, height, flipped;
    } cases[] = {{100, 900, 600, 200}, {0, 900, 900, 0}, {0, 1080, 600, 480}, {500, 900, 600, -200}};
    for (const Case& c : cases) {
        EXPECT_EQ(ccFixMacWindowY(c.y, c.desktop, c.height), c.flipped) << c.y;
        EXPECT_EQ(ccFixMacWindowY(c.flipped, c.desktop, c.height), c.y) << c.y;
    }
}

TEST(SystemQueries, DesktopAndScreenModes) {
    platform::SetFakeDesktop(1280, 1024); // one mode: 1280 x 1024, depth 32, 60 Hz
    int w = 0, h = 0;
    EXPECT_EQ(ccGetDesktopSize(w, h), 1);
    EXPECT_EQ((std::vector<int>{w, h}), (std::vector<int>{1280, 1024}));
    EXPECT_EQ(ccFindScreenRes(1280, 1024, 32, 60), 1);
    EXPECT_EQ(ccFindScreenRes(1280, 1024, 32, 75), 0); // the refresh rate counts too
    EXPECT_EQ(ccFindScreenRes(1280, 1024, 16, 60), 0);
    EXPECT_EQ(ccFindScreenRes(1024, 1024, 32, 60), 0);
    platform::SetFakeDesktop(0, 0);
    auto origin = ccGetWindowOriginOSX(0);
    EXPECT_EQ((std::vector<int>{origin->X, origin->Y}), (std::vector<int>{0, 0})); // no window
    EXPECT_NE(ccGetWindowOriginOSX(0), origin);                                    // a new point
}

TEST(SystemQueries, DataFolderFollowsXdgAndIsNeverEmpty) {
    testsupport::ScopedEnv xdg("XDG_DATA_HOME", "/tmp/xdg-test");
    EXPECT_EQ(ccGetMacProfileUserDataFolder(), "/tmp/xdg-test");
    EXPECT_EQ(ccGetSharedUserDataFolder(), "/tmp/xdg-test");
    xdg.Set(nullptr);
    EXPECT_FALSE(ccGetMacProfileUserDataFolder().empty());
    EXPECT_NE(ccGetMacProfileUserDataFolder().back(), '/');
}

TEST(Overlap, Rectangles) {
    struct Case {
        int x1, y1, w1, h1, x2, y2, w2, h2, hit;
    } cases[] = {
        {0, 0, 10, 10, 10, 0, 10, 10, 0}, // touching edges
        {0, 0, 10, 10, 9, 9, 10, 10, 1},  {0, 0, 10, 10, 0, 10, 10, 10, 0},
        {5, 0, 0, 10, 0, 0, 10, 10, 1},  // zero width strictly inside
        {0, 0, 0, 10, 0, 0, 10, 10, 0},  // zero width on the left edge
        {10, 0, 0, 10, 0, 0, 10, 10, 0}, // zero width on the right edge
        {0, 5, 10, 0, 0, 0, 10, 10, 1},  // zero height strictly inside
        {0, 0, 10, 0, 0, 0, 10, 10, 0},  // zero height on the top edge
        {0, 0, 10, 10, 2, 2, 3, 3, 1},   // contained
    };
    for (auto c : cases)
        EXPECT_EQ(ccRectsOverlap(c.x1, c.y1, c.w1, c.h1, c.x2, c.y2, c.w2, c.h2), c.hit)
            << c.x1 << "," << c.x2;
}

TEST(Overlap, PointInQuad) {
    EXPECT_EQ(ccGenericPointInQuad(5, 5, 0, 0, 10, 0, 10, 10, 0, 10), 1);
    EXPECT_EQ(ccGenericPointInQuad(0, 5, 0, 0, 10, 0, 10, 10, 0, 10), 0);   // on an edge
    EXPECT_EQ(ccGenericPointInQuad(10, 10, 0, 0, 10, 0, 10, 10, 0, 10), 0); // a corner
    EXPECT_EQ(ccGenericPointInQuad(5, 5, 0, 10, 10, 10, 10, 0, 0, 0), 0);   // counter-clockwise
}

TEST(Overlap, CircleAndSegmentTouchingCounts) {
    TCircleRef circle = TCircle::Create(0, 5, 5, nullptr);
    TLineRef line = TLine::Create(-10, 0, 10, 0);
    EXPECT_EQ(ccCircleLineIntersect(*circle, *line), 1);
    circle->r = 4.9f;
    EXPECT_EQ(ccCircleLineIntersect(*circle, *line), 0);
    TLineRef point = TLine::Create(0, 1, 0, 1);
    EXPECT_EQ(ccCircleLineIntersect(*circle, *point), 1);
}

TEST(Overlap, ImageAgainstRectangleUsesOpaquePixelsAndHandle) {
    platform::ImageRef img = platform::CreateImage(4, 4, 1, 0);
    platform::WritePixel(img->frames[0], 3, 3, ARGB_Color(255, 1, 1, 1)); // one opaque pixel
    EXPECT_EQ(ccImageRectCollide(img, 10, 10, 0, 13, 13, 1, 1), 1);
    EXPECT_EQ(ccImageRectCollide(img, 10, 10, 0, 10, 10, 3, 3), 0); // transparent part only
    platform::SetImageHandle(img, 2, 2);
    EXPECT_EQ(ccImageRectCollide(img, 10, 10, 0, 11, 11, 1, 1), 1);
    // Every layer was emptied first; layer 1 now holds only this image.
    EXPECT_TRUE(platform::CollideRect(0, 0, 800, 600, 0xFFFFFFFEu, 0).empty());
    EXPECT_EQ(platform::CollideRect(11, 11, 1, 1, 1, 0).size(), 1u);
}

} // namespace

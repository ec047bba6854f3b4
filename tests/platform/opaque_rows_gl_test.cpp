// A picture that fades out at its top and is opaque below: its opaque rows are drawn without
// blending, to the very pixels of blending the whole picture.
#include "GLWindow.h"
#include "TempDir.h"

#include "platform/draw.h"
#include "platform/graphics.h"
#include "platform/image.h"

#include <epoxy/gl.h>

using namespace platform;

namespace {

class OpaqueRowsGL : public testsupport::GLWindowTest {};

// 320 x 300: the top 40 rows fade in, the rest is opaque; a busy pattern throughout.
ImageRef FadingPicture(int flags) {
    auto pixmap = CreatePixmap(320, 300);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 320; ++x) {
            uint32_t alpha = y < 40 ? uint32_t(y * 6) : 255u;
            WritePixel(pixmap, x, y,
                       alpha << 24 | uint32_t(x * 3 % 256) << 16 | uint32_t(y * 5 % 256) << 8 |
                           uint32_t((x ^ y) % 256));
        }
    return LoadImageFromPixmap(pixmap, flags);
}

TEST_F(OpaqueRowsGL, OpaqueRowsDrawWithoutBlendingToTheSamePixels) {
    struct Placement {
        float x, y, scaleX, scaleY, rotation;
    };
    const Placement placements[] = {
        {40, 30, 1, 1, 0},             // texel for pixel
        {60.4f, 20.7f, 1.7f, 1.3f, 0}, // filtered and enlarged: the cuts fall between pixels
        {400, 500, 1, -1, 0},          // upside down
    };
    // Mip-mapped pictures are blended whole (a smaller level mixes rows), so the same picture
    // mip-mapped and drawn enlarged shows what blending every row gives.
    const ImageRef sliced = FadingPicture(IMAGE_FILTERED);
    const ImageRef whole = FadingPicture(IMAGE_FILTERED | IMAGE_MIPMAPPED);
    for (const Placement& p : placements) {
        bool blendAfterPicture = false;
        auto draw = [&](const ImageRef& image) {
            SetClsColor(0, 0, 0);
            Cls();
            for (int i = 0; i < 40; ++i) {
                SetColor(i * 6, 255 - i * 6, 128);
                DrawRect(float(i * 20), 0, 20, 600);
            }
            SetColor(255, 230, 200);
            SetBlend(BLEND_ALPHA);
            SetAlpha(1);
            SetScale(p.scaleX, p.scaleY);
            SetRotation(p.rotation);
            DrawImage(image, p.x, p.y);
            ResetDrawState();
            auto frame = GrabPixmap(0, 0, 800, 600);
            blendAfterPicture = glIsEnabled(GL_BLEND); // before the present, which has its own state
            Flip(0);
            return frame;
        };
        auto a = draw(sliced);
        EXPECT_FALSE(blendAfterPicture) << "the opaque rows come last, without blending";
        auto b = draw(whole);
        EXPECT_TRUE(blendAfterPicture);
        ASSERT_TRUE(a && b);
        int differing = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                differing += ReadPixel(a, x, y) != ReadPixel(b, x, y);
        EXPECT_EQ(differing, 0) << "placed at " << p.x << ", " << p.y;
    }
}

} // namespace

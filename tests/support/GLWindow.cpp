#include "GLWindow.h"

#include "platform/GLRenderer.h"
#include "platform/Renderer.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/font.h"
#include "platform/graphics.h"

#include <cstdlib>
#include <string>

namespace testsupport {

namespace {

// A window of the frame's size, or full screen in the scaled-window pass.
int SuiteDepth() {
    return ScaledWindowPass() ? 32 : 0;
}

} // namespace

bool ScaledWindowPass() {
    const char* env = std::getenv("SLEETWHISTLE_TEST_SCALED_WINDOW");
    return env && std::string(env) == "1";
}

void GLWindowTest::SetUpTestSuite() {
    if (!platform::CurrentGraphics() || platform::CurrentGraphics()->width != 800 ||
        platform::CurrentGraphics()->depth != SuiteDepth())
        platform::Graphics(800, 600, SuiteDepth(), 60);
}

void GLWindowTest::SetUp() {
    ASSERT_TRUE(platform::CurrentGraphics()) << "no window: is a display (Xvfb) running?";
    if (platform::LogicalWidth() != 800 || platform::LogicalHeight() != 600)
        platform::Graphics(800, 600, SuiteDepth(), 60);
    if (ScaledWindowPass()) {
        ASSERT_TRUE(platform::ActiveGLRenderer() && platform::ActiveGLRenderer()->Scaled())
            << "the scaled-window pass needs a desktop larger than 800 x 600";
    }
    platform::SetRenderer(nullptr);
    platform::ResetDrawState();
    platform::ResetViewport();
    platform::SetImageFont(nullptr);
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
}

platform::PixmapRef GLWindowTest::Grab() {
    return platform::GrabPixmap(0, 0, 800, 600);
}

std::string RGBAt(const platform::PixmapRef& pixmap, int x, int y) {
    uint32_t argb = platform::ReadPixel(pixmap, x, y);
    return std::to_string((argb >> 16) & 255) + " " + std::to_string((argb >> 8) & 255) + " " +
           std::to_string(argb & 255);
}

::testing::AssertionResult PixelNear(const platform::PixmapRef& pixmap, int x, int y, int r, int g, int b,
                                     int tolerance) {
    if (!pixmap) return ::testing::AssertionFailure() << "no pixmap";
    uint32_t argb = platform::ReadPixel(pixmap, x, y);
    int pr = (argb >> 16) & 255, pg = (argb >> 8) & 255, pb = argb & 255;
    if (std::abs(pr - r) <= tolerance && std::abs(pg - g) <= tolerance && std::abs(pb - b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel (" << x << "," << y << ") is " << pr << " " << pg << " " << pb << ", expected " << r
           << " " << g << " " << b << " +-" << tolerance;
}

std::string TestOutputPath(const std::string& name) {
    // A name may hold sub-folders ("e2e/levels/level-1/won.png"): each is made as needed.
    const std::string path = SLEETWHISTLE_TEST_BIN_DIR "/../test-output/" + name;
    platform::CreateDir(path.substr(0, path.rfind('/')), true);
    return path;
}

void SaveTestOutput(const platform::PixmapRef& frame, const std::string& name) {
    platform::SavePixmapPNG(frame, TestOutputPath(name));
}

} // namespace testsupport

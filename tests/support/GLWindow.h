// A test fixture with an 800 x 600 mode open for the whole test suite, and pixel checks.
#pragma once

#include "platform/TPixmap.h"

#include <gtest/gtest.h>

namespace testsupport {

// Whether this is the scaled-window pass (SLEETWHISTLE_TEST_SCALED_WINDOW=1): the suite's mode then
// opens full screen on the larger desktop, as players run the game, so every frame is drawn scaled
// into the window and its draws are kept for whatever reads the frame. The checks stay those of
// the unscaled frame: what the kept draws give must be what drawing off screen gives.
bool ScaledWindowPass();

class GLWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    // The logical frame drawn so far.
    platform::PixmapRef Grab();
};

// "r g b" of one pixel, for readable failure messages.
std::string RGBAt(const platform::PixmapRef& pixmap, int x, int y);
// Whether each channel of the pixel lies within tolerance of the expected colour.
::testing::AssertionResult PixelNear(const platform::PixmapRef& pixmap, int x, int y, int r, int g, int b,
                                     int tolerance = 6);

// <build>/test-output/<name>, its folders made, for a file a person looks at.
std::string TestOutputPath(const std::string& name);
// Keeps a frame as <build>/test-output/<name> for a person to look at.
void SaveTestOutput(const platform::PixmapRef& frame, const std::string& name);

} // namespace testsupport

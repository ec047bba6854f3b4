// A test fixture with an 800 x 600 window open for the whole test suite, and pixel checks.
#pragma once

#include "platform/TPixmap.h"

#include <gtest/gtest.h>

namespace testsupport {

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

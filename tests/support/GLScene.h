// A whole screen drawn on the real GL side, for the scene tests of the game and the front end: the
// 800 x 600 window open for the test suite on top of a screen fixture, and one frame of a screen
// grabbed as the player sees it (without the pointer) or recorded as draw calls.
#pragma once

#include "platform/Renderer.h"
#include "platform/TPixmap.h"
#include "platform/graphics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace testsupport {

// Opens the 800 x 600 window unless one of that width is open.
void OpenSceneWindow();
// The GL renderer, the drawing state and the viewport as a frame starts.
void ResetSceneDrawing();
// The frame that draw makes on the GL renderer, flushed and grabbed.
platform::PixmapRef DrawScene(const std::function<void()>& draw);
// The draw calls that draw makes, recorded alone; the GL renderer is current again afterwards.
std::vector<platform::DrawCall> RecordScene(const std::shared_ptr<platform::TRecordingRenderer>& recorder,
                                            const std::function<void()>& draw);
// Red plus green plus blue of one pixel.
int Brightness(uint32_t pixel);

// Fixture (a screen fixture with SetUp and TearDown) with the window open and the GL renderer
// current once its set-up has run; a test without a display stops at its start.
template <class Fixture> class GLScene : public Fixture {
protected:
    static void SetUpTestSuite() { OpenSceneWindow(); }
    void SetUp() override {
        ASSERT_TRUE(platform::CurrentGraphics()) << "no window: is a display (Xvfb) running?";
        Fixture::SetUp();
        ResetSceneDrawing();
    }
};

} // namespace testsupport

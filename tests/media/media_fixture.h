// What the media tests share: a game object, the recording renderer and audio, a fake clock,
// whole ticks, the test kit's error recorder (throwing every error), and small picture and
// sound files written into a temporary folder.
#pragma once

#include "ErrorRecorder.h"
#include "Scoped.h"
#include "TempDir.h"
#include "audio_fixtures.h"
#include "game_kit.h"

#include "core/TGame.h"
#include "framework/cc_errors.h"
#include "framework/core_services.h"
#include "media/TImageBank.h"
#include "media/TSoundBank.h"
#include "platform/Renderer.h"
#include "platform/TPixmap.h"
#include "platform/audio_testing.h"
#include "platform/draw.h"
#include "platform/random.h"
#include "platform/system.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace mediatest {

using testkit::TReportedError;

// A picture of width x height in one colour (opaque unless argb says otherwise).
inline std::string WritePicture(const testsupport::TempDir& dir, const std::string& name, int width,
                                int height, uint32_t argb = 0xFFFFFFFFu) {
    platform::PixmapRef pixmap = platform::CreatePixmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            platform::WritePixel(pixmap, x, y, argb);
    std::string path = dir / name;
    EXPECT_TRUE(platform::SavePixmapPNGWithAlpha(pixmap, path)) << path;
    return path;
}

// A short mono tone (100 ms at 8000 Hz).
inline std::string WriteSound(const testsupport::TempDir& dir, const std::string& name) {
    return dir.Write(name, audiotest::Wav16(audiotest::Tone(800, 1, 8000), 1, 8000));
}

class MediaTest : public ::testing::Test, protected testkit::TErrorRecorder {
protected:
    void SetUp() override {
        audio = &platform::UseRecordingAudio();
        platform::ResetDrawState();
        platform::SeedRnd(1234);
        Delta = 1.0f;
        InstallRecorder(ALWAYS);
        Game = std::make_shared<TGame>();
    }
    void TearDown() override { testkit::ResetGlobals(); }
    // Draws of images only, in order.
    std::vector<platform::DrawCall> ImageDraws() const {
        std::vector<platform::DrawCall> draws;
        for (const auto& call : recorder->calls)
            if (call.kind == platform::DrawKind::Image) draws.push_back(call);
        return draws;
    }

    platform::ScopedFakeClock clock; // from 0, and the clock as it was afterwards
    testsupport::TempDir dir;
    platform::TRecordingAudioBackend* audio = nullptr;
    std::shared_ptr<platform::TRecordingRenderer> recorder = std::make_shared<platform::TRecordingRenderer>();
    testsupport::ScopedRenderer rendering{recorder};
};

} // namespace mediatest

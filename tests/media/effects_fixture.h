// The fixture of the media tests: draws recorded instead of shown, silent recorded audio, a fake
// clock of 10 ms per flip, Delta 1.0, errors recorded and thrown instead of ending the program,
// and a small game-side key table behind KeyHit, KeyPressed and FlushKeys.
#pragma once

#include "framework/cc_errors.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "platform/Renderer.h"
#include "platform/audio_testing.h"
#include "platform/draw.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/system.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace mediatest {

// What the recording error handler throws.
struct TReportedError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class EffectsTest : public ::testing::Test {
protected:
    std::shared_ptr<platform::TRecordingRenderer> recorder = std::make_shared<platform::TRecordingRenderer>();
    std::vector<std::string> errors;
    std::array<int, 256> keys{}; // the game's pending key hits

    void SetUp() override {
        platform::SetRenderer(recorder);
        platform::ResetDrawState();
        platform::UseRecordingAudio();
        platform::UseFakeClock(10);
        Delta = 1.0f;
        SetRunTimeErrorHandler([this](const std::string& message, int) -> int {
            errors.push_back(message);
            throw TReportedError(message);
        });
        TCoreInputHooks hooks;
        hooks.keyHit = [this](int key) {
            int hit = keys[size_t(key)] > 0;
            keys[size_t(key)] = 0;
            return hit;
        };
        hooks.keyPressed = [this] {
            for (int key = 0; key < 256; ++key)
                if (keys[size_t(key)] == 1) return key;
            return -1;
        };
        hooks.flushKeys = [this] { keys.fill(0); };
        SetCoreInputHooks(hooks);
        DropAllEvents();
    }

    void TearDown() override {
        if (ccPolledInputState) ccDisablePolledInput();
        DropAllEvents();
        SetCoreInputHooks({});
        SetRunTimeErrorHandler(nullptr);
        platform::IgnoreOsInput(false);
        platform::UseRealClock();
        platform::SetRenderer(nullptr);
        platform::ResetDrawState();
    }

    static void DropAllEvents() {
        while (platform::PollEvent()) {
        }
    }

    // The recorded image draws.
    std::vector<platform::DrawCall> ImageDraws() const {
        std::vector<platform::DrawCall> draws;
        for (const auto& call : recorder->calls)
            if (call.kind == platform::DrawKind::Image) draws.push_back(call);
        return draws;
    }
};

} // namespace mediatest

// The fixture of the fade, loading-screen, splash and slide-show tests: the media fixture's game
// object, recording renderer and audio and throwing error handler, plus a fake clock of 10 ms
// per flip (so the blocking loops end headless) and the core's key tables and hooks.
#pragma once

#include "CoreInputPump.h"
#include "media_fixture.h"

#include "framework/cc_input.h"
#include "media/TMousePointer.h"
#include "platform/graphics.h"
#include "platform/input.h"

#include <array>
#include <string>
#include <vector>

namespace mediatest {

class EffectsTest : public MediaTest {
protected:
    testsupport::TCoreInputPump input;
    std::array<int, 256>& keys = input.keys; // the game's pending key hits

    void SetUp() override {
        MediaTest::SetUp();
        platform::UseFakeClock(10);
        input.Install();
        DropAllEvents();
    }

    void TearDown() override {
        if (ccPolledInputState) ccDisablePolledInput();
        platform::DisablePolledInput();
        DropAllEvents();
        platform::UnloadInputScript();
        testsupport::TCoreInputPump::Uninstall();
        platform::AutoMidHandle(false);
        MediaTest::TearDown();
    }

    static void DropAllEvents() { testsupport::TCoreInputPump::DropAllEvents(); }

    // A click as the core's event pump records it.
    static void Click(int button = 1) { testsupport::TCoreInputPump::AddClick(button); }

    // Events released on the fake clock at the given times, relative to now (a script's times
    // count from its loading).
    void Script(const std::vector<std::pair<int, std::string>>& events) {
        std::string text;
        for (const auto& [ms, event] : events)
            text += std::to_string(ms) + " " + event + "\n";
        std::string error;
        ASSERT_TRUE(platform::LoadInputScript(dir.Write("script.txt", text), &error)) << error;
    }

    // Queued events of the given kinds, without taking any.
    static int Queued(std::initializer_list<int> ids) {
        int count = 0;
        std::vector<platform::TEvent> all;
        while (platform::PollEvent())
            all.push_back(
                {platform::EventID(), platform::EventData(), platform::EventX(), platform::EventY()});
        for (const auto& e : all) {
            for (int id : ids)
                count += e.id == id;
            platform::PostEvent(e);
        }
        return count;
    }

    long Flips() const { return platform::FlipCount(); }

    std::vector<platform::DrawCall> Calls(platform::DrawKind kind) const {
        std::vector<platform::DrawCall> found;
        for (const auto& call : recorder->calls)
            if (call.kind == kind) found.push_back(call);
        return found;
    }
};

} // namespace mediatest

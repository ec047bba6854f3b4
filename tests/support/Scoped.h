// Process-wide settings a test changes for its own scope only: each guard puts back what was there
// when it ends, so a test that stops at a failed ASSERT leaves nothing behind for the next one,
// whatever order the tests run in. The fake clock's guard is platform::ScopedFakeClock.
#pragma once

#include "platform/Renderer.h"
#include "platform/font.h"
#include "platform/input.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace testsupport {

// Draws go to the given renderer; afterwards to the GL renderer of the open mode again.
struct ScopedRenderer {
    explicit ScopedRenderer(std::shared_ptr<platform::TRenderer> renderer) {
        platform::SetRenderer(std::move(renderer));
    }
    ~ScopedRenderer() { platform::SetRenderer(nullptr); }
    ScopedRenderer(const ScopedRenderer&) = delete;
    ScopedRenderer& operator=(const ScopedRenderer&) = delete;
};

// Makes the font current; the font current before comes back.
struct ScopedImageFont {
    explicit ScopedImageFont(const platform::ImageFontRef& font) : old(platform::GetImageFont()) {
        platform::SetImageFont(font);
    }
    ~ScopedImageFont() { platform::SetImageFont(old); }
    ScopedImageFont(const ScopedImageFont&) = delete;
    ScopedImageFont& operator=(const ScopedImageFont&) = delete;
    platform::ImageFontRef old;
};

// Only posted and scripted input counts: the display's own keys, pointer and focus changes (which
// other runs on the same display cause) stay out; afterwards they count again.
struct ScopedOsInputIgnored {
    ScopedOsInputIgnored() { platform::IgnoreOsInput(true); }
    ~ScopedOsInputIgnored() { platform::IgnoreOsInput(false); }
    ScopedOsInputIgnored(const ScopedOsInputIgnored&) = delete;
    ScopedOsInputIgnored& operator=(const ScopedOsInputIgnored&) = delete;
};

// Sets an environment variable (null value: removes it); the old value, or its absence, comes back.
struct ScopedEnv {
    ScopedEnv(std::string variable, const char* value) : name(std::move(variable)) {
        if (const char* was = std::getenv(name.c_str())) old = was;
        Set(value);
    }
    ~ScopedEnv() { Set(old ? old->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    void Set(const char* value) const { value ? setenv(name.c_str(), value, 1) : unsetenv(name.c_str()); }
    std::string name;
    std::optional<std::string> old;
};

// Loads an input script (its times count from the clock's time now), which also ignores real
// input; afterwards the rest of the script is dropped and real input counts again.
struct ScopedInputScript {
    explicit ScopedInputScript(const std::string& path) { loaded = platform::LoadInputScript(path, &error); }
    ~ScopedInputScript() { platform::UnloadInputScript(); }
    ScopedInputScript(const ScopedInputScript&) = delete;
    ScopedInputScript& operator=(const ScopedInputScript&) = delete;
    bool loaded = false;
    std::string error;
};

} // namespace testsupport

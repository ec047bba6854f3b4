// Process-wide services: title, paths, clock (real or fake), dates, message boxes and ending.
#include "platform/system.h"

#include "platform/seams.h"
#include "platform/text.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <malloc.h>
#include <thread>
#include <unistd.h>

namespace platform {
namespace {

std::string appTitle = "Sleetwhistle";
std::function<void(const std::string&, bool)> notifyHandler;
std::function<void(int)> endHandler;

// -1: not yet read from the environment.
int headless = -1;

struct Clock {
    bool fake = false;
    int msPerFlip = 0;
    long long fakeNow = 0;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    bool configured = false;
};

Clock& TheClock() {
    static Clock clock;
    if (!clock.configured) {
        clock.configured = true;
        if (std::optional<int> step = Seams().clockMs) {
            clock.fake = true;
            clock.msPerFlip = *step;
        }
    }
    return clock;
}

const std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

} // namespace

void SetAppTitle(const std::string& title) {
    appTitle = title;
}
const std::string& AppTitle() {
    return appTitle;
}

std::string AppFile() {
    std::string buf(4096, '\0');
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return "";
    buf.resize(n);
    return buf;
}

void RuntimeError(const std::string& message) {
    throw TRuntimeError(message);
}

void End(int status) {
    if (endHandler) {
        endHandler(status);
        // A handler must not return; make sure the process still ends.
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

void TraceMilestone(const std::string& name) {
    static const char* const path = std::getenv("SLEETWHISTLE_TRACE");
    if (!path || !*path) return;
    auto now = std::chrono::system_clock::now().time_since_epoch();
    long long micros = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    if (FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%lld %s\n", micros, name.c_str());
        std::fclose(file);
    }
}

bool Headless() {
    if (headless < 0) {
        const char* env = std::getenv("SLEETWHISTLE_HEADLESS");
        headless = (env && *env && std::string(env) != "0") ? 1 : 0;
    }
    return headless == 1;
}

void SetHeadless(bool on) {
    headless = on ? 1 : 0;
}

void SetNotifyHandler(std::function<void(const std::string&, bool)> handler) {
    notifyHandler = std::move(handler);
}
void SetEndHandler(std::function<void(int)> handler) {
    endHandler = std::move(handler);
}

void Notify(const std::string& text, bool serious) {
    if (notifyHandler) {
        notifyHandler(text, serious);
        return;
    }
    if (Headless()) {
        std::cerr << "NOTIFY: " << text << std::endl;
        return;
    }
    Uint32 flags = serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    if (SDL_ShowSimpleMessageBox(flags, Latin1ToUtf8(appTitle).c_str(), Latin1ToUtf8(text).c_str(),
                                 nullptr) != 0) {
        // No display to show it on: the text still reaches the user through the terminal.
        std::cerr << appTitle << ": " << text << std::endl;
    }
}

void Print(const std::string& text) {
    std::cout << text << std::endl;
}

void DebugStop() {}

long long GCMemAlloced() {
    std::ifstream statm("/proc/self/statm");
    long long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

void ReleaseFreeMemory() {
    malloc_trim(0);
}

int MilliSecs() {
    Clock& c = TheClock();
    if (c.fake) return int(c.fakeNow);
    auto elapsed = std::chrono::steady_clock::now() - c.start;
    return int(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void Delay(int ms) {
    if (ms <= 0) return;
    Clock& c = TheClock();
    if (c.fake) {
        c.fakeNow += ms;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void UseFakeClock(int msPerFlip) {
    Clock& c = TheClock();
    if (!c.fake) c.fakeNow = MilliSecs();
    c.fake = true;
    c.msPerFlip = std::max(0, msPerFlip);
}

void UseRealClock() {
    TheClock().fake = false;
}
bool FakeClockActive() {
    return TheClock().fake;
}

void AdvanceClock(int ms) {
    Clock& c = TheClock();
    if (c.fake && ms > 0) c.fakeNow += ms;
}

void ClockFlipped() {
    Clock& c = TheClock();
    if (c.fake) c.fakeNow += c.msPerFlip;
}

ScopedFakeClock::ScopedFakeClock(int msPerFlip) {
    Clock& c = TheClock();
    wasFake = c.fake;
    wasStep = c.msPerFlip;
    wasNow = c.fakeNow;
    c.fake = true;
    c.msPerFlip = std::max(0, msPerFlip);
    c.fakeNow = 0;
}

ScopedFakeClock::~ScopedFakeClock() {
    Clock& c = TheClock();
    c.fake = wasFake;
    c.msPerFlip = wasStep;
    c.fakeNow = wasNow;
}

void CurrentDateTime(std::string& date, std::string& time) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d %s %04d", local.tm_mday, kMonths[local.tm_mon % 12],
                  local.tm_year + 1900);
    date = buf;
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    time = buf;
}

std::string CurrentDate() {
    std::string d, t;
    CurrentDateTime(d, t);
    return d;
}

std::string CurrentTime() {
    std::string d, t;
    CurrentDateTime(d, t);
    return t;
}

} // namespace platform

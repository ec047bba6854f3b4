// Process-wide services of the platform layer: the application title and path, the clock,
// dates, message boxes, run-time errors and ending the program.
// The clock and message-box test seams (SLEETWHISTLE_CLOCK, read in seams.h, and
// SLEETWHISTLE_HEADLESS) live here.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace platform {

// The error raised by RuntimeError: one base type carrying a text, told apart from any
// other exception by its type.
class TRuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void SetAppTitle(const std::string& title);
const std::string& AppTitle();
// Full path of the running executable.
std::string AppFile();

[[noreturn]] void RuntimeError(const std::string& message);
// Ends the process at once: 0 after a normal quit, non-zero after a fatal error.
[[noreturn]] void End(int status = 0);

// Modal system box with one OK button, titled AppTitle(); usable before graphics exist.
// Under SLEETWHISTLE_HEADLESS it prints "NOTIFY: text" to stderr and returns at once.
void Notify(const std::string& text, bool serious = false);
// One line to standard output.
void Print(const std::string& text);
// Debugger break; nothing outside a debugger.
void DebugStop();
// Bytes the process has allocated (resident size; for the debug overlay only).
long long GCMemAlloced();
// Hands the heap's free pages back to the system. The heap keeps what it frees (its trim
// threshold is set high, see main.cpp), so the blocks of a screen that is gone, and of the
// renderer's busiest frame, would stay resident; called between screens, where it goes unseen.
void ReleaseFreeMemory();

// Milliseconds since the platform started (or the fake clock's time).
int MilliSecs();
// Sleeps; with the fake clock it advances the clock instead.
void Delay(int ms);

// "09 Dec 2026" and "14:05:09" (24 hour, English month names); both from one local-time snapshot.
void CurrentDateTime(std::string& date, std::string& time);
std::string CurrentDate();
std::string CurrentTime();

// ---- test seams -------------------------------------------------------------------------
// Replaces the real clock by a fake one that advances msPerFlip at every Flip (0: only by
// Delay and AdvanceClock). SLEETWHISTLE_CLOCK=MS switches it on for the whole run.
void UseFakeClock(int msPerFlip);
void UseRealClock();
bool FakeClockActive();
void AdvanceClock(int ms);
// Called by Flip: advances the fake clock by its step.
void ClockFlipped();

// A fake clock that starts at 0 and advances msPerFlip at every Flip, for as long as the scope
// lives; the clock as it was (real or fake, with its time) comes back afterwards, so a test that
// stops early leaves no fake time behind.
class ScopedFakeClock {
public:
    explicit ScopedFakeClock(int msPerFlip = 0);
    ~ScopedFakeClock();
    ScopedFakeClock(const ScopedFakeClock&) = delete;
    ScopedFakeClock& operator=(const ScopedFakeClock&) = delete;

private:
    bool wasFake;
    int wasStep;
    long long wasNow;
};

// Under SLEETWHISTLE_TRACE=FILE, appends "<microseconds since the Unix epoch> <name>" to FILE;
// nothing otherwise. Flip traces "flip N" after the first flip and every 60th.
void TraceMilestone(const std::string& name);

// Whether message boxes print to stderr instead of waiting for the user.
bool Headless();
void SetHeadless(bool on);
// Replaces what Notify does (empty function: the default).
void SetNotifyHandler(std::function<void(const std::string& text, bool serious)> handler);
// Replaces what End does (empty function: the default, which exits the process). A handler
// that returns is not allowed: it must throw or exit.
void SetEndHandler(std::function<void(int status)> handler);

} // namespace platform

// The event queue, the polled input state, SDL event translation and scripted input.
#include "platform/input.h"

#include "platform/graphics_internal.h"
#include "platform/keymap.h"
#include "platform/seams.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/text.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

namespace platform {
namespace {

std::deque<TEvent> queue;
TEvent currentEvent;

struct PolledState {
    bool enabled = false;
    std::array<int, 256> keyHits{};
    std::array<int, 256> keyDown{};
    std::deque<int> chars;
    std::array<int, 4> mouseHits{};
    std::array<int, 4> mouseDown{};
    int x = 0, y = 0, z = 0;
};
PolledState polled;

struct ScriptedEvent {
    int ms;
    TEvent event;
    bool logicalCoords;
};
std::vector<ScriptedEvent> script;
size_t scriptNext = 0;
// The clock's time when the script was loaded: its times count from there.
long long scriptStart = 0;
bool ignoreOs = false;
bool scriptChecked = false;

void UpdatePolled(const TEvent& e) {
    if (!polled.enabled) return;
    switch (e.id) {
    case EVENT_KEY_DOWN:
        if (e.data >= 0 && e.data < 256) {
            polled.keyHits[e.data]++;
            polled.keyDown[e.data] = 1;
        }
        break;
    case EVENT_KEY_UP:
        if (e.data >= 0 && e.data < 256) polled.keyDown[e.data] = 0;
        break;
    case EVENT_KEY_CHAR:
        if (polled.chars.size() < 256) polled.chars.push_back(e.data);
        break;
    case EVENT_MOUSE_DOWN:
        if (e.data >= 1 && e.data <= 3) {
            polled.mouseHits[e.data]++;
            polled.mouseDown[e.data] = 1;
        }
        break;
    case EVENT_MOUSE_UP:
        if (e.data >= 1 && e.data <= 3) polled.mouseDown[e.data] = 0;
        break;
    case EVENT_MOUSE_MOVE:
        polled.x = e.x;
        polled.y = e.y;
        break;
    case EVENT_MOUSE_WHEEL:
        polled.z += e.data;
        break;
    default:
        break;
    }
}

// Reads a script whose times count from startMs on the clock.
bool LoadScript(const std::string& path, long long startMs, std::string* error);

void LoadScriptFromEnvironment() {
    if (scriptChecked) return;
    scriptChecked = true;
    const std::string& path = Seams().input;
    if (path.empty()) return;
    std::string error;
    // The script from the environment counts from the start of the run.
    if (!LoadScript(path, 0, &error)) {
        std::cerr << "SLEETWHISTLE_INPUT: " << error << std::endl;
        End(2);
    }
}

void ReleaseScriptedEvents() {
    long long now = MilliSecs();
    while (scriptNext < script.size() && scriptStart + script[scriptNext].ms <= now) {
        ScriptedEvent& s = script[scriptNext++];
        TEvent e = s.event;
        if (e.id == EVENT_MOUSE_MOVE && !s.logicalCoords) {
            NoteMousePosition(e.x, e.y);
            PostEvent(e);
        } else {
            PostScriptedEvent(e);
        }
    }
}

} // namespace

void PostScriptedEvent(TEvent e) {
    if (e.id == EVENT_MOUSE_MOVE) {
        LogicalToMode(float(e.x), float(e.y), e.x, e.y);
        NoteMousePosition(e.x, e.y);
    }
    PostEvent(e);
}

namespace {

void PostKeyChars(const std::string& utf8) {
    for (unsigned char c : Utf8ToLatin1(utf8))
        if (c >= 32) PostEvent(TEvent{EVENT_KEY_CHAR, c, 0, 0});
}

int OurButton(int sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return 1;
    case SDL_BUTTON_RIGHT:
        return 2;
    case SDL_BUTTON_MIDDLE:
        return 3;
    default:
        return sdlButton;
    }
}

bool IsOsInput(const SDL_Event& e) {
    switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_TEXTINPUT:
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL:
        return true;
    case SDL_WINDOWEVENT:
        return e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
               e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED || e.window.event == SDL_WINDOWEVENT_ENTER ||
               e.window.event == SDL_WINDOWEVENT_LEAVE;
    default:
        return false;
    }
}

void Translate(const SDL_Event& e) {
    if (ignoreOs && IsOsInput(e)) return;
    switch (e.type) {
    case SDL_QUIT:
        PostEvent(TEvent{EVENT_APP_TERMINATE, 0, 0, 0});
        break;
    case SDL_WINDOWEVENT:
        switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            PostEvent(TEvent{EVENT_WINDOW_CLOSE, 0, 0, 0});
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            PostEvent(TEvent{EVENT_APP_SUSPEND, 0, 0, 0});
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            PostEvent(TEvent{EVENT_APP_RESUME, 0, 0, 0});
            break;
        case SDL_WINDOWEVENT_ENTER:
            PostEvent(TEvent{EVENT_MOUSE_ENTER, 0, 0, 0});
            break;
        case SDL_WINDOWEVENT_LEAVE:
            PostEvent(TEvent{EVENT_MOUSE_LEAVE, 0, 0, 0});
            break;
        default:
            break;
        }
        break;
    case SDL_KEYDOWN: {
        int vk = VirtualKeyFromSDL(e.key.keysym.sym, e.key.keysym.scancode);
        if (vk) PostEvent(TEvent{e.key.repeat ? EVENT_KEY_REPEAT : EVENT_KEY_DOWN, vk, 0, 0});
        // Backspace repeats as a typed character, as text fields expect.
        int ch = ControlCharForVirtualKey(vk);
        if (ch && (!e.key.repeat || ch == 8)) PostEvent(TEvent{EVENT_KEY_CHAR, ch, 0, 0});
        break;
    }
    case SDL_KEYUP: {
        int vk = VirtualKeyFromSDL(e.key.keysym.sym, e.key.keysym.scancode);
        if (vk) PostEvent(TEvent{EVENT_KEY_UP, vk, 0, 0});
        break;
    }
    case SDL_TEXTINPUT:
        PostKeyChars(e.text.text);
        break;
    case SDL_MOUSEMOTION: {
        int mx, my;
        WindowToMode(e.motion.x, e.motion.y, mx, my);
        NoteMousePosition(mx, my);
        PostEvent(TEvent{EVENT_MOUSE_MOVE, 0, mx, my});
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int mx, my;
        WindowToMode(e.button.x, e.button.y, mx, my);
        int id = e.type == SDL_MOUSEBUTTONDOWN ? EVENT_MOUSE_DOWN : EVENT_MOUSE_UP;
        PostEvent(TEvent{id, OurButton(e.button.button), mx, my});
        break;
    }
    case SDL_MOUSEWHEEL: {
        int dy = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        if (dy) PostEvent(TEvent{EVENT_MOUSE_WHEEL, dy, 0, 0});
        break;
    }
    default:
        break;
    }
}

} // namespace

void PollSystem() {
    LoadScriptFromEnvironment();
    if (VideoStarted()) {
        SDL_Event e;
        while (SDL_PollEvent(&e))
            Translate(e);
    }
    ReleaseScriptedEvents();
}

namespace {

// Quitting, closing the window and focus changes are never dropped: losing one would leave the
// game running when asked to stop, or paused or playing against the user's wish.
bool MustKeep(const TEvent& e) {
    return e.id == EVENT_APP_TERMINATE || e.id == EVENT_WINDOW_CLOSE || e.id == EVENT_APP_SUSPEND ||
           e.id == EVENT_APP_RESUME;
}

// Makes room when the queue is over its cap (nobody is reading it, as while polled input is
// on): the oldest event that may go is dropped.
void TrimQueue() {
    if (queue.size() <= kMaxQueuedEvents) return;
    auto oldest = std::find_if(queue.begin(), queue.end(), [](const TEvent& e) { return !MustKeep(e); });
    if (oldest != queue.end()) queue.erase(oldest);
}

} // namespace

void PostEvent(const TEvent& event) {
    // A move right after a move only updates where the pointer went.
    if (event.id == EVENT_MOUSE_MOVE && !queue.empty() && queue.back().id == EVENT_MOUSE_MOVE)
        queue.back() = event;
    else
        queue.push_back(event);
    TrimQueue();
    UpdatePolled(event);
}

void FilterEvents(bool (*keep)(const TEvent&)) {
    queue.erase(std::remove_if(queue.begin(), queue.end(), [&](const TEvent& e) { return !keep(e); }),
                queue.end());
}

bool QuitRequested() {
    PollSystem();
    return std::any_of(queue.begin(), queue.end(), [](const TEvent& e) {
        return e.id == EVENT_APP_TERMINATE || e.id == EVENT_WINDOW_CLOSE;
    });
}

const TEvent* PeekEvent() {
    if (queue.empty()) PollSystem();
    return queue.empty() ? nullptr : &queue.front();
}

int PollEvent() {
    if (queue.empty()) PollSystem();
    if (queue.empty()) {
        currentEvent = TEvent{};
        return 0;
    }
    currentEvent = queue.front();
    queue.pop_front();
    return currentEvent.id;
}

int EventID() {
    return currentEvent.id;
}
int EventData() {
    return currentEvent.data;
}
int EventX() {
    return currentEvent.x;
}
int EventY() {
    return currentEvent.y;
}

void EnablePolledInput() {
    polled.enabled = true;
}

void DisablePolledInput() {
    polled.enabled = false;
    FlushKeys();
    FlushMouse();
}

bool PolledInputEnabled() {
    return polled.enabled;
}

int KeyHit(int key) {
    PollSystem();
    if (key < 0 || key >= 256) return 0;
    int n = polled.keyHits[key];
    polled.keyHits[key] = 0;
    return n;
}

int KeyDown(int key) {
    PollSystem();
    return (key >= 0 && key < 256) ? polled.keyDown[key] : 0;
}

int GetChar() {
    PollSystem();
    if (polled.chars.empty()) return 0;
    int c = polled.chars.front();
    polled.chars.pop_front();
    return c;
}

void FlushKeys() {
    PollSystem();
    polled.keyHits.fill(0);
    polled.keyDown.fill(0);
    polled.chars.clear();
}

void FlushMouse() {
    PollSystem();
    polled.mouseHits.fill(0);
    polled.mouseDown.fill(0);
}

int MouseHit(int button) {
    PollSystem();
    if (button < 1 || button > 3) return 0;
    int n = polled.mouseHits[button];
    polled.mouseHits[button] = 0;
    return n;
}

int MouseDown(int button) {
    PollSystem();
    return (button >= 1 && button <= 3) ? polled.mouseDown[button] : 0;
}

int MouseX() {
    PollSystem();
    return polled.x;
}
int MouseY() {
    PollSystem();
    return polled.y;
}
int MouseZ() {
    PollSystem();
    return polled.z;
}

void IgnoreOsInput(bool on) {
    ignoreOs = on;
}

bool ParseInputScriptLine(const std::string& rawLine, int& ms, TEvent& event, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why + ": \"" + rawLine + "\"";
        return false;
    };
    std::string line = rawLine.substr(0, rawLine.find('#'));
    std::istringstream in(line);
    std::string name;
    if (!(in >> ms >> name)) return fail("expected a time and an event");
    if (ms < 0) return fail("negative time");
    struct Kind {
        const char* name;
        int id;
        int args; // 0, 1 (data) or 2 (x y)
    };
    static const Kind kinds[] = {
        {"key_down", EVENT_KEY_DOWN, 1},     {"key_up", EVENT_KEY_UP, 1},
        {"char", EVENT_KEY_CHAR, 1},         {"mouse_move", EVENT_MOUSE_MOVE, 2},
        {"mouse_down", EVENT_MOUSE_DOWN, 1}, {"mouse_up", EVENT_MOUSE_UP, 1},
        {"wheel", EVENT_MOUSE_WHEEL, 1},     {"suspend", EVENT_APP_SUSPEND, 0},
        {"resume", EVENT_APP_RESUME, 0},     {"terminate", EVENT_APP_TERMINATE, 0},
        {"close", EVENT_WINDOW_CLOSE, 0},
    };
    for (const Kind& k : kinds) {
        if (name != k.name) continue;
        event = TEvent{k.id, 0, 0, 0};
        if (k.args == 1 && !(in >> event.data)) return fail("missing value");
        if (k.args == 2 && !(in >> event.x >> event.y)) return fail("missing coordinates");
        if ((k.id == EVENT_KEY_DOWN || k.id == EVENT_KEY_UP) && (event.data < 0 || event.data > 255))
            return fail("key code out of range");
        if (k.id == EVENT_KEY_CHAR && (event.data < 1 || event.data > 255))
            return fail("character out of range");
        std::string extra;
        if (in >> extra) return fail("unexpected text");
        return true;
    }
    return fail("unknown event");
}

bool LoadInputScript(const std::string& path, std::string* error) {
    return LoadScript(path, MilliSecs(), error);
}

void UnloadInputScript() {
    script.clear();
    scriptNext = 0;
    ignoreOs = false;
}

namespace {

bool LoadScript(const std::string& path, long long startMs, std::string* error) {
    std::ifstream in(path);
    if (!in) {
        if (error) *error = "cannot read " + path;
        return false;
    }
    std::vector<ScriptedEvent> events;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (Trim(line.substr(0, line.find('#'))).empty()) continue;
        ScriptedEvent s{0, {}, true};
        std::string why;
        if (!ParseInputScriptLine(line, s.ms, s.event, &why)) {
            if (error) *error = path + " line " + std::to_string(number) + ": " + why;
            return false;
        }
        events.push_back(s);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptedEvent& a, const ScriptedEvent& b) { return a.ms < b.ms; });
    script = std::move(events);
    scriptNext = 0;
    scriptStart = startMs;
    scriptChecked = true;
    ignoreOs = true;
    return true;
}

} // namespace

} // namespace platform

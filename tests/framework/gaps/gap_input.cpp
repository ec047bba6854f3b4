// TEMPORARY stand-in (see gaps.h): an event queue that also feeds the polled key and mouse state.
#include "gaps.h"
#include "platform/graphics.h"
#include "platform/input.h"

#include <deque>

namespace platform {
namespace {

std::deque<TEvent> queue;
TEvent current;
bool polled = false;
int keyHits[256], keyDowns[256], mouseHits[4], mouseDowns[4];

} // namespace

SW_GAP const TEvent* PeekEvent() {
    return queue.empty() ? nullptr : &queue.front();
}
SW_GAP int PollEvent() {
    if (queue.empty()) return 0;
    current = queue.front();
    queue.pop_front();
    return current.id;
}
SW_GAP int EventID() {
    return current.id;
}
SW_GAP void EnablePolledInput() {
    polled = true;
}
SW_GAP void DisablePolledInput() {
    polled = false;
}
SW_GAP bool PolledInputEnabled() {
    return polled;
}
SW_GAP int KeyHit(int key) {
    int n = keyHits[key & 255];
    keyHits[key & 255] = 0;
    return n;
}
SW_GAP int KeyDown(int key) {
    return keyDowns[key & 255];
}
SW_GAP void FlushKeys() {
    for (int i = 0; i < 256; ++i)
        keyHits[i] = keyDowns[i] = 0;
}
SW_GAP void FlushMouse() {
    for (int i = 0; i < 4; ++i)
        mouseHits[i] = mouseDowns[i] = 0;
}
SW_GAP int MouseHit(int b) {
    int n = mouseHits[b & 3];
    mouseHits[b & 3] = 0;
    return n;
}
SW_GAP int MouseDown(int b) {
    return mouseDowns[b & 3];
}
SW_GAP void PostEvent(const TEvent& e) {
    queue.push_back(e);
    if (e.id == EVENT_KEY_DOWN) ++keyHits[e.data & 255], keyDowns[e.data & 255] = 1;
    if (e.id == EVENT_KEY_UP) keyDowns[e.data & 255] = 0;
    if (e.id == EVENT_MOUSE_DOWN) ++mouseHits[e.data & 3], mouseDowns[e.data & 3] = 1;
    if (e.id == EVENT_MOUSE_UP) mouseDowns[e.data & 3] = 0;
}
SW_GAP void FilterEvents(bool (*keep)(const TEvent&)) {
    std::deque<TEvent> kept;
    for (const TEvent& e : queue)
        if (keep(e)) kept.push_back(e);
    queue = kept;
}
SW_GAP void PollSystem() {}
SW_GAP void ShowMouse() {}
SW_GAP void HideMouse() {}

} // namespace platform

// The lines of the scripts the e2e runs give the game (SLEETWHISTLE_INPUT): times in ms of the game
// clock, the pointer, the keys (Windows key codes) and typed characters.
#pragma once

#include <string>

namespace e2escript {

// Clicks at the pointer's first place every 50 ms from the start until ms: they skip the maker's
// splash and the intro and take a finished loading screen on.
inline std::string ClicksUntil(int ms) {
    std::string script;
    for (int t = 0; t <= ms; t += 50)
        script += std::to_string(t) + " mouse_down 1\n" + std::to_string(t + 20) + " mouse_up 1\n";
    return script;
}

// The pointer moved to (x, y) at ms, pressed after down ms and released after up ms.
inline std::string ClickAt(int ms, int x, int y, int down = 100, int up = 150) {
    return std::to_string(ms) + " mouse_move " + std::to_string(x) + " " + std::to_string(y) + "\n" +
           std::to_string(ms + down) + " mouse_down 1\n" + std::to_string(ms + up) + " mouse_up 1\n";
}
// Pressed at once and released 40 ms later.
inline std::string QuickClick(int ms, int x, int y) {
    return ClickAt(ms, x, y, 0, 40);
}
// A button held at (x, y) from ms for 150 ms.
inline std::string HoldAt(int ms, int x, int y) {
    return ClickAt(ms, x, y, 50, 200);
}
// The loading screen's "click here" button, which leads to the title.
inline std::string LoadingButtonAt(int ms) {
    return ClickAt(ms, 400, 530);
}
// The title's "play".
inline std::string PlayAt(int ms) {
    return ClickAt(ms, 400, 538);
}

// A key down at ms (with its typed character, when ch is given) and up after up ms.
inline std::string KeyAt(int ms, int vk, int ch = 0, int up = 50) {
    std::string text = std::to_string(ms) + " key_down " + std::to_string(vk) + "\n";
    if (ch != 0) text += std::to_string(ms) + " char " + std::to_string(ch) + "\n";
    return text + std::to_string(ms + up) + " key_up " + std::to_string(vk) + "\n";
}
// Released 40 ms later.
inline std::string QuickKey(int ms, int vk) {
    return KeyAt(ms, vk, 0, 40);
}
// Ctrl held around the key.
inline std::string CtrlKey(int ms, int vk) {
    return std::to_string(ms) + " key_down 162\n" + QuickKey(ms + 20, vk) + std::to_string(ms + 100) +
           " key_up 162\n";
}

// The characters typed from ms, one every 50 ms.
inline std::string Type(int ms, const std::string& text) {
    std::string script;
    for (char c : text) {
        script += std::to_string(ms) + " char " + std::to_string(int(c)) + "\n";
        ms += 50;
    }
    return script;
}
// A name typed from ms and taken with Enter 100 ms after its last character's slot.
inline std::string NameAt(int ms, const std::string& name) {
    return Type(ms, name) + KeyAt(ms + 50 * int(name.size()) + 100, 13, 13);
}

} // namespace e2escript

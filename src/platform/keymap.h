// Translation of SDL keys into Windows virtual-key codes. Internal to the platform layer; takes
// plain ints so tests need no SDL headers.
#pragma once

namespace platform {

// The virtual-key code (1..255) of an SDL keycode and scancode, or 0 when the key has none.
int VirtualKeyFromSDL(int keycode, int scancode);
// The same, with the key and the scancode given by their SDL names ("A", "Escape", "Left Shift").
int VirtualKeyFromSDLNames(const char* keyName, const char* scancodeName);
// The character code (8, 9, 13, 27) a key types by itself, or 0.
int ControlCharForVirtualKey(int vk);

} // namespace platform

// What the input side needs of the window: coordinate mapping and the last pointer position.
// Internal to the platform layer.
#pragma once

namespace platform {

// Window pixels (of the SDL window) to mode pixels, through the letterbox.
void WindowToMode(int px, int py, int& mx, int& my);
// Logical pixels (the virtual resolution) to mode pixels.
void LogicalToMode(float lx, float ly, int& mx, int& my);
// The pointer's last known position in mode pixels, kept for the native cursor query.
void NoteMousePosition(int mx, int my);
// Whether SDL's video side is up (events can be pumped).
bool VideoStarted();

} // namespace platform

// Test seams of the graphics side: a fake desktop and missing full-screen depths, so the mode
// choice can be tested on any machine. The clock, message-box and input seams are in system.h and
// input.h; the recording renderer is in Renderer.h.
#pragma once

#include "platform/input.h"

#include <string>

namespace platform {

// Writes the logical frame after each listed flip: "DIR:N1,N2,..." ("": stop).
// SLEETWHISTLE_FRAMES gives the same text for a whole run.
void CaptureFrames(const std::string& spec);
// Adds the next flip to the frames written into that DIR, so a seam can keep the frame of an
// event as it happens. Answers the flip's number, or 0 when no DIR is set.
long CaptureNextFrame();

// Draws every frame off screen and then scaled into the window, even where the window has the
// frame's size (SLEETWHISTLE_OFFSCREEN_FRAME=1 does the same for a whole run): the frame that
// tests hold the other ways of presenting to.
void ForceOffscreenFrame(bool on);
// Whether the open mode draws its frames off screen.
bool FrameOffscreen();
// Quads that land texel for pixel are sampled nearest, which gives the pixels a linear filter
// would; off, every quad keeps its picture's own filter, so tests can compare both.
void SetTexelExactSampling(bool on);

// Posts an event as the input script releases one: a mouse move in logical coordinates is
// converted to the window's and noted as the pointer's place. For test seams that play the game.
void PostScriptedEvent(TEvent e);

// The sync argument of the last Flip.
int LastFlipSync();

// Pretends the desktop is width x height (0, 0: the real desktop again).
void SetFakeDesktop(int width, int height);
// Pretends full-screen modes of this depth do not exist (0: forget every such pretence).
void SetFakeMissingDepth(int depth);
bool FakeModeDepthMissing(int depth);

} // namespace platform

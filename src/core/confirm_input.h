// The any-confirming-input test of the screens that wait for a click or a key.
#pragma once

// 1 for clicked, a mouse hit (all cleared), or a hit of Enter, Space or Escape, in that order.
int MegaClick(int clicked);

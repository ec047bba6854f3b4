// The key codes of the game-wide hot keys (Windows virtual-key numbers); nothing changes them.
#pragma once

extern int FRAMEWORK_PAUSE_KEY;
extern int FRAMEWORK_VOLUME_DOWN_KEY;
extern int FRAMEWORK_VOLUME_UP_KEY;
extern int FRAMEWORK_EXIT_KEY;
extern int FRAMEWORK_FULLSCREEN_KEY;
extern int FRAMEWORK_BOSS_KEY;
extern int FRAMEWORK_MUSIC_KEY;
extern int FRAMEWORK_SOUND_KEY;
extern int FRAMEWORK_FAST_KEY;
extern int FRAMEWORK_SLOW_KEY;
extern int FRAMEWORK_SCREENSHOT_KEY;
extern int FRAMEWORK_FLIPSYNC_KEY;
extern int FRAMEWORK_NOTIMING_KEY;
extern int FRAMEWORK_VSYNC_KEY;
extern int FRAMEWORK_GRAPHICS_KEY;
extern int FRAMEWORK_SOUNDDRIVER_KEY;
extern int FRAMEWORK_DEBUG_KEY;
extern int FRAMEWORK_STORE_COORDS_KEY;
extern int FRAMEWORK_OUTPUT_COORDS_KEY;

// The game-wide keys, read once per logic tick: the window check, a click that resumes, pause,
// Escape, full screen, quit at once, the framework's hot keys and the debug keys (both switched
// off by start-up), then the current screen's own keys. Also the fast and slow-motion modes.
#include "core/TGame.h"

#include "core/TScreen.h"
#include "core/game_keys.h"
#include "core/input_state.h"
#include "framework/cc_draw.h"
#include "framework/cc_input.h"
#include "framework/cc_system.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "profiles/TProfile.h"

#include <cstdio>

int FRAMEWORK_PAUSE_KEY = platform::vk::P;
int FRAMEWORK_VOLUME_DOWN_KEY = platform::vk::OEM_MINUS;
int FRAMEWORK_VOLUME_UP_KEY = platform::vk::OEM_PLUS;
int FRAMEWORK_EXIT_KEY = platform::vk::X;
int FRAMEWORK_FULLSCREEN_KEY = platform::vk::F;
int FRAMEWORK_BOSS_KEY = platform::vk::B;
int FRAMEWORK_MUSIC_KEY = platform::vk::M;
int FRAMEWORK_SOUND_KEY = platform::vk::S;
int FRAMEWORK_FAST_KEY = platform::vk::T;
int FRAMEWORK_SLOW_KEY = platform::vk::L;
int FRAMEWORK_SCREENSHOT_KEY = platform::vk::F12;
int FRAMEWORK_FLIPSYNC_KEY = platform::vk::I;
int FRAMEWORK_NOTIMING_KEY = platform::vk::N;
int FRAMEWORK_VSYNC_KEY = platform::vk::V;
int FRAMEWORK_GRAPHICS_KEY = platform::vk::G;
int FRAMEWORK_SOUNDDRIVER_KEY = platform::vk::H;
int FRAMEWORK_DEBUG_KEY = platform::vk::D;
int FRAMEWORK_STORE_COORDS_KEY = platform::vk::C;
int FRAMEWORK_OUTPUT_COORDS_KEY = platform::vk::O;

namespace {

int CommandDown() {
    return KeyDown(platform::vk::LWIN) != 0 || KeyDown(platform::vk::RWIN) != 0 ? 1 : 0;
}
int ShiftDown() {
    return KeyDown(platform::vk::LSHIFT) != 0 || KeyDown(platform::vk::RSHIFT) != 0 ? 1 : 0;
}
int AltDown() {
    return KeyDown(platform::vk::LMENU) != 0 || KeyDown(platform::vk::RMENU) != 0 ? 1 : 0;
}
int ControlDown() {
    return KeyDown(platform::vk::LCONTROL) != 0 || KeyDown(platform::vk::RCONTROL) != 0 ? 1 : 0;
}

// The next name of the sound-driver cycle; "" for a name outside it.
std::string NextSoundDriver(const std::string& current) {
    if (current == "FreeAudio") return "DirectSound";
    if (current == "DirectSound") return "OpenAL Generic Software";
    if (current == "OpenAL Generic Software") return "FreeAudio";
    if (current == "None") return "FreeAudio";
    return "";
}

} // namespace

// Quit at once: no fade, no flush; the player is saved when one plays on the game screen.
static void QuitAtOnce(TGame& game) {
    game.InstantExit = 1;
    if (game.CurrentProfile && game.CurrentTScreen && game.CurrentTScreen->name == "game")
        game.CurrentProfile->Save();
}

// A fade-out of the given length to the current destination, the music along when asked.
static void StartFadeOut(TGame& game, int ms, bool withMusic) {
    game.GameFade->Init(float(ms), 1, withMusic ? game.MusicChannel : nullptr, 1, 0, nullptr);
}

static int HandleQuitRequest(TGame& game) {
    // While paused or in the background no fade runs: the program ends at the end of the tick.
    if (game.FadeOnExit == 0 || game.Paused != 0 || game.Suspended != 0) return -1;
    game.InstantExit = 0;
    // A running fade-in would refuse the exit fade: it ends here, unmarked, so the screen under it
    // does not take the quit for a skip.
    if (game.GameFade->Active != 0 && game.GameFade->Out == 0) game.GameFade->Finish();
    StartFadeOut(game, FADE_SPEED, true);
    game.DestinationTScreen = game.ExitScreen;
    return 1;
}

static void HandleEscape(TGame& game) {
    if (game.Fading() != 0) {
        if (game.GameFade->Out == 0) {
            game.GameFade->FadeInAborted = 1;
            game.GameFade->AbortKey = 0;
        }
        game.GameFade->Finish();
    } else if (game.Paused != 0) {
        game.Paused = 0;
        game.UnPause();
        ccFlushAll();
    } else if (game.IgnoreEscapeKey == 0) {
        game.EscapeSoundPlay();
        int ms = game.CurrentTScreen->SetEscDestination();
        if (ms == 0) ms = FADE_SPEED;
        StartFadeOut(game, ms, game.FadeMusic != 0);
        game.FadeMusic = 1;
    } else {
        Keys[platform::vk::ESCAPE] = 1; // the dialog or screen that owns Escape reads it itself
    }
}

static void ChangeAllVolumes(TGame& game, int step) {
    game.SoundChangeVolume(step);
    game.MusicChangeVolume(step);
    game.SpeechChangeVolume(step);
}

// The framework's hot keys in their order; a key behind the Debug switch is not read while it is 0.
static void HandleFrameworkKeys(TGame& game) {
    if (KeyHit(FRAMEWORK_VOLUME_DOWN_KEY) != 0) {
        ChangeAllVolumes(game, -10);
        FlushKeys();
    }
    if (KeyHit(FRAMEWORK_VOLUME_UP_KEY) != 0) {
        ChangeAllVolumes(game, 10);
        FlushKeys();
    }
    if (KeyDown(FRAMEWORK_EXIT_KEY) != 0 && ControlDown() != 0) QuitAtOnce(game);
    if (KeyHit(FRAMEWORK_FULLSCREEN_KEY) != 0) {
        game.ToggleFullScreen();
        FlushKeys();
    }
    if (KeyHit(FRAMEWORK_BOSS_KEY) != 0) {
        ccMinimiseWindow(game.WindowHandle);
        platform::Flip(-1);
        FlushKeys();
    }
    if (KeyHit(FRAMEWORK_MUSIC_KEY) != 0) {
        game.ToggleMusic();
        FlushKeys();
    }
    if (KeyHit(FRAMEWORK_SOUND_KEY) != 0) {
        game.ToggleSound();
        FlushKeys();
    }
    if (game.Debug != 0 && KeyHit(FRAMEWORK_FAST_KEY) != 0) {
        if (game.Fast == 0) {
            game.FastOn();
            game.SlowMotionOff();
        } else {
            game.FastOff();
        }
        FlushKeys();
    }
    if (game.Debug != 0 && KeyHit(FRAMEWORK_SLOW_KEY) != 0) {
        if (game.SlowMotion == 0) {
            game.SlowMotionOn();
            game.FastOff();
        } else {
            game.SlowMotionOff();
        }
        FlushKeys();
    }
    if (KeyHit(FRAMEWORK_SCREENSHOT_KEY) != 0) game.TakeScreenshot();
    if (game.Debug != 0 && KeyHit(FRAMEWORK_FLIPSYNC_KEY) != 0) {
        ccFlipSync += 1;
        if (ccFlipSync == 2) ccFlipSync = -1;
        FlushKeys();
    }
    if (game.Debug != 0 && KeyHit(FRAMEWORK_NOTIMING_KEY) != 0) {
        game.NoTiming = game.NoTiming == 0 ? 1 : 0;
        FlushKeys();
    }
    if (KeyHit(FRAMEWORK_VSYNC_KEY) != 0) {
        game.ToggleVSync();
        FlushKeys();
    }
    if (KeyHit(FRAMEWORK_GRAPHICS_KEY) != 0) {
        game.SetDriver(game.Driver == 0 ? 1 : 0);
        FlushKeys();
    }
    if (KeyHit(FRAMEWORK_SOUNDDRIVER_KEY) != 0) {
        std::string next = NextSoundDriver(game.SoundDriver);
        if (!next.empty()) game.ChangeSoundDriver(next, 1);
        FlushKeys();
    }
}

static void HandleDebugKeys(TGame& game) {
    if (KeyHit(FRAMEWORK_DEBUG_KEY) != 0) {
        game.Debug = game.Debug == 0 ? 1 : 0;
        if (game.Debug != 0) {
            game.DebugReset();
            game.LogicTime->Start();
            game.DebugShowFPSOnly = ShiftDown();
        }
        FlushKeys();
    }
    if (game.GraphicPlacement != 0) {
        if (KeyHit(platform::vk::LEFT) != 0) game.gpX -= 1;
        if (KeyHit(platform::vk::RIGHT) != 0) game.gpX += 1;
        if (KeyHit(platform::vk::UP) != 0) game.gpY -= 1;
        if (KeyHit(platform::vk::DOWN) != 0) game.gpY += 1;
    }
    if (KeyHit(FRAMEWORK_STORE_COORDS_KEY) != 0) {
        game.storedX = game.Mouse->x;
        game.storedY = game.Mouse->y;
    }
    if (KeyHit(FRAMEWORK_OUTPUT_COORDS_KEY) != 0) {
        std::printf("%d,%d\n", int(game.Mouse->x), int(game.Mouse->y));
        game.EscapeSoundPlay();
    }
}

int TGame::ReadKeys() {
    if (CheckWindow() == -1 && HandleQuitRequest(*this) == -1) return -1;
    if (Paused != 0 && Mouse->GetMh(1) != 0) TogglePause();
    if (BlockKeys != 0) return 0;
    if (IgnorePauseKey == 0 && KeyHit(FRAMEWORK_PAUSE_KEY) != 0) TogglePause();
    if (KeyHit(platform::vk::ESCAPE) != 0) HandleEscape(*this);
    if ((AltDown() != 0 && KeyDown(platform::vk::RETURN) != 0) ||
        (CommandDown() != 0 && ShiftDown() != 0 && KeyDown(platform::vk::F) != 0)) {
        ToggleFullScreen();
        FlushKeys();
    }
    if (KeyDown(platform::vk::Q) != 0 && CommandDown() != 0) QuitAtOnce(*this);
    if (IgnoreFrameworkKeys == 0) HandleFrameworkKeys(*this);
    if (IgnoreDebugKey == 0) HandleDebugKeys(*this);
    if (Paused == 0 && Suspended == 0) CurrentTScreen->SpecificKeys();
    return 1;
}

int TGame::FastOn() {
    Fast = 1;
    LastFlipSync = ccFlipSync;
    ccFlipSync = 0;
    FixedRateLogic->Init();
    FixedRateLogic->HistoryClear();
    return 0;
}

int TGame::FastOff() {
    if (Fast != 1) return 0;
    Fast = 0;
    ccFlipSync = LastFlipSync;
    FixedRateLogic->Init();
    FixedRateLogic->HistoryClear();
    return 0;
}

int TGame::SlowMotionOn() {
    SlowMotion = 1;
    CurrentSpeed = SlowMotionSpeed;
    FixedRateLogic->Framerate = float(FixedRateLogic->FramerateDefault) * SlowMotionSpeed;
    FixedRateLogic->CalcMS();
    FixedRateLogic->Init();
    return 0;
}

int TGame::SlowMotionOff() {
    SlowMotion = 0;
    CurrentSpeed = 1.0f;
    FixedRateLogic->Framerate = float(FixedRateLogic->FramerateDefault);
    FixedRateLogic->CalcMS();
    FixedRateLogic->Init();
    return 0;
}

// The application object: one instance in the global Game for the whole run. It holds every
// game-wide setting and state value, owns the long-lived services (settings file, logic clock,
// debug stopwatches, loading and exit screens, screen fade, pointer, high-score table), and its
// methods run the core: settings, graphics mode, folders, the main loop and screen switching,
// input, sound and speech, particles and the debug overlay. The methods live in topic files
// (TGame_settings.cpp, TGame_loop.cpp, TGame_graphics.cpp, TGame_folders.cpp, TGame_sound.cpp,
// TGame_debug.cpp) beside TGame.cpp.
#pragma once

#include "core/TFixedRateLogic.h"
#include "core/TTrackingVar.h"
#include "framework/TColor.h"
#include "framework/TIniFile.h"
#include "media/TChannelArray.h"
#include "media/TGameImage.h"
#include "media/TGameSound.h"
#include "media/TMousePointer.h"
#include "media/TSprite.h"
#include "platform/audio.h"
#include "platform/font.h"

#include <functional>
#include <memory>
#include <string>

class TGameFade;
class TLoadingScreen;
class TScreen;
class THighScoreList;
class TProfile;

class TGame;
using TGameRef = std::shared_ptr<TGame>;

// A hook of the game object: no arguments, an int answer; an empty one is never called.
using TGameHook = std::function<int()>;

class TGame {
public:
    static constexpr int LogicFix = 0;

    // Settings file.
    std::shared_ptr<TIniFile> Ini;
    std::string VersionNumber; // read from the file; saving always writes VERSION_NO

    // Graphics mode, window and priorities.
    int FullScreen = 1;
    int ForceWindowedMode = 0; // latched when full screen fails at every depth
    int Hertz = 60;
    int Depth = 0;
    int DesktopRefreshRate = 0;
    int GameRefreshRate = 0;
    long WindowHandle = 0;
    int WindowX = 0, WindowY = 0;
    int ClientX = 0, ClientY = 0; // top-left of the window's drawing area on the desktop
    int VSync = 1;
    int Driver = 0;
    int DriverDX7 = 0, DriverDX9 = 0;
    std::string DirectXVersion;
    int DesktopWidth = 0, DesktopHeight = 0;
    int WindowWidth = 0, WindowHeight = 0;
    float VirtualRatioX = 1.0f, VirtualRatioY = 1.0f; // logical pixels per window pixel
    int UsingVirtualResolution = 0;
    TColorRef ClsColor; // the clear colour; made with the graphics mode
    int FullScreenProcess = 0, FullScreenThread = 0;
    int WindowedProcess = 0, WindowedThread = 0;
    int FirstTime = 1; // 1 until the graphics mode has been made once

    // Speed and timing.
    int Fast = 0;
    int LastFlipSync = 0;
    int SlowMotion = 0;
    float SlowMotionSpeed = 0.25f;
    float CurrentSpeed = 1.0f;
    int LagFix = 0;
    int NoTiming = 0; // 1: every frame runs NoTimingTicks ticks
    int NoTimingTicks = 1;
    TFixedRateLogicRef FixedRateLogic;

    // Screens, fades and drawing.
    float ScrollX = 0.0f, ScrollY = 0.0f; // subtracted by sprites drawn with an offset
    std::shared_ptr<TScreen> CurrentTScreen;
    std::shared_ptr<TScreen> DestinationTScreen; // started when the running fade-out ends
    std::shared_ptr<TScreen> LastTScreen;
    int FadeOnExit = 1;
    int FadeMouse = 0;   // 1: the pointer is drawn under the fade
    int InstantExit = 0; // 1: the next tick ends the program
    int Fade = 1;        // 0: screen fades off
    int NoFade = 0;      // 1: the next fade is skipped
    int NoDraw = 0;      // 1: the next frame draws nothing
    std::shared_ptr<TLoadingScreen> LoadingScreen;
    std::shared_ptr<TScreen> ExitScreen; // switching to it ends the program
    std::shared_ptr<TGameFade> GameFade;

    // Data and user folders.
    int DataInAppBundle = 0;
    int UseCorrectPath = 1;
    std::string SubPath = "Brindlecove/My Game/"; // the per-user folder, ending in "/"
    std::string DataPrefix;                       // in front of every "data/..." path: "" or ending in "/"
    std::string ImagePath, SoundPath, MusicPath, SpeechPath, MenuPath, ProfilePath, TextPath, LevelsPath,
        FontPath; // each ending in "/" once set

    // Music.
    int Music = 1;
    int MusicVolume = 100;     // 0..100
    int CustomMusicVolume = 0; // percent of MusicVolume for the current piece; 0: none
    platform::SoundRef MusicSample;
    platform::ChannelRef MusicChannel;
    std::string MusicFileName = "none";
    std::string MusicName = "none";
    int MusicLooped = 1;
    int MusicRestart = 1;
    int MusicStopped = 0;
    float MusicFadeIn = 50.0f;
    float MusicFadeInCounter = 0.0f;
    float MusicFadeInDelay = 0.0f;
    float MusicFadeOut = 1000.0f;
    float MusicFadeOutCounter = 0.0f;
    platform::ChannelRef SpecialChannel;
    int FadeMusic = 1; // 1: a fade-out takes the music with it

    // Pause fade.
    float PauseFadeLength = 100.0f;
    float PauseFadeCounter = 0.0f;
    int PauseFadeDirection = 0;

    // Sound, speech and channels.
    int Sound = 1;
    int Speech = 1;
    int SoundVolume = 100;  // 0..100
    int SpeechVolume = 100; // 0..100
    TGameSoundRef EscapeSound;
    platform::ChannelRef EscapeChannel;
    std::string SoundDriver = "FreeAudio";
    TChannelArrayRef Channels; // the pool of effect channels
    platform::ChannelRef SpeechChannel;
    int SpeechStopped = 0;

    // Pause, focus and termination.
    TSpriteRef SpritePaused;
    int Paused = 0;
    int DimWhenPaused = 1;
    int PauseOnLossOfFocus = 0;
    int PauseOnLossOfFullScreenFocus = 0;
    int PausedMusicState = Music;   // saved at pause, restored at unpause
    int PausedSpeechState = Speech; // the same for speech
    int Suspended = 0;
    int TerminatedEvent = 0;
    TGameHook TerminatedUserFunction;
    int SuspendedEvent = 0;
    TGameHook PausedUserFunction;
    TGameHook UserSuspendFunction;
    TGameHook UserResumeFunction;

    // Input and keys.
    int CustomMousePointer = 1; // 1: the game draws its own pointer
    int BlockKeys = 0;          // 1 while the player types: pause, Escape and hot keys off
    int IgnoreEscapeKey = 0;    // 1: Escape does not leave the current screen
    int IgnoreFrameworkKeys = 0;
    int IgnorePauseKey = 0;
    int IgnoreDebugKey = 0;
    TMousePointerRef Mouse;

    // Game options and player.
    int Particles = 80; // percent 0..100
    int PortalSplash = 0;
    int PortalSplash2 = 0;
    int IntroShow = 0;
    int MaxLevels = 10;
    std::string OSVersion = "Mac OSX";
    std::shared_ptr<THighScoreList> HighScores;
    std::shared_ptr<TProfile> CurrentProfile;
    std::string ProfileName;
    int Region = 0, SubRegion = 0;

    // Debug overlay and counters.
    int Debug = 0;
    platform::ImageFontRef DebugImageFont;
    int DebugImageFontGap = 12;
    int DebugShadow = 1;
    int DebugShowFPSOnly = 0;
    float DebugPanel = 0.4f;
    int Debug1 = 0, Debug2 = 0;
    float Debug3 = 0.0f, Debug4 = 0.0f;
    int DebugDisplayX = 0, DebugDisplayY = 0;
    TDebugVarRef LogicTime;
    TDebugVarRef DrawTime;
    TDebugVarRef CodeTime;
    TFPSCounterRef FPS;
    int GraphicPlacement = 0;
    int gpX = 0, gpY = 0;
    int storedX = -1, storedY = -1;

    // Every default above and the eleven owned objects; needs neither a window nor audio.
    TGame();

    // Start-up after the per-user folder is known: the folders, the settings file, the audio
    // driver (first: 0 from the settings, 1..3 a fixed choice, other values none), the clock and
    // the three channels. perUser names the base folder that SubPath was built on.
    int Init(int first, int perUser);

    // Settings (TGame_settings.cpp).
    int IniFill();
    int IniExtract();
    // Refills and saves the settings; a non-zero flag also writes "inichanged.dat".
    int IniUpdate(int changed);
    static int MakeGoodExit();
    int CheckGoodExit();

    // Graphics mode and window (TGame_graphics.cpp).
    int GraphicsCreate(int unused);
    int DoSetVirtualResolution();
    int SetDXDriver(int driver);
    int DoMoveMouse(int x, int y);
    int GetActiveWindowSafe();
    int SetPriority();
    int ToggleFullScreen();
    int ToggleVSync();
    int SetDriver(int driver);

    // Debug overlay (TGame_debug.cpp).
    int DebugReset();
    int DebugPrint();
    int SetGP(int x, int y);

    int SetWindowCoords();
    // ClientX, ClientY from the window's origin, in top-down desktop coordinates.
    int SetClientCoords();

    // Pause, focus and termination (TGame_pause.cpp).
    // Turns the event pump's focus and quit flags into state changes: -1 when the program is to end.
    int CheckWindow();
    // 1 with no quit pending or the quit cancelled by the hook; -1 when the program is to end.
    int GameTerminated();
    int TogglePause();
    // Pauses music and speech, keeping the player's choices; does not set Paused.
    int Pause();
    // Brings back what Pause saved and restarts the clock; does not clear Paused.
    int UnPause();
    // The pause picture, centred on the screen.
    int SpritePausedCreate(const TGameImageRef& image);
    // The overlay (dimmed screen and pause picture) while paused or in the background.
    int ShowPaused();
    float PauseFadeCalc();
    int PauseFadeApply();
    int PauseFadeManage();

    // Game-wide keys and speed modes (TGame_keys.cpp).
    // -1 when a quit ends the program at once, 0 when keys are blocked, else 1.
    int ReadKeys();
    int FastOn();
    int FastOff();
    int SlowMotionOn();
    int SlowMotionOff();

    // Folders (TGame_folders.cpp).
    int SetDefaultPaths();
    int SetSubPath(const std::string& path, int perUser);
    int SetSubPathWrapper(const std::string& path, int perUser);
    int ApplySubPath();
    int SetImagePath(const std::string& path);
    int SetSoundPath(const std::string& path);
    int SetMusicPath(const std::string& path);
    int SetSpeechPath(const std::string& path);
    int SetMenuPath(const std::string& path);
    int SetProfilePath(const std::string& path);
    int SetTextPath(const std::string& path);
    int SetLevelsPath(const std::string& path);
    int SetFontPath(const std::string& path);

    int SetFlipSync();

    // Music (TGame_music.cpp, GetMusicVolume and MusicNone in TGame.cpp).
    // While music is on: stops it and loads MusicPath + file; always records the wish.
    int MusicLoad(const std::string& file, int looped);
    int MusicSet(const platform::SoundRef& sound, const std::string& file, int looped);
    int MusicStop();
    int MusicPlay(int fadeIn, int customVolume, int startSilent);
    // No music is current: names "none", restart asked; stops nothing.
    int MusicNone();
    // MusicVolume, or its CustomMusicVolume percent (truncated) when that is set.
    int GetMusicVolume() const;
    float MusicFadeInCalc() const;
    float MusicFadeOutCalc() const;
    int MusicFadeInApply();
    int MusicFadeOutApply();
    int MusicFadeInManage();
    int MusicFadeOutManage();
    int MusicFadeOutSet(int ms);
    int MusicSetVolume(int volume, int save);
    int MusicChangeVolume(int step);
    int ToggleMusic();
    // 1 when music was switched off (paused), else 0.
    int MusicOff();
    // 1 when music was switched on (resumed or restarted), else 0.
    int MusicOn();

    // Sound and speech (TGame_sound.cpp).
    // A pool of n channels with MaxVol n.
    int ChannelsCreate(int n);
    int ChannelsKill();
    // Starts the named driver; SoundDriver becomes the name, or "None" when it fails.
    int ChangeSoundDriver(const std::string& name, int save);
    int SoundPlay(const platform::SoundRef& sound);
    int SoundPlaySameChannel(platform::ChannelRef& channel, const platform::SoundRef& sound);
    int SoundPlayReturnChannel(platform::ChannelRef& channel, const platform::SoundRef& sound, float rate);
    // Plays the sound on the channel while sound is on: a channel still playing is turned down
    // first, then the sample is cued, given its volume, pan and rate, and resumed. A reference
    // holding no channel plays nothing.
    int GameSoundPlay(platform::ChannelRef& channel, TGameSound& sound, float pan);
    int SoundSetVolume(int volume, int save);
    int SoundChangeVolume(int step);
    int ToggleSound();
    int SoundOff();
    int SoundOn();
    // A playing speech channel is stopped and replaced by a fresh one.
    int SpeechStop();
    int SpeechPlay(TGameSound& sound, int interrupt);
    int SpeechSetVolume(int volume, int save);
    int SpeechChangeVolume(int step);
    int SpeechOff();
    int SpeechOn();
    int StopChannels();
    int SetEscapeSound(const std::string& name);
    int EscapeSoundPlay();

    // One loading step: the bar moves, the loading screen is drawn and shown at once.
    int MoveBar();
    // 1 while a screen fade runs.
    int Fading() const;
    int FadeOff();

    // The main loop (TGame_loop.cpp).
    // The ticks of one frame: 1, or -1 when the program is to end.
    int MainLogicLoop();
    // Test seams called at every tick before and after the current screen's logic; null unless
    // a seam installs one at start-up.
    void (*BeforeTickHook)() = nullptr;
    void (*TickHook)() = nullptr;
    // One tick: 1 ran, 0 skipped (paused or in the background), -1 end the program.
    int LogicWrapper();
    // Drains the platform's event queue into the input state (input_state.cpp).
    int DoPeekEvent();
    int ScreenDraw();
    int PostDraw();
    // Switches screens when a fade-out has finished.
    int ScreenChange();

    int ParticlesSet(int percent, int save);
    int ParticlesChange(int step);

    // Milliseconds and ticks.
    float CalcAnimLength(int ms) const;
    float CalcAnimLengthFromFloat(float ms) const;
    int CalcMilliSecsFromFrames(int ticks, int useSpeed) const;

    // Stops and drops the music, speech and escape channels, then the effect pool.
    int Kill();
    int TakeScreenshot();
    int RestoreMouseCoords();
    int DeleteAllProfiles();
    int ProfileFolderInUse();

    // The settings file's name without ".ini": SubPath + "Sleetwhistle".
    std::string SettingsFileName() const;
};

extern TGameRef Game;

// The application object: one instance in the global Game for the whole run. It holds the
// pointer, the effect-channel pool, the asset folders and the window figures the media classes
// read, and plays sound effects on channels.
#pragma once

#include "core/TFixedRateLogic.h"
#include "framework/TColor.h"
#include "media/TChannelArray.h"
#include "media/TGameSound.h"
#include "media/TMousePointer.h"
#include "platform/audio.h"
#include "platform/font.h"

#include <memory>
#include <string>

class TGameFade;
class TLoadingScreen;
class TScreen;

class TGame;
using TGameRef = std::shared_ptr<TGame>;

class TGame {
public:
    TMousePointerRef Mouse; // made here, kept for the whole run
    std::string ImagePath;  // asset folders, ending in "/" once set
    std::string SoundPath;
    std::string ProfilePath;              // the players' profiles: the per-user folder + "profiles/"
    float ScrollX = 0.0f, ScrollY = 0.0f; // subtracted by sprites drawn with an offset
    int Sound = 1;                        // 1: sound effects on
    int SoundVolume = 100;                // 0..100
    TChannelArrayRef Channels;            // the pool of effect channels
    int CustomMousePointer = 1;           // 1: the game draws its own pointer
    int BlockKeys = 0;                    // 1 while the player types: pause, Escape and hot keys off
    int FullScreen = 1;                   // 0: windowed
    long WindowHandle = 0;
    int WindowHeight = 0;
    int DesktopHeight = 0;
    int ClientX = 0, ClientY = 0; // top-left of the window's drawing area on the desktop
    int UsingVirtualResolution = 0;
    float VirtualRatioX = 1.0f, VirtualRatioY = 1.0f; // logical pixels per window pixel
    std::string DataPrefix; // in front of every "data/..." path: "" or ending in "/"
    std::string MenuPath;   // folder of menu pictures, ending in "/" once set

    std::shared_ptr<TGameFade> GameFade;           // the fade between screens, made here
    std::shared_ptr<TLoadingScreen> LoadingScreen; // made here, set up by asset loading
    int Fade = 1;                                  // 0: screen fades off
    int NoFade = 0;                                // 1: the next fade is skipped
    int FadeMusic = 1;                             // 1: a fade out takes the music with it
    int FadeMouse = 0;                             // 1: the pointer is drawn under the fade
    TColorRef ClsColor;                            // the clear colour; made with the graphics mode
    int Music = 1;                                 // 1: music on
    int MusicVolume = 100;                         // 0..100
    int CustomMusicVolume = 0;                     // percent of MusicVolume for the current track; 0: none
    platform::ChannelRef MusicChannel;
    std::string MusicFileName = "none";
    std::string MusicName = "none";
    int MusicRestart = 1;
    int Speech = 1; // 1: speech on
    int SpeechVolume = 100;
    platform::ChannelRef SpeechChannel;
    int IgnoreEscapeKey = 0; // 1: Escape does not leave the current screen
    std::shared_ptr<TScreen> CurrentTScreen;
    std::shared_ptr<TScreen> DestinationTScreen; // started when the running fade out ends
    TFixedRateLogicRef FixedRateLogic = std::make_shared<TFixedRateLogic>(); // the logic clock

    // Needs neither a window nor an audio device.
    TGame();

    // Plays the sound on the channel while sound is on: a channel still playing is turned down
    // first, then the sample is cued, given its volume, pan and rate, and resumed. A reference
    // holding no channel plays nothing.
    int GameSoundPlay(platform::ChannelRef& channel, TGameSound& sound, float pan);
    // A pool of n channels with MaxVol n.
    int ChannelsCreate(int n);
    int ChannelsKill();
    // ClientX, ClientY from the window's origin, in top-down desktop coordinates.
    int SetClientCoords();
    // MusicVolume, or its CustomMusicVolume percent (truncated) when that is set.
    int GetMusicVolume() const;
    // No music is current: names "none", restart asked; stops nothing.
    int MusicNone();
    // A playing speech channel is stopped and replaced by a fresh one.
    int SpeechStop();
    // 1 while a screen fade runs.
    int Fading() const;
    // One loading step: the bar moves, the loading screen is drawn and shown at once.
    int MoveBar();
};

extern TGameRef Game;

// The user-interface font: the game's TrueType font at 30 px (list rows, typed names). Null until
// start-up rasterises it; a null font draws in the platform's built-in font.
extern platform::ImageFontRef UIFont;

// The application object: one instance in the global Game for the whole run. It holds the
// pointer, the effect-channel pool, the asset folders and the window figures the media classes
// read, and plays sound effects on channels.
#pragma once

#include "media/TChannelArray.h"
#include "media/TGameSound.h"
#include "media/TMousePointer.h"
#include "platform/audio.h"

#include <memory>
#include <string>

class TGame;
using TGameRef = std::shared_ptr<TGame>;

class TGame {
public:
    TMousePointerRef Mouse; // made here, kept for the whole run
    std::string ImagePath;  // asset folders, ending in "/" once set
    std::string SoundPath;
    float ScrollX = 0.0f, ScrollY = 0.0f; // subtracted by sprites drawn with an offset
    int Sound = 1;                        // 1: sound effects on
    int SoundVolume = 100;                // 0..100
    TChannelArrayRef Channels;            // the pool of effect channels
    int CustomMousePointer = 1;           // 1: the game draws its own pointer
    int FullScreen = 1;                   // 0: windowed
    long WindowHandle = 0;
    int WindowHeight = 0;
    int DesktopHeight = 0;
    int ClientX = 0, ClientY = 0; // top-left of the window's drawing area on the desktop
    int UsingVirtualResolution = 0;
    float VirtualRatioX = 1.0f, VirtualRatioY = 1.0f; // logical pixels per window pixel

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
};

extern TGameRef Game;

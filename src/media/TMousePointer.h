// The single source of mouse position, wheel and button state for the whole game, and the game's
// own pointer: an image, an optional second image beside it (with a shadow), a sparkle trail made
// by a plugged-in particle function, and a drawing hook on top. The core writes the state from
// the platform's events; everything else reads it here.
#pragma once

#include "framework/TFont.h"
#include "media/TParticleList.h"
#include "platform/image.h"

#include <functional>
#include <memory>
#include <string>

class TMousePointer;
using TMousePointerRef = std::shared_ptr<TMousePointer>;

class TMousePointer {
public:
    int Active = 1;
    platform::ImageRef Image;
    int ImageFrame = 0;
    std::string Ext = ".png";
    int Rotation = 0; // degrees, for both images
    platform::ImageRef Image2;
    int Image2Frame = 0;
    int Image2xoff = 0, Image2yoff = 0;
    float Image2Scale = 1.0f;
    TShadowRef Image2Shadow;
    int x = 0, y = 0; // logical screen coordinates
    int z = 0;        // wheel
    int w = 0, h = 0;
    int b1 = 0, b2 = 0, b3 = 0; // 1 while down
    int mb = 0;
    int h1 = 0, h2 = 0, h3 = 0; // presses in this logic tick
    int mh = 0;
    int offsetx = 0, offsety = 0; // the pixel of Image placed at (x, y)
    std::function<int()> ParticleFunc;
    TParticleListRef ParticleList = std::make_shared<TParticleList>();
    float SparkleCounter = 0.0f;
    int SparkleLength = 15; // ticks between two sparkles
    std::function<int(int x, int y)> UserDraw;

    int On();
    // Stops drawing and sparkling, and empties the trail.
    int Off();
    // Game.ImagePath + name + Ext, handle at (offsetx, offsety).
    int Load(const std::string& name);
    int CalcSize();
    // Reads the platform's polled mouse.
    int Update();
    // The particle function, then the trail; 1 while active.
    int Manage();
    // The position from the system cursor, through the window's client origin and the virtual ratio.
    int UpdateCoords();
    int ClearButtons();
    int ClearMouseHit();
    int GetMb() const;
    // The hits as they were; clear not 0 takes them, so only one reader sees a click.
    int GetMh(int clear);
    int CalcButtonTotals();
    // Trail, second image (shadow first), pointer, then UserDraw.
    int Draw();

private:
    void DrawCarriedImage() const;
};

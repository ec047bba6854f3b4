// A picture the game draws: a platform image with the name it is looked up by, its size, its half
// size and whether its handle sits at its centre.
#pragma once

#include "framework/TFont.h"
#include "platform/image.h"

#include <memory>
#include <string>

class TGameImage;
using TGameImageRef = std::shared_ptr<TGameImage>;

class TGameImage {
public:
    std::string name; // upper-cased base name of the file, or the key given by the bank's caller
    platform::ImageRef image;
    int w = 0, h = 0; // of one frame
    // Integer halves kept as floats (51 gives 25.0), while MidHandleImage centres at 25.5.
    float w2 = 0.0f, h2 = 0.0f;
    int midhandled = 0;
    int tag = 0; // free for the owner

    // 1: every Load and LoadAnim makes the textures at once.
    static int AutoPrecache;

    // Bytes of pixels, and of textures (sides rounded up to powers of two), over every frame.
    int CalcRAM() const;
    int CalcVRAM() const;

    static TGameImageRef Create(const std::string& file, int flags, int mid);
    // A strip when cellCount > 1, else a single image.
    static TGameImageRef CreateAuto(const std::string& file, int cellWidth, int cellHeight, int firstCell,
                                    int cellCount, int flags, int mid);
    // Wraps an image already loaded; the name is kept as given.
    static TGameImageRef CreateFromImage(const platform::ImageRef& image, const std::string& name, int mid);

    // The frame at (x, y), after a black pass at the shadow's offset when a shadow is given.
    int Draw(float x, float y, int frame, const TShadowRef& shadow) const;
    int GetSize();
    int Load(const std::string& file, int flags, int mid);
    int LoadAnim(const std::string& file, int cellWidth, int cellHeight, int firstCell, int cellCount,
                 int flags, int mid);
    int MidHandle(int on);
    int Precache() const;

private:
    int Loaded(int mid);
};

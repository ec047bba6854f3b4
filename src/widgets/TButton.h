// An image button: a sprite the player hovers and clicks, or presses with Enter or Space when it
// is an OK button. Its owner calls Manage once per logic tick, reads Clicked right after, and
// calls Draw once per frame. Hover and click sounds play through the game's effect-channel pool.
#pragma once

#include "media/TGameImage.h"
#include "media/TGameSound.h"
#include "media/TSprite.h"

#include <memory>
#include <string>

class TButton;
using TButtonRef = std::shared_ptr<TButton>;

class TButton : public TSprite {
public:
    static inline const std::string Ext = ".png";
    static inline const std::string SoundExt = ".wav";

    TGameImageRef ImageMouseOver;
    TGameSoundRef SoundMouseOver;
    TGameSoundRef SoundClick;
    int Active = 1;
    int AlwaysDraw = 0;    // drawn even while not Active
    int ClickDisabled = 1; // 1: a disabled button still reacts
    int ClickWhenDown = 0;
    int Disabled = 0;
    int OKButton = 0;         // Enter (and Space) click it
    int OKButtonUseSpace = 1; // Space too
    int StayDown = 0;
    int UseGlowOnMO = 1; // the glow is also drawn over the mouse-over image
    int UseMenuPath = 0; // images from the game's menu folder
    int Clicked = 0;     // 1 in the tick of a click
    int AutoGlowOnMO = 0;
    int FixedGlowOnMO = 0; // 1: hovering sets a glow that fades out afterwards
    int FixedGlowOnMOUseMO = 0;
    float MouseClickCounter = 0.0f; // ticks left of the pressed look
    int NoSound = 0;

    // Names the button after its image, loads its images and the sounds named (from the game's
    // sound folder), then Init. Frames below 2 mean single pictures.
    int Load(const std::string& picture, const std::string& mouseOverImage, const std::string& mouseOverSound,
             const std::string& clickSound, int cellWidth, int cellHeight, int frames);
    // A missing mouse-over picture falls back to the normal one.
    int LoadImages(const std::string& image, const std::string& mouseOverImage, int cellWidth, int cellHeight,
                   int frames);
    std::string GetPath() const;
    int Init() override;
    int ClearClick();
    // Centred horizontally at height y.
    int CentreX(int atY);
    // Hover, hover sound and glow, a click on a mouse hit, Enter or Space on an OK button.
    int Manage();
    // 1 when the click was taken.
    int Click(int useSecondSound);
    // A click from code or a key: glow, click sound, Clicked.
    int SimulateClick();
    int FixedGlowOnMOActivate();
    int PlayMouseOver();
    int PlayClick();
    // The hovered or the normal look, each with its shadow and glow; 1 when drawn.
    int Draw() override;

private:
    bool PointerOver() const;
    void DrawLook(const TGameImageRef& look, const TGameImageRef& glowImage, bool glow);
};

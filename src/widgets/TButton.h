// An image button: a sprite the player hovers and clicks, or presses with Enter or Space when it
// is an OK button. It has a normal picture and optional hover, pressed and disabled pictures,
// hover and click sounds, a caption, a glow under the pointer and a growth on hover. Its owner
// calls Manage once per logic tick, reads Clicked right after, and calls Draw once per frame.
// Sounds play through the game's effect-channel pool, or on the button's own channels without one.
#pragma once

#include "framework/TBox.h"
#include "framework/TColor.h"
#include "media/TGameImage.h"
#include "media/TGameSound.h"
#include "media/TSprite.h"
#include "platform/audio.h"
#include "widgets/TKeyRepeat.h"
#include "widgets/TLabel.h"

#include <functional>
#include <memory>
#include <string>

class TButton;
using TButtonRef = std::shared_ptr<TButton>;

class TButton : public TSprite {
public:
    static inline const std::string Ext = ".png";
    static inline const std::string SoundExt = ".wav";

    TGameImageRef ImageDisabled;
    TGameImageRef ImageMouseClick; // the pressed look, while MouseClickCounter > 0
    TGameImageRef ImageMouseOver;
    TGameSoundRef SoundMouseOver;
    TGameSoundRef SoundClick;
    TGameSoundRef SoundClick2; // for the repeats of a held mouse button
    TBoxRef BoundingBox;       // the hit area instead of the picture when set
    TLabelRef Caption;
    TColorRef CaptionDisabledColor;
    TMouseRepeatRef MouseRepeat;
    int Active = 1;
    int AlwaysDraw = 0; // drawn even while not Active
    int Animated = 0;
    int ClickDisabled = 1; // 1: a disabled button still reacts
    int ClickWhenDown = 0; // 1: clicks are taken while the pressed look shows
    int Disabled = 0;
    int OKButton = 0;                           // Enter (and Space) click it
    int OKButtonUseSpace = 1;                   // Space too
    int StayDown = 0;                           // the pressed look stays until ClearClick
    int UseGlowOnMO = 1;                        // the glow is also drawn over the mouse-over picture
    int UseMenuPath = 0;                        // pictures from the game's menu folder
    std::function<int()> MouseOverUserFunction; // non-zero answer: the pointer is ignored
    int Clicked = 0;                            // 1 in the tick of a click
    int AutoGlowOnMO = 0;
    TColorRef CaptionDownColor;
    float CaptionDownScale = 1.0f;
    float CaptionDownOffsetX = 0.0f, CaptionDownOffsetY = 0.0f;
    platform::ChannelRef ChannelMouseOver, ChannelClick; // only without the game's pool
    int FixedGlowOnMO = 0;                               // 1: hovering sets a glow that fades out afterwards
    int FixedGlowOnMOUseMO = 0;                          // the mouse-over picture stays while it fades
    float MouseClickCounter = 0.0f;                      // ticks left of the pressed look
    float MouseClickDuration = 0.0f;                     // ticks
    int NoSound = 0;
    int OldRoundedCoords = 0;
    float ScaleOnMOMax = 1.0f; // 1 or less: no growth
    float ScaleOnMO = 1.0f;
    float ScaleOnMOUpSpeed = 0.03f; // per tick
    float ScaleOnMODownSpeed = 0.01f;

    static TButtonRef CreateSpecial(const std::string& picture, const std::string& mouseOverImage,
                                    const std::string& mouseOverSound, const std::string& clickSound);
    // Names the button after its picture, loads its pictures and the sounds named (from the game's
    // sound folder), then Init. Frames below 2 mean single pictures.
    int Load(const std::string& picture, const std::string& mouseOverImage, const std::string& mouseOverSound,
             const std::string& clickSound, int cellWidth, int cellHeight, int frames);
    // A missing mouse-over picture falls back to the normal one.
    int LoadImages(const std::string& image, const std::string& mouseOverImage, int cellWidth, int cellHeight,
                   int frames);
    int LoadDisabled(const std::string& picture);
    int LoadMouseClick(const std::string& picture, int ms);
    std::string GetPath() const;
    int Init() override;
    int Kill() override;
    int ClearClick();
    // Centred horizontally at height y.
    int CentreX(int atY);
    // Moves the caption and the bounding box along.
    int MoveTo(float toX, float toY);
    int MoveBy(float byX, float byY);
    // Hover, hover sound and glow, a click on a mouse hit, Enter or Space on an OK button.
    int Manage();
    int ManageNoSound();
    int ManageScaleOnMO();
    // 1 when the click was taken.
    int Click(int useSecondSound);
    // A click from code or a key: glow, click sound, Clicked.
    int SimulateClick();
    int FixedGlowOnMOActivate();
    int SetFixedGlowOnMO(float level, float fadeSpeed, int keepMouseOverImage);
    int SetAutoGlow(float minimum, float maximum, float degreesPerTick, int onMouseOver);
    int SetupScaleOnMO(float maximum, float upSpeed, float downSpeed);
    int SetBoundingBox(int x1, int y1, int x2OrWidth, int y2OrHeight, int corners);
    int SetBoundingBoxAuto(float scaleX, float scaleY);
    int SetupCaption(const std::string& text, const platform::ImageFontRef& font, const TColorRef& color,
                     const TShadowRef& shadow, const TBitmapFontRef& bitmapFont,
                     const TColorRef& inverseColor);
    int SetupCaptionDown(const TColorRef& color, float scale, float offsetX, float offsetY);
    int SetupMouseRepeat(int initialDelayMs, int repeatDelayMs);
    int PlayMouseOver();
    int PlayClick();
    int PlayClick2();
    int Precache();
    // The pressed, hovered, normal or disabled look with its shadow, glow and caption; 1 when drawn.
    int Draw() override;
    int DrawCaption();

private:
    bool PointerOver() const;
    void PlaySound(const TGameSoundRef& sound, platform::ChannelRef& ownChannel);
    void DrawLook(const TGameImageRef& look, int lookFrame, const TGameImageRef& glowImage, bool glow);
    void DrawPressedCaption();
};

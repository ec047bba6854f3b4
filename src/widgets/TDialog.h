// The base of the modal dialogs: a box (a rectangle in the dialog colour, or a background
// picture) with a caption, an optional text header, header sprite and two pictures, and a menu of
// buttons. While open it holds Game.IgnoreEscapeKey, so the core hands Escape on to it. It can
// slide in and out from a screen edge, fade, and dim the screen behind it. Its owner calls Start,
// then Manage every tick and Draw every frame, and Kill once Manage answers non-zero.
// Building takes two steps (Init, then the subclass's MenuCreate) so that the overrides take effect
// inside the base's own steps.
#pragma once

#include "framework/TColor.h"
#include "framework/TFont.h"
#include "media/TAnimation.h"
#include "media/TGameChannel.h"
#include "media/TGameImage.h"
#include "media/TGameSound.h"
#include "media/TSprite.h"
#include "platform/image.h"
#include "widgets/TLabel.h"
#include "widgets/TMenu.h"

#include <memory>
#include <string>

class TDialog;
using TDialogRef = std::shared_ptr<TDialog>;

class TDialog {
public:
    TLabelRef Caption;
    platform::ImageRef Background; // when set, the dialog is this picture and takes its size
    int Active = 0;
    int Disabled = 0; // the menu takes no input, only its fixed glows run
    TShadowRef Shadow;
    int DrawHighlight = 1;
    int w = 0, h = 0;
    int x = 0, y = 0;
    int Border = 20; // inner margin, pixels
    TColorRef DialogColor;
    TMenuRef Menu;
    int MenuShow = 1;
    int Centre = 1;
    int FixedWidth = 0; // keeps w and wraps the caption to it
    int WordWrapWidth = 0;
    int ReenableEscapeKey = 1; // Finalise gives the Escape flag back
    int OldIgnoreEscapeKey = 0;
    int CallPreCalcWordWrap = 1;
    int CaptionOX = 0, CaptionOY = 0; // either non-zero: the caption's place
    int CaptionOffsetX = 0, CaptionOffsetY = 0;
    int CaptionCentreVert = 0;
    int MenuOX = 0, MenuOY = 0; // either non-zero: the menu's top-left corner
    TSpriteRef Header;
    std::string Ext = ".png";
    TLabelRef TextHeader;
    TGameImageRef Picture;
    int PictureX = 0, PictureY = 0;
    float PictureScale = 1.0f, PictureAngle = 0.0f;
    TShadowRef PictureShadow;
    TGameImageRef Picture2;
    int Picture2X = 0, Picture2Y = 0;
    float Picture2Scale = 1.0f, Picture2Angle = 0.0f;
    TShadowRef Picture2Shadow;
    TAnimationRef TransitionIn, TransitionOut;
    int Transitioning = 0; // 0 none, 1 opening, 2 closing
    float DimBackground = 0.0f;
    int FadeDialog = 0;
    int CloseResultTemp = 0;
    int CloseResult = 0;
    TGameChannelRef FadeChannel;
    int Slide = 0; // 0 none, 1 top, 2 right, 3 bottom, 4 left, 5 one of them at random
    int SlideSine = 0;
    int SlideExtra = 0;
    float OffsetX = 0.0f, OffsetY = 0.0f;
    float Alpha = 1.0f;
    TGameSoundRef ActivateSound, SlideInSound, SlideOutSound;

    virtual ~TDialog() = default;
    // A white caption without a font, the box colour and the geometry; computes nothing.
    virtual int Init(const std::string& caption, const platform::ImageRef& background, int width, int height,
                     int atX, int atY);
    // Lays out, takes Escape, and opens with a fresh result.
    virtual int Start();
    virtual int SetupCaption(const platform::ImageFontRef& font, const TColorRef& color,
                             const TShadowRef& shadow, const TBitmapFontRef& bitmapFont);
    virtual int SetupTextHeader(const std::string& text, const platform::ImageFontRef& font,
                                const TColorRef& color, const TShadowRef& shadow,
                                const TBitmapFontRef& bitmapFont, int atX, int atY, int centreVertically);
    virtual int SetSlide(int slide, int sine);
    virtual int SetTransitions(int inMs, int outMs, float dim, int fade, int slide, int sine);
    virtual int CalcAll();
    virtual int CalcSize();
    virtual int CalcXY();
    virtual int CalcOffset();
    virtual int CaptionGetCentredX();
    virtual int HeaderLoad(const std::string& file, float atX, float atY);
    virtual int SetLabelsXY();
    virtual int MenuPosition();
    virtual int MenuGetCentredX();
    // The base answers whether the dialog is active; subclasses answer their close result.
    virtual int Manage();
    virtual int ManageCore();
    // 1 in the tick the closing transition ends.
    virtual int ManageTransitions();
    virtual int Draw();
    virtual int SetAlphas(float alpha);
    virtual int SetWordWrap(int width);
    virtual int DoDrawHighlight(float alpha);
    // The result at once, or 0 while a closing transition runs.
    virtual int Close(int result);
    virtual int Finalise();
    // Closes an active dialog first, so that the Escape flag goes back.
    virtual int Kill();

protected:
    // A drawn box grows to hold the caption, gap pixels and the menu's row, a border above and below.
    void FitHeightToMenuRow(int gap);
    // Lays out, puts the menu's row centred on the box's bottom border (or at MenuOX, MenuOY) and
    // refreshes its hover states silently.
    int PlaceMenuRow();

private:
    void DrawBox();
    void DrawPicture(const TGameImageRef& picture, int atX, int atY, float scale, float angle,
                     const TShadowRef& shadow);
    void RoundLabels();
};

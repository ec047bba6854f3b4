// The base of every drawn, moving object: a position with velocity and gravity, an image and its
// frame, a frame animation, a scale and a rotation that can change over time, alpha, a colour
// tint, a glow, a drop shadow and one attached sprite. A sprite does nothing by itself: its owner
// calls the managing operations once per logic tick and Draw once per frame. Every change over
// time advances by Delta; durations in ms become ticks once, truncated.
#pragma once

#include "framework/TColor.h"
#include "framework/TSineCounter.h"
#include "media/TGameImage.h"

#include <functional>
#include <memory>
#include <string>

class TSprite;
using TSpriteRef = std::shared_ptr<TSprite>;

class TSprite : public std::enable_shared_from_this<TSprite> {
public:
    std::string name;
    int active = 0; // free for owners
    int visible = 1;
    float x = 0.0f, y = 0.0f;       // where the image handle lands
    float offx = 0.0f, offy = 0.0f; // added when UseOffset is on
    int UseOffset = 0;
    float dx = 0.0f, dy = 0.0f; // pixels per tick
    float xspeed = 0.0f, yspeed = 0.0f;
    float speed = 0.0f; // along the rotation, for MoveForward
    float xgravity = 0.0f, ygravity = 0.0f;
    int w = 0, h = 0;
    float w2 = 0.0f, h2 = 0.0f;
    TGameImageRef image;
    int RoundCoords = 0;
    int ImageFrame = 0; // drawn while no animation runs
    TColorRef Color;    // tint; its alpha is ignored
    int MouseOver = 0;  // free for owners
    int Shadow = 0;
    float ShadowX = 3.0f, ShadowY = 3.0f;
    float ShadowAlpha = 0.5f; // times Alpha
    int frame = 0;            // as last computed by ManageAnim
    int FramesTotal = 1;      // below 2 the animation does not run
    float AnimCounter = 0.0f; // the animation clock, ticks
    int AnimLength = 1000;    // ticks
    int AnimCounterDir = 0;   // 0: the clock runs down; 1: up
    int AnimReverse = 0;      // 1: the clock runs the other way
    int PingPong = 0;
    float FrameLength = 0.0f; // ticks per frame
    int Loop = 1;
    int LoopCount = 0; // above 0: loops left before the animation stops
    float ScaleX = 1.0f, ScaleY = 1.0f;
    float BaseScaleX = 1.0f, BaseScaleY = 1.0f;
    float ScaleXSpeed = 0.1f, ScaleYSpeed = 0.1f;
    float ScaleCounter = 0.0f;
    int ScaleLength = 1000;
    float Rotation = 0.0f; // degrees
    float RotationSpeed = 1.0f;
    float RotationCounter = 0.0f;
    int RotationLength = 1000;
    int RotationLoop = 0;
    int UseAlpha = 1;
    float Alpha = 1.0f;
    int GlowMode = 0; // 0 none, 2 decaying, 3 pulsing, other positive values fixed
    float Glow = 0.0f;
    float GlowSpeed = 0.0f;
    float GlowMin = 0.0f;
    float GlowMax = 1.0f;
    float GlowRange = 1.0f;
    TSineCounterRef GlowCounter = std::make_shared<TSineCounter>();
    TGameImageRef AlternativeImage; // drawn instead of image when set
    TSineCounterRef MiscSineCounter;
    float cx = 0.0f, cy = 0.0f;
    std::function<int(TSprite&)> AnimStoppedFunction;
    float ox = 0.0f, oy = 0.0f;
    std::weak_ptr<TSprite> AttachedSprite; // carried along, never owned
    int KillAttachedSprite = 1;

    virtual ~TSprite() = default;

    static TSpriteRef Create(const TGameImageRef& image, float x, float y);
    static TSpriteRef CreateFromFile(const std::string& file, float x, float y, int centre, int flags);

    int AnimBoundsCheckLower();
    int AnimBoundsCheckUpper();
    int BoundsCheck();
    int Centre();
    int CentreX(int y);
    int ClearRotation();
    int ClearScale();
    int ClearTransformations();
    int DoDraw();
    virtual int Draw();
    int DrawLight(float level, float r, float g, float b, const TGameImageRef& image);
    int DrawNormal();
    int DrawRounded();
    int DrawShadow(const TGameImageRef& image, int frame, int scrolled);
    int DrawWithOffset();
    int GetAnimFrame() const;
    int GetSize();
    float Height() const;
    virtual int Init();
    virtual int Kill();
    int ManageAnim();
    int ManageGlow();
    int ManageRotation();
    int ManageScale();
    virtual int Move();
    int MoveAttachedSprite();
    int MoveDown();
    int MoveForward();
    int MoveLeft();
    int MoveOriginalCoords();
    int MoveRight();
    int MoveUp();
    int OutOfBounds() const;
    int RandomiseAnimPos();
    int ScaleOriginalCoords();
    int SetGlow(int mode, float level, float speed, float lowest, float highest);
    int SetImage(const TGameImageRef& image);
    int SetName(const std::string& name);
    int SetPosition(float x, float y);
    int SetScaleXY(float x, float y);
    int SetShadow(int on, float sx, float sy, float alpha);
    int SetupAnim(int frames, int ms, int dir, int reverse, int randomStart, int pingPong, int loop);
    int SetupRotation(float speed, int ms, int loop, int randomStart);
    int SetupScale(float xspeed, float yspeed, int ms);
    int Stop();
    int StopAnim();
    int StoreCentreCoords();
    int StoreOriginalCoords();
    float Width() const;
    // The picture drawn: the alternative image when set.
    const TGameImageRef& DrawnImage() const { return AlternativeImage ? AlternativeImage : image; }

protected:
    // The frame drawn now: from the clock while it runs above 0, else ImageFrame.
    int DrawFrame() const;
    void ApplyTransform() const;
    void RestoreTransform() const;
    // The drawn image at (px, py), its shadow first.
    void DrawImageAt(float px, float py, int scrolled);
    int AnimEnded();
};

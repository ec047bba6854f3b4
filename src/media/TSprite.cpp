#include "media/TSprite.h"

#include "core/TGame.h"
#include "framework/cc_numbers.h"
#include "framework/cc_timing.h"
#include "framework/core_services.h"
#include "platform/draw.h"
#include "platform/random.h"
#include "platform/text.h"

#include <cmath>

namespace {

float GameScrollX() {
    return Game ? Game->ScrollX : 0.0f;
}
float GameScrollY() {
    return Game ? Game->ScrollY : 0.0f;
}

} // namespace

TSpriteRef TSprite::Create(const TGameImageRef& image, float x, float y) {
    auto sprite = std::make_shared<TSprite>();
    sprite->SetImage(image);
    sprite->SetPosition(x, y);
    return sprite;
}

TSpriteRef TSprite::CreateFromFile(const std::string& file, float x, float y, int centre, int flags) {
    std::string folder = Game ? Game->ImagePath : "";
    TSpriteRef sprite = Create(TGameImage::Create(folder + file + ".png", flags, 1), x, y);
    if (centre) sprite->SetPosition(float(ScreenWidth / 2), float(ScreenHeight / 2));
    return sprite;
}

// ---- frame animation ------------------------------------------------------------------------

int TSprite::AnimEnded() {
    if (AnimStoppedFunction) AnimStoppedFunction(*this);
    return 1;
}

int TSprite::AnimBoundsCheckLower() {
    if (AnimCounter > 0.0f) return 0;
    if (PingPong) {
        AnimCounter = -AnimCounter + FrameLength;
        AnimReverse = 1;
        if (AnimCounter == 0.0f) AnimCounter = 0.01f;
        return 1;
    }
    if (Loop) {
        if (LoopCount > 0 && --LoopCount == 0) {
            Loop = 0;
            AnimCounter = 0.01f;
            return 1;
        }
        AnimCounter += float(AnimLength);
        return AnimEnded();
    }
    // Stays just above 0, so the end frame is still drawn from the clock.
    AnimCounter = 0.01f;
    return AnimEnded();
}

int TSprite::AnimBoundsCheckUpper() {
    if (AnimCounter < float(AnimLength)) return 0;
    if (PingPong) {
        AnimCounter = float(AnimLength) - (AnimCounter - float(AnimLength)) - FrameLength;
        AnimReverse = 0;
        return 1;
    }
    if (Loop) {
        if (LoopCount > 0 && --LoopCount == 0) {
            Loop = 0;
            AnimCounter = float(AnimLength);
            return 1;
        }
        AnimCounter -= float(AnimLength);
        return AnimEnded();
    }
    AnimCounter = float(AnimLength);
    return AnimEnded();
}

int TSprite::GetAnimFrame() const {
    return ccCalcAnimFrame(AnimCounter, AnimLength, FramesTotal, AnimCounterDir);
}

int TSprite::ManageAnim() {
    if (FramesTotal < 2) return 0;
    bool down = AnimCounterDir == 1 ? AnimReverse != 0 : AnimReverse == 0;
    int handled;
    if (down) {
        AnimCounter -= Delta;
        handled = AnimBoundsCheckLower();
    } else {
        AnimCounter += Delta;
        handled = AnimBoundsCheckUpper();
    }
    frame = GetAnimFrame();
    return handled;
}

int TSprite::RandomiseAnimPos() {
    AnimCounter = float(platform::Rnd(0.01, AnimLength));
    return 0;
}

int TSprite::SetupAnim(int frames, int ms, int dir, int reverse, int randomStart, int pingPong, int loop) {
    frame = 0;
    FramesTotal = frames;
    AnimLength = TruncToInt(CalcAnimLength(ms));
    AnimCounterDir = dir;
    AnimReverse = reverse;
    PingPong = pingPong;
    // No frames, no frame length (the animation does not run below 2 frames anyway).
    FrameLength = frames < 1 ? 0.0f : float(AnimLength) / float(frames);
    Loop = loop;
    if (randomStart) return RandomiseAnimPos();
    bool startAtEnd = (dir == 0) ? reverse == 0 : reverse != 0;
    if (startAtEnd) {
        AnimCounter = float(AnimLength);
    } else {
        AnimCounter = (dir == 0) ? 0.01f : 0.0f;
    }
    return 0;
}

int TSprite::StopAnim() {
    AnimCounter = 0.0f;
    FramesTotal = 1;
    return 0;
}

// ---- motion ---------------------------------------------------------------------------------

int TSprite::BoundsCheck() {
    if (x < w2) x = w2;
    if (x > float(ScreenWidth) - w2) x = float(ScreenWidth) - w2;
    if (y < h2) y = h2;
    if (y > float(ScreenHeight) - h2) y = float(ScreenHeight) - h2;
    return 0;
}

int TSprite::Move() {
    x += dx * Delta;
    y += dy * Delta;
    if (xgravity != 0.0f) dx += xgravity * Delta;
    if (ygravity != 0.0f) dy += ygravity * Delta;
    return 0;
}

int TSprite::MoveOriginalCoords() {
    ox += dx * Delta;
    oy += dy * Delta;
    if (xgravity != 0.0f) dx += xgravity * Delta;
    if (ygravity != 0.0f) dy += ygravity * Delta;
    return 0;
}

int TSprite::MoveAttachedSprite() {
    if (TSpriteRef attached = AttachedSprite.lock()) {
        attached->x += dx * Delta;
        attached->y += dy * Delta;
    }
    return 0;
}

int TSprite::MoveForward() {
    dx = SinDeg(Rotation) * speed;
    dy = -CosDeg(Rotation) * speed;
    return Move();
}

int TSprite::MoveDown() {
    y += yspeed * Delta;
    return BoundsCheck();
}

int TSprite::MoveLeft() {
    x -= xspeed * Delta;
    return BoundsCheck();
}

int TSprite::MoveRight() {
    x += xspeed * Delta;
    return BoundsCheck();
}

int TSprite::MoveUp() {
    y -= yspeed * Delta;
    return BoundsCheck();
}

int TSprite::OutOfBounds() const {
    // Without an image the sprite counts as top-left handled (its size is then 0).
    if (image && image->midhandled)
        return (x < -w2 || x > float(ScreenWidth) + w2 || y < -h2 || y > float(ScreenHeight) + h2) ? 1 : 0;
    return (x < float(-w) || x > float(ScreenWidth) || y < float(-h) || y > float(ScreenHeight)) ? 1 : 0;
}

int TSprite::Stop() {
    dx = dy = 0.0f;
    return 0;
}

// ---- scale, rotation, glow ------------------------------------------------------------------

int TSprite::ManageScale() {
    if (ScaleCounter > 0.0f) {
        ScaleCounter -= Delta;
        ScaleX += ScaleXSpeed * Delta;
        ScaleY += ScaleYSpeed * Delta;
    }
    return 0;
}

int TSprite::ManageRotation() {
    if (RotationLoop) {
        Rotation += RotationSpeed * Delta;
        if (Rotation >= 360.0f) {
            Rotation -= 360.0f;
        } else if (Rotation < 0.0f) {
            Rotation += 360.0f;
        }
    } else if (RotationCounter > 0.0f) {
        RotationCounter -= Delta;
        Rotation += RotationSpeed * Delta;
    }
    return 0;
}

int TSprite::ManageGlow() {
    if (GlowMode == 2) {
        if (Glow > 0.0f) {
            Glow -= GlowSpeed * Delta;
            if (Glow <= 0.0f) Glow = 0.0f;
        }
    } else if (GlowMode == 3) {
        GlowCounter->Manage();
        Glow = GlowMin + GlowRange * std::fabs(GlowCounter->ratio);
    }
    return 0;
}

int TSprite::SetGlow(int mode, float level, float glowSpeed, float lowest, float highest) {
    GlowMode = mode;
    Glow = level;
    GlowSpeed = glowSpeed;
    GlowMin = lowest;
    GlowMax = highest;
    GlowRange = highest - lowest;
    if (mode == 3) GlowCounter->Init(0.0f, 360.0f, glowSpeed, 0);
    return 0;
}

int TSprite::SetupRotation(float rotationSpeed, int ms, int loop, int randomStart) {
    RotationSpeed = rotationSpeed;
    if (loop) {
        RotationLoop = 1;
        if (randomStart) Rotation = float(platform::Rnd(0.0, 360.0));
    } else {
        RotationLength = TruncToInt(CalcAnimLength(ms));
        RotationCounter = float(RotationLength);
    }
    return 0;
}

int TSprite::SetupScale(float xspeed_, float yspeed_, int ms) {
    ScaleXSpeed = xspeed_;
    ScaleYSpeed = yspeed_;
    ScaleLength = TruncToInt(CalcAnimLength(ms));
    ScaleCounter = float(ScaleLength);
    return 0;
}

// ---- drawing --------------------------------------------------------------------------------

int TSprite::DrawFrame() const {
    if (AnimCounter > 0.0f && FramesTotal > 0) return GetAnimFrame();
    return ImageFrame;
}

void TSprite::ApplyTransform() const {
    platform::SetScale(BaseScaleX * ScaleX, BaseScaleY * ScaleY);
    platform::SetRotation(Rotation);
    if (UseAlpha) platform::SetAlpha(Alpha);
}

void TSprite::RestoreTransform() const {
    platform::SetScale(1.0f, 1.0f);
    platform::SetRotation(0.0f);
    if (UseAlpha) platform::SetAlpha(1.0f);
}

int TSprite::DoDraw() {
    if (!visible) return 0;
    ApplyTransform();
    if (Color) Color->ApplyNoAlpha();
    if (RoundCoords) {
        DrawRounded();
    } else {
        DrawNormal();
    }
    RestoreTransform();
    if (Color) platform::SetColor(255, 255, 255);
    return 0;
}

int TSprite::Draw() {
    DoDraw();
    if (GlowMode > 0) DrawLight(Glow, 1.0f, 1.0f, 1.0f, nullptr);
    return 0;
}

void TSprite::DrawImageAt(float px, float py, int scrolled) {
    const TGameImageRef& drawn = DrawnImage();
    if (!drawn || !drawn->image) return; // nothing to draw without an image
    int f = DrawFrame();
    DrawShadow(drawn, f, scrolled);
    platform::DrawImage(drawn->image, px, py, f);
}

int TSprite::DrawNormal() {
    DrawImageAt(UseOffset ? x + offx : x, UseOffset ? y + offy : y, 0);
    return 0;
}

int TSprite::DrawRounded() {
    float px = UseOffset ? x + offx : x, py = UseOffset ? y + offy : y;
    DrawImageAt(std::floor(px + 0.5f), std::floor(py + 0.5f), 0);
    return 0;
}

int TSprite::DrawShadow(const TGameImageRef& shadowImage, int shadowFrame, int scrolled) {
    if (!Shadow || !shadowImage || !shadowImage->image) return 0;
    int r, g, b;
    platform::GetColor(r, g, b);
    platform::SetColor(0, 0, 0);
    platform::SetAlpha(ShadowAlpha * Alpha);
    float px = x + ShadowX, py = y + ShadowY;
    if (UseOffset) {
        px += offx;
        py += offy;
    }
    if (scrolled) {
        px -= GameScrollX();
        py -= GameScrollY();
    }
    platform::DrawImage(shadowImage->image, px, py, shadowFrame);
    if (Color) {
        Color->ApplyNoAlpha();
    } else {
        platform::SetColor(r, g, b);
    }
    platform::SetAlpha(Alpha);
    return 0;
}

int TSprite::DrawWithOffset() {
    ApplyTransform();
    float px = x - GameScrollX(), py = y - GameScrollY();
    if (UseOffset) {
        px += offx;
        py += offy;
    }
    DrawImageAt(px, py, 1);
    RestoreTransform();
    return 0;
}

int TSprite::DrawLight(float level, float r, float g, float b, const TGameImageRef& lightImage) {
    if (!visible) return 0;
    platform::SetBlend(platform::BLEND_LIGHT);
    float v = level * 255.0f;
    platform::SetColor(TruncToInt(v * r), TruncToInt(v * g), TruncToInt(v * b));
    // The sprite's own alternative image comes back after the pass.
    TGameImageRef own = AlternativeImage;
    if (lightImage) AlternativeImage = lightImage;
    DoDraw();
    AlternativeImage = own;
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetColor(255, 255, 255);
    return 1;
}

// ---- the rest -------------------------------------------------------------------------------

int TSprite::Centre() {
    if (image) image->MidHandle(1);
    x = float(ScreenWidth / 2);
    y = float(ScreenHeight / 2);
    return 0;
}

int TSprite::CentreX(int atY) {
    if (image) image->MidHandle(1);
    x = float(ScreenWidth / 2);
    y = float(atY);
    return 0;
}

int TSprite::ClearRotation() {
    Rotation = 0.0f;
    return 0;
}

int TSprite::ClearScale() {
    ScaleX = ScaleY = 1.0f;
    return 0;
}

int TSprite::ClearTransformations() {
    ClearScale();
    return ClearRotation();
}

int TSprite::GetSize() {
    if (!image) return 0;
    w = image->w;
    h = image->h;
    w2 = image->w2;
    h2 = image->h2;
    return 0;
}

float TSprite::Height() const {
    return float(h) * ScaleY;
}

float TSprite::Width() const {
    return float(w) * ScaleX;
}

int TSprite::Init() {
    return 0;
}

int TSprite::Kill() {
    // The link goes first, so two sprites attached to each other do not kill each other for ever.
    TSpriteRef attached = AttachedSprite.lock();
    AttachedSprite.reset();
    if (attached && KillAttachedSprite == 1) attached->Kill();
    return 0;
}

int TSprite::ScaleOriginalCoords() {
    x = ox * BaseScaleX;
    y = oy * BaseScaleY;
    return 0;
}

int TSprite::SetImage(const TGameImageRef& newImage) {
    image = newImage;
    return GetSize();
}

int TSprite::SetName(const std::string& newName) {
    name = platform::Upper(newName);
    return 0;
}

int TSprite::SetPosition(float newX, float newY) {
    x = newX;
    y = newY;
    return 0;
}

int TSprite::SetScaleXY(float sx, float sy) {
    ScaleX = sx;
    ScaleY = sy == 0.0f ? sx : sy;
    return 0;
}

int TSprite::SetShadow(int on, float sx, float sy, float alpha) {
    Shadow = on;
    ShadowX = sx;
    ShadowY = sy;
    ShadowAlpha = alpha;
    return 0;
}

int TSprite::StoreCentreCoords() {
    cx = x;
    cy = y;
    return 0;
}

int TSprite::StoreOriginalCoords() {
    ox = x;
    oy = y;
    return 0;
}

#include "media/TParticle.h"

#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "media/TParticleGenerator.h"
#include "media/TParticleList.h"
#include "platform/draw.h"

int TParticlePhase::SetFade(int fadeInMs, int sustainMs, int fadeOutMs) {
    FadeInMS = float(fadeInMs);
    FadeSustainMS = float(sustainMs);
    FadeMS = float(fadeOutMs);
    return 0;
}

TParticleRef TParticle::CreateSpecial(const TGameImageRef& image, float x, float y, float dx, float dy,
                                      float ygravity, float fade, int lightBlend, int rotate,
                                      float rotationSpeed, float scale, float scaleSpeed, int life) {
    auto p = std::make_shared<TParticle>();
    p->SetImage(image);
    p->x = x;
    p->y = y;
    p->dx = dx;
    p->dy = dy;
    if (life > 0) p->LifeCounter = CalcAnimLength(life);
    // The fade-out starts at once.
    p->FadeLength = CalcAnimLength(TruncToInt(fade));
    p->FadeCounter = p->FadeLength;
    p->DoLightBlend = lightBlend;
    if (p->FadeCounter > 0.0f) p->UseAlpha = 1;
    p->ygravity = ygravity;
    p->DoRotate = rotate;
    p->RotationSpeed = rotationSpeed;
    p->ScaleX = p->ScaleY = scale;
    if (scaleSpeed != 0.0f) {
        p->ScaleXSpeed = p->ScaleYSpeed = scaleSpeed;
        p->DoScale = 1;
    }
    p->active = 1;
    return p;
}

int TParticle::SetDelay(int ms) {
    DelayCounter = CalcAnimLength(ms);
    return 0;
}

TParticlePhaseRef TParticle::AddPhase(int ms) {
    if (!PhaseList) PhaseList = std::make_shared<platform::TList<TParticlePhase>>();
    auto phase = std::make_shared<TParticlePhase>();
    phase->Length = CalcAnimLength(ms);
    PhaseList->AddLast(phase);
    return phase;
}

int TParticle::StartPhases() {
    if (PhaseList && !PhaseList->IsEmpty()) ApplyPhase(PhaseList->First());
    return 0;
}

int TParticle::ApplyPhase(const TParticlePhaseRef& phase) {
    PhaseCounter = 0.0f;
    CurrentPhase = phase;
    Hidden = phase->Hidden;
    dx = phase->dx;
    dy = phase->dy;
    if (phase->SetCoords == 1) {
        x = phase->SetX;
        y = phase->SetY;
    }
    xgravity = phase->xgravity;
    ygravity = phase->ygravity;
    SetFade(TruncToInt(phase->FadeInMS), TruncToInt(phase->FadeSustainMS), TruncToInt(phase->FadeMS));
    DoRotate = phase->DoRotate;
    RotationSpeed = phase->RotationSpeed;
    DoScale = phase->DoScale;
    ScaleXSpeed = ScaleYSpeed = phase->ScaleSpeed;
    if (phase->Scale != 0.0f) ScaleX = ScaleY = phase->Scale;
    if (phase->Alpha != -1) Alpha = float(phase->Alpha);
    if (phase->SetAngle != 0) Rotation = phase->Angle;
    return 0;
}

int TParticle::SetFade(int fadeInMs, int sustainMs, int fadeOutMs) {
    if (fadeInMs > 0) {
        FadeIn = 1.0f;
        UseAlpha = 1;
        Alpha = 0.0f;
    } else {
        FadeIn = 0.0f;
    }
    FadeInLength = CalcAnimLength(fadeInMs);
    FadeSustainCounter = CalcAnimLength(sustainMs);
    FadeLength = CalcAnimLength(fadeOutMs);
    if (fadeInMs > 0) {
        FadeCounter = 0.0f;
    } else {
        FadeCounter = FadeLength;
        UseAlpha = 1;
    }
    return 0;
}

int TParticle::ManagePhases() {
    // Phases that were never started have nothing to advance.
    if (!CurrentPhase || !PhaseList) return 0;
    PhaseCounter += Delta;
    if (PhaseCounter < CurrentPhase->Length) return 0;
    TParticlePhaseRef ending = CurrentPhase;
    if (ending->UserFunction) ending->UserFunction(*this);
    platform::TLink<TParticlePhase>* at = PhaseList ? PhaseList->FindLink(ending) : nullptr;
    platform::TLink<TParticlePhase>* next = at ? at->NextLink() : nullptr;
    if (!next) return -1;
    ApplyPhase(next->Value());
    return 1;
}

int TParticle::KillPhases() {
    if (PhaseList) PhaseList->Clear();
    PhaseList = nullptr;
    CurrentPhase = nullptr;
    PhaseCounter = 0.0f;
    return 0;
}

// Step 1 of Move: true while the delay still runs (the tick ends there).
bool TParticle::DelayStep() {
    if (DelayCounter <= 0.0f) return false;
    DelayCounter -= Delta;
    if (DelayCounter > 0.0f) {
        Hidden = 1;
        return true;
    }
    DelayCounter = 0.0f;
    Hidden = 0;
    if (PhaseList) StartPhases();
    if (DelayFinished) DelayFinished(*this);
    return false;
}

void TParticle::DestinationStep() {
    if (!DestinationReached) return;
    bool xReached = (dx <= 0.0f && x <= float(DestX)) || (dx > 0.0f && x >= float(DestX));
    bool yReached = (dy <= 0.0f && y <= float(DestY)) || (dy > 0.0f && y >= float(DestY));
    if (xReached && yReached) DestinationReached(*this);
}

// Exactly one stage per tick: fade-in, sustain or fade-out.
void TParticle::FadeStep() {
    if (FadeIn != 0.0f) {
        FadeCounter += Delta;
        if (FadeCounter >= FadeInLength) {
            FadeCounter = FadeLength;
            FadeIn = 0.0f;
            Alpha = 1.0f;
        }
    } else if (FadeSustainCounter > 0.0f) {
        FadeSustainCounter -= Delta;
        if (FadeSustainCounter <= 0.0f) {
            FadeSustainCounter = 0.0f;
            FadeCounter = FadeLength;
        }
    } else if (FadeCounter > 0.0f) {
        FadeCounter -= Delta;
        if (FadeCounter <= 0.0f) {
            Alpha = 0.0f;
            if (KillOnFade == 1) Kill();
        }
    }
}

void TParticle::SpinStep() {
    if (DoRotate > 0) {
        Rotation += RotationSpeed * Delta;
        if (Rotation >= 360.0f) Rotation -= 360.0f;
    } else if (DoRotate < 0) {
        Rotation -= RotationSpeed * Delta;
        if (Rotation < 0.0f) Rotation += 360.0f;
    }
}

int TParticle::Move() {
    if (DelayStep()) return 1;
    if (PhaseList && ManagePhases() == -1) {
        Kill();
        return 0;
    }
    if (UserMove) {
        UserMove(*this);
    } else if (UpdateOriginalCoords != 0) {
        MoveOriginalCoords();
    } else {
        TSprite::Move();
    }
    DestinationStep();
    if (NoOutOfBounds == 0 && OutOfBounds()) {
        Kill();
        return 0;
    }
    // A particle killed by the steps below still finishes the tick.
    FadeStep();
    SpinStep();
    if (DoScale == 1) {
        ScaleX += ScaleXSpeed * Delta;
        ScaleY += ScaleYSpeed * Delta;
        if (ScaleX <= 0.0f || ScaleY <= 0.0f) Kill();
    }
    if (LifeCounter > 0.0f) {
        LifeCounter -= Delta;
        if (LifeCounter <= 0.0f) Kill();
    }
    if (ParticleGenerator) ParticleGenerator->Manage();
    return 1;
}

int TParticle::Draw() {
    if (active == 0 || Hidden == 1) return 0;
    if (FadeCounter > 0.0f) Alpha = FadeIn != 0.0f ? FadeCounter / FadeInLength : FadeCounter / FadeLength;
    if (DoLightBlend == 1) platform::SetBlend(platform::BLEND_LIGHT);
    TSprite::Draw();
    if (DoLightBlend == 1) platform::SetBlend(platform::BLEND_ALPHA);
    return 1;
}

int TParticle::Kill() {
    if (killed) return 0; // a second kill in the same tick, or through an attached particle
    killed = true;
    auto keep = std::static_pointer_cast<TParticle>(weak_from_this().lock()); // outlives its removal
    TSprite::Kill();
    if (UserKill) UserKill(*this);
    active = 0;
    if (Particles) {
        Particles->RemoveLink(link);
        Particles = nullptr;
        link = nullptr;
    }
    ParticleGenerator = nullptr;
    TParticleRef attached = AttachedParticle.lock();
    AttachedParticle.reset();
    if (attached && KillAttachedParticle == 1) attached->Kill();
    DataObject = nullptr;
    return 0;
}

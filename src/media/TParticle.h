// A short-lived sprite: sparkles, snowflakes, ice shards, score numbers, magic dust, the pointer's
// trail. It adds a life time, a three-stage alpha fade (in, sustain, out), spin, growth, a start
// delay, an optional script of timed phases, a destination test and callbacks. A particle lives in
// one TParticleList, which moves and draws it; it leaves that list when it dies.
#pragma once

#include "media/TSprite.h"
#include "platform/TList.h"

#include <functional>
#include <memory>

class TParticle;
class TParticleList;
class TParticleGenerator;
class TParticlePhase;
using TParticleRef = std::shared_ptr<TParticle>;
using TParticlePhaseRef = std::shared_ptr<TParticlePhase>;
using TParticleFunction = std::function<int(TParticle&)>;

// One step of a particle's script, filled by its maker after TParticle::AddPhase.
class TParticlePhase {
public:
    float Length = 0.0f; // ticks
    int Hidden = 0;
    float dx = 0.0f, dy = 0.0f;
    int SetCoords = 0; // 1: the particle jumps to (SetX, SetY) when the phase starts
    float SetX = 0.0f, SetY = 0.0f;
    float xgravity = 0.0f, ygravity = 0.0f;
    float FadeInMS = 0.0f, FadeSustainMS = 0.0f, FadeMS = 0.0f;
    int DoRotate = 0;
    float RotationSpeed = 0.0f;
    int SetAngle = 0;
    float Angle = 0.0f;
    int DoScale = 0;
    float ScaleSpeed = 0.0f;
    float Scale = 0.0f;             // not 0: both scales
    int Alpha = -1;                 // not -1: the particle's alpha (whole values only)
    TParticleFunction UserFunction; // called when the phase ends

    int SetFade(int fadeInMs, int sustainMs, int fadeOutMs);
};

class TParticle : public TSprite {
public:
    TParticleList* Particles = nullptr; // the owning list (not owned by the particle)
    int Hidden = 0;
    float LifeCounter = 0.0f; // ticks left; 0: no limit
    float FadeIn = 0.0f;      // 1.0 while fading in
    float FadeSustainCounter = 0.0f;
    float FadeCounter = 0.0f; // ticks into the fade-in, or left of the fade-out
    float FadeInLength = 0.0f;
    float FadeLength = 0.0f;
    int DoLightBlend = 0;
    int DoRotate = 0; // > 0 clockwise, < 0 the other way
    int DoScale = 0;
    int Data1 = 0, Data2 = 0, Data3 = 0;
    std::shared_ptr<void> DataObject;
    float FloatData1 = 0.0f;
    std::shared_ptr<platform::TList<TParticlePhase>> PhaseList;
    TParticlePhaseRef CurrentPhase;
    float PhaseCounter = 0.0f;
    int NoOutOfBounds = 0;
    int KillOnFade = 1;
    int KillAfterAnim = 0;
    float DelayCounter = 0.0f;
    TParticleFunction DelayFinished;
    int UpdateOriginalCoords = 0;
    TParticleFunction UserMove;
    TParticleFunction DestinationReached;
    int DestX = 0, DestY = 0;
    TParticleFunction UserKill;
    std::shared_ptr<TParticleGenerator> ParticleGenerator;
    std::weak_ptr<TParticle> AttachedParticle; // follows this one's fate, never owned
    int KillAttachedParticle = 1;

    static TParticleRef CreateSpecial(const TGameImageRef& image, float x, float y, float dx, float dy,
                                      float ygravity, float fade, int lightBlend, int rotate,
                                      float rotationSpeed, float scale, float scaleSpeed, int life);
    int SetDelay(int ms);
    TParticlePhaseRef AddPhase(int ms);
    int StartPhases();
    int ApplyPhase(const TParticlePhaseRef& phase);
    int SetFade(int fadeInMs, int sustainMs, int fadeOutMs);
    // -1 after the last phase, 1 when the next one started, 0 otherwise.
    int ManagePhases();
    int KillPhases();
    // One tick; 0 when the script ended or the particle left the screen (it is then killed).
    int Move() override;
    int Draw() override;
    // Ends the particle once; later calls do nothing.
    int Kill() override;
    bool Killed() const { return killed; }

private:
    friend class TParticleList;
    platform::TLink<TParticle>* link = nullptr; // its link in Particles, for removal in O(1)
    bool killed = false;

    bool DelayStep();
    void DestinationStep();
    void FadeStep();
    void SpinStep();
};

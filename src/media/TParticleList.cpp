#include "media/TParticleList.h"

#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "platform/collide.h"

TParticleListRef BackgroundParticles;
TParticleListRef Particles;
TParticleListRef AnimatedParticles;
TParticleListRef Munchkins;
TParticleListRef ScoreParticles;

void MakeParticleLists() {
    for (TParticleListRef* list :
         {&BackgroundParticles, &Particles, &AnimatedParticles, &Munchkins, &ScoreParticles})
        if (!*list) *list = std::make_shared<TParticleList>();
}

TParticleList::~TParticleList() {
    Clear();
}

TParticleRef TParticleList::AddNew(int x, int y, const TGameImageRef& image, float dx, float dy,
                                   float ygravity, float fade, int lightBlend, int rotate,
                                   float rotationSpeed, float scale, float scaleSpeed, int life,
                                   int addFirst) {
    TParticleRef p = TParticle::CreateSpecial(image, float(x), float(y), dx, dy, ygravity, fade, lightBlend,
                                              rotate, rotationSpeed, scale, scaleSpeed, life);
    p->Particles = this;
    p->link = addFirst ? AddFirst(p) : AddLast(p);
    return p;
}

void TParticleList::Clear() {
    for (Link* l = FirstLink(); l; l = l->NextLink()) {
        l->Value()->Particles = nullptr;
        l->Value()->link = nullptr;
    }
    TList::Clear();
}

int TParticleList::Draw() {
    ForEach([](TParticle& p) { p.Draw(); });
    return 0;
}

int TParticleList::Move() {
    ForEach([](TParticle& p) { p.Move(); });
    return 0;
}

int TParticleList::Animate() {
    ForEach([](TParticle& p) {
        if (p.DelayCounter == 0.0f) p.ManageAnim();
    });
    return 0;
}

int TParticleList::Manage() {
    ForEach([](TParticle& p) {
        p.Move();
        if (p.DelayCounter == 0.0f && p.ManageAnim() == 1 && p.KillAfterAnim == 1) p.Kill();
    });
    return 0;
}

int TParticleList::FadeAll(int ms) {
    float length = CalcAnimLength(ms);
    ForEach([length](TParticle& p) {
        p.FadeLength = length;
        p.FadeCounter = length;
        p.UseAlpha = 1;
    });
    return 0;
}

int TParticleList::SetUseAlpha(int flag) {
    ForEach([flag](TParticle& p) { p.UseAlpha = flag; });
    return 0;
}

int TParticleList::SetBaseScale(float sx, float sy) {
    ForEach([sx, sy](TParticle& p) {
        p.BaseScaleX = sx;
        p.BaseScaleY = sy;
    });
    return 0;
}

int TParticleList::EnableUpdateOriginalCoords() {
    ForEach([](TParticle& p) {
        if (p.UpdateOriginalCoords != 0) return;
        p.StoreOriginalCoords();
        p.UpdateOriginalCoords = 1;
    });
    return 0;
}

int TParticleList::ScaleCoords() {
    ForEach([](TParticle& p) { p.ScaleOriginalCoords(); });
    return 0;
}

int TParticleList::AddOffsets(float offsetX, float offsetY) {
    ForEach([offsetX, offsetY](TParticle& p) {
        p.x += offsetX;
        p.y += offsetY;
    });
    return 0;
}

int TParticleList::ProcessScale(float sx, float sy, float offsetX, float offsetY) {
    ForEach([=](TParticle& p) {
        p.BaseScaleX = sx;
        p.BaseScaleY = sy;
        p.x = p.ox * sx + offsetX;
        p.y = p.oy * sy + offsetY;
    });
    return 0;
}

int TParticleList::Collide() {
    ForEach([](TParticle& p) {
        if (p.image && p.image->image)
            platform::CollideImage(p.image->image, TruncToInt(p.x), TruncToInt(p.y), 0, 0, 1, &p);
    });
    return 0;
}

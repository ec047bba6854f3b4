#include "media/TParticleList.h"

#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "platform/collide.h"
#include "platform/draw.h"

#include <algorithm>
#include <vector>

TParticleListRef BackgroundParticles;
TParticleListRef Particles;
TParticleListRef AnimatedParticles;
TParticleListRef Munchkins;
TParticleListRef ScoreParticles;

namespace {

// Whether the particle's draws all go through the light blend, which adds to each pixel what the
// draw brings, clamped at full: such particles drawn in a row give the same pixels in any order.
// Without a shadow such a particle leaves the default drawing state as it found it.
bool OnlyAddsLight(const TParticle& p) {
    return p.DoLightBlend == 1 && p.Shadow == 0;
}

bool DefaultDrawState() {
    int r, g, b;
    float sx, sy;
    platform::GetColor(r, g, b);
    platform::GetScale(sx, sy);
    return r == 255 && g == 255 && b == 255 && platform::GetAlpha() == 1.0f &&
           platform::GetBlend() == platform::BLEND_ALPHA && sx == 1.0f && sy == 1.0f &&
           platform::GetRotation() == 0.0f;
}

// A run of particles that only add light, drawn picture by picture (in the order the pictures
// first come) so that the renderer batches each picture's particles; in list order when the
// drawing state is not the default, which a particle might then change for the next.
void DrawLightRun(const std::vector<TParticle*>& run) {
    if (run.size() < 2 || !DefaultDrawState()) {
        for (TParticle* p : run)
            p->Draw();
        return;
    }
    std::vector<const TGameImage*> pictures;
    for (const TParticle* p : run)
        if (std::find(pictures.begin(), pictures.end(), p->DrawnImage().get()) == pictures.end())
            pictures.push_back(p->DrawnImage().get());
    for (const TGameImage* picture : pictures)
        for (TParticle* p : run)
            if (p->DrawnImage().get() == picture) p->Draw();
}

} // namespace

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
    std::vector<TParticle*> run;
    ForEach([&run](TParticle& p) {
        if (OnlyAddsLight(p)) {
            run.push_back(&p);
            return;
        }
        DrawLightRun(run);
        run.clear();
        p.Draw();
    });
    DrawLightRun(run);
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

#include "board/board_particles.h"

#include "board/TBoardHost.h"
#include "board/board_random.h"
#include "core/TGame.h"
#include "framework/TColor.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "media/TParticleList.h"

TGameImageRef ParticleImages[PARTICLE_IMAGES];
TGameImageRef ScoreParticleImages[SCORE_PARTICLE_IMAGES];
TGameImageRef PointerParticle;

namespace {

// Particle lists take whole pixels; positions truncate toward zero.
int ToPixel(float v) {
    return TruncToInt(v);
}
// A board draw between a and b, as the particles' float fields hold it.
float RandomBetween(double a, double b) {
    return float(BoardRnd(a, b));
}

TColorRef RandomTint() {
    int r = BoardRand(100, 255);
    int g = BoardRand(100, 255);
    int b = BoardRand(100, 255);
    return TColor::Create(r, g, b, 1.0f);
}

// One particle of the unlock or sparkle burst: spin direction, then one of four pictures with
// its own scale range.
TParticleRef SnowBurstParticle(float x, float y, double speedX, double speedUp, float gravity) {
    int spin = BoardRand(0, 1) == 0 ? -1 : 1;
    static const int slots[4] = {4, 5, 14, 15};
    static const double scaleLow[4] = {0.3, 0.3, 0.5, 0.8};
    static const double scaleHigh[4] = {1.2, 0.8, 1.2, 1.2};
    int pick = BoardRand(0, 3);
    float dx = RandomBetween(-speedX, speedX);
    float dy = RandomBetween(-speedUp, 0.0);
    float turn = RandomBetween(0.5, 3.0);
    float scale = RandomBetween(scaleLow[pick], scaleHigh[pick]);
    return Particles->AddNew(ToPixel(x), ToPixel(y), ParticleImages[slots[pick]], dx, dy, gravity, 1000.0f, 1,
                             spin, turn, scale, 0.0f, 0, 0);
}

} // namespace

int ParticleCount(int n) {
    int setting = Game ? Game->Particles : 100;
    return int(float(n) * float(setting) / 100.0f);
}

int GaugeParticleMake(float x, float y) {
    if (!Particles) return 0;
    float turn = RandomBetween(0.2, 0.8);
    float scale = RandomBetween(0.2, 0.8);
    Particles->AddNew(ToPixel(x), ToPixel(y), ParticleImages[5], 0.0f, 0.0f, 0.0f, 1000.0f, 1, 1, turn, scale,
                      0.0f, 0, 0);
    return 0;
}

int UnlockParticlesMake(float x, float y, int n) {
    if (!Particles) return 0;
    for (int i = ParticleCount(n); i > 0; --i)
        SnowBurstParticle(x, y, 1.8, 1.5, 0.01f);
    return 0;
}

int SparkleParticlesMake(float x, float y, int n) {
    if (!Particles) return 0;
    for (int i = ParticleCount(n); i > 0; --i) {
        TParticleRef p = SnowBurstParticle(x, y, 1.0, 1.0, 0.02f);
        p->Color = RandomTint();
    }
    return 0;
}

int FireParticlesMake(float x, float y, int n) {
    if (!Particles) return 0;
    for (int i = ParticleCount(n); i > 0; --i) {
        float dx = RandomBetween(-0.1, 0.1);
        float dy = RandomBetween(-0.1, 0.1);
        Particles->AddNew(ToPixel(x), ToPixel(y), ParticleImages[3], dx, dy, 0.0f, 500.0f, 1, 0, 0.0f, 1.0f,
                          0.0f, 0, 0);
    }
    return 0;
}

int IceShardParticlesMake(float x, float y, int n) {
    if (!AnimatedParticles) return 0;
    for (int i = ParticleCount(n); i > 0; --i) {
        float dx = RandomBetween(-1.1, 1.1);
        float dy = RandomBetween(-1.1, 0.0);
        float scale = RandomBetween(0.6, 1.2);
        TParticleRef p = AnimatedParticles->AddNew(ToPixel(x), ToPixel(y), ParticleImages[6], dx, dy, 0.02f,
                                                   2000.0f, 0, 0, 0.0f, scale, 0.0f, 0, 0);
        p->SetupAnim(50, 2000, 1, 0, 0, 0, 1);
        p->AnimCounter = float(BoardRand(1, p->AnimLength - 1));
    }
    return 0;
}

int StarParticlesMake(float x, float y, int n, int small) {
    if (!Particles) return 0;
    double s = small ? 0.5 : 1.0;
    for (int i = ParticleCount(n); i > 0; --i) {
        float dx = RandomBetween(-s, s);
        float dy = RandomBetween(-s, s);
        float scale = RandomBetween(0.5, 3.0);
        Particles->AddNew(ToPixel(x), ToPixel(y), ParticleImages[3], dx, dy, 0.0f, 500.0f, 1, 0, 0.0f, scale,
                          0.0f, 0, 0);
    }
    return 0;
}

int MunchkinParticles(float x, float y, int n) {
    float flight = float(TruncToInt(CalcAnimLength(1000)));
    float vx = (GAUGE_X - x) / flight;
    float vy = (GAUGE_Y - y) / flight;
    for (int i = Particles ? ParticleCount(n) : 0; i > 0; --i) {
        bool sparkle = BoardRand(0, 3) == 0;
        float px = x + RandomBetween(-10.0, 10.0);
        float py = y + RandomBetween(-10.0, 10.0);
        TParticleRef p = Particles->AddNew(ToPixel(px), ToPixel(py), ParticleImages[sparkle ? 16 : 11], 0.0f,
                                           0.0f, 0.0f, 0.0f, 0, 0, 0.0f, 1.0f, 0.0f, 0, 0);
        p->SetScaleXY(sparkle ? RandomBetween(0.2, 0.6) : RandomBetween(0.1, 0.4), 0.0f);
        p->DoLightBlend = 1;
        if (BoardRand(0, 4) <= 2) {
            int wait = BoardRand(0, 400);
            TParticlePhaseRef still = p->AddPhase(wait);
            still->FadeInMS = float(wait);
        }
        TParticlePhaseRef fly = p->AddPhase(1000);
        fly->dx = vx;
        fly->dy = vy;
        TParticlePhaseRef rest = p->AddPhase(500);
        rest->FadeMS = 500.0f;
        if (sparkle) {
            fly->DoRotate = rest->DoRotate = 1;
            fly->RotationSpeed = RandomBetween(0.5, 2.0);
            rest->RotationSpeed = RandomBetween(0.5, 2.0);
        }
        p->StartPhases();
    }
    BoardHost().AddGaugeFillDelay(1000);
    return 0;
}

int ShardParticlesMake(float x, float y) {
    if (!AnimatedParticles) return 0;
    static const float speeds[4][2] = {{-1.2f, 1.2f}, {1.2f, 1.2f}, {1.2f, -1.2f}, {-1.2f, -1.2f}};
    static const float angles[4] = {-135.0f, 135.0f, 45.0f, -45.0f};
    for (int i = 0; i < 4; ++i) {
        TParticleRef p = AnimatedParticles->AddNew(ToPixel(x), ToPixel(y), ParticleImages[13], speeds[i][0],
                                                   speeds[i][1], 0.0f, 285.0f, 0, 0, 0.0f, 1.0f, 0.0f, 0, 0);
        p->Rotation = angles[i];
    }
    return 0;
}

TParticleRef PointerParticleMake(float x, float y, const TGameImageRef& image) {
    if (!Game || !Game->Mouse || !Game->Mouse->ParticleList) return nullptr;
    float dx = RandomBetween(-0.05, 0.05);
    int spin = BoardRand(0, 1) == 0 ? -1 : 1;
    float turn = RandomBetween(0.2, 0.5);
    float scale = RandomBetween(0.3, 0.7);
    TParticleRef p = Game->Mouse->ParticleList->AddNew(ToPixel(x), ToPixel(y), image, dx, 0.0f, 0.0016f, 0.0f,
                                                       1, spin, turn, scale, 0.0f, 0, 0);
    p->SetFade(200, 300, 1000);
    return p;
}

int PointerParticles() {
    if (!Game || !Game->Mouse) return 0;
    TMousePointer& mouse = *Game->Mouse;
    mouse.SparkleCounter -= Delta;
    if (mouse.SparkleCounter > 0.0f) return 0;
    mouse.SparkleCounter += float(mouse.SparkleLength);
    int px = mouse.x + BoardRand(1, mouse.w - 20) - 5;
    int py = mouse.y + BoardRand(1, mouse.h - 25) - 5;
    TParticleRef p = PointerParticleMake(float(px), float(py), PointerParticle);
    if (p) p->Color = RandomTint();
    return 0;
}

#include "screens/TInstructionsScreen.h"

#include "core/TGame.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "game/TGameScreen.h"
#include "media/TGameFade.h"
#include "media/TImageBank.h"
#include "media/TMousePointer.h"
#include "media/TParticle.h"
#include "media/TParticleList.h"
#include "platform/random.h"
#include "screens/TLevelSelectScreen.h"
#include "widgets/dialog_builders.h"

TInstructionsScreenRef InstructionsScreen;

namespace {

constexpr int OK_RAISE = 41;                     // the OK button stands this much higher than on other pages
constexpr int GAUGE_X = 400 - 67, GAUGE_Y = 417; // where the magic dust flies to

// The number of particles a burst of count makes at the player's particle detail.
int DetailCount(int count) {
    return TruncToInt(float(count) * float(Game->Particles) / 100.0f);
}

float RandomBetween(double a, double b) {
    return float(platform::Rnd(a, b));
}

} // namespace

int TInstructionsScreen::Load() {
    name = "instructions";
    ImageLoad("instructions.jpg", 0, 1);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    OKButtonCreate(*Menu);
    if (TButtonRef ok = Menu->FindButton("OK")) ok->y -= float(OK_RAISE);
    Anim1 = TAnimation::Create(1000, 0, 0, 1, 0);
    for (int ms : {1000, 300, 700, 1000})
        Anim1->AddPhase(ms);
    MunchkinLength = Game->CalcAnimLength(2000);
    if (Game->LastTScreen != LevelSelectScreen) Game->FadeMusic = 0;
    TGameScreen::ClearParticles();
    return 0;
}

int TInstructionsScreen::Start() {
    TScreen::Start();
    Anim1->Start();
    BackgroundParticles->Clear();
    Munchkins->Clear();
    Game->GameFade->Init(float(FADE_SPEED), 0, nullptr, 0, 0, nullptr);
    Game->FixedRateLogic->Init();
    return 0;
}

int TInstructionsScreen::Kill() {
    TScreen::Kill();
    Anim1 = nullptr;
    Text.clear();
    TGameScreen::ClearParticles();
    return 0;
}

int TInstructionsScreen::Logic() {
    TScreen::Logic();
    BackgroundParticles->Move();
    ManageMunchkins();
    Particles->Move();
    glow->Manage();
    glow2->Manage();
    if (Anim1->Manage() == 1 && Anim1->CurrentPhase == 2) RemovalBurst();
    MunchkinCounter += Delta;
    if (MunchkinCounter >= MunchkinLength) MunchkinCounter -= MunchkinLength;
    if (Game->Mouse->GetMh(1) != 0) {
        if (TButtonRef ok = Menu->FindButton("OK")) ok->PlayClick();
        Close();
    } else if (Menu->Clicked("ok") != 0) {
        Close();
    }
    return 0;
}

int TInstructionsScreen::ManageMunchkins() {
    Munchkins->Move();
    Munchkins->Animate();
    return 0;
}

int TInstructionsScreen::Close() {
    const platform::ChannelRef music = Game->LastTScreen == LevelSelectScreen ? Game->MusicChannel : nullptr;
    Game->GameFade->Init(float(FADE_SPEED), 1, music, 1, 0, nullptr);
    Game->DestinationTScreen = Destination;
    return 0;
}

int TInstructionsScreen::SetEscDestination() {
    Game->DestinationTScreen = Destination;
    return 0;
}

// The moment the matched shapes go: splinters of ice, dust towards the gauge, the glowing shape's
// highlight flashing out and snow over the bonus's six cells.
void TInstructionsScreen::RemovalBurst() {
    IceSplinters();
    MakeMunchkin(158, 380, 7);
    MakeMunchkin(208, 380, 7);
    MunchkinParticles(168, 410, 30);
    BackgroundParticles->AddNew(136, 378, images->Find("MagicHighlight"), 0, 0, 0, 800, 1, 0, 0, 1, 0, 0, 0);
    for (int x : {528, 578, 628})
        for (int y : {360, 410})
            SparkleParticlesMake(float(x), float(y), 15);
}

void TInstructionsScreen::IceSplinters() {
    const TGameImageRef brick = images->Find("brickmid");
    for (int x : {528, 578, 628})
        for (int i = 0; i < 4; i++) {
            const float r = RandomBetween(-1, 1);
            const float dy = RandomBetween(-0.2, -1);
            const float spin = RandomBetween(1.5, 3);
            const float scale = RandomBetween(0.4, 1);
            BackgroundParticles->AddNew(x, 235, brick, r, dy, 0.04f, 1500, 0, r >= 0 ? 1 : -1, spin, scale, 0,
                                        0, 0);
        }
}

int TInstructionsScreen::MakeMunchkin(int, int, int) {
    return 0;
}

int TInstructionsScreen::MunchkinParticles(float x, float y, int count) {
    const float flight = float(TruncToInt(Game->CalcAnimLength(1000)));
    const float vx = (float(GAUGE_X) - x) / flight;
    const float vy = (float(GAUGE_Y) - y) / flight;
    for (int i = DetailCount(count); i > 0; --i) {
        const bool sparkle = platform::Rand(0, 3) == 0;
        const int px = TruncToInt(x + RandomBetween(-10, 10));
        const int py = TruncToInt(y + RandomBetween(-10, 10));
        TParticleRef p = Particles->AddNew(px, py, images->Find(sparkle ? "sparkle" : "golddust"), 0, 0, 0, 0,
                                           1, 0, 0, 1, 0, 0, 0);
        p->SetScaleXY(sparkle ? RandomBetween(0.2, 0.6) : RandomBetween(0.1, 0.4), 0.0f);
        if (platform::Rand(0, 4) <= 2) {
            const int wait = platform::Rand(0, 400);
            p->AddPhase(wait)->FadeInMS = float(wait);
        }
        TParticlePhaseRef fly = p->AddPhase(1000);
        fly->dx = vx;
        fly->dy = vy;
        TParticlePhaseRef rest = p->AddPhase(500);
        rest->FadeMS = 500.0f;
        if (sparkle) {
            fly->DoRotate = rest->DoRotate = 1;
            fly->RotationSpeed = RandomBetween(0.5, 2);
            rest->RotationSpeed = RandomBetween(0.5, 2);
        }
        p->StartPhases();
    }
    return 0;
}

int TInstructionsScreen::SparkleParticlesMake(float x, float y, int count) {
    struct TKind {
        const char* image;
        double low, high;
    };
    static constexpr TKind KINDS[] = {{"snowflake", 0.3, 1.2},
                                      {"sparkle", 0.3, 0.8},
                                      {"snowflakesmall", 0.5, 1.2},
                                      {"snowflakelarge", 0.8, 1.2}};
    for (int i = DetailCount(count); i > 0; --i) {
        const int direction = platform::Rand(0, 1) == 1 ? 1 : -1;
        const TKind& kind = KINDS[platform::Rand(0, 3)];
        const float scale = RandomBetween(kind.low, kind.high);
        const float dx = RandomBetween(-1, 1);
        const float dy = RandomBetween(-1, 0);
        const float spin = RandomBetween(0.5, 3);
        TParticleRef p = Particles->AddNew(TruncToInt(x), TruncToInt(y), images->Find(kind.image), dx, dy,
                                           0.02f, 1000, 1, direction, spin, scale, 0, 0, 0);
        const int red = platform::Rand(100, 255);
        const int green = platform::Rand(100, 255);
        const int blue = platform::Rand(100, 255);
        p->Color = TColor::Create(red, green, blue, 1.0f);
    }
    return 0;
}

#include "game/TLevelCompleteScreen.h"

#include "board/board_particles.h"
#include "core/TGame.h"
#include "core/confirm_input.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "framework/cc_input.h"
#include "framework/cc_strings.h"
#include "framework/cc_timing.h"
#include "framework/core_services.h"
#include "game/TGameFinishedScreen.h"
#include "game/TGameScreen.h"
#include "game/THintScroll.h"
#include "game/scroll_roll.h"
#include "media/TGameFade.h"
#include "media/TParticleList.h"
#include "media/TSoundBank.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/random.h"
#include "platform/system.h"
#include "profiles/TProfile.h"
#include "screens/TLevelSelectScreen.h"
#include "widgets/dialog_builders.h"

TLevelCompleteScreenRef LevelCompleteScreen;

namespace {

constexpr int kSlideMs = 400;
constexpr int kPictureEvery = 5;     // levels between gallery pictures
constexpr int kPictureFlagBase = 88; // the flag of picture k is 88 + k
constexpr int kSnowAtFullDetail = 80;

TPlayer& Player() {
    return GameScreen->Player;
}

} // namespace

TButtonRef TLevelCompleteScreen::OK() const {
    return Menu ? Menu->FindButton("OK") : nullptr;
}

std::string TLevelCompleteScreen::TimeText(float ticks) {
    int minutes = 0, seconds = 0;
    ccMillisecsToMinutes(ticks * Game->FixedRateLogic->MS, minutes, seconds);
    return std::to_string(minutes) + ": " + ccPadWithZeros(std::to_string(seconds), 2);
}

int TLevelCompleteScreen::Load() {
    name = "levelcomplete";
    ImageLoad("scrollbody.png", 0, 1);
    platform::MidHandleImage(Image);
    HeaderLoad("levelcomplete", float(ScreenWidth / 2), HeaderY, 1);
    Header->SetShadow(1, 3.0f, 3.0f, 0.4f);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    OKButtonCreate(*Menu);
    if (TButtonRef ok = OK()) {
        ok->y = float(ScreenHeight - 201);
        ok->Active = 0;
    }
    Game->FadeMusic = 1;
    glow->Speed = 1.5f;
    Unroll = TAnimation::Create(kSlideMs, 0, 0, 0, 0);
    ActivateSound = sounds->Find("scroll");
    DeactivateSound = sounds->Find("scroll");
    ClickSound = sounds->Find("buttonclick");
    MOSound = sounds->Find("ButtonMO");
    return 0;
}

int TLevelCompleteScreen::Show() {
    Active = 1;
    Menu->ManageNoSound(0, 0);
    Start();
    ccFlushAll();
    Game->Mouse->ClearButtons();
    Game->FixedRateLogic->Init();
    PlayScrollSound(ActivateSound);
    platform::TraceMilestone("panel-shown");
    return 0;
}

int TLevelCompleteScreen::Start() {
    Game->MusicLoad("levelend.ogg", 1);
    Game->MusicPlay(1, 0, 0);
    SaveWonLevel();
    SetSlideLines();
    Unroll->Start();
    MakeSnowFlakes();
    return 0;
}

int TLevelCompleteScreen::SaveWonLevel() {
    GameScreen->WonLevelUnsaved = 0;
    TPlayer& player = Player();
    player.Level += 1;
    if (player.Level > player.Unlocked) player.Unlocked = player.Level;
    if (player.Level > Game->MaxLevels) {
        GameFinished = 1;
        player.ProfileGameOver(Game->CurrentProfile.get(), 1);
    } else {
        GameFinished = 0;
        player.WriteProfile(Game->CurrentProfile.get());
    }
    return 0;
}

int TLevelCompleteScreen::SetSlideLines() {
    platform::SetImageFont(LevelEndFont);
    const int labelWidth = platform::TextWidth("Matches");
    const TPlayer& player = Player();
    w = labelWidth + colgap + platform::TextWidth(std::to_string(player.Score - player.LevelStartScore));
    h = lines * gap;
    StartY = float((ScreenHeight - h) / 2 - 13);
    col1 = (ScreenWidth - w) / 2;
    col2 = col1 + labelWidth + colgap;
    return 0;
}

int TLevelCompleteScreen::MakeSnowFlakes() {
    const int n = kSnowAtFullDetail * Game->Particles / 100;
    for (int i = 0; i < n; ++i) {
        const int direction = platform::Rand(0, 1) == 0 ? -1 : 1;
        const float dx = float(platform::Rnd(-0.2, 0.2));
        const float dy = float(platform::Rnd(0.2, 0.5));
        TGameImageRef image;
        float scale = 1.0f;
        switch (platform::Rand(0, 3)) {
        case 0:
            image = ParticleImages[4];
            scale = float(platform::Rnd(0.5, 1.1));
            break;
        case 1:
            image = ParticleImages[5];
            scale = float(platform::Rnd(0.3, 0.7));
            break;
        case 2:
            image = ParticleImages[14];
            scale = float(platform::Rnd(0.5, 1.1));
            break;
        default:
            image = ParticleImages[15];
            scale = float(platform::Rnd(0.4, 1.1));
            break;
        }
        const float spin = float(platform::Rnd(0.5, 1.0));
        const int y = platform::Rand(1, ScreenHeight);
        const int x = platform::Rand(1, ScreenWidth);
        TParticleRef flake =
            Particles->AddNew(x, y, image, dx, dy, 0.0f, 0.0f, 0, direction, spin, scale, 0.0f, 0, 0);
        flake->NoOutOfBounds = 1;
        flake->MiscSineCounter = TSineCounter::Create();
        flake->MiscSineCounter->Init(0.0f, 360.0f, 0.4f, 0);
        flake->MiscSineCounter->Counter = float(platform::Rand(0, 360));
        flake->cx = float(x);
        flake->UseAlpha = 0;
    }
    return 0;
}

int TLevelCompleteScreen::MoveSnowFlakes() {
    platform::TList<TParticle>::Walk walk(*Particles);
    for (auto* link = Particles->FirstLink(); link; link = link->NextLink()) {
        TParticleRef p = link->Value();
        p->Move();
        if (!p->MiscSineCounter) continue;
        p->MiscSineCounter->Manage();
        p->cx += p->dx;
        p->x = p->cx + 30.0f * p->dy * p->MiscSineCounter->ratio;
        const float imageW = p->image ? float(p->image->w) : 0.0f;
        const float imageH = p->image ? float(p->image->h) : 0.0f;
        const float a = p->ScaleY * imageH / 2.0f;
        const float b = p->ScaleX * imageW / 2.0f;
        if (p->y >= float(ScreenHeight) + a) p->y = -a;
        if (p->x <= -b) p->x += float(ScreenWidth) + p->ScaleX * imageW;
        if (p->x >= float(ScreenWidth) + b) p->x -= float(ScreenWidth) + p->ScaleX * imageW;
        // One wrap a tick: a line wrapped to one side is not sent straight back to the other.
        if (p->cx <= -b)
            p->cx = float(ScreenWidth) + b;
        else if (p->cx >= float(ScreenWidth) + b)
            p->cx = -b;
    }
    return 0;
}

TScreenRef TLevelCompleteScreen::NextScreen() const {
    if (GameFinished == 1) return GameFinishedScreen;
    return LevelSelectScreen;
}

int TLevelCompleteScreen::Logic() {
    if (Active == 0) return 0;
    MoveSnowFlakes();
    if (HintScroll->Active != 0) return 0;
    if (Active == 2) {
        const int hit = Game->Mouse->GetMh(1);
        glow->Manage();
        if (MegaClick(hit) != 0) {
            if (TButtonRef ok = OK()) ok->PlayClick();
            Game->GameFade->Init(float(FADE_SPEED), 1, Game->MusicChannel, 1, 0, nullptr);
            Game->DestinationTScreen = NextScreen();
        }
        return 1;
    }
    return ScrollLogic();
}

int TLevelCompleteScreen::ScrollLogic() {
    TScreen::Logic();
    if (Unroll->Manage() == 1) {
        if (Unroll->Reverse == 0) {
            if (TButtonRef ok = OK()) ok->Active = 1;
        } else {
            Active = 2;
            const int won = Player().Level - 1;
            if (won % kPictureEvery == 0 &&
                Game->CurrentProfile->ShowHint(won / kPictureEvery + kPictureFlagBase, 1) == 1) {
                HintScroll->LoadSpecial(THintScroll::PICTURE_HINT);
                HintScroll->Show(1);
            }
            return 1;
        }
    }
    if (Unroll->Active != 0) return 0;
    if (KeyHit(platform::vk::ESCAPE) != 0 || Game->Mouse->GetMh(1) != 0) {
        if (TButtonRef ok = OK()) ok->PlayClick();
        RollUp();
        return 0;
    }
    if (Menu->Clicked("ok") != 0) RollUp();
    return 0;
}

int TLevelCompleteScreen::RollUp() {
    StartRollUp(*Unroll, OK(), DeactivateSound);
    return 0;
}

int TLevelCompleteScreen::Draw() {
    if (Active == 0 || HintScroll->Active != 0) return 0;
    if (Active == 2) return DrawClickAnywhere();
    return DrawScroll();
}

int TLevelCompleteScreen::DrawClickAnywhere() {
    const float x = float(ScreenWidth / 2), y = float(ScreenHeight - 44);
    ccShadowTextSet(1.0f, 1.0f, 0.6f);
    platform::SetImageFont(LevelEndFont);
    // A dark outline keeps the tan letters readable on the pale snow of many backgrounds.
    platform::SetColor(40, 24, 8);
    ccOutlineText(x, y, "Click Anywhere", 1, 2);
    platform::SetColor(212, 179, 104);
    ccShadowText(x, y, "Click Anywhere", 1);
    platform::SetAlpha((1.0f - glow->ratio) * 0.2f);
    platform::SetColor(255, 255, 255);
    ccDrawTextCentred("Click Anywhere", x, y, 0, 1);
    platform::SetAlpha(1.0f);
    return 1;
}

int TLevelCompleteScreen::DrawScroll() {
    const TPlayer& player = Player();
    const float r = Unroll->GetRatio();
    const float o = r * 410.0f + 50.0f;
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::DrawImage(Image, float(ScreenWidth / 2), float(ScreenHeight / 2) + o);
    platform::SetImageFont(LevelEndFont);
    ccShadowTextSet(1.0f, 1.0f, 0.4f);
    platform::SetColor(255, 255, 255);
    ccDrawTextCentre("Level " + std::to_string(player.Level - 1), 187.0f + o, 1, 1);
    platform::SetColor(220, 220, 220);
    platform::DrawRect(275.0f, 231.0f + o, 252.0f, 1.0f);
    platform::SetColor(0, 0, 0);
    platform::DrawRect(276.0f, 232.0f + o, 250.0f, 1.0f);
    platform::SetColor(255, 255, 255);
    const std::string labels[] = {"Score", "Matches", "Time"};
    const int labelX[] = {col1, col1 - 20, col1 - 3};
    const std::string values[] = {std::to_string(player.Score - player.LevelStartScore),
                                  std::to_string(player.Kills), TimeText(player.TimeTaken)};
    for (int i = 0; i < lines; ++i) {
        const float y = StartY + o + float(i * gap);
        ccDrawText(labels[i], float(labelX[i]), y, 1, 0);
        ccDrawText(values[i], float(col2), y, 1, 0);
    }
    platform::SetColor(255, 255, 255);
    Header->y = HeaderY - r * 180.0f;
    Header->Draw();
    Menu->Draw(0, 0);
    platform::SetAlpha(Unroll->Active != 0 ? 1.0f - r : 1.0f);
    Particles->Draw();
    platform::SetAlpha(1.0f);
    return 1;
}

int TLevelCompleteScreen::Kill() {
    TScreen::Kill();
    Unroll = nullptr;
    ActivateSound = nullptr;
    DeactivateSound = nullptr;
    ClickSound = nullptr;
    MOSound = nullptr;
    Active = 0;
    return 0;
}

int TLevelCompleteScreen::Hide() {
    ccFlushAll();
    Active = 0;
    return 0;
}

std::string TLevelCompleteScreen::GetPicName() const {
    return "bg" + std::to_string((Player().Level - 2) % MAX_SKY + 1) + ".jpg";
}

int TLevelCompleteScreen::SetEscDestination() {
    Game->DestinationTScreen = NextScreen();
    return 0;
}

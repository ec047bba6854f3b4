// The level intro and the outro of a won level: the music fades, the board stands, then falls,
// and the level-complete panel takes over.
#include "game/TGameScreen.h"

#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/board_grid.h"
#include "core/TGame.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "game/TLevelCompleteScreen.h"
#include "media/TParticle.h"
#include "media/TParticleList.h"
#include "platform/audio.h"
#include "platform/system.h"

int TGameScreen::IntroCheck() {
    if (IntroAnim->Manage() && GameGrid) GameGrid->SetupIntroFlash();
    return 0;
}

int TGameScreen::LevelCheck() {
    if (Game->Fading()) return 0;
    NextLevelManage();
    return 1;
}

int TGameScreen::NextLevel() {
    if (!Player.Alive || OutroAnim->Active || IntroAnim->Active) return 0;
    OutroAnim->Start();
    Player.NoChecks = 1;
    WonLevelUnsaved = 1;
    if (SoundLevelEnd && Game->Channels) Game->Channels->PlayGameSound(*SoundLevelEnd, nullptr, 1.0f, 0.0f);
    platform::TraceMilestone("level-won");
    return 1;
}

int TGameScreen::NextLevelManage() {
    if (OutroAnim->Manage()) NextLevelEnd();
    if (!OutroAnim->Active) return 0;
    const float remaining = OutroAnim->Counter;
    if (remaining > CalcAnimLength(3500)) {
        // The music falls to silence over the first second.
        const float elapsed = CalcAnimLength(4500) - remaining;
        const float volume = (1.0f - elapsed / CalcAnimLength(1000)) * float(Game->MusicVolume) / 100.0f;
        if (Game->MusicChannel) platform::SetChannelVolume(Game->MusicChannel, volume);
    }
    if (remaining < CalcAnimLength(2500) && GameGrid) {
        GameGrid->yacc += 0.04f * Delta;
        for (int x = 0; x < GameGrid->levelwidth; ++x)
            for (int y = 0; y < GameGrid->levelheight; ++y)
                if (Grid[x][y]) Grid[x][y]->sy += GameGrid->yacc * Delta;
    }
    return 0;
}

int TGameScreen::NextLevelEnd() {
    Player.UpdateTotals();
    ccFlushAll();
    LevelCompleteScreen->Show();
    return 0;
}

int TGameScreen::SaveWonLevelAtExit() {
    if (!WonLevelUnsaved) return 0;
    Player.UpdateTotals();
    LevelCompleteScreen->SaveWonLevel();
    return 1;
}

int TGameScreen::ManageMunchkins() {
    for (const TParticleRef& particle : *Munchkins) {
        particle->Move();
        if (particle->y >= 500.0f && particle->Data3 == 0) {
            particle->Data3 = 1;
            particle->dx = float(particle->Data2);
            particle->dy = 0.0f;
            particle->ygravity = 0.0f;
            particle->y = 500.0f;
        }
        particle->ManageAnim();
    }
    return 0;
}

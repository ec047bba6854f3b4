#include "game/scroll_roll.h"

#include "core/TGame.h"

void PlayScrollSound(const TGameSoundRef& sound) {
    if (sound && Game->Channels) Game->Channels->PlayGameSound(*sound, nullptr, 1.0f, 0.0f);
}

void StartRollUp(TAnimation& unroll, const TButtonRef& ok, const TGameSoundRef& closing) {
    unroll.Reverse = 1;
    unroll.Start();
    if (ok) ok->Active = 0;
    PlayScrollSound(closing);
}

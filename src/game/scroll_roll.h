// What the hint scroll and the level-complete panel share when they slide in and out: both are
// parchment scrolls with one OK button, an opening and a closing sound.
#pragma once

#include "media/TAnimation.h"
#include "media/TGameSound.h"
#include "widgets/TButton.h"

// Plays one of a scroll's sounds on the effect channels; silent without a sound or channels.
void PlayScrollSound(const TGameSoundRef& sound);
// Starts the scroll's slide backwards, out of sight: its OK button stops answering meanwhile and
// the closing sound plays.
void StartRollUp(TAnimation& unroll, const TButtonRef& ok, const TGameSoundRef& closing);

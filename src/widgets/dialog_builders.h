// The functions that give the game's dialogs and OK buttons one look: drawn grey boxes with a drop
// shadow, captions in the small main font with a one-pixel text shadow, buttons without drop
// shadows that glow under the pointer, and no transitions. The dialogs come back started, and the
// logic clock restarts so the time spent building them is not turned into ticks.
#pragma once

#include "widgets/TDialogOK.h"
#include "widgets/TDialogTextInput.h"
#include "widgets/TDialogYesNo.h"
#include "widgets/TMenu.h"

#include <string>

// Adds the standard "OK" button centred 15 pixels above the bottom of the screen, pulsing. On a
// menu that already has an "OK" button, that earlier button is the one styled and moved.
int OKButtonCreate(TMenu& menu);
// A message box with white text.
TDialogOKRef MakeOKDialog(const std::string& message);
// A message box with red text.
TDialogOKRef ErrorDialog(const std::string& message);
TDialogYesNoRef MakeDialogYesNo(const std::string& question);
// The name prompt on the "enteryourname" picture: at most 12 characters, none unsafe in file
// names, checked by CheckPlayerName, a refusal shown in a red error box; an "OK" button, and a
// "Cancel" button beside it when showCancel is not 0. Built, not started.
TDialogTextInputRef EnterNamePrompt(int showCancel);

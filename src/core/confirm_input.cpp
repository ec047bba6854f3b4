#include "core/confirm_input.h"

#include "core/TGame.h"
#include "framework/core_services.h"

int MegaClick(int clicked) {
    if (clicked != 0) return 1;
    if (Game->Mouse->GetMh(1) != 0) return 1;
    if (KeyHit(13) != 0) return 1;
    if (KeyHit(32) != 0) return 1;
    if (KeyHit(27) != 0) return 1;
    return 0;
}

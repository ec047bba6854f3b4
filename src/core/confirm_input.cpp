#include "core/confirm_input.h"

#include "core/TGame.h"
#include "framework/core_services.h"
#include "platform/input.h"

int MegaClick(int clicked) {
    if (clicked != 0) return 1;
    if (Game->Mouse->GetMh(1) != 0) return 1;
    if (KeyHit(platform::vk::RETURN) != 0) return 1;
    if (KeyHit(platform::vk::SPACE) != 0) return 1;
    if (KeyHit(platform::vk::ESCAPE) != 0) return 1;
    return 0;
}

#include "media/TFlasher.h"

#include "core/TGame.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "media/TChannelArray.h"

TFlasherRef TFlasher::Create(int totalMs, int onMs, int offMs, int delayMs) {
    auto flasher = std::make_shared<TFlasher>();
    flasher->AnimCounter = CalcAnimLength(totalMs);
    flasher->OnLength = TruncToInt(CalcAnimLength(onMs));
    flasher->OffLength = TruncToInt(CalcAnimLength(offMs));
    flasher->FlashCounter = float(flasher->OnLength);
    flasher->DelayEnd = TruncToInt(flasher->AnimCounter - CalcAnimLength(delayMs));
    return flasher;
}

int TFlasher::Manage() {
    if (AnimCounter <= 0) return AnimCounter == 0 ? 1 : 0;
    AnimCounter -= Delta;
    if (AnimCounter <= 0) {
        AnimCounter = 0;
        return 1;
    }
    if (AnimCounter > float(DelayEnd)) return 0;
    FlashCounter -= Delta;
    if (FlashCounter >= 0) return 0;
    // A period ends when its counter falls below 0.
    if (FlashState == 0) {
        FlashState = 1;
        FlashCounter = float(OnLength);
        PlayFlashSound();
    } else {
        FlashState = 0;
        FlashCounter = float(OffLength);
    }
    return 0;
}

int TFlasher::PlayFlashSound() {
    if (FlashSound && Game && Game->Channels) Game->Channels->PlayGameSound(*FlashSound, nullptr, 1.0f, 0.0f);
    return 0;
}

int TFlasher::SetToOff() {
    FlashCounter = float(OffLength);
    FlashState = 0;
    return 0;
}

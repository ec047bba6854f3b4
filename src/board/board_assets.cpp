#include "board/board_assets.h"

#include "media/TImageBank.h"
#include "media/TSoundBank.h"

TGameImageRef BoardImage(const std::string& name) {
    return images ? images->Find(name) : nullptr;
}
TGameSoundRef BoardSound(const std::string& name) {
    return sounds ? sounds->Find(name) : nullptr;
}

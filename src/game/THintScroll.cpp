#include "game/THintScroll.h"

std::shared_ptr<THintScroll> HintScroll;

int THintScroll::LoadSpecial(int) {
    return 0;
}

int THintScroll::Show(int) {
    return 0;
}

int THintScroll::Logic() {
    return 0;
}

int THintScroll::Draw() {
    return 0;
}

int THintScroll::Kill() {
    return 0;
}

int THintScroll::PlayActivateSound() {
    return 0;
}

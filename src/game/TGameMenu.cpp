#include "game/TGameMenu.h"

std::shared_ptr<TGameMenu> GameMenu;

int TGameMenu::Load() {
    Active = 0;
    return 0;
}

int TGameMenu::Kill() {
    Active = 0;
    return 0;
}

int TGameMenu::Logic() {
    return Active ? 1 : 0;
}

void TGameMenu::Show() {}

void TGameMenu::Hide() {}

int TGameMenu::Draw() {
    return 0;
}

float TGameMenu::GetTopY() {
    return Active ? 0.0f : 460.0f;
}

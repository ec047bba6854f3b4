// The in-game pause menu: a scroll that slides up over the dimmed board with the buttons resume,
// options, help and save-and-exit. The game screen loads, runs, draws and kills it with itself.
#pragma once

#include "core/TScreen.h"

#include <memory>

class TGameMenu : public TScreen {
public:
    int Active = 0; // 1 while shown, sliding in or sliding out

    int Load() override;
    int Kill() override;
    // 0 closed or closing, 1 open or sliding in, 2 on the tick it opened, 3 on the tick it started
    // closing.
    int Logic() override;
    void Show();
    void Hide();
    int Draw() override;
    // How far below its place the scroll stands: 460 closed, 0 open.
    float GetTopY();
};

extern std::shared_ptr<TGameMenu> GameMenu;

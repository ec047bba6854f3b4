// The scroll that shows a one-shot hint over the board. In this build it never opens: every hint
// offer is declined, so no profile flag is set before a player could see its hint.
#pragma once

#include <memory>

class THintScroll {
public:
    int Active = 0;

    int LoadSpecial(int hint);
    int Show(int playSound);
    // 1 on the tick the scroll has rolled up and closed.
    int Logic();
    int Draw();
    int Kill();
    int PlayActivateSound();
};

extern std::shared_ptr<THintScroll> HintScroll;

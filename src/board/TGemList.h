// Every gem of the board (in cells, dropping in from above, or exploding), kept by y from the
// lowest on the screen to the highest. It runs the gems' timers each tick and removes a gem
// whose explosion has ended. Drawing lives apart from the rules.
#pragma once

#include "board/TGem.h"
#include "platform/TList.h"

#include <memory>

class TGemList;
using TGemListRef = std::shared_ptr<TGemList>;

class TGemList : public platform::TList<TGem> {
public:
    // One tick of every gem; 1 when any gem was exploding at the start of its step.
    int Manage();
    // Largest y first; gems at the same height keep their order.
    int SortAll();
    // Before the first gem higher on the screen, else at the end.
    int InsertGem(const TGemRef& gem);
    int ExplodeAll(int mode);
    int SpreadAll();
    int ExplodeMunchkins();
    int SetShadow();
    int MoveAll();
    // Every gem, with the two gems of a swap drawn last, the swap's source on top.
    int Draw();

private:
    void ManageMouseOver(TGem& gem);
};

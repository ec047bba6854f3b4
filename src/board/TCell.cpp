#include "board/TCell.h"

#include "board/TGem.h"
#include "board/board_grid.h"
#include "media/TParticle.h"

TCellRef TCell::Create(int x, int y) {
    auto cell = std::make_shared<TCell>();
    cell->SetCoords(x, y);
    return cell;
}

int TCell::SetCoords(int newX, int newY) {
    x = newX;
    y = newY;
    sx = float(CalcSX(x));
    sy = float(CalcSY(y));
    return 0;
}

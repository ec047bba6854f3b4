// The bonus pointer and the power gauge. While a star, snowball or matchstick is picked up the
// pointer is the small one carrying the item's looping activation strip; the in-game menu stores
// it while it is open and arms it again when it closes. A bonus fired at double power empties the
// gauge.
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/board_assets.h"
#include "board/gem_codes.h"
#include "core/TGame.h"
#include "framework/core_services.h"
#include "platform/image.h"

void TGameGrid::ShowPointer(const std::string& name, int offsetx, const platform::ImageRef& second,
                            int frame) {
    if (!Game || !Game->Mouse) return;
    TMousePointer& mouse = *Game->Mouse;
    TGameImageRef image = BoardImage(name);
    if (image && image->image) {
        mouse.Image = image->image;
        mouse.CalcSize();
    }
    mouse.Image2 = second;
    mouse.Image2Frame = frame;
    mouse.offsetx = offsetx;
    if (mouse.Image) platform::SetImageHandle(mouse.Image, float(offsetx), float(mouse.offsety));
}

int TGameGrid::EmptyGauge() {
    if (BonusPower != 2) return 0;
    BonusPower = 1;
    DiagonalGauge = 0;
    return 0;
}

int TGameGrid::DiagonalManage() {
    if (DiagonalTextCounter <= 0.0f) return 0;
    DiagonalTextCounter -= Delta;
    if (DiagonalTextCounter <= 0.0f) DiagonalTextCounter = 0.0f;
    return 0;
}

int TGameGrid::InitPointerAnim() {
    int ms =
        PointerGemType > 0 && PointerGemType < GEM_CODES ? TGem::BonusActivateLengths[PointerGemType] : 0;
    PointerAnimCounter = CalcAnimLength(ms);
    PointerAnimLength = int(PointerAnimCounter);
    return 0;
}

int TGameGrid::SetBonusPointer(int code, int restore) {
    // The item's still picture; for an aimed item the activation strip replaces it in the same
    // tick, before anything is drawn.
    TGameImageRef gems = BoardImage("gems");
    ShowPointer("pointersmall", 3, gems ? gems->image : nullptr, code - 1);
    PointerAnimated = 0;
    PointerAnimCounter = 0.0f;
    PointerGemType = code;
    if (IsAimedItem(code)) {
        PointerAnimated = 1;
        InitPointerAnim();
    }
    if (restore) {
        PointerAnimCounter = PointerAnimCounterStored;
        if (PointerAnimCounter > 0.0f) SetPointerFrame();
    }
    return 0;
}

int TGameGrid::TogglePointer(int event) {
    if (event == 2) {
        PointerGemTypeStored = PointerGemType;
        PointerAnimCounterStored = PointerAnimCounter;
        RestorePointer();
    } else if (event == 3 && PointerGemTypeStored > 0) {
        SetBonusPointer(PointerGemTypeStored, 1);
    }
    return 0;
}

int TGameGrid::DestroySquare(int x, int y) {
    TCell* cell = CellAt(x, y);
    if (!cell || !cell->Gem) return 0;
    return cell->Gem->Destroy();
}

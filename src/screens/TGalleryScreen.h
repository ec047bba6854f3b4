// The gallery: eleven pictures as thumbnails in three rows of five, five and one. A picture is
// unlocked when its flag in the current player's profile holds exactly 1; an unlocked thumbnail
// opens the picture view, a locked slot answers with the sound "invalid". The picture view
// returns here without a reload: the gallery keeps itself loaded while it is away.
#pragma once

#include "core/TScreen.h"
#include "framework/TSineCounter.h"
#include "media/TGameImage.h"
#include "media/TGameSound.h"

#include <array>
#include <memory>

class TGalleryScreen;
using TGalleryScreenRef = std::shared_ptr<TGalleryScreen>;

class TGalleryScreen : public TScreen {
public:
    static constexpr int Rows = 2; // the slot walk adds the third row (slot 10) by itself
    static constexpr int Cols = 5;
    static constexpr int Total = 11;

    struct TSlotPosition {
        int x = 0, y = 0; // top-left corner of the thumbnail
    };

    int TopX = 112;
    int TopY = 154;
    int XGap = 104; // from one thumbnail's left edge to the next
    int YGap = 84;  // from one row's top edge to the next
    int PicW = 100; // the pointing box
    int PicH = 75;
    TGameImageRef Locked;                  // drawn in a locked slot
    TGameImageRef PicFrame;                // drawn over every slot
    std::array<TGameImageRef, Total> Pics; // thumbnail k at index k - 1, loaded only when unlocked
    int HintOffset = 89;                   // the profile flag of picture 1
    int MOIndex = -1;                      // slot under the pointer, -1 for none
    int Border = 10;
    TSineCounterRef glow = TSineCounter::Create(); // pulse of the hover highlight
    TGameSoundRef InvalidSound;

    int Load() override;
    // Runs on every entry, also when the picture view returns without a reload.
    int CoreStart() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;

    // 1 when the picture in slot (0..10) is unlocked for the current player; none: all locked.
    int Unlocked(int slot) const;
    // The slots' corners, walked in drawing order.
    std::array<TSlotPosition, Total> SlotPositions() const;
    // The slot under a point, -1 for none; a thumbnail's top row of pixels does not count.
    int SlotAt(int x, int y) const;

private:
    void PointAtSlots();
    void ClickSlot();
    void LeaveBy(const TScreenRef& destination);
    void DrawSlot(int slot, const TSlotPosition& at) const;
};

extern TGalleryScreenRef GalleryScreen;

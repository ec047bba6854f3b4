#include "screens/TGalleryScreen.h"

#include "core/TGame.h"
#include "framework/core_services.h"
#include "media/TChannelArray.h"
#include "media/TGameFade.h"
#include "media/TMousePointer.h"
#include "media/TSoundBank.h"
#include "platform/draw.h"
#include "profiles/TProfile.h"
#include "screens/TPictureScreen.h"
#include "widgets/dialog_builders.h"

#include <string>

TGalleryScreenRef GalleryScreen;

int TGalleryScreen::Load() {
    name = "gallery";
    ImageLoad("gallery.jpg", 0, 1);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    OKButtonCreate(*Menu);
    if (TButtonRef ok = Menu->FindButton("OK")) ok->y += 12; // 3 px above the bottom edge
    for (int slot = 0; slot < Total; ++slot) {
        if (Unlocked(slot) == 0) continue; // a locked picture's thumbnail need not exist
        Pics[size_t(slot)] =
            TGameImage::Create(Game->ImagePath + "thumb" + std::to_string(slot + 1) + ".png", -1, 0);
    }
    Locked = TGameImage::Create(Game->ImagePath + "lockedpicture.png", -1, 0);
    PicFrame = TGameImage::Create(Game->ImagePath + "pictureframe.png", -1, 0);
    InvalidSound = sounds->Find("invalid");
    return 0;
}

int TGalleryScreen::CoreStart() {
    TScreen::CoreStart();
    ResetStops();
    MOIndex = -1;
    Game->FadeMusic = 0; // Escape leaves the music playing
    Game->GameFade->Init(float(FADE_SPEED), 0, nullptr, 0, 0, nullptr);
    return 0;
}

int TGalleryScreen::Kill() {
    TScreen::Kill();
    Pics.fill(nullptr);
    Locked = nullptr;
    PicFrame = nullptr;
    InvalidSound = nullptr;
    return 0;
}

int TGalleryScreen::Unlocked(int slot) const {
    if (!Game->CurrentProfile || slot < 0 || slot >= Total) return 0;
    return Game->CurrentProfile->HintsShown[size_t(HintOffset + slot)] == 1 ? 1 : 0;
}

std::array<TGalleryScreen::TSlotPosition, TGalleryScreen::Total> TGalleryScreen::SlotPositions() const {
    std::array<TSlotPosition, Total> slots;
    int x = TopX, y = TopY, row = 0;
    for (int i = 0; i < Total; ++i) {
        slots[size_t(i)] = {x, y};
        x += XGap;
        if ((i + 1) % Cols != 0) continue;
        x = TopX;
        y += YGap;
        if (++row == 2) x += 2 * XGap; // the third row holds one slot, under the middle column
    }
    return slots;
}

int TGalleryScreen::SlotAt(int x, int y) const {
    const auto slots = SlotPositions();
    for (int i = 0; i < Total; ++i) {
        const TSlotPosition& s = slots[size_t(i)];
        if (x >= s.x && x < s.x + PicW && y > s.y && y < s.y + PicH) return i;
    }
    return -1;
}

int TGalleryScreen::Logic() {
    TScreen::Logic();
    if (Game->Fading() != 0) return 0;
    glow->Manage();
    PointAtSlots();
    if (MOIndex != -1 && Game->Mouse->GetMh(1) != 0) ClickSlot();
    if (Menu->Clicked("ok") != 0) LeaveBy(Destination);
    return 0;
}

void TGalleryScreen::PointAtSlots() {
    const int old = MOIndex;
    MOIndex = SlotAt(Game->Mouse->x, Game->Mouse->y);
    if (MOIndex == -1 || MOIndex == old) return;
    if (TButtonRef ok = Menu->FindButton("OK")) ok->PlayMouseOver();
    glow->Init(0, 180, 1, 0);
    glow->SetCounter(90); // the highlight starts at its brightest
}

void TGalleryScreen::ClickSlot() {
    if (Unlocked(MOIndex) == 0) {
        if (InvalidSound) Game->Channels->PlayGameSound(*InvalidSound, nullptr, 1.0f, 0.0f);
        return;
    }
    LeaveBy(PictureScreen);
    StopKill = 1; // kept loaded, and entered again by CoreStart alone
    StopInit = 1;
    PictureScreen->PicIndex = MOIndex + 1;
    PictureScreen->Destination = shared_from_this();
    if (TButtonRef ok = Menu->FindButton("OK")) ok->PlayClick();
}

void TGalleryScreen::LeaveBy(const TScreenRef& destination) {
    Game->GameFade->Init(float(FADE_SPEED), 1, nullptr, 1, 0, nullptr);
    Game->DestinationTScreen = destination;
}

int TGalleryScreen::Draw() {
    platform::SetBlend(platform::BLEND_SOLID);
    platform::DrawImage(Image, 0, 0);
    const auto slots = SlotPositions();
    for (int i = 0; i < Total; ++i)
        DrawSlot(i, slots[size_t(i)]);
    platform::SetBlend(platform::BLEND_ALPHA);
    Menu->Draw(0, 0);
    return 0;
}

// The thumbnail (or the lock) and the frame, each with a light pass when the pointer is on it.
void TGalleryScreen::DrawSlot(int slot, const TSlotPosition& at) const {
    const TGameImageRef& picture = Pics[size_t(slot)] ? Pics[size_t(slot)] : Locked;
    const bool hovered = slot == MOIndex;
    const float x = float(at.x), y = float(at.y);
    platform::SetBlend(platform::BLEND_SOLID);
    picture->Draw(x, y, 0, nullptr);
    platform::SetBlend(platform::BLEND_ALPHA);
    if (hovered) {
        platform::SetBlend(platform::BLEND_LIGHT);
        platform::SetAlpha(glow->ratio / 4.0f);
        picture->Draw(x, y, 0, nullptr);
        platform::SetBlend(platform::BLEND_ALPHA);
        platform::SetAlpha(1.0f);
    }
    PicFrame->Draw(x - 9.0f, y, 0, nullptr);
    if (hovered) {
        platform::SetBlend(platform::BLEND_LIGHT);
        platform::SetAlpha(glow->ratio / 4.0f);
        PicFrame->Draw(x - 9.0f, y, 0, nullptr);
        platform::SetBlend(platform::BLEND_SOLID);
        platform::SetAlpha(1.0f);
    }
}

int TGalleryScreen::SetEscDestination() {
    Game->DestinationTScreen = Destination;
    return 0;
}

#include "widgets/TMenu.h"

#include "core/TGame.h"
#include "framework/cc_files.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "media/TMousePointer.h"
#include "platform/text.h"

TMenuRef TMenu::Create(const std::string& mouseOverSound, const std::string& clickSound, float atX, float atY,
                       int gap) {
    auto menu = std::make_shared<TMenu>();
    menu->Init(mouseOverSound, clickSound, atX, atY, gap);
    return menu;
}

int TMenu::Init(const std::string& mouseOverSound, const std::string& clickSound, float atX, float atY,
                int gap) {
    Clear();
    x = atX;
    y = atY;
    Gap = gap;
    AddGap = 0;
    h = 0;
    NextY = int(atY);
    MouseOverName.clear();
    ClickedName.clear();
    // Each menu loads its own copies of its sounds.
    if (!mouseOverSound.empty())
        SoundMouseOver = TGameSound::Create(Game->SoundPath + mouseOverSound + SoundExt, 0);
    if (!clickSound.empty()) SoundClick = TGameSound::Create(Game->SoundPath + clickSound + SoundExt, 0);
    return 0;
}

int TMenu::Kill() {
    for (const TButtonRef& button : *this)
        button->Kill();
    Clear();
    return 0;
}

int TMenu::SetButtonCaptionRoundCoords(int round, int roundX, int roundY) {
    for (const TButtonRef& button : *this) {
        if (!button->Caption) continue;
        button->Caption->RoundCoords = round;
        button->Caption->RoundXCoord = roundX;
        button->Caption->RoundYCoord = roundY;
    }
    return 0;
}

int TMenu::SetShadow(int on, float offsetX, float offsetY, float alpha) {
    Shadow = on;
    ShadowX = offsetX;
    ShadowY = offsetY;
    ShadowAlpha = alpha;
    return 0;
}

int TMenu::ChangeShadow(int on, float offsetX, float offsetY, float alpha) {
    ResetShadow(on, offsetX, offsetY, alpha);
    return SetShadow(on, offsetX, offsetY, alpha);
}

int TMenu::SetAlpha(float alpha) {
    for (const TButtonRef& button : *this)
        button->Alpha = alpha;
    return 0;
}

int TMenu::ResetShadow(int on, float offsetX, float offsetY, float alpha) {
    for (const TButtonRef& button : *this)
        button->SetShadow(on, offsetX, offsetY, alpha);
    return 0;
}

TButtonRef TMenu::AddNew(const std::string& picture, const std::string& mouseOverImage, const std::string& id,
                         int cellWidth, int cellHeight, int frames) {
    TButtonRef button = DoAddNew(picture, mouseOverImage, id, cellWidth, cellHeight, frames);
    IncreaseHeight(*button);
    return button;
}

TButtonRef TMenu::DoAddNew(const std::string& picture, const std::string& mouseOverImage,
                           const std::string& id, int cellWidth, int cellHeight, int frames) {
    auto button = std::make_shared<TButton>();
    button->UseMenuPath = 1;
    button->Load(picture, mouseOverImage, "", "", cellWidth, cellHeight, frames);
    button->CentreX(NextY);
    button->SoundMouseOver = SoundMouseOver;
    button->SoundClick = SoundClick;
    button->SetShadow(Shadow, ShadowX, ShadowY, ShadowAlpha);
    if (!id.empty()) button->SetName(id);
    AddLast(button);
    return button;
}

int TMenu::IncreaseHeight(const TButton& button) {
    NextY += button.h + Gap;
    h += button.h;
    if (AddGap == 0)
        AddGap = 1;
    else
        h += Gap;
    return 0;
}

TButtonRef TMenu::AddQuick(const std::string& picture, const std::string& id) {
    return AddNew(picture, picture + "MO", id, 0, 0, 1);
}

TButtonRef TMenu::AddQuickAuto(const std::string& picture, const std::string& id) {
    TButtonRef button = AddQuick(picture, id);
    std::string path = button->GetPath() + picture;
    if (ccFileExists(path + "_disabled" + TButton::Ext)) button->LoadDisabled(picture + "_disabled");
    if (ccFileExists(path + "_down" + TButton::Ext)) button->LoadMouseClick(picture + "_down", 200);
    return button;
}

int TMenu::AddPair(const std::string& left, const std::string& right, int gap, const std::string& prefix) {
    TButtonRef leftButton = DoAddNew(left, left + "MO", "", 0, 0, 1);
    TButtonRef rightButton = DoAddNew(right, right + "MO", "", 0, 0, 1);
    if (!prefix.empty()) {
        leftButton->SetName(prefix + leftButton->name);
        rightButton->SetName(prefix + rightButton->name);
    }
    rightButton->x = leftButton->x + float(leftButton->w) + float(gap);
    // The row counts once, with its taller button.
    return IncreaseHeight(leftButton->h > rightButton->h ? *leftButton : *rightButton);
}

TButtonRef TMenu::FindButton(const std::string& buttonName) const {
    std::string wanted = platform::Upper(buttonName);
    for (const TButtonRef& button : *this)
        if (button->name == wanted) return button;
    return nullptr;
}

int TMenu::Clicked(const std::string& buttonName) {
    if (ClickedName.empty() || platform::Upper(buttonName) != ClickedName) return 0;
    if (ClearClickedName == 1) ClickedName.clear();
    return 1;
}

int TMenu::MouseOver(const std::string& buttonName) {
    if (MouseOverName.empty() || platform::Upper(buttonName) != MouseOverName) return 0;
    if (ClearMouseOverName == 1) MouseOverName.clear();
    return 1;
}

int TMenu::ManageNoSound(float offsetX, float offsetY) {
    NoSound = 1;
    Manage(offsetX, offsetY);
    NoSound = 0;
    return 0;
}

int TMenu::Precache() {
    for (const TButtonRef& button : *this)
        button->Precache();
    return 0;
}

int TMenu::Manage(float offsetX, float offsetY) {
    if ((Game->GameFade && Game->GameFade->Active != 0) || AcceptInput == 0) {
        ManageFixedGlowOnly();
        return 0;
    }
    // NOTE: with the pointer off nothing runs, the OK keys included.
    if (Game->Mouse->Active == 0) return 0;
    MouseOverName.clear();
    ClickedName.clear();
    for (const TButtonRef& button : *this) {
        button->offx = offsetX;
        button->offy = offsetY;
        if (NoSound == 0)
            button->Manage();
        else
            button->ManageNoSound();
        // Of several buttons hovered or clicked in one tick the later one is named.
        if (button->MouseOver != 0) MouseOverName = button->name;
        if (button->Clicked != 0) ClickedName = button->name;
    }
    return 1;
}

int TMenu::ManageFixedGlowOnly() {
    for (const TButtonRef& button : *this)
        if (button->FixedGlowOnMO == 1) button->ManageGlow();
    return 0;
}

int TMenu::ManageScaleOnMO() {
    for (const TButtonRef& button : *this)
        button->ManageScaleOnMO();
    return 0;
}

int TMenu::Draw(float offsetX, float offsetY) {
    for (const TButtonRef& button : *this) {
        button->offx = offsetX;
        button->offy = offsetY;
        button->Draw();
    }
    return 0;
}

int TMenu::ClearStates() {
    ClearGlow();
    ClearMouseClick();
    ClearMouseOver();
    return ClearScale();
}

int TMenu::ClearScale() {
    for (const TButtonRef& button : *this)
        button->ScaleOnMO = 1.0f;
    return 0;
}

int TMenu::ClearGlow() {
    for (const TButtonRef& button : *this)
        button->Glow = 0.0f;
    return 0;
}

int TMenu::ClearMouseClick() {
    for (const TButtonRef& button : *this) {
        button->Clicked = 0;
        button->MouseClickCounter = 0.0f;
    }
    return 0;
}

int TMenu::ClearMouseOver() {
    for (const TButtonRef& button : *this)
        button->MouseOver = 0;
    return 0;
}

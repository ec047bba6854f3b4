#include "profiles/TPlayerManager.h"

#include "core/TGame.h"
#include "framework/cc_draw.h"
#include "framework/cc_errors.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "platform/files.h"
#include "platform/input.h"
#include "profiles/TProfile.h"
#include "profiles/player_names.h"

#include <algorithm>
#include <cctype>

TPlayerManagerRef TPlayerManager::Create(const std::string& caption, const platform::ImageRef& background,
                                         int width, int atX, int atY, int limit,
                                         const std::string& buttonImage) {
    auto manager = std::make_shared<TPlayerManager>();
    manager->Init(caption, background, width, 0, 0, 0);
    manager->ListBox = TListBox::Create(10, 5, 0, 1, 500);
    manager->MenuCreate(manager->ButtonGap, buttonImage);
    manager->Limit = limit;
    manager->ListBox->Limit = limit;
    manager->FillList();
    manager->HighlightCurrentPlayer();
    manager->x = atX;
    manager->y = atY;
    return manager;
}

int TPlayerManager::MenuCreate(int gap, const std::string& buttonImage) {
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3.0f, 3.0f, 0.4f);
    for (const char* name : {"OK", "Create", "Delete", "Cancel"}) {
        if (buttonImage.empty())
            Menu->AddQuick(name, "");
        else
            Menu->AddQuick(buttonImage, name);
    }
    Menu->MakeRow(gap);
    if (TButtonRef ok = Menu->FindButton("OK")) ok->OKButton = 1;
    // The first layout does not wrap the caption.
    CallPreCalcWordWrap = 0;
    MenuPosition();
    CallPreCalcWordWrap = 1;
    return 0;
}

int TPlayerManager::Start() {
    TDialog::Start();
    return BoxSize();
}

int TPlayerManager::CalcSize() {
    TDialog::CalcSize();
    if (Background || !ListBox || !Menu) return 0;
    // Without a picture nothing else sets the height: room for the caption, Limit rows and the buttons.
    CalcListBoxLineHeight();
    h = 2 * Border + int(Caption->H) + 2 * BoxBorderV + std::max(Limit, 1) * ListBox->LineHeight +
        Menu->CalcHeight();
    return CalcXY();
}

int TPlayerManager::MenuPosition() {
    return PlaceMenuRow();
}

int TPlayerManager::CalcListBoxLineHeight() {
    ListBox->CalcLineHeight();
    ListBox->LineHeight += LineHeightAddition;
    return 0;
}

int TPlayerManager::BoxSize() {
    const int captionHeight = int(Caption->H);
    const int menuHeight = Menu->CalcHeight();
    const int room = int(float(h - 2 * Border - captionHeight - menuHeight - 2 * BoxBorderV));
    int listHeight = room;
    if (LimitBoxHeightToMaxItems != 0) {
        CalcListBoxLineHeight();
        listHeight = ListBox->LineHeight * Limit;
        ListBox->Limit = Limit;
    }
    ListBox->SetCoords(float(x + BoxBorderH), float(y + Border + captionHeight + BoxBorderV),
                       float(w - 2 * BoxBorderH), float(listHeight));
    if (LimitBoxHeightToMaxItems == 0) CalcListBoxLineHeight();
    const int gap = int(Menu->y - (Caption->Y + float(captionHeight)));
    ListBox->Box->X += float(BoxXTweak);
    ListBox->Box->Y =
        BoxY != 0 ? float(BoxY) : Caption->Y + float(captionHeight) + (float(gap) - ListBox->Box->H) / 2;
    return 0;
}

int TPlayerManager::FillList() {
    ListBox->Strings = ListProfileNames();
    if (ListBox->Index >= int(ListBox->Strings.size())) ListBox->ClearIndex();
    return 0;
}

int TPlayerManager::HighlightCurrentPlayer() {
    ListBox->ClearIndex();
    if (!Game->CurrentProfile) return 0;
    const TStringArray& names = ListBox->Strings;
    auto found = std::find(names.begin(), names.end(), Game->CurrentProfile->Name);
    if (found != names.end()) ListBox->SetIndex(int(found - names.begin()));
    return 0;
}

void TPlayerManager::ReleaseButtons() {
    Menu->ManageNoSound(0, 0);
    Menu->ClearMouseClick();
    Menu->ClickedName.clear();
}

bool TPlayerManager::ManageErrorBox() {
    if (!DialogOK) return false;
    if (DialogOK->Manage() == 0) return true;
    DialogOK->Kill();
    DialogOK = nullptr;
    ReleaseButtons();
    return false;
}

bool TPlayerManager::ManageQuestion() {
    if (!DialogYesNo) return false;
    const int answer = DialogYesNo->Manage();
    if (answer == 0) return true;
    DialogYesNo->Kill();
    DialogYesNo = nullptr;
    ReleaseButtons();
    if (answer == 1) DeleteProfile();
    return false;
}

int TPlayerManager::ManageNamePrompt(bool& handled) {
    handled = false;
    if (!EnterName) return 0;
    const int answer = EnterName->Manage();
    if (answer == 0) {
        handled = true;
        return 0;
    }
    std::string name = EnterName->TextInput->Text;
    // The prompt goes first, whatever follows, so the manager always takes input again.
    EnterName->Kill();
    EnterName = nullptr;
    ReleaseButtons();
    if (answer != 1) return 0;
    if (UpperFirstChar != 0 && !name.empty())
        name[0] = char(std::toupper(static_cast<unsigned char>(name[0])));
    CreateProfileFunc(name);
    FillList();
    HighlightCurrentPlayer();
    if (AutoAcceptAfterCreate == 0) return 0;
    handled = true;
    return OKClick();
}

int TPlayerManager::Manage() {
    if (ManageErrorBox() || ManageQuestion()) {
        Menu->ManageFixedGlowOnly();
        return 0;
    }
    bool handled = false;
    const int created = ManageNamePrompt(handled);
    if (handled) {
        if (EnterName) Menu->ManageFixedGlowOnly();
        return created;
    }
    if (TDialog::Manage() == 0) return 0;
    ListBox->Manage();
    if (ListBox->GetDoubleClicked() != -1) {
        ClickSound();
        return OKClick();
    }
    if (Menu->Clicked("OK") != 0) return OKClick();
    if (KeyHit(platform::vk::ESCAPE) != 0) {
        ClickSound();
        CancelClick();
        return -1;
    }
    if (Menu->Clicked("Cancel") != 0) {
        CancelClick();
        return -1;
    }
    if (Menu->Clicked("Create") != 0 && CreateProfile() == 0) return 0;
    if (Menu->Clicked("Delete") != 0 || KeyHit(platform::vk::DEL) != 0) DeleteProfileCheck();
    return 0;
}

void TPlayerManager::MakeCurrent(const std::string& name) {
    Game->ProfileName = name;
    if (!Game->CurrentProfile) Game->CurrentProfile = TProfile::Create(name);
    // Defaults first: a missing or damaged file must not keep the previous player's progress.
    Game->CurrentProfile->Init(name);
    Game->CurrentProfile->Load();
    Game->IniUpdate(1);
}

int TPlayerManager::OKClick() {
    if (ListBox->Index < 0) return 0;
    MakeCurrent(ListBox->Value);
    Close(1);
    return 1;
}

int TPlayerManager::CancelClick() {
    const TStringArray& names = ListBox->Strings;
    const bool listed = !Game->CurrentProfile ||
                        std::find(names.begin(), names.end(), Game->CurrentProfile->Name) != names.end();
    // With nothing listed (files removed behind the dialog's back) the player stays as it is.
    if (!listed && !names.empty()) MakeCurrent(names.front());
    return Close(-1);
}

void TPlayerManager::ShowError(const std::string& message) {
    if (ErrorDialogFunc) {
        DialogOK = ErrorDialogFunc(message);
        DialogOK->ReenableEscapeKey = 0;
        return;
    }
    ccEnablePolledInput();
    ccDialogOK(message, 400, 100);
    ccDisablePolledInput();
}

int TPlayerManager::CreateProfile() {
    if (Limit > 0 && int(ListBox->Strings.size()) >= Limit) {
        ShowError(MessageCannotCreate);
        return 0;
    }
    EnterName = EnterNamePromptFunc(1);
    EnterName->TextInput->UppercaseFirstCharAsTyped = UpperFirstChar;
    EnterName->TextInput->MakeCharsFileNameSafe();
    EnterName->TextInput->BannedChars += ExtraBannedChars;
    EnterName->Menu->ManageNoSound(0, 0);
    EnterName->Start();
    EnterName->ReenableEscapeKey = 0;
    return 1;
}

int TPlayerManager::DeleteProfileCheck() {
    if (ListBox->Index < 0) return 0;
    if (ListBox->Strings.size() == 1) {
        ShowError(MessageCannotDelete);
        return 0;
    }
    // Without a question box there is no way to confirm: nothing is deleted.
    if (!DialogYesNoFunc) return 0;
    DialogYesNo = DialogYesNoFunc(MessageConfirmDelete);
    DialogYesNo->ReenableEscapeKey = 0;
    return 0;
}

int TPlayerManager::DeleteProfile() {
    const std::string name = ListBox->Value;
    if (DeleteProfileUserFunction) DeleteProfileUserFunction(name);
    const std::string path = ProfileFilePath(name);
    if (!path.empty()) platform::DeleteFile(path);
    int index = ListBox->Index;
    ListBox->ClearIndex();
    FillList();
    const int count = int(ListBox->Strings.size());
    if (index >= count) index = count - 1;
    ListBox->SetIndex(index);
    return 0;
}

int TPlayerManager::ClickSound() {
    if (TButtonRef ok = Menu->FindButton("OK")) ok->PlayClick();
    return 0;
}

int TPlayerManager::Draw() {
    if (DrawDisabled == 0) {
        if (Active != 0 && DimWhenActive != 0) ccDimScreen(0.5f);
        MenuShow = 0;
        if (TDialog::Draw() == 0) return 0;
        ListBox->Draw();
        if (FrontFrame) FrontFrame->Draw(float(FrontFrameX), float(FrontFrameY), 0, nullptr);
        if (Header) Header->Draw(float(HeaderX), float(HeaderY), 0, nullptr);
        Menu->Draw(OffsetX, OffsetY);
        const bool promptOpen = EnterName && EnterName->Active != 0;
        if ((DimWhenShowingDialogs != 0 || DimWhenShowingEnterNamePrompt != 0) && promptOpen)
            ccDimScreen(0.5f);
        const bool boxOpen = (DialogOK && DialogOK->Active != 0) || (DialogYesNo && DialogYesNo->Active != 0);
        if (DimWhenShowingDialogs != 0 && boxOpen) ccDimScreen(0.5f);
    }
    if (EnterName) EnterName->Draw();
    if (DialogOK) DialogOK->Draw();
    if (DialogYesNo) DialogYesNo->Draw();
    return 1;
}

int TPlayerManager::Kill() {
    TDialog::Kill();
    if (ListBox) ListBox->Kill();
    FrontFrame = nullptr;
    Header = nullptr;
    return 0;
}

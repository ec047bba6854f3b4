#include "widgets/TDialogYesNo.h"

#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "platform/input.h"

TDialogYesNoRef TDialogYesNo::Create(const std::string& caption, const platform::ImageRef& background,
                                     int width, int height, int atX, int makeMenu, int buttonGap,
                                     const std::string& buttonImage) {
    auto dialog = std::make_shared<TDialogYesNo>();
    dialog->Init(caption, background, width, height, atX, 0);
    dialog->ButtonGap = buttonGap;
    if (makeMenu != 0) dialog->MenuCreate(dialog->ButtonGap, buttonImage);
    return dialog;
}

int TDialogYesNo::MenuCreate(int gap, const std::string& buttonImage) {
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3.0f, 3.0f, 0.4f);
    if (!buttonImage.empty()) {
        Menu->AddQuick(buttonImage, "Yes");
        Menu->AddQuick(buttonImage, "No");
        Menu->MakeRow(ButtonGap);
    } else {
        Menu->AddPair("Yes", "No", gap, "");
    }
    if (TButtonRef yes = Menu->FindButton("Yes")) yes->OKButton = 1;
    // The first layout does not wrap the caption.
    CallPreCalcWordWrap = 0;
    MenuPosition();
    CallPreCalcWordWrap = 1;
    return 0;
}

int TDialogYesNo::CalcSize() {
    TDialog::CalcSize();
    FitHeightToMenuRow(Gap);
    return 0;
}

int TDialogYesNo::MenuPosition() {
    return PlaceMenuRow();
}

void TDialogYesNo::Press(const std::string& buttonName) {
    if (TButtonRef button = Menu->FindButton(buttonName)) button->SimulateClick();
}

int TDialogYesNo::Manage() {
    if (TDialog::Manage() == 0) return 0;
    if (CloseResult != 0) return CloseResult;
    if (Transitioning != 0) return 0;
    // Escape is asked first; the flush of the answer then clears a Y hit of the same tick.
    if (KeyHit(platform::vk::ESCAPE) != 0 || KeyHit(platform::vk::N) != 0) {
        Press("No");
        return NoClick();
    }
    if (KeyHit(platform::vk::Y) != 0) {
        Press("Yes");
        return YesClick();
    }
    if (Menu->Clicked("No") != 0) return NoClick();
    if (Menu->Clicked("Yes") != 0) return YesClick();
    return 0;
}

int TDialogYesNo::YesClick() {
    ccFlushAll();
    if (YesFunc) YesFunc();
    return Close(1);
}

int TDialogYesNo::NoClick() {
    ccFlushAll();
    if (NoFunc) NoFunc();
    return Close(-1);
}

int TDialogYesNo::ClickSound() {
    if (TButtonRef yes = Menu->FindButton("Yes")) yes->PlayClick();
    return 0;
}

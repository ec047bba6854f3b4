#include "widgets/TDialogOK.h"

#include "core/TGame.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "media/TMousePointer.h"
#include "platform/input.h"

TDialogOKRef TDialogOK::Create(const std::string& caption, const platform::ImageRef& background, int width,
                               int height, int atX, const std::string& buttonImage) {
    auto dialog = std::make_shared<TDialogOK>();
    dialog->Init(caption, background, width, height, atX, 0);
    dialog->MenuCreate(buttonImage);
    return dialog;
}

int TDialogOK::MenuCreate(const std::string& buttonImage) {
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3.0f, 3.0f, 0.4f);
    if (!buttonImage.empty())
        Menu->AddQuick(buttonImage, "OK");
    else
        Menu->AddQuick("OK", "");
    if (TButtonRef ok = Menu->FindButton("OK")) ok->OKButton = 1;
    // The first layout does not wrap the caption.
    CallPreCalcWordWrap = 0;
    MenuPosition();
    CallPreCalcWordWrap = 1;
    return 0;
}

int TDialogOK::CalcSize() {
    TDialog::CalcSize();
    FitHeightToMenuRow(Gap);
    return 0;
}

int TDialogOK::MenuPosition() {
    return PlaceMenuRow();
}

int TDialogOK::Manage() {
    if (TDialog::Manage() == 0) return 0;
    if (CloseResult != 0) return CloseResult;
    if (Transitioning != 0) return 0;
    if (KeyHit(platform::vk::ESCAPE) != 0 || (ClickAnywhereCloses != 0 && Game->Mouse->GetMh(1) != 0)) {
        if (TButtonRef ok = Menu->FindButton("OK")) ok->SimulateClick();
        return OKClick();
    }
    if (Menu->Clicked("OK") != 0) return OKClick();
    return 0;
}

int TDialogOK::OKClick() {
    ccFlushAll();
    return Close(1);
}

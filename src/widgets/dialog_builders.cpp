#include "widgets/dialog_builders.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/TFont.h"
#include "framework/cc_files.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "profiles/player_names.h"

namespace {

TShadowRef BoxShadow() {
    return TShadow::Create(3.0f, 3.0f, 0.4f);
}

// The caption's colour stays as given; a dark outline makes white or red letters readable on the
// grey box.
void StyleCaption(TDialog& dialog, int r, int g, int b) {
    dialog.SetupCaption(MainFontSmall, TColor::Create(r, g, b, 1.0f), TShadow::Create(1.0f, 1.0f, 0.6f),
                        nullptr);
    dialog.Caption->OutlineWidth = 1;
    dialog.Caption->OutlineRGB[0] = 20;
    dialog.Caption->OutlineRGB[1] = 20;
    dialog.Caption->OutlineRGB[2] = 30;
}

// The glow under the pointer, when the menu has the button.
void GlowOnMouseOver(TMenu& menu, const std::string& buttonName) {
    if (TButtonRef button = menu.FindButton(buttonName)) button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
}

TDialogOKRef MessageBox(const std::string& message, int r, int g, int b) {
    TDialogOKRef dialog = TDialogOK::Create(message, nullptr, 0, 0, 0, "");
    dialog->Shadow = BoxShadow();
    StyleCaption(*dialog, r, g, b);
    dialog->Menu->ChangeShadow(0, 0, 0, 0);
    GlowOnMouseOver(*dialog->Menu, "OK");
    dialog->Start();
    Game->FixedRateLogic->Init();
    return dialog;
}

} // namespace

int OKButtonCreate(TMenu& menu) {
    menu.AddNew("OK", "OKMO", "", 0, 0, 1);
    TButtonRef ok = menu.FindButton("OK");
    if (!ok) return 0;
    ok->OKButton = 1;
    ok->SetAutoGlow(0.0f, 0.3f, 1.0f, 1);
    ok->y = float(ScreenHeight - ok->h - 15);
    ok->CentreX(int(ok->y));
    return 0;
}

TDialogOKRef MakeOKDialog(const std::string& message) {
    return MessageBox(message, 255, 255, 255);
}

TDialogOKRef ErrorDialog(const std::string& message) {
    return MessageBox(message, 255, 0, 0);
}

TDialogYesNoRef MakeDialogYesNo(const std::string& question) {
    TDialogYesNoRef dialog = TDialogYesNo::Create(question, nullptr, 0, 0, 0, 1, 50, "");
    dialog->Shadow = BoxShadow();
    dialog->Menu->ChangeShadow(0, 0, 0, 0);
    GlowOnMouseOver(*dialog->Menu, "Yes");
    GlowOnMouseOver(*dialog->Menu, "No");
    StyleCaption(*dialog, 255, 255, 255);
    dialog->Start();
    Game->FixedRateLogic->Init();
    return dialog;
}

TDialogTextInputRef EnterNamePrompt(int showCancel) {
    Game->FixedRateLogic->Init();
    platform::ImageRef background = ccLoadBitmap(Game->ImagePath + "enteryourname.png", -1);
    TDialogTextInputRef dialog =
        TDialogTextInput::Create("", "", kPlayerNameMaxLength, background, 0, 0, 0, 0, "");
    dialog->TextInput->MakeCharsFileNameSafe();
    dialog->DrawHighlight = 0;
    dialog->Gap = 38;
    dialog->MenuCreate(showCancel, 100);
    StyleCaption(*dialog, 0, 255, 0);
    if (TButtonRef ok = dialog->Menu->FindButton("OK")) {
        ok->LoadImages("OK2", "OK2MO", 0, 0, 1);
        ok->Init();
    }
    dialog->Menu->ChangeShadow(0, 0, 0, 0);
    GlowOnMouseOver(*dialog->Menu, "OK");
    GlowOnMouseOver(*dialog->Menu, "Cancel");
    dialog->SetupText(UIFont, TColor::Create(255, 255, 255, 1.0f), TShadow::Create(-1.0f, 1.0f, 0.6f), 0,
                      nullptr);
    // The typed name stands 90 px right of and 34 px below where the dialog would put it.
    dialog->TextOX = TruncToInt(dialog->Text->X + 90.0f);
    dialog->TextOY = TruncToInt(dialog->Text->Y + 34.0f);
    dialog->BoxColor->Set(0, 0, 0, 0.3f);
    dialog->TextInput->CursorCol->Set(255, 255, 255, 1.0f);
    dialog->BoxBorderH = 90;
    dialog->ErrorCheckFunc = CheckPlayerName;
    dialog->ErrorDialogFunc = ErrorDialog;
    dialog->Border = 46;
    dialog->MenuPosition();
    if (showCancel == 0) {
        // The lone OK button and the text stand 20 px lower; Start applies the menu's place.
        dialog->MenuOX = TruncToInt(dialog->Menu->x);
        dialog->MenuOY = TruncToInt(dialog->Menu->y + 20.0f);
        dialog->TextOY += 20;
    }
    Game->FixedRateLogic->Init();
    return dialog;
}

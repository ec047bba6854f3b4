#include "widgets/TDialogTextInput.h"

#include "core/TGame.h"
#include "framework/cc_draw.h"
#include "framework/cc_input.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "platform/draw.h"
#include "platform/input.h"
#include "platform/text.h"

TDialogTextInputRef TDialogTextInput::Create(const std::string& caption, const std::string& text,
                                             int maxLength, const platform::ImageRef& background, int width,
                                             int atX, int atY, int maxPixelWidth,
                                             const std::string& buttonName) {
    auto dialog = std::make_shared<TDialogTextInput>();
    dialog->Init(caption, background, width, 0, atX, atY);
    dialog->Text = TLabel::CreateSpecial(text, 0, 0, 0, 0, 0);
    dialog->BoxColor = TColor::Create(0, 0, 0, 1.0f);
    dialog->TextInput = std::make_shared<TTextInput>();
    dialog->TextInput->MaxLength = maxLength;
    dialog->TextInput->MaxPixelWidth = maxPixelWidth;
    dialog->ButtonName = buttonName;
    return dialog;
}

int TDialogTextInput::MenuCreate(int showCancel, int pairGap) {
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3.0f, 3.0f, 0.4f);
    if (ButtonName.empty()) {
        if (showCancel != 0)
            Menu->AddPair("OK", "Cancel", pairGap, "");
        else
            Menu->AddQuick("OK", "");
    } else {
        Menu->AddQuick(ButtonName, "OK");
        if (showCancel != 0) {
            Menu->AddQuick(ButtonName, "Cancel");
            Menu->MakeRow(pairGap);
        }
    }
    if (TButtonRef ok = Menu->FindButton("OK")) ok->OKButton = 1;
    CallPreCalcWordWrap = 0;
    MenuPosition();
    CallPreCalcWordWrap = 1;
    return 0;
}

int TDialogTextInput::SetupText(const platform::ImageFontRef& font, const TColorRef& color,
                                const TShadowRef& shadow, int dots, const TBitmapFontRef& bitmapFont) {
    Text->Init(font, color, shadow, dots, bitmapFont, nullptr, "");
    Text->CalcSize();
    TextInput->Init(Text->ImageFont, Text->Text, TruncToInt(Text->X), TruncToInt(Text->Y),
                    std::dynamic_pointer_cast<TBitmapFont>(bitmapFont));
    Game->BlockKeys = 0; // the editor's arming set it; Start sets it again
    if (Text->Color) TextInput->TextCol->Copy(*Text->Color);
    if (Text->Shadow) {
        TextInput->TextShadow = TShadow::Create(0, 0, 0);
        TextInput->TextShadow->Copy(*Text->Shadow);
    } else {
        TextInput->TextShadow = nullptr;
    }
    TextInput->DrawDots = dots;
    TextInput->AllowNull = AllowNull;
    if (!Menu || !Menu->FindButton("Cancel")) TextInput->AllowEscToAbort = 0;
    if (Menu)
        if (TButtonRef ok = Menu->FindButton("OK")) ok->OKButtonUseSpace = 0; // Space types a blank
    return MenuPosition();
}

int TDialogTextInput::Start() {
    TDialog::Start();
    Game->BlockKeys = 1;
    return 0;
}

int TDialogTextInput::CalcSize() {
    TDialog::CalcSize();
    if (!Background) {
        const float menuHeight = Menu ? float(Menu->CalcHeight()) : 0.0f;
        const float textHeight = Text ? Text->CalcHeight() : 0.0f;
        h = TruncToInt(Caption->CalcHeight() + textHeight + float(2 * Gap) + float(2 * Border) + menuHeight);
    }
    return 0;
}

int TDialogTextInput::SetLabelsXY() {
    TDialog::SetLabelsXY();
    if (!Text) return 0;
    if (TextOX == 0 && TextOY == 0) {
        Text->X = float(x + BoxBorderH + TextBorder);
        Text->Y = Caption->Y + Caption->H + float(Gap);
    } else {
        Text->X = float(TextOX);
        Text->Y = float(TextOY);
    }
    if (TextInput) {
        TextInput->X = TruncToInt(Text->X);
        TextInput->Y = TruncToInt(Text->Y + float(TextYOffset));
    }
    return 0;
}

int TDialogTextInput::MenuPosition() {
    return PlaceMenuRow();
}

bool TDialogTextInput::ManageErrorBox() {
    if (DialogOK->Manage() == 0) return true;
    DialogOK->Kill();
    DialogOK = nullptr;
    Menu->ClearStates();
    Menu->ManageNoSound(0, 0);
    TextInput->Reset();
    return false;
}

int TDialogTextInput::Manage() {
    if (Active == 0) return 0;
    if (OKClickedScreen) {
        if (OKClickedScreen->Logic() != 1) return 0;
        OKClickedScreen->Kill();
        Menu->ClearStates();
        return 1;
    }
    if (OKClickedDialog) {
        if (OKClickedDialog->Manage() == 0) return 0;
        OKClickedDialog->Kill();
        OKClickedDialog = nullptr;
        Menu->ClearStates();
        return OKClick();
    }
    if (DialogOK && ManageErrorBox()) return 0;
    ManageTransitions();
    if (CloseResult != 0) return CloseResult;
    if (Disabled != 0 || Transitioning == 2) Menu->ManageFixedGlowOnly();
    if (Transitioning > 0) return 0;
    return ManageTyping();
}

int TDialogTextInput::ManageTyping() {
    const int typed = TextInput->Manage();
    if (typed == 1) {
        if (TButtonRef ok = Menu->FindButton("OK")) ok->SimulateClick();
        if (OKClickTest() != 0 && ProcessOKClickedFunc() != 0) return OKClick();
        return 0;
    }
    if (typed == -1) {
        if (TButtonRef cancel = Menu->FindButton("Cancel")) cancel->SimulateClick();
        return CancelClick();
    }
    // While the editor types, Enter and Escape reach it through the character stream, in their
    // order among the typed characters; their key hits must not act before the characters typed
    // ahead of them.
    if (TextInput->Active != 0) {
        KeyHit(platform::vk::RETURN);
        if (TextInput->AllowEscToAbort == 1) KeyHit(platform::vk::ESCAPE);
    }
    Menu->Manage(0, 0);
    if (Menu->Clicked("OK") != 0 && OKClickTest() != 0) {
        TextInput->Finish();
        if (ProcessOKClickedFunc() != 0) return OKClick();
        return 0;
    }
    TButtonRef cancel = Menu->FindButton("Cancel");
    if (!cancel) return 0;
    const int clicked = Menu->Clicked("Cancel");
    if (clicked == 0 && !(cancel->Active != 0 && KeyHit(platform::vk::ESCAPE) != 0)) return 0;
    TextInput->Finish();
    if (clicked == 0) ClickSound();
    return CancelClick();
}

int TDialogTextInput::Refuse() {
    Game->BlockKeys = 1;
    if (TextInput->Active == 0) TextInput->Reset();
    return 0;
}

int TDialogTextInput::OKClickTest() {
    TextInput->ForceDraw = 1;
    // The name the owner sees is the one shown, without blanks at its ends.
    TextInput->Text = platform::Trim(TextInput->Text);
    TextInput->CurrentChar = int(TextInput->Text.size()) + 1;
    if (UppercaseFirstChar != 0 && !TextInput->Text.empty())
        TextInput->Text[0] = platform::Upper(TextInput->Text.substr(0, 1))[0];
    if (ErrorCheckFunc) {
        std::string message;
        if (ErrorCheckFunc(TextInput->Text, message) == -1) {
            if (ErrorDialogFunc) {
                DialogOK = ErrorDialogFunc(message);
                if (DialogOK) DialogOK->ReenableEscapeKey = 0;
            }
            return Refuse();
        }
    }
    if (AllowNull == 0 && platform::Trim(TextInput->Text).empty()) return Refuse();
    return 1;
}

int TDialogTextInput::ProcessOKClickedFunc() {
    if (!OKClickedFunc) return 1;
    const int result = OKClickedFunc(*this);
    if (result > 0) return result;
    Active = 1;
    return 0;
}

int TDialogTextInput::OKClick() {
    ccFlushAll();
    return Close(1);
}

int TDialogTextInput::CancelClick() {
    TextInput->ForceDraw = 1;
    ccFlushAll();
    return Close(-1);
}

int TDialogTextInput::ClickSound() {
    if (TButtonRef ok = Menu->FindButton("OK")) ok->PlayClick();
    return 0;
}

int TDialogTextInput::Draw() {
    if (DrawDisabled == 0) {
        if (TDialog::Draw() == 0) return 0;
        if (DrawBox != 0) {
            BoxColor->Apply();
            platform::DrawRect(float(x + BoxBorderH) + OffsetX, Text->Y - float(BoxBorderV) + OffsetY,
                               float(w - 2 * BoxBorderH), Text->H + float(2 * BoxBorderV));
            TColor::Restore();
        }
        TextInput->OffsetX = OffsetX;
        TextInput->OffsetY = OffsetY;
        TextInput->Draw();
        if (DialogOK) {
            if (DimWhenShowingDialogs != 0) ccDimScreen(0.5f);
            DialogOK->Draw();
        }
    }
    if (OKClickedScreen) OKClickedScreen->Draw();
    if (OKClickedDialog) OKClickedDialog->Draw();
    return 1;
}

int TDialogTextInput::Kill() {
    if (DialogOK) {
        DialogOK->Kill();
        DialogOK = nullptr;
    }
    if (Active == 1 && TextInput && TextInput->Active != 0) TextInput->Finish();
    TDialog::Kill();
    if (Text) Text->Kill();
    BoxColor = nullptr;
    return 0;
}

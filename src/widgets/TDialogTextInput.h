// The modal dialog that asks for one line of text: a caption, a framed entry box with a one-line
// editor, an "OK" button and an optional "Cancel" button. On OK it trims the text, upper-cases its
// first character, refuses an empty text and asks the owner's validator; a refusal opens an error
// box over the dialog and keeps it open. Manage answers 0 while open, 1 for OK and -1 for Cancel;
// the text is TextInput->Text.
#pragma once

#include "core/TScreen.h"
#include "widgets/TDialog.h"
#include "widgets/TDialogOK.h"
#include "widgets/TLabel.h"
#include "widgets/TTextInput.h"

#include <functional>
#include <memory>
#include <string>

class TDialogTextInput;
using TDialogTextInputRef = std::shared_ptr<TDialogTextInput>;

class TDialogTextInput : public TDialog {
public:
    TLabelRef Text; // the editor's font, colour, shadow and place; its height sizes the entry box
    int Gap = 30;   // between the caption and the text
    TColorRef BoxColor;
    int DrawBox = 1;
    int BoxBorderH = 10; // the entry box's inset from the dialog's sides
    int BoxBorderV = 5;  // how far the entry box reaches above and below the text
    int TextBorder = 10; // from the entry box's left edge to the text
    TTextInputRef TextInput;
    int TextYOffset = 0;
    int AllowNull = 0; // accept a text that is blank once trimmed
    // Asked on OK: -1 refuses and fills the message.
    std::function<int(const std::string& text, std::string& message)> ErrorCheckFunc;
    // Builds and starts the error box for a refusal.
    std::function<TDialogOKRef(const std::string& message)> ErrorDialogFunc;
    TDialogOKRef DialogOK;                                      // the open error box
    int TextOX = 0, TextOY = 0;                                 // either non-zero: the label's place
    std::function<int(TDialogTextInput& dialog)> OKClickedFunc; // 0 or less keeps the dialog open
    TScreenRef OKClickedScreen;
    TDialogRef OKClickedDialog;
    int DrawDisabled = 0;
    int UppercaseFirstChar = 1;
    int DimWhenShowingDialogs = 0;
    std::string ButtonName; // "" : the "OK" and "Cancel" pictures

    // Built without buttons: the owner calls MenuCreate, then SetupText.
    static TDialogTextInputRef Create(const std::string& caption, const std::string& text, int maxLength,
                                      const platform::ImageRef& background, int width, int atX, int atY,
                                      int maxPixelWidth, const std::string& buttonName);
    int SetupText(const platform::ImageFontRef& font, const TColorRef& color, const TShadowRef& shadow,
                  int dots, const TBitmapFontRef& bitmapFont);
    int MenuCreate(int showCancel, int pairGap);
    int Start() override;
    int CalcSize() override;
    int SetLabelsXY() override;
    int MenuPosition() override;
    int Manage() override;
    int Draw() override;
    // Finishes the editor and closes an open dialog first, so the game's keys come back.
    int Kill() override;
    int OKClickTest();
    int ProcessOKClickedFunc();
    int OKClick();
    int CancelClick();
    int ClickSound();

private:
    // The error box's tick; true while it stays open.
    bool ManageErrorBox();
    int ManageTyping();
    // A refusal leaves the editor typing, also when Enter had finished it.
    int Refuse();
};

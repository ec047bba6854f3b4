// The choose-player dialog: one row per profile in the profiles folder; OK, Enter or a double
// click chooses a player, "Create" asks for a new name, "Delete" removes a profile after a
// question, Cancel or Escape closes. Its owner calls Manage every tick (0 while open, 1 when a
// player was chosen, -1 when cancelled) and Draw every frame, then Kill. While an error box, the
// question or the name prompt is open it alone takes input; Escape stays with the manager until
// it closes. Built in two steps (Create, then the owner's settings and Start).
#pragma once

#include "media/TGameImage.h"
#include "widgets/TDialog.h"
#include "widgets/TDialogOK.h"
#include "widgets/TDialogTextInput.h"
#include "widgets/TDialogYesNo.h"
#include "widgets/TListBox.h"

#include <functional>
#include <memory>
#include <string>

class TPlayerManager;
using TPlayerManagerRef = std::shared_ptr<TPlayerManager>;

class TPlayerManager : public TDialog {
public:
    int Limit = 10; // most players; 0 or less: no limit. Also the list's visible rows
    int ButtonGap = 10;
    int BoxBorderH = 20; // the list's inset from the dialog's sides
    int BoxBorderV = 20; // between caption and list, and list and buttons
    int BoxXTweak = 0;
    int BoxY = 0; // not 0: the list frame's y; else centred between caption and buttons
    int DimWhenActive = 0;
    int DimWhenShowingDialogs = 0;
    int DimWhenShowingEnterNamePrompt = 0;
    int UpperFirstChar = 1;
    std::string ExtraBannedChars;
    TGameImageRef FrontFrame; // drawn over the list
    int FrontFrameX = 0, FrontFrameY = 0;
    TGameImageRef
        Header; // a second picture over the list (the dialog's own header sprite is TDialog::Header)
    int HeaderX = 0, HeaderY = 0;
    TListBoxRef ListBox;
    int LineHeightAddition = 0;
    int LimitBoxHeightToMaxItems = 0;
    std::function<TDialogOKRef(const std::string& text)> ErrorDialogFunc;
    TDialogOKRef DialogOK;
    std::function<TDialogYesNoRef(const std::string& text)> DialogYesNoFunc;
    TDialogYesNoRef DialogYesNo;
    std::function<TDialogTextInputRef(int showCancel)> EnterNamePromptFunc; // the owner sets it
    TDialogTextInputRef EnterName;
    std::function<int(const std::string& name)> CreateProfileFunc; // the owner sets it
    int DrawDisabled = 0;
    int AutoAcceptAfterCreate = 1;
    std::function<int(const std::string& name)> DeleteProfileUserFunction;
    std::string MessageCannotCreate = "You cannot create any more players!";
    std::string MessageCannotDelete = "The list must contain at least one player!";
    std::string MessageConfirmDelete = "Are you sure you want to delete this player?";

    // Built with its list filled and the current player selected; not started.
    static TPlayerManagerRef Create(const std::string& caption, const platform::ImageRef& background,
                                    int width, int atX, int atY, int limit, const std::string& buttonImage);
    int Start() override;
    // The base's size; without a picture, tall enough for the caption, the list and the buttons.
    int CalcSize() override;
    int MenuPosition() override;
    int Manage() override;
    int Draw() override;
    int Kill() override;

    // The "Create" button: 0 when refused (too many players), 1 once the name prompt is open.
    int CreateProfile();
    int CalcListBoxLineHeight();
    int BoxSize();
    int MenuCreate(int gap, const std::string& buttonImage);
    int FillList();
    int HighlightCurrentPlayer();
    int DeleteProfile();
    int DeleteProfileCheck();
    // 0 with no row selected; else the chosen player becomes current (read from its file) and 1.
    int OKClick();
    int CancelClick();
    int ClickSound();

private:
    // The sub-dialogs' ticks: true while one stays open (and takes the tick).
    bool ManageErrorBox();
    bool ManageQuestion();
    // 0 while the prompt stays open; -1 once released; OKClick's answer after an auto-accept.
    int ManageNamePrompt(bool& handled);
    // After a sub-dialog closed: the buttons refreshed silently, the click that closed it dropped.
    void ReleaseButtons();
    void ShowError(const std::string& message);
    // The chosen player's file read into the current profile object, and the settings saved.
    void MakeCurrent(const std::string& name);
};

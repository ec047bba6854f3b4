// The message box: a caption above one button named "OK". It closes with 1 on a click of the
// button, Enter or Space (an OK-key button), Escape, or, when set up for it, a click anywhere.
// Every way of closing flushes keys and mouse first, so the closing press reaches no one else.
#pragma once

#include "widgets/TDialog.h"

#include <memory>
#include <string>

class TDialogOK;
using TDialogOKRef = std::shared_ptr<TDialogOK>;

class TDialogOK : public TDialog {
public:
    int Gap = 50; // between the caption and the button row, pixels
    int ClickAnywhereCloses = 0;

    // Built, not started. An empty button picture gives the standard "OK" button.
    static TDialogOKRef Create(const std::string& caption, const platform::ImageRef& background, int width,
                               int height, int atX, const std::string& buttonImage);
    int CalcSize() override;
    int MenuPosition() override;
    // 0 while open, 1 once closed.
    int Manage() override;
    virtual int MenuCreate(const std::string& buttonImage);
    virtual int OKClick();
};

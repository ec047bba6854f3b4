// The question box: a caption above a row of two buttons named "Yes" and "No". Yes closes it with
// 1 and No with -1; Y and N press the buttons, Escape counts as No, and Enter or Space press Yes.
// Optional functions run just before it closes. Closing flushes keys and mouse first.
#pragma once

#include "widgets/TDialog.h"

#include <functional>
#include <memory>
#include <string>

class TDialogYesNo;
using TDialogYesNoRef = std::shared_ptr<TDialogYesNo>;

class TDialogYesNo : public TDialog {
public:
    int Gap = 50;                 // between the caption and the button row, pixels
    int ButtonGap = 50;           // between the two buttons, pixels
    std::function<int()> YesFunc; // empty: none
    std::function<int()> NoFunc;

    // Built, not started. An empty button picture gives the "Yes" and "No" pictures.
    static TDialogYesNoRef Create(const std::string& caption, const platform::ImageRef& background, int width,
                                  int height, int atX, int makeMenu, int buttonGap,
                                  const std::string& buttonImage);
    int CalcSize() override;
    int MenuPosition() override;
    // 0 while open, 1 for Yes, -1 for No.
    int Manage() override;
    virtual int MenuCreate(int gap, const std::string& buttonImage);
    virtual int YesClick();
    virtual int NoClick();
    virtual int ClickSound();

private:
    // The button's simulated click, when the menu has it.
    void Press(const std::string& buttonName);
};

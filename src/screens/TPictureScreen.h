// The picture view: one unlocked gallery picture full screen with an OK button. A click anywhere,
// the OK button or Escape returns to whoever opened it (the gallery, kept loaded meanwhile).
#pragma once

#include "core/TScreen.h"
#include "widgets/TDialogOK.h"

#include <memory>
#include <string>

class TPictureScreen;
using TPictureScreenRef = std::shared_ptr<TPictureScreen>;

class TPictureScreen : public TScreen {
public:
    int PicIndex = -1; // 1..11, set by the gallery before the switch
    int Border = 5;    // margin of the label
    int LabelX = Border + 2;
    int LabelY = 0;
    int LabelW = 0;
    int LabelH = 0;
    std::string LabelText = "Set as Desktop Wallpaper"; // measured on Load, never drawn
    int LabelMO = 0;
    TDialogOKRef DialogOK; // a message over the picture; while it is open only it runs

    int Load() override;
    int Start() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;
    // "pic" + PicIndex + ".jpg"
    virtual std::string GetPicName();
    // Fades out towards the destination, the logic running on.
    virtual int Close();
};

extern TPictureScreenRef PictureScreen;

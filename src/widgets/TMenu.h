// A menu of named buttons sharing one hover sound, one click sound and one drop shadow. It stacks
// the buttons it creates top to bottom, each centred on the screen, can lay them out again as a
// row, a column or a centred block, and is polled once per logic tick. After a poll it holds the
// upper-cased names of the button under the pointer and of the button clicked; owners ask by name.
#pragma once

#include "media/TGameSound.h"
#include "platform/TList.h"
#include "widgets/TButton.h"

#include <memory>
#include <string>

class TMenu;
using TMenuRef = std::shared_ptr<TMenu>;

class TMenu : public platform::TList<TButton> {
public:
    static inline const std::string SoundExt = ".wav";

    float x = 0.0f, y = 0.0f;
    float OX = 0.0f, OY = 0.0f; // x, y as StoreOriginalCoords found them
    int w = 0, h = 0;           // of the button block
    std::string MouseOverName;  // recorded by the last poll
    std::string ClickedName;
    TGameSoundRef SoundMouseOver; // shared by every button the menu creates
    TGameSoundRef SoundClick;
    int NextY = 0; // top of the next stacked button
    int Gap = 0;   // between stacked buttons
    int AddGap = 0;
    int NoSound = 0;
    int Shadow = 0; // for buttons created from now on
    float ShadowX = 3.0f, ShadowY = 3.0f;
    float ShadowAlpha = 0.5f;
    int ClearClickedName = 1;   // a Clicked query that answers 1 consumes the name
    int ClearMouseOverName = 0; // likewise for MouseOver
    int AcceptInput = 1;        // 0: only fixed glows run

    static TMenuRef Create(const std::string& mouseOverSound, const std::string& clickSound, float atX,
                           float atY, int gap);
    // Drops the buttons without killing them and resets the layout; an empty sound name keeps
    // that sound.
    int Init(const std::string& mouseOverSound, const std::string& clickSound, float atX, float atY, int gap);
    int Kill();
    int SetButtonCaptionRoundCoords(int round, int roundX, int roundY);
    int SetShadow(int on, float offsetX, float offsetY, float alpha);
    int ChangeShadow(int on, float offsetX, float offsetY, float alpha);
    int SetAlpha(float alpha);
    int ResetShadow(int on, float offsetX, float offsetY, float alpha);
    TButtonRef AddNew(const std::string& picture, const std::string& mouseOverImage, const std::string& id,
                      int cellWidth, int cellHeight, int frames);
    TButtonRef DoAddNew(const std::string& picture, const std::string& mouseOverImage, const std::string& id,
                        int cellWidth, int cellHeight, int frames);
    int IncreaseHeight(const TButton& button);
    TButtonRef AddQuick(const std::string& picture, const std::string& id);
    // AddQuick plus the "_disabled" and "_down" pictures when they exist.
    TButtonRef AddQuickAuto(const std::string& picture, const std::string& id);
    int AddPair(const std::string& left, const std::string& right, int gap, const std::string& prefix);
    // The first button of that name (any letter case); null for none.
    TButtonRef FindButton(const std::string& buttonName) const;
    int StoreOriginalCoords();
    int SetX(float toX);
    int SetY(float toY);
    int SetPairX(const std::string& leftName, const std::string& rightName, float toX);
    int ScaleMenu(float scaleX, float scaleY);
    int CalcCoords();
    int CalcLeft();
    int CalcTop();
    int CalcWidth();
    int CalcHeight();
    int CentreHoriz();
    int CentreVert();
    int Centre();
    int MakeColumn(int gap);
    int MakeRow(int gap);
    int ClearStates();
    int ClearScale();
    int ClearGlow();
    int ClearMouseClick();
    int ClearMouseOver();
    int Clicked(const std::string& buttonName);
    int MouseOver(const std::string& buttonName);
    int ManageNoSound(float offsetX, float offsetY);
    int Precache();
    // 1 when the buttons were polled; during a fade or without input only fixed glows run, and
    // with the pointer off nothing does. The early returns keep the names of the last poll.
    int Manage(float offsetX, float offsetY);
    int ManageFixedGlowOnly();
    int ManageScaleOnMO();
    int Draw(float offsetX, float offsetY);
};

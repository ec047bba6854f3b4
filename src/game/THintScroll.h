// The scroll that slides up over the game screen with a one-shot hint: a "Hint" title, an icon,
// a short message and "OK". The game screen runs and draws it while it is active, and its play
// stands still meanwhile. A click anywhere, "OK" or Enter rolls it away; U slides it in again.
#pragma once

#include "core/TScreen.h"
#include "framework/cc_strings.h"
#include "media/TAnimation.h"
#include "media/TGameImage.h"
#include "media/TGameSound.h"

#include <memory>
#include <string>

class THintScroll;
using THintScrollRef = std::shared_ptr<THintScroll>;

class THintScroll : public TScreen {
public:
    static constexpr int PICTURE_HINT = 21; // announces a gallery picture

    int Active = 0;
    int MouseState = 0; // whether the pointer was shown when the scroll opened
    TGameSoundRef ActivateSound;
    TGameSoundRef DeactivateSound;
    int Hint = -1;
    TGameImageRef Icon;
    TGameImageRef Frame;  // around the picture's thumbnail
    TAnimationRef Unroll; // the 400 ms slide
    TStringArray Text;    // the message, wrapped
    int PageWidth = 300;
    int TotalLines = 0;
    float TextScale = 1.0f; // the largest that keeps the message above "OK"

    int Kill() override;
    // 1 on the tick the scroll has rolled up and closed.
    int Logic() override;
    // 1 when drawn.
    int Draw() override;
    // Prepares the scroll for one hint and leaves it hidden.
    int LoadSpecial(int hint);
    int SetText();
    int RollUp();
    int Show(int withSound);
    int PlayActivateSound();
    int Hide();

    // The message of a hint; "" for an index without one.
    static std::string Message(int hint);
    // The y of the first text line with the scroll at rest, for a message of lines lines.
    static int FirstLineY(int bodyHeight, int lines);

private:
    TButtonRef OK() const;
};

extern THintScrollRef HintScroll;

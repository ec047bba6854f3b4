// The panel that follows a won level. In this build it shows nothing: once shown, the game
// screen stands still under it, hides its display and fades with the music to the title. The
// level is not advanced and the profile is not written.
#pragma once

#include <memory>

class TLevelCompleteScreen {
public:
    int Active = 0;

    int Load();
    int Show();
    int Logic();
    int Draw();
    int Kill();
};

extern std::shared_ptr<TLevelCompleteScreen> LevelCompleteScreen;

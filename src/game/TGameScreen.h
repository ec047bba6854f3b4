// The screen on which one level is played: it loads the level's background, music and pictures,
// builds and fills the board, plays the level intro, runs the board, the player and the particle
// lists, draws the heads-up display with the bonus-power gauge, and plays the outro of a won level
// before the level-complete panel takes over. The in-game menu, the hint scroll and the panel are
// overlays it runs and draws without ever leaving the screen.
#pragma once

#include "board/TPlayer.h"
#include "core/TScreen.h"
#include "framework/TCounter.h"
#include "game/TGameBoardHost.h"
#include "media/TAnimation.h"
#include "media/TGameImage.h"
#include "media/TGameSound.h"
#include "media/TSprite.h"

#include <memory>

// Backgrounds and tunes the levels take in turn.
constexpr int MAX_SKY = 10;
constexpr int MAX_MUSIC = 5;

class TGameScreen : public TScreen {
public:
    static constexpr int DiagonalGaugeX = 59;
    static constexpr int DiagonalGaugeY = 422;

    TPlayer Player; // the run's one player record
    int FirstTime = 1;
    TGameImageRef XActive1Image;  // "gaugefull"
    TGameImageRef XActive2Image;  // "gaugemax"
    TGameImageRef XInactiveImage; // "gaugeempty"
    TGameImageRef PanelImage;
    float DiagonalGaugeParticleCounter = 0.0f; // ticks until the full gauge's next sparkle
    int DiagonalGaugeParticleCounterMax = 20;  // raw ticks between sparkles
    // One 1000 ms counter per packet of magic dust on its way; each end is one gauge step.
    std::shared_ptr<TCounterList> GaugeFillDelay = std::make_shared<TCounterList>();
    TAnimationRef IntroAnim; // 1000 ms
    TAnimationRef OutroAnim; // 4500 ms, active at its end
    TSpriteRef Go;
    TSpriteRef WellDone;
    TGameSoundRef SoundLevelStart;
    TGameSoundRef SoundLevelEnd;
    TGameSoundRef SoundGaugeFull;
    float HintShowCounter = 0.0f; // ticks since the last board click, match or hint
    int Chapter = 0;
    int WonLevelUnsaved = 0; // 1 from a win until the level-complete panel saves it
    int HeaderDefaultX = -10;
    // The board's way to this screen.
    TGameBoardHost Host{*this};

    int Load() override;
    int Start() override;
    int CoreStart() override;
    int PostFadeIn() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;
    int SpecificKeys() override;

    int SetMenuCoords();
    int LoadParticles();
    // A new run: the player's record read from the current profile.
    int GameStart();
    int LevelStart();
    int ClearLists();
    int ClearCounters();
    // Empties the five shared particle lists.
    static int ClearParticles();
    int StartSound();
    int KillGameObjects();
    int GetChapter();
    int GetSubLevel();
    int ManageMunchkins();
    int IntroCheck();
    int LevelCheck();
    // Starts the outro of a won level: 1, or 0 when refused (the player is not alive, or the
    // intro or the outro runs).
    int NextLevel();
    int NextLevelManage();
    int NextLevelEnd();
    // Saves the level won when the program ends during its outro, before the panel saved it.
    int SaveWonLevelAtExit();
    int HUDEffects();
    float GetHUDX();
    int HUDDraw();
    int StatusTextDraw();
    int XDraw(float hudx);
    int DiagonalTextDraw();
    int Quit();
    int RestartLevel();
    int LevelLoad();
    int FillGrid();
    int TestGrid();
    int MakeTestGem(int x, int y, int type);

    // Every one-shot hint goes through here: the first time its profile flag is asked for, and
    // only while no hint stands open, the scroll opens with the hint (1); else 0.
    int OfferOneShotHint(int flag, int hint, int withSound);
};

extern std::shared_ptr<TGameScreen> GameScreen;

// The board controller: one per level, held in GameGrid. It owns the state of play (the board's
// size and origin, the selected and hovered cells, the swap, the hint, the ice counts, the bonus
// power) and runs the rules: swapping, matching, ice, scoring, gravity and refill, and the move
// search. Its methods are spread over topic files: TGameGrid.cpp (set-up, cursor, pointer, hint
// timer), _load (the level file, entry cells, outline), _match (lines, ice, scores), _swap,
// _fall (gravity and refill), _search (the move search), _tick (the board's tick, the column
// flash and the pointer animation), _input (the mouse: hover, clicks, drags, selection), _bonus
// (the bonus items firing), _pointer (the bonus pointer and the power gauge) and _end (the
// no-more-moves sequence and the level end).
#pragma once

#include "board/board_grid.h"
#include "framework/TSineCounter.h"
#include "media/TChannelArray.h"
#include "media/TGameChannel.h"
#include "media/TGameImage.h"
#include "media/TGameSound.h"
#include "platform/audio.h"

#include <memory>
#include <string>

class TCell;
class TGem;
class TLevelFile;
using TGemRef = std::shared_ptr<TGem>;
using TGameGridRef = std::shared_ptr<TGameGrid>;

class TGameGrid : public std::enable_shared_from_this<TGameGrid> {
public:
    int sx = 0, sy = 0; // screen corner of cell (0, 0)
    int w = 0, h = 0;
    int cx = -1, cy = -1; // the selected cell
    int dx = -1, dy = -1; // the destination of the swap
    int mx = -1, my = -1; // the hovered cell
    int levelwidth = 0, levelheight = 0;
    float yacc = 0.0f;
    float alpha = 1.0f;
    std::string LevelName;
    float TimeLimit = 0.0f;                 // stored only
    int Gold = 0;                           // ice layers left
    int Locked = 0;                         // ice cubes left
    int LevelOffsetX = 0, LevelOffsetY = 0; // stored only
    int TargetMet = 0;
    int Mode = 0; // 1 while a cell is selected
    int MouseUpFlag = 1;
    int BlockInput = 0; // the board is busy
    int PointerAnimated = 0;
    float PointerAnimCounter = 0.0f;
    int PointerAnimLength = 0;
    int PointerGemType = 0;
    int PointerGemTypeStored = 0;
    float PointerAnimCounterStored = 0.0f;
    float SwapCounter = 0.0f;
    float SwapTime = 200.0f; // ms until Init turns it into ticks
    TGemRef SwapSource, SwapDest;
    int FailedMove = 0;
    TSineCounterRef glow = TSineCounter::Create(0.0f, 180.0f, 1.0f, 0);
    TSineCounterRef glow2 = std::make_shared<TSineCounter>();
    float JiggleOffset = 0.0f;
    int JiggleDirection = 0;
    float JiggleMax = 4.0f;
    int Exploded = 0;
    float HintCounter = 0.0f;
    float HintLength = 2000.0f; // ms until Init turns it into ticks
    int HintCurrent = 1;
    int HintX = -1, HintY = -1;
    int DebugX = -1, DebugY = -1;
    int HintGemType = 0;
    TGameImageRef CursorImage, BonusHighlightMidImage, MagicHighlightImage;
    TGameSoundRef ClickSound, ClickReverseSound, InvalidSound, SwapSound, FailedSound, MatchSound;
    float MatchPitch = 0.8f;
    TGameSoundRef MatchNoBrickSound, LockedSound, UnlockSound, LandSound;
    TGameChannelRef LandChannel;
    TGameSoundRef HintSound, SoundNoMore, SoundExplode;
    int MunchkinPlaying = 0;
    TGameSoundRef ExplodeSound, StarSound, BrushSound, BrushInvalidSound, PaintpotSound, HornSound,
        TornadoSound, MagicSound;
    float IntroCounter = 0.0f;
    float IntroLimit = 50.0f;
    int IntroColumn = 0;
    float FallCounter = 0.0f;
    int NoMore = 0;
    float NoMoreCounter = 0.0f;
    int MoveNeedsMatchFlag = 1;
    int DropGemsFlag = 1;
    int MakeNewGems = 1;
    int DiagonalMoves = 0;
    int DiagonalGauge = 0;
    float DiagonalGaugeMax = 10.0f;
    float DiagonalTextCounter = 0.0f;
    int DiagonalTextLength = 4000;
    int BonusPower = 1;
    int DynamicDebug = 0;

    // The board's pool of 8 channels and its two channels of its own, made once at start-up.
    static TChannelArrayRef Channels;
    static platform::ChannelRef ChannelNoMore;
    static platform::ChannelRef ChannelExplode;

    static int CreateChannels();
    // A new board with its defaults, initialised.
    static TGameGridRef Create();
    int Init();
    int Clear();
    int CreateCells();
    int SetImages();
    int SetSounds();
    int Centre();
    int CursorSet(int x, int y);
    int CursorClear();
    int DeleteGem(int x, int y);
    int RestorePointer();
    int Kill();
    // Plays a board sound on the pool at volume 1, pan 0; a null sound plays nothing.
    static int PlayBoardSound(const TGameSoundRef& sound);

    // The hint: shows the next possible move by making its gem wobble. 0 when refused.
    int HintStart();
    int HintManage();
    int HintEnd();

    // The level file.
    int Load(int level);
    // Applies a parsed level file in the loader's order (the level's shapes drawn here).
    int Apply(const TLevelFile& file);
    int TopRowClear();
    int TopRowYCalc();
    int FindEdges();

    // Matching, ice and scores.
    int ClearMatches();
    int DoMatches(int testOnly, int includeSwapping);
    int ScoreSpriteCreate(int x, int y, int n, int glowing);
    int RemoveGold(int x, int y);
    int PlayMunchkinSound();

    // Swapping.
    int StartSwap();
    int SwapManage();
    int SwapGems();
    int SwapReverse();

    // Gravity and refill.
    int DropGems();
    int CheckTopRow();

    // The move search.
    int NoMoreMoves(int n);
    int TestMove(int n, int x1, int y1, int x2, int y2, const TGemRef& sourceGem, TCell& sourceCell,
                 int& swapped, int& found, int& count, int diagonal);
    int DoQuickMatchHoriz(int x, int y, int diagonal);
    int DoQuickMatchVert(int x, int y, int diagonal);

    // The tick.
    int Manage();
    int SetupIntroFlash();
    int IntroFlash();
    int FlashColumn(int column);
    int RandomFlash();
    int ManageFlash();
    int AnimatePointer();
    int SetPointerFrame();
    // The board's phase in words (idle, swapping, busy, no-more-moves, ...), for logs and tests.
    const char* Phase() const;

    // The mouse. CheckMouse reads Game->Mouse; ClickCell does what CheckMouse does with a new
    // press on cell (x, y), for programs without a pointer. Both return 1 when they ran to the end.
    int CheckMouse();
    int ClickCell(int x, int y);

    // The bonus items. A click bonus fires at (mx, my); an aimed one, picked up at (cx, cy), acts
    // on (mx, my) and answers 1 when it acted, 0 when it found nothing, -1 when it was refused
    // and stays picked up. SackDraw gives the code a sack turns into.
    int FireClickBonus(int code);
    int FireAimedBonus(int code);
    int SackDraw();

    // The bonus pointer and the power gauge.
    int EmptyGauge();
    int DiagonalManage();
    int InitPointerAnim();
    int SetBonusPointer(int code, int restore);
    int TogglePointer(int event);
    int DestroySquare(int x, int y);

    // The board on the screen: outline, squares, hover highlight, gems, selection cursor.
    int Draw();

    // The no-more-moves sequence and the level end.
    int ManageNoMoreMoves();
    int StartNoMoreMoves();
    int LevelEndTest();
    int LevelEndStart();

private:
    // The hovered cell is highlighted: on a free square while nothing else holds the screen.
    bool HoverHighlightShown() const;
    // The squares, one layer at a time for the whole board.
    void DrawCells();
    // The pointer's image from the bank, its handle at (offsetx, offsety), and its second image.
    static void ShowPointer(const std::string& name, int offsetx, const platform::ImageRef& second,
                            int frame);
    // MouseUpFlag from the buttons held now: the next tick's press is new only after all were up.
    int UpdateMouseUpFlag();
    // A swap, the level outro or the no-more-moves sequence: the board ignores the mouse.
    int InputBlocked() const;
    // Steps 4-8 of the mouse handling on the hovered cell (mx, my).
    int HandleCell(int down, int newClick);
    int HandleUnselected(int newClick);
    int HandleSelected(int newClick);
    int EndSelectionWithoutGem();
    void MakeCrackerParticles(int x, int y, int vertical);
    void NoMoreFade();
    void NoMoreShake();

    // The shapes resolution and the bonus draw.
    int ResolveCell(TCell& cell, int runTotal, int& iceBroke, int& cubeFreed);
    int BonusDraw(int x, int y);
    int MatchSounds(int iceBroke, int cubeFreed);
    int ScanLines(int includeSwapping, int& runTotal);
    int ReleasePass();
    int MotionPass(int& landed);
};

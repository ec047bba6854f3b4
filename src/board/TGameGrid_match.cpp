// Lines of three or more equal shapes: the scan that marks them, the resolution that frees,
// scores and bursts their shapes and breaks their ice, the bonus items that now and then take a
// burst shape's place, and the match sounds.
#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/TPlayer.h"
#include "board/board_particles.h"
#include "board/board_random.h"
#include "board/gem_codes.h"
#include "board/line_scan.h"
#include "framework/core_services.h"
#include "media/TParticleList.h"

#include <algorithm>

namespace {

// What a cell brings to the line scan: its gem's code, 0 for no gem or for a swapping gem unless
// swapping gems count.
int LineCode(int x, int y, int includeSwapping) {
    const TCell* cell = CellAt(x, y);
    if (!cell || !cell->Gem) return 0;
    if (cell->Gem->Swapping && !includeSwapping) return 0;
    return cell->Gem->GemType;
}

bool AnyGemInIceCube() {
    for (int y = 0; y < GameGrid->levelheight; ++y)
        for (int x = 0; x < GameGrid->levelwidth; ++x) {
            TCell* cell = CellAt(x, y);
            if (cell && cell->Gem && cell->Gem->locked == 1) return true;
        }
    return false;
}

void PlayPitched(const TGameSoundRef& sound, float pitch) {
    if (sound) sound->pitch = pitch;
    TGameGrid::PlayBoardSound(sound);
}

} // namespace

int TGameGrid::ClearMatches() {
    for (int y = 0; y < levelheight; ++y)
        for (int x = 0; x < levelwidth; ++x)
            if (TCell* cell = CellAt(x, y)) cell->match = 0;
    return 0;
}

int TGameGrid::ScanLines(int includeSwapping, int& runTotal) {
    const int width = std::min(levelwidth, GRID_W), height = std::min(levelheight, GRID_H);
    TLineCodes codes;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            codes[x][y] = LineCode(x, y, includeSwapping);
    TLineMarks marks;
    runTotal += MarkLines(codes, width, height, marks);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (marks[x][y]) CellAt(x, y)->match = 1;
    return 0;
}

int TGameGrid::DoMatches(int testOnly, int includeSwapping) {
    int runTotal = 0;
    ScanLines(includeSwapping, runTotal);
    MunchkinPlaying = 0;
    int result = 0, iceBroke = 0, cubeFreed = 0;
    for (int x = 0; x < levelwidth; ++x)
        for (int y = 0; y < levelheight; ++y) {
            TCell* cell = CellAt(x, y);
            if (!cell || cell->match != 1) continue;
            ++result;
            if (!testOnly) ResolveCell(*cell, runTotal, iceBroke, cubeFreed);
        }
    if (!testOnly && result > 0) MatchSounds(iceBroke, cubeFreed);
    if (!testOnly && cubeFreed) PlayBoardSound(UnlockSound);
    PlayMunchkinSound();
    return result;
}

int TGameGrid::ResolveCell(TCell& cell, int runTotal, int& iceBroke, int& cubeFreed) {
    cell.match = 0;
    TGemRef gem = cell.Gem;
    if (!gem) return 0;
    if (gem->locked == 1) {
        // Freed from its ice cube, scored as a plain shape, left standing on its ice.
        gem->Unlock();
        ScoreSpriteCreate(cell.x, cell.y, runTotal, 0);
        cubeFreed = 1;
        return 0;
    }
    if (Mode == 1 && cx == cell.x && cy == cell.y) {
        CursorClear();
        RestorePointer();
    }
    ScoreSpriteCreate(cell.x, cell.y, runTotal, gem->Munchkin ? 1 : 0);
    gem->Explode(1);
    BonusDraw(cell.x, cell.y);
    if (RemoveGold(cell.x, cell.y) == 1) iceBroke = 1;
    return 0;
}

int TGameGrid::BonusDraw(int x, int y) {
    int chance = Gold <= 3 && Locked < Gold ? 60 : 30;
    if (!(float(BoardRand(1, 1000)) < float(chance) * Delta)) return 0;
    int candidates[POSS_BONUS_MAX + 4];
    int n = 0;
    for (int i = 0; i < PossBonusCount && i < POSS_BONUS_MAX; ++i)
        candidates[n++] = PossBonus[i];
    if (Gold <= 3 && (Locked == 1 || Locked == 2))
        candidates[n++] = ITEM_MATCHSTICK, candidates[n++] = ITEM_MATCHSTICK;
    if (Gold <= 3 && Locked < Gold && BoardHost().Player().Level > 4)
        candidates[n++] = ITEM_SNOWBALL, candidates[n++] = ITEM_SNOWBALL;
    while (n > 0) {
        int pick = BoardRand(0, n - 1);
        int code = candidates[pick];
        // A matchstick needs a shape in an ice cube; a refused one leaves the list.
        if (code == ITEM_MATCHSTICK && PossBonusCount > 1 && !AnyGemInIceCube()) {
            candidates[pick] = candidates[--n];
            continue;
        }
        TGemRef bonus = TGem::Make(x, y, code, 0);
        if (GemList) GemList->InsertGem(bonus);
        if (TCell* cell = CellAt(x, y)) cell->Gem = bonus;
        return 1;
    }
    return 0;
}

int TGameGrid::MatchSounds(int iceBroke, int /*cubeFreed*/) {
    BoardHost().ClearHintShowCounter();
    if (iceBroke) {
        PlayPitched(MatchSound, MatchPitch + float(BoardRnd(-0.1, 0.1)));
        if (Gold <= 3) BoardHost().OfferHint(16);
    }
    PlayPitched(MatchNoBrickSound, MatchPitch + float(BoardRnd(-0.1, 0.1)));
    return 0;
}

int TGameGrid::PlayMunchkinSound() {
    if (MunchkinPlaying > 0) PlayBoardSound(MagicSound);
    return 0;
}

int TGameGrid::ScoreSpriteCreate(int x, int y, int n, int glowing) {
    int points = 10, index = 0;
    if (n == 0) {
        points = 0;
    } else if (n >= 10) {
        points = 80;
        index = 7;
    } else if (n >= 4) {
        points = 10 * (n - 2);
        index = n - 3;
    }
    TPlayer& player = BoardHost().Player();
    player.Score += points;
    if (glowing) {
        player.Score += 100;
        index = 8;
    }
    if (ScoreParticles)
        ScoreParticles->AddNew(CalcSX(x) + 25, CalcSY(y) + 10, ScoreParticleImages[index], 0.0f, -0.1f, 0.0f,
                               800.0f, 1, 0, 1.0f, 1.0f, 0.0f, 0, 0);
    return 0;
}

int TGameGrid::RemoveGold(int x, int y) {
    TCell* cell = CellAt(x, y);
    int broke = 0;
    if (cell && cell->armour == 1) {
        cell->armour = 0;
        broke = 1;
    } else if (cell && cell->gold == 1) {
        cell->gold = 0;
        broke = 2;
    }
    if (broke) {
        Gold -= 1;
        const TGameImageRef& shard = ParticleImages[broke];
        for (int i = 0; i < 3 && BackgroundParticles; ++i) {
            float across = float(BoardRnd(-1.0, 1.0));
            float up = float(BoardRnd(-0.2, -1.0));
            float turn = float(BoardRnd(1.5, 3.0));
            float scale = float(BoardRnd(0.4, 0.8));
            BackgroundParticles->AddNew(CalcSX(x) + 25, CalcSY(y) + 25, shard, across, up, 0.04f, 1500.0f, 0,
                                        across >= 0.0f ? 1 : -1, turn, scale, 0.0f, 0, 0);
        }
    }
    if (Gold <= 0) TargetMet = 1;
    return broke ? 1 : 0;
}

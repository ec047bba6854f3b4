#include "game/THighScoreEntry.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "profiles/THighScoreList.h"

bool THighScoreEntry::Qualifies(int score) {
    const THighScoreList& table = *Game->HighScores;
    if (table.Count() < kHighScoreMaxRows) return true;
    return score >= table.Last()->score;
}

THighScoreEntryRef THighScoreEntry::Create(const TMenuRef& menu, const TPlayer& player) {
    auto entry = std::make_shared<THighScoreEntry>();
    entry->Menu = menu;
    entry->Player = &player;
    entry->HighScore = Qualifies(player.Score) ? 1 : 0;
    if (entry->HighScore == 1) {
        entry->InputName.Init(MainFont, "", 250, entry->TopY + 60, nullptr);
        entry->InputName.DrawDots = 0;
        entry->InputName.AllowEscToAbort = 0;
        if (TButtonRef ok = menu ? menu->FindButton("OK") : nullptr) ok->OKButtonUseSpace = 0;
    }
    return entry;
}

int THighScoreEntry::Manage() {
    // The input finishes itself on Enter, so the entry is added here rather than through
    // FinishAndAdd, which only acts on a name still being typed.
    if (InputName.Manage() != 1 || HighScore != 1) return 0;
    AddToHighScores();
    Finish();
    return 1;
}

int THighScoreEntry::Finish() {
    return InputName.Finish();
}

int THighScoreEntry::FinishAndAdd() {
    if (HighScore != 1 || InputName.Done != 0) return 0;
    AddToHighScores();
    Finish();
    return 0;
}

int THighScoreEntry::AddToHighScores() {
    THighScoreList& table = *Game->HighScores;
    if (table.Count() >= kHighScoreMaxRows) table.RemoveLast();
    table.Insert(InputName.Text, Player ? Player->Score : 0, Player ? Player->Level : 0);
    table.Save();
    return 0;
}

int THighScoreEntry::Draw() {
    if (HighScore == 1 && InputName.Done == 0) {
        // The prompts stand in the interface font: in the main font they run into each other
        // and into the name below.
        platform::SetImageFont(UIFont);
        platform::SetColor(150, 255, 150);
        ccDrawTextCentre("You got a High Score!", float(TopY), 0, 0);
        ccDrawTextCentre("Please enter your name:", float(TopY + 30), 0, 0);
        platform::SetColor(255, 255, 255);
        InputName.Draw();
    }
    if (Menu) Menu->Draw(0, 0);
    return 0;
}

int THighScoreEntry::Active() const {
    return InputName.Active;
}

#include "screens/THighScoresScreen.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "profiles/THighScoreList.h"
#include "screens/TTitleScreen.h"
#include "widgets/dialog_builders.h"

#include <algorithm>

THighScoresScreenRef HighScoresScreen;

namespace {

// Right-aligned at the drawn scale: the text ends at right.
void DrawRight(const std::string& text, float right, float y, float scale) {
    ccDrawText(text, right - float(platform::TextWidth(text)) * scale, y, 0, 0);
}

} // namespace

float THighScoresScreen::SlotScale(int slot) {
    platform::SetImageFont(MainFont);
    int line = platform::TextHeight("Name");
    if (line <= 0) return 1.0f;
    return std::min(1.0f, float(slot) / float(line));
}

int THighScoresScreen::Load() {
    name = "highscores";
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    OKButtonCreate(*Menu);
    Menu->AddQuick("clear", "");
    Game->FadeMusic = 0;
    SetSlideLines();
    PlaceClearButton();
    return 0;
}

// Fifty pixels below the last row; also after a clear, which may have added rows.
void THighScoresScreen::PlaceClearButton() {
    if (TButtonRef clear = Menu->FindButton("clear")) clear->y = float(StartY + height + 50);
}

int THighScoresScreen::SetSlideLines() {
    int y = StartY;
    w = col3 - col1;
    height = 0;
    platform::SetImageFont(MainFont);
    SlideLines = std::make_shared<TSlideLineList>();
    if (!Game->HighScores) return 0;
    int i = 0;
    bool left = true;
    for (const auto& row : *Game->HighScores) {
        TSlideLineRef line = SlideLines->Add("", -w, y, -w, y, i * 30);
        line->AddPhaseSpecial(left ? -w : ScreenWidth, y, col1, y, 500);
        line->AddPhaseSpecial(col1, y, col1, y, 500);
        line->AttachObject(row);
        y += ROW_GAP;
        height += ROW_GAP;
        ++i;
        left = !left;
    }
    SlideLines->Start();
    return 0;
}

int THighScoresScreen::ClearHighScores() {
    Game->HighScores->Zero(10);
    SetSlideLines();
    PlaceClearButton();
    return 0;
}

int THighScoresScreen::Logic() {
    if (DialogYesNo) {
        int answer = DialogYesNo->Manage();
        if (answer != 0) {
            DialogYesNo->Kill();
            DialogYesNo = nullptr;
            Menu->ManageNoSound(0, 0);
            if (answer == 1) ClearHighScores();
        }
        if (DialogYesNo && DialogYesNo->Active != 0) return 0;
    }
    TScreen::Logic();
    if (Menu->Clicked("OK") != 0) {
        Game->GameFade->Init(float(FADE_SPEED), 1, nullptr, 1, 0, nullptr);
        Game->DestinationTScreen = TitleScreen;
    }
    if (Menu->Clicked("clear") != 0) DialogYesNo = MakeDialogYesNo("Clear High Scores - are you sure");
    SlideLines->Manage();
    return 0;
}

int THighScoresScreen::SetEscDestination() {
    Game->DestinationTScreen = TitleScreen;
    return 0;
}

int THighScoresScreen::Draw() {
    platform::Cls();
    platform::SetImageFont(MainFont);
    ccDrawTextCentre("High Scores", 10, 0, 1);
    Menu->Draw(0, 0);
    DrawHeadings();
    DrawRows();
    platform::SetScale(1, 1);
    platform::SetColor(255, 255, 255);
    if (DialogYesNo) DialogYesNo->Draw();
    return 0;
}

void THighScoresScreen::DrawHeadings() {
    const float scale = SlotScale(HEADING_SLOT);
    const float y = float(StartY - 30);
    platform::SetScale(scale, scale);
    platform::SetColor(150, 150, 255);
    ccDrawText("Name", float(col1), y, 0, 0);
    DrawRight("Score", float(col2), y, scale);
    DrawRight("Lev", float(col3), y, scale);
}

// A row arrives white in its hold and turns green; sliding and at rest it is green.
void THighScoresScreen::DrawRows() {
    const float scale = SlotScale(ROW_GAP);
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetScale(scale, scale);
    for (const TSlideLineRef& line : *SlideLines) {
        auto row = std::static_pointer_cast<THighScore>(line->AttachedObject);
        const float x = line->GetX();
        const float y = float(int(line->GetY()));
        if (line->Active != 0 && line->CurrentPhase == 2) {
            int c = int(100.0f + 155.0f * line->GetRatio());
            platform::SetColor(c, 255, c);
        } else {
            platform::SetColor(100, 255, 100);
        }
        ccDrawText(row->name, x, y, 0, 0);
        DrawRight(std::to_string(row->score), x + float(col2 - col1), y, scale);
        DrawRight(std::to_string(row->level), x + float(col3 - col1), y, scale);
    }
}

int THighScoresScreen::Kill() {
    TScreen::Kill();
    if (DialogYesNo) DialogYesNo->Kill();
    DialogYesNo = nullptr;
    SlideLines = nullptr;
    return 0;
}

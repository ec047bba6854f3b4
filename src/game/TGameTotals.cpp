#include "game/TGameTotals.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "platform/draw.h"
#include "platform/font.h"

#include <cmath>

namespace {

// The totals stand in the map font: in the main font the glyphs of neighbouring lines meet.
const platform::ImageFontRef& TotalsFont() {
    return MapFont;
}

constexpr int kHoldPhase = 2;

} // namespace

TGameTotalsRef TGameTotals::Create(const TPlayer& player) {
    auto totals = std::make_shared<TGameTotals>();
    totals->Player = &player;
    totals->SetSlideLines();
    return totals;
}

std::string TGameTotals::Label(int i) const {
    static const char* const labels[] = {"Total Score", "Total Kills", "Total Time"};
    return (i >= 0 && i < 3) ? labels[i] : "";
}

std::string TGameTotals::Value(int i) const {
    if (!Player) return "";
    switch (i) {
    case 0:
        return std::to_string(Player->Score);
    case 1:
        return std::to_string(Player->TotalKills);
    case 2: {
        const double ms = Player->TotalTimeTaken * double(Game->FixedRateLogic->MS);
        return std::to_string(static_cast<long long>(std::floor(ms / 1000.0)));
    }
    default:
        return "";
    }
}

int TGameTotals::SetSlideLines() {
    platform::SetImageFont(TotalsFont());
    const int labelWidth = platform::TextWidth(Label(0));
    w = labelWidth + colgap + platform::TextWidth(Value(0));
    h = lines * gap;
    col1 = (ScreenWidth - w) / 2;
    col2 = col1 + labelWidth + colgap;
    for (int i = 0; i < lines; i++) {
        const int y = StartY + i * gap;
        TSlideLineRef line = Add("", -w, y, -w, y, i * 30);
        line->AddPhaseSpecial(-w, y, col1, y, 300);
        line->AddPhaseSpecial(col1, y, col1, y, 500);
    }
    Start();
    return 0;
}

int TGameTotals::CentreVert() {
    StartY = (ScreenHeight - h) / 2;
    return 0;
}

int TGameTotals::Draw() {
    platform::SetImageFont(TotalsFont());
    platform::SetBlend(platform::BLEND_ALPHA);
    ccShadowTextSet(3.0f, 3.0f, 0.4f);
    float y = float(StartY);
    int i = 0;
    for (const TSlideLineRef& line : *this) {
        const int c = TruncToInt(line->GetRatio() * 255.0f);
        const bool holding = line->CurrentPhase == kHoldPhase;
        platform::SetColor(255, 255, holding ? c : 0);
        ccDrawText(Label(i), line->GetX(), y, 1, 0);
        platform::SetColor(holding ? c : 0, 255, 255);
        ccDrawText(Value(i), line->GetX() + float(col2 - col1), y, 1, 0);
        y += float(gap);
        i++;
    }
    platform::SetColor(255, 255, 255);
    return 0;
}

#include "screens/TCreditsScreen.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "screens/TOptionsScreen.h"
#include "widgets/dialog_builders.h"

TCreditsScreenRef CreditsScreen;

// The game's own credits: the studio and its teams. Names in the two lists avoid letters that
// reach below the line: the lists stand only 22 px apart.
const std::array<TCreditsScreen::TCreditLine, 11> TCreditsScreen::Lines = {{
    {198, "Producer/Designer: Brindlecove"},
    {233, "Programmer: Brindlecove"},
    {268, "Artists:"},
    {290, "Brindlecove Art Team"},
    {312, "Brindlecove Animation Team"},
    {347, "Music: Traditional carols"},
    {382, "Sound Engineer: Brindlecove"},
    {417, "Testers:"},
    {439, "Brindlecove Test Team"},
    {461, "Brindlecove Level Testers"},
    {483, "Brindlecove Board Testers"},
}};

int TCreditsScreen::Load() {
    name = "credits";
    ImageLoad("pressie.jpg", 0, 1);
    TagImage = LoadPaperDecoration("tagcredits.png");
    BottomString = LoadPaperDecoration("BottomString.png");
    TopString = LoadPaperDecoration("TopString.png");
    Menu = TMenu::Create("buttonMO", "buttonclick", 0.0f, 0.0f, 0);
    OKButtonCreate(*Menu);
    Menu->FindButton("OK")->x -= 172;
    Game->FadeMusic = 0;
    return 0;
}

int TCreditsScreen::Start() {
    TScreen::Start();
    Game->GameFade->Init(float(FADE_SPEED), 0, nullptr, 0, 0, nullptr);
    return 0;
}

int TCreditsScreen::Logic() {
    TScreen::Logic();
    if (Menu->Clicked("ok") != 0) {
        Game->GameFade->Init(float(FADE_SPEED), 1, nullptr, 1, 0, nullptr);
        Game->DestinationTScreen = OptionsScreen;
    }
    return 0;
}

int TCreditsScreen::SetEscDestination() {
    Game->DestinationTScreen = OptionsScreen;
    return 0;
}

int TCreditsScreen::Draw() {
    platform::SetBlend(platform::BLEND_SOLID);
    platform::DrawImage(Image, 0, 0);
    DrawPaperDecorations(BottomString, TagImage, TopString);
    // No visible shadow under the lines; the setting stays for whoever draws next.
    ccShadowTextSet(0, 0, 0);
    platform::SetColor(0, 0, 0);
    platform::SetImageFont(MapFont);
    platform::DrawRect(95, 180, 272, 1);
    platform::SetColor(0, 0, 0);
    platform::DrawRect(96, 181, 272, 1);
    platform::SetColor(0, 0, 0);
    platform::SetImageFont(MainFontSmall);
    for (const TCreditLine& line : Lines)
        ccDrawTextCentred(line.text, CentreX, float(line.y), 1, 1);
    platform::SetColor(255, 255, 255);
    Menu->Draw(0, 0);
    return 0;
}

int TCreditsScreen::Kill() {
    TScreen::Kill();
    TagImage = BottomString = TopString = nullptr;
    return 0;
}

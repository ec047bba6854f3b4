#include "media/TLoadingScreen.h"

#include "core/TGame.h"
#include "framework/cc_files.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "media/TMousePointer.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/input.h"

namespace {

// The bar's optional picture stem + kind + "." + ext, or null when it is not there.
platform::ImageRef OptionalBarPicture(const std::string& stem, const std::string& kind,
                                      const std::string& ext) {
    std::string path = Game->ImagePath + stem + kind + "." + ext;
    return ccFileExists(path) ? ccLoadBitmap(path, -1) : nullptr;
}

} // namespace

int TLoadingScreen::SpecialLoad(const std::string& background, const std::string& bar,
                                const std::string& caption) {
    name = "loading";
    ImageLoad(background, 0, 1);
    if (!bar.empty()) {
        std::string ext = platform::ExtractExt(bar), stem = platform::StripExt(bar);
        platform::ImageRef empty = OptionalBarPicture(stem, "empty", ext);
        platform::ImageRef final = OptionalBarPicture(stem, "final", ext);
        LoadingBar->Init(ccLoadBitmap(Game->ImagePath + bar, -1), empty, final);
    }
    LoadingTextImage = ccLoadBitmap(Game->ImagePath + caption, -1);
    platform::MidHandleImage(LoadingTextImage);
    LoadingX = ScreenWidth / 2;
    LoadingY = ScreenHeight / 2;
    Finished = 0;
    Game->MusicNone();
    return 0;
}

int TLoadingScreen::SetSteps(int steps) {
    return LoadingBar->SetSteps(steps);
}

int TLoadingScreen::SetClickHereButton(const std::string& image, const std::string& mouseOverImage,
                                       const std::string& mouseOverSound, const std::string& clickSound,
                                       int atY) {
    ClickHereButton = std::make_shared<TButton>();
    ClickHereButton->Load(image, mouseOverImage, mouseOverSound, clickSound, 0, 0, 1);
    ClickHereButton->CentreX(atY);
    ClickHereButton->OKButton = 1;
    return 0;
}

int TLoadingScreen::Progress() {
    LoadingBar->Progress();
    Finished = LoadingBar->Finished;
    if (Finished == 1) {
        // No input made during loading carries over; a request to quit stays for the core.
        ccFlushAll();
        ccDropQueuedInput();
        Game->Mouse->UpdateCoords();
    }
    return 0;
}

int TLoadingScreen::Draw() {
    TScreen::Draw();
    if (Finished == 0 || !ClickHereButton) {
        LoadingBar->Draw();
        platform::SetBlend(platform::BLEND_ALPHA);
        if (Finished == 0) DrawLoading(0);
    } else {
        if (LoadingBar->FinalImage) LoadingBar->Draw();
        ClickHereButton->Draw();
    }
    if (CustomDrawFunction) CustomDrawFunction();
    return 0;
}

int TLoadingScreen::DrawLoading(int flip) {
    if (flip != 0) platform::Cls();
    if (flip == 0 || Game->Music == 1) {
        bool second = LoadingTextImage2 && DrawLoadingTextImage2 == 1;
        platform::DrawImage(second ? LoadingTextImage2 : LoadingTextImage, float(LoadingX), float(LoadingY));
    }
    if (flip != 0) {
        if (Game->FadeMouse != 1) Game->Mouse->Draw();
        platform::Flip(1);
    }
    return 0;
}

int TLoadingScreen::Logic() {
    if (ClickHereButton) {
        int click = Game->Mouse->GetMh(0);
        ClickHereButton->Manage();
        bool escape = EscapeCloses == 0 && KeyHit(platform::vk::ESCAPE) != 0;
        if (!ClickHereButton->Clicked && click == 0 && !escape) return 0;
        if (click != 0 && !ClickHereButton->Clicked) ClickHereButton->SimulateClick();
    }
    Game->GameFade->Init(float(FADE_SPEED), 1, FadeMusic == 1 ? Game->MusicChannel : nullptr, 0, 0, nullptr);
    Game->DestinationTScreen = Destination;
    return 0;
}

int TLoadingScreen::Start() {
    TScreen::Start();
    if (EscapeCloses == 0) Game->IgnoreEscapeKey = 1;
    return 0;
}

int TLoadingScreen::Kill() {
    TScreen::Kill();
    LoadingBar = nullptr;
    LoadingTextImage2 = nullptr;
    if (ClickHereButton) ClickHereButton->Kill();
    ClickHereButton = nullptr;
    if (CustomKillFunction) CustomKillFunction();
    return 0;
}

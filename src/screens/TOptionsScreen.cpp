#include "screens/TOptionsScreen.h"

#include "core/TGame.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "platform/draw.h"
#include "platform/text.h"
#include "screens/TCreditsScreen.h"
#include "widgets/dialog_builders.h"

TOptionsScreenRef OptionsScreen;

namespace {

TGameImageRef Caption(const std::string& file) {
    return TGameImage::Create(Game->MenuPath + file, -1, 1);
}

TSliderRef Slider(int y, const std::string& sliderName, int value) {
    TSliderRef slider = TSlider::CreateSpecial("slider", "Dot", 111, y, 8, sliderName, 5);
    slider->SetValue(value);
    return slider;
}

} // namespace

TGameImageRef LoadPaperDecoration(const std::string& file) {
    TGameImageRef image = TGameImage::Create(Game->ImagePath + file, -1, 1);
    image->MidHandle(0);
    return image;
}

void DrawPaperDecorations(const TGameImageRef& bottomString, const TGameImageRef& tag,
                          const TGameImageRef& topString) {
    platform::SetBlend(platform::BLEND_ALPHA);
    bottomString->Draw(210, -26, 0, nullptr);
    tag->Draw(10, -26, 0, nullptr);
    topString->Draw(196, -26, 0, nullptr);
}

int TOptionsScreen::Load() {
    name = "options";
    ImageLoad("pressie.jpg", 0, 1);
    MusicLabel = Caption("Music.png");
    SoundLabel = Caption("Sound.png");
    DetailLabel = Caption("Details.png");
    FullscreenLabel = Caption("FullScreen.png");
    TagImage = LoadPaperDecoration("tagoptions.png");
    BottomString = LoadPaperDecoration("BottomString.png");
    TopString = LoadPaperDecoration("TopString.png");
    Menu = TMenu::Create("buttonMO", "buttonclick", 0.0f, 0.0f, 10);
    LoadToggle(Game->FullScreen, "fullscreen");
    TButtonRef toggle = Menu->FindButton("fullscreen");
    toggle->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    toggle->x -= 94;
    toggle->y = 419;
    OKButtonCreate(*Menu);
    Menu->FindButton("OK")->x -= 172;
    TButtonRef credits = Menu->AddQuick("credits", "");
    credits->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    credits->x -= 170;
    credits->y = 471;
    MusicSlider = Slider(220, "Music", Game->MusicVolume);
    SoundSlider = Slider(298, "Sound", Game->SoundVolume);
    DetailSlider = Slider(376, "Detail", Game->Particles);
    ChannelClick = platform::AllocChannel();
    Game->FadeMusic = 0;
    return 0;
}

int TOptionsScreen::Start() {
    TScreen::Start();
    Game->GameFade->Init(float(FADE_SPEED), 0, nullptr, 0, 0, nullptr);
    return 0;
}

int TOptionsScreen::Logic() {
    TScreen::Logic();
    ManageSliders();
    ManageToggles();
    if (Menu->Clicked("credits") != 0) LeaveFor(CreditsScreen);
    if (Menu->Clicked("ok") != 0) {
        LeaveFor(Destination);
        Close();
    }
    return 0;
}

// A held button over a slider sets its value every tick; the new value takes effect at once.
void TOptionsScreen::ManageSliders() {
    if (MusicSlider->Manage() != 0) Game->MusicSetVolume(MusicSlider->Value, 0);
    if (SoundSlider->Manage() != 0) {
        Game->SoundSetVolume(SoundSlider->Value, 0);
        ClickSound();
    }
    if (DetailSlider->Manage() != 0) Game->ParticlesSet(DetailSlider->Value, 0);
}

// The full-screen toggle, and the switches this screen never shows ("vsync" and the drivers).
void TOptionsScreen::ManageToggles() {
    if (Menu->Clicked("fullscreen") != 0) {
        const int before = Game->FullScreen;
        Game->ToggleFullScreen();
        if (Game->FullScreen != before)
            ReloadToggleButton(Menu->FindButton("fullscreen"), Game->FullScreen, "fullscreen");
    }
    if (Menu->Clicked("vsync") != 0) {
        Game->ToggleVSync();
        ReloadToggleButton(Menu->FindButton("vsync"), Game->VSync, "vsync");
    }
    if (Menu->Clicked("DirectX") != 0) {
        Game->SetDriver(0);
        SetDriverButtons();
    }
    if (Menu->Clicked("OpenGL") != 0) {
        Game->SetDriver(1);
        SetDriverButtons();
    }
}

void TOptionsScreen::LeaveFor(const TScreenRef& screen) {
    Game->GameFade->Init(float(FADE_SPEED), 1, nullptr, 1, 0, nullptr);
    Game->DestinationTScreen = screen;
}

int TOptionsScreen::Close() {
    Game->IniUpdate(1);
    Game->FixedRateLogic->Init();
    return 0;
}

int TOptionsScreen::SetEscDestination() {
    Game->DestinationTScreen = Destination;
    Close();
    return 0;
}

int TOptionsScreen::LoadToggle(int on, const std::string& toggleName) {
    Menu->AddQuick(on != 0 ? "on" : "off", toggleName);
    return 0;
}

int TOptionsScreen::ReloadToggleButton(const TButtonRef& button, int on, const std::string& toggleName) {
    if (!button) return 0;
    button->Load(on != 0 ? "on" : "off", on != 0 ? "onMO" : "offMO", "", "", 0, 0, 1);
    button->SetName(platform::Upper(toggleName));
    button->SoundMouseOver = Menu->SoundMouseOver;
    button->SoundClick = Menu->SoundClick;
    return 0;
}

int TOptionsScreen::ClickSound() {
    if (platform::ChannelPlaying(ChannelClick) != 0) return 0;
    TButtonRef ok = Menu->FindButton("ok");
    if (ok && ok->SoundClick) ok->SoundClick->PlayInChannel(ChannelClick, 0);
    return 0;
}

int TOptionsScreen::SetDriverButtons() {
    TButtonRef directX = Menu->FindButton("DirectX");
    TButtonRef openGL = Menu->FindButton("OpenGL");
    if (directX) directX->Disabled = Game->Driver == 0 ? 0 : 1;
    if (openGL) openGL->Disabled = Game->Driver == 0 ? 1 : 0;
    return 0;
}

int TOptionsScreen::Draw() {
    platform::SetBlend(platform::BLEND_SOLID);
    platform::DrawImage(Image, 0, 0);
    DrawPaperDecorations(BottomString, TagImage, TopString);
    Menu->Draw(0, 0);
    MusicLabel->Draw(231, 203, 0, nullptr);
    SoundLabel->Draw(231, 281, 0, nullptr);
    DetailLabel->Draw(231, 359, 0, nullptr);
    FullscreenLabel->Draw(180, 445, 0, nullptr);
    MusicSlider->Draw();
    SoundSlider->Draw();
    DetailSlider->Draw();
    return 0;
}

int TOptionsScreen::Kill() {
    TScreen::Kill();
    MusicLabel = SoundLabel = DetailLabel = FullscreenLabel = nullptr;
    MusicSlider = SoundSlider = DetailSlider = nullptr;
    TagImage = BottomString = TopString = nullptr;
    platform::StopChannel(ChannelClick);
    ChannelClick = nullptr;
    return 0;
}

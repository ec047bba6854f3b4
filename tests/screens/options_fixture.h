// What the options, credits and high-score tests share: the front-end fixture with the three
// screens made, a screen standing for whoever opened the options, a music channel, and the
// settings file's bytes.
#pragma once

#include "gallery_fixture.h"

#include "profiles/THighScoreList.h"
#include "screens/TCreditsScreen.h"
#include "screens/THighScoresScreen.h"
#include "screens/TOptionsScreen.h"
#include "screens/TTitleScreen.h"

#include <fstream>
#include <sstream>

namespace screentest {

// Stands for the screen that opened the options: it counts how it is entered and left.
class TCallerScreen : public TScreen {
public:
    int loads = 0, coreStarts = 0, kills = 0;
    explicit TCallerScreen(std::string screenName) { name = std::move(screenName); }
    int Load() override {
        loads++;
        return 0;
    }
    int CoreStart() override {
        coreStarts++;
        return TScreen::CoreStart();
    }
    int Kill() override {
        kills++;
        return TScreen::Kill();
    }
};

class OptionsFixture : public FrontEndTest {
protected:
    void SetUp() override {
        FrontEndTest::SetUp();
        OptionsScreen = std::make_shared<TOptionsScreen>();
        CreditsScreen = std::make_shared<TCreditsScreen>();
        HighScoresScreen = std::make_shared<THighScoresScreen>();
        TitleScreen = std::make_shared<TTitleScreen>();
        Game->MusicChannel = platform::AllocChannel();
        Game->CurrentTScreen = caller;
        Game->IniUpdate(0);
    }
    void TearDown() override {
        if (Game->CurrentTScreen == OptionsScreen) OptionsScreen->Kill();
        OptionsScreen = nullptr;
        CreditsScreen = nullptr;
        HighScoresScreen = nullptr;
        TitleScreen = nullptr;
        FrontEndTest::TearDown();
    }

    // The options entered from the caller, their fade-in over.
    void EnterOptions() {
        OptionsScreen->Destination = caller;
        Enter(OptionsScreen);
        audio->Clear();
    }
    // A button held at the pointer for some ticks, then let go.
    void Hold(int x, int y, int ticks) {
        MoveTo(x, y);
        Post(platform::EVENT_MOUSE_DOWN, 1, x, y);
        Tick(ticks);
        Post(platform::EVENT_MOUSE_UP, 1, x, y);
        Tick();
    }
    // A click in the middle of a button of the current screen's menu.
    void ClickButton(const std::string& buttonName) {
        TButtonRef button = Game->CurrentTScreen->Menu->FindButton(buttonName);
        ASSERT_TRUE(button) << buttonName;
        MoveTo(int(button->x) + button->w / 2, int(button->y) + button->h / 2);
        Click();
    }

    std::string Settings() const { return Read(SettingsPath()); }
    bool ChangeMarker() const { return platform::FileType(UserFolder() + "inichanged.dat") == 1; }
    void RemoveChangeMarker() const { platform::DeleteFile(UserFolder() + "inichanged.dat"); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    // The value of one settings line ("" when missing).
    std::string Setting(const std::string& key) const {
        std::string text = Settings();
        size_t at = text.find("\n" + key + "=");
        if (at == std::string::npos) return "";
        at += key.size() + 2;
        return text.substr(at, text.find_first_of("\r\n", at) - at);
    }

    std::shared_ptr<TCallerScreen> caller = std::make_shared<TCallerScreen>("caller");
};

} // namespace screentest

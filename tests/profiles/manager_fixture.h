// The player manager's tests share the widgets' pump with a per-user folder (its profiles folder,
// the settings file and the error log), the click sound in the sound bank, and the title's own
// player manager run the way the title runs it: Manage every tick, Kill on a result.
#pragma once

#include "WidgetHarness.h"
#include "profile_bytes.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_errors.h"
#include "media/TSoundBank.h"
#include "platform/TStream.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/input.h"
#include "profiles/TPlayerManager.h"
#include "profiles/TProfile.h"
#include "profiles/title_players.h"

#include <string>
#include <vector>

namespace profilestest {

class ManagerHarness : public widgettest::TWidgetHarness {
public:
    TPlayerManagerRef manager;
    int result = 0;

    // The per-user folder below dir, as the core sets it up.
    void OpenUserFolder() {
        const std::string user = dir / "user/";
        Game->SubPath = user;
        Game->ProfilePath = user + "profiles/";
        ccErrorPath = user;
        Game->Ini->FileName = Game->SettingsFileName();
        platform::CreateDir(Game->ProfilePath, true);
        sounds = std::make_shared<TSoundBank>();
        sounds->SetPath(widgettest::DataDir() + "sound/");
        sounds->Load("buttonclick", 1.0f, 1.0f, "", 0);
    }
    void CloseUserFolder() {
        if (manager) manager->Kill();
        manager = nullptr;
        sounds = nullptr;
        ccErrorPath = "";
    }

    std::string ProfileFile(const std::string& name) const { return Game->ProfilePath + name + ".dat"; }
    std::string Settings() const {
        std::string text;
        platform::LoadText(Game->Ini->Path(), text);
        return text;
    }
    int Notes() const {
        std::string log;
        platform::LoadText(Game->SubPath + "ErrorLog.txt", log);
        int count = 0;
        for (size_t at = log.find("Damaged "); at != std::string::npos; at = log.find("Damaged ", at + 1))
            ++count;
        return count;
    }
    // Profiles of these names with the defaults; the first becomes current.
    void Players(const std::vector<std::string>& names) {
        for (const std::string& name : names)
            TProfile::Create(name)->Save();
        if (!names.empty()) CreateProfile(names.front());
    }
    void Open() {
        manager = MakeTitlePlayerManager();
        manager->Start();
        result = 0;
    }
    void Ticks(int ticks) {
        for (int i = 0; i < ticks; ++i)
            Tick([&] {
                if (!manager) return;
                const int r = manager->Manage();
                if (r == 0) return;
                result = r;
                manager->Kill();
                manager = nullptr;
            });
    }
    static void ClickButton(const TMenu& menu, const std::string& name) {
        TButtonRef button = menu.FindButton(name);
        ASSERT_TRUE(button) << name;
        Click(int(button->x) + button->w / 2, int(button->y) + button->h / 2);
    }
    void ClickRow(int row) const {
        const TListBox& list = *manager->ListBox;
        Click(int(list.Box->X) + 20, int(list.Box->Y) + list.LineHeight * row + list.LineHeight / 2);
    }
    std::string CurrentName() const { return Game->CurrentProfile ? Game->CurrentProfile->Name : "(none)"; }
};

// Unit tests with the harness: the recording renderer, the pump and the per-user folder.
class ManagerUnitTest : public ::testing::Test, public ManagerHarness {
protected:
    std::shared_ptr<platform::TRecordingRenderer> recorder = std::make_shared<platform::TRecordingRenderer>();
    void SetUp() override {
        platform::SetRenderer(recorder);
        platform::ResetDrawState();
        TWidgetHarness::Open();
        OpenUserFolder();
    }
    void TearDown() override {
        CloseUserFolder();
        TWidgetHarness::Close();
        platform::SetRenderer(nullptr);
    }
};

} // namespace profilestest

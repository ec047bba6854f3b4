#include "profiles/title_players.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "media/TSoundBank.h"
#include "platform/files.h"
#include "profiles/TProfile.h"
#include "profiles/player_names.h"
#include "widgets/dialog_builders.h"

namespace {

// A name of the settings whose profile entry is there but holds no regular file (a folder, a FIFO,
// a dangling link) cannot be used: noted in the log, it is passed over like a refused name.
bool UsableStartName(const std::string& name) {
    if (!PlayerNameProblem(name).empty()) return false;
    const std::string path = ProfileFilePath(name);
    if (!FolderEntryExists(path) || platform::FileType(path) == platform::FILETYPE_FILE) return true;
    ccErrorLog(NotAReadableFile("Profile", path));
    return false;
}

} // namespace

int ChooseStartProfile() {
    if (!platform::ReadDir(Game->ProfilePath)) {
        ccRunTimeError("Failed to read directory '" + Game->ProfilePath + "'", 1);
        return 0;
    }
    std::string name = Game->ProfileName;
    const bool usable = UsableStartName(name);
    const std::vector<std::string> names = ListProfileNames();
    if (names.empty()) return 0;
    if (usable) {
        const std::string listed = FindProfileName(name);
        if (!listed.empty()) name = listed;
    } else {
        name = names.front();
    }
    Game->ProfileName = name;
    Game->CurrentProfile = TProfile::Create(name);
    Game->CurrentProfile->Load();
    return 1;
}

TPlayerManagerRef MakeTitlePlayerManager() {
    TPlayerManagerRef manager = TPlayerManager::Create(
        "Choose Player", ccLoadBitmap(Game->ImagePath + "chooseplayer.png", -1), 0, 0, 0, 6, "");
    manager->ButtonGap = 5;
    manager->DrawHighlight = 0;
    manager->SetupCaption(UIFont, TColor::Create(0, 255, 0, 1.0f), TShadow::Create(3.0f, 3.0f, 0.4f),
                          nullptr);
    // The heading is part of the picture.
    manager->Caption->Text = std::string(1, ' ');
    manager->DimWhenActive = 1;
    manager->DimWhenShowingDialogs = 1;
    TMenu& menu = *manager->Menu;
    if (TButtonRef ok = menu.FindButton("OK")) {
        ok->LoadImages("OK2", "OK2MO", 0, 0, 1);
        ok->Init();
    }
    menu.MakeRow(manager->ButtonGap);
    menu.MakeRow(manager->ButtonGap);
    menu.ChangeShadow(0, 0, 0, 0);
    manager->Border = 70;
    for (const char* name : {"OK", "Cancel", "Create", "Delete"})
        if (TButtonRef button = menu.FindButton(name)) button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    manager->BoxBorderH = 150;
    manager->BoxBorderV = 30;
    manager->BoxY = 155;
    TListBox& list = *manager->ListBox;
    list.SetupFont(UIFont, TColor::Create(255, 255, 255, 1.0f), TShadow::Create(-1.0f, 2.0f, 0.4f), nullptr,
                   nullptr);
    list.SetupBox(TColor::Create(100, 100, 100, 0.5f));
    list.Centred = 1;
    list.HighlightCol->Set(0, 0, 150, 0.25f);
    list.HighlightUnder = 0;
    list.SetClickSound(sounds->Find("buttonclick"));
    manager->ErrorDialogFunc = ErrorDialog;
    manager->DialogYesNoFunc = MakeDialogYesNo;
    manager->EnterNamePromptFunc = EnterNamePrompt;
    manager->CreateProfileFunc = CreateProfile;
    return manager;
}

// The player manager: its list of profiles, choosing, creating and deleting players, the boxes
// it shows, Escape, its sounds and its drawing, run through the widgets' pump with the title's
// own set-up and hooks.
#include "manager_fixture.h"

#include "profile_bytes.h"

#include "framework/cc_input.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/system.h"

namespace profilestest {
namespace {

class ManagerTest : public ManagerUnitTest {
protected:
    TStringArray Rows() const { return manager->ListBox->Strings; }
    std::string ErrorBoxText() const { return manager->DialogOK ? manager->DialogOK->Caption->Text : ""; }
};

TEST_F(ManagerTest, ListsOnlyRegularDatFilesOfValidNames) {
    for (const char* name : {"Anna.dat", "Zed.dat", "Bob.DAT", "x.dat.bak", ".dat", "..dat", " Bob.dat",
                             "Bob .dat", "a\nb.dat", "thirteenchars.dat", ".Anna.dat.tmp123-0", "notes.txt"})
        dir.Write(std::string("user/profiles/") + name, "");
    platform::CreateDir(ProfileFile("Dir"), false);
    Open();
    EXPECT_EQ(Rows(), (TStringArray{"Anna", "Zed"}));
    EXPECT_EQ(manager->ListBox->Index, -1) << "no current player";
}

TEST_F(ManagerTest, TheLayoutFitsSixRowsInsideTheBoxAboveTheButtons) {
    Players({"Anna", "Bob", "Christopher", "Dmitri", "Eve", "WWWWWWWWWWWW"});
    Open();
    const TListBox& list = *manager->ListBox;
    platform::SetImageFont(UIFont);
    const int rowHeight = platform::TextHeight("Ag") + 2 * 5;
    EXPECT_EQ(list.LineHeight, rowHeight);
    EXPECT_EQ(manager->x, (800 - manager->w) / 2);
    EXPECT_EQ(manager->h, 552);
    EXPECT_EQ(list.Box->Y, 155.0f);
    EXPECT_EQ(list.Box->X, float(manager->x + 150));
    EXPECT_EQ(list.DisplayLines, 6);
    const float buttonsTop = manager->Menu->FindButton("OK")->y;
    EXPECT_LE(list.Box->Y + float(6 * rowHeight), buttonsTop);
    EXPECT_EQ(manager->ListBox->Value, "Anna");
}

TEST_F(ManagerTest, WithoutAPictureTheBoxGrowsToHoldTheListAndButtons) {
    Players({"Anna"});
    manager = TPlayerManager::Create("Players", nullptr, 300, 0, 0, 3, "");
    manager->SetupCaption(UIFont, TColor::Create(255, 255, 255, 1.0f), nullptr, nullptr);
    manager->ListBox->SetupFont(UIFont, TColor::Create(255, 255, 255, 1.0f), nullptr, nullptr, nullptr);
    manager->Start();
    const int line = manager->ListBox->LineHeight;
    EXPECT_EQ(manager->h,
              2 * 20 + int(manager->Caption->H) + 2 * 20 + 3 * line + manager->Menu->CalcHeight());
    EXPECT_EQ(manager->ListBox->DisplayLines, 3);
}

TEST_F(ManagerTest, ChoosingAPlayerReadsItsFileIntoTheCurrentProfile) {
    Players({"Anna", "Bob"});
    dir.Write("user/profiles/Cut.dat", GoldenProfile().substr(0, 17));
    Game->CurrentProfile->Score = 500;
    Game->CurrentProfile->ShowHint(19, 1);
    Open();
    EXPECT_EQ(Rows(), (TStringArray{"Anna", "Bob", "Cut"}));
    platform::DeleteFile(ProfileFile("Bob")); // gone behind the dialog's back
    ClickRow(1);
    Ticks(3);
    EXPECT_EQ(manager->ListBox->Value, "Bob");
    ClickButton(*manager->Menu, "OK");
    Ticks(5);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(CurrentName(), "Bob");
    EXPECT_EQ(Game->CurrentProfile->Score, 0);
    EXPECT_EQ(Game->CurrentProfile->HintsShown[19], 0);
    EXPECT_EQ(ReadFileBytes(ProfileFile("Bob")), GoldenProfile());
    EXPECT_NE(Settings().find("PROFILE NAME=Bob\r\n"), std::string::npos);
    EXPECT_EQ(Notes(), 0);

    Game->CurrentProfile->Score = 700;
    Open();
    ClickRow(2);
    Ticks(3);
    KeyType(platform::vk::RETURN, 13);
    Ticks(5);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(CurrentName(), "Cut");
    EXPECT_EQ(Game->CurrentProfile->Score, 0);
    EXPECT_EQ(ReadFileBytes(ProfileFile("Cut")), GoldenProfile());
    EXPECT_EQ(Notes(), 1);
}

TEST_F(ManagerTest, CreateWithAutoAcceptMakesTheNewPlayerCurrent) {
    Players({"Anna"});
    const bool escapeBefore = Game->IgnoreEscapeKey;
    Open();
    EXPECT_EQ(Game->IgnoreEscapeKey, 1);
    ClickButton(*manager->Menu, "Create");
    Ticks(5);
    ASSERT_TRUE(manager->EnterName);
    EXPECT_EQ(manager->EnterName->TextInput->UppercaseFirstCharAsTyped, 1);
    Type("zoe");
    Ticks(3);
    KeyType(platform::vk::RETURN, 13);
    Ticks(5);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(CurrentName(), "Zoe");
    EXPECT_EQ(ReadFileBytes(ProfileFile("Zoe")), GoldenProfile());
    EXPECT_NE(Settings().find("PROFILE NAME=Zoe\r\n"), std::string::npos);
    EXPECT_EQ(Game->IgnoreEscapeKey, int(escapeBefore));
    EXPECT_EQ(Game->BlockKeys, 0);
}

TEST_F(ManagerTest, APromptWhoseNameIsNotListedAgainIsReleased) {
    Players({"Anna"});
    Open();
    // A hook that makes the player current but writes no file: the name is not listed again.
    manager->CreateProfileFunc = [](const std::string& name) {
        Game->CurrentProfile = TProfile::Create(name);
        return 0;
    };
    ClickButton(*manager->Menu, "Create");
    Ticks(5);
    Type("Kim");
    Ticks(2);
    KeyType(platform::vk::RETURN, 13);
    Ticks(5);
    EXPECT_EQ(result, 0);
    ASSERT_TRUE(manager);
    EXPECT_FALSE(manager->EnterName);
    EXPECT_EQ(Game->IgnoreEscapeKey, 1);
    EXPECT_EQ(Game->BlockKeys, 0);
    ClickButton(*manager->Menu, "Cancel");
    Ticks(5);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(CurrentName(), "Anna") << "Cancel falls back to the first listed player";
}

TEST_F(ManagerTest, TooManyPlayersOrTooFewShowTheirBoxAndChangeNothing) {
    Players({"Anna", "Bob", "Cy", "Di", "Ed", "Flo"});
    Open();
    ClickButton(*manager->Menu, "Create");
    Ticks(5);
    EXPECT_EQ(ErrorBoxText(), "You cannot create any more players!");
    EXPECT_FALSE(manager->EnterName);
    EXPECT_EQ(Rows().size(), 6u);
    KeyType(platform::vk::RETURN, 13);
    Ticks(5);
    EXPECT_FALSE(manager->DialogOK);
    EXPECT_EQ(Game->IgnoreEscapeKey, 1) << "Escape stays with the manager";
    manager->Kill();
    manager = nullptr;

    for (const char* name : {"Bob", "Cy", "Di", "Ed", "Flo"})
        platform::DeleteFile(ProfileFile(name));
    Open();
    KeyPress(platform::vk::DEL);
    Ticks(3);
    EXPECT_EQ(ErrorBoxText(), "The list must contain at least one player!");
    KeyType(platform::vk::RETURN, 13);
    Ticks(3);
    manager->ListBox->ClearIndex();
    ClickButton(*manager->Menu, "Delete");
    Ticks(5);
    EXPECT_FALSE(manager->DialogOK) << "nothing selected: nothing happens";
    EXPECT_TRUE(platform::FileType(ProfileFile("Anna")) == platform::FILETYPE_FILE);
}

// Without an error hook the manager shows the framework's blocking box: 400 x 100 in the middle
// of the screen, drawn frame after frame with polled input until a key comes, then gone.
TEST_F(ManagerTest, WithoutTheErrorHookTheBlockingBoxWaitsForAKey) {
    Players({"Anna", "Bob", "Cy", "Di", "Ed", "Flo"});
    Open();
    manager->ErrorDialogFunc = nullptr;
    platform::UseFakeClock(16); // the box's frames move the clock on to the scripted key
    Script({{400, "key_down 32"}, {450, "key_up 32"}});
    ClickButton(*manager->Menu, "Create");
    recorder->calls.clear();
    const int before = platform::MilliSecs();
    Ticks(1);
    platform::UseFakeClock(0);
    EXPECT_GE(platform::MilliSecs() - before, 400) << "the box waited for the key";
    EXPECT_EQ(ccPolledInputState, 0);
    int boxes = 0;
    bool message = false;
    for (const platform::DrawCall& call : recorder->calls) {
        if (call.kind == platform::DrawKind::Rect && call.x == 200 && call.y == 250 && call.w == 400 &&
            call.h == 100)
            ++boxes;
        if (call.kind == platform::DrawKind::Text && call.text.find("more players") != std::string::npos)
            message = true;
    }
    EXPECT_GT(boxes, 10) << "drawn at every frame while it waits";
    EXPECT_TRUE(message);
    EXPECT_FALSE(manager->DialogOK);
    EXPECT_FALSE(manager->EnterName);
    EXPECT_EQ(Rows().size(), 6u);
    Ticks(3);
    EXPECT_TRUE(manager) << "the key that closed the box reaches nobody else";
}

TEST_F(ManagerTest, DeletingKeepsTheIndexOrSelectsTheNewLastRow) {
    Players({"Anna", "Bob", "Cy", "Di"});
    Open();
    manager->ListBox->SetIndex(3);
    KeyPress(platform::vk::DEL);
    Ticks(3);
    ASSERT_TRUE(manager->DialogYesNo);
    EXPECT_EQ(manager->DialogYesNo->Caption->Text, "Are you sure you want to delete this player?");
    KeyType('Y', 'y');
    Ticks(3);
    EXPECT_FALSE(manager->DialogYesNo);
    EXPECT_EQ(Rows(), (TStringArray{"Anna", "Bob", "Cy"}));
    EXPECT_EQ(manager->ListBox->Value, "Cy");
    manager->ListBox->SetIndex(0); // the current player
    KeyPress(platform::vk::DEL);
    Ticks(3);
    KeyType('Y', 'y');
    Ticks(3);
    EXPECT_EQ(Rows(), (TStringArray{"Bob", "Cy"}));
    EXPECT_EQ(manager->ListBox->Index, 0);
    EXPECT_EQ(CurrentName(), "Anna") << "the current player stays until the manager closes";
    // With two names left, the first listed one differs from the last and from the selection.
    manager->ListBox->SetIndex(1);
    ClickButton(*manager->Menu, "Cancel");
    Ticks(5);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(CurrentName(), "Bob");
    EXPECT_NE(Settings().find("PROFILE NAME=Bob\r\n"), std::string::npos);
}

TEST_F(ManagerTest, DeleteWithoutTheQuestionHookDeletesNothing) {
    Players({"Anna", "Bob"});
    Open();
    manager->DialogYesNoFunc = nullptr;
    KeyPress(platform::vk::DEL);
    Ticks(3);
    EXPECT_EQ(Rows(), (TStringArray{"Anna", "Bob"}));
}

TEST_F(ManagerTest, CancelAfterTheFolderWasEmptiedKeepsThePlayer) {
    Players({"Anna"});
    Open();
    platform::DeleteFile(ProfileFile("Anna"));
    manager->FillList();
    ClickButton(*manager->Menu, "Cancel");
    Ticks(5);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(CurrentName(), "Anna");
    EXPECT_EQ(platform::FileType(ProfileFile("")), platform::FILETYPE_NONE);
}

TEST_F(ManagerTest, ClickSoundsOfDoubleClickEscapeAndCancel) {
    struct Case {
        const char* label;
        std::function<void(ManagerTest&)> act;
        int result;
        int clicks;
    } cases[] = {
        {"double click",
         [](ManagerTest& t) {
             t.ClickRow(1);
             t.Ticks(2);
             t.ClickRow(1);
             t.Ticks(3);
         },
         1, 2}, // the list's click on the first press, then the choice's own
        {"escape", [](ManagerTest&) { KeyType(platform::vk::ESCAPE, 27); }, -1, 1},
        {"cancel", [](ManagerTest& t) { ClickButton(*t.manager->Menu, "Cancel"); }, -1, 1},
    };
    Players({"Anna", "Bob"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Open();
        audio->Clear();
        c.act(*this);
        Ticks(5);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(ClickSounds(), c.clicks);
        EXPECT_EQ(Game->IgnoreEscapeKey, 0);
    }
    EXPECT_EQ(CurrentName(), "Bob");
}

// Full-screen black rectangles at half alpha.
int Dims(const platform::TRecordingRenderer& recorder) {
    int n = 0;
    for (const auto& call : recorder.calls)
        if (call.kind == platform::DrawKind::Rect && call.w == 800 && call.h == 600 && call.state.r == 0 &&
            call.state.alpha == 0.5f)
            ++n;
    return n;
}

TEST_F(ManagerTest, DrawsDimsUnderItselfAndUnderAnOpenBox) {
    Players({"Anna", "Bob"});
    Open();
    recorder->calls.clear();
    manager->Draw();
    EXPECT_EQ(Dims(*recorder), 1);
    TButtonRef cancel = manager->Menu->FindButton("Cancel");
    size_t listAt = 0, buttonAt = 0;
    for (size_t i = 0; i < recorder->calls.size(); ++i) {
        const auto& call = recorder->calls[i];
        if (call.kind == platform::DrawKind::Text && call.text == "Anna") listAt = i;
        if (call.kind == platform::DrawKind::Image && call.x == cancel->x && call.y == cancel->y)
            buttonAt = i;
    }
    EXPECT_GT(listAt, 0u);
    EXPECT_GT(buttonAt, listAt) << "the buttons lie over the list";
    KeyPress(platform::vk::DEL);
    Ticks(3);
    recorder->calls.clear();
    manager->Draw();
    EXPECT_EQ(Dims(*recorder), 2);
    manager->Active = 0;
    manager->DialogYesNo = nullptr;
    recorder->calls.clear();
    EXPECT_EQ(manager->Draw(), 0);
    EXPECT_EQ(Dims(*recorder), 0);
    EXPECT_TRUE(recorder->calls.empty());
}

} // namespace
} // namespace profilestest

// Hostile player names typed into the title's first-run name prompt through the widgets' pump,
// the accepted text given to CreateProfile as the title does, and into the player manager's
// "Create" prompt with its real hooks: what a prompt does not take is never typed, refused names
// write nothing, and every file lands directly in profiles/.
#include "manager_fixture.h"

#include "platform/input.h"
#include "widgets/dialog_builders.h"

#include <algorithm>
#include <functional>

namespace profilestest {
namespace {

struct TypedName {
    std::string label;
    std::string bytes;
    std::string present; // a profile already there, or ""
    std::string created; // the file created, "" for none
};

const TypedName kTyped[] = {
    {"1 empty", "", "", ""},
    {"2 full stop", ".", "", ""},
    {"3 two full stops", "..", "", ""},
    {"4 three full stops", "...", "", ""},
    {"5 hidden", ".hidden", "", ""},
    {"6 up a folder", "../evil", "", ""},
    {"7 two folders up", "../../x/y", "", ""},
    {"8 absolute", "/evil", "", "Evil.dat"},
    {"9 slash", "a/b", "", "Ab.dat"},
    {"10 backslash", "a\\b", "", "Ab.dat"},
    {"11 leading blank", " Bob", "", "Bob.dat"},
    {"12 trailing blank", "Bob ", "", "Bob.dat"},
    {"13 tab", "Bob\tx", "", "Bobx.dat"},
    {"14 CR ends it", "Bob\r", "", "Bob.dat"},
    {"15 escape sequence", "\x1b[31mRed", "", "[31mRed.dat"},
    {"16 delete", "Bob\x7f", "", "Bob.dat"},
    {"17 thirteen letters", "abcdefghijklm", "", "Abcdefghijkl.dat"},
    {"18 300 letters", std::string(300, 'a'), "", "Aaaaaaaaaaaa.dat"},
    {"19 Latin-1", "Zo\xeb", "", "Zo.dat"},
    {"20 UTF-8", "Zo\xc3\xab", "", "Zo.dat"},
    {"21 CJK", "\xe6\x97\xa5\xe6\x9c\xac", "", ""},
    {"22 CON", "CON", "", "CON.dat"},
    {"23 NUL", "NUL", "", "NUL.dat"},
    {"24 colon", "a:b", "", "Ab.dat"},
    {"25 wildcards", "a*b?", "", "Ab.dat"},
    {"26 angle brackets and bar", "<x>|y", "", "Xy.dat"},
    {"27 tilde", "~root", "", "Root.dat"},
    {"28 format", "%s%n", "", "Sn.dat"},
    {"29 shell", "$(id)", "", "$(id).dat"},
    {"30 case of an existing one", "bob", "Bob.dat", ""},
    {"31 upper case", "BOB", "bob.dat", ""},
};

class HostilePromptTest : public ManagerUnitTest {
protected:
    // Types the bytes of a name: a CR is Enter, an ESC is Escape, the rest are typed characters.
    void TypeBytes(const std::string& bytes, const std::function<void()>& tick) {
        for (char c : bytes) {
            const int code = static_cast<unsigned char>(c);
            if (code == 13)
                KeyType(platform::vk::RETURN, 13);
            else if (code == 27)
                KeyType(platform::vk::ESCAPE, 27);
            else
                Char(code);
            tick();
        }
    }
    std::vector<std::string> ProfileFiles() const {
        std::vector<std::string> files;
        for (const std::string& name : platform::ListDir(Game->ProfilePath))
            if (name != "." && name != "..") files.push_back(name);
        std::sort(files.begin(), files.end());
        return files;
    }
    void ExpectNoHiddenFile() const {
        for (const std::string& name : platform::ListDir(Game->SubPath))
            EXPECT_TRUE(name == "." || name == ".." || name[0] != '.') << name;
        for (const std::string& name : ProfileFiles())
            EXPECT_NE(name[0], '.') << name;
    }
};

TEST_F(HostilePromptTest, TheFirstRunPromptTypesOnlySafeNames) {
    for (const TypedName& row : kTyped) {
        SCOPED_TRACE(row.label);
        platform::DeleteDir(Game->ProfilePath, true);
        platform::CreateDir(Game->ProfilePath, false);
        if (!row.present.empty()) dir.Write("user/profiles/" + row.present, GoldenProfile());
        Game->CurrentProfile = nullptr;
        TDialogTextInputRef prompt = EnterNamePrompt(0);
        prompt->Start();
        int answer = 0;
        auto run = [&](int ticks) {
            for (int i = 0; i < ticks && answer == 0; ++i)
                Tick([&] { answer = prompt->Manage(); });
        };
        TypeBytes(row.bytes, [&] { run(1); });
        KeyType(platform::vk::RETURN, 13);
        run(5);
        if (answer == 1) CreateProfile(prompt->TextInput->Text);
        prompt->Kill();
        std::vector<std::string> files = ProfileFiles();
        std::vector<std::string> expected;
        if (!row.present.empty()) expected.push_back(row.present);
        if (!row.created.empty()) expected.push_back(row.created);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(files, expected);
        EXPECT_EQ(answer == 1, !row.created.empty());
        if (!row.created.empty()) {
            EXPECT_EQ(ReadFileBytes(Game->ProfilePath + row.created), GoldenProfile());
        }
        ExpectNoHiddenFile();
    }
}

// The manager's prompt (opened by "Create" over Anna) takes the same names as the first-run
// prompt, except that Escape cancels it, so the escape sequence creates nothing.
TEST_F(HostilePromptTest, TheManagersCreatePromptTypesOnlySafeNames) {
    for (const TypedName& row : kTyped) {
        SCOPED_TRACE(row.label);
        platform::DeleteDir(Game->ProfilePath, true);
        platform::CreateDir(Game->ProfilePath, false);
        Players({"Anna"});
        if (!row.present.empty()) dir.Write("user/profiles/" + row.present, GoldenProfile());
        Open();
        ClickButton(*manager->Menu, "Create");
        Ticks(5);
        ASSERT_TRUE(manager && manager->EnterName);
        TypeBytes(row.bytes, [&] { Ticks(1); });
        if (manager && manager->EnterName) KeyType(platform::vk::RETURN, 13);
        Ticks(5);
        const bool cancelled = row.bytes.find('\x1b') != std::string::npos;
        const std::string created = cancelled ? "" : row.created;
        std::vector<std::string> expected = {"Anna.dat"};
        if (!row.present.empty()) expected.push_back(row.present);
        if (!created.empty()) expected.push_back(created);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(ProfileFiles(), expected);
        EXPECT_EQ(result == 1, !created.empty()) << "a created player closes the manager";
        if (!created.empty()) {
            EXPECT_EQ(ReadFileBytes(Game->ProfilePath + created), GoldenProfile());
            EXPECT_EQ(CurrentName() + ".dat", created);
        } else {
            EXPECT_EQ(CurrentName(), "Anna");
        }
        ExpectNoHiddenFile();
        if (manager) manager->Kill();
        manager = nullptr;
        result = 0;
    }
}

} // namespace
} // namespace profilestest

// The title's choice of the first player at start-up: the settings name in the listed spelling,
// a valid unlisted name created, a refused or empty name giving the first listed profile, and no
// profile asking for a name.
#include "profiles_fixture.h"

#include "profiles/TProfile.h"
#include "profiles/title_players.h"

namespace profilestest {
namespace {

struct StartCase {
    std::string label;
    std::vector<std::string> files; // in profiles/; a name ending in "/" is a folder
    std::string settingsName;
    int chosen; // ChooseStartProfile's answer
    std::string current;
    std::vector<std::string> after; // profiles/ afterwards
};

class StartChoiceTest : public ProfilesTest {};

TEST_F(StartChoiceTest, SettingsNameListedSpellingOrFirstProfileOrThePrompt) {
    const StartCase cases[] = {
        {"case differs", {"Bob.dat"}, "bob", 1, "Bob", {"Bob.dat"}},
        {"valid, unlisted", {"Anna.dat"}, "Carol", 1, "Carol", {"Anna.dat", "Carol.dat"}},
        {"empty", {"Anna.dat", "Zed.dat"}, "", 1, "Anna", {"Anna.dat", "Zed.dat"}},
        {"refused", {"Anna.dat"}, "../evil", 1, "Anna", {"Anna.dat"}},
        {"hidden", {"Anna.dat"}, ".hidden", 1, "Anna", {"Anna.dat"}},
        {"too long", {"Anna.dat"}, "abcdefghijklm", 1, "Anna", {"Anna.dat"}},
        {"upper case", {"bob.dat"}, "BOB", 1, "bob", {"bob.dat"}},
        {"no profile", {"Dir.dat/", "x.DAT", ".dat"}, "Anna", 0, "(none)", {".dat", "Dir.dat", "x.DAT"}},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.label);
        platform::DeleteDir(ProfileDir(), true);
        platform::CreateDir(ProfileDir(), false);
        for (const std::string& file : c.files) {
            if (file.back() == '/')
                platform::CreateDir(ProfileDir() + file.substr(0, file.size() - 1), false);
            else
                WriteBytes(ProfileDir() + file, GoldenProfile());
        }
        Game->ProfileName = c.settingsName;
        Game->CurrentProfile = nullptr;
        EXPECT_EQ(ChooseStartProfile(), c.chosen);
        EXPECT_EQ(Game->CurrentProfile ? Game->CurrentProfile->Name : "(none)", c.current);
        if (c.chosen != 0) {
            EXPECT_EQ(Game->ProfileName, c.current);
        }
        EXPECT_EQ(Entries(ProfileDir()), c.after);
        ExpectNothingOutside();
    }
    EXPECT_EQ(Notes(), 0);
}

} // namespace
} // namespace profilestest

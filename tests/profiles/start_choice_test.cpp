// The title's choice of the first player at start-up: the settings name in the listed spelling,
// a valid unlisted name created, a refused or empty name giving the first listed profile, a name
// whose entry is no readable file noted and passed over, and no profile asking for a name.
#include "profiles_fixture.h"

#include "profiles/TProfile.h"
#include "profiles/title_players.h"

#include <sys/stat.h>
#include <unistd.h>

namespace profilestest {
namespace {

struct StartCase {
    std::string label;
    // In profiles/; a name ending in "/" is a folder, in "|" a FIFO, in "@" a dangling link.
    std::vector<std::string> files;
    std::string settingsName;
    int chosen; // ChooseStartProfile's answer
    std::string current;
    std::vector<std::string> after; // profiles/ afterwards
    bool noted;                     // the log says the named entry is not a readable file
};

class StartChoiceTest : public ProfilesTest {};

TEST_F(StartChoiceTest, SettingsNameListedSpellingOrFirstProfileOrThePrompt) {
    const StartCase cases[] = {
        {"case differs", {"Bob.dat"}, "bob", 1, "Bob", {"Bob.dat"}, false},
        {"valid, unlisted", {"Anna.dat"}, "Carol", 1, "Carol", {"Anna.dat", "Carol.dat"}, false},
        {"empty", {"Anna.dat", "Zed.dat"}, "", 1, "Anna", {"Anna.dat", "Zed.dat"}, false},
        {"refused", {"Anna.dat"}, "../evil", 1, "Anna", {"Anna.dat"}, false},
        {"hidden", {"Anna.dat"}, ".hidden", 1, "Anna", {"Anna.dat"}, false},
        {"too long", {"Anna.dat"}, "abcdefghijklm", 1, "Anna", {"Anna.dat"}, false},
        {"upper case", {"bob.dat"}, "BOB", 1, "bob", {"bob.dat"}, false},
        {"no profile",
         {"Dir.dat/", "x.DAT", ".dat"},
         "Anna",
         0,
         "(none)",
         {".dat", "Dir.dat", "x.DAT"},
         false},
        {"named folder", {"Anna.dat", "Bob.dat/"}, "Bob", 1, "Anna", {"Anna.dat", "Bob.dat"}, true},
        {"named FIFO", {"Anna.dat", "Bob.dat|"}, "Bob", 1, "Anna", {"Anna.dat", "Bob.dat"}, true},
        {"named dangling link", {"Anna.dat", "Bob.dat@"}, "Bob", 1, "Anna", {"Anna.dat", "Bob.dat"}, true},
        {"only the named folder", {"Bob.dat/"}, "Bob", 0, "(none)", {"Bob.dat"}, true},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.label);
        platform::DeleteDir(ProfileDir(), true);
        platform::CreateDir(ProfileDir(), false);
        platform::DeleteFile(ErrorLogPath());
        for (const std::string& file : c.files) {
            const std::string path = ProfileDir() + file.substr(0, file.size() - 1);
            if (file.back() == '/')
                platform::CreateDir(path, false);
            else if (file.back() == '|')
                mkfifo(path.c_str(), 0644);
            else if (file.back() == '@')
                symlink((ProfileDir() + "gone.dat").c_str(), path.c_str());
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
        const std::string log = ReadBytes(ErrorLogPath());
        EXPECT_EQ(log.find("Profile file '" + ProfileDir() + "Bob.dat' is not a readable file") !=
                      std::string::npos,
                  c.noted)
            << log;
        EXPECT_EQ(log.find("repaired"), std::string::npos);
        ExpectNothingOutside();
    }
    EXPECT_EQ(Notes(), 0);
}

} // namespace
} // namespace profilestest

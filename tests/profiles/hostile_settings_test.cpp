// Hostile player names in a hand-edited settings file: each goes through the core's reading of the
// settings and the title's choice of the first player, with "Anna.dat" present, from a fresh
// folder. A refused name never becomes a path: Anna is chosen and nothing is created.
#include "profiles_fixture.h"

#include "profiles/TProfile.h"
#include "profiles/title_players.h"

namespace profilestest {
namespace {

struct HostileName {
    std::string label;
    std::string bytes;                // after "PROFILE NAME="
    std::vector<std::string> present; // profiles besides Anna.dat
    std::string current;
    std::vector<std::string> after; // profiles/ afterwards
};

std::vector<HostileName> HostileNames() {
    const std::vector<std::string> anna = {"Anna.dat"};
    std::vector<HostileName> rows;
    auto refused = [&](const std::string& label, const std::string& bytes) {
        rows.push_back({label, bytes, {}, "Anna", anna});
    };
    refused("1 empty", "");
    refused("2 full stop", ".");
    refused("3 two full stops", "..");
    refused("4 three full stops", "...");
    refused("5 hidden", ".hidden");
    refused("6 up a folder", "../evil");
    refused("7 two folders up", "../../x/y");
    refused("8 absolute", "/evil");
    refused("9 slash", "a/b");
    refused("10 backslash", "a\\b");
    refused("11 leading blank", " Bob");
    refused("12 trailing blank", "Bob ");
    refused("13 tab", "Bob\tx");
    rows.push_back({"14 CR as the last byte", "Bob\r", {}, "Bob", {"Anna.dat", "Bob.dat"}});
    refused("15 escape sequence", "\x1b[31mRed");
    refused("16 delete", "Bob\x7f");
    refused("17 thirteen letters", "abcdefghijklm");
    refused("18 300 letters", std::string(300, 'a'));
    refused("19 Latin-1", "Zo\xeb");
    refused("20 UTF-8", "Zo\xc3\xab");
    refused("21 CJK", "\xe6\x97\xa5\xe6\x9c\xac");
    rows.push_back({"22 CON", "CON", {}, "CON", {"Anna.dat", "CON.dat"}});
    rows.push_back({"23 NUL", "NUL", {}, "NUL", {"Anna.dat", "NUL.dat"}});
    refused("24 colon", "a:b");
    refused("25 wildcards", "a*b?");
    refused("26 angle brackets and bar", "<x>|y");
    refused("27 tilde", "~root");
    refused("28 format", "%s%n");
    rows.push_back({"29 shell", "$(id)", {}, "$(id)", {"$(id).dat", "Anna.dat"}});
    rows.push_back({"30 case of an existing one", "bob", {"Bob.dat"}, "Bob", {"Anna.dat", "Bob.dat"}});
    rows.push_back({"31 upper case", "BOB", {"bob.dat"}, "bob", {"Anna.dat", "bob.dat"}});
    refused("32 NUL byte", std::string("a\0b", 3));
    return rows;
}

class HostileSettingsTest : public coretest::CoreTest {
protected:
    std::string ProfileDir() const { return UserFolder() + "profiles/"; }
};

TEST_F(HostileSettingsTest, RefusedNamesFallBackToTheFirstPlayerAndCreateNothing) {
    for (const HostileName& row : HostileNames()) {
        SCOPED_TRACE(row.label);
        platform::DeleteDir(dir / "home", true);
        dir.Write("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini",
                  "VERSION NO=1.06\r\nPROFILE NAME=" + row.bytes);
        dir.Write("home/Brindlecove/Sleetwhistle/profiles/Anna.dat", GoldenProfile());
        for (const std::string& file : row.present)
            dir.Write("home/Brindlecove/Sleetwhistle/profiles/" + file, GoldenProfile());
        Game = std::make_shared<TGame>();
        InitGame();
        EXPECT_EQ(ChooseStartProfile(), 1);
        ASSERT_TRUE(Game->CurrentProfile);
        EXPECT_EQ(Game->CurrentProfile->Name, row.current);
        EXPECT_EQ(Entries(ProfileDir()), row.after);
        EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"home"});
        EXPECT_EQ(Entries(dir / "home/"), std::vector<std::string>{"Brindlecove"});
        EXPECT_EQ(Entries(dir / "home/Brindlecove/"), std::vector<std::string>{"Sleetwhistle"});
        for (const std::string& name : Entries(ProfileDir()))
            EXPECT_NE(name[0], '.') << name;
    }
    EXPECT_TRUE(errors.empty());
}

} // namespace
} // namespace profilestest

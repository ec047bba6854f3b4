// Player names: which names may name a profile file, the messages for the rest, and the name
// prompt's validator against a profiles folder.
#include "profiles/player_names.h"

#include "core/TGame.h"
#include "platform/files.h"
#include "platform/font.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const char* const kExists = "Error: a profile with this name already exists!";

struct NameCase {
    std::string name;
    std::string message; // "" when accepted
};

const std::vector<NameCase>& NameTable() {
    static const std::vector<NameCase> table = {
        {"", "Error: please enter a name!"},
        {" Bob", "Error: a name cannot start or end with a blank!"},
        {"Bob ", "Error: a name cannot start or end with a blank!"},
        {"abcdefghijklm", "Error: a name can have at most 12 characters!"},
        {".", "Error: a name cannot start with a full stop!"},
        {"..", "Error: a name cannot start with a full stop!"},
        {".x", "Error: a name cannot start with a full stop!"},
        {"a/b", "Error: the sign / cannot be used in a name!"},
        {"a\\b", "Error: the sign \\ cannot be used in a name!"},
        {"a:b", "Error: the sign : cannot be used in a name!"},
        {"a\tb", "Error: a name can only hold plain letters, digits and signs!"},
        {"a\x7f"
         "b",
         "Error: a name can only hold plain letters, digits and signs!"},
        {"Zo\xe9", "Error: a name can only hold plain letters, digits and signs!"},
        {"Bob", ""},
        {"O'Neil", ""},
        {"Anne-Marie", ""},
        {"Bob.", ""},
        {"CON", ""},
        {"$(id)", ""},
        {"-rf", ""},
        {"$HOME", ""},
        {"Mr Smith", ""},
        {"abcdefghijkl", ""},
    };
    return table;
}

class PlayerNamesTest : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    void SetUp() override {
        Game = std::make_shared<TGame>();
        Game->ProfilePath = dir / "profiles/";
    }
    void TearDown() override { Game = nullptr; }
};

TEST_F(PlayerNamesTest, EachBrokenRuleGivesItsMessageAndPlainNamesPass) {
    for (const NameCase& c : NameTable())
        EXPECT_EQ(PlayerNameProblem(c.name), c.message) << "name \"" << c.name << "\"";
}

TEST_F(PlayerNamesTest, EveryBannedSignIsNamedInItsMessage) {
    for (const char* p = kFileNameUnsafeChars; *p; ++p) {
        const std::string name = std::string("a") + *p + "b";
        EXPECT_EQ(PlayerNameProblem(name),
                  std::string("Error: the sign ") + *p + " cannot be used in a name!");
    }
    EXPECT_EQ(std::string(kFileNameUnsafeChars).size(), 15u);
}

TEST_F(PlayerNamesTest, MessagesFitTheErrorBoxInTheCaptionFont) {
    platform::ImageFontRef font =
        platform::LoadImageFont(SLEETWHISTLE_TEST_DATA_DIR "/fonts/card.ttf", 25, 6);
    ASSERT_TRUE(font);
    platform::SetImageFont(font);
    for (const NameCase& c : NameTable())
        EXPECT_LT(platform::TextWidth(c.message), 640) << c.message;
    EXPECT_LT(platform::TextWidth(kExists), 640);
    EXPECT_LT(platform::TextWidth("Error: the sign % cannot be used in a name!"), 640);
    platform::SetImageFont(nullptr);
}

TEST_F(PlayerNamesTest, ExistingProfilesAreFoundInTheListingIgnoringLetterCase) {
    dir.Write("profiles/Bob.dat", "x");
    dir.Write("profiles/zed.DAT", "x");
    dir.Write("profiles/Ro.dat", "x");
    dir.Write("profiles/notes.txt", "x");
    ASSERT_TRUE(platform::CreateDir(dir / "profiles/Dir.dat"));
    chmod((dir / "profiles/Ro.dat").c_str(), 0444);
    const std::vector<std::string> before = platform::ListDir(Game->ProfilePath);

    for (const char* name : {"bob", "BOB", "dir", "ro"}) {
        std::string message = "stale";
        EXPECT_EQ(CheckPlayerName(name, message), -1) << name;
        EXPECT_EQ(message, kExists) << name;
    }
    for (const char* name : {"Zed", "notes", ""}) {
        std::string message = "stale";
        EXPECT_EQ(CheckPlayerName(name, message), 1) << name;
        EXPECT_EQ(message, "") << name;
    }
    std::string message;
    EXPECT_EQ(CheckPlayerName("a/b", message), -1);
    EXPECT_EQ(message, "Error: the sign / cannot be used in a name!");
    EXPECT_EQ(platform::ListDir(Game->ProfilePath), before) << "nothing created";
}

TEST_F(PlayerNamesTest, AMissingFolderAcceptsAndStaysMissing) {
    std::string message = "stale";
    EXPECT_EQ(CheckPlayerName("Bob", message), 1);
    EXPECT_EQ(message, "");
    EXPECT_EQ(platform::FileType(Game->ProfilePath), 0);
}

TEST_F(PlayerNamesTest, EveryAcceptedNameMakesAPlainFileDirectlyInTheProfilesFolder) {
    const std::string folder = dir / "profiles";
    for (const NameCase& c : NameTable()) {
        if (!c.message.empty()) continue;
        const std::string path = Game->ProfilePath + c.name + ".dat";
        EXPECT_EQ(platform::ExtractDir(path), folder) << c.name;
        EXPECT_EQ(platform::StripDir(path), c.name + ".dat") << c.name;
        EXPECT_NE(platform::StripDir(path).front(), '.') << c.name;
    }
}

} // namespace

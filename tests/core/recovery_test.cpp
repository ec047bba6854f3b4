// The markers of the last run and the restoring of the packaged defaults after a run that changed
// its settings and did not end cleanly.
#include "core_fixture.h"

#include "platform/TStream.h"

#include <sys/stat.h>

namespace coretest {
namespace {

class RecoveryTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        SetPaths();
        platform::CreateDir(UserFolder(), true);
    }
    bool Exists(const std::string& name) const { return platform::FileType(UserFolder() + name) != 0; }
    void Put(const std::string& name, const std::string& text = "") const {
        dir.Write("home/Brindlecove/Sleetwhistle/" + name, text);
    }
    std::string Settings() const { return dir.Read("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini"); }
    // The packaged defaults with the name on their PROFILE NAME line, as the file holds them.
    static std::string DefaultsNamed(const std::string& name) {
        std::string text;
        platform::LoadText(DataPrefixForTests() + "Data/Default.ini", text);
        std::string out;
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            std::string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.rfind("PROFILE NAME=", 0) == 0) line = "PROFILE NAME=" + name;
            out += line + "\r\n";
            if (end == std::string::npos) break;
            start = end + 1;
        }
        return out;
    }
    const std::string changed = "MUSIC VOLUME=40\r\nFULL SCREEN=0\r\nPROFILE NAME=Anna\r\n";
};

TEST_F(RecoveryTest, TheMarkersDecideWhetherTheDefaultsComeBack) {
    struct TCase {
        const char* what;
        bool goodExit, iniChanged, restored;
    };
    const TCase cases[] = {
        {"clean exit after a change", true, true, false},
        {"clean exit", true, false, false},
        {"bad exit after a change", false, true, true},
        {"bad exit without a change, or the first run", false, false, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        notices.clear();
        Put("Sleetwhistle.ini", changed);
        if (c.goodExit) Put("GoodExit.dat");
        if (c.iniChanged) Put("inichanged.dat");
        Game->CheckGoodExit();
        EXPECT_EQ(Settings(), c.restored ? DefaultsNamed("Anna") : changed);
        EXPECT_EQ(notices, c.restored ? std::vector<std::string>{"Default ini file restored!"}
                                      : std::vector<std::string>{});
        EXPECT_FALSE(Exists("GoodExit.dat"));
        EXPECT_FALSE(Exists("inichanged.dat"));
        EXPECT_EQ(Entries(UserFolder()).size(), 1u); // no temporary file left
    }
}

TEST_F(RecoveryTest, ReadOnlyMarkersStillCount) {
    Put("Sleetwhistle.ini", changed);
    Put("inichanged.dat");
    chmod((UserFolder() + "inichanged.dat").c_str(), 0444);
    Game->CheckGoodExit();
    EXPECT_EQ(Settings(), DefaultsNamed("Anna"));
    Put("GoodExit.dat");
    chmod((UserFolder() + "GoodExit.dat").c_str(), 0444);
    Put("inichanged.dat");
    Put("Sleetwhistle.ini", changed);
    Game->CheckGoodExit();
    EXPECT_EQ(Settings(), changed);
}

TEST_F(RecoveryTest, TheNameIsAddedWhenTheDefaultsHaveNoLineForIt) {
    Game->DataPrefix = dir / "pack/";
    dir.Write("pack/data/default.ini", "SOUND=1\r\nMUSIC=0\r\n");
    Put("Sleetwhistle.ini", changed);
    Put("inichanged.dat");
    Game->CheckGoodExit();
    EXPECT_EQ(Settings(), "SOUND=1\r\nMUSIC=0\r\nPROFILE NAME=Anna\r\n");
}

TEST_F(RecoveryTest, WithoutDefaultsTheNameAloneIsWrittenAndTheBuiltInDefaultsFillTheRest) {
    Game->DataPrefix = dir / "nowhere/";
    Put("Sleetwhistle.ini", changed);
    Put("inichanged.dat");
    Game->CheckGoodExit();
    EXPECT_EQ(Settings(), "PROFILE NAME=Anna\r\n");
    EXPECT_EQ(notices.size(), 1u);
    Game->Init(0, 1);
    EXPECT_EQ(Game->ProfileName, "Anna");
    EXPECT_EQ(Game->MusicVolume, 100);
    EXPECT_EQ(Game->FullScreen, 1);
}

TEST_F(RecoveryTest, ASettingsFileThatCannotBeReplacedIsLeftAloneWithoutANotice) {
    // A folder in the settings file's place: nothing can be renamed over it, not even by root.
    platform::CreateDir(UserFolder() + "Sleetwhistle.ini");
    Put("Sleetwhistle.ini/keep.txt", "x");
    Put("inichanged.dat");
    Game->CheckGoodExit();
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(dir.Read("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini/keep.txt"), "x");
    EXPECT_FALSE(Exists("inichanged.dat"));
    EXPECT_EQ(Entries(UserFolder()).size(), 1u);
}

} // namespace
} // namespace coretest

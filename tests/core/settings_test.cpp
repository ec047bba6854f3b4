// The settings file: what start-up reads from it and writes back, the change marker, the pause
// rule, and the checked player's name.
#include "core_fixture.h"

#include "program/program.h"

namespace coretest {
namespace {

const char* const kDefaultLines[] = {"VERSION NO=1.06",
                                     "FULL SCREEN=1",
                                     "SOUND=1",
                                     "MUSIC=1",
                                     "SPEECH=1",
                                     "SOUND VOLUME=100",
                                     "MUSIC VOLUME=100",
                                     "SPEECH VOLUME=100",
                                     "FADE=1",
                                     "PARTICLES=80",
                                     "PORTAL SPLASH=0",
                                     "PORTAL SPLASH2=0",
                                     "INTRO=0",
                                     "VSYNC=1",
                                     "DRIVER=0",
                                     "SOUND DRIVER=FreeAudio",
                                     "FULL SCREEN PROCESS PRIORITY=0",
                                     "FULL SCREEN THREAD PRIORITY=0",
                                     "WINDOWED PROCESS PRIORITY=0",
                                     "WINDOWED THREAD PRIORITY=0",
                                     "PROFILE NAME=",
                                     "REGION=0",
                                     "SUB-REGION=0",
                                     "CUSTOM MOUSE POINTER=1"};

// The default lines, with some replaced by key, as the file bytes (CR LF).
std::string FileWith(const std::vector<std::pair<std::string, std::string>>& changes) {
    std::string text;
    for (std::string line : kDefaultLines) {
        std::string key = line.substr(0, line.find('='));
        for (const auto& [k, v] : changes)
            if (k == key) line = key + "=" + v;
        text += line + "\r\n";
    }
    return text;
}

class SettingsTest : public CoreTest {
protected:
    // Start-up's reading of the file holding text; no packaged default is copied over it.
    void StartWith(const std::string& text) {
        SetPaths();
        Game->DataPrefix = dir / "nodata/";
        dir.Write("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini", text);
        Game->Init(0, 1);
    }
    std::string Saved() const { return dir.Read("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini"); }
};

TEST_F(SettingsTest, WithoutAnyFileTheDefaultsAreWrittenInOrder) {
    SetPaths();
    Game->DataPrefix = dir / "nodata/";
    Game->Init(0, 1);
    EXPECT_EQ(Saved(), FileWith({}));
}

TEST_F(SettingsTest, LinesAreReadAsTheyStandAndWrittenBackInTheKeyOrder) {
    struct TCase {
        const char* what;
        std::string file;
        std::string saved;
    };
    const std::vector<TCase> cases = {
        {"any letter case", "music volume=40\r\n", FileWith({{"MUSIC VOLUME", "40"}})},
        {"unknown key dropped", "FOO=1\r\nSOUND=0\r\n", FileWith({{"SOUND", "0"}})},
        {"a blank before = is another key", "Sound =0\r\n", FileWith({})},
        {"further = belong to the value", "MUSIC VOLUME=80=90\r\n", FileWith({{"MUSIC VOLUME", "80"}})},
        {"the later duplicate wins", "FADE=0\nFADE=1\nINTRO=1\nINTRO=0\n", FileWith({})},
        {"a line without = is a key with no value", "FADE\r\n", FileWith({{"FADE", "0"}})},
        {"hexadecimal", "REGION=$1F\r\n", FileWith({{"REGION", "31"}})},
        {"binary", "REGION=%101\r\n", FileWith({{"REGION", "5"}})},
        {"no number", "SOUND=yes\r\n", FileWith({{"SOUND", "0"}})},
        {"percentages clamped", "SOUND VOLUME=250\r\nPARTICLES=-3\r\nSPEECH VOLUME=2000000000\r\n",
         FileWith({{"SOUND VOLUME", "100"}, {"PARTICLES", "0"}})},
        {"other numbers kept", "REGION=-7\r\nSUB-REGION=250\r\n",
         FileWith({{"REGION", "-7"}, {"SUB-REGION", "250"}})},
        {"the version is the program's", "Version No=0.5\r\n", FileWith({})},
        {"both splash keys kept by the reading", "PORTAL SPLASH=1\r\nPORTAL SPLASH2=1\r\n",
         FileWith({{"PORTAL SPLASH", "1"}, {"PORTAL SPLASH2", "1"}})},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        Game = std::make_shared<TGame>();
        StartWith(c.file);
        EXPECT_EQ(Saved(), c.saved);
    }
}

TEST_F(SettingsTest, ForcingTheFixedSettingsClearsOnlyTheFirstSplash) {
    StartWith("PORTAL SPLASH=1\r\nPORTAL SPLASH2=1\r\n");
    ForceIniSettings();
    EXPECT_EQ(Game->PortalSplash, 0);
    EXPECT_EQ(Saved(), FileWith({{"PORTAL SPLASH2", "1"}}));
    EXPECT_FALSE(platform::FileType(UserFolder() + "inichanged.dat"));
}

TEST_F(SettingsTest, OnlyAChangeByThePlayerWritesTheChangeMarker) {
    StartWith("");
    Game->MusicVolume = 40;
    Game->IniUpdate(0);
    EXPECT_EQ(Saved(), FileWith({{"MUSIC VOLUME", "40"}}));
    EXPECT_FALSE(platform::FileType(UserFolder() + "inichanged.dat"));
    Game->IniUpdate(1);
    EXPECT_EQ(platform::FileType(UserFolder() + "inichanged.dat"), platform::FILETYPE_FILE);
}

TEST_F(SettingsTest, WhilePausedOrAwayTheSavedMusicAndSpeechStatesAreWritten) {
    StartWith("");
    for (int TGame::*flag : {&TGame::Paused, &TGame::Suspended}) {
        Game->Paused = Game->Suspended = 0;
        Game->Music = Game->Speech = 0; // switched off by the pause
        Game->PausedMusicState = 1;
        Game->PausedSpeechState = 0;
        (*Game).*flag = 1;
        Game->IniUpdate(0);
        EXPECT_EQ(Saved(), FileWith({{"SPEECH", "0"}}));
    }
    Game->Paused = Game->Suspended = 0;
    Game->IniUpdate(0);
    EXPECT_EQ(Saved(), FileWith({{"MUSIC", "0"}, {"SPEECH", "0"}}));
}

TEST_F(SettingsTest, APlayersNameThatCouldNotNameAFileMeansNoPlayer) {
    const std::pair<std::string, std::string> cases[] = {
        {"Anna", "Anna"}, {"", ""},     {"../x", ""},          {"a/b", ""},
        {".hidden", ""},  {"a\\b", ""}, {"abcdefghijklm", ""}, {std::string("an\x01na"), ""},
    };
    for (const auto& [name, kept] : cases) {
        SCOPED_TRACE(name);
        Game = std::make_shared<TGame>();
        StartWith("PROFILE NAME=" + name + "\r\n");
        EXPECT_EQ(Game->ProfileName, kept);
    }
}

TEST_F(SettingsTest, ParticlesAreClampedAndSavedOnlyWithTheFlagOne) {
    StartWith("");
    const struct {
        int value, save, stored;
        bool marker;
    } cases[] = {{-5, 0, 0, false}, {50, 2, 50, false}, {150, 1, 100, true}};
    for (const auto& c : cases) {
        platform::DeleteFile(UserFolder() + "inichanged.dat");
        Game->ParticlesSet(c.value, c.save);
        EXPECT_EQ(Game->Particles, c.stored);
        EXPECT_EQ(platform::FileType(UserFolder() + "inichanged.dat") != 0, c.marker) << c.value;
    }
}

} // namespace
} // namespace coretest

// The data folder holds exactly the files of the table, under their exact names, plus the level files.
#include "data_folder.h"
#include "manifest.h"

#include "platform/files.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

using namespace assets_test;
using assetgen::Kind;

TEST(DataFolder, EveryFileOfTheTableExistsUnderItsExactName) {
    for (const assetgen::Entry& e : assetgen::Manifest()) {
        std::filesystem::path p = DataDir() / e.path;
        if (e.kind == Kind::Folder) {
            EXPECT_TRUE(std::filesystem::is_directory(p)) << e.path;
        } else {
            ASSERT_TRUE(std::filesystem::is_regular_file(p)) << e.path;
            EXPECT_GT(std::filesystem::file_size(p), 0u) << e.path;
        }
    }
}

TEST(DataFolder, HoldsNothingOutsideTheTableButLevelFiles) {
    std::set<std::string> known;
    for (const assetgen::Entry& e : assetgen::Manifest())
        known.insert(e.path);
    for (const auto& item : std::filesystem::recursive_directory_iterator(DataDir())) {
        std::string rel = std::filesystem::relative(item.path(), DataDir()).generic_string();
        if (item.is_directory() || rel.starts_with("levels/")) continue;
        EXPECT_TRUE(known.count(rel)) << "unexpected file " << rel;
    }
}

TEST(DataFolder, BothSpellingsOfTheClickSoundAreShipped) {
    // The loading screen's button opens "buttonClick", the sound bank "buttonclick".
    EXPECT_TRUE(std::filesystem::exists(DataDir() / "sound/buttonClick.wav"));
    EXPECT_TRUE(std::filesystem::exists(DataDir() / "sound/buttonclick.wav"));
}

// The default settings, the maker's splash, the publisher splash folder and the level files are
// opened as "data/..." from the folder that holds the data folder, and the recovery opens
// "default.ini": with the platform's case-insensitive fallback each such name must reach exactly
// one file or folder.
TEST(DataFolder, SecondSpellingsReachExactlyOneEntry) {
    std::filesystem::path data = DataDir().lexically_normal();
    if (!data.has_filename()) data = data.parent_path();
    const std::string prefix = data.parent_path().string() + "/";
    auto lower = [](std::string s) {
        for (char& c : s)
            c = (char)std::tolower((unsigned char)c);
        return s;
    };
    // Entries of a folder equal to name when case is ignored.
    auto variants = [&](const std::filesystem::path& folder, const std::string& name) {
        int n = 0;
        for (const auto& item : std::filesystem::directory_iterator(folder))
            n += lower(item.path().filename().string()) == lower(name);
        return n;
    };
    platform::SetDataRoot(prefix);
    struct Spelling {
        const char* path;
        int type;
    };
    const Spelling spellings[] = {
        {"data/Default.ini", platform::FILETYPE_FILE},
        {"data/default.ini", platform::FILETYPE_FILE},
        {"data/Brindlecove.png", platform::FILETYPE_FILE},
        {"data/SplashSound.wav", platform::FILETYPE_FILE},
        {"data/branding", platform::FILETYPE_DIR},
        {"data/levels", platform::FILETYPE_DIR},
        {"Data/sound/buttonClick.wav", platform::FILETYPE_FILE},
    };
    for (const Spelling& s : spellings)
        EXPECT_EQ(platform::FileType(prefix + s.path), s.type) << s.path;
    platform::SetDataRoot("");
    EXPECT_EQ(variants(data.parent_path(), "data"), 1);
    EXPECT_EQ(variants(data, "default.ini"), 1);
}

TEST(DefaultSettings, HoldsTheTwentyFourKeysInOrder) {
    const char* keys[] = {"VERSION NO",
                          "FULL SCREEN",
                          "SOUND",
                          "MUSIC",
                          "SPEECH",
                          "SOUND VOLUME",
                          "MUSIC VOLUME",
                          "SPEECH VOLUME",
                          "FADE",
                          "PARTICLES",
                          "PORTAL SPLASH",
                          "PORTAL SPLASH2",
                          "INTRO",
                          "VSYNC",
                          "DRIVER",
                          "SOUND DRIVER",
                          "FULL SCREEN PROCESS PRIORITY",
                          "FULL SCREEN THREAD PRIORITY",
                          "WINDOWED PROCESS PRIORITY",
                          "WINDOWED THREAD PRIORITY",
                          "PROFILE NAME",
                          "REGION",
                          "SUB-REGION",
                          "CUSTOM MOUSE POINTER"};
    std::ifstream in(DataDir() / "Default.ini");
    std::vector<std::pair<std::string, std::string>> lines;
    for (std::string line; std::getline(in, line);) {
        // CR LF, as the game writes settings: a restored default file reads like a saved one.
        ASSERT_TRUE(line.ends_with('\r')) << "line without CR LF: " << line;
        line.pop_back();
        size_t eq = line.find('=');
        ASSERT_NE(eq, std::string::npos) << line;
        lines.push_back({line.substr(0, eq), line.substr(eq + 1)});
    }
    ASSERT_EQ(lines.size(), 24u);
    for (size_t i = 0; i < 24; ++i)
        EXPECT_EQ(lines[i].first, keys[i]) << "line " << i + 1;
    // The slide show and full screen are on; the profile name is present and empty; the audio
    // driver name is one the audio layer accepts.
    EXPECT_EQ(lines[12].second, "1");
    EXPECT_EQ(lines[1].second, "1");
    EXPECT_EQ(lines[20].second, "");
    EXPECT_EQ(lines[15].second, "FreeAudio");
    EXPECT_EQ(lines[0].second, "1.06");
}

TEST(Font, IsATrueTypeFile) {
    std::vector<unsigned char> b = ReadBytes(DataDir() / "fonts/card.ttf");
    ASSERT_GT(b.size(), 1000u);
    bool trueType = b[0] == 0 && b[1] == 1 && b[2] == 0 && b[3] == 0;
    bool appleTrue = std::string(b.begin(), b.begin() + 4) == "true";
    EXPECT_TRUE(trueType || appleTrue);
}

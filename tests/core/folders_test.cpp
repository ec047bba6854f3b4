// The data and per-user folders: their paths, their creation at the first start with the modes of
// only the levels made, and the two operations on the profiles folder.
#include "core_fixture.h"

#include "FileModes.h"

namespace coretest {
namespace {

using testsupport::ModeOf;

class FoldersTest : public CoreTest {};

TEST_F(FoldersTest, TheAssetFoldersFollowTheDataPrefixAndTheUserFolderTheDataHome) {
    Game->DataPrefix = "/opt/sw/";
    Game->SetSubPathWrapper("Brindlecove/Sleetwhistle", 1);
    const std::string home = dir / "home/";
    EXPECT_EQ(Game->ImagePath, "/opt/sw/Data/graphics/");
    EXPECT_EQ(Game->SoundPath, "/opt/sw/Data/sound/");
    EXPECT_EQ(Game->MusicPath, "/opt/sw/Data/music/");
    EXPECT_EQ(Game->MenuPath, "/opt/sw/Data/menus/");
    EXPECT_EQ(Game->LevelsPath, "/opt/sw/Data/levels/");
    EXPECT_EQ(Game->FontPath, "/opt/sw/Data/fonts/");
    EXPECT_EQ(Game->SubPath, home + "Brindlecove/Sleetwhistle/");
    EXPECT_EQ(Game->ProfilePath, home + "Brindlecove/Sleetwhistle/profiles/");
    EXPECT_EQ(ccErrorPath, Game->SubPath);
    EXPECT_EQ(Game->SettingsFileName() + ".ini", home + "Brindlecove/Sleetwhistle/Sleetwhistle.ini");
}

TEST_F(FoldersTest, SubPathsGetOneSlashAndAnEmptyOneIsTheDataHomeItself) {
    const std::string home = dir / "home/";
    const std::pair<std::string, std::string> cases[] = {
        {"Brindlecove/Sleetwhistle/", home + "Brindlecove/Sleetwhistle/"},
        {"", home},
    };
    for (const auto& [path, expected] : cases) {
        Game = std::make_shared<TGame>();
        Game->SetSubPathWrapper(path, 1);
        EXPECT_EQ(Game->SubPath, expected) << path;
        EXPECT_EQ(Game->ProfilePath, expected + "profiles/") << path;
    }
    Game = std::make_shared<TGame>();
    Game->SetImagePath("pics\\");
    EXPECT_EQ(Game->ImagePath, "pics\\");
    Game->SetImagePath("");
    EXPECT_EQ(Game->ImagePath, "/");
}

TEST_F(FoldersTest, WithoutTheBundleTheDataPathsStayRelative) {
    Game->DataInAppBundle = 2;
    Game->SetDefaultPaths();
    EXPECT_EQ(Game->DataPrefix, "");
    EXPECT_EQ(Game->ImagePath, "Data/graphics/");
    Game->DataInAppBundle = 1;
    Game->SetDefaultPaths();
    // bin/ beside share/sleetwhistle/, with no ".." step in between.
    const std::string bin = platform::ExtractDir(platform::AppFile());
    EXPECT_EQ(Game->DataPrefix, platform::ExtractDir(bin) + "/share/sleetwhistle/");
}

TEST_F(FoldersTest, TheFirstStartOpensOnlyTheLevelsItCreated) {
    testsupport::ScopedUmask mask(0077);
    platform::CreateDir(dir / "home");
    chmod((dir / "home").c_str(), 0700);
    InitGame();
    // Brindlecove and Sleetwhistle are new: they follow the sharing policy (no write for
    // others); the data home existed and keeps its mode.
    EXPECT_EQ(ModeOf(dir / "home"), 0700u);
    EXPECT_EQ(ModeOf(dir / "home/Brindlecove") & 0002, 0u);
    EXPECT_EQ(ModeOf(UserFolder() + "profiles") & 0002, 0u);
    EXPECT_EQ(platform::FileType(UserFolder() + "profiles"), platform::FILETYPE_DIR);

    // A maker's folder made by someone else before keeps its own mode.
    Game = std::make_shared<TGame>();
    platform::DeleteDir(UserFolder(), true);
    chmod((dir / "home/Brindlecove").c_str(), 0751);
    InitGame();
    EXPECT_EQ(ModeOf(dir / "home/Brindlecove"), 0751u);
}

TEST_F(FoldersTest, AFolderThatCannotBeCreatedIsFatalWithItsPath) {
    dir.Write("home/Brindlecove", "a file in the way");
    SetPaths();
    EXPECT_THROW(Game->Init(0, 1), TReportedError);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Cannot create shared data folder " + UserFolder());
}

TEST_F(FoldersTest, OnlyProfileFilesAreDeletedOrCounted) {
    InitGame();
    const std::string profiles = Game->ProfilePath;
    for (const char* name : {"anna.dat", "ZED.DAT", "notes.txt"})
        dir.Write("home/Brindlecove/Sleetwhistle/profiles/" + std::string(name), "x");
    Game->DeleteAllProfiles();
    EXPECT_EQ(Entries(profiles), (std::vector<std::string>{"ZED.DAT", "notes.txt"}));

    platform::DeleteFile(profiles + "ZED.DAT");
    platform::DeleteFile(profiles + "notes.txt");
    dir.Write("home/Brindlecove/Sleetwhistle/profiles/.dat", "");
    EXPECT_EQ(Game->ProfileFolderInUse(), 0);
    dir.Write("home/Brindlecove/Sleetwhistle/profiles/anna.dat", "");
    EXPECT_EQ(Game->ProfileFolderInUse(), 1);
}

TEST_F(FoldersTest, AnUnreadableProfilesFolderIsFatalWithItsPath) {
    Game->ProfilePath = dir / "missing/";
    EXPECT_THROW(Game->ProfileFolderInUse(), TReportedError);
    EXPECT_EQ(errors.at(0), "Failed to read directory '" + dir / "missing/" + "'");
}

} // namespace
} // namespace coretest

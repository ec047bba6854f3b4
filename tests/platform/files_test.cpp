#include "platform/files.h"

#include "FileModes.h"
#include "Scoped.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using testsupport::ModeOf;
using testsupport::ScopedUmask;
using testsupport::TempDir;

namespace {

// A data folder with the two spellings the game uses for some names.
class DataRootTest : public ::testing::Test {
protected:
    void SetUp() override {
        root.Write("Data/Default.ini", "defaults");
        root.Write("Data/Sounds/buttonClick.wav", "click");
        SetDataRoot(root.Path());
    }
    void TearDown() override { SetDataRoot(""); }
    TempDir root;
};

} // namespace

TEST(Files, PathHelpers) {
    struct Case {
        const char *path, *dir, *ext, *noExt, *name, *base;
    } cases[] = {
        {"a/b/c.txt", "a/b", "txt", "a/b/c", "c.txt", "c"},
        {".dat", "", "dat", "", ".dat", ""},
        {"a.b/c", "a.b", "", "a.b/c", "c", "c"},
        {"noext", "", "", "noext", "noext", "noext"},
        {"/x.y", "/", "y", "/x", "x.y", "x"},
        {"a/b.tar.gz", "a", "gz", "a/b.tar", "b.tar.gz", "b.tar"},
        {"profiles/", "profiles", "", "profiles/", "", ""},
        {"", "", "", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractDir(c.path), c.dir) << c.path;
        EXPECT_EQ(ExtractExt(c.path), c.ext) << c.path;
        EXPECT_EQ(StripExt(c.path), c.noExt) << c.path;
        EXPECT_EQ(StripDir(c.path), c.name) << c.path;
        EXPECT_EQ(StripAll(c.path), c.base) << c.path;
    }
}

TEST(Files, ListingsAreSortedByteWiseWithDotEntries) {
    TempDir dir;
    for (const char* name : {"b", "B", "a", "_", "Z", "c/inner"})
        dir.Write(name, "");
    const std::vector<std::string> expected = {".", "..", "B", "Z", "_", "a", "b", "c"};
    EXPECT_EQ(ListDir(dir.Path()), expected);

    DirRef listing = ReadDir(dir.Path());
    ASSERT_TRUE(listing);
    std::vector<std::string> walked;
    for (std::string name; !(name = NextFile(listing)).empty();)
        walked.push_back(name);
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(NextFile(listing), "");
    CloseDir(listing);

    EXPECT_FALSE(ReadDir(dir / "missing"));
    EXPECT_FALSE(ReadDir(dir / "a"));
    EXPECT_TRUE(ListDir(dir / "missing").empty());
}

TEST_F(DataRootTest, LookupsIgnoreCaseBelowTheDataRoot) {
    const std::string r = root.Path();
    struct Case {
        std::string asked, found;
    } cases[] = {
        {r + "data/default.ini", r + "Data/Default.ini"},
        {r + "Data/Default.ini", r + "Data/Default.ini"},
        {r + "DATA/SOUNDS/BUTTONCLICK.WAV", r + "Data/Sounds/buttonClick.wav"},
        {r + "data/sounds/buttonclick.wav", r + "Data/Sounds/buttonClick.wav"},
        {r + "data/", r + "Data/"},
        {r + "data//sounds/./buttonclick.wav", r + "Data//Sounds/./buttonClick.wav"},
        {r + "data/missing.ini", r + "data/missing.ini"},
        {r + "data/default.ini/x", r + "data/default.ini/x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolvePath(c.asked), c.found);
    EXPECT_EQ(FileType(r + "data/sounds"), FILETYPE_DIR);
    EXPECT_EQ(FileType(r + "data/default.INI"), FILETYPE_FILE);
    EXPECT_EQ(FileSize(r + "data/default.ini"), 8);
    EXPECT_EQ(FileSize(r + "data/none.ini"), -1);
    EXPECT_EQ(ListDir(r + "data").size(), 4u);

    // When both spellings exist, each one reaches its own file.
    root.Write("Data/default.ini", "other");
    EXPECT_EQ(ResolvePath(r + "Data/default.ini"), r + "Data/default.ini");
    EXPECT_EQ(ResolvePath(r + "Data/Default.ini"), r + "Data/Default.ini");

    EXPECT_TRUE(DeleteFile(r + "data/sounds/BUTTONCLICK.wav"));
    EXPECT_EQ(FileType(r + "Data/Sounds/buttonClick.wav"), FILETYPE_NONE);
}

TEST_F(DataRootTest, LookupsOutsideTheDataRootStayExact) {
    TempDir outside;
    outside.Write("Data/Default.ini", "x");
    EXPECT_EQ(ResolvePath(outside / "data/default.ini"), outside / "data/default.ini");
    EXPECT_EQ(FileType(outside / "data/default.ini"), FILETYPE_NONE);

    // A folder whose name merely starts with the root's name is outside too.
    outside.Write("Root/Data/Default.ini", "in");
    outside.Write("Root-other/Data/Default.ini", "out");
    SetDataRoot(outside / "Root");
    EXPECT_EQ(ResolvePath(outside / "Root/data/default.ini"), outside / "Root/Data/Default.ini");
    EXPECT_EQ(ResolvePath(outside / "Root-other/data/default.ini"), outside / "Root-other/data/default.ini");

    SetDataRoot("");
    EXPECT_EQ(ResolvePath(root / "data/default.ini"), root / "data/default.ini");
}

TEST_F(DataRootTest, ShownPathsHaveNoDotStepsAndTheSpellingOnDisk) {
    const std::string r = root.Path();
    TempDir outside;
    outside.Write("Data/Default.ini", "x");
    struct Case {
        std::string asked, shown;
    } cases[] = {
        {r + "data/sounds/buttonclick.wav", r + "Data/Sounds/buttonClick.wav"},
        {r + "bin/../data/./default.ini", r + "Data/Default.ini"},
        // Where nothing exists, the spelling asked for from there on.
        {r + "data/sounds/missing/Click.WAV", r + "Data/Sounds/missing/Click.WAV"},
        {r + "data/fonts/card.ttf", r + "Data/fonts/card.ttf"},
        // Outside the data root only the dot steps go, as a lookup there ignores no case.
        {outside / "bin/../data/default.ini", outside / "data/default.ini"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShownPath(c.asked), c.shown) << c.asked;

    // A data root given with ".." steps still covers the paths below it.
    SetDataRoot(r + "Data/../");
    EXPECT_EQ(ShownPath(r + "data/default.ini"), r + "Data/Default.ini");
}

TEST(Files, CreateCopyRenameAndDelete) {
    TempDir dir;
    ScopedUmask mask(022);
    EXPECT_FALSE(CreateDir(dir / "a/b/c/"));
    EXPECT_TRUE(CreateDir(dir / "a/b/c/", true));
    EXPECT_TRUE(CreateDir(dir / "a/b/c", true)); // already there
    EXPECT_EQ(FileType(dir / "a/b/c"), FILETYPE_DIR);
    EXPECT_EQ(ModeOf(dir / "a/b"), 0755u);
    dir.Write("file", "bytes");
    EXPECT_FALSE(CreateDir(dir / "file"));
    EXPECT_FALSE(CreateDir(dir / "file/sub", true));

    EXPECT_TRUE(CopyFile(dir / "file", dir / "a/b/c/copy"));
    EXPECT_EQ(dir.Read("a/b/c/copy"), "bytes");
    EXPECT_TRUE(CopyFile(dir / "file", dir / "file")); // onto itself: not truncated
    EXPECT_EQ(dir.Read("file"), "bytes");
    EXPECT_FALSE(CopyFile(dir / "missing", dir / "x"));
    EXPECT_FALSE(CopyFile(dir / "a", dir / "x"));

    EXPECT_TRUE(RenameFile(dir / "file", dir / "renamed"));
    EXPECT_EQ(FileType(dir / "file"), FILETYPE_NONE);
    EXPECT_FALSE(DeleteFile(dir / "a"));
    EXPECT_TRUE(DeleteFile(dir / "renamed"));
    EXPECT_FALSE(DeleteFile(dir / "renamed"));
    EXPECT_FALSE(DeleteDir(dir / "a")); // not empty
    EXPECT_TRUE(DeleteDir(dir / "a/", true));
    EXPECT_EQ(FileType(dir / "a"), FILETYPE_NONE);
}

TEST(Files, SetFileModeNeverWidensBeyondTheUmask) {
    TempDir dir;
    std::string file = dir.Write("Sleetwhistle.ini", "");
    struct Case {
        mode_t mask;
        int requested;
        mode_t result;
    } cases[] = {{022, 0777, 0755}, {022, 0666, 0644}, {077, 0777, 0700}, {002, 0777, 0775},
                 {022, 0600, 0600}, {000, 0777, 0775}, {000, 0666, 0664}};
    for (const Case& c : cases) {
        ScopedUmask mask(c.mask);
        EXPECT_TRUE(SetFileMode(file, c.requested));
        EXPECT_EQ(ModeOf(file), c.result) << std::oct << c.mask << " " << c.requested;
        EXPECT_EQ(umask(c.mask), c.mask) << "the umask itself is left alone";
    }
    EXPECT_FALSE(SetFileMode(dir / "missing", 0777));
}

TEST(Files, NewFoldersAreNeverWritableByOthers) {
    TempDir dir;
    for (mode_t mask : {mode_t(000), mode_t(022), mode_t(077)}) {
        ScopedUmask scoped(mask);
        const std::string folder = dir / ("umask" + std::to_string(mask) + "/sub");
        ASSERT_TRUE(CreateDir(folder, true));
        for (const std::string& made : {ExtractDir(folder), folder})
            EXPECT_EQ(ModeOf(made), 0775 & ~mask) << std::oct << mask << " " << made;
    }
}

TEST(Files, UserDataHomeFollowsXdgThenHomeThenPasswd) {
    testsupport::ScopedEnv xdg("XDG_DATA_HOME", nullptr), home("HOME", nullptr);
    passwd* entry = getpwuid(getuid());
    std::string passwdHome = entry && entry->pw_dir ? entry->pw_dir : "/tmp";
    if (passwdHome == "/") passwdHome = "";

    struct Case {
        const char *xdg, *home;
        std::string expected;
    } cases[] = {
        {"/x/y/", "/h", "/x/y"},
        {"/x/y", nullptr, "/x/y"},
        {"relative/dir", "/h/", "/h/.local/share"},
        {"", "/h", "/h/.local/share"},
        {nullptr, "/home/p", "/home/p/.local/share"},
        {nullptr, "/", "/.local/share"},
        {nullptr, "", passwdHome + "/.local/share"},
        {nullptr, nullptr, passwdHome + "/.local/share"},
    };
    for (const Case& c : cases) {
        xdg.Set(c.xdg);
        home.Set(c.home);
        EXPECT_EQ(UserDataHome(), c.expected)
            << (c.xdg ? c.xdg : "(unset)") << " " << (c.home ? c.home : "(unset)");
    }
    // The cache home follows the same rules with its own variable and folder.
    testsupport::ScopedEnv cacheXdg("XDG_CACHE_HOME", "/c/");
    EXPECT_EQ(UserCacheHome(), "/c");
    cacheXdg.Set("relative");
    home.Set("/home/p");
    EXPECT_EQ(UserCacheHome(), "/home/p/.cache");
}

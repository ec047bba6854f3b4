// The settings file and single ini lines, checked byte for byte on disk.
#include "framework/TIniFile.h"
#include "framework/cc_errors.h"
#include "framework/cc_ini.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Files written while it lives cannot grow past bytes, as on a full disk (this works even for
// root, whom folder permissions do not stop).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        oldSignal = std::signal(SIGXFSZ, SIG_IGN); // a failed write instead of a killed process
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldSignal);
    }

private:
    rlimit saved{};
    void (*oldSignal)(int) = nullptr;
};

// Reports are recorded and thrown, so a test never waits for a key or ends.
class IniTest : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    std::vector<std::string> reports;

    void SetUp() override {
        SetRunTimeErrorHandler([this](const std::string& message, int) -> int {
            reports.push_back(message);
            throw std::runtime_error(message);
        });
    }
    void TearDown() override { SetRunTimeErrorHandler(nullptr); }

    // Names of everything in the folder, sorted: shows that no temporary file was left behind.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TIniFile Settings() {
        TIniFile ini;
        ini.FileName = dir / "Sleetwhistle";
        ini.Add("Sound", "1");
        ini.Add("MUSIC VOLUME", "100");
        ini.Add("INTRO", "1");
        ini.Add("FADE", "0");
        return ini;
    }
};

TEST_F(IniTest, LoadRewritesExactlyTheRegisteredKeys) {
    dir.Write("Sleetwhistle.ini",
              "sound=0\nMUSIC VOLUME=80=90\r\nINTRO\nFade =1\r\nFADE=0\nFADE=1\r\nUNKNOWN=5");
    TIniFile ini = Settings();
    ini.Load();
    EXPECT_EQ(dir.Read("Sleetwhistle.ini"), "SOUND=0\r\nMUSIC VOLUME=80=90\r\nINTRO=\r\nFADE=1\r\n");
    EXPECT_EQ(ini.First()->Value, "0");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Sleetwhistle.ini"}));
}

TEST_F(IniTest, TheLastLineReadsTheSameWhateverEndsIt) {
    for (std::string end : {"", "\r", "\n", "\r\n"}) {
        SCOPED_TRACE(testing::PrintToString(end));
        dir.Write("Sleetwhistle.ini", "FADE=1\r\nPROFILE NAME=Holly" + end);
        EXPECT_EQ(ccReadIniLine(dir / "Sleetwhistle.ini", "PROFILE NAME"), "Holly");
        TIniFile ini = Settings();
        ini.Add("PROFILE NAME", "Player1");
        ini.Load();
        EXPECT_EQ(ini.Last()->Value, "Holly");
        EXPECT_EQ(dir.Read("Sleetwhistle.ini"),
                  "SOUND=1\r\nMUSIC VOLUME=100\r\nINTRO=1\r\nFADE=1\r\nPROFILE NAME=Holly\r\n");
        dir.Write("user.ini", "A=1\r\nB=2" + end);
        EXPECT_EQ(ccWriteIniLine(dir / "user.ini", dir / "user.ini", "A", "3"), 1);
        EXPECT_EQ(dir.Read("user.ini"), "A=3\r\nB=2\r\n");
    }
}

TEST_F(IniTest, MissingFileIsCreatedWithTheDefaults) {
    TIniFile ini = Settings();
    ini.Load();
    EXPECT_EQ(dir.Read("Sleetwhistle.ini"), "SOUND=1\r\nMUSIC VOLUME=100\r\nINTRO=1\r\nFADE=0\r\n");
}

TEST_F(IniTest, KeyRegisteredTwiceGetsTheValueInBothEntries) {
    dir.Write("Sleetwhistle.ini", "FADE=7\r\n");
    TIniFile ini = Settings();
    ini.Add("fade", "0");
    ini.Load();
    EXPECT_EQ(ini.Last()->Value, "7");
    EXPECT_EQ(dir.Read("Sleetwhistle.ini"), "SOUND=1\r\nMUSIC VOLUME=100\r\nINTRO=1\r\nFADE=7\r\nFADE=7\r\n");
}

TEST_F(IniTest, LineBreaksInAValueCannotBreakTheFile) {
    TIniFile ini = Settings();
    ini.First()->Value = "Jo\r\nFADE=9";
    ini.Save();
    EXPECT_EQ(dir.Read("Sleetwhistle.ini"), "SOUND=Jo  FADE=9\r\nMUSIC VOLUME=100\r\nINTRO=1\r\nFADE=0\r\n");
}

TEST_F(IniTest, FailedSaveIsReportedAndKeepsTheOldFile) {
    dir.Write("Sleetwhistle.ini", "SOUND=0\r\n");
    TIniFile ini = Settings();
    ini.FileName = dir / "missing/Sleetwhistle";
    EXPECT_THROW(ini.Save(), std::runtime_error);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "Failed to save file " + dir / "missing/Sleetwhistle.ini");
    // A disk that fills up halfway through the new file: reported, and the old file stays whole.
    ini.FileName = dir / "Sleetwhistle";
    {
        FileSizeLimit full(8);
        EXPECT_THROW(ini.Save(), std::runtime_error);
    }
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1], "Failed to save file " + dir / "Sleetwhistle.ini");
    EXPECT_EQ(dir.Read("Sleetwhistle.ini"), "SOUND=0\r\n");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Sleetwhistle.ini"}));
}

TEST_F(IniTest, ReadIniLineFirstDuplicateWins) {
    std::string path = dir.Write("a.ini", "Name=first\r\nNAME=second\r\nOther=x=y");
    EXPECT_EQ(ccReadIniLine(path, "name"), "first");
    EXPECT_EQ(ccReadIniLine(path, "OTHER"), "x=y");
    EXPECT_EQ(ccReadIniLine(path, "none"), "");
    EXPECT_EQ(ccReadIniLine(dir / "missing.ini", "name"), "");
}

TEST_F(IniTest, WriteIniLineReplacesEveryMatchAndAddsNothing) {
    std::string source = dir.Write("default.ini", "SOUND=1\nProfile Name=Player1\r\nPROFILE NAME=x\r\n");
    chmod(source.c_str(), 0444); // the packaged defaults are read-only
    EXPECT_EQ(ccWriteIniLine(source, dir / "user.ini", "profile name", "Holly"), 1);
    EXPECT_EQ(dir.Read("user.ini"), "SOUND=1\r\nPROFILE NAME=Holly\r\nPROFILE NAME=Holly\r\n");
    EXPECT_EQ(ccWriteIniLine(source, dir / "user2.ini", "missing", "v"), 1);
    EXPECT_EQ(dir.Read("user2.ini"), "SOUND=1\r\nProfile Name=Player1\r\nPROFILE NAME=x\r\n");
}

TEST_F(IniTest, WriteIniLineOntoItsOwnSource) {
    std::string path = dir.Write("user.ini", "A=1\r\nB=2\r\n");
    EXPECT_EQ(ccWriteIniLine(path, path, "b", "3"), 1);
    EXPECT_EQ(dir.Read("user.ini"), "A=1\r\nB=3\r\n");
}

TEST_F(IniTest, WriteIniLineFailuresLeaveTheDestination) {
    dir.Write("user.ini", "KEEP=me\r\n");
    EXPECT_EQ(ccWriteIniLine(dir / "missing.ini", dir / "user.ini", "KEEP", "x"), 0);
    EXPECT_EQ(dir.Read("user.ini"), "KEEP=me\r\n");
    std::string source = dir.Write("src.ini", "A=1\r\n");
    EXPECT_EQ(ccWriteIniLine(source, dir / "nofolder/user.ini", "A", "2"), 0);
}

TEST_F(IniTest, IniStringsAndSections) {
    EXPECT_EQ(ccIniFirstString("A=b=c"), "A");
    EXPECT_EQ(ccIniLastString("A=b=c"), "b=c");
    EXPECT_EQ(ccIniFirstString("INTRO"), "INTRO");
    EXPECT_EQ(ccIniLastString("INTRO"), "");

    TStringArray lines = {"a", "", "[NEXT]", "b"};
    int index = 0;
    EXPECT_EQ(ccLoadSectionArrayFromArray(lines, index), (TStringArray{"a", ""}));
    EXPECT_EQ(index, 2);
    index = -1;
    EXPECT_TRUE(ccLoadSectionArrayFromArray(lines, index).empty());
    index = 3;
    EXPECT_EQ(ccLoadSectionStringFromArray(lines, index), "b");
    EXPECT_EQ(ccLoadSectionStringFromArray(lines, index), "");
    EXPECT_EQ(index, 5);

    platform::TMemoryStream stream("x\r\ny\r\n[B]\r\nz");
    std::string last;
    EXPECT_EQ(ccLoadSectionArrayFromFile(stream, last), (TStringArray{"x", "y"}));
    EXPECT_EQ(last, "[B]");
    EXPECT_EQ(ccLoadSectionArrayFromFile(stream, last), (TStringArray{"z"})); // the last line belongs

    platform::TMemoryStream out;
    ccWriteIniNumber(out, "lives", -3);
    ccWriteIniString(out, "name", "Jo");
    EXPECT_EQ(out.Bytes(), "LIVES=-3\r\nNAME=Jo\r\n");
}

TEST_F(IniTest, SectionHeaderMismatchIsFatal) {
    EXPECT_NO_THROW(ccTestSectionHeader("LEVEL", "[level]"));
    EXPECT_THROW(ccTestSectionHeader("LEVEL", "[LEVELS]"), std::runtime_error);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "[LEVEL] header hot found");
}

} // namespace

// The error log, the two report paths that need no window, paths and the checked loaders.
#include "framework/TIniFile.h"
#include "framework/TValueList.h"
#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "framework/cc_input.h"

#include "TempDir.h"

#include "platform/system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

const std::string RULE = std::string(57, '-') + "\r\n";

class ErrorLogTest : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    std::vector<std::string> notified;

    void SetUp() override {
        ccErrorPath = dir.Path();
        ccGraphicalErrors = 1;
        SetErrorLogClock([](std::string& date, std::string& time) {
            date = "09 Dec 2026";
            time = "14:05:09";
        });
        platform::SetNotifyHandler([this](const std::string& text, bool) { notified.push_back(text); });
    }
    void TearDown() override {
        ccErrorPath = "";
        SetErrorLogClock(nullptr);
        platform::SetNotifyHandler(nullptr);
    }
    std::string Entry(const std::string& message) {
        return RULE + "Date: 09 Dec 2026   Time: 14:05:09\r\n" + message + "\r\n";
    }
};

TEST_F(ErrorLogTest, EntriesAreAppendedByteForByte) {
    ccErrorLog("Something broke\nsecond line");
    EXPECT_EQ(dir.Read("ErrorLog.txt"), Entry("Something broke\nsecond line"));
    ccErrorLog("Again");
    EXPECT_EQ(dir.Read("ErrorLog.txt"), Entry("Something broke\nsecond line") + Entry("Again"));
}

TEST_F(ErrorLogTest, MissingFolderIsSilent) {
    ccErrorPath = dir / "missing/";
    EXPECT_EQ(ccErrorLog("lost"), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST_F(ErrorLogTest, BeforeGraphicsTheMessageBoxThenAnExceptionAndNoLog) {
    ccGraphicalErrors = 0;
    EXPECT_THROW(ccRunTimeError("Too early", 0), platform::TRuntimeError);
    EXPECT_EQ(notified, (std::vector<std::string>{"Too early"}));
    EXPECT_FALSE(std::filesystem::exists(dir / "ErrorLog.txt"));
}

TEST_F(ErrorLogTest, WithoutAWindowTheBoxBecomesTheMessageBoxAndIsLogged) {
    int polled = ccPolledInputState;
    EXPECT_EQ(ccRunTimeError("No window yet", 0), 0);
    EXPECT_EQ(notified, (std::vector<std::string>{"No window yet"}));
    EXPECT_EQ(dir.Read("ErrorLog.txt"), Entry("No window yet"));
    EXPECT_EQ(ccPolledInputState, polled);
}

TEST_F(ErrorLogTest, HandlerReplacesTheReport) {
    std::vector<std::string> recorded;
    SetRunTimeErrorHandler([&](const std::string& m, int end) {
        recorded.push_back(m + (end ? " (end)" : ""));
        return 0;
    });
    ccRunTimeError("recorded", 1);
    SetRunTimeErrorHandler(nullptr);
    EXPECT_EQ(recorded, (std::vector<std::string>{"recorded (end)"}));
    EXPECT_FALSE(std::filesystem::exists(dir / "ErrorLog.txt"));
}

using ErrorLogDeathTest = ErrorLogTest;

TEST_F(ErrorLogDeathTest, FatalReportEndsWithFailureAfterLogging) {
    EXPECT_EXIT(ccRunTimeError("Fatal", 1), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(dir.Read("ErrorLog.txt"), Entry("Fatal"));
}

TEST_F(ErrorLogDeathTest, FailedLoaderEndsTheProgramNamingThePath) {
    std::string path = dir / "Data/missing image.png";
    EXPECT_EXIT(ccLoadBitmap(path, -1), ::testing::ExitedWithCode(1), "");
    // A folder where a picture should be is the same failure, not an abort.
    std::string folder = dir / "Data/folder.png";
    std::filesystem::create_directories(folder);
    EXPECT_EXIT(ccLoadBitmap(folder, -1), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(dir.Read("ErrorLog.txt"),
              Entry("Error loading bitmap " + path) + Entry("Error loading bitmap " + folder));
}

TEST_F(ErrorLogDeathTest, OtherLoadersUseTheirOwnMessages) {
    EXPECT_EXIT(ccLoadAnimBitmap("gone.png", 50, 50, 0, 4, -1), ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT(ccLoadFile("gone.txt"), ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT(ccLoadSample(dir.Path(), 0), ::testing::ExitedWithCode(1), ""); // a folder is no sound
    EXPECT_EQ(dir.Read("ErrorLog.txt"), Entry("Error loading anim bitmap gone.png") +
                                            Entry("Error loading file gone.txt") +
                                            Entry("Error loading sample " + dir.Path()));
    EXPECT_EQ(ccStopChannel(nullptr), 0);
}

TEST_F(ErrorLogDeathTest, FailedSettingsSaveIsFatalAndNamed) {
    // A missing folder, and a settings file the user made read-only.
    std::string readOnly = dir.Write("locked/Sleetwhistle.ini", "SOUND=0\r\n");
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    std::string expectedLog;
    for (std::string folder : {"missing", "locked"}) {
        SCOPED_TRACE(folder);
        TIniFile ini;
        ini.FileName = dir / (folder + "/Sleetwhistle");
        ini.Add("SOUND", "1");
        std::string path = ini.Path();
        EXPECT_EXIT(
            {
                platform::SetHeadless(true);
                platform::SetNotifyHandler(nullptr);
                ini.Save();
            },
            ::testing::ExitedWithCode(1), "NOTIFY: Failed to save file .*" + folder + "/Sleetwhistle.ini");
        expectedLog += Entry("Failed to save file " + path);
    }
    EXPECT_EQ(dir.Read("ErrorLog.txt"), expectedLog);
    EXPECT_EQ(dir.Read("locked/Sleetwhistle.ini"), "SOUND=0\r\n");
}

TEST(Files, PathHelpers) {
    testsupport::TempDir dir;
    EXPECT_EQ(ccFileExists(dir.Path()), 1); // a folder counts
    EXPECT_EQ(ccFileExists(dir.Write("f", "x")), 1);
    EXPECT_EQ(ccFileExists(dir / "none"), 0);
    EXPECT_EQ(ccAddSlash(""), "/");
    EXPECT_EQ(ccAddSlash("a/"), "a/");
    EXPECT_EQ(ccAddSlash("a\\"), "a\\");
    EXPECT_EQ(ccAddSlash("a"), "a/");
    EXPECT_EQ(ccConvertToForwardSlash("a\\b\\c"), "a/b/c");
    EXPECT_EQ(ccConvertToBackSlash("a\\b"), "a/b");
}

TEST(Files, AppFileNonDebug) {
    struct Case {
        const char* exe;
        const char* out;
    } cases[] = {
        {"/Games/Sleetwhistle.app/Contents/MacOS/Sleetwhistle", "/Games/Sleetwhistle.app"},
        {"/Games/Sleetwhistle.debug.app/Contents/MacOS/Sleetwhistle", "/Games/Sleetwhistle.app"},
        {"/home/jo/x.apps/bin/sleetwhistle", "/home/jo/x.apps/bin/sleetwhistle"},
        {"/home/jo/my.application/sleetwhistle", "/home/jo/my.application/sleetwhistle"},
        {"/usr/bin/sleetwhistle", "/usr/bin/sleetwhistle"},
    };
    for (auto c : cases)
        EXPECT_EQ(ccAppFileNonDebug(c.exe), c.out) << c.exe;
}

TEST(Files, SharedFilesAreNeverWorldWritableOrExecutable) {
    testsupport::TempDir dir;
    std::string path = dir.Write("ErrorLog.txt", "x");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    mode_t oldMask = umask(022); // a usual umask; the mode asked for never adds others' write or any exec
    ccShareFileOSX(path);
    umask(oldMask);
    using std::filesystem::perms;
    perms mode = std::filesystem::status(path).permissions();
    EXPECT_NE(mode & perms::owner_write, perms::none);
    EXPECT_EQ(mode & (perms::others_write | perms::owner_exec | perms::others_exec), perms::none);
}

TEST(Files, ValueListReadsOneValuePerLine) {
    testsupport::TempDir dir;
    TValueListRef list = TValueList::Create(dir.Write("v.txt", "SPEED=3\r\nLIVES"));
    ASSERT_EQ(list->Count(), 2);
    EXPECT_EQ(list->GetValueByName("SPEED")->value, 3);
    EXPECT_EQ(list->GetValueByIndex(1)->name, "LIVES");
    EXPECT_EQ(list->GetValueByIndex(1)->value, 0);
    EXPECT_EQ(list->GetValueByName("speed"), nullptr);
}

} // namespace

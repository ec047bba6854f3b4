// The installed game with links and odd files in place of what it writes in the per-user folder:
// a link is replaced by a regular file and what it leads to is left as it was (bytes and type);
// a FIFO, folder or device in place of the settings file is never written, and the run fails.
#include "FileKinds.h"
#include "e2e_run.h"

#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace e2e {
namespace {

using testsupport::MakeKind;
using testsupport::Snapshot;

// The files a short run writes, one it only removes, and the log, which it leaves alone (the
// platform tests append to a log through every kind of link).
const char* const kWritten[] = {"Sleetwhistle.ini", "GoodExit.dat"};
const char* const kRemoved = "inichanged.dat";
const char* const kLog = "ErrorLog.txt";

bool IsRegular(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

TEST(LinkRuns, LinksAreReplacedAndWhatTheyLeadToIsLeftAlone) {
    for (std::string kind : {"file", "missing", "fifo", "folder", "device"}) {
        SCOPED_TRACE("links to a " + kind);
        testsupport::TempDir dir;
        const std::string user = UserFolder(dir);
        std::filesystem::create_directories(user);
        std::map<std::string, std::string> before;
        for (std::string name : {kWritten[0], kWritten[1], kLog}) {
            std::string target = dir / ("outside/" + name);
            // Without root no device can be made: /dev/null, which is only looked at.
            if (!MakeKind(kind, target)) target = "/dev/null";
            before[target] = Snapshot(target);
            ASSERT_EQ(symlink(target.c_str(), (user + name).c_str()), 0);
        }
        ASSERT_TRUE(MakeKind("file", dir / "outside/marker"));
        ASSERT_EQ(symlink((dir / "outside/marker").c_str(), (user + kRemoved).c_str()), 0);
        before[dir / "outside/marker"] = Snapshot(dir / "outside/marker");
        TRun run = RunGame(dir, "ALSOFT_DRIVERS=null");
        EXPECT_EQ(run.status, 0) << run.err;
        for (const auto& [target, snapshot] : before)
            EXPECT_EQ(Snapshot(target), snapshot) << target;
        for (std::string name : kWritten)
            EXPECT_TRUE(IsRegular(user + name)) << name;
        struct stat st {};
        EXPECT_TRUE(IsRegular(user + kRemoved) || lstat((user + kRemoved).c_str(), &st) != 0)
            << "the link stays";
    }
}

TEST(LinkRuns, ASettingsFileThatIsNoRegularFileIsNeverWrittenAndTheRunFails) {
    for (std::string kind : {"fifo", "folder", "device"}) {
        SCOPED_TRACE(kind + " as the settings file");
        testsupport::TempDir dir;
        const std::string settings = UserFolder(dir) + "Sleetwhistle.ini";
        if (!MakeKind(kind, settings)) continue; // a device needs root
        const std::string before = Snapshot(settings);
        TRun run = RunGame(dir, "ALSOFT_DRIVERS=null");
        EXPECT_EQ(run.status, 255) << run.err;
        EXPECT_NE(run.err.find("NOTIFY: Failed to save file "), std::string::npos) << run.err;
        EXPECT_EQ(Snapshot(settings), before);
    }
}

} // namespace
} // namespace e2e

// The kill test: the save loop killed at random moments, 200 times, under a umask of 000. Each
// file it leaves is whole and written from one number, never older than after the kill before;
// no file or left temporary is writable by others; one ordinary save then clears the folder.
#include "profiles_fixture.h"

#include "FileModes.h"
#include "profiles/THighScoreList.h"
#include "profiles/TProfile.h"
#include "profiles/player_names.h"
#include "save_loop_values.h"

#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace profilestest {
namespace {

class KillTest : public ProfilesTest {};

pid_t StartLoop(const std::string& folder, long long n) {
    const std::string program = std::string(SLEETWHISTLE_TEST_BIN_DIR) + "/profiles_save_loop";
    const std::string number = std::to_string(n);
    pid_t pid = fork();
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), folder.c_str(), number.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// The number a profile file was written from; -1 when missing.
long long ProfileNumber(const std::string& path) {
    if (!FolderEntryExists(path)) return -1;
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes.size(), 440u) << path;
    TProfileDecoded d = DecodeProfileBytes(bytes);
    EXPECT_TRUE(d.repairs.empty());
    const long long n = d.fields.Score;
    EXPECT_EQ(EncodeProfileFields(d.fields), EncodeProfileFields(savelooptest::ProfileFor(n))) << path;
    return n;
}

long long TableNumber(const std::string& path) {
    if (!FolderEntryExists(path)) return -1;
    THighScoreDecoded d = DecodeHighScoreFile(ReadFileBytes(path));
    EXPECT_EQ(d.repair, "");
    EXPECT_EQ(d.rows.size(), 10u);
    if (d.rows.empty()) return -1;
    const long long n = d.rows[0].score;
    EXPECT_EQ(ReadFileBytes(path), EncodeHighScoreRows(savelooptest::RowsFor(n)));
    return n;
}

TEST_F(KillTest, KilledSavesLeaveWholeFilesOfOneNumber) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the instrumented save loop starts slower than the kills' 20 ms window";
#endif
    testsupport::ScopedUmask open(0);
    const std::string folder = dir / "loop";
    platform::CreateDir(folder, false);
    // The saves after the loop need the profiles folder even when no killed run got to make it.
    platform::CreateDir(folder + "/profiles", false);
    Game->ProfilePath = folder + "/profiles/";
    std::mt19937 rng(77);
    long long next = 0, last[3] = {-1, -1, -1};
    int withTemporary = 0;
    for (int kill = 0; kill < 200; ++kill) {
        pid_t pid = StartLoop(folder, next);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, 20000)(rng)));
        ::kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        const long long numbers[3] = {ProfileNumber(folder + "/profiles/Kim.dat"),
                                      ProfileNumber(folder + "/profiles/Lee.dat"),
                                      TableNumber(folder + "/sw.dat")};
        for (int i = 0; i < 3; ++i) {
            EXPECT_GE(numbers[i], last[i]) << "kill " << kill;
            last[i] = numbers[i];
            next = std::max(next, numbers[i] + 1);
        }
        if (numbers[0] >= 0 && numbers[1] >= 0) {
            EXPECT_EQ(ListProfileNames(), (std::vector<std::string>{"Kim", "Lee"}));
        }
        bool temporary = false;
        for (const std::string& sub : {folder + "/", folder + "/profiles/"})
            for (const std::string& name : Entries(sub)) {
                EXPECT_EQ(testsupport::ModeOf(sub + name) & 002, 0u) << name;
                temporary = temporary || name.find(".tmp") != std::string::npos;
            }
        withTemporary += temporary ? 1 : 0;
        if (HasFailure()) FAIL() << "kill " << kill;
    }
    std::printf("kills: 200, saves completed: %lld, kills that left a temporary: %d\n", next, withTemporary);
    for (const char* name : {"Kim", "Lee"})
        TProfile::Create(name)->Save();
    THighScoreList table;
    table.Create(folder + "/sw", 10);
    table.Zero(10);
    EXPECT_EQ(Entries(folder + "/profiles/"), (std::vector<std::string>{"Kim.dat", "Lee.dat"}));
    EXPECT_EQ(Entries(folder + "/"), (std::vector<std::string>{"profiles", "sw.dat"}));
}

} // namespace
} // namespace profilestest

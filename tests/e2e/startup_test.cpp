// The real game binary driven by the test seams: scripted keys on a fake clock, frames written.
#include "TempDir.h"

#include "platform/TPixmap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace {

// Runs the game with the given environment; returns its exit status.
int RunGame(const std::string& environment) {
    std::string command = environment + " " SLEETWHISTLE_TEST_BIN_DIR "/sleetwhistle";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Startup, ABrokenInputScriptIsRefusedWithAClearError) {
    testsupport::TempDir dir;
    std::string script = dir.Write("input.txt", "100 fly_away\n");
    std::string err = dir / "stderr.txt";
    int status = RunGame("SLEETWHISTLE_HEADLESS=1 SLEETWHISTLE_CLOCK=16 SLEETWHISTLE_INPUT=" + script +
                         " XDG_DATA_HOME=" + dir.Path() + " 2>" + err);
    EXPECT_NE(status, 0);
    EXPECT_NE(dir.Read("stderr.txt").find("line 1: unknown event"), std::string::npos)
        << dir.Read("stderr.txt");
}

} // namespace

// The test seams' values as the installed game takes them: a value a seam can use starts the game,
// one it cannot use ends the run at once, before the per-user folder or a window is made, with
// status 2 and a message naming the variable and the value.
#include "e2e_run.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace e2e {
namespace {

struct TSeamCase {
    std::string name;
    std::string value; // "{dir}" stands for the test's temporary folder
    bool refused = true;
};

std::string Filled(std::string value, const testsupport::TempDir& dir) {
    const std::string mark = "{dir}";
    if (size_t at = value.find(mark); at != std::string::npos) value.replace(at, mark.size(), dir.Path());
    return value;
}

TEST(Seams, AValueASeamCannotUseIsRefusedAtStartWithStatusTwo) {
    const std::vector<TSeamCase> cases = {
        {"SLEETWHISTLE_CLOCK", "1", false},
        {"SLEETWHISTLE_CLOCK", "1000", false},
        {"SLEETWHISTLE_CLOCK", "0"},
        {"SLEETWHISTLE_CLOCK", "-16"},
        {"SLEETWHISTLE_CLOCK", "abc"},
        {"SLEETWHISTLE_CLOCK", "16ms"},
        {"SLEETWHISTLE_CLOCK", "1001"},
        {"SLEETWHISTLE_SEED", "0", false},
        {"SLEETWHISTLE_SEED", "-2147483648", false},
        {"SLEETWHISTLE_SEED", "2147483648"},
        {"SLEETWHISTLE_SEED", "7.5"},
        {"SLEETWHISTLE_SEED", "x"},
        {"SLEETWHISTLE_AUTOPLAY", "1", false},
        {"SLEETWHISTLE_AUTOPLAY", "0"},
        {"SLEETWHISTLE_AUTOPLAY", "-600"},
        {"SLEETWHISTLE_AUTOPLAY_LEVELS", "3", false},
        {"SLEETWHISTLE_AUTOPLAY_LEVELS", "0"},
        {"SLEETWHISTLE_AUTOPLAY_LEVELS", "many"},
        {"SLEETWHISTLE_AUDIO_DELAY", "0", false},
        {"SLEETWHISTLE_AUDIO_DELAY", "1000", false},
        {"SLEETWHISTLE_AUDIO_DELAY", "-1"},
        {"SLEETWHISTLE_AUDIO_DELAY", "1001"},
        {"SLEETWHISTLE_AUDIO_DELAY", "soon"},
        {"SLEETWHISTLE_INPUT", "{dir}"},
        {"SLEETWHISTLE_INPUT", "{dir}missing.txt"},
        {"SLEETWHISTLE_INPUT", "{dir}locked.txt"},
    };
    for (const TSeamCase& c : cases) {
        SCOPED_TRACE(c.name + "=" + c.value);
        testsupport::TempDir dir;
        const std::string value = Filled(c.value, dir);
        chmod(dir.Write("locked.txt", "2000 close\n").c_str(), 0);
        if (c.value.ends_with("locked.txt") && geteuid() == 0) continue; // root reads it all the same
        // A refused value must end the run before any display is asked for: without one, a run
        // that went on would end with the no-display error (status 1) instead. A value taken starts
        // the game on the test's display and the script closes it. A run that hangs is killed.
        const std::string prefix =
            "timeout -s KILL 30" +
            std::string(c.refused ? " env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11" : "");
        TRun run = RunGame(dir, "ALSOFT_DRIVERS=null " + c.name + "='" + value + "'", prefix);
        if (!c.refused) {
            EXPECT_EQ(run.status, 0) << run.err;
            continue;
        }
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err.find(c.name), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(value), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "home")) << "the run went on to make the user folder";
    }
}

} // namespace
} // namespace e2e

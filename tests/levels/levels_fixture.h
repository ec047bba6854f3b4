// What the level tests share: the checker run in this process on a fixture set, its output and
// status, and the headless board for tests that play.
#pragma once

#include "checker.h"

#include "framework/cc_errors.h"
#include "headless/board_headless.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace levelstest {

struct TCheckRun {
    int Status = -1;
    std::string Output;
    bool Says(const std::string& line) const { return Output.find(line + "\n") != std::string::npos; }
};

// levelcheck with the given arguments on a folder holding data/levels/; its output and its
// messages on bad usage go to one text.
inline TCheckRun RunCheck(const std::string& prefix, std::vector<std::string> args) {
    args.insert(args.begin(), {"levelcheck", "--prefix", prefix});
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    std::ostringstream out;
    TCheckRun run;
    run.Status =
        levelcheck::RunCommandLine(int(argv.size()), argv.data(), levelcheck::TCheckOptions{}, 120, out, out);
    run.Output = out.str();
    return run;
}

// The headless board on a folder of fixture levels, a throwing error handler, no particles.
class HeadlessLevels : public ::testing::Test {
protected:
    void StartBoard(const std::string& prefix) {
        BoardHeadlessStart(prefix, 0);
        SetRunTimeErrorHandler(
            [](const std::string& message, int) -> int { throw std::runtime_error(message); });
    }
    void TearDown() override {
        BoardResetGlobals();
        SetRunTimeErrorHandler(nullptr);
    }
};

} // namespace levelstest

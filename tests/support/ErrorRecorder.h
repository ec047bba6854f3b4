// The test kit's stand-in for the program's error reporting: every run-time error of the framework
// is recorded, then thrown instead of ending the program; the end of the program can be thrown too.
#pragma once

#include "framework/cc_errors.h"
#include "platform/system.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace testkit {

// Thrown by the recorder in place of ending the program.
struct TReportedError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
struct TEnded : std::runtime_error {
    explicit TEnded(int s) : std::runtime_error("ended"), status(s) {}
    int status;
};

class TErrorRecorder {
public:
    enum TThrow { WHEN_ENDING, ALWAYS }; // which recorded errors are thrown
    std::vector<std::string> errors;
    std::vector<int> endFlags; // each error's "end the program" argument

    void InstallRecorder(TThrow when = WHEN_ENDING) {
        SetRunTimeErrorHandler([this, when](const std::string& message, int endProgram) -> int {
            errors.push_back(message);
            endFlags.push_back(endProgram);
            if (endProgram != 0 || when == ALWAYS) throw TReportedError(message);
            return 0;
        });
    }
    // The end of the program thrown as TEnded (death tests leave it to end the process).
    static void CatchEnd() {
        platform::SetEndHandler([](int status) { throw TEnded(status); });
    }
    static void RemoveRecorder() {
        SetRunTimeErrorHandler(nullptr);
        platform::SetEndHandler(nullptr);
    }
};

} // namespace testkit

#include "framework/cc_errors.h"

#include "framework/cc_files.h"
#include "framework/cc_input.h"
#include "platform/TStream.h"
#include "platform/graphics.h"
#include "platform/system.h"

int ccGraphicalErrors = 1;
int ccWriteErrors = 1;
int ccRunTimeErrorDebugStop = 0;
std::string ccErrorPath;

namespace {

TRunTimeErrorHandler runTimeErrorHandler;
TDateTimeSource errorLogClock;

constexpr int FATAL_STATUS = 1; // a report that ends the program is a failure

void Log(const std::string& message) {
    if (ccWriteErrors) ccErrorLog(message);
}

void End(int endProgram) {
    if (ccRunTimeErrorDebugStop) platform::DebugStop();
    if (endProgram) platform::End(FATAL_STATUS);
}

} // namespace

int ccRunTimeError(const std::string& message, int endProgram) {
    if (runTimeErrorHandler) return runTimeErrorHandler(message, endProgram);
    return ccReportRunTimeError(message, endProgram);
}

void SetRunTimeErrorHandler(TRunTimeErrorHandler handler) {
    runTimeErrorHandler = std::move(handler);
}

int ccReportRunTimeError(const std::string& message, int endProgram) {
    int polled = ccPolledInputState;
    if (!ccGraphicalErrors) {
        platform::Notify(message, false);
        platform::RuntimeError(message); // unwinds to the nearest handler
    }
    if (!platform::CurrentGraphics()) {
        // No window to draw the box in (graphical errors are switched on just before the mode
        // opens): the system's message box instead, still logged.
        Log(message);
        platform::Notify(message, false);
        End(endProgram);
        return 0;
    }
    // Logged before the box: a session that ends while the box is up keeps the record.
    Log(message);
    ccEnablePolledInput();
    ccDialogOK(message, 600, 100);
    End(endProgram);
    if (polled) {
        ccEnablePolledInput();
    } else {
        ccDisablePolledInput();
    }
    return 0;
}

void SetErrorLogClock(TDateTimeSource source) {
    errorLogClock = std::move(source);
}

int ccErrorLog(const std::string& message) {
    std::string path = ccErrorPath + "ErrorLog.txt";
    std::string date, time;
    if (errorLogClock) {
        errorLogClock(date, time);
    } else {
        platform::CurrentDateTime(date, time);
    }
    std::string entry =
        std::string(57, '-') + "\r\n" + "Date: " + date + "   Time: " + time + "\r\n" + message + "\r\n";
    if (platform::AppendText(path, entry)) ccShareFileOSX(path);
    return 0;
}

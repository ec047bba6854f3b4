// The one path by which errors are reported: a box drawn on the screen once graphics are open (the
// system's message box before that), an entry appended to "ErrorLog.txt", and the end of the
// program when asked. What ccRunTimeError does is a handler chosen at start-up, so tests can
// record reports and throw instead of waiting for a key.
#pragma once

#include <functional>
#include <string>

extern int ccGraphicalErrors;       // 1: the in-place box; 0: message box and a runtime error
extern int ccWriteErrors;           // 1: log each report shown in the box
extern int ccRunTimeErrorDebugStop; // 1: stop in the debugger after a report
extern std::string ccErrorPath;     // folder of the error log, ending in "/"; "": the current folder

// Reports an error; ends the program (with a failure status) when endProgram is non-zero.
int ccRunTimeError(const std::string& message, int endProgram);
// The game's own report: the box or message box, the log entry, the end. The default handler.
int ccReportRunTimeError(const std::string& message, int endProgram);
// Replaces what ccRunTimeError does; an empty function puts back ccReportRunTimeError.
using TRunTimeErrorHandler = std::function<int(const std::string& message, int endProgram)>;
void SetRunTimeErrorHandler(TRunTimeErrorHandler handler);

// A centred box of width x height pixels with the message; waits for any key or button.
int ccDialogOK(const std::string& message, int width, int height);

// Appends one entry (a rule, the date and time, the message) to ccErrorPath + "ErrorLog.txt".
int ccErrorLog(const std::string& message);
// Where the log entry's date ("09 Dec 2026") and time ("14:05:09") come from; one reading gives
// both. An empty function puts back the platform's clock.
using TDateTimeSource = std::function<void(std::string& date, std::string& time)>;
void SetErrorLogClock(TDateTimeSource source);

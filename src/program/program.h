// The program body: the numbered start-up stages, the protected region around the graphics mode
// and the main loop, and the orderly shutdown with the clean-exit marker.
#pragma once

#include "core/program_state.h"

#include <exception>
#include <string>

extern std::string FontsPath; // the fonts folder, DataPrefix + "Data/fonts/"

// Runs the game; returns the process's exit status: 0 after a quit, 1 after an error caught in
// the protected region, 255 after an error before it.
int RunProgram();

// The report of an error caught in the protected region: "(" + stage + ") " + text for the
// platform's run-time errors (the text alone at stage 0), what() for other exceptions, "Unknown
// error" for anything else.
std::string GeneralErrorMessage(std::exception_ptr error);
// Closes the graphics, shows the pointer, shows the message and logs it.
int HandleGeneralError(std::exception_ptr error);
// The clean-exit marker when the run ends well, the pointer back, the audio released.
int Shutdown(bool clean);
int CleanUp();
// Forces the game's fixed settings (no splash of the distributor) and saves the file.
int ForceIniSettings();

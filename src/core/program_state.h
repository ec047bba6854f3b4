// What the program's start-up sets and the rest of the game reads: the version strings and the
// stage of the start-up step last begun.
#pragma once

#include <string>

// The start-up stage of the last step begun; an error report shows it in brackets.
extern int DebugInt;
extern std::string VERSION_NO; // "1.06"
extern std::string VERSION;    // "V1.06"
extern std::string FULLNAME;   // "Sleetwhistle V1.06": the window and message-box title

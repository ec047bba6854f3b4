#include "core/program_state.h"

int DebugInt = 0;
std::string VERSION_NO = "1.06";
std::string VERSION = "V" + VERSION_NO;
std::string FULLNAME = "Sleetwhistle " + VERSION;

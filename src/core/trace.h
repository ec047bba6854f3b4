// The start-up trace seam: with SLEETWHISTLE_TRACE naming a file, each milestone appends one line
// "name milliseconds flips" (milliseconds since the program started, frames presented so far).
#pragma once

#include <string>

void TraceMilestone(const std::string& name);

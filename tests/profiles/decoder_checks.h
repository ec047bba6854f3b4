// The checks every input of the decoder fuzzing must pass, shared by the seeded mutation loop of
// the unit tests and the libFuzzer targets: whatever the bytes, nothing throws, the checked
// values land in range, at most ten rows of printable names come back, and the result encodes to
// a file that decodes again to the same values without a repair.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace profilestest {

// The first rule the decoded profile file breaks, or "" when it keeps them all.
std::string FuzzProfileFile(const uint8_t* data, size_t size);
// The first rule the decoded high-score file breaks, or "".
std::string FuzzHighScoreFile(const uint8_t* data, size_t size);

} // namespace profilestest

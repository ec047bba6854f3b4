// A libFuzzer target of one of the two file decoders (the high-score file's when built with
// FUZZ_HIGHSCORE_FILE): an input that breaks a rule of decoder_checks.h stops the run, so
// libFuzzer keeps it.
#include "decoder_checks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
#ifdef FUZZ_HIGHSCORE_FILE
    const std::string broken = profilestest::FuzzHighScoreFile(data, size);
#else
    const std::string broken = profilestest::FuzzProfileFile(data, size);
#endif
    if (!broken.empty()) {
        std::fprintf(stderr, "broken rule: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}

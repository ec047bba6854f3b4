#include "core/trace.h"

#include "platform/graphics.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

const auto programStart = std::chrono::steady_clock::now();

} // namespace

void TraceMilestone(const std::string& name) {
    const char* path = std::getenv("SLEETWHISTLE_TRACE");
    if (path == nullptr || *path == '\0') return;
    FILE* file = std::fopen(path, "a");
    if (file == nullptr) return;
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                    programStart);
    std::fprintf(file, "%s %lld %ld\n", name.c_str(), static_cast<long long>(ms.count()),
                 platform::FlipCount());
    std::fclose(file);
}

// Linked drawing programs kept between runs. The first GLSL compile of a run loads the driver's
// whole compiler (on Mesa about 20 ms and 6.5 MiB, even when its own shader cache then skips the
// work), so each linked program's binary is kept in the user's cache folder and loaded on the
// next start. A missing, damaged or foreign file, or a driver that changed, only means the
// program is compiled from source again and its file written anew.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The folder of the kept programs, ending in "/"; "" (the default) keeps none.
void SetProgramCacheFolder(const std::string& folder);

// What a kept program must match: both sources and the driver that compiled them.
uint64_t ProgramKey(const char* vertexSource, const char* fragmentSource);

// A linked program made from the kept binary `name` of that key, or 0 (then nothing is left
// behind in GL). Needs a current GL context.
unsigned LoadCachedProgram(const std::string& name, uint64_t key);
// Keeps the linked program's binary under `name`; quietly nothing when the driver offers no
// binary or the folder cannot be written.
void SaveCachedProgram(const std::string& name, uint64_t key, unsigned program);

} // namespace platform

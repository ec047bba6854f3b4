// Writes a fixture profile at a chosen level for bench/game_screen.sh: the test-only way of
// starting a level directly, since the level map opens on the profile's level.
// Usage: bench_fixture_profile FILE LEVEL
#include "profiles/profile_file.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_fixture_profile FILE LEVEL\n");
        return 2;
    }
    const int level = std::atoi(argv[2]);
    if (level < 1 || level > kProfileLastLevel) {
        std::fprintf(stderr, "bench_fixture_profile: the level must lie in 1..%d\n", kProfileLastLevel);
        return 2;
    }
    TProfileFields fields;
    fields.CurrentLevel = level;
    fields.LockedLevel = level + 1;
    // A player who has seen every hint and the instructions: no scroll stops the level.
    for (int flag : {0, 1, 2, 3, 4, 5, 6, 7, 8, 15, 16, 17, 19})
        fields.HintsShown[size_t(flag)] = 1;
    std::ofstream out(argv[1], std::ios::binary);
    out << EncodeProfileFields(fields);
    return out.good() ? 0 : 1;
}

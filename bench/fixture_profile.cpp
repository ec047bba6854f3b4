// Writes a fixture profile at a chosen level for bench/game_screen.sh: the test-only way of
// starting a level directly, since the level map opens on the profile's level.
// Usage: bench_fixture_profile FILE LEVEL [UNSEEN]   (UNSEEN: a hint flag left clear, so its scroll shows)
#include "profiles/profile_file.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: bench_fixture_profile FILE LEVEL [UNSEEN]\n");
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
    if (argc == 4) {
        const int unseen = std::atoi(argv[3]);
        if (unseen < 0 || size_t(unseen) >= fields.HintsShown.size()) {
            std::fprintf(stderr, "bench_fixture_profile: no hint flag %s\n", argv[3]);
            return 2;
        }
        fields.HintsShown[size_t(unseen)] = 0;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << EncodeProfileFields(fields);
    return out.good() ? 0 : 1;
}

// Seeded mutation fuzzing of the two file decoders: whatever the bytes, no exception escapes,
// every checked value lands in range, and the repaired result encodes to a file that decodes
// again to the same values with no repair. One input in 50 also goes through the real Load.
// SLEETWHISTLE_FUZZ_RUNS sets the number of inputs per decoder (20,000 by default).
#include "profiles_fixture.h"

#include "decoder_checks.h"

#include "profiles/THighScoreList.h"
#include "profiles/TProfile.h"
#include "profiles/highscore_file.h"
#include "profiles/profile_file.h"

#include <cmath>
#include <cstdlib>
#include <random>

namespace profilestest {

namespace {

class Mutator {
public:
    Mutator(std::vector<std::string> seeds, uint32_t seed) : seeds_(std::move(seeds)), rng_(seed) {}

    std::string Next() {
        std::string s = Pick();
        const int steps = Int(1, 4);
        for (int i = 0; i < steps; ++i)
            Mutate(s);
        return s;
    }

private:
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    const std::string& Pick() { return seeds_[size_t(Int(0, int(seeds_.size()) - 1))]; }
    size_t At(const std::string& s) { return s.empty() ? 0 : size_t(Int(0, int(s.size()) - 1)); }

    void Mutate(std::string& s) {
        static const char kBytes[] = {0, char(0xFF), 17, char(0x80)};
        switch (Int(0, 6)) {
        case 0:
            if (!s.empty()) s[At(s)] ^= char(1 << Int(0, 7));
            break;
        case 1:
            if (!s.empty()) s[At(s)] = kBytes[Int(0, 3)];
            break;
        case 2:
            s.resize(At(s));
            break;
        case 3:
            for (int n = Int(1, 64); n > 0; --n)
                s.push_back(char(Int(0, 255)));
            break;
        case 4: { // a chunk duplicated
            size_t from = At(s), len = std::min(s.size() - std::min(from, s.size()), size_t(Int(1, 40)));
            s.insert(At(s), s.substr(from, len));
            break;
        }
        case 5: { // two chunks swapped
            if (s.size() < 8) break;
            size_t a = At(s), b = At(s), len = size_t(Int(1, 4));
            if (a + len <= s.size() && b + len <= s.size()) {
                std::string chunk = s.substr(a, len);
                s.replace(a, len, s.substr(b, len));
                s.replace(b, len, chunk);
            }
            break;
        }
        default: { // a splice of two seeds
            const std::string& other = Pick();
            s = s.substr(0, At(s)) + other.substr(std::min(At(other), other.size()));
            break;
        }
        }
    }

    std::vector<std::string> seeds_;
    std::mt19937 rng_;
};

int FuzzRuns() {
    const char* runs = std::getenv("SLEETWHISTLE_FUZZ_RUNS");
    return runs ? std::max(1, std::atoi(runs)) : 20000;
}

class FuzzTest : public ProfilesTest {};

TEST_F(FuzzTest, ProfileDecoderAndLoadSurviveMutatedFiles) {
    TProfileFields odd;
    odd.CurrentLevel = 9;
    odd.LockedLevel = 30;
    odd.Score = -7;
    odd.TimeTaken = 77.25;
    odd.HintsShown[19] = 1;
    Mutator mutator({GoldenProfile(), EncodeProfileFields(odd), GoldenProfile().substr(0, 17),
                     GoldenProfile().substr(0, 120), GoldenProfile() + "tail"},
                    1234);
    const std::string path = ProfileDir() + "Anna.dat";
    const int runs = FuzzRuns();
    for (int i = 0; i < runs; ++i) {
        const std::string input = mutator.Next();
        ASSERT_EQ(FuzzProfileFile(reinterpret_cast<const uint8_t*>(input.data()), input.size()), "")
            << "input " << i;
        if (i % 50 != 0) continue;
        WriteBytes(path, input);
        TProfileRef anna = TProfile::Create("Anna");
        anna->Load();
        const std::string after = ReadBytes(path);
        ASSERT_TRUE(after == input || after == EncodeProfileFields(anna->Fields())) << "input " << i;
        const std::string log = ReadBytes(ErrorLogPath());
        TProfile::Create("Anna")->Load();
        ASSERT_EQ(ReadBytes(path), after);
        ASSERT_EQ(ReadBytes(ErrorLogPath()), log);
        ASSERT_EQ(Entries(ProfileDir()), std::vector<std::string>{"Anna.dat"});
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(FuzzTest, HighScoreDecoderAndLoadSurviveMutatedFiles) {
    std::vector<THighScore> odd = {{"../x", -1, 1000}, {"", 5, -3}, {std::string(64, 'z'), INT32_MAX, 0}};
    const std::string golden = GoldenHighScores();
    Mutator mutator({golden, EncodeHighScoreRows(odd), golden.substr(0, 100), golden.substr(0, 86), ""},
                    4321);
    const int runs = FuzzRuns();
    for (int i = 0; i < runs; ++i) {
        const std::string input = mutator.Next();
        ASSERT_EQ(FuzzHighScoreFile(reinterpret_cast<const uint8_t*>(input.data()), input.size()), "")
            << "input " << i;
        if (i % 50 != 0) continue;
        WriteBytes(SwPath(), input);
        THighScoreList table;
        table.Create(Game->SubPath + "sw", 10);
        table.Load();
        std::vector<THighScore> rows;
        for (const auto& row : table)
            rows.push_back(*row);
        const std::string after = ReadBytes(SwPath());
        ASSERT_TRUE(after == input || after == EncodeHighScoreRows(rows)) << "input " << i;
        const std::string log = ReadBytes(ErrorLogPath());
        table.Load();
        ASSERT_EQ(ReadBytes(SwPath()), after);
        ASSERT_EQ(ReadBytes(ErrorLogPath()), log);
    }
    EXPECT_TRUE(errors.empty());
}

} // namespace
} // namespace profilestest

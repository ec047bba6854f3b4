// The build's data folder holds the game's level files exactly: the 55 of the source tree, byte
// for byte, and nothing else.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::set<std::string> Names(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(LevelData, TheBuildHoldsExactlyTheFiftyFiveSourceFiles) {
    std::filesystem::path source = std::filesystem::path(LEVELS_SOURCE_PREFIX) / "data" / "levels";
    std::filesystem::path built = std::filesystem::path(SLEETWHISTLE_TEST_DATA_DIR) / "levels";
    std::set<std::string> expected;
    for (int n = 1; n <= 55; ++n)
        expected.insert(std::to_string(n) + ".txt");
    EXPECT_EQ(Names(source), expected);
    ASSERT_EQ(Names(built), expected);
    for (const std::string& name : expected)
        EXPECT_EQ(ReadFile(built / name), ReadFile(source / name)) << name;
}

} // namespace

// Helpers of the assets tests: the generated data folder and reading its files.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace assets_test {

inline std::filesystem::path DataDir() {
    return SLEETWHISTLE_TEST_DATA_DIR;
}

inline std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline uint32_t Le32(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | ((uint32_t)b[at + 3] << 24);
}
inline uint16_t Le16(const std::vector<unsigned char>& b, size_t at) {
    return (uint16_t)(b[at] | (b[at + 1] << 8));
}

} // namespace assets_test

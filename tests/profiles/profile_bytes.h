// Golden files of the profile and high-score formats, and small byte helpers for the tests.
#pragma once

#include "platform/TStream.h"

#include <string>

namespace profilestest {

// "4a cb 5c" -> the three bytes; blanks are ignored.
inline std::string Hex(const std::string& text) {
    std::string bytes;
    int high = -1;
    for (char c : text) {
        int v = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
        if (v < 0) continue;
        if (high < 0) {
            high = v;
        } else {
            bytes.push_back(char(high * 16 + v));
            high = -1;
        }
    }
    return bytes;
}

// The default high-score file, 145 bytes.
inline std::string GoldenHighScores() {
    return Hex("49645c515e00102700000a00000035545d5d54630028230000090000004150655b5e00401f000008000000"
               "3c5861625a00581b000007000000435e5b656800701700000600000036505151585d008813000005000000"
               "3e626361545b00a00f0000040000003f585d535b5400b80b0000030000004654675b546800d00700000200"
               "0000445c51616800e803000001000000");
}

// The default profile, 440 bytes.
inline std::string GoldenProfile() {
    return Hex("4acb5c00595b7a0065eb9700767bb500810bd3000000000000000000000000000100000001000000") +
           std::string(400, '\0');
}

// A file's bytes; "" when it cannot be read.
inline std::string ReadFileBytes(const std::string& path) {
    std::string text;
    platform::LoadText(path, text);
    return text;
}

} // namespace profilestest

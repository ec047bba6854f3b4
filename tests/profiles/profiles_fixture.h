// What the profile and high-score tests share: the core's test fixture with the game's folders
// set up as at start-up (the per-user folder with its profiles folder inside a temporary root),
// the golden files, hex helpers, the repair notes in the error log, and the check that nothing
// was written outside the per-user folder.
#pragma once

#include "core_fixture.h"

#include "platform/TStream.h"

#include <cstdint>
#include <string>
#include <vector>

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

class ProfilesTest : public coretest::CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        InitGame();
    }

    std::string SwPath() const { return UserFolder() + "sw.dat"; }
    std::string ProfileDir() const { return UserFolder() + "profiles/"; }
    std::string ErrorLogPath() const { return UserFolder() + "ErrorLog.txt"; }

    static std::string ReadBytes(const std::string& path) {
        std::string text;
        platform::LoadText(path, text);
        return text;
    }
    static void WriteBytes(const std::string& path, const std::string& bytes) {
        ASSERT_TRUE(platform::SaveTextAtomic(path, bytes)) << path;
    }

    // The repair notes written so far.
    int Notes() const {
        std::string log = ReadBytes(ErrorLogPath());
        int count = 0;
        for (size_t at = log.find("Damaged "); at != std::string::npos; at = log.find("Damaged ", at + 1))
            ++count;
        return count;
    }

    // The temporary root holds only the per-user folder's chain, and profiles/ only plain names
    // (no temporaries, nothing hidden).
    void ExpectNothingOutside() const {
        EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"home"});
        EXPECT_EQ(Entries(dir / "home/"), std::vector<std::string>{"Brindlecove"});
        EXPECT_EQ(Entries(dir / "home/Brindlecove/"), std::vector<std::string>{"Sleetwhistle"});
        for (const std::string& name : Entries(UserFolder()))
            EXPECT_NE(name[0], '.') << name;
        for (const std::string& name : Entries(ProfileDir()))
            EXPECT_NE(name[0], '.') << name;
    }
};

} // namespace profilestest

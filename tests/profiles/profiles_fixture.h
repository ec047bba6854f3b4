// What the profile and high-score tests share: the core's test fixture with the game's folders
// set up as at start-up (the per-user folder with its profiles folder inside a temporary root),
// the golden files, hex helpers, the repair notes in the error log, and the check that nothing
// was written outside the per-user folder.
#pragma once

#include "core_fixture.h"
#include "profile_bytes.h"

#include "platform/TStream.h"

#include <cstdint>
#include <string>
#include <vector>

namespace profilestest {

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

    // The temporary root holds only the per-user folder's chain, and no save left a temporary
    void ExpectNothingOutside() const {
        EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"home"});
        EXPECT_EQ(Entries(dir / "home/"), std::vector<std::string>{"Brindlecove"});
        EXPECT_EQ(Entries(dir / "home/Brindlecove/"), std::vector<std::string>{"Sleetwhistle"});
        for (const std::string& folder : {UserFolder(), ProfileDir()})
            for (const std::string& name : Entries(folder))
                EXPECT_FALSE(name[0] == '.' && name.find(".tmp") != std::string::npos)
                    << "a temporary: " << name;
    }
};

} // namespace profilestest

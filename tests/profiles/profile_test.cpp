// The player profile and its file: the bytes of every field, the defaults and a hand-made file,
// hint flags, the save hooks, what loading makes of damaged, foreign or hand-edited files,
// failed saves, file modes and CreateProfile.
#include "profiles_fixture.h"

#include "FileModes.h"
#include "profiles/THighScoreList.h"
#include "profiles/TProfile.h"
#include "profiles/player_names.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace profilestest {
namespace {

uint64_t Bits(double d) {
    uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

// Every field away from its default: masked fields negative and near the limits, a fractional
// time, flags 0, 19, 89 and 99 set; levels, lives and time in range so loading keeps them.
TProfileFields HandMadeFields() {
    TProfileFields f;
    f.CurrentLevel = 7;
    f.LockedLevel = 12;
    f.Score = INT32_MIN + 5;
    f.Lives = 2;
    f.Kills = INT32_MAX - 3;
    f.TimeTaken = 12345.75;
    f.Difficulty = -2;
    f.TipsFlag = 0;
    f.InstructionsFlag = 7;
    for (int i : {0, 19, 89, 99})
        f.HintsShown[size_t(i)] = 1;
    return f;
}

void ExpectSameFields(const TProfileFields& a, const TProfileFields& b) {
    EXPECT_EQ(a.CurrentLevel, b.CurrentLevel);
    EXPECT_EQ(a.LockedLevel, b.LockedLevel);
    EXPECT_EQ(a.Score, b.Score);
    EXPECT_EQ(a.Lives, b.Lives);
    EXPECT_EQ(a.Kills, b.Kills);
    EXPECT_EQ(Bits(a.TimeTaken), Bits(b.TimeTaken));
    EXPECT_EQ(a.Difficulty, b.Difficulty);
    EXPECT_EQ(a.TipsFlag, b.TipsFlag);
    EXPECT_EQ(a.InstructionsFlag, b.InstructionsFlag);
    EXPECT_EQ(a.HintsShown, b.HintsShown);
}

TEST(ProfileFile, EveryFieldRoundTripsBitForBit) {
    const int32_t ints[] = {INT32_MIN, -1, 0, INT32_MAX};
    const double times[] = {0.0,
                            -0.0,
                            0.5,
                            1e12,
                            std::numeric_limits<double>::denorm_min(),
                            std::nan(""),
                            std::numeric_limits<double>::infinity()};
    std::vector<TProfileFields> table;
    for (int32_t v : ints) {
        TProfileFields f;
        f.CurrentLevel = f.LockedLevel = f.Score = f.Lives = f.Kills = v;
        f.Difficulty = f.TipsFlag = f.InstructionsFlag = v;
        f.HintsShown.fill(v);
        table.push_back(f);
    }
    for (double t : times) {
        TProfileFields f;
        f.TimeTaken = t;
        for (size_t i = 0; i < f.HintsShown.size(); i += 3)
            f.HintsShown[i] = int32_t(i);
        table.push_back(f);
    }
    table.push_back(HandMadeFields());
    for (const TProfileFields& f : table) {
        std::string bytes = EncodeProfileFields(f);
        ASSERT_EQ(bytes.size(), 440u);
        TProfileDecoded d = DecodeProfileBytes(bytes);
        EXPECT_TRUE(d.repairs.empty());
        EXPECT_EQ(d.flagsRead, 100);
        ExpectSameFields(d.fields, f);
    }
    TProfileFields f;
    EXPECT_EQ(EncodeProfileFields(f), GoldenProfile());
    f.CurrentLevel = -1;
    EXPECT_EQ(EncodeProfileFields(f).substr(0, 4), Hex("48cb5c00"));
    f.CurrentLevel = INT32_MIN;
    EXPECT_EQ(EncodeProfileFields(f).substr(0, 4), Hex("49cb5c80"));
    f.CurrentLevel = INT32_MAX;
    EXPECT_EQ(EncodeProfileFields(f).substr(0, 4), Hex("48cb5c80"));
}

class ProfileTest : public ProfilesTest {
protected:
    std::string AnnaPath() const { return ProfileDir() + "Anna.dat"; }
    TProfileRef Anna() { return TProfile::Create("Anna"); }
};

TEST_F(ProfileTest, AFreshObjectHoldsZerosAndCreateTheDefaults) {
    TProfile fresh;
    EXPECT_EQ(fresh.Name, "");
    ExpectSameFields(fresh.Fields(), [] {
        TProfileFields zeros;
        zeros.CurrentLevel = zeros.LockedLevel = zeros.Lives = zeros.TipsFlag = zeros.InstructionsFlag = 0;
        return zeros;
    }());
    EXPECT_FALSE(fresh.SaveUserFunction || fresh.LoadUserFunction || TProfile::CreateUserFunction);
    TProfileRef anna = Anna();
    EXPECT_EQ(anna->Name, "Anna");
    ExpectSameFields(anna->Fields(), TProfileFields{});
    EXPECT_FALSE(FolderEntryExists(AnnaPath()));
}

TEST_F(ProfileTest, LoadWithoutAFileWritesTheDefaults) {
    TProfileRef anna = Anna();
    EXPECT_EQ(anna->Load(), 0);
    ExpectSameFields(anna->Fields(), TProfileFields{});
    EXPECT_EQ(ReadBytes(AnnaPath()), GoldenProfile());
    EXPECT_EQ(anna->Load(), 1);
    EXPECT_EQ(Notes(), 0);
    ExpectNothingOutside();
}

TEST_F(ProfileTest, FixturesLoadAndSaveBackTheSameBytes) {
    for (const std::string& bytes : {GoldenProfile(), EncodeProfileFields(HandMadeFields())}) {
        WriteBytes(AnnaPath(), bytes);
        TProfileRef anna = Anna();
        EXPECT_EQ(anna->Load(), 1);
        anna->Save();
        EXPECT_EQ(ReadBytes(AnnaPath()), bytes);
    }
    TProfileRef anna = Anna();
    anna->Load();
    ExpectSameFields(anna->Fields(), HandMadeFields());
    EXPECT_EQ(Notes(), 0);
}

TEST_F(ProfileTest, ScoreAndKillsSurviveAtTheLimitsAndCheckedFieldsComeBackChecked) {
    for (int32_t v : {INT32_MIN, INT32_MAX}) {
        TProfileRef anna = Anna();
        anna->Score = anna->Kills = v;
        anna->CurrentLevel = v;
        anna->Lives = -5;
        anna->Save();
        TProfileRef again = Anna();
        again->Load();
        EXPECT_EQ(again->Score, v);
        EXPECT_EQ(again->Kills, v);
        EXPECT_EQ(again->CurrentLevel, 1);
        EXPECT_EQ(again->Lives, 0);
    }
}

TEST_F(ProfileTest, ShowHintSetsAFlagOnceAndSavesIt) {
    TProfileRef anna = Anna();
    anna->Load();
    for (int index : {0, 17, 99}) {
        EXPECT_EQ(anna->ShowHint(index, 1), 1);
        EXPECT_EQ(ReadBytes(AnnaPath()).substr(size_t(40 + 4 * index), 4), Hex("01000000"));
        const std::string before = ReadBytes(AnnaPath());
        WriteBytes(AnnaPath(), "marker");
        EXPECT_EQ(anna->ShowHint(index, 1), 0);
        EXPECT_EQ(ReadBytes(AnnaPath()), "marker");
        WriteBytes(AnnaPath(), before);
    }
    const TProfileFields before = anna->Fields();
    EXPECT_EQ(anna->ShowHint(-1, 1), 0);
    EXPECT_EQ(anna->ShowHint(100, 1), 0);
    ExpectSameFields(anna->Fields(), before);
    EXPECT_EQ(anna->ShowHint(5, 0), 1); // set in memory only
    EXPECT_EQ(ReadBytes(AnnaPath()).substr(60, 4), Hex("00000000"));
}

TEST_F(ProfileTest, CreateProfileMakesTheCurrentPlayerWithItsFileAndSettings) {
    CreateProfile("Anna");
    EXPECT_EQ(Game->ProfileName, "Anna");
    ASSERT_TRUE(Game->CurrentProfile);
    EXPECT_EQ(Game->CurrentProfile->Name, "Anna");
    EXPECT_EQ(ReadBytes(AnnaPath()), GoldenProfile());
    EXPECT_NE(ReadBytes(SettingsPath()).find("PROFILE NAME=Anna\r\n"), std::string::npos);
    EXPECT_TRUE(FolderEntryExists(UserFolder() + "inichanged.dat"));
    ExpectNothingOutside();
}

TEST_F(ProfileTest, SaveHooksAppendAndReadTheirOwnBytes) {
    TProfileRef anna = Anna();
    anna->SaveUserFunction = [](platform::TStream& s) {
        s.WriteInt(0x01020304);
        return 0;
    };
    anna->Save();
    EXPECT_EQ(platform::FileSize(AnnaPath()), 444);
    int read = 0;
    TProfileRef again = Anna();
    again->LoadUserFunction = [&read](platform::TStream& s) {
        read = s.ReadInt();
        return 0;
    };
    EXPECT_EQ(again->Load(), 1);
    EXPECT_EQ(read, 0x01020304);
    EXPECT_EQ(Notes(), 0);
}

TEST_F(ProfileTest, RefusedNamesWriteNothingAndEndTheProgram) {
    for (const std::string name : {"", "../evil", ".hidden", "a/b", "Bob\n"}) {
        TProfile profile;
        profile.Init(name);
        errors.clear();
        EXPECT_THROW(profile.Save(), coretest::TReportedError);
        EXPECT_THROW(profile.Load(), coretest::TReportedError);
        EXPECT_EQ(errors.size(), 2u);
        EXPECT_EQ(errors[0], "Could not create file '" + ProfileDir() + name + ".dat'");
    }
    EXPECT_TRUE(Entries(ProfileDir()).empty());
    ExpectNothingOutside();
}

TEST_F(ProfileTest, AFailedSaveEndsTheProgramAndLeavesTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TProfileRef anna = Anna();
    anna->Load();
    anna->Score = 99;
    chmod(ProfileDir().c_str(), 0555);
    EXPECT_THROW(anna->Save(), coretest::TReportedError);
    chmod(ProfileDir().c_str(), 0755);
    EXPECT_EQ(errors, std::vector<std::string>{"Could not write file '" + AnnaPath() + "'"});
    EXPECT_EQ(ReadBytes(AnnaPath()), GoldenProfile());
    ExpectNothingOutside();
}

TEST_F(ProfileTest, SavedFilesNeverGetTheOthersWriteBit) {
    testsupport::ScopedUmask open(0);
    TProfileRef anna = Anna();
    anna->Load();
    EXPECT_EQ(testsupport::ModeOf(AnnaPath()), mode_t(0664));
    anna->ShowHint(3, 1);
    EXPECT_EQ(testsupport::ModeOf(AnnaPath()), mode_t(0664));
}

// The fields after loading a file: the head and the first flags of a hand-made profile.
TProfileFields HeadAndFlags(int flags) {
    TProfileFields f = HandMadeFields();
    for (int i = flags; i < kProfileMaxHints; ++i)
        f.HintsShown[size_t(i)] = 0;
    return f;
}

struct DamagedProfile {
    std::string label;
    std::string bytes;
    TProfileFields values;
    enum { Untouched, Rewritten } after;
    int notes;
};

std::vector<DamagedProfile> DamagedProfiles() {
    const std::string hand = EncodeProfileFields(HandMadeFields());
    std::vector<DamagedProfile> cases;
    for (size_t n = 0; n < 40; ++n)
        cases.push_back({std::to_string(n) + " bytes", hand.substr(0, n), TProfileFields{},
                         DamagedProfile::Rewritten, 1});
    for (size_t n = 40; n < 440; ++n) {
        const bool whole = n > 40 && (n - 40) % 4 == 0;
        cases.push_back({std::to_string(n) + " bytes", hand.substr(0, n), HeadAndFlags(int(n - 40) / 4),
                         whole ? DamagedProfile::Untouched : DamagedProfile::Rewritten, whole ? 0 : 1});
    }
    for (size_t n : {441, 1000, 65536})
        cases.push_back({std::to_string(n) + " bytes", hand + std::string(n - 440, 'x'), HandMadeFields(),
                         DamagedProfile::Untouched, 0});
    cases.push_back({"65537 bytes", hand + std::string(65537 - 440, 'x'), TProfileFields{},
                     DamagedProfile::Rewritten, 1});
    const std::pair<int32_t, int32_t> levels[][2] = {{{0, 2}, {1, 2}},     {{-5, 1}, {1, 2}},
                                                     {{56, 56}, {55, 56}}, {{1000, 1000}, {55, 56}},
                                                     {{10, 5}, {4, 5}},    {{INT32_MIN, INT32_MAX}, {1, 56}}};
    for (const auto& [given, checked] : levels) {
        TProfileFields f = HandMadeFields(), want = f;
        f.CurrentLevel = given.first;
        f.LockedLevel = given.second;
        want.CurrentLevel = checked.first;
        want.LockedLevel = checked.second;
        cases.push_back({"levels " + std::to_string(given.first) + ", " + std::to_string(given.second),
                         EncodeProfileFields(f), want, DamagedProfile::Rewritten, 1});
    }
    TProfileFields lives = HandMadeFields(), livesWant = lives;
    lives.Lives = -1;
    livesWant.Lives = 0;
    cases.push_back({"lives -1", EncodeProfileFields(lives), livesWant, DamagedProfile::Rewritten, 1});
    for (double t : {std::nan(""), std::numeric_limits<double>::infinity(), -1.0, 1.5e12}) {
        TProfileFields f = HandMadeFields(), want = f;
        f.TimeTaken = t;
        want.TimeTaken = 0.0;
        cases.push_back(
            {"time " + std::to_string(t), EncodeProfileFields(f), want, DamagedProfile::Rewritten, 1});
    }
    TProfileFields kept = HandMadeFields();
    kept.Score = -7;
    kept.Kills = INT32_MIN;
    kept.HintsShown[4] = 2;
    cases.push_back({"kept as read", EncodeProfileFields(kept), kept, DamagedProfile::Untouched, 0});
    return cases;
}

TEST_F(ProfileTest, DamagedFilesAreRepairedOnceAndSoundOnesLeftAlone) {
    for (const DamagedProfile& c : DamagedProfiles()) {
        SCOPED_TRACE(c.label);
        WriteBytes(AnnaPath(), c.bytes);
        platform::DeleteFile(ErrorLogPath());
        TProfileRef anna = Anna();
        EXPECT_EQ(anna->Load(), 1);
        ExpectSameFields(anna->Fields(), c.values);
        const std::string after = ReadBytes(AnnaPath());
        EXPECT_EQ(after, c.after == DamagedProfile::Untouched ? c.bytes : EncodeProfileFields(c.values));
        EXPECT_EQ(Notes(), c.notes);
        if (c.notes > 0) {
            EXPECT_NE(ReadBytes(ErrorLogPath()).find("Damaged profile file '" + AnnaPath() + "' repaired: "),
                      std::string::npos);
        }
        ExpectNothingOutside();
    }
    EXPECT_TRUE(errors.empty());
}

// A symbolic link in place of a player's file or the high-score table, pointing out of the
// per-user folder: a save replaces the link with the file and never writes through it.
TEST_F(ProfileTest, ALinkInPlaceOfAFileIsReplacedAndItsTargetLeftAlone) {
    struct LinkRow {
        const char* label;
        std::string link;
        std::function<void()> save;
        std::string saved;
    };
    const LinkRow rows[] = {
        {"profile", AnnaPath(), [this] { Anna()->Save(); }, GoldenProfile()},
        {"high scores", SwPath(),
         [] {
             Game->HighScores->Create(Game->SubPath + "sw", 10);
             Game->HighScores->CreateDefault();
         },
         GoldenHighScores()},
    };
    for (const LinkRow& row : rows) {
        SCOPED_TRACE(row.label);
        const std::string outside = dir.Write(std::string("outside-") + row.label, "keep me");
        ASSERT_EQ(::symlink(outside.c_str(), row.link.c_str()), 0);
        row.save();
        EXPECT_EQ(ReadBytes(outside), "keep me");
        struct stat st;
        ASSERT_EQ(::lstat(row.link.c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(ReadBytes(row.link), row.saved);
        ::unlink(outside.c_str());
    }
}

TEST_F(ProfileTest, AnEntryThatIsNoReadableFileIsNotedNeverRepairedThenEndsTheProgram) {
    ASSERT_TRUE(platform::CreateDir(AnnaPath(), false));
    EXPECT_THROW(Anna()->Load(), coretest::TReportedError);
    EXPECT_EQ(errors, std::vector<std::string>{"Could not write file '" + AnnaPath() + "'"});
    EXPECT_EQ(ReadBytes(ErrorLogPath()).find("repaired"), std::string::npos);
    EXPECT_NE(ReadBytes(ErrorLogPath()).find("Profile file '" + AnnaPath() + "' is not a readable file"),
              std::string::npos);
    platform::DeleteDir(AnnaPath());
    if (geteuid() == 0) return; // root reads files of mode 000
    WriteBytes(AnnaPath(), GoldenProfile());
    chmod(AnnaPath().c_str(), 0);
    errors.clear();
    EXPECT_THROW(Anna()->Load(), coretest::TReportedError);
    EXPECT_EQ(errors, std::vector<std::string>{"Could not write file '" + AnnaPath() + "'"});
    EXPECT_EQ(Notes(), 1);
    chmod(AnnaPath().c_str(), 0644);
}

TEST_F(ProfileTest, AReadOnlyProfileIsNotWrittenAndSaysSo) {
    WriteBytes(AnnaPath(), GoldenProfile());
    chmod(AnnaPath().c_str(), 0444);
    TProfileRef anna = Anna();
    anna->Score = 99;
    EXPECT_THROW(anna->Save(), coretest::TReportedError);
    EXPECT_EQ(errors, std::vector<std::string>{"Could not write file '" + AnnaPath() + "'"});
    EXPECT_EQ(ReadBytes(AnnaPath()), GoldenProfile());
    chmod(AnnaPath().c_str(), 0644);
}

} // namespace
} // namespace profilestest

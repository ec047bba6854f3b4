#include "platform/TStream.h"
#include "platform/files.h"

#include "FileKinds.h"
#include "FileModes.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;
using testsupport::MakeKind;
using testsupport::ModeOf;
using testsupport::ScopedUmask;
using testsupport::Snapshot;
using testsupport::TempDir;

namespace {

// The two ways the game writes its per-user files: whole saves, and appends to the error log.
const std::pair<const char*, bool (*)(const std::string&, const std::string&)> kWriters[] = {
    {"save", SaveTextAtomic}, {"append", AppendText}};

} // namespace

TEST(Stream, NumbersRoundTripAtTheirLimits) {
    const int ints[] = {0, 1, -1, INT_MAX, INT_MIN, 0x01020304};
    const double doubles[] = {0.0,      -0.0,    1.0,          -1.5,     DBL_MAX,
                              -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, INFINITY, -INFINITY};
    TMemoryStream s;
    for (int v : ints)
        s.WriteInt(v);
    for (double v : doubles)
        s.WriteDouble(v);
    s.WriteDouble(NAN);
    s.WriteFloat(FLT_MAX);
    s.WriteFloat(-FLT_TRUE_MIN);
    for (int v : {0, 0xFFFF, -1, 0x12345})
        s.WriteShort(v);
    for (int v : {0, 255, 256, -1})
        s.WriteByte(v);

    s.Seek(0);
    for (int v : ints)
        EXPECT_EQ(s.ReadInt(), v);
    for (double v : doubles) {
        double got = s.ReadDouble();
        EXPECT_EQ(std::memcmp(&got, &v, sizeof v), 0) << v; // bit-exact, so -0.0 stays negative
    }
    EXPECT_TRUE(std::isnan(s.ReadDouble()));
    EXPECT_EQ(s.ReadFloat(), FLT_MAX);
    EXPECT_EQ(s.ReadFloat(), -FLT_TRUE_MIN);
    for (int v : {0, 0xFFFF, 0xFFFF, 0x2345})
        EXPECT_EQ(s.ReadShort(), v);
    for (int v : {0, 255, 0, 255})
        EXPECT_EQ(s.ReadByte(), v);
    EXPECT_TRUE(s.Eof());
}

TEST(Stream, NumbersAreLittleEndianOnDisk) {
    TMemoryStream s;
    s.WriteInt(0x01020304);
    s.WriteShort(0xA1B2);
    s.WriteDouble(1.0);
    s.WriteFloat(-2.0f);
    s.WriteInt(-2);
    EXPECT_EQ(s.Bytes(), std::string("\x04\x03\x02\x01"
                                     "\xB2\xA1"
                                     "\x00\x00\x00\x00\x00\x00\xF0\x3F"
                                     "\x00\x00\x00\xC0"
                                     "\xFE\xFF\xFF\xFF",
                                     22));
}

TEST(Stream, ReadLineSplitsAtLfAndDropsOneCr) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\nb\n", {"a", "b"}},     // trailing LF: no phantom empty line
        {"a\r\nb\r\n", {"a", "b"}}, // CR LF
        {"a\nb", {"a", "b"}},       // no final LF
        {"a\rb\n", {"a\rb"}},       // lone CR is content
        {"a\r\r\n", {"a\r"}},       // only one CR dropped
        {"\n\r\n\n", {"", "", ""}}, // empty lines
        {"", {}},                   // empty stream
        {"x\r", {"x"}},             // the end counts as a line end
        {"x\r\r", {"x\r"}},         // ... and drops only one CR, too
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const Case& c : cases) {
        TMemoryStream s(c.bytes);
        std::vector<std::string> lines;
        while (!s.Eof())
            lines.push_back(s.ReadLine());
        EXPECT_EQ(lines, c.lines) << "input of " << c.bytes.size() << " bytes";
        EXPECT_EQ(s.ReadLine(), "");
    }
    TMemoryStream out;
    out.WriteLine("one");
    out.WriteLine("");
    EXPECT_EQ(out.Bytes(), "one\r\n\r\n");
}

TEST(Stream, ReadingPastTheEndThrows) {
    struct Case {
        std::string bytes;
        std::function<void(TStream&)> read;
    } cases[] = {
        {"", [](TStream& s) { s.ReadByte(); }},
        {"\x01", [](TStream& s) { s.ReadShort(); }},
        {"\x01\x02\x03", [](TStream& s) { s.ReadInt(); }},
        {"\x01\x02\x03", [](TStream& s) { s.ReadFloat(); }},
        {"1234567", [](TStream& s) { s.ReadDouble(); }},
        {"abcd", [](TStream& s) { s.ReadString(5); }},
        {"abcd", [](TStream& s) { s.ReadString(INT_MAX); }},
    };
    for (const Case& c : cases) {
        TMemoryStream s(c.bytes);
        EXPECT_THROW(c.read(s), TStreamReadError) << c.bytes.size() << " bytes";
    }
    TMemoryStream s("abcd");
    EXPECT_EQ(s.ReadString(4), "abcd");
    EXPECT_EQ(s.ReadString(0), "");
}

TEST(Stream, FilesRoundTripAndSwitchBetweenReadAndWrite) {
    TempDir dir;
    ScopedUmask mask(022);
    StreamRef out = WriteFile(dir / "scores.dat");
    ASSERT_TRUE(out);
    out->WriteInt(-5);
    out->WriteDouble(2.25);
    out->WriteLine("name");
    EXPECT_EQ(out->Size(), 18);
    EXPECT_TRUE(out->Close());
    EXPECT_EQ(ModeOf(dir / "scores.dat"), 0644u);

    StreamRef in = ReadFile(dir / "scores.dat");
    ASSERT_TRUE(in);
    EXPECT_EQ(in->ReadInt(), -5);
    EXPECT_EQ(in->ReadDouble(), 2.25);
    EXPECT_EQ(in->ReadLine(), "name");
    EXPECT_TRUE(in->Eof());
    EXPECT_THROW(in->ReadByte(), TStreamReadError);

    // Read and write on one stream: append at the end, then re-read from the start.
    StreamRef both = OpenFile(dir / "scores.dat");
    ASSERT_TRUE(both);
    EXPECT_EQ(both->ReadInt(), -5);
    both->Seek(both->Size());
    both->WriteInt(77);
    EXPECT_EQ(both->Seek(4), 4);
    EXPECT_EQ(both->ReadDouble(), 2.25);
    both->Seek(18);
    EXPECT_EQ(both->ReadInt(), 77);
    EXPECT_TRUE(both->Close());
    EXPECT_EQ(FileSize(dir / "scores.dat"), 22);
}

TEST(Stream, OpeningNeverCreatesAndRefusesFolders) {
    TempDir dir;
    EXPECT_FALSE(OpenFile(dir / "GoodExit.dat"));
    EXPECT_FALSE(OpenFile(dir / "GoodExit.dat", false, true));
    EXPECT_EQ(FileType(dir / "GoodExit.dat"), FILETYPE_NONE);
    EXPECT_FALSE(ReadFile(dir / "missing"));
    EXPECT_FALSE(ReadFile(dir.Path()));
    EXPECT_FALSE(WriteFile(dir.Path()));
    EXPECT_FALSE(WriteFile(dir / "no/such/folder/file"));

    // A FIFO would block the open; only regular files are streams.
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(ReadFile(dir / "pipe"));
    EXPECT_FALSE(WriteFile(dir / "pipe"));

    // A write that cannot land is reported, not swallowed.
    dir.Write("readonly", "abc");
    StreamRef r = ReadFile(dir / "readonly");
    ASSERT_TRUE(r);
    r->WriteInt(1);
    EXPECT_TRUE(r->Failed());
    EXPECT_FALSE(r->Close());
    EXPECT_EQ(dir.Read("readonly"), "abc");

    // Writing without reading keeps the bytes not overwritten.
    dir.Write("marker", "abcdef");
    StreamRef w = OpenFile(dir / "marker", false, true);
    ASSERT_TRUE(w);
    w->WriteString("XY");
    EXPECT_TRUE(w->Close());
    EXPECT_EQ(dir.Read("marker"), "XYcdef");
}

TEST(Stream, LineReadingEndsWhenTheFileShrinksAfterOpening) {
    TempDir dir;
    std::string lines;
    for (int i = 0; i < 100; i++)
        lines += "line\r\n";
    std::string path = dir.Write("values.txt", lines);
    StreamRef in = ReadFile(path);
    ASSERT_TRUE(in);
    // Another program rewrites the file shorter while we hold it open.
    ASSERT_EQ(truncate(path.c_str(), 12), 0);
    int read = 0;
    while (!in->Eof() && read < 1000) {
        in->ReadLine();
        read++;
    }
    EXPECT_EQ(read, 3); // two whole lines, then the read that finds the new end
    // Seeking back starts over; the end is found again.
    in->Seek(0);
    EXPECT_FALSE(in->Eof());
    EXPECT_EQ(in->ReadLine(), "line");
}

TEST(Stream, TheLittleEndianPrefixNamesTheFileAfterIt) {
    TempDir dir;
    std::string path = dir.Write("fonts/Title.fnt", "info\r\n");
    StreamRef in = ReadFile("littleendian::" + path);
    ASSERT_TRUE(in);
    EXPECT_EQ(in->ReadLine(), "info");
    StreamRef out = WriteFile("littleendian::" + dir / "fonts/new.fnt");
    ASSERT_TRUE(out);
    out->WriteInt(258);
    EXPECT_TRUE(out->Close());
    EXPECT_EQ(dir.Read("fonts/new.fnt"), std::string("\x02\x01\0\0", 4));
    StreamRef both = OpenFile("littleendian::" + dir / "fonts/new.fnt");
    ASSERT_TRUE(both);
    EXPECT_EQ(both->ReadInt(), 258);
    // Below the data root the case-insensitive lookup works behind the prefix too.
    SetDataRoot(dir.Path());
    EXPECT_TRUE(ReadFile("littleendian::" + dir / "FONTS/title.FNT"));
    SetDataRoot("");
    EXPECT_EQ(ListDir(dir / "fonts"), (std::vector<std::string>{".", "..", "Title.fnt", "new.fnt"}));
}

TEST(Stream, FilesAreFoundAndReusedIgnoringCaseBelowTheDataRoot) {
    TempDir dir;
    dir.Write("Data/Default.ini", "packaged");
    SetDataRoot(dir.Path());
    std::string text;
    EXPECT_TRUE(LoadText(dir / "data/default.ini", text));
    EXPECT_EQ(text, "packaged");

    // The folder "data/" does not exist as spelled, so the existing variant is overwritten ...
    StreamRef out = WriteFile(dir / "data/DEFAULT.INI");
    ASSERT_TRUE(out);
    out->WriteString("rewritten");
    out->Close();
    EXPECT_EQ(dir.Read("Data/Default.ini"), "rewritten");
    // ... and a new file lands in the existing folder.
    EXPECT_TRUE(SaveTextAtomic(dir / "data/new.txt", "x"));
    EXPECT_EQ(dir.Read("Data/new.txt"), "x");
    SetDataRoot("");
}

TEST(Stream, SaveTextAtomicReplacesWholeFilesAndLeavesNoTemporaries) {
    TempDir dir;
    ScopedUmask mask(022);
    dir.Write("user/Sleetwhistle.ini", "old contents that are longer");
    std::string path = dir / "user/Sleetwhistle.ini";
    ASSERT_TRUE(SaveTextAtomic(path, "new"));
    std::string text;
    ASSERT_TRUE(LoadText(path, text));
    EXPECT_EQ(text, "new");
    EXPECT_EQ(ModeOf(path) & 022, 0u);
    EXPECT_EQ(ListDir(dir / "user"), (std::vector<std::string>{".", "..", "Sleetwhistle.ini"}));
    EXPECT_FALSE(LoadText(dir / "user/missing.ini", text));
}

TEST(Stream, WritesReplaceALinkAndLeaveWhatItLeadsToAlone) {
    for (auto [writer, write] : kWriters) {
        for (std::string kind : {"file", "missing", "fifo", "folder", "device"}) {
            SCOPED_TRACE(std::string(writer) + " through a link to " + kind);
            TempDir dir;
            CreateDir(dir / "user");
            std::string target = dir / "outside/target";
            // Without root no device can be made: /dev/null, which is only looked at.
            if (!MakeKind(kind, target)) target = "/dev/null";
            std::string before = Snapshot(target);
            std::string path = dir / "user/Sleetwhistle.ini";
            ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0);
            EXPECT_TRUE(write(path, "new"));
            EXPECT_EQ(Snapshot(target), before);
            EXPECT_EQ(FileType(path), FILETYPE_FILE);
            EXPECT_EQ(dir.Read("user/Sleetwhistle.ini"), "new");
            EXPECT_EQ(ListDir(dir / "user"), (std::vector<std::string>{".", "..", "Sleetwhistle.ini"}));
        }
    }
}

TEST(Stream, WritesRefuseWhatIsNotARegularFile) {
    for (auto [writer, write] : kWriters) {
        for (std::string kind : {"fifo", "folder", "device"}) {
            SCOPED_TRACE(std::string(writer) + " over a " + kind);
            TempDir dir;
            std::string path = dir / "user/Sleetwhistle.ini";
            if (!MakeKind(kind, path)) continue; // a device needs root
            std::string before = Snapshot(path);
            EXPECT_FALSE(write(path, "new"));
            EXPECT_EQ(Snapshot(path), before);
            EXPECT_EQ(ListDir(dir / "user"), (std::vector<std::string>{".", "..", "Sleetwhistle.ini"}));
        }
    }
}

TEST(Stream, SaveTextAtomicRefusesAReadOnlyTarget) {
    TempDir dir;
    std::string path = dir.Write("user/Sleetwhistle.ini", "old");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(SaveTextAtomic(path, "new"));
    EXPECT_EQ(dir.Read("user/Sleetwhistle.ini"), "old");
    EXPECT_EQ(ModeOf(path), 0444u);
    EXPECT_EQ(ListDir(dir / "user"), (std::vector<std::string>{".", "..", "Sleetwhistle.ini"}));
}

TEST(Stream, SaveTextAtomicRemovesTemporariesOfKilledRuns) {
    TempDir dir;
    // A process that has ended, and one that runs (our parent), as the writers of temporaries.
    pid_t ended = fork();
    if (ended == 0) _exit(0);
    ASSERT_GT(ended, 0);
    waitpid(ended, nullptr, 0);
    std::string dead = std::to_string(ended), alive = std::to_string(getppid());
    dir.Write("user/.Sleetwhistle.ini.tmp" + dead + "-0", "half");
    dir.Write("user/.Sleetwhistle.ini.tmp" + std::to_string(getpid()) + "-7", "half");
    dir.Write("user/.Sleetwhistle.ini.tmp" + alive + "-3", "saving now");
    dir.Write("user/.Other.ini.tmp" + dead + "-0", "another file's");
    ASSERT_TRUE(SaveTextAtomic(dir / "user/Sleetwhistle.ini", "new"));
    EXPECT_EQ(ListDir(dir / "user"),
              (std::vector<std::string>{".", "..", ".Other.ini.tmp" + dead + "-0",
                                        ".Sleetwhistle.ini.tmp" + alive + "-3", "Sleetwhistle.ini"}));
}

TEST(Stream, SaveTextAtomicFailureKeepsTheOldFile) {
    TempDir dir;
    dir.Write("user/profile.dat", "old");
    // A folder in the way of the target cannot be replaced, even by root.
    dir.Write("user/blocked/inside", "keep");
    EXPECT_FALSE(SaveTextAtomic(dir / "user/blocked", "new"));
    EXPECT_EQ(dir.Read("user/blocked/inside"), "keep");
    // A path whose folder is a regular file.
    EXPECT_FALSE(SaveTextAtomic(dir / "user/profile.dat/child", "new"));
    EXPECT_EQ(dir.Read("user/profile.dat"), "old");
    // A read-only folder (meaningless for root, who ignores permissions).
    if (geteuid() != 0) {
        chmod((dir / "user").c_str(), 0555);
        EXPECT_FALSE(SaveTextAtomic(dir / "user/profile.dat", "new"));
        chmod((dir / "user").c_str(), 0755);
        EXPECT_EQ(dir.Read("user/profile.dat"), "old");
    }
    EXPECT_EQ(ListDir(dir / "user"), (std::vector<std::string>{".", "..", "blocked", "profile.dat"}));
}

// Every loader that reads a whole file (pictures, fonts, sounds, text) refuses what is not a
// regular file of a sane size, returning "cannot load" instead of aborting, blocking or
// allocating without end.
#include "audio_fixtures.h"

#include "TempDir.h"
#include "platform/TPixmap.h"
#include "platform/TStream.h"
#include "platform/audio.h"
#include "platform/audio_testing.h"
#include "platform/files.h"
#include "platform/font.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

struct Loader {
    const char* name;
    size_t maxBytes;
    std::string goodBytes;
    std::function<bool(const std::string&)> loads;
};

std::string PngBytes() {
    testsupport::TempDir scratch;
    EXPECT_TRUE(SavePixmapPNG(CreatePixmap(2, 2), scratch / "p.png"));
    return scratch.Read("p.png");
}

std::vector<Loader> Loaders() {
    std::string font;
    EXPECT_TRUE(LoadText(SLEETWHISTLE_TEST_FONT, font));
    return {
        {"picture", kMaxPictureFileBytes, PngBytes(),
         [](const std::string& p) { return LoadPixmap(p) != nullptr; }},
        {"font", kMaxFontFileBytes, font,
         [](const std::string& p) { return LoadImageFont(p, 20) != nullptr; }},
        {"sound", kMaxSoundFileBytes, audiotest::Wav16(audiotest::Tone(80, 1, 8000), 1, 8000),
         [](const std::string& p) { return LoadSound(p) != nullptr; }},
        {"text", kMaxTextFileBytes, "line\r\n",
         [](const std::string& p) {
             std::string text;
             return LoadText(p, text);
         }},
    };
}

// A file of the given size that takes no room on disk.
std::string SparseFile(const std::string& path, size_t size) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(ftruncate(fd, off_t(size)), 0);
    close(fd);
    return path;
}

class WholeFileLoaders : public ::testing::Test {
protected:
    void SetUp() override { UseRecordingAudio(); }
    void TearDown() override { UseDeviceAudio(); }
    testsupport::TempDir dir;
};

TEST_F(WholeFileLoaders, RefuseWhatIsNotARegularFileOfASaneSize) {
    std::string fifo = dir / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const Loader& loader : Loaders()) {
        SCOPED_TRACE(loader.name);
        std::string base = std::string(loader.name) + "-";
        // The good file shows the loader works; every other row must then be refused by it.
        EXPECT_TRUE(loader.loads(dir.Write(base + "good", loader.goodBytes)));
        const struct {
            const char* what;
            std::string path;
            bool loads;
        } cases[] = {
            {"folder", dir.Path(), false},
            {"FIFO", fifo, false},
            {"device", "/dev/zero", false},
            {"empty file", dir.Write(base + "empty", ""), loader.name == std::string("text")},
            {"file one byte too large", SparseFile(dir / (base + "huge"), loader.maxBytes + 1), false},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            EXPECT_EQ(loader.loads(c.path), c.loads);
        }
    }
}

TEST_F(WholeFileLoaders, RefuseAFileTheyMayNotRead) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads files of any mode";
    for (const Loader& loader : Loaders()) {
        SCOPED_TRACE(loader.name);
        std::string path = dir.Write(std::string(loader.name) + "-locked", loader.goodBytes);
        ASSERT_EQ(chmod(path.c_str(), 0), 0);
        EXPECT_FALSE(loader.loads(path));
    }
}

TEST(ReadRegularFile, ReadsUpToTheLimitAndSaysWhyItRefuses) {
    testsupport::TempDir dir;
    std::string path = dir.Write("five", "12345");
    EXPECT_EQ(ReadRegularFile(path, 5), "12345");
    const struct {
        std::string path;
        size_t maxBytes;
        const char* why;
    } cases[] = {
        {path, 4, "file is too large: "},
        {dir / "missing", 100, "cannot open "},
        {dir.Path(), 100, "not a regular file: "},
        {"/proc/self/status", 10, "file is too large: "}, // no size given: found while reading
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::string why;
        EXPECT_EQ(ReadRegularFile(c.path, c.maxBytes, &why), std::nullopt);
        EXPECT_EQ(why, c.why + c.path);
    }
    // Files that report no size, like those of /proc, are read to their end.
    std::optional<std::string> status = ReadRegularFile("/proc/self/status", 1 << 20);
    ASSERT_TRUE(status);
    EXPECT_NE(status->find("Name:"), std::string::npos);
}

} // namespace

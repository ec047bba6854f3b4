// The game screen's level cycle: which background, tune and chapter a level takes, the level
// start, and what stands still under an overlay.
#include "game_fixture.h"

#include "platform/TPixmap.h"
#include "platform/image.h"

namespace gametest {
namespace {

using LevelCycleTest = GameTest;

// The pixels of a picture file, to tell which background was loaded.
bool SamePixels(const platform::ImageRef& image, const std::string& file) {
    platform::ImageRef expected = platform::LoadImage(Game->ImagePath + file, 0);
    platform::PixmapRef a = platform::FramePixmap(image), b = platform::FramePixmap(expected);
    return a && b && a->pixels == b->pixels;
}

TEST_F(LevelCycleTest, LevelsTakeTheirBackgroundTuneAndChapterInTurn) {
    // Levels 5, 6, 10, 11 and 55 are copies of level 1.
    struct TCase {
        int level;
        const char* background;
        const char* tune;
        int chapter, subLevel;
    } cases[] = {{1, "bg1.jpg", "level1.ogg", 1, 1},  {5, "bg5.jpg", "level5.ogg", 1, 5},
                 {6, "bg6.jpg", "level1.ogg", 2, 1},  {10, "bg10.jpg", "level5.ogg", 2, 5},
                 {11, "bg1.jpg", "level1.ogg", 3, 1}, {55, "bg5.jpg", "level5.ogg", 11, 5}};
    for (const TCase& c : cases) {
        EnterLevel(c.level);
        EXPECT_TRUE(SamePixels(GameScreen->Image, c.background)) << c.level;
        EXPECT_EQ(Game->MusicFileName, c.tune) << c.level;
        EXPECT_EQ(GameScreen->Chapter, c.chapter) << c.level;
        EXPECT_EQ(GameScreen->GetChapter(), c.chapter) << c.level;
        EXPECT_EQ(GameScreen->GetSubLevel(), c.subLevel) << c.level;
        GameScreen->Kill();
    }
}

} // namespace
} // namespace gametest

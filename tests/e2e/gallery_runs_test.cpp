// Scripted runs of the installed game through the gallery and the outro: a player with pictures
// 1 and 3 unlocked goes from the title to the gallery, points at and clicks its slots, looks at
// picture 3 and comes back to the title; a run sent to the outro by the screen seam leaves the
// program by a click. The frames are kept and compared with the pictures they show.
#include "player_run.h"

#include "platform/TPixmap.h"
#include "profiles/profile_file.h"

namespace e2e {
namespace {

class GalleryRuns : public PlayerRun {
protected:
    // Anna's profile with the pictures' flags set.
    void PlayerWithPictures(std::initializer_list<int> pictures) {
        TProfileFields fields;
        for (int picture : pictures)
            fields.HintsShown[size_t(88 + picture)] = 1;
        dir.Write("home/Brindlecove/Sleetwhistle/profiles/Anna.dat", EncodeProfileFields(fields));
    }
};

// The thumbnail (or the lock) shown in a slot of the gallery, its top row left out.
double SlotShows(const platform::PixmapRef& frame, int slot, const std::string& picture) {
    const int x = 112 + 104 * (slot < 10 ? slot % 5 : 2), y = slot < 5 ? 154 : slot < 10 ? 238 : 322;
    return ShareShowing(frame, x + 2, y + 2, 96, 70, "graphics/" + picture, 2, 2);
}

long Brightness(const platform::PixmapRef& frame, int x0, int y0, int w, int h) {
    long sum = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            uint32_t p = platform::ReadPixel(frame, x, y);
            sum += long((p >> 16) & 255) + long((p >> 8) & 255) + long(p & 255);
        }
    return sum;
}

TEST_F(GalleryRuns, UnlockedPicturesOpenFullScreenAndTheGalleryComesBackAsItWas) {
    PlayerWithPictures({1, 3});
    const std::string script = ClicksUntil(6000) + ClickAt(11000, 206, 550) + // "mygallery"
                               "13000 mouse_move 150 190\n" +                 // onto slot 0
                               ClickAt(14000, 260, 190) +                     // locked slot 1
                               ClickAt(15000, 370, 190) +                     // slot 2: picture 3
                               ClickAt(17000, 600, 100) +                     // anywhere: back
                               "19000 key_down 13\n19050 key_up 13\n"         // OK
                               "21000 close\n";
    ASSERT_EQ(Run(script, "800,850,925,1050,1150,1300"), 0) << dir.Read("out.txt");
    platform::PixmapRef gallery = Frame(800);
    ASSERT_TRUE(gallery);
    EXPECT_GT(ShareShowing(gallery, 0, 0, 800, 140, "graphics/gallery.jpg", 0, 0), 0.9)
        << "the gallery's background";
    EXPECT_GT(SlotShows(gallery, 0, "thumb1.png"), 0.9);
    EXPECT_GT(SlotShows(gallery, 2, "thumb3.png"), 0.9);
    for (int slot : {1, 3, 4, 5, 6, 7, 8, 9, 10})
        EXPECT_GT(SlotShows(gallery, slot, "lockedpicture.png"), 0.9) << slot;

    platform::PixmapRef highlighted = Frame(850);
    ASSERT_TRUE(highlighted);
    EXPECT_GT(Brightness(highlighted, 114, 156, 96, 70), Brightness(gallery, 114, 156, 96, 70) * 21 / 20)
        << "slot 0 lit under the pointer";
    EXPECT_GT(SlotShows(Frame(925), 3, "lockedpicture.png"), 0.9)
        << "still the gallery after the locked slot";
    EXPECT_GT(ShareShowing(Frame(1050), 0, 0, 800, 540, "graphics/pic3.jpg", 0, 0), 0.9)
        << "picture 3 full screen";
    platform::PixmapRef back = Frame(1150);
    EXPECT_GT(SlotShows(back, 0, "thumb1.png"), 0.9);
    EXPECT_GT(SlotShows(back, 2, "thumb3.png"), 0.9);
    EXPECT_GT(ShareShowing(Frame(1300), 0, 0, 800, 300, "graphics/title.jpg", 0, 0), 0.5) << "the title";
    ExpectCleanUserFolder();
}

// The outro takes any click, so the clicks that skip the splash and the loading screen end before
// the title is up; the seam then leaves the title for the outro by itself.
TEST_F(GalleryRuns, TheOutroReachedByTheSeamPulsesAndEndsTheProgramAtAClick) {
    PlayerWithPictures({});
    std::string script = ClicksUntil(1600);
    // The close long after the click only keeps a run that failed to end from running on.
    script += ClickAt(8000, 600, 300) + "30000 close\n";
    ASSERT_EQ(Run(script, "300,320,340,600", "SLEETWHISTLE_SCREEN=outro"), 0) << dir.Read("out.txt");
    std::vector<long> prompts;
    for (int n : {300, 320, 340}) {
        platform::PixmapRef frame = Frame(n);
        ASSERT_TRUE(frame) << n;
        EXPECT_GT(ShareShowing(frame, 0, 0, 800, 250, "graphics/outropic.jpg", 0, 0), 0.9) << n;
        prompts.push_back(Brightness(frame, 300, 545, 200, 50));
    }
    EXPECT_TRUE(prompts[0] != prompts[1] || prompts[1] != prompts[2]) << "the prompt's light pass pulses";
    EXPECT_EQ(Frame(600), nullptr) << "the click at 8.1 s ended the run";
    ExpectCleanUserFolder();
}

} // namespace
} // namespace e2e

// The gallery: which pictures unlock and load, pointing at the slots with their hover sound and
// glow, clicks on unlocked and locked slots, and the ways out.
#include "gallery_fixture.h"

#include "media/TGameFade.h"

#include <filesystem>

namespace screentest {
namespace {

using GalleryTest = FrontEndTest;

TEST_F(GalleryTest, OnlyAFlagOfExactlyOneUnlocksItsPictureAndLoadsItsThumbnail) {
    struct TRow {
        int picture, flag;
        bool unlocked;
    };
    const TRow rows[] = {{1, 1, true}, {2, 0, false}, {3, 2, false}, {4, -1, false}, {11, 1, true}};
    for (const TRow& row : rows)
        SetPictureFlag(row.picture, row.flag);
    GalleryScreen->Load();
    for (const TRow& row : rows) {
        EXPECT_EQ(GalleryScreen->Unlocked(row.picture - 1), row.unlocked ? 1 : 0) << row.picture;
        EXPECT_EQ(GalleryScreen->Pics[size_t(row.picture - 1)] != nullptr, row.unlocked) << row.picture;
    }
    EXPECT_TRUE(GalleryScreen->Locked && GalleryScreen->PicFrame && GalleryScreen->InvalidSound);
}

TEST_F(GalleryTest, WithoutAPlayerEveryPictureIsLocked) {
    SetPictureFlag(1, 1);
    Game->CurrentProfile = nullptr;
    GalleryScreen->Load();
    for (int slot = 0; slot < TGalleryScreen::Total; ++slot) {
        EXPECT_EQ(GalleryScreen->Unlocked(slot), 0) << slot;
        EXPECT_FALSE(GalleryScreen->Pics[size_t(slot)]) << slot;
    }
}

// A picture folder without thumb2.png: the gallery loads while picture 2 is locked, and names the
// missing file once it is unlocked.
TEST_F(GalleryTest, AMissingThumbnailMattersOnlyForAnUnlockedPicture) {
    namespace fs = std::filesystem;
    const std::string folder = dir / "graphics/";
    fs::create_directories(folder);
    for (const fs::directory_entry& entry : fs::directory_iterator(Game->ImagePath))
        if (entry.path().filename() != "thumb2.png")
            fs::create_symlink(entry.path(), folder + entry.path().filename().string());
    Game->ImagePath = folder;
    SetPictureFlag(1, 1);
    SetPictureFlag(2, 0);
    GalleryScreen->Load();
    EXPECT_TRUE(errors.empty());
    GalleryScreen->Kill();
    SetPictureFlag(2, 1);
    EXPECT_THROW(GalleryScreen->Load(), coretest::TReportedError);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Error loading bitmap " + folder + "thumb2.png");
}

TEST_F(GalleryTest, SlotsLieInTwoRowsOfFiveAndOneUnderTheMiddle) {
    auto slots = GalleryScreen->SlotPositions();
    const int xs[] = {112, 216, 320, 424, 528};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(slots[size_t(i)].x, xs[i % 5]) << i;
        EXPECT_EQ(slots[size_t(i)].y, i < 5 ? 154 : 238) << i;
    }
    EXPECT_EQ(slots[10].x, 320);
    EXPECT_EQ(slots[10].y, 322);
}

TEST_F(GalleryTest, ThePointerPicksTheSlotUnderIt) {
    struct TRow {
        int x, y, slot;
    };
    const TRow rows[] = {
        {112, 155, 0},  {112, 154, -1}, {211, 200, 0},  {212, 200, -1}, {215, 200, -1}, {216, 200, 1},
        {300, 229, -1}, {300, 238, -1}, {300, 239, 6},  {320, 323, 10}, {419, 350, 10}, {420, 350, -1},
        {628, 300, -1}, {111, 200, -1}, {320, 396, 10}, {320, 397, -1},
    };
    Enter(GalleryScreen);
    for (const TRow& row : rows) {
        MoveTo(row.x, row.y);
        EXPECT_EQ(GalleryScreen->MOIndex, row.slot) << row.x << ", " << row.y;
    }
}

TEST_F(GalleryTest, TheHoverSoundPlaysOncePerMoveOntoASlotAndTheGlowRestartsAtItsBrightest) {
    Enter(GalleryScreen);
    audio->Clear();
    MoveTo(120, 170);
    EXPECT_EQ(CountCues("buttonMO"), 1);
    EXPECT_FLOAT_EQ(GalleryScreen->glow->ratio, 1.0f);
    Tick(60);
    EXPECT_LT(GalleryScreen->glow->ratio, 0.9f) << "the glow pulses";
    MoveTo(180, 200); // within the same thumbnail
    EXPECT_EQ(CountCues("buttonMO"), 1);
    EXPECT_LT(GalleryScreen->glow->ratio, 0.9f);
    MoveTo(214, 200); // the gap
    MoveTo(250, 200); // the next thumbnail
    EXPECT_EQ(CountCues("buttonMO"), 2);
    EXPECT_FLOAT_EQ(GalleryScreen->glow->ratio, 1.0f);
    MoveTo(250, 232); // between the rows, then back onto the same thumbnail
    MoveTo(250, 200);
    EXPECT_EQ(CountCues("buttonMO"), 3);
}

TEST_F(GalleryTest, AnUnlockedPictureOpensThePictureViewWithTheGalleryKept) {
    SetPictureFlag(3, 1);
    GalleryScreen->Destination = start;
    Enter(GalleryScreen);
    MoveTo(330, 180);
    audio->Clear();
    Click();
    EXPECT_EQ(Game->GameFade->Active, 1);
    EXPECT_EQ(Game->GameFade->Out, 1);
    EXPECT_EQ(Game->GameFade->AllowAnim, 1);
    EXPECT_FALSE(Game->GameFade->Channel);
    EXPECT_EQ(Game->DestinationTScreen, PictureScreen);
    EXPECT_EQ(PictureScreen->PicIndex, 3);
    EXPECT_EQ(PictureScreen->Destination, GalleryScreen);
    EXPECT_EQ(GalleryScreen->StopKill, 1);
    EXPECT_EQ(GalleryScreen->StopInit, 1);
    EXPECT_EQ(Cues(), std::vector<std::string>{"buttonclick.wav"});
}

TEST_F(GalleryTest, ALockedSlotAnswersWithTheInvalidSoundEveryTime) {
    Enter(GalleryScreen);
    MoveTo(120, 170);
    audio->Clear();
    for (int i = 0; i < 3; ++i)
        Click();
    EXPECT_EQ(Cues(), std::vector<std::string>(3, "invalid.wav"));
    EXPECT_EQ(Game->Fading(), 0);
    EXPECT_EQ(GalleryScreen->StopKill, 0);
}

TEST_F(GalleryTest, DuringItsFadeOutNoSlotReacts) {
    SetPictureFlag(1, 1);
    GalleryScreen->Destination = start;
    Enter(GalleryScreen);
    Press(platform::vk::RETURN); // OK: the fade-out runs with the gallery's logic
    audio->Clear();
    MoveTo(120, 170);
    Tick(5);
    EXPECT_EQ(Game->Fading(), 1);
    EXPECT_EQ(GalleryScreen->MOIndex, -1);
    EXPECT_TRUE(Cues().empty());
}

TEST_F(GalleryTest, OkAndEscapeLeaveForTheDestinationAndKillTheGallery) {
    struct TRow {
        const char* way;
        int key;
    };
    for (TRow row : {TRow{"OK", platform::vk::RETURN}, TRow{"Escape", platform::vk::ESCAPE}}) {
        SetPictureFlag(1, 1);
        GalleryScreen->Destination = start;
        Enter(GalleryScreen);
        Press(row.key);
        EXPECT_EQ(Game->DestinationTScreen, start) << row.way;
        EXPECT_FALSE(Game->GameFade->Channel) << row.way << ": the music plays on";
        Tick(110);
        EXPECT_EQ(Game->CurrentTScreen, start) << row.way;
        EXPECT_FALSE(GalleryScreen->Image) << row.way;
        EXPECT_FALSE(GalleryScreen->Pics[0]) << row.way;
        EXPECT_FALSE(GalleryScreen->Locked) << row.way;
    }
}

TEST_F(GalleryTest, DrawsEachSlotWithItsFrameAndLightsTheOneUnderThePointer) {
    SetPictureFlag(2, 1);
    Enter(GalleryScreen);
    MoveTo(250, 200); // slot 1
    recorder->calls.clear();
    GalleryScreen->Draw();
    auto thumb = DrawsOf(GalleryScreen->Pics[1]->image);
    ASSERT_EQ(thumb.size(), 2u);
    EXPECT_EQ(thumb[0].state.blend, platform::BLEND_SOLID);
    EXPECT_EQ(thumb[1].state.blend, platform::BLEND_LIGHT);
    EXPECT_FLOAT_EQ(thumb[1].state.alpha, 0.25f);
    EXPECT_FLOAT_EQ(thumb[0].x, 216.0f);
    EXPECT_FLOAT_EQ(thumb[0].y, 154.0f);
    EXPECT_EQ(DrawsOf(GalleryScreen->Locked->image).size(), 10u);
    auto frames = DrawsOf(GalleryScreen->PicFrame->image);
    ASSERT_EQ(frames.size(), 12u);
    EXPECT_FLOAT_EQ(frames[0].x, 103.0f);
    EXPECT_EQ(frames[2].state.blend, platform::BLEND_LIGHT);
    EXPECT_FLOAT_EQ(frames[11].x, 311.0f);
    EXPECT_FLOAT_EQ(frames[11].y, 322.0f);
}

} // namespace
} // namespace screentest

// The picture view: the picture named by its index, the label measured, the ways back to the
// gallery with their sounds, the gallery resumed without a reload, and a message box that holds
// everything else while it is open.
#include "gallery_fixture.h"

#include "platform/font.h"
#include "widgets/dialog_builders.h"

namespace screentest {
namespace {

class PictureTest : public FrontEndTest {
protected:
    // The gallery entered from the start screen, then picture 3 opened from it.
    void OpenPictureThree() {
        SetPictureFlag(3, 1);
        GalleryScreen->Destination = start;
        Enter(GalleryScreen);
        MoveTo(330, 180);
        Click();
        Settle();
        ASSERT_EQ(Game->CurrentTScreen, PictureScreen);
        audio->Clear();
    }
};

TEST_F(PictureTest, LoadsThePictureOfItsIndexAndMeasuresTheLabelInTheInterfaceFont) {
    PictureScreen->PicIndex = 3;
    EXPECT_EQ(PictureScreen->GetPicName(), "pic3.jpg");
    Game->FadeMusic = 1;
    PictureScreen->Load();
    ASSERT_TRUE(PictureScreen->Image);
    EXPECT_TRUE(errors.empty());
    platform::SetImageFont(UIFont);
    const int width = platform::TextWidth("Set as Desktop Wallpaper");
    EXPECT_GT(width, 0);
    EXPECT_EQ(PictureScreen->LabelW, width);
    EXPECT_EQ(PictureScreen->LabelH, platform::TextHeight("Set as Desktop Wallpaper"));
    EXPECT_EQ(PictureScreen->LabelX, (800 - width) / 2);
    EXPECT_EQ(PictureScreen->LabelY, 5);
    EXPECT_EQ(Game->FadeMusic, 0);
    TButtonRef ok = PictureScreen->Menu->FindButton("OK");
    ASSERT_TRUE(ok);
    EXPECT_FLOAT_EQ(ok->y, float(600 - ok->h - 3));
}

TEST_F(PictureTest, EachWayBackReachesTheGalleryWithItsOwnSounds) {
    struct TRow {
        const char* way;
        int key; // 0: a click
        int clicks;
        bool musicFades;
    };
    const TRow rows[] = {
        {"a click anywhere", 0, 1, false},
        {"the OK key", platform::vk::RETURN, 1, false},
        {"Escape", platform::vk::ESCAPE, 1, false},
    };
    for (const TRow& row : rows) {
        OpenPictureThree();
        MoveTo(500, 100);
        if (row.key == 0) {
            Click();
        } else {
            Press(row.key);
        }
        EXPECT_EQ(Game->DestinationTScreen, GalleryScreen) << row.way;
        EXPECT_EQ(Game->GameFade->Out, 1) << row.way;
        EXPECT_EQ(bool(Game->GameFade->Channel), row.musicFades) << row.way;
        EXPECT_EQ(CountCues("buttonclick"), row.clicks) << row.way;
        Settle();
        EXPECT_EQ(Game->CurrentTScreen, GalleryScreen) << row.way;
        EXPECT_FALSE(PictureScreen->Image) << row.way << ": the picture is released";
        Press(platform::vk::RETURN); // back to the start screen for the next row
        Settle();
    }
}

TEST_F(PictureTest, TheGalleryComesBackWithoutAReload) {
    SetPictureFlag(3, 1);
    GalleryScreen->Destination = start;
    Enter(GalleryScreen);
    const TGameImageRef thumbnail = GalleryScreen->Pics[2];
    const platform::ImageRef background = GalleryScreen->Image;
    MoveTo(330, 180);
    Click();
    Settle();
    ASSERT_EQ(Game->CurrentTScreen, PictureScreen);
    EXPECT_EQ(GalleryScreen->Pics[2], thumbnail) << "kept loaded while away";
    Click();
    Tick(2);
    EXPECT_EQ(Game->CurrentTScreen, PictureScreen) << "the fade-out runs";
    Tick(108);
    ASSERT_EQ(Game->CurrentTScreen, GalleryScreen);
    EXPECT_EQ(GalleryScreen->Pics[2], thumbnail);
    EXPECT_EQ(GalleryScreen->Image, background);
    EXPECT_EQ(GalleryScreen->MOIndex, -1);
    EXPECT_EQ(GalleryScreen->StopKill, 0);
    EXPECT_EQ(GalleryScreen->StopInit, 0);
    EXPECT_EQ(Game->GameFade->Out, 0) << "a fade-in";
    EXPECT_EQ(Game->GameFade->Active, 1);
}

TEST_F(PictureTest, AnOpenMessageHoldsTheViewUntilItCloses) {
    OpenPictureThree();
    PictureScreen->DialogOK = MakeOKDialog("A message over the picture");
    MoveTo(700, 100);
    Click();
    Tick(20);
    EXPECT_EQ(Game->Fading(), 0) << "the click went to the message alone";
    EXPECT_TRUE(PictureScreen->DialogOK);
    Press(platform::vk::RETURN); // closes the message
    Tick(200);
    EXPECT_FALSE(PictureScreen->DialogOK);
    EXPECT_EQ(Game->CurrentTScreen, PictureScreen);
    Click();
    EXPECT_EQ(Game->DestinationTScreen, GalleryScreen);
    EXPECT_EQ(Game->Fading(), 1);
}

} // namespace
} // namespace screentest

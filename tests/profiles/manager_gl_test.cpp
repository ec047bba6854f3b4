// The player manager as the title shows it, drawn over the title picture with the generated data:
// six players, the pointer on "Create", the delete question, the name prompt, and the too-many
// and too-few boxes. Each frame is kept in test-output/ for a person to look at.
#include "manager_fixture.h"

#include "Contrast.h"
#include "GLScene.h"
#include "GLWindow.h"

#include "framework/cc_files.h"
#include "platform/draw.h"

namespace profilestest {
namespace {

class ManagerScene : public testsupport::GLWindowTest, public ManagerHarness {
protected:
    platform::ImageRef title;
    void SetUp() override {
        testsupport::GLWindowTest::SetUp();
        TWidgetHarness::Open();
        OpenUserFolder();
        title = ccLoadBitmap(Game->ImagePath + "title.jpg", -1);
    }
    void TearDown() override {
        CloseUserFolder();
        TWidgetHarness::Close();
        platform::SetImageFont(nullptr);
    }
    void DrawOverTitle() {
        platform::SetBlend(platform::BLEND_SOLID);
        platform::DrawImage(title, 0, 0);
        platform::SetBlend(platform::BLEND_ALPHA);
        manager->Draw();
    }
    platform::PixmapRef Frame(const std::string& name) {
        DrawOverTitle();
        platform::PixmapRef frame = Grab();
        testsupport::SaveTestOutput(frame, "profiles-" + name + ".png");
        return frame;
    }
    int RowY(int row) const {
        return int(manager->ListBox->Box->Y) + row * manager->ListBox->LineHeight +
               manager->ListBox->LineHeight / 2;
    }
};

// How blue a pixel is against its red.
int Blueness(uint32_t argb) {
    return int(argb & 255) - int((argb >> 16) & 255);
}

TEST_F(ManagerScene, SixPlayersFitInsideTheBox) {
    Players({"Anna", "Bob", "Christopher", "Dmitri", "Eve", "WWWWWWWWWWWW"});
    CreateProfile("Christopher");
    Open();
    ASSERT_EQ(manager->ListBox->Value, "Christopher");
    platform::PixmapRef frame = Frame("manager-six");
    const int left = int(manager->ListBox->Box->X) + 2;
    // The box's colour at the left edge of rows 1 and 6 alike; the highlight on row 3.
    const uint32_t first = platform::ReadPixel(frame, left, RowY(0));
    const uint32_t sixth = platform::ReadPixel(frame, left, RowY(5));
    EXPECT_TRUE(testsupport::PixelNear(frame, left, RowY(5), int((first >> 16) & 255),
                                       int((first >> 8) & 255), int(first & 255), 20))
        << testsupport::RGBAt(frame, left, RowY(0));
    EXPECT_GT(Blueness(platform::ReadPixel(frame, left, RowY(2))), Blueness(sixth) + 10);
    EXPECT_LE(RowY(5) + manager->ListBox->LineHeight / 2, int(manager->Menu->FindButton("OK")->y));
}

TEST_F(ManagerScene, EveryNameInTheListReadsAtFourAndAHalfToOne) {
    const std::vector<std::string> names = {"Anna", "Bob", "Christopher", "Dmitri"};
    Players(names);
    CreateProfile("Bob");
    Open();
    ASSERT_EQ(manager->ListBox->Value, "Bob") << "one name on the highlight";
    const std::vector<platform::DrawCall> calls = testsupport::RecordScene(
        std::make_shared<platform::TRecordingRenderer>(), [this] { DrawOverTitle(); });
    platform::PixmapRef frame = Frame("manager-names");
    for (const std::string& name : names) {
        const std::vector<platform::DrawCall> copies = testsupport::CallsOfText(calls, name);
        ASSERT_FALSE(copies.empty()) << name;
        EXPECT_GE(testsupport::ReadingContrast(frame, copies), 4.5) << name;
    }
}

TEST_F(ManagerScene, ThePointerOnCreateLightsIt) {
    Players({"Anna", "Bob"});
    Open();
    TButtonRef create = manager->Menu->FindButton("Create");
    const int cx = int(create->x) + create->w / 2, cy = int(create->y) + 8;
    platform::PixmapRef before = Frame("manager-two-plain");
    MouseTo(cx, cy);
    Ticks(60);
    platform::PixmapRef lit = Frame("manager-two");
    const uint32_t a = platform::ReadPixel(before, cx, cy), b = platform::ReadPixel(lit, cx, cy);
    const int sumA = int((a >> 16) & 255) + int((a >> 8) & 255) + int(a & 255);
    const int sumB = int((b >> 16) & 255) + int((b >> 8) & 255) + int(b & 255);
    EXPECT_GT(sumB, sumA) << "the glow brightens the button";
}

TEST_F(ManagerScene, TheDeleteQuestionOverTheDimmedManager) {
    Players({"Anna", "Bob", "Cy"});
    Open();
    manager->ListBox->SetIndex(1);
    KeyPress(platform::vk::DEL);
    Ticks(3);
    ASSERT_TRUE(manager->DialogYesNo);
    TButtonRef yes = manager->DialogYesNo->Menu->FindButton("Yes");
    MouseTo(int(yes->x) + yes->w / 2, int(yes->y) + yes->h / 2);
    Ticks(60);
    platform::PixmapRef frame = Frame("manager-delete");
    // Twice dimmed: the title's corner is much darker than the picture.
    EXPECT_LT(platform::ReadPixel(frame, 5, 300) & 255, 80u);
}

TEST_F(ManagerScene, TheNamePromptWithItsCaret) {
    Players({"Anna"});
    Open();
    ClickButton(*manager->Menu, "Create");
    Ticks(5);
    ASSERT_TRUE(manager->EnterName);
    Type("zoe");
    Ticks(4);
    EXPECT_EQ(manager->EnterName->TextInput->Text, "Zoe");
    Frame("manager-new");
}

TEST_F(ManagerScene, TheTooManyAndTooFewBoxes) {
    Players({"Anna", "Bob", "Cy", "Di", "Ed", "Flo"});
    Open();
    ClickButton(*manager->Menu, "Create");
    Ticks(5);
    ASSERT_TRUE(manager->DialogOK);
    platform::PixmapRef full = Frame("manager-full");
    const int boxY = manager->DialogOK->y + 5;
    EXPECT_TRUE(testsupport::PixelNear(full, 400, boxY, 0x80, 0x80, 0x80, 60))
        << testsupport::RGBAt(full, 400, boxY);
    manager->Kill();
    for (const char* name : {"Bob", "Cy", "Di", "Ed", "Flo"})
        platform::DeleteFile(ProfileFile(name));
    Open();
    KeyPress(platform::vk::DEL);
    Ticks(3);
    ASSERT_TRUE(manager->DialogOK);
    Frame("manager-last");
}

} // namespace
} // namespace profilestest

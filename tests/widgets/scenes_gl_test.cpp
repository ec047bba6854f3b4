// The widgets on the real GL side with the generated data: labels and the text cursor, a column
// of menu buttons in each state, the message, error and question boxes and a screen's OK button.
// A few pixels are checked loosely; each frame is kept for a person to look at.
#include "WidgetHarness.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "framework/cc_files.h"
#include "platform/TPixmap.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/graphics.h"
#include "widgets/TLabel.h"
#include "widgets/TTextCursor.h"
#include "widgets/dialog_builders.h"

using namespace widgettest;

namespace {

int Brightness(const platform::PixmapRef& frame, int x, int y) {
    uint32_t p = platform::ReadPixel(frame, x, y);
    return int((p >> 16) & 255) + int((p >> 8) & 255) + int(p & 255);
}

// Pixels of a rectangle brighter than the dark backdrop.
int LitPixels(const platform::PixmapRef& frame, int x, int y, int w, int h) {
    int lit = 0;
    for (int py = y; py < y + h; ++py)
        for (int px = x; px < x + w; ++px)
            lit += Brightness(frame, px, py) > 300;
    return lit;
}

class WidgetSceneTest : public WidgetGLTest {
protected:
    void Backdrop() {
        platform::SetClsColor(30, 40, 60);
        platform::Cls();
    }
    void Title() {
        platform::ImageRef title = ccLoadBitmap(Game->ImagePath + "title.jpg", -1);
        platform::SetBlend(platform::BLEND_SOLID);
        platform::DrawImage(title, 0, 0);
        platform::SetBlend(platform::BLEND_ALPHA);
    }
    platform::PixmapRef Keep(const std::string& name) {
        platform::PixmapRef frame = Grab();
        testsupport::SaveTestOutput(frame, "widgets-" + name + ".png");
        return frame;
    }
    static TLabelRef Label(const std::string& text, float x, float y, int alignment, int wrap = 0) {
        TLabelRef label = TLabel::CreateSpecial(text, x, y, alignment, wrap, 0);
        label->Init(MainFontSmall, TColor::Create(255, 255, 255, 1), nullptr, 0, nullptr, nullptr, "");
        if (wrap > 0) label->PreCalcWordWrap();
        return label;
    }
};

TEST_F(WidgetSceneTest, Labels) {
    Backdrop();
    Label("left of nothing", 400, 20, 0)->Draw(0, 0, 1);
    Label("centred", 400, 60, 1)->Draw(0, 0, 1);
    Label("right", 400, 100, 2)->Draw(0, 0, 1);
    platform::SetColor(255, 0, 0);
    platform::DrawLine(400, 10, 400, 140);
    platform::SetColor(255, 255, 255);
    Label("Wrapped words fill each line\r\nand a new line starts here", 40, 160, 0, 300)->Draw(0, 0, 1);
    TLabelRef shadowed = TLabel::CreateSpecial("Shadowed", 500, 160, 0, 0, 0);
    shadowed->Init(MainFontSmall, TColor::Create(255, 220, 0, 1), TShadow::Create(3, 3, 0.8f), 0, nullptr,
                   nullptr, "");
    shadowed->Draw(0, 0, 1);
    TLabelRef big = Label("Scale 2", 500, 230, 0);
    big->Scale = 2.0f;
    big->Draw(0, 0, 1);
    TLabelRef faint = Label("Alpha 0.5", 500, 330, 0);
    faint->Alpha = 0.5f;
    faint->Draw(0, 0, 1);
    platform::SetImageFont(MainFontSmall);
    TTextCursor cursor;
    cursor.Init(40, 400, 32);
    for (const char* line : {"cursor line one", "cursor line two", "cursor line three"})
        cursor.OutputNL(line);
    auto frame = Keep("labels");
    int rightWidth = [] {
        platform::SetImageFont(MainFontSmall);
        return platform::TextWidth("right");
    }();
    EXPECT_GT(LitPixels(frame, 400 - rightWidth, 100, rightWidth, 30), 20)
        << "right-aligned text ends at 400";
    EXPECT_EQ(LitPixels(frame, 402, 100, 100, 30), 0);
    EXPECT_EQ(LitPixels(frame, 340, 20, 58, 30), 0) << "left-aligned text starts at 400";
    EXPECT_GT(LitPixels(frame, 40, 400, 200, 96), 100);
}

TEST_F(WidgetSceneTest, Buttons) {
    Backdrop();
    TMenuRef menu = TMenu::Create("buttonMO", "buttonclick", 0, 60, 10);
    menu->SetShadow(1, 3, 3, 0.4f);
    auto normal = menu->AddQuick("OK", "");
    auto hovered = menu->AddQuick("Yes", "");
    auto pulsing = menu->AddQuick("No", "");
    auto clicked = menu->AddQuick("Cancel", "");
    for (const auto& button : {normal, hovered, clicked})
        button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    pulsing->SetAutoGlow(0.0f, 0.3f, 1.0f, 1);
    menu->SetX(200);
    for (int tick = 0; tick < 89; ++tick)
        Tick([&] { menu->Manage(0, 0); });
    MouseTo(int(clicked->x) + 50, int(clicked->y) + 20);
    Press(1);
    Tick([&] { menu->Manage(0, 0); });
    Release(1);
    MouseTo(int(hovered->x) + 50, int(hovered->y) + 20);
    Tick([&] { menu->Manage(0, 0); });
    EXPECT_EQ(clicked->MouseOver, 0);
    EXPECT_GT(clicked->Glow, 0.49f) << "the tick after its click, still glowing";

    Game->MenuPath = dir.Path();
    WritePicture("plain.png", 110, 40, 0xFF3060C0u);
    WritePicture("plainMO.png", 110, 40, 0xFF60A0FFu);
    WritePicture("plain_down.png", 110, 40, 0xFF203060u);
    WritePicture("plain_disabled.png", 110, 40, 0xFF707070u);
    WritePicture("other.png", 110, 40, 0xFF3060C0u);
    TMenuRef fixtures = TMenu::Create("", "", 0, 60, 10);
    fixtures->SetShadow(1, 3, 3, 0.4f);
    auto pressed = fixtures->AddQuickAuto("plain", "pressed");
    auto disabled = fixtures->AddQuickAuto("plain", "disabled");
    auto fallback = fixtures->AddQuickAuto("other", "fallback");
    disabled->Disabled = 1;
    fallback->Disabled = 1;
    fixtures->SetX(500);
    MouseTo(int(pressed->x) + 10, int(pressed->y) + 10);
    Press(1);
    Tick([&] { fixtures->Manage(0, 0); });
    EXPECT_GT(pressed->MouseClickCounter, 0.0f);

    menu->Draw(0, 0);
    fixtures->Draw(0, 0);
    auto frame = Keep("buttons");
    platform::PixmapRef normalPicture = platform::LoadPixmap(DataDir() + "menus/OK.png");
    uint32_t p = platform::ReadPixel(normalPicture, 55, 20);
    EXPECT_TRUE(testsupport::PixelNear(frame, int(normal->x) + 55, int(normal->y) + 20, int((p >> 16) & 255),
                                       int((p >> 8) & 255), int(p & 255), 8));
    EXPECT_TRUE(testsupport::PixelNear(frame, int(pressed->x) + 55, int(pressed->y) + 20, 0x20, 0x30, 0x60));
    EXPECT_TRUE(
        testsupport::PixelNear(frame, int(disabled->x) + 55, int(disabled->y) + 20, 0x70, 0x70, 0x70));
    // Over its own shadow (black at 0.4 on the backdrop).
    EXPECT_TRUE(testsupport::PixelNear(frame, int(fallback->x) + 55, int(fallback->y) + 20, (0x30 + 18) / 2,
                                       (0x60 + 24) / 2, (0xC0 + 36) / 2, 8))
        << "the normal picture at half alpha";
}

TEST_F(WidgetSceneTest, MessageOverTheTitle) {
    auto dialog = MakeOKDialog("Your game has been saved.");
    Title();
    dialog->Draw();
    auto frame = Keep("message");
    EXPECT_TRUE(testsupport::PixelNear(frame, dialog->x + 5, dialog->y + dialog->h - 25, 150, 150, 150));
    EXPECT_TRUE(
        testsupport::PixelNear(frame, dialog->x + dialog->w + 1, dialog->y + dialog->h + 1, 0, 0, 0, 140))
        << "the drop shadow darkens the title";
}

TEST_F(WidgetSceneTest, ErrorWithOkHovered) {
    auto dialog = ErrorDialog("Error: a profile with this name already exists!");
    auto ok = dialog->Menu->FindButton("OK");
    MouseTo(int(ok->x) + 55, int(ok->y) + 20);
    Tick([&] { dialog->Manage(); });
    Title();
    dialog->Draw();
    auto frame = Keep("error");
    int red = 0;
    for (int x = dialog->x; x < dialog->x + dialog->w; ++x)
        for (int y = dialog->y + 20; y < dialog->y + 50; ++y) {
            uint32_t p = platform::ReadPixel(frame, x, y);
            red += ((p >> 16) & 255) > 200 && ((p >> 8) & 255) < 60 && (p & 255) < 60;
        }
    EXPECT_GT(red, 100) << "red caption";
    EXPECT_TRUE(testsupport::PixelNear(frame, dialog->x + 5, dialog->y + 5, 150, 150, 150));
}

TEST_F(WidgetSceneTest, QuestionWithYesHovered) {
    auto dialog = MakeDialogYesNo("Are you sure you want to delete this player?");
    auto yes = dialog->Menu->FindButton("Yes");
    MouseTo(int(yes->x) + 55, int(yes->y) + 20);
    Tick([&] { dialog->Manage(); });
    Title();
    dialog->Draw();
    auto frame = Keep("question");
    EXPECT_EQ(yes->MouseOver, 1);
    EXPECT_TRUE(testsupport::PixelNear(frame, dialog->x + 5, dialog->y + 5, 150, 150, 150));
}

TEST_F(WidgetSceneTest, ScreenOkButtonNearItsPeak) {
    TMenuRef menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    OKButtonCreate(*menu);
    for (int tick = 0; tick < 88; ++tick)
        Tick([&] { menu->Manage(0, 0); });
    Title();
    menu->Draw(0, 0);
    auto frame = Keep("okbutton");
    auto ok = menu->FindButton("OK");
    EXPECT_GT(ok->Glow, 0.29f);
    platform::PixmapRef picture = platform::LoadPixmap(DataDir() + "menus/OK.png");
    uint32_t p = platform::ReadPixel(picture, 55, 20);
    EXPECT_GT(Brightness(frame, 345 + 55, 545 + 20),
              int((p >> 16) & 255) + int((p >> 8) & 255) + int(p & 255) + 60)
        << "brighter than the picture by the glow";
}

} // namespace

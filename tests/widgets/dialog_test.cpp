// The dialog base: its size and place, the caption's place and wrapping, closing with and
// without transitions, the Escape flag, slides, alphas and the drawing order.
#include "WidgetHarness.h"

#include "core/TGame.h"
#include "framework/cc_draw.h"
#include "framework/cc_files.h"
#include "platform/draw.h"
#include "platform/image.h"
#include "widgets/TDialogOK.h"

using namespace widgettest;

namespace {

// Measures every character 10 pixels wide and lines 20 pixels high.
class TTenPixelFont : public TBitmapFontBase {
public:
    float StringWidth(const std::string& text) const override { return 10.0f * float(text.size()); }
    float StringHeight(const std::string&) const override { return 20.0f; }
};

class DialogTest : public WidgetTest {
protected:
    // A base dialog with a caption of chars x 10 pixels.
    std::shared_ptr<TDialog> Make(int chars, int width = 0, int height = 0) {
        auto dialog = std::make_shared<TDialog>();
        std::string caption;
        for (int i = 0; i < chars; ++i)
            caption += (i % 6 == 5) ? ' ' : 'x';
        dialog->Init(caption, nullptr, width, height, 0, 0);
        dialog->SetupCaption(nullptr, TColor::Create(255, 255, 255, 1), nullptr,
                             std::make_shared<TTenPixelFont>());
        return dialog;
    }
    // A started message box in the small main font.
    TDialogOKRef MessageBox(const std::string& text) {
        TDialogOKRef dialog = TDialogOK::Create(text, nullptr, 0, 0, 0, "");
        dialog->Start();
        return dialog;
    }
};

TEST_F(DialogTest, BoxFollowsTheCaptionAndIsCentred) {
    auto dialog = Make(30, 0, 171);
    EXPECT_EQ(dialog->w, 340);
    EXPECT_EQ(dialog->x, 230);
    EXPECT_EQ(dialog->y, 214);
    EXPECT_EQ(dialog->Caption->X, 400.0f);
    EXPECT_EQ(dialog->Caption->Y, 214.0f + 20.0f) << "one line: a border below the top";
}

TEST_F(DialogTest, BackgroundGivesItsSizeAndIsDrawnFromItsCorner) {
    platform::ImageRef picture = ccLoadBitmap(WritePicture("box.png", 200, 100, 0xFF0000FFu), -1);
    platform::SetImageHandle(picture, 100, 50);
    auto dialog = std::make_shared<TDialog>();
    dialog->Init("hi", picture, 0, 0, 0, 0);
    dialog->Start();
    EXPECT_EQ(dialog->w, 200);
    EXPECT_EQ(dialog->h, 100);
    dialog->Draw();
    auto images = Calls(platform::DrawKind::Image);
    ASSERT_FALSE(images.empty());
    EXPECT_EQ(images[0].x, 300.0f);
    EXPECT_EQ(images[0].handleX, 0.0f);
}

TEST_F(DialogTest, FixedWidthWrapsAWideCaptionAndCentresItVertically) {
    auto dialog = Make(40, 300, 200);
    EXPECT_EQ(dialog->w, 300);
    EXPECT_EQ(dialog->Caption->WordWrap, 260);
    EXPECT_GT(dialog->Caption->TotalLines, 1);
    EXPECT_EQ(dialog->Caption->Y, float(dialog->y + 100) - dialog->Caption->H / 2.0f);

    auto narrow = Make(15);
    narrow->SetWordWrap(200);
    narrow->CalcAll();
    EXPECT_EQ(narrow->Caption->WordWrap, 0) << "a 150-pixel caption is left alone";

    auto placed = Make(15);
    placed->CaptionOY = 5;
    placed->CaptionOffsetX = 2;
    placed->CalcAll();
    EXPECT_EQ(placed->Caption->X, 2.0f);
    EXPECT_EQ(placed->Caption->Y, 5.0f);
}

TEST_F(DialogTest, CloseGivesTheEscapeFlagBack) {
    for (int reenable : {1, 0}) {
        Game->IgnoreEscapeKey = 0;
        auto dialog = Make(10);
        dialog->ReenableEscapeKey = reenable;
        dialog->Start();
        EXPECT_EQ(Game->IgnoreEscapeKey, 1);
        EXPECT_EQ(dialog->Close(-1), -1);
        EXPECT_EQ(dialog->Active, 0);
        EXPECT_EQ(dialog->CloseResult, -1);
        EXPECT_EQ(Game->IgnoreEscapeKey, reenable ? 0 : 1);
    }
}

TEST_F(DialogTest, KillOfAnOpenDialogGivesTheEscapeFlagBack) {
    auto dialog = MessageBox("still open");
    dialog->Kill();
    EXPECT_EQ(Game->IgnoreEscapeKey, 0);
    EXPECT_EQ(dialog->Active, 0);
}

TEST_F(DialogTest, ReopenedDialogAnswersAfresh) {
    auto dialog = MessageBox("again");
    KeyPress(platform::vk::ESCAPE);
    int result = 0;
    Tick([&] { result = dialog->Manage(); });
    ASSERT_EQ(result, 1);
    dialog->Start();
    Tick([&] { result = dialog->Manage(); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(dialog->Active, 1);
}

TEST_F(DialogTest, ClosingTransitionDelaysTheResult) {
    auto dialog = TDialogOK::Create("slow", nullptr, 0, 0, 0, "");
    dialog->SetTransitions(0, 100, 0, 1, 0, 0);
    dialog->Start();
    auto ok = dialog->Menu->FindButton("OK");
    ok->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    ok->FixedGlowOnMOActivate();
    EXPECT_EQ(dialog->Close(1), 0);
    std::vector<int> results;
    for (int tick = 0; tick < 22; ++tick) {
        if (tick == 3) KeyPress(platform::vk::ESCAPE);
        if (tick == 4) Click(400, 330);
        Tick([&] { results.push_back(dialog->Manage()); });
    }
    EXPECT_EQ(std::count(results.begin(), results.end(), 1), 1);
    EXPECT_EQ(results[19], 1) << "in the tick the 20-tick transition ends";
    EXPECT_EQ(results[20], 0);
    EXPECT_LT(ok->Glow, 0.5f) << "the glow kept fading";
    EXPECT_EQ(ClickSounds(), 0) << "neither Escape nor a click acted while closing";
    EXPECT_EQ(dialog->Caption->Alpha, 0.0f) << "faded out";
}

TEST_F(DialogTest, SlidesStartBeyondTheirEdge) {
    auto dialog = Make(10, 0, 100);
    dialog->SetSlide(5, 0);
    EXPECT_GE(dialog->Slide, 1);
    EXPECT_LE(dialog->Slide, 4);
    EXPECT_EQ(dialog->Caption->RoundCoords, 0);

    auto left = Make(10, 0, 100);
    left->SlideExtra = 7;
    left->SetTransitions(100, 0, 0, 0, 4, 0);
    left->Start();
    EXPECT_EQ(left->OffsetX, float(-(left->x + left->w + 7)));
    int result = 1;
    for (int tick = 0; tick < 10; ++tick)
        Tick([&] { result = left->Manage(); });
    EXPECT_NEAR(left->OffsetX, 0.5f * float(-(left->x + left->w + 7)), 0.01f);
    EXPECT_EQ(result, 1);
}

TEST_F(DialogTest, DrawOrderOfTheParts) {
    auto dialog = MessageBox("order");
    dialog->Shadow = TShadow::Create(3, 3, 0.4f);
    dialog->DialogColor->Alpha = 0.8f;
    dialog->Caption->Alpha = 0.3f;
    ccTextAlpha = 0.7f;
    dialog->Draw();
    auto& calls = recorder->calls;
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ(calls[0].kind, platform::DrawKind::Rect) << "no veil: the box's shadow first";
    EXPECT_EQ(calls[0].state.r, 0);
    EXPECT_EQ(calls[1].kind, platform::DrawKind::Rect);
    EXPECT_EQ(calls[1].state.r, 150);
    EXPECT_EQ(calls[1].state.alpha, 1.0f) << "with a shadow the box is filled at alpha 1";
    for (int i : {2, 3}) {
        EXPECT_EQ(calls[size_t(i)].kind, platform::DrawKind::Line);
        EXPECT_EQ(calls[size_t(i)].state.alpha, 0.5f);
        EXPECT_FALSE(calls[size_t(i)].lastPixel);
    }
    EXPECT_EQ(calls[4].kind, platform::DrawKind::Text);
    EXPECT_EQ(dialog->Caption->Alpha, 0.3f) << "alpha 1 leaves the parts' alphas";
    EXPECT_EQ(calls.back().kind, platform::DrawKind::Image) << "the menu after the caption";
    EXPECT_EQ(ccTextAlpha, 1.0f);
    EXPECT_EQ(platform::GetAlpha(), 1.0f);

    recorder->calls.clear();
    dialog->DimBackground = 0.5f;
    dialog->Draw();
    EXPECT_EQ(calls[0].kind, platform::DrawKind::Rect);
    EXPECT_EQ(calls[0].w, 800.0f) << "the veil first";
    EXPECT_EQ(calls[0].state.alpha, 0.5f);
}

TEST_F(DialogTest, DisabledDialogKeepsGlowsAndKeys) {
    auto dialog = MessageBox("disabled");
    dialog->Disabled = 1;
    int result = 0;
    Click(400, 330);
    Tick([&] { result = dialog->Manage(); });
    EXPECT_EQ(result, 0) << "no clicks";
    KeyPress(platform::vk::ESCAPE);
    Tick([&] { result = dialog->Manage(); });
    EXPECT_EQ(result, 1) << "Escape still closes it";
}

TEST_F(DialogTest, HeaderTextHeaderAndPicturesDrawInTheirPlaces) {
    auto dialog = MessageBox("parts");
    TGameImageRef picture = TGameImage::Create(WritePicture("pic.png", 20, 20, 0xFF00FF00u), -1, 0);
    dialog->Header =
        TSprite::Create(TGameImage::Create(WritePicture("head.png", 30, 10, 0xFFFF0000u), -1, 1), 400, 50);
    dialog->SetupTextHeader("Header", nullptr, TColor::Create(255, 255, 0, 1), nullptr, nullptr, 400, 60, 0);
    dialog->Picture = picture;
    dialog->PictureX = 10;
    dialog->PictureY = 20;
    dialog->PictureShadow = TShadow::Create(2, 2, 0.5f);
    dialog->Picture2 = picture;
    dialog->Picture2Scale = 2.0f;
    dialog->Draw();
    std::vector<std::string> order;
    for (const auto& call : recorder->calls) {
        if (call.kind == platform::DrawKind::Text && call.state.r == 255 && call.state.b == 0)
            order.push_back("text header");
        if (call.kind == platform::DrawKind::Text && call.text == "parts" && call.state.r == 255)
            order.push_back("caption");
        if (call.kind == platform::DrawKind::Image && call.image == dialog->Header->image->image)
            order.push_back("header");
        if (call.kind == platform::DrawKind::Image && call.image == picture->image)
            order.push_back(call.state.r == 0 ? "picture shadow"
                                              : "picture x" + std::to_string(int(call.state.scaleX)));
    }
    EXPECT_EQ(order, std::vector<std::string>(
                         {"header", "text header", "caption", "picture shadow", "picture x1", "picture x2"}));
    EXPECT_EQ(dialog->PictureShadow->Alpha, 0.5f) << "the shadow's alpha is put back";
    EXPECT_EQ(platform::GetAlpha(), 1.0f);
}

TEST_F(DialogTest, OpeningTransitionHoldsTheMenuAndPlaysItsSounds) {
    auto dialog = TDialogOK::Create("opening", nullptr, 0, 0, 0, "");
    dialog->SlideInSound = TGameSound::Create(DataDir() + "sound/buttonMO.wav", 0);
    dialog->ActivateSound = TGameSound::Create(DataDir() + "sound/buttonclick.wav", 0);
    dialog->SetTransitions(50, 0, 0.6f, 1, 1, 1);
    dialog->Start();
    EXPECT_EQ(HoverSounds(), 1) << "the slide-in sound at once";
    EXPECT_LT(dialog->OffsetY, 0.0f) << "from the top";
    auto [x, y] = std::pair{int(dialog->Menu->First()->x) + 5, int(dialog->Menu->First()->y) + 5};
    int result = 0, openedAt = -1;
    for (int tick = 0; tick < 10; ++tick) {
        Click(x, y - int(dialog->OffsetY));
        Tick([&] { result = dialog->Manage(); });
        EXPECT_EQ(result, 0) << tick;
        if (openedAt < 0 && dialog->Transitioning == 0) openedAt = tick;
    }
    EXPECT_EQ(openedAt, 9) << "10 ticks of opening; the click of the last one is flushed";
    EXPECT_EQ(ClickSounds(), 1) << "the activate sound; no click while opening";
    EXPECT_EQ(dialog->OffsetY, 0.0f);
    recorder->calls.clear();
    dialog->Draw();
    EXPECT_EQ(recorder->calls[0].w, 800.0f) << "open: the full veil";
    EXPECT_FLOAT_EQ(recorder->calls[0].state.alpha, 0.6f);
}

} // namespace

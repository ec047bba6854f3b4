// Image buttons: the hit area, one click per press, sounds, the OK keys, states, glows, loading
// and how each look is drawn.
#include "WidgetHarness.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/core_services.h"
#include "media/TMousePointer.h"
#include "platform/draw.h"
#include "platform/input.h"
#include "widgets/TButton.h"

using namespace widgettest;

namespace {

class ButtonTest : public WidgetTest {
protected:
    // The generated 110 x 40 "OK" button with its hover picture and sounds, at (100, 100).
    TButtonRef MakeOK(float atX = 100, float atY = 100) {
        auto button = std::make_shared<TButton>();
        button->UseMenuPath = 1;
        button->Load("OK", "OKMO", "buttonMO", "buttonclick", 0, 0, 1);
        button->MoveTo(atX, atY);
        return button;
    }
    // Ticks with the pointer at (x, y), managing the buttons in order; the clicks seen.
    int ManageAt(int x, int y, std::initializer_list<TButtonRef> buttons) {
        MouseTo(x, y);
        int clicks = 0;
        Tick([&] {
            for (const auto& button : buttons) {
                button->Manage();
                clicks += button->Clicked;
            }
        });
        return clicks;
    }
};

TEST_F(ButtonTest, HitAreaTakesTheLeftAndTopEdgesOnly) {
    TButtonRef plain = MakeOK(), offset = MakeOK(), boxed = MakeOK();
    offset->offx = 10;
    offset->offy = 5;
    boxed->SetBoundingBox(0, 0, 20, 10, 0);
    struct Case {
        TButtonRef button;
        int x, y;
        int over;
    } cases[] = {
        {plain, 100, 100, 1},  {plain, 209, 139, 1},  {plain, 210, 120, 0},  {plain, 150, 140, 0},
        {plain, 99, 120, 0},   {plain, 150, 99, 0},   {offset, 110, 105, 1}, {offset, 219, 144, 1},
        {offset, 109, 120, 0}, {offset, 220, 120, 0}, {offset, 150, 145, 0}, {boxed, 0, 0, 1},
        {boxed, 19, 9, 1},     {boxed, 20, 5, 0},     {boxed, 5, 10, 0},     {boxed, 150, 120, 0},
    };
    for (const auto& c : cases) {
        ManageAt(c.x, c.y, {c.button});
        EXPECT_EQ(c.button->MouseOver, c.over) << c.x << "," << c.y;
    }
}

TEST_F(ButtonTest, OnePressClicksOneButtonOnce) {
    TButtonRef first = MakeOK(), second = MakeOK(120, 110);
    MouseTo(150, 120);
    for (int i = 0; i < 5; ++i)
        Press(1);
    EXPECT_EQ(ManageAt(150, 120, {first, second}), 1);
    EXPECT_EQ(first->Clicked, 1) << "the first managed takes the press";
    EXPECT_EQ(second->Clicked, 0);
    EXPECT_EQ(ClickSounds(), 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(ManageAt(150, 120, {first, second}), 0) << "held down, no more clicks";
    Release(1);
    for (int button : {2, 3}) {
        Press(button);
        EXPECT_EQ(ManageAt(150, 120, {first}), 1) << "button " << button;
        Release(button);
    }
}

TEST_F(ButtonTest, DragOnOrOffClicksOnlyOnAPressOverTheButton) {
    TButtonRef button = MakeOK();
    Press(1);
    EXPECT_EQ(ManageAt(150, 120, {button}), 1) << "the click comes with the press";
    ManageAt(400, 400, {button});
    Release(1);
    EXPECT_EQ(ManageAt(400, 400, {button}), 0);
    Press(1);
    ManageAt(400, 400, {button});
    int clicks = ManageAt(150, 120, {button});
    Release(1);
    clicks += ManageAt(150, 120, {button});
    EXPECT_EQ(clicks, 0) << "a press made elsewhere";
    EXPECT_EQ(ClickSounds(), 1);
    EXPECT_EQ(HoverSounds(), 2) << "once per entry";
}

TEST_F(ButtonTest, HoverSoundPlaysOncePerEntryAndNotAfterASilentTick) {
    TButtonRef button = MakeOK();
    for (int i = 0; i < 3; ++i)
        ManageAt(150, 120, {button});
    EXPECT_EQ(HoverSounds(), 1);
    ManageAt(10, 10, {button});
    ManageAt(150, 120, {button});
    EXPECT_EQ(HoverSounds(), 2) << "again after coming back";

    ManageAt(10, 10, {button});
    MouseTo(150, 120);
    Press(1);
    Tick([&] { button->ManageNoSound(); });
    EXPECT_EQ(button->MouseOver, 1);
    EXPECT_EQ(button->Clicked, 1);
    ManageAt(150, 120, {button});
    EXPECT_EQ(HoverSounds(), 2) << "the silent tick set the hover state";
    EXPECT_EQ(ClickSounds(), 0);
}

TEST_F(ButtonTest, OkKeysClickOnceAndTakeEnterAndSpace) {
    TButtonRef button = MakeOK(), other = MakeOK(500, 500);
    button->OKButton = other->OKButton = 1;
    MouseTo(150, 120);
    Press(1);
    KeyPress(platform::vk::RETURN);
    KeyPress(platform::vk::SPACE);
    EXPECT_EQ(ManageAt(150, 120, {button, other}), 1) << "press, Enter and Space: one click";
    EXPECT_EQ(ClickSounds(), 1);
    EXPECT_EQ(ManageAt(10, 10, {button, other}), 0) << "Space is not left over for the next tick";

    button->OKButtonUseSpace = 0;
    KeyPress(platform::vk::SPACE);
    EXPECT_EQ(ManageAt(10, 10, {button, other}), 0) << "taken, and seen by no later OK button";
    KeyPress(platform::vk::RETURN);
    EXPECT_EQ(ManageAt(10, 10, {button, other}), 1);
    EXPECT_EQ(button->MouseOver, 1) << "a simulated click shows the hover look";
}

TEST_F(ButtonTest, HeldEnterClicksOnce) {
    TButtonRef button = MakeOK();
    button->OKButton = 1;
    KeyHold(platform::vk::RETURN);
    int clicks = 0;
    for (int i = 0; i < 200; ++i) {
        if (i % 10 == 5) platform::PostEvent({platform::EVENT_KEY_REPEAT, platform::vk::RETURN, 0, 0});
        clicks += ManageAt(10, 10, {button});
    }
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, InactiveAndDisabledButtons) {
    TButtonRef button = MakeOK();
    button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    ManageAt(150, 120, {button});
    EXPECT_EQ(button->Glow, 0.5f);
    button->Active = 0;
    Press(1);
    EXPECT_EQ(ManageAt(150, 120, {button}), 0);
    EXPECT_FLOAT_EQ(button->Glow, 0.495f) << "the glow keeps fading";
    EXPECT_EQ(button->MouseOver, 0);

    button->Active = 1;
    button->Disabled = 1;
    Press(1);
    EXPECT_EQ(ManageAt(150, 120, {button}), 1) << "ClickDisabled lets it click";
    button->ClickDisabled = 0;
    Press(1);
    EXPECT_EQ(ManageAt(150, 120, {button}), 0);
}

TEST_F(ButtonTest, PressedPictureRefusesClicksWhileItShows) {
    WritePicture("OK_down.png", 110, 40, 0xFF00FF00u);
    for (int clickWhenDown : {0, 1}) {
        TButtonRef button = MakeOK();
        Game->MenuPath = dir.Path();
        button->LoadMouseClick("OK_down", 100);
        Game->MenuPath = DataDir() + "menus/";
        button->ClickWhenDown = clickWhenDown;
        Press(1);
        EXPECT_EQ(ManageAt(150, 120, {button}), 1);
        EXPECT_EQ(button->MouseClickCounter, 19.0f) << "20 ticks, one gone in the clicking tick";
        ManageAt(150, 120, {button});
        Press(1);
        EXPECT_EQ(ManageAt(150, 120, {button}), clickWhenDown);
        for (int i = 0; i < 20; ++i)
            ManageAt(150, 120, {button});
        Press(1);
        EXPECT_EQ(ManageAt(150, 120, {button}), 1) << "after 20 ticks";
    }
}

TEST_F(ButtonTest, FixedGlowFadesOutAndAutoGlowPulses) {
    TButtonRef fixed = MakeOK(), pulsing = MakeOK(300, 300);
    fixed->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    pulsing->SetAutoGlow(0.0f, 0.3f, 1.0f, 1);
    ManageAt(150, 120, {fixed});
    int peakTick = 0;
    float peak = 0;
    for (int tick = 1; tick <= 180; ++tick) {
        ManageAt(10, 10, {fixed, pulsing});
        if (tick == 99) {
            EXPECT_GT(fixed->Glow, 0.0f);
        }
        if (tick == 100) {
            EXPECT_NEAR(fixed->Glow, 0.0f, 1e-4);
        }
        if (pulsing->Glow > peak) {
            peak = pulsing->Glow;
            peakTick = tick;
        }
    }
    EXPECT_EQ(peakTick, 90);
    EXPECT_NEAR(peak, 0.3f, 1e-5);
}

TEST_F(ButtonTest, LoadingNamesAndFailures) {
    TButtonRef button = MakeOK();
    EXPECT_EQ(button->name, "OK");
    Game->MenuPath = dir.Path();
    WritePicture("lone.png", 30, 20, 0xFFFFFFFFu);
    auto lone = std::make_shared<TButton>();
    lone->UseMenuPath = 1;
    lone->Load("lone", "loneMO", "", "", 0, 0, 1);
    EXPECT_EQ(lone->ImageMouseOver, lone->image) << "a missing hover picture";
    EXPECT_EQ(lone->w, 30);

    struct Case {
        std::function<void(TButton&)> load;
        std::string message;
    } cases[] = {
        {[](TButton& b) { b.Load("gone", "", "", "", 0, 0, 1); },
         "Error loading bitmap " + dir.Path() + "gone.png"},
        {[](TButton& b) { b.Load("gone", "", "", "", 10, 10, 3); },
         "Error loading anim bitmap " + dir.Path() + "gone.png"},
        {[](TButton& b) { b.Load("lone", "", "", "nothing", 0, 0, 1); },
         "Error loading sample " + DataDir() + "sound/nothing.wav"},
    };
    EXPECT_EQ(std::make_shared<TButton>()->Draw(), 0) << "nothing loaded, nothing drawn";
    for (const auto& c : cases) {
        errors.clear();
        auto failing = std::make_shared<TButton>();
        failing->UseMenuPath = 1;
        EXPECT_THROW(c.load(*failing), TReportedError);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0], c.message);
    }
}

TEST_F(ButtonTest, ButtonsWithoutAPoolPlayOnTheirOwnChannels) {
    Game->ChannelsKill();
    TButtonRef button = MakeOK();
    ASSERT_TRUE(button->ChannelClick);
    Press(1);
    ManageAt(150, 120, {button});
    EXPECT_EQ(ClickSounds(), 1);
    EXPECT_EQ(HoverSounds(), 1);
    button->Kill();
    EXPECT_FALSE(button->ChannelClick);
}

struct TLookDraw {
    int blend, r, alpha100;
    const TGameImage* picture;
};

class ButtonDrawTest : public ButtonTest {
protected:
    std::vector<TLookDraw> Draw(TButton& button) {
        recorder->calls.clear();
        float keptX = button.x, keptY = button.y;
        EXPECT_EQ(button.Draw(), 1);
        int r, g, b;
        float sx, sy;
        platform::GetColor(r, g, b);
        platform::GetScale(sx, sy);
        EXPECT_EQ(r + g + b, 765);
        EXPECT_EQ(platform::GetAlpha(), 1.0f);
        EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA);
        EXPECT_EQ(sx, 1.0f);
        EXPECT_EQ(button.x, keptX);
        EXPECT_EQ(button.y, keptY);
        std::vector<TLookDraw> draws;
        for (const auto& call : Calls(platform::DrawKind::Image)) {
            // The sprite's light pass repeats its shadow in black, which adds nothing.
            if (call.state.blend == platform::BLEND_LIGHT && call.state.r + call.state.g + call.state.b == 0)
                continue;
            const TGameImage* picture = nullptr;
            for (const auto& candidate :
                 {button.image, button.ImageMouseOver, button.ImageDisabled, button.ImageMouseClick})
                if (candidate && candidate->image == call.image) picture = candidate.get();
            draws.push_back({call.state.blend, call.state.r, int(call.state.alpha * 100 + 0.5f), picture});
        }
        return draws;
    }
};

TEST_F(ButtonDrawTest, EachLookDrawsShadowPictureAndGlowInOrder) {
    WritePicture("OK_down.png", 110, 40, 0xFF00FF00u);
    WritePicture("OK_disabled.png", 110, 40, 0xFF808080u);
    TButtonRef button = MakeOK();
    Game->MenuPath = dir.Path();
    button->LoadMouseClick("OK_down", 100);
    button->LoadDisabled("OK_disabled");
    button->SetShadow(1, 3, 3, 0.4f);
    button->Alpha = 0.5f;
    button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    const TGameImage *normal = button->image.get(), *hover = button->ImageMouseOver.get(),
                     *down = button->ImageMouseClick.get(), *disabled = button->ImageDisabled.get();

    auto draws = Draw(*button);
    ASSERT_EQ(draws.size(), 2u) << "normal: shadow and picture, no glow yet";
    EXPECT_EQ(draws[0].r, 0);
    EXPECT_EQ(draws[0].alpha100, 20) << "shadow alpha times the button's";
    EXPECT_EQ(draws[1].picture, normal);
    EXPECT_EQ(draws[1].alpha100, 50);

    ManageAt(150, 120, {button});
    draws = Draw(*button);
    ASSERT_EQ(draws.size(), 3u) << "hovered: shadow, hover picture, light pass";
    EXPECT_EQ(draws[1].picture, hover);
    EXPECT_EQ(draws[2].blend, platform::BLEND_LIGHT);
    EXPECT_EQ(draws[2].picture, hover);

    Press(1);
    ManageAt(150, 120, {button});
    draws = Draw(*button);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[1].picture, down) << "pressed";

    button->ClearClick();
    button->Disabled = 1;
    draws = Draw(*button);
    ASSERT_EQ(draws.size(), 2u) << "disabled: no glow";
    EXPECT_EQ(draws[1].picture, disabled);

    button->ImageDisabled = nullptr;
    draws = Draw(*button);
    ASSERT_EQ(draws.size(), 2u) << "no disabled picture: the normal one at half alpha";
    EXPECT_EQ(draws[1].picture, normal);
    EXPECT_EQ(draws[1].alpha100, 25);
}

TEST_F(ButtonDrawTest, FadingGlowKeepsTheHoverLookOrTheNormalPictureWithoutOne) {
    TButtonRef button = MakeOK();
    button->SetFixedGlowOnMO(0.5f, 0.005f, 1);
    ManageAt(150, 120, {button});
    ManageAt(10, 10, {button});
    auto draws = Draw(*button);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].picture, button->ImageMouseOver.get());
    button->ImageMouseOver = nullptr;
    draws = Draw(*button);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].picture, button->image.get());
    EXPECT_EQ(draws[1].blend, platform::BLEND_LIGHT);
}

TEST_F(ButtonDrawTest, CaptionBoxGrowthAndMovesGoTogether) {
    TButtonRef button = MakeOK();
    button->SetupCaption("Go", MainFontSmall, TColor::Create(255, 255, 0, 1), nullptr, nullptr,
                         TColor::Create(0, 0, 255, 1));
    button->SetBoundingBoxAuto(0.5f, 0.5f);
    EXPECT_EQ(button->BoundingBox->X, 127.0f);
    EXPECT_EQ(button->BoundingBox->W, 56.0f);
    button->MoveBy(10, 20);
    EXPECT_EQ(button->Caption->X, 100 + 55 + 10);
    EXPECT_EQ(button->BoundingBox->Y, 130.0f);
    ManageAt(115, 125, {button});
    EXPECT_EQ(button->MouseOver, 0) << "outside the box, inside the picture";

    button->SetupScaleOnMO(1.2f, 0.05f, 0.1f);
    for (int i = 0; i < 10; ++i)
        ManageAt(170, 140, {button});
    EXPECT_FLOAT_EQ(button->ScaleOnMO, 1.2f);
    recorder->calls.clear();
    button->Draw();
    auto texts = Calls(platform::DrawKind::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().state.b, 255) << "the hovered caption in the inverse colour";
    auto images = Calls(platform::DrawKind::Image);
    EXPECT_FLOAT_EQ(images[0].state.scaleX, 1.2f);
    EXPECT_FLOAT_EQ(images[0].x, 110 - 0.2f * 55);
    ManageAt(10, 10, {button});
    EXPECT_FLOAT_EQ(button->ScaleOnMO, 1.1f) << "shrinks when the pointer leaves";
}

TEST_F(ButtonTest, HeldMouseRepeatsWithTheSecondSound) {
    TButtonRef button = MakeOK();
    button->SoundClick2 = TGameSound::Create(DataDir() + "sound/buttonMO.wav", 0);
    button->SetupMouseRepeat(20, 10); // 4 ticks, then 2
    Press(1);
    int clicks = 0;
    for (int i = 0; i < 9; ++i)
        clicks += ManageAt(150, 120, {button});
    EXPECT_EQ(clicks, 4) << "the press, then repeats at ticks 4, 6 and 8";
    EXPECT_EQ(ClickSounds(), 1);
    EXPECT_EQ(HoverSounds(), 1 + 3) << "hover once, the second sound for each repeat";
}

} // namespace

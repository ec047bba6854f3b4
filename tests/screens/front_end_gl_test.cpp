// The level map and the instructions on the real GL side: frames kept for a person to look at
// (the map at both ends of its zooms and browsing, the instructions in phases 1 and 2), and the
// overlap checks of the captions against the arrows, the level number and the help page's panels,
// and how well the map's captions read on their strip.
#include "Contrast.h"
#include "GLScene.h"
#include "GLWindow.h"
#include "InkBox.h"
#include "screens_fixture.h"

#include "platform/graphics.h"
#include "platform/input.h"

namespace screentest {
namespace {

using testsupport::InkOfDraw;
using testsupport::TInkBox;

class FrontEndScene : public testsupport::GLScene<ScreensTest> {
protected:
    void SetUp() override {
        GLScene::SetUp();
        // Only the posted input counts: the desktop's own pointer, which other tests on the same
        // display move, stays out.
        platform::IgnoreOsInput(true);
    }
    void TearDown() override {
        platform::IgnoreOsInput(false);
        GLScene::TearDown();
    }
    // The current screen's frame as the player sees it, without the pointer.
    static platform::PixmapRef Scene() {
        return testsupport::DrawScene([] { Game->CurrentTScreen->Draw(); });
    }
    // The draw calls of one frame of the current screen.
    std::vector<platform::DrawCall> Recorded() {
        return testsupport::RecordScene(recorder, [] { Game->CurrentTScreen->Draw(); });
    }
    // The ink box of every text call with that text (shadow and letters together).
    static TInkBox TextInk(const std::vector<platform::DrawCall>& calls, const std::string& text) {
        TInkBox box;
        for (const platform::DrawCall& c : calls)
            if (c.kind == platform::DrawKind::Text && c.text == text)
                box = testsupport::Union(box, InkOfDraw(c));
        return box;
    }
    void EnterMap(int level, int lockedLevel) {
        SetProgress(level, lockedLevel, true);
        SwitchTo(LevelSelectScreen);
        UntilBrowsing();
    }
};

TEST_F(FrontEndScene, TheMapAtBothZoomEndsAndBrowsing) {
    SetProgress(12, 13, true);
    SwitchTo(LevelSelectScreen);
    testsupport::SaveTestOutput(Scene(), "screens-map-opening-start.png");
    UntilBrowsing();
    MoveTo(400, 300);
    Frames(30);
    platform::PixmapRef browsing = Scene();
    testsupport::SaveTestOutput(browsing, "screens-map-browsing.png");
    // The strip darkens the lower band, and the far background shows nowhere black.
    const TInkBox all = testsupport::InkOf(browsing);
    EXPECT_EQ(all.left, 0);
    EXPECT_EQ(all.top, 0);
    Key(platform::vk::RETURN);
    Frame();
    while (LevelSelectScreen->Zoom->GetRatio() > 0)
        Frame();
    testsupport::SaveTestOutput(Scene(), "screens-map-choice-end.png");
    EXPECT_NEAR(LevelSelectScreen->Scale, 0.139535f, 1e-4);
}

TEST_F(FrontEndScene, ArrowsEndAboveTheirCaptionsInk) {
    EnterMap(1, 2);
    const std::vector<platform::DrawCall> calls = Recorded();
    for (auto [button, caption] : {std::pair{"back", "Menu"}, {"start", "Play"}}) {
        const TButtonRef b = LevelSelectScreen->Menu->FindButton(button);
        TInkBox arrow;
        for (const platform::DrawCall& c : calls)
            if (c.kind == platform::DrawKind::Image && c.x == b->x && c.y == b->y) arrow = InkOfDraw(c);
        const TInkBox text = TextInk(calls, caption);
        ASSERT_FALSE(arrow.Empty()) << button;
        ASSERT_FALSE(text.Empty()) << caption;
        EXPECT_LE(arrow.bottom + 2, text.top) << caption;
    }
}

// The number's letters stand at least 8 px after the word's, and their dark outlines stay apart.
TEST_F(FrontEndScene, LevelNumberKeepsClearOfTheWord) {
    for (int level : {1, 10, 55}) {
        EnterMap(level, 56);
        const std::vector<platform::DrawCall> calls = Recorded();
        const TInkBox word = TextInk(calls, "Level");
        const TInkBox number = TextInk(calls, std::to_string(level));
        ASSERT_FALSE(word.Empty() || number.Empty()) << level;
        const TInkBox wordLetters = InkOfDraw(testsupport::CallsOfText(calls, "Level").back());
        const TInkBox numberLetters =
            InkOfDraw(testsupport::CallsOfText(calls, std::to_string(level)).back());
        EXPECT_LE(wordLetters.right + 8, numberLetters.left) << level;
        EXPECT_LT(word.right, number.left) << level;
        SwitchTo(TitleScreen);
    }
}

// The map's captions stand out from what lies right around them by at least 4.5 to 1, also where
// the road's stars pass under the strip (level 37) and with the pointer on no arrow.
TEST_F(FrontEndScene, MapCaptionsReadAtFourAndAHalfToOne) {
    for (int level : {3, 37}) {
        EnterMap(level, 56);
        const platform::PixmapRef frame = Scene();
        const std::vector<platform::DrawCall> calls = Recorded();
        for (const std::string& caption :
             {std::string("Level"), std::to_string(level), std::string("Menu"), std::string("Play")}) {
            const std::vector<platform::DrawCall> copies = testsupport::CallsOfText(calls, caption);
            ASSERT_FALSE(copies.empty()) << caption;
            EXPECT_GE(testsupport::ReadingContrast(frame, {copies.back()}), 4.5) << level << ": " << caption;
        }
        SwitchTo(TitleScreen);
    }
}

TEST_F(FrontEndScene, InstructionsCaptionsTouchNoPanelNoOtherCaptionAndNotTheOkButton) {
    InstructionsScreen->Destination = TitleScreen;
    SwitchTo(InstructionsScreen);
    while (Game->GameFade->Active != 0)
        Frame();
    TAnimation& a = *InstructionsScreen->Anim1;
    a.CurrentPhase = 1;
    a.Counter = a.Length[1] / 2;
    testsupport::SaveTestOutput(Scene(), "screens-instructions-phase1.png");
    a.CurrentPhase = 2;
    a.Counter = a.Length[2] * 0.6f;
    testsupport::SaveTestOutput(Scene(), "screens-instructions-phase2.png");
    a.CurrentPhase = 1;
    const std::vector<platform::DrawCall> calls = Recorded();
    std::vector<TInkBox> lines;
    TInkBox ok;
    for (const platform::DrawCall& c : calls) {
        if (c.kind == platform::DrawKind::Text) lines.push_back(InkOfDraw(c));
        const TButtonRef button = InstructionsScreen->Menu->FindButton("OK");
        if (c.kind == platform::DrawKind::Image && c.x == button->x && c.y == button->y) ok = InkOfDraw(c);
    }
    ASSERT_EQ(lines.size(), 10u);
    ASSERT_FALSE(ok.Empty());
    // Each panel's cells and its 3-px frame.
    std::vector<TInkBox> panels;
    for (auto [x, y] : {std::pair{143, 160}, {503, 160}, {143, 335}, {503, 335}})
        panels.push_back({x - 3, y - 3, x + 152, y + 102});
    // The page's paper runs from x 50 to 750; every line keeps 8 px inside it.
    for (size_t i = 0; i < lines.size(); i++) {
        EXPECT_GE(lines[i].left, 50 + 8) << "line " << i;
        EXPECT_LE(lines[i].right, 750 - 8) << "line " << i;
        for (const TInkBox& panel : panels)
            EXPECT_FALSE(lines[i].Touches(panel)) << "line " << i;
        EXPECT_FALSE(lines[i].Touches(ok)) << "line " << i;
        for (size_t j = i + 1; j < lines.size(); j++) {
            const bool sameColumn = (lines[i].left < 400) == (lines[j].left < 400);
            if (sameColumn && std::abs(lines[i].top - lines[j].top) < 100) continue; // one caption
            EXPECT_FALSE(lines[i].Touches(lines[j])) << "lines " << i << " and " << j;
        }
    }
}

} // namespace
} // namespace screentest

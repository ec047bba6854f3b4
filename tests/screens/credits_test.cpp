// The credits page: what it draws in which order, and that every way out leads to the options with
// the music playing on.
#include "options_fixture.h"

#include "framework/cc_draw.h"

#include <cmath>

namespace screentest {
namespace {

class CreditsTest : public OptionsFixture {
protected:
    void EnterCredits() {
        Game->CurrentTScreen = OptionsScreen;
        Enter(CreditsScreen);
        audio->Clear();
        recorder->calls.clear();
    }
};

TEST_F(CreditsTest, DrawsThePaperTheRuleAndElevenCentredLinesWithOKOnTop) {
    EnterCredits();
    CreditsScreen->Draw();
    const auto& calls = recorder->calls;
    std::vector<platform::DrawCall> images;
    for (const platform::DrawCall& call : calls)
        if (call.kind == platform::DrawKind::Image) images.push_back(call);
    ASSERT_GE(images.size(), 5u);
    EXPECT_EQ(images[0].image, CreditsScreen->Image);
    EXPECT_EQ(images[0].state.blend, platform::BLEND_SOLID);
    const std::pair<TGameImageRef, std::pair<float, float>> decorations[] = {
        {CreditsScreen->BottomString, {210, -26}},
        {CreditsScreen->TagImage, {10, -26}},
        {CreditsScreen->TopString, {196, -26}}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(images[i + 1].image, decorations[i].first->image) << i;
        EXPECT_FLOAT_EQ(images[i + 1].x, decorations[i].second.first) << i;
        EXPECT_FLOAT_EQ(images[i + 1].y, decorations[i].second.second) << i;
        EXPECT_EQ(images[i + 1].state.blend, platform::BLEND_ALPHA);
    }
    std::vector<platform::DrawCall> rects;
    for (const platform::DrawCall& call : calls)
        if (call.kind == platform::DrawKind::Rect) rects.push_back(call);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(std::vector<float>({rects[0].x, rects[0].y, rects[0].w, rects[0].h}),
              std::vector<float>({95, 180, 272, 1}));
    EXPECT_EQ(std::vector<float>({rects[1].x, rects[1].y, rects[1].w, rects[1].h}),
              std::vector<float>({96, 181, 272, 1}));
    for (const platform::DrawCall& rect : rects)
        EXPECT_EQ(rect.state.r + rect.state.g + rect.state.b, 0);

    platform::SetImageFont(MainFontSmall);
    size_t lastText = 0;
    for (const TCreditsScreen::TCreditLine& line : TCreditsScreen::Lines) {
        const float x = std::floor(230.0f - float(platform::TextWidth(line.text)) / 2.0f + 0.5f);
        bool found = false;
        for (size_t i = 0; i < calls.size(); ++i) {
            const platform::DrawCall& call = calls[i];
            if (call.kind != platform::DrawKind::Text || call.text != line.text) continue;
            found = found || (call.x == x && call.y == float(line.y) && call.state.r == 0 &&
                              call.state.g == 0 && call.state.b == 0 && call.font == MainFontSmall);
            lastText = std::max(lastText, i);
        }
        EXPECT_TRUE(found) << line.text << " centred on 230 at " << line.y;
    }
    EXPECT_EQ(images.back().image, CreditsScreen->Menu->FindButton("OK")->image->image);
    EXPECT_FLOAT_EQ(images.back().x, 173.0f);
    size_t okAt = 0;
    for (size_t i = 0; i < calls.size(); ++i)
        if (calls[i].kind == platform::DrawKind::Image && calls[i].image == images.back().image) okAt = i;
    EXPECT_GT(okAt, lastText) << "OK over the text";
    EXPECT_EQ(std::vector<float>({ccShadowTextDepthX, ccShadowTextDepthY, ccShadowTextAlpha}),
              std::vector<float>({0, 0, 0}))
        << "the shadow setting stays for whoever draws next";
}

TEST_F(CreditsTest, OKEnterSpaceAndEscapeAllLeadToTheOptionsWithTheMusicPlayingOn) {
    const char* ways[] = {"click", "enter", "space", "escape"};
    for (const char* way : ways) {
        SCOPED_TRACE(way);
        OptionsScreen->Destination = caller;
        EnterCredits();
        const std::string how = way;
        if (how == "click") ClickButton("OK");
        if (how == "enter") Press(platform::vk::RETURN);
        if (how == "space") Press(platform::vk::SPACE);
        if (how == "escape") Press(platform::vk::ESCAPE);
        EXPECT_EQ(Game->DestinationTScreen, OptionsScreen);
        EXPECT_EQ(Game->GameFade->Active, 1);
        EXPECT_FALSE(Game->GameFade->Channel) << "the music is not faded";
        Settle();
        EXPECT_EQ(Game->CurrentTScreen, OptionsScreen);
        EXPECT_EQ(OptionsScreen->Destination, caller) << "the options still lead back to their caller";
        OptionsScreen->Kill();
        Game->CurrentTScreen = caller;
    }
}

} // namespace
} // namespace screentest

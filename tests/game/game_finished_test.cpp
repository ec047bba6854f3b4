// The game-finished screen: its fade-in, the laugh, the picture fading in and the end music, the
// ways out (any click, OK, Enter, Space and Escape, all through the same slow fade with the music),
// the OK button's place, and the title's music when the title follows.
#include "panels_fixture.h"

#include <functional>

namespace gametest {
namespace {

class GameFinishedTest : public PanelsTest {
protected:
    // The panel's "Click Anywhere" leads here: a 500 ms fade-out with the music.
    void EnterFinished() {
        Game->GameFade->Init(float(FADE_SPEED), 1, Game->MusicChannel, 1, 0, nullptr);
        Game->DestinationTScreen = GameFinishedScreen;
        ASSERT_TRUE(TicksUntil(GameFinishedScreen));
    }
    // The alpha the picture was last drawn with; -1 when it was not drawn.
    float SantaAlpha() {
        recorder->calls.clear();
        Game->ScreenDraw();
        float alpha = -1.0f;
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Image && GameFinishedScreen->Santa &&
                call.image == GameFinishedScreen->Santa->image)
                alpha = call.state.alpha;
        return alpha;
    }
    bool MusicCued(const std::string& name) const { return CuedCount(name) > 0; }
};

TEST_F(GameFinishedTest, FadesInLaughsThenFadesThePictureInAndStartsTheEndMusic) {
    audio->Clear();
    EnterFinished();
    EXPECT_EQ(Game->GameFade->Active, 1);
    EXPECT_EQ(Game->GameFade->Out, 0);
    EXPECT_EQ(Game->GameFade->Length, 100) << "500 ms";
    EXPECT_EQ(Game->MusicFileName, "gameend.ogg");
    EXPECT_FALSE(MusicCued("gameend")) << "loaded, not started";
    EXPECT_LE(SantaAlpha(), 1.0f / 240.0f) << "the entering tick runs the screen once";
    int tick = 0;
    while (Game->GameFade->Active != 0 && tick < 200) {
        EXPECT_EQ(CuedCount("hohoho"), 0) << "tick " << tick;
        Ticks(1);
        ++tick;
    }
    EXPECT_EQ(tick, 100);
    EXPECT_EQ(CuedCount("hohoho"), 1) << "the laugh as the fade-in ends";
    // The picture's 1200 ms (240 ticks) run in the screen's own ticks: the entering tick, the
    // tick the fade-in ends, then those after it.
    struct TProbe {
        int ticks; // after the fade-in
        float alpha;
        bool music;
    };
    const TProbe probes[] = {{0, 2.0f / 240.0f, false},
                             {118, 0.5f, false},
                             {237, 239.0f / 240.0f, false},
                             {238, 1.0f, true},
                             {600, 1.0f, true}};
    int at = 0;
    for (const TProbe& p : probes) {
        if (p.music && !MusicCued("gameend")) audio->Clear();
        Ticks(p.ticks - at);
        at = p.ticks;
        EXPECT_NEAR(SantaAlpha(), p.alpha, 0.001f) << "tick " << p.ticks;
        EXPECT_EQ(MusicCued("gameend"), p.music) << "tick " << p.ticks;
    }
    EXPECT_EQ(CuedCount("gameend"), 1);
    ASSERT_FALSE(MusicVolumes().empty());
    EXPECT_LT(MusicVolumes().front(), 0.1f) << "the end music fades in";
    TButtonRef ok = GameFinishedScreen->Menu->FindButton("OK");
    ASSERT_TRUE(ok);
    EXPECT_FLOAT_EQ(ok->y, float(ScreenHeight - ok->h - 15 + 10));
}

TEST_F(GameFinishedTest, EveryWayOutTakesTheSlowFadeWithTheMusicToTheTitle) {
    struct TCase {
        const char* name;
        int waitTicks; // after the fade-in
        std::function<void()> act;
    };
    const TCase cases[] = {
        {"left click anywhere", 300, [] { ClickAt(50, 50, 1); }},
        {"right click anywhere", 300, [] { ClickAt(700, 300, 3); }},
        {"click before the picture stands", 10, [] { ClickAt(50, 50, 1); }},
        {"OK", 300, [this] { ClickButton(*GameFinishedScreen, "OK"); }},
        {"Enter", 300, [] { TypedKey(platform::vk::RETURN); }},
        {"Space", 300, [] { TypedKey(platform::vk::SPACE); }},
        {"Escape", 300, [] { Key(platform::vk::ESCAPE); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        Game->CurrentTScreen = play;
        EnterFinished();
        TicksUntilFaded();
        Ticks(c.waitTicks);
        c.act();
        Ticks(1);
        ASSERT_EQ(Game->GameFade->Active, 1);
        EXPECT_EQ(Game->GameFade->Out, 1);
        EXPECT_EQ(Game->GameFade->Length, 300) << "1500 ms";
        EXPECT_EQ(Game->GameFade->Channel, Game->MusicChannel);
        EXPECT_EQ(Game->DestinationTScreen, TitleScreen);
        Ticks(290);
        EXPECT_EQ(Game->CurrentTScreen, GameFinishedScreen) << "still fading";
        ASSERT_TRUE(TicksUntil(TitleScreen, 20));
        TicksUntilFaded();
    }
}

TEST_F(GameFinishedTest, TheTitleThatFollowsReloadsAndFadesInItsOwnMusic) {
    EnterFinished();
    TicksUntilFaded();
    Ticks(300);
    audio->Clear();
    ClickAt(400, 300);
    ASSERT_TRUE(TicksUntil(TitleScreen));
    EXPECT_EQ(Game->MusicName, "title.ogg");
    EXPECT_EQ(CuedCount("title.ogg"), 1);
    ASSERT_FALSE(MusicVolumes().empty());
    EXPECT_LT(MusicVolumes().front(), 0.1f) << "the title's music starts with a fade-in";
}

} // namespace
} // namespace gametest

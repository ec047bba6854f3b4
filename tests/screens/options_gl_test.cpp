// The options, the credits and the high-score table on the real GL side: the full-screen switch,
// frames kept for a person to look at, and the overlap checks of what each screen draws, measured
// by its ink.
#include "Contrast.h"
#include "GLScene.h"
#include "GLWindow.h"
#include "InkBox.h"
#include "options_fixture.h"

#include "platform/graphics.h"
#include "widgets/dialog_builders.h"

#include <map>

namespace screentest {
namespace {

using testsupport::InkOfDraw;
using testsupport::TInkBox;
using testsupport::Union;

std::string Describe(const TInkBox& b) {
    return "(" + std::to_string(b.left) + "," + std::to_string(b.top) + ")-(" + std::to_string(b.right) +
           "," + std::to_string(b.bottom) + ")";
}

class OptionsScene : public testsupport::GLScene<OptionsFixture> {
protected:
    void SetUp() override {
        // Only posted input counts: the display's own focus and pointer, which other runs on it
        // change (a lost focus pauses the game), stay out, also while the set-up's loading pumps.
        platform::IgnoreOsInput(true);
        GLScene::SetUp();
    }
    void TearDown() override {
        platform::IgnoreOsInput(false);
        platform::SetRenderer(recorder);
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
    // The ink of every image draw of one picture at one place, glow passes included.
    static TInkBox ImageInk(const std::vector<platform::DrawCall>& calls, const platform::ImageRef& image,
                            float x, float y) {
        TInkBox box;
        for (const platform::DrawCall& c : calls)
            if (c.kind == platform::DrawKind::Image && c.image == image && c.x == x && c.y == y)
                box = Union(box, InkOfDraw(c));
        return box;
    }
    static TInkBox TextInk(const std::vector<platform::DrawCall>& calls, const std::string& text, float y) {
        TInkBox box;
        for (const platform::DrawCall& c : calls)
            if (c.kind == platform::DrawKind::Text && c.text == text && c.y == y)
                box = Union(box, InkOfDraw(c));
        return box;
    }
    static void ExpectApart(const std::map<std::string, TInkBox>& pieces) {
        for (auto a = pieces.begin(); a != pieces.end(); ++a) {
            EXPECT_FALSE(a->second.Empty()) << a->first;
            for (auto b = std::next(a); b != pieces.end(); ++b)
                EXPECT_FALSE(a->second.Touches(b->second))
                    << a->first << " " << Describe(a->second) << " touches " << b->first << " "
                    << Describe(b->second);
        }
    }
};

// The switch reopens the graphics mode, so it runs where the test's window already is.
TEST_F(OptionsScene, TheFullScreenToggleSavesAtOnceAndShowsTheNewState) {
    Game->FullScreen = 1;
    EnterOptions();
    ClickButton("fullscreen");
    EXPECT_EQ(Game->FullScreen, 0);
    EXPECT_EQ(Setting("FULL SCREEN"), "0");
    EXPECT_TRUE(ChangeMarker());
    TButtonRef toggle = OptionsScreen->Menu->FindButton("fullscreen");
    ASSERT_TRUE(toggle) << "the reloaded button keeps its name";
    EXPECT_EQ(toggle->image->name, "OFF");
    EXPECT_FLOAT_EQ(toggle->x, 276.0f);
    EXPECT_FLOAT_EQ(toggle->y, 419.0f);
    EXPECT_EQ(toggle->SoundClick, OptionsScreen->Menu->SoundClick);
    ClickButton("credits");
    Settle();
    EXPECT_EQ(Game->CurrentTScreen, CreditsScreen);
    EXPECT_EQ(Setting("FULL SCREEN"), "0") << "kept when the screen is left without saving";
}

TEST_F(OptionsScene, NoCaptionSliderToggleOrButtonTouchesAnother) {
    Game->MusicVolume = 40;
    Game->SoundVolume = 75;
    Game->Particles = 20;
    EnterOptions();
    testsupport::SaveTestOutput(Scene(), "screens-options.png");
    const auto calls = Recorded();
    const TOptionsScreen& o = *OptionsScreen;
    std::map<std::string, TInkBox> pieces;
    const std::pair<const char*, TGameImageRef> captions[] = {{"music caption", o.MusicLabel},
                                                              {"sound caption", o.SoundLabel},
                                                              {"detail caption", o.DetailLabel},
                                                              {"full-screen caption", o.FullscreenLabel}};
    const std::pair<float, float> captionPoints[] = {{231, 203}, {231, 281}, {231, 359}, {180, 445}};
    for (size_t i = 0; i < 4; ++i)
        pieces[captions[i].first] =
            ImageInk(calls, captions[i].second->image, captionPoints[i].first, captionPoints[i].second);
    for (const auto& [label, slider] :
         {std::pair{"music", o.MusicSlider}, {"sound", o.SoundSlider}, {"detail", o.DetailSlider}}) {
        pieces[std::string(label) + " slider"] =
            Union(ImageInk(calls, slider->image->image, slider->x, slider->y),
                  ImageInk(calls, slider->DotImage->image, float(slider->DotX), float(slider->DotY)));
    }
    for (const char* name : {"fullscreen", "credits", "OK"}) {
        TButtonRef button = o.Menu->FindButton(name);
        pieces[name] = ImageInk(calls, button->image->image, button->x, button->y);
    }
    ExpectApart(pieces);
    EXPECT_LT(pieces["fullscreen"].bottom, pieces["credits"].top);
}

TEST_F(OptionsScene, CreditLinesFitThePaperApartFromEachOtherAndAboveOK) {
    Game->CurrentTScreen = OptionsScreen;
    Enter(CreditsScreen);
    testsupport::SaveTestOutput(Scene(), "screens-credits.png");
    const auto calls = Recorded();
    platform::SetImageFont(MainFontSmall);
    std::map<std::string, TInkBox> lines;
    for (const TCreditsScreen::TCreditLine& line : TCreditsScreen::Lines) {
        EXPECT_LE(platform::TextWidth(line.text), 360) << line.text;
        const TInkBox ink = TextInk(calls, line.text, float(line.y));
        EXPECT_GE(ink.left, 50) << line.text;
        EXPECT_LE(ink.right, 410) << line.text;
        lines[std::to_string(line.y) + " " + line.text] = ink;
    }
    ExpectApart(lines);
    TButtonRef ok = CreditsScreen->Menu->FindButton("OK");
    const TInkBox okInk = ImageInk(calls, ok->image->image, ok->x, ok->y);
    for (const auto& [line, ink] : lines)
        EXPECT_LT(ink.bottom, okInk.top) << line;
}

TEST_F(OptionsScene, ScoreRowsHeadingsAndClearKeepApart) {
    Game->HighScores->Create(Game->SubPath + "sw", 10);
    Game->HighScores->Load();
    Game->CurrentTScreen = caller;
    HighScoresScreen->PreStart();
    Tick(300);
    testsupport::SaveTestOutput(Scene(), "screens-highscores.png");
    const auto calls = Recorded();
    const THighScoresScreen& h = *HighScoresScreen;
    std::map<std::string, TInkBox> pieces;
    for (const char* heading : {"Name", "Score", "Lev"})
        pieces["headings"] = Union(pieces["headings"], TextInk(calls, heading, 170));
    int i = 0;
    for (const auto& row : *Game->HighScores) {
        const float y = float(h.StartY + 20 * i);
        TInkBox ink = TextInk(calls, row->name, y);
        ink = Union(ink, TextInk(calls, std::to_string(row->score), y));
        ink = Union(ink, TextInk(calls, std::to_string(row->level), y));
        pieces["row " + std::to_string(i)] = ink;
        ++i;
    }
    TButtonRef clear = h.Menu->FindButton("clear");
    pieces["clear"] = ImageInk(calls, clear->image->image, clear->x, clear->y);
    ExpectApart(pieces);
    HighScoresScreen->DialogYesNo = MakeDialogYesNo("Clear High Scores - are you sure");
    testsupport::SaveTestOutput(Scene(), "screens-highscores-question.png");
}

// Texts a player must read stand out from what lies right around them by at least 4.5 to 1: the
// options captions on their paper, and the question before the table is cleared, whose white
// caption on the grey box gets a dark outline.
TEST_F(OptionsScene, CaptionsAndTheClearQuestionReadAtFourAndAHalfToOne) {
    EnterOptions();
    platform::PixmapRef frame = Scene();
    std::vector<platform::DrawCall> calls = Recorded();
    const TOptionsScreen& o = *OptionsScreen;
    for (const TGameImageRef& label : {o.MusicLabel, o.SoundLabel, o.DetailLabel, o.FullscreenLabel})
        EXPECT_GE(testsupport::ReadingContrast(frame, testsupport::CallsOfImage(calls, label->image)), 4.5);

    Game->HighScores->Create(Game->SubPath + "sw", 10);
    Game->HighScores->Load();
    Game->CurrentTScreen = caller;
    HighScoresScreen->PreStart();
    Tick(300);
    HighScoresScreen->DialogYesNo = MakeDialogYesNo("Clear High Scores - are you sure");
    frame = Scene();
    calls = Recorded();
    const TLabel& caption = *HighScoresScreen->DialogYesNo->Caption;
    const TStringArray lines = caption.WordWrap > 0 ? caption.TextArray : TStringArray{caption.Text};
    for (const std::string& line : lines) {
        const std::vector<platform::DrawCall> copies = testsupport::CallsOfText(calls, line);
        ASSERT_FALSE(copies.empty()) << line;
        EXPECT_GE(testsupport::ReadingContrast(frame, {copies.back()}), 4.5) << line;
    }
}

} // namespace
} // namespace screentest

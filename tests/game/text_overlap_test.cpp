// The texts of the hint scroll, the level-complete panel, the game-finished screen and the
// game-over screen keep clear of one another, of the pictures beside them and of their frames,
// measured glyph by glyph, shadows included where a frame must hold them.
#include "TextInk.h"
#include "game_fixture.h"

#include "game/TGameFinishedScreen.h"
#include "game/TGameOverScreen.h"
#include "profiles/THighScoreList.h"
#include "profiles/TProfile.h"

#include <algorithm>
#include <string>
#include <vector>

namespace gametest {
namespace {

using textink::Box;

// Where an image call puts its picture.
Box ImageBox(const platform::DrawCall& call) {
    const float x0 = call.x - call.handleX, y0 = call.y - call.handleY;
    return {x0, y0, x0 + call.w, y0 + call.h};
}

// "" when no glyph of any text meets the box; else the first text that does.
std::string TextMeeting(const std::vector<textink::Text>& texts, const Box& box) {
    for (const textink::Text& text : texts)
        for (const Box& glyph : text.body)
            if (glyph.Meets(box)) return text.text;
    return "";
}

class TextOverlapTest : public GameTest {
protected:
    std::vector<textink::Text> Drawn(const std::function<void()>& draw) {
        recorder->calls.clear();
        draw();
        return textink::Texts(recorder->calls);
    }
    std::vector<Box> Images(const platform::ImageRef& image) const {
        std::vector<Box> boxes;
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Image && call.image == image)
                boxes.push_back(ImageBox(call));
        return boxes;
    }
    static Box ButtonBox(const TButton& b) { return {b.x, b.y, b.x + float(b.w), b.y + float(b.h)}; }
    void CtrlJ() {
        Post(platform::EVENT_KEY_DOWN, vk::LCONTROL);
        Post(platform::EVENT_KEY_DOWN, vk::J);
        Tick();
        Post(platform::EVENT_KEY_UP, vk::J);
        Post(platform::EVENT_KEY_UP, vk::LCONTROL);
    }
};

TEST_F(TextOverlapTest, EveryHintFitsItsPageAboveOKAndClearOfItsIcon) {
    EnterLevel(10);
    RunIntro();
    struct TCase {
        int hint, levelAfterWin;
    };
    std::vector<TCase> cases;
    for (int hint : {1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 16, 17})
        cases.push_back({hint, 10});
    cases.push_back({21, 6});
    cases.push_back({21, 56});
    for (const TCase& c : cases) {
        SCOPED_TRACE("hint " + std::to_string(c.hint) + " at level " + std::to_string(c.levelAfterWin));
        GameScreen->Player.Level = c.levelAfterWin;
        HintScroll->LoadSpecial(c.hint);
        HintScroll->Show(0);
        Ticks(100);
        std::vector<textink::Text> texts = Drawn([] { HintScroll->Draw(); });
        std::vector<textink::Text> lines;
        for (const textink::Text& t : texts)
            if (t.text != "Hint") lines.push_back(t);
        ASSERT_EQ(int(lines.size()), HintScroll->TotalLines);
        EXPECT_EQ(textink::FirstOverlap(texts), "");
        const TButton& ok = *HintScroll->Menu->FindButton("OK");
        const Box aboveOK{0.0f, 0.0f, 800.0f, ok.y - 4.0f};
        for (const textink::Text& line : lines) {
            EXPECT_EQ(textink::FirstOutside(line, aboveOK), "") << line.text;
            float left = 800.0f, right = 0.0f;
            for (const Box& glyph : line.body) {
                left = std::min(left, glyph.x0);
                right = std::max(right, glyph.x1);
            }
            EXPECT_LE(right - left, 300.0f) << line.text;
        }
        for (const Box& icon : Images(HintScroll->Icon->image))
            EXPECT_EQ(TextMeeting(texts, icon), "");
        if (HintScroll->Frame) {
            for (const Box& frame : Images(HintScroll->Frame->image))
                EXPECT_EQ(TextMeeting(texts, frame), "");
        }
        HintScroll->Kill();
    }
}

TEST_F(TextOverlapTest, ThePanelAtRestKeepsItsTextsApartAndItsRowsInsideTheScroll) {
    struct TCase {
        int level, score, matches;
        float seconds;
    };
    for (TCase c : {TCase{1, 0, 0, 0.0f}, TCase{55, 999999, 9999, 5999.0f}}) {
        SCOPED_TRACE("level " + std::to_string(c.level));
        TProfile& profile = *Game->CurrentProfile;
        profile.LockedLevel = 56;
        for (int f = 0; f < 9; ++f)
            profile.HintsShown[size_t(f)] = 1;
        profile.Save();
        EnterLevel(c.level);
        RunIntro();
        CtrlJ();
        for (int i = 0; i < 3000 && GameScreen->OutroAnim->Active && LevelCompleteScreen->Active == 0; ++i) {
            TPlayer& p = GameScreen->Player;
            p.Score = p.LevelStartScore + c.score;
            p.Kills = c.matches;
            p.TimeTaken = c.seconds * 200.0f;
            Tick();
        }
        ASSERT_EQ(LevelCompleteScreen->Active, 1);
        Ticks(100);
        std::vector<textink::Text> texts = Drawn([] { LevelCompleteScreen->Draw(); });
        EXPECT_EQ(textink::FirstOverlap(texts), "");
        const Box inner{224.0f, 0.0f, 576.0f, 600.0f};
        for (const char* row : {"Score", "Matches", "Time"}) {
            std::vector<textink::Text> found = textink::Find(texts, row);
            ASSERT_EQ(found.size(), 1u) << row;
            EXPECT_EQ(textink::FirstOutside(found[0], inner), "");
        }
        const std::string values[] = {std::to_string(c.score), std::to_string(c.matches),
                                      TLevelCompleteScreen::TimeText(c.seconds * 200.0f)};
        for (const std::string& value : values) {
            std::vector<textink::Text> found = textink::Find(texts, value);
            ASSERT_FALSE(found.empty()) << value;
            EXPECT_EQ(textink::FirstOutside(found.back(), inner), "") << value;
        }
        EXPECT_EQ(TextMeeting(texts, ButtonBox(*LevelCompleteScreen->Menu->FindButton("OK"))), "");
        const TSprite& header = *LevelCompleteScreen->Header;
        EXPECT_EQ(TextMeeting(texts,
                              {header.x - float(header.image->w) / 2, header.y - float(header.image->h) / 2,
                               header.x + float(header.image->w) / 2, header.y + float(header.image->h) / 2}),
                  "");
        GameScreen->Kill();
    }
}

TEST_F(TextOverlapTest, ClickAnywhereStandsInsideTheScreen) {
    LevelCompleteScreen->Load();
    LevelCompleteScreen->Active = 2;
    std::vector<textink::Text> texts = Drawn([] { LevelCompleteScreen->Draw(); });
    std::vector<textink::Text> prompt = textink::Find(texts, "Click Anywhere");
    ASSERT_EQ(prompt.size(), 1u);
    EXPECT_EQ(textink::FirstOutside(prompt[0], {0, 0, 800, 600}), "");
}

TEST_F(TextOverlapTest, TheGameFinishedTextsThePictureAndOKStandApart) {
    GameFinishedScreen = std::make_shared<TGameFinishedScreen>();
    GameFinishedScreen->Load();
    GameFinishedScreen->Start();
    std::vector<textink::Text> texts = Drawn([] { GameFinishedScreen->Draw(); });
    EXPECT_EQ(textink::FirstOverlap(texts), "");
    for (const Box& santa : Images(GameFinishedScreen->Santa->image))
        EXPECT_EQ(TextMeeting(texts, santa), "");
    EXPECT_EQ(TextMeeting(texts, ButtonBox(*GameFinishedScreen->Menu->FindButton("OK"))), "");
    GameFinishedScreen->Kill();
    GameFinishedScreen = nullptr;
}

TEST_F(TextOverlapTest, TheGameOverTextsStandApartWithAndWithoutAnEntry) {
    GameOverScreen = std::make_shared<TGameOverScreen>();
    GameOverScreen->Player = &GameScreen->Player;
    TPlayer& p = GameScreen->Player;
    p.TotalKills = 99999;
    p.TotalTimeTaken = 200.0 * 35999.0;
    for (const char* name : {"", "jgpqy", "(Zed)"}) {
        SCOPED_TRACE(name);
        const bool entry = std::string(name) != "";
        p.Score = entry ? 9999999 : 0;
        Game->HighScores->CreateDefault();
        GameOverScreen->Load();
        GameOverScreen->GameTotals->Start();
        for (int i = 0; i < 300; ++i)
            GameOverScreen->GameTotals->Manage();
        ASSERT_EQ(GameOverScreen->High->HighScore, entry ? 1 : 0);
        GameOverScreen->High->InputName.Text = name;
        std::vector<textink::Text> texts = Drawn([] { GameOverScreen->Draw(); });
        EXPECT_EQ(textink::FirstOverlap(texts), "");
        EXPECT_EQ(TextMeeting(texts, ButtonBox(*GameOverScreen->Menu->FindButton("OK"))), "");
        GameOverScreen->Kill();
        Game->BlockKeys = 0;
    }
    GameOverScreen = nullptr;
}

} // namespace
} // namespace gametest

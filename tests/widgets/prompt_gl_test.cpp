// The name prompt on the real GL side, and a scripted run through two name prompts and a list box
// on the fake clock, drawn every tick.
#include "WidgetHarness.h"
#include "title_list_box.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_files.h"
#include "platform/TPixmap.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/system.h"
#include "widgets/dialog_builders.h"

#include <map>

using namespace widgettest;

namespace {

int Brightness(const platform::PixmapRef& frame, int x, int y) {
    uint32_t p = platform::ReadPixel(frame, x, y);
    return int((p >> 16) & 255) + int((p >> 8) & 255) + int(p & 255);
}

// Whether some pixel of the rectangle is near the colour.
bool AnyNear(const platform::PixmapRef& frame, int x0, int y0, int w, int h, int r, int g, int b, int tol) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (testsupport::PixelNear(frame, x, y, r, g, b, tol)) return true;
    return false;
}

class PromptSceneTest : public WidgetGLTest {
protected:
    platform::ImageRef title;
    TDialogTextInputRef prompt;

    void SetUp() override {
        WidgetGLTest::SetUp();
        title = ccLoadBitmap(Game->ImagePath + "title.jpg", -1);
    }
    void TearDown() override {
        if (prompt) prompt->Kill();
        prompt = nullptr;
        WidgetGLTest::TearDown();
    }
    void Backdrop(const platform::ImageRef& picture, float atX = 0, float atY = 0) {
        platform::Cls();
        platform::SetBlend(platform::BLEND_SOLID);
        platform::DrawImage(picture, atX, atY);
        platform::SetBlend(platform::BLEND_ALPHA);
    }
    // The prompt started, with the text typed one character a tick.
    void OpenWith(int cancel, const std::string& text) {
        prompt = EnterNamePrompt(cancel);
        prompt->Start();
        Type(text);
        for (size_t i = 0; i < text.size(); ++i)
            Tick([&] { prompt->Manage(); });
    }
    platform::PixmapRef Frame(const std::string& name) {
        Backdrop(title);
        prompt->Draw();
        platform::PixmapRef frame = Grab();
        testsupport::SaveTestOutput(frame, "widgets-" + name + ".png");
        return frame;
    }
    int CaretX() const {
        platform::SetImageFont(UIFont);
        return prompt->TextInput->X + platform::TextWidth(prompt->TextInput->Text);
    }
};

TEST_F(PromptSceneTest, NamePromptWithBobAndTheCaret) {
    OpenWith(0, "Bob");
    ASSERT_EQ(prompt->TextInput->CursorOn, 1);
    platform::PixmapRef frame = Frame("name-prompt");
    // The entry box (250, 297, 300, 46) is darker than the picture right above it.
    EXPECT_LT(Brightness(frame, 530, 305), Brightness(frame, 530, 290));
    EXPECT_LT(Brightness(frame, 300, 338), Brightness(frame, 300, 350));
    EXPECT_TRUE(AnyNear(frame, CaretX(), 302, 16, 36, 255, 255, 255, 30)) << "the white caret";
}

TEST_F(PromptSceneTest, NamePromptWithCancelHiddenCaretAndOKHovered) {
    OpenWith(1, "Christopher");
    prompt->TextInput->CursorOn = 0;
    TButtonRef ok = prompt->Menu->FindButton("OK");
    platform::PixmapRef plain = Frame("name-prompt-cancel");
    const uint32_t before = platform::ReadPixel(plain, int(ok->x) + 55, int(ok->y) + 20);
    MouseTo(int(ok->x) + 55, int(ok->y) + 20);
    Tick([&] { prompt->Manage(); });
    EXPECT_EQ(prompt->Menu->MouseOverName, "OK");
    platform::PixmapRef frame = Frame("name-prompt-cancel");
    EXPECT_NE(platform::ReadPixel(frame, int(ok->x) + 55, int(ok->y) + 20), before)
        << "the hover picture and glow";
    EXPECT_FALSE(AnyNear(frame, CaretX(), 285, 16, 36, 255, 255, 255, 10)) << "no caret in its hidden phase";
}

TEST_F(PromptSceneTest, TwelveWideLettersRunPastTheEntryBox) {
    OpenWith(0, "WWWWWWWWWWWW");
    EXPECT_EQ(prompt->TextInput->Text.size(), 12u);
    platform::SetImageFont(UIFont);
    EXPECT_GT(platform::TextWidth(prompt->TextInput->Text), 280);
    platform::PixmapRef frame = Frame("name-prompt-full");
    EXPECT_TRUE(AnyNear(frame, 551, 302, 30, 36, 255, 255, 255, 40))
        << "white text beyond the box's right edge";
}

TEST_F(PromptSceneTest, TheRedErrorBoxOverThePrompt) {
    platform::CreateDir(Game->ProfilePath, true);
    dir.Write("profiles/Bob.dat", "");
    OpenWith(0, "bob");
    KeyType(platform::vk::RETURN, 13);
    Tick([&] { prompt->Manage(); });
    ASSERT_TRUE(prompt->DialogOK);
    platform::PixmapRef frame = Frame("name-error");
    const TDialogOKRef& box = prompt->DialogOK;
    EXPECT_TRUE(AnyNear(frame, box->x, box->y, box->w, 50, 255, 0, 0, 40)) << "red caption";
}

class PromptScriptTest : public PromptSceneTest {};

TEST_F(PromptScriptTest, TwoNamePromptsAndAListBoxDrivenByScript) {
    platform::CreateDir(Game->ProfilePath, true);
    dir.Write("profiles/ZOE.dat", "");
    // Where the buttons and rows will be.
    auto probe = EnterNamePrompt(1);
    probe->Start();
    TButtonRef okButton = probe->Menu->FindButton("OK");
    const std::string ok =
        std::to_string(int(okButton->x) + 55) + " " + std::to_string(int(okButton->y) + 20);
    probe->Kill();
    TListBoxRef list = TitleListBox();
    list->ClickSound = TGameSound::Create(Game->SoundPath + "buttonclick.wav", 0);
    auto row = [&](int i) {
        return std::to_string(400) + " " + std::to_string(215 + i * list->LineHeight + list->LineHeight / 2);
    };
    const platform::ImageRef chooser = ccLoadBitmap(Game->ImagePath + "chooseplayer.png", -1);

    auto key = [](int at, int vk, int code) {
        return std::vector<std::pair<int, std::string>>{{at, "key_down " + std::to_string(vk)},
                                                        {at, "char " + std::to_string(code)},
                                                        {at, "key_up " + std::to_string(vk)}};
    };
    std::vector<std::pair<int, std::string>> events = {{10, "char 122"}, {20, "char 111"}, {30, "char 235"},
                                                       {40, "char 47"},  {50, "char 120"}, {160, "char 101"}};
    for (auto part :
         {key(150, 8, 8), key(200, 13, 13), key(300, 27, 27), key(400, 8, 8), key(410, 8, 8), key(420, 8, 8)})
        events.insert(events.end(), part.begin(), part.end());
    for (auto e : std::vector<std::pair<int, std::string>>{{450, "char 65"},
                                                           {460, "char 110"},
                                                           {470, "char 110"},
                                                           {500, "mouse_move " + ok},
                                                           {510, "mouse_down 1"},
                                                           {520, "mouse_up 1"},
                                                           {700, "char 120"}})
        events.push_back(e);
    for (auto part : {key(750, 27, 27)})
        events.insert(events.end(), part.begin(), part.end());
    for (auto e : std::vector<std::pair<int, std::string>>{{900, "mouse_move " + row(2)},
                                                           {900, "mouse_down 1"},
                                                           {905, "mouse_up 1"},
                                                           {950, "wheel 3"},
                                                           {1000, "key_down 40"},
                                                           {1590, "key_up 40"},
                                                           {1700, "mouse_move " + row(5)},
                                                           {1700, "mouse_down 1"},
                                                           {1705, "mouse_up 1"},
                                                           {1800, "mouse_down 1"},
                                                           {1805, "mouse_up 1"}})
        events.push_back(e);
    audio->Clear();
    ASSERT_EQ(Game->IgnoreEscapeKey, 0);
    const int start = platform::MilliSecs();
    Script(events);
    auto elapsed = [&] { return platform::MilliSecs() - start; };

    struct Answer {
        int ms, result;
        std::string text;
        int clicks, blockKeys, ignoreEscape;
    };
    std::vector<Answer> answers;
    prompt = EnterNamePrompt(1);
    prompt->Start();
    int prompts = 1;
    bool listing = false;
    std::map<int, std::string> keep = {{100, "script-name-zox"}, {250, "script-name-error"}};
    std::vector<int> rows;
    while (elapsed() < 1900) {
        Tick([&] {
            if (prompt) {
                const int result = prompt->Manage();
                if (elapsed() == 100) {
                    EXPECT_EQ(prompt->TextInput->Text, "zox");
                }
                if (elapsed() == 250) {
                    EXPECT_TRUE(prompt->DialogOK) << "the red box";
                    EXPECT_EQ(Game->BlockKeys, 1);
                }
                if (elapsed() == 350) {
                    EXPECT_FALSE(prompt->DialogOK) << "Escape closed the box";
                    EXPECT_EQ(Game->IgnoreEscapeKey, 1) << "the prompt still holds Escape";
                    EXPECT_EQ(prompt->TextInput->Text, "Zoe");
                }
                if (result == 0) return;
                answers.push_back({elapsed(), result, prompt->TextInput->Text, ClickSounds(), Game->BlockKeys,
                                   Game->IgnoreEscapeKey});
                if (result == 1) dir.Write("profiles/" + prompt->TextInput->Text + ".dat", "");
                prompt->Kill();
                prompt = nullptr;
                if (prompts++ == 1) {
                    prompt = EnterNamePrompt(1);
                    prompt->Start();
                } else {
                    listing = true;
                }
            } else if (listing) {
                list->Manage();
                if (rows.empty() || rows.back() != list->Index) rows.push_back(list->Index);
                if (elapsed() == 960) {
                    EXPECT_EQ(list->Index, 2) << "the wheel changes nothing";
                }
            }
        });
        if (listing) {
            Backdrop(chooser, 80, 60);
            list->Draw();
        } else {
            Backdrop(title);
            if (prompt) prompt->Draw();
        }
        auto kept = keep.find(elapsed());
        if (kept != keep.end()) testsupport::SaveTestOutput(Grab(), "widgets-" + kept->second + ".png");
    }
    testsupport::SaveTestOutput(Grab(), "widgets-script-list-double-click.png");

    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].result, 1);
    EXPECT_EQ(answers[0].text, "Ann");
    EXPECT_EQ(answers[0].ms, 510) << "in the tick of the click";
    EXPECT_EQ(answers[0].blockKeys, 0);
    EXPECT_EQ(answers[0].ignoreEscape, 0);
    EXPECT_EQ(answers[1].result, -1);
    EXPECT_EQ(answers[1].ms, 750);
    EXPECT_EQ(answers[1].blockKeys, 0);
    EXPECT_EQ(answers[1].ignoreEscape, 0);
    // Clicks: Enter's simulated OK, the box's OK closed by Escape (its own click), OK, then Cancel.
    EXPECT_EQ(answers[0].clicks, 3);
    EXPECT_EQ(answers[1].clicks, 4);
    EXPECT_EQ(rows, (std::vector<int>{-1, 2, 3, 4, 5}));
    EXPECT_EQ(list->DoubleClicked, 5);
    EXPECT_EQ(ClickSounds(), 4 + 1 + 3 + 1) << "row 2, three moves, the first press on row 5";
    EXPECT_EQ(platform::ListDir(Game->ProfilePath),
              (std::vector<std::string>{".", "..", "Ann.dat", "ZOE.dat"}));
    list->Kill();
}

} // namespace

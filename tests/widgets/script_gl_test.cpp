// A scripted run through six dialogs on the fake clock, drawn every tick: scripted clicks, pointer
// moves, wheel turns and keys answer message and question boxes one after the other, each
// answer in its expected tick with one click sound, and the Escape flag given back each time.
#include "WidgetHarness.h"

#include "core/TGame.h"
#include "framework/cc_files.h"
#include "platform/draw.h"
#include "platform/system.h"
#include "widgets/dialog_builders.h"

#include <map>

using namespace widgettest;

namespace {

class DialogScriptTest : public WidgetGLTest {};

TEST_F(DialogScriptTest, SixDialogsAnsweredByScript) {
    std::vector<std::function<TDialogRef()>> builders = {
        [] { return MakeOKDialog("Your game has been saved."); },
        [] { return MakeDialogYesNo("Are you sure you want to delete this player?"); },
        [] { return MakeDialogYesNo("Clear the high scores?"); },
        [] { return MakeDialogYesNo("Leave the game?"); },
        [] { return MakeDialogYesNo("Start again?"); },
        [] { return MakeOKDialog("Well done!"); },
    };
    // Where the buttons will be: a box built and dropped again.
    auto probe = [&](size_t index, const std::string& name) {
        TDialogRef dialog = builders[index]();
        TButtonRef button = dialog->Menu->FindButton(name);
        std::string at = std::to_string(int(button->x) + 40) + " " + std::to_string(int(button->y) + 20);
        dialog->Kill();
        return at;
    };
    std::string ok = probe(0, "OK"), yes = probe(1, "Yes");
    ASSERT_EQ(Game->IgnoreEscapeKey, 0);
    audio->Clear();
    Script({{20, "mouse_move " + ok},
            {20, "mouse_down 1"},
            {20, "mouse_up 1"},
            {40, "mouse_move " + yes},
            {50, "wheel 3"},
            {70, "key_down 78"},
            {72, "key_up 78"},
            {100, "key_down 89"},
            {100, "key_up 89"},
            {130, "key_down 27"},
            {130, "key_up 27"},
            {160, "key_down 13"},
            {160, "key_up 13"},
            {190, "key_down 32"},
            {190, "key_up 32"}});

    platform::ImageRef title = ccLoadBitmap(Game->ImagePath + "title.jpg", -1);
    std::map<int, std::string> keep = {{3, "script-1-message"},   {4, "script-after-ok-click"},
                                       {9, "script-yes-hovered"}, {13, "script-2-question"},
                                       {19, "script-3-question"}, {25, "script-4-question"},
                                       {31, "script-5-question"}, {37, "script-6-message"}};
    struct Answer {
        int tick, result, clickSounds, ignoreEscape;
    };
    std::vector<Answer> answers;
    size_t next = 0;
    TDialogRef dialog;
    for (int tick = 1; tick <= 45; ++tick) {
        Tick([&] {
            if (!dialog && next < builders.size()) dialog = builders[next++]();
            if (!dialog) return;
            int result = dialog->Manage();
            if (result == 0) return;
            dialog->Kill();
            answers.push_back({tick, result, ClickSounds(), Game->IgnoreEscapeKey});
            dialog = next < builders.size() ? builders[next++]() : nullptr;
        });
        platform::SetBlend(platform::BLEND_SOLID);
        platform::DrawImage(title, 0, 0);
        platform::SetBlend(platform::BLEND_ALPHA);
        if (dialog) dialog->Draw();
        if (keep.count(tick)) testsupport::SaveTestOutput(Grab(), "widgets-" + keep[tick] + ".png");
        if (tick == 10) {
            EXPECT_EQ(dialog->Menu->MouseOverName, "YES") << "the wheel changed nothing";
            EXPECT_EQ(dialog->Active, 1);
        }
    }
    std::vector<int> ticks, results, sounds, flags;
    for (const auto& a : answers) {
        ticks.push_back(a.tick);
        results.push_back(a.result);
        sounds.push_back(a.clickSounds);
        flags.push_back(a.ignoreEscape);
    }
    EXPECT_EQ(ticks, std::vector<int>({4, 14, 20, 26, 32, 38}));
    EXPECT_EQ(results, std::vector<int>({1, -1, 1, -1, 1, 1}));
    EXPECT_EQ(sounds, std::vector<int>({1, 2, 3, 4, 5, 6})) << "one click sound per answer";
    EXPECT_EQ(flags, std::vector<int>({0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(dialog);
}

} // namespace

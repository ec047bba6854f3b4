// Key and mouse repeat: the first press, the initial delay, the repeats, release and fractions.
#include "WidgetHarness.h"

#include "core/TGame.h"
#include "framework/core_services.h"
#include "media/TMousePointer.h"
#include "platform/input.h"
#include "widgets/TKeyRepeat.h"

using namespace widgettest;

namespace {

TEST_F(WidgetTest, HeldKeyRepeatsAfterItsDelays) {
    auto repeat = TKeyRepeat::Create(400, 100);
    KeyHold(platform::vk::UP);
    std::vector<int> answered;
    for (int tick = 0; tick < 200; ++tick)
        Tick([&] {
            if (repeat->GetKey(platform::vk::UP)) answered.push_back(tick);
        });
    EXPECT_EQ(answered, std::vector<int>({0, 80, 100, 120, 140, 160, 180}));
}

TEST_F(WidgetTest, ReleaseForOneTickRestartsTheInitialDelay) {
    auto up = TKeyRepeat::Create(400, 100), down = TKeyRepeat::Create(50, 20);
    KeyHold(platform::vk::UP);
    KeyHold(platform::vk::DOWN);
    std::vector<int> ups, downs;
    auto ask = [&](int tick) {
        Tick([&] {
            if (up->GetKey(platform::vk::UP)) ups.push_back(tick);
            if (down->GetKey(platform::vk::DOWN)) downs.push_back(tick);
        });
    };
    for (int tick = 0; tick < 50; ++tick)
        ask(tick);
    KeyRelease(platform::vk::UP);
    ask(50);
    KeyHold(platform::vk::UP);
    for (int tick = 51; tick < 140; ++tick)
        ask(tick);
    EXPECT_EQ(ups, std::vector<int>({0, 51, 131}));
    EXPECT_EQ(downs, std::vector<int>({0,   10,  14,  18,  22,  26,  30,  34,  38,  42, 46, 50,
                                       54,  58,  62,  66,  70,  74,  78,  82,  86,  90, 94, 98,
                                       102, 106, 110, 114, 118, 122, 126, 130, 134, 138}))
        << "a second key runs on its own";
}

TEST_F(WidgetTest, FractionalTicksCountExactlyInTheInitialDelayOnly) {
    auto repeat = TKeyRepeat::Create(10, 25); // 2 ticks, then 5 ticks
    KeyHold('A');
    Tick([&] { EXPECT_EQ(repeat->GetKey('A'), 1); });
    Delta = 0.5f;
    EXPECT_EQ(repeat->GetKey('A'), 0);
    EXPECT_EQ(repeat->InitialDelayCounter, 1.5f);
    Delta = 1.5f;
    EXPECT_EQ(repeat->GetKey('A'), 1);
    EXPECT_EQ(repeat->DelayCounter, 5);
    Delta = 0.25f;
    repeat->GetKey('A');
    EXPECT_EQ(repeat->DelayCounter, 4) << "a quarter tick takes a whole tick off";
}

TEST_F(WidgetTest, RepeatDelayUnderOneTickRepeatsEveryTick) {
    auto repeat = TKeyRepeat::Create(5, 2);
    KeyHold('A');
    int answers = 0;
    for (int tick = 0; tick < 10; ++tick)
        Tick([&] { answers += repeat->GetKey('A'); });
    EXPECT_EQ(answers, 10) << "the press, the first repeat, then one a tick instead of none";
}

TEST_F(WidgetTest, MouseRepeatTellsRepeatsFromThePressOfAnyButton) {
    auto repeat = TMouseRepeat::Create(10, 5);
    Press(3);
    std::vector<int> answers;
    for (int tick = 0; tick < 5; ++tick)
        Tick([&] { answers.push_back(repeat->GetButton()); });
    Release(3);
    Tick([&] { answers.push_back(repeat->GetButton()); });
    EXPECT_EQ(answers, std::vector<int>({1, 0, 2, 2, 2, 0}));
}

} // namespace

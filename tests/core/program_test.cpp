// The program body's error report, the graphics mode's size choice, the data folder the start-up
// reads, and the debug counters with the overlay's panel.
#include "core_fixture.h"

#include "core/graphics_mode.h"
#include "program/program.h"

#include "platform/files.h"
#include "platform/system.h"

#include <unistd.h>

namespace coretest {
namespace {

std::string MessageOf(std::exception_ptr error, int stage) {
    int was = DebugInt;
    DebugInt = stage;
    std::string message = GeneralErrorMessage(error);
    DebugInt = was;
    return message;
}

TEST(GeneralError, TheReportNamesTheStageOfTheGamesOwnErrorsOnly) {
    auto runtime = std::make_exception_ptr(platform::TRuntimeError("Cannot find it"));
    EXPECT_EQ(MessageOf(runtime, 1014), "(1014) Cannot find it");
    EXPECT_EQ(MessageOf(runtime, 0), "Cannot find it");
    EXPECT_EQ(MessageOf(std::make_exception_ptr(std::out_of_range("index 7")), 1014), "index 7");
    EXPECT_EQ(MessageOf(std::make_exception_ptr(42), 1014), "Unknown error");
}

TEST(ModeSize, TheSizeIsChosenFromTheAvailableHeightAlone) {
    struct TCase {
        int desktopHeight, fullScreen, width, height;
    };
    const TCase cases[] = {
        {480, 1, 640, 480},  {480, 0, 0, 0},      {600, 1, 800, 600}, {600, 0, 640, 480},
        {670, 1, 800, 600},  {670, 0, 800, 600},  {768, 1, 800, 600}, {768, 0, 800, 600},
        {1080, 1, 800, 600}, {1080, 0, 800, 600}, {479, 1, 0, 0},     {549, 0, 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.desktopHeight) + (c.fullScreen ? " full screen" : " window"));
        std::optional<TModeSize> size = ChooseModeSize(c.desktopHeight, c.fullScreen);
        if (c.width == 0) {
            EXPECT_FALSE(size);
        } else {
            ASSERT_TRUE(size);
            EXPECT_EQ(size->width, c.width);
            EXPECT_EQ(size->height, c.height);
        }
    }
    EXPECT_EQ(NoSuitableResolutionMessage(640, 480),
              "Cannot find a suitable resolution. Desktop Resolution= 640x480");
}

using StartUpTest = CoreTest;

// A test's or a tool's own data folder is the one read, not the data installed beside the
// executable; with none given, the installed data is.
TEST_F(StartUpTest, TheKitsGameReadsTheDataFolderItIsGiven) {
    const std::string installed =
        platform::NormalPath(platform::ExtractDir(platform::AppFile()) + "/../share/sleetwhistle/");
    // The generated data again, reached through a folder of the test's own.
    const std::string own = dir / "own/";
    platform::CreateDir(own, true);
    ASSERT_EQ(symlink(SLEETWHISTLE_TEST_DATA_DIR, (own + "Data").c_str()), 0);
    struct TCase {
        std::string dataDir, prefix;
    } cases[] = {{own + "Data", own + "Data/../"}, {"", installed}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.dataDir.empty() ? "none given" : c.dataDir);
        testkit::MakeGameObject();
        testkit::OpenGameData(c.dataDir);
        EXPECT_EQ(Game->DataPrefix, c.prefix);
        EXPECT_EQ(Game->ImagePath, c.prefix + "Data/graphics/");
        EXPECT_EQ(Game->LevelsPath, c.prefix + "Data/levels/");
    }
}

using CountersTest = CoreTest;

TEST_F(CountersTest, CountersShowTheirValuesPaddedWithAStopwatchPeakHeldAt999) {
    TDebugVar logic;
    logic.Label = "Logic   ";
    logic.Init();
    logic.Current = 7;
    logic.maximum = 7;
    EXPECT_EQ(logic.GetDisplay(), "Logic   007/007");
    logic.Start();
    platform::AdvanceClock(1500);
    logic.Calc();
    EXPECT_EQ(logic.GetDisplay(), "Logic   1500/999");
}

TEST_F(CountersTest, TheFrameRateWindowLastsAtLeast1002Milliseconds) {
    TFPSCounter fps;
    fps.Label = "FPS     ";
    fps.Init();
    EXPECT_EQ(fps.GetDisplay(), "FPS     000/999");
    for (int i = 0; i < 60; ++i) {
        platform::AdvanceClock(1001 / 60);
        fps.Calc();
    }
    platform::AdvanceClock(1001 - 60 * (1001 / 60)); // exactly 1001 ms: the window stays open
    fps.Calc();
    EXPECT_EQ(fps.Current, 0);
    platform::AdvanceClock(1);
    fps.Calc();
    EXPECT_EQ(fps.GetDisplay(), "FPS     062/062");
    for (int i = 0; i < 30; ++i)
        fps.Calc();
    platform::AdvanceClock(1002);
    fps.Calc();
    EXPECT_EQ(fps.GetDisplay(), "FPS     031/031");
    EXPECT_EQ(fps.maximum, 62);
}

TEST_F(CountersTest, TheOverlayPanelFitsItsLines) {
    Game->LogicTime->Label = "Logic   ";
    Game->FPS->Label = "FPS     ";
    Game->Debug = 1;
    Game->DebugDisplayX = 5;
    Game->DebugDisplayY = 95;
    struct TCase {
        int fpsOnly, placement;
        float height;
        size_t lines;
    };
    const TCase cases[] = {{1, 0, 22, 1}, {0, 0, 358, 29}, {0, 1, 382, 31}};
    for (const TCase& c : cases) {
        recorder->calls.clear();
        Game->DebugShowFPSOnly = c.fpsOnly;
        Game->GraphicPlacement = c.placement;
        EXPECT_EQ(Game->DebugPrint(), c.fpsOnly);
        ASSERT_FALSE(recorder->calls.empty());
        const platform::DrawCall& panel = recorder->calls[0];
        EXPECT_EQ(panel.kind, platform::DrawKind::Rect);
        EXPECT_EQ(panel.x, 0);
        EXPECT_EQ(panel.y, 90);
        EXPECT_EQ(panel.w, 350);
        EXPECT_EQ(panel.h, c.height);
        std::vector<std::string> texts;
        for (const auto& call : recorder->calls) // the shadows are drawn one pixel to the right
            if (call.kind == platform::DrawKind::Text && call.x == 5) texts.push_back(call.text);
        ASSERT_EQ(texts.size(), c.lines);
        EXPECT_EQ(texts[0].substr(0, 8), c.fpsOnly ? "FPS     " : "Logic   ");
        if (c.lines == 29) {
            EXPECT_EQ(texts[15], "Win Mem 0MB Used/0MB Total = 0% Load");
        }
    }
    Game->Debug = 0;
    recorder->calls.clear();
    Game->DebugPrint();
    EXPECT_TRUE(recorder->calls.empty());
}

} // namespace
} // namespace coretest

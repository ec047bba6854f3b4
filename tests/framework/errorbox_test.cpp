// The error box of an error report: drawn once a graphics mode is open, closed by a key that
// arrives while it is up (a key pending before it opened does not count) or by a window close,
// and logged before it shows.
#include "framework/cc_draw.h"
#include "framework/cc_errors.h"
#include "framework/cc_input.h"

#include "TempDir.h"

#include "platform/Renderer.h"
#include "platform/TStream.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/graphics.h"
#include "platform/input.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Records the box and, as soon as the box's last line has been drawn, posts its event: a key
// press unless told otherwise. The log as it stood at the first frame is kept; from the third
// frame on a key is pressed, so a box that ignores the event still ends.
class KeyPressingRenderer : public platform::TRecordingRenderer {
public:
    void Draw(const platform::DrawCall& call) override {
        TRecordingRenderer::Draw(call);
        if (call.text == "<press any key>" && call.state.g == 220) {
            if (++frames == 1 && !logPath.empty()) platform::LoadText(logPath, logAtFirstFrame);
            platform::TEvent event = press;
            if (frames >= 3) event = platform::TEvent{platform::EVENT_KEY_DOWN, platform::vk::SPACE, 0, 0};
            platform::PostEvent(event);
        }
    }
    int frames = 0;
    platform::TEvent press{platform::EVENT_KEY_DOWN, platform::vk::SPACE, 0, 0};
    std::string logPath, logAtFirstFrame;
};

class ErrorBoxTest : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    std::shared_ptr<KeyPressingRenderer> recorder = std::make_shared<KeyPressingRenderer>();

    void SetUp() override {
        ASSERT_TRUE(platform::Graphics(800, 600, 0, 60));
        ccDisablePolledInput();
        platform::SetRenderer(recorder);
        ccErrorPath = dir.Path();
        ccGraphicalErrors = 1;
    }
    void TearDown() override {
        platform::SetRenderer(nullptr);
        ccDisablePolledInput();
        platform::EndGraphics();
        ccErrorPath = "";
    }
};

TEST_F(ErrorBoxTest, BoxIsDrawnClosedByAKeyAndLogged) {
    platform::TEvent early;
    early.id = platform::EVENT_KEY_DOWN;
    early.data = 65;
    platform::PostEvent(early);
    ccShadowTextSet(5, 5, 0.5f);
    platform::ImageFontRef gameFont = platform::LoadImageFont(SLEETWHISTLE_TEST_FONT, 30);
    ASSERT_TRUE(gameFont);
    platform::SetImageFont(gameFont);
    EXPECT_EQ(ccRunTimeError("First\n\nThird", 0), 0);
    EXPECT_EQ(platform::GetImageFont(), gameFont); // the game's font is current again
    platform::SetImageFont(nullptr);

    EXPECT_EQ(recorder->frames, 1); // the early key did not close it
    std::vector<platform::DrawCall> rects, texts;
    for (const auto& c : recorder->calls) {
        if (c.kind == platform::DrawKind::Rect) rects.push_back(c);
        if (c.kind == platform::DrawKind::Text && c.state.g == 220) texts.push_back(c);
    }
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ((std::vector<float>{rects[0].x, rects[0].y, rects[1].x, rects[1].y, rects[1].w, rects[1].h}),
              (std::vector<float>{104, 254, 100, 250, 600, 100}));
    EXPECT_EQ(rects[0].state.r, 0);
    EXPECT_EQ(rects[1].state.r, 150);
    EXPECT_EQ(rects[1].state.blend, platform::BLEND_SOLID);
    float line = float(platform::TextHeight(""));
    std::vector<std::string> lines;
    std::vector<float> ys;
    for (const auto& t : texts) {
        lines.push_back(t.text), ys.push_back(t.y);
        EXPECT_EQ(t.font, platform::BuiltInFont()); // the box always has a font to draw with
        EXPECT_FLOAT_EQ(t.x, 400 - platform::TextWidth(t.text) / 2.0f);
    }
    // The empty middle line draws nothing but takes its place: "\n\n" is a blank line.
    EXPECT_EQ(lines, (std::vector<std::string>{"First", "Third", "<press any key>"}));
    EXPECT_EQ(ys, (std::vector<float>{260, 260 + 2 * line, 350 - line - 10}));
    EXPECT_EQ((std::vector<float>{ccShadowTextDepthX, ccShadowTextDepthY}), (std::vector<float>{1, 1}));
    EXPECT_EQ(ccPolledInputState, 0); // the input mode from before
    std::string log = dir.Read("ErrorLog.txt");
    EXPECT_EQ(log.substr(0, 59), std::string(57, '-') + "\r\n");
    EXPECT_NE(log.find("\r\nFirst\n\nThird\r\n"), std::string::npos);
}

TEST_F(ErrorBoxTest, PolledInputStaysOnWhenItWasOnAndLongLinesWrapInsideTheBox) {
    ccEnablePolledInput();
    std::string message;
    for (int i = 0; i < 40; ++i)
        message += "snowflake ";
    ccRunTimeError(message, 0);
    EXPECT_EQ(ccPolledInputState, 1);
    int bodyLines = 0;
    for (const auto& c : recorder->calls)
        if (c.kind == platform::DrawKind::Text && c.state.b == 220) { // the message's own lines
            ++bodyLines;
            EXPECT_LE(platform::TextWidth(c.text), 600 - 2 * 10) << c.text;
        }
    EXPECT_GT(bodyLines, 1);
}

// A path of exactly 200 characters ending in the given file name, its folders named by `folder`.
std::string LongPath(const std::string& folder, const std::string& file) {
    std::string path = "/";
    while (path.size() + folder.size() + 1 + file.size() <= 200)
        path += folder + "/";
    path += std::string(200 - path.size() - file.size() - 1, 'x') + "/" + file;
    return path;
}

TEST_F(ErrorBoxTest, ALongPathIsBrokenInsideTheBoxWithItsFileNameWhole) {
    const std::string file = "card.ttf";
    const std::string paths[] = {
        LongPath("share", file), LongPath(std::string(150, 'd'), file), // one folder name wider than the box
    };
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        ASSERT_EQ(path.size(), 200u);
        recorder->calls.clear();
        ccRunTimeError("Error loading file " + path, 0);
        platform::SetImageFont(nullptr); // measured with the box's own font
        const float line = float(platform::TextHeight(""));
        std::vector<platform::DrawCall> rects, body;
        float prompt = 0;
        for (const auto& c : recorder->calls) { // the first frame of the box
            if (c.kind == platform::DrawKind::Rect && c.state.r == 150) rects.push_back(c);
            if (c.kind == platform::DrawKind::Text && c.state.b == 220) body.push_back(c);
            if (c.kind == platform::DrawKind::Text && c.state.g == 220 && c.state.b == 0) {
                prompt = c.y;
                break;
            }
        }
        ASSERT_FALSE(rects.empty());
        const platform::DrawCall box = rects.back();
        std::string joined;
        bool fileWhole = false;
        for (size_t i = 0; i < body.size(); ++i) {
            const auto& t = body[i];
            EXPECT_LE(platform::TextWidth(t.text), box.w - 2 * 10) << t.text;
            EXPECT_GE(t.x, box.x + 10) << t.text;
            EXPECT_GE(t.y, box.y) << t.text;
            EXPECT_LE(t.y + line, prompt) << t.text << ": over the prompt";
            if (i > 0) joined += t.text;
            fileWhole = fileWhole || t.text.find(file) != std::string::npos;
        }
        EXPECT_LE(prompt + line, box.y + box.h) << "the prompt inside the box";
        ASSERT_FALSE(body.empty());
        EXPECT_EQ(body[0].text, "Error loading file");
        EXPECT_EQ(joined, path) << "the whole path, in order";
        EXPECT_TRUE(fileWhole);
        EXPECT_NE(dir.Read("ErrorLog.txt").find("\r\nError loading file " + path + "\r\n"), std::string::npos)
            << "the log keeps the whole path on one line";
    }
}

TEST_F(ErrorBoxTest, ACloseOrTerminateRequestDismissesTheBoxWhoseEntryIsAlreadyLogged) {
    recorder->logPath = dir / "ErrorLog.txt";
    for (int id : {platform::EVENT_WINDOW_CLOSE, platform::EVENT_APP_TERMINATE}) {
        SCOPED_TRACE(id);
        recorder->frames = 0;
        recorder->press = platform::TEvent{id, 0, 0, 0};
        EXPECT_EQ(ccRunTimeError("Closed " + std::to_string(id), 0), 0);
        EXPECT_EQ(recorder->frames, 1) << "the request closed the box";
        EXPECT_NE(recorder->logAtFirstFrame.find("\r\nClosed " + std::to_string(id) + "\r\n"),
                  std::string::npos);
        EXPECT_TRUE(platform::QuitRequested()) << "the request is left for the game";
        platform::FilterEvents([](const platform::TEvent&) { return false; });
    }
}

using ErrorBoxDeathTest = ErrorBoxTest;

TEST_F(ErrorBoxDeathTest, FatalReportEndsAfterTheBoxAndTheLog) {
    // A forked child cannot use the parent's GL context: the child runs the test afresh, with a
    // window of its own, and finds the parent's folder in the environment.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    setenv("FRAMEWORK_TEST_LOG_DIR", dir.Path().c_str(), 0); // the child keeps the parent's
    EXPECT_EXIT(
        {
            ccErrorPath = std::getenv("FRAMEWORK_TEST_LOG_DIR");
            ccRunTimeError("Fatal", 1);
        },
        ::testing::ExitedWithCode(1), "");
    unsetenv("FRAMEWORK_TEST_LOG_DIR");
    EXPECT_NE(dir.Read("ErrorLog.txt").find("\r\nFatal\r\n"), std::string::npos);
}

} // namespace

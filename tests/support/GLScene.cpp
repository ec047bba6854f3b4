#include "GLScene.h"

#include "platform/draw.h"
#include "platform/graphics.h"
#include "platform/image.h"

namespace testsupport {

void OpenSceneWindow() {
    if (!platform::CurrentGraphics() || platform::CurrentGraphics()->width != 800)
        platform::Graphics(800, 600, 0, 60);
}

void ResetSceneDrawing() {
    platform::SetRenderer(nullptr);
    platform::ResetDrawState();
    platform::ResetViewport();
}

platform::PixmapRef DrawScene(const std::function<void()>& draw) {
    platform::SetRenderer(nullptr);
    platform::ResetDrawState();
    draw();
    if (platform::CurrentRenderer()) platform::CurrentRenderer()->Flush();
    return platform::GrabPixmap(0, 0, 800, 600);
}

std::vector<platform::DrawCall> RecordScene(const std::shared_ptr<platform::TRecordingRenderer>& recorder,
                                            const std::function<void()>& draw) {
    recorder->calls.clear();
    platform::SetRenderer(recorder);
    platform::ResetDrawState();
    draw();
    platform::SetRenderer(nullptr);
    return recorder->calls;
}

int Brightness(uint32_t pixel) {
    return int((pixel >> 16) & 255) + int((pixel >> 8) & 255) + int(pixel & 255);
}

} // namespace testsupport

// Where draws go. Every draw of draw.h becomes one DrawCall carrying the whole drawing state and is
// handed to the current renderer: the GL renderer of the open mode, or one a test sets. The
// recording renderer keeps the calls, so tests check draw order and state without pixels.
#pragma once

#include "platform/font.h"
#include "platform/image.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {

struct DrawState {
    int blend = 3; // BLEND_ALPHA
    int r = 255, g = 255, b = 255;
    float alpha = 1.0f;
    float scaleX = 1.0f, scaleY = 1.0f;
    float rotation = 0.0f; // degrees
    float originX = 0.0f, originY = 0.0f;
    float handleX = 0.0f, handleY = 0.0f;
    int viewportX = 0, viewportY = 0, viewportW = 0, viewportH = 0;
};

enum class DrawKind { Clear, Rect, Oval, Line, Plot, Image, Text };

struct DrawCall {
    DrawKind kind = DrawKind::Rect;
    DrawState state;
    // Rect, Oval, Image: position and destination size. Line: from (x, y) to (w, h). Plot, Text: (x, y).
    float x = 0, y = 0, w = 0, h = 0;
    // Image: source rectangle within the frame and the handle in destination pixels.
    float srcX = 0, srcY = 0, srcW = 0, srcH = 0;
    float handleX = 0, handleY = 0;
    bool lastPixel = true;
    ImageRef image;
    int frame = 0;
    std::string text;
    ImageFontRef font; // Text: never null (the built-in font when none is set)
    int clsR = 0, clsG = 0, clsB = 0;
};

class TRenderer {
public:
    virtual ~TRenderer() = default;
    virtual void Draw(const DrawCall& call) = 0;
    // Draws everything still batched.
    virtual void Flush() {}
};

class TRecordingRenderer : public TRenderer {
public:
    void Draw(const DrawCall& call) override { calls.push_back(call); }
    std::vector<DrawCall> calls;
};

// Sets the renderer that receives draws (null: the GL renderer of the open mode; draws without
// an open mode and without a renderer are dropped).
void SetRenderer(std::shared_ptr<TRenderer> renderer);
TRenderer* CurrentRenderer();

} // namespace platform

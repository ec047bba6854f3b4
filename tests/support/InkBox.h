// The ink box of one draw: the draw replayed alone into a cleared 800 x 600 frame of the GL
// renderer, and the rectangle of the pixels that differ from the clear colour. Overlap checks
// measure texts and pictures with it exactly where a screen drew them.
#pragma once

#include "platform/Renderer.h"
#include "platform/TPixmap.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/graphics.h"
#include "platform/image.h"

#include <algorithm>

namespace testsupport {

struct TInkBox {
    int left = 800, top = 600, right = -1, bottom = -1; // inclusive; right < left when empty
    bool Empty() const { return right < left; }
    bool Touches(const TInkBox& o) const {
        return !Empty() && !o.Empty() && left <= o.right && o.left <= right && top <= o.bottom &&
               o.top <= bottom;
    }
};

// The smallest box around both; an empty box adds nothing.
inline TInkBox Union(const TInkBox& a, const TInkBox& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// The box of the frame's pixels that are not black.
inline TInkBox InkOf(const platform::PixmapRef& frame) {
    TInkBox box;
    for (int y = 0; y < frame->height; y++)
        for (int x = 0; x < frame->width; x++)
            if ((platform::ReadPixel(frame, x, y) & 0xFFFFFF) != 0) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

// Replays a recorded text or image draw alone on the GL renderer, in white (so faint ink shows),
// over a frame cleared to the grey level clear, and grabs the frame.
inline platform::PixmapRef ReplayAlone(const platform::DrawCall& call, int clear = 0) {
    std::shared_ptr<platform::TRenderer> none;
    platform::SetRenderer(none);
    platform::ResetDrawState();
    platform::SetClsColor(clear, clear, clear);
    platform::Cls();
    platform::SetBlend(call.kind == platform::DrawKind::Image ? platform::BLEND_ALPHA : call.state.blend);
    platform::SetScale(call.state.scaleX, call.state.scaleY);
    if (call.kind == platform::DrawKind::Text) {
        platform::SetImageFont(call.font);
        platform::DrawText(call.text, call.x, call.y);
    } else if (call.kind == platform::DrawKind::Image) {
        platform::DrawImage(call.image, call.x, call.y, call.frame);
    }
    platform::ResetDrawState();
    if (platform::CurrentRenderer()) platform::CurrentRenderer()->Flush();
    return platform::GrabPixmap(0, 0, 800, 600);
}

// The ink box of a recorded text or image draw replayed alone.
inline TInkBox InkOfDraw(const platform::DrawCall& call) {
    return InkOf(ReplayAlone(call));
}

} // namespace testsupport

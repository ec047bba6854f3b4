// TEMPORARY stand-in (see gaps.h): the drawing state handed to the renderer a test sets, a
// fixed-width font and a pretend graphics mode in place of the GL side.
#include "gaps.h"
#include "platform/Renderer.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/graphics.h"

namespace platform {
namespace {

DrawState state;
ImageFontRef font;
std::shared_ptr<TRenderer> renderer;
GraphicsRef graphics;

void Send(DrawKind kind, float x, float y, float w = 0, float h = 0, const std::string& text = "",
          int frame = 0, const ImageRef& image = nullptr) {
    if (!renderer) return;
    DrawCall call;
    call.kind = kind;
    call.state = state;
    call.x = x, call.y = y, call.w = w, call.h = h;
    call.text = text, call.frame = frame, call.image = image;
    renderer->Draw(call);
}

int Clamp(int v) {
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

} // namespace

SW_GAP void SetRenderer(std::shared_ptr<TRenderer> r) {
    renderer = std::move(r);
}
SW_GAP TRenderer* CurrentRenderer() {
    return renderer.get();
}

SW_GAP void SetClsColor(int, int, int) {}
SW_GAP void Cls() {
    Send(DrawKind::Clear, 0, 0);
}
SW_GAP void SetColor(int r, int g, int b) {
    state.r = Clamp(r), state.g = Clamp(g), state.b = Clamp(b);
}
SW_GAP void GetColor(int& r, int& g, int& b) {
    r = state.r, g = state.g, b = state.b;
}
SW_GAP void SetAlpha(float a) {
    state.alpha = a < 0 ? 0 : a > 1 ? 1 : a;
}
SW_GAP float GetAlpha() {
    return state.alpha;
}
SW_GAP void SetBlend(int blend) {
    state.blend = blend;
}
SW_GAP int GetBlend() {
    return state.blend;
}
SW_GAP void SetScale(float x, float y) {
    state.scaleX = x, state.scaleY = y;
}
SW_GAP void GetScale(float& x, float& y) {
    x = state.scaleX, y = state.scaleY;
}
SW_GAP void SetViewport(int x, int y, int w, int h) {
    state.viewportX = x, state.viewportY = y, state.viewportW = w, state.viewportH = h;
}
SW_GAP void ResetDrawState() {
    state = DrawState{};
}
SW_GAP void DrawRect(float x, float y, float w, float h) {
    Send(DrawKind::Rect, x, y, w, h);
}
SW_GAP void DrawOval(float x, float y, float w, float h) {
    Send(DrawKind::Oval, x, y, w, h);
}
SW_GAP void DrawLine(float x1, float y1, float x2, float y2, bool) {
    Send(DrawKind::Line, x1, y1, x2, y2);
}
SW_GAP void DrawImage(const ImageRef& image, float x, float y, int frame) {
    Send(DrawKind::Image, x, y, float(image->width), float(image->height), "", frame, image);
}
SW_GAP void DrawSubImageRect(const ImageRef& image, float x, float y, float w, float h, float, float, float,
                             float, float, float, int frame) {
    Send(DrawKind::Image, x, y, w, h, "", frame, image);
}
SW_GAP void DrawText(const std::string& text, float x, float y) {
    Send(DrawKind::Text, x, y, 0, 0, text);
}

SW_GAP void SetImageFont(const ImageFontRef& f) {
    font = f;
}
SW_GAP ImageFontRef GetImageFont() {
    return font;
}
SW_GAP int TextWidth(const std::string& text) {
    return int(text.size()) * gaps::GLYPH_WIDTH;
}
SW_GAP int TextHeight(const std::string&) {
    return gaps::LINE_HEIGHT;
}

SW_GAP GraphicsRef Graphics(int width, int height, int depth, int hertz, int flags) {
    graphics = std::make_shared<TGraphics>();
    graphics->width = width, graphics->height = height, graphics->depth = depth;
    graphics->hertz = hertz, graphics->flags = flags;
    return graphics;
}
SW_GAP void EndGraphics() {
    graphics = nullptr;
}
SW_GAP GraphicsRef CurrentGraphics() {
    return graphics;
}
SW_GAP void Flip(int) {}
SW_GAP PixmapRef GrabPixmap(int, int, int, int) {
    return nullptr;
}
SW_GAP int CountGraphicsModes() {
    return 0;
}
SW_GAP bool GetGraphicsMode(int, int&, int&, int&, int&) {
    return false;
}
SW_GAP long ActiveWindow() {
    return 0;
}
SW_GAP void CursorPos(int& x, int& y) {
    x = y = 0;
}
SW_GAP void DesktopSize(int& w, int& h) {
    w = 800, h = 600;
}
SW_GAP void WindowOrigin(long, int& x, int& y) {
    x = y = 0;
}

} // namespace platform

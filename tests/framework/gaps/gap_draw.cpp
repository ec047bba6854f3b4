// TEMPORARY stand-in (see gaps.h): drawing state, a log of draws, a fixed-width font and a frame
// counter in place of the GL side.
#include "gaps.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/graphics.h"

namespace gaps {
namespace {
bool graphicsOpen = false;
void (*flipHook)() = nullptr;
} // namespace
std::vector<TDrawCall>& DrawLog() {
    static std::vector<TDrawCall> log;
    return log;
}
void SetGraphicsOpen(bool open) {
    graphicsOpen = open;
}
void SetFlipHook(void (*hook)()) {
    flipHook = hook;
}
bool GraphicsOpen() {
    return graphicsOpen;
}
void Flipped() {
    if (flipHook) flipHook();
}
} // namespace gaps

namespace platform {
namespace {

struct TState {
    int r = 255, g = 255, b = 255;
    float alpha = 1;
    int blend = BLEND_ALPHA;
    float sx = 1, sy = 1, rotation = 0;
    int vx = 0, vy = 0, vw = 800, vh = 600;
    ImageFontRef font;
} state;

void Log(const char* what, float x, float y, float w = 0, float h = 0, const std::string& text = "",
         int frame = 0) {
    gaps::TDrawCall call;
    call.what = what;
    call.x = x, call.y = y, call.w = w, call.h = h, call.text = text, call.frame = frame;
    call.r = state.r, call.g = state.g, call.b = state.b, call.alpha = state.alpha, call.blend = state.blend;
    call.scaleX = state.sx, call.scaleY = state.sy;
    gaps::DrawLog().push_back(call);
}

int Clamp(int v) {
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

} // namespace

SW_GAP void SetClsColor(int, int, int) {}
SW_GAP void Cls() {
    Log("cls", 0, 0);
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
    state.sx = x, state.sy = y;
}
SW_GAP void GetScale(float& x, float& y) {
    x = state.sx, y = state.sy;
}
SW_GAP void SetViewport(int x, int y, int w, int h) {
    state.vx = x, state.vy = y, state.vw = w, state.vh = h;
}
SW_GAP void ResetDrawState() {
    state = TState{};
}
SW_GAP void DrawRect(float x, float y, float w, float h) {
    Log("rect", x, y, w, h);
}
SW_GAP void DrawOval(float x, float y, float w, float h) {
    Log("oval", x, y, w, h);
}
SW_GAP void DrawLine(float x1, float y1, float x2, float y2, bool) {
    Log("line", x1, y1, x2, y2);
}
SW_GAP void DrawImage(const ImageRef&, float x, float y, int frame) {
    Log("image", x, y, 0, 0, "", frame);
}
SW_GAP void DrawSubImageRect(const ImageRef&, float x, float y, float w, float h, float, float, float, float,
                             float, float, int frame) {
    Log("subimage", x, y, w, h, "", frame);
}
SW_GAP void DrawText(const std::string& text, float x, float y) {
    Log("text", x, y, 0, 0, text);
}

SW_GAP void SetImageFont(const ImageFontRef& font) {
    state.font = font;
}
SW_GAP ImageFontRef GetImageFont() {
    return state.font;
}
SW_GAP int TextWidth(const std::string& text) {
    return int(text.size()) * gaps::GLYPH_WIDTH;
}
SW_GAP int TextHeight(const std::string&) {
    return gaps::LINE_HEIGHT;
}

SW_GAP void Flip(int) {
    Log("flip", 0, 0);
    gaps::Flipped();
}
SW_GAP GraphicsRef CurrentGraphics() {
    return gaps::GraphicsOpen() ? std::make_shared<TGraphics>() : nullptr;
}
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

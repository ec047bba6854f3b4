// Drawing state and primitives: every draw becomes a DrawCall for the current renderer.
#include "platform/draw.h"

#include "platform/GLRenderer.h"
#include "platform/Renderer.h"
#include "platform/graphics.h"

#include <algorithm>

namespace platform {
namespace {

DrawState state;
int clsR = 0, clsG = 0, clsB = 0;
bool viewportSet = false;
std::shared_ptr<TRenderer> overrideRenderer;

int Clamp255(int v) {
    return std::clamp(v, 0, 255);
}

// The viewport follows the logical frame until a caller sets one.
DrawState CurrentState() {
    DrawState s = state;
    if (!viewportSet) {
        s.viewportX = 0;
        s.viewportY = 0;
        s.viewportW = LogicalWidth();
        s.viewportH = LogicalHeight();
    }
    return s;
}

void Submit(DrawCall& call) {
    TRenderer* renderer = CurrentRenderer();
    if (!renderer) return;
    call.state = CurrentState();
    renderer->Draw(call);
}

} // namespace

void SetRenderer(std::shared_ptr<TRenderer> renderer) {
    if (TRenderer* old = CurrentRenderer()) old->Flush();
    overrideRenderer = std::move(renderer);
}

TRenderer* CurrentRenderer() {
    if (overrideRenderer) return overrideRenderer.get();
    return ActiveGLRenderer();
}

void SetClsColor(int r, int g, int b) {
    clsR = Clamp255(r);
    clsG = Clamp255(g);
    clsB = Clamp255(b);
}

void Cls() {
    DrawCall call;
    call.kind = DrawKind::Clear;
    call.clsR = clsR;
    call.clsG = clsG;
    call.clsB = clsB;
    Submit(call);
}

void SetColor(int r, int g, int b) {
    state.r = Clamp255(r);
    state.g = Clamp255(g);
    state.b = Clamp255(b);
}

void GetColor(int& r, int& g, int& b) {
    r = state.r;
    g = state.g;
    b = state.b;
}

void SetAlpha(float alpha) {
    state.alpha = std::clamp(alpha, 0.0f, 1.0f);
}
float GetAlpha() {
    return state.alpha;
}
void SetBlend(int blend) {
    if (blend >= BLEND_MASK && blend <= BLEND_SHADE) state.blend = blend;
}
int GetBlend() {
    return state.blend;
}

void SetScale(float x, float y) {
    state.scaleX = x;
    state.scaleY = y;
}

void GetScale(float& x, float& y) {
    x = state.scaleX;
    y = state.scaleY;
}

void SetRotation(float degrees) {
    state.rotation = degrees;
}
float GetRotation() {
    return state.rotation;
}

void SetHandle(float x, float y) {
    state.handleX = x;
    state.handleY = y;
}

void SetViewport(int x, int y, int width, int height) {
    viewportSet = true;
    state.viewportX = x;
    state.viewportY = y;
    state.viewportW = std::max(0, width);
    state.viewportH = std::max(0, height);
}

void GetViewport(int& x, int& y, int& width, int& height) {
    DrawState s = CurrentState();
    x = s.viewportX;
    y = s.viewportY;
    width = s.viewportW;
    height = s.viewportH;
}

void ResetViewport() {
    viewportSet = false;
}

void ResetDrawState() {
    DrawState fresh;
    fresh.viewportX = state.viewportX;
    fresh.viewportY = state.viewportY;
    fresh.viewportW = state.viewportW;
    fresh.viewportH = state.viewportH;
    state = fresh;
}

static void SubmitShape(DrawKind kind, float x, float y, float w, float h) {
    DrawCall call;
    call.kind = kind;
    call.x = x;
    call.y = y;
    call.w = w;
    call.h = h;
    Submit(call);
}

void DrawRect(float x, float y, float width, float height) {
    SubmitShape(DrawKind::Rect, x, y, width, height);
}
void DrawOval(float x, float y, float width, float height) {
    SubmitShape(DrawKind::Oval, x, y, width, height);
}
void Plot(float x, float y) {
    SubmitShape(DrawKind::Plot, x, y, 1, 1);
}

void DrawLine(float x1, float y1, float x2, float y2, bool lastPixel) {
    DrawCall call;
    call.kind = DrawKind::Line;
    call.x = x1;
    call.y = y1;
    call.w = x2;
    call.h = y2;
    call.lastPixel = lastPixel;
    Submit(call);
}

void DrawSubImageRect(const ImageRef& image, float x, float y, float w, float h, float sx, float sy, float sw,
                      float sh, float hx, float hy, int frame) {
    if (!image || frame < 0 || frame >= (int)image->frames.size()) return;
    DrawCall call;
    call.kind = DrawKind::Image;
    call.image = image;
    call.frame = frame;
    call.x = x;
    call.y = y;
    call.w = w;
    call.h = h;
    call.srcX = sx;
    call.srcY = sy;
    call.srcW = sw;
    call.srcH = sh;
    call.handleX = hx;
    call.handleY = hy;
    Submit(call);
}

void DrawImage(const ImageRef& image, float x, float y, int frame) {
    if (!image) return;
    DrawSubImageRect(image, x, y, (float)image->width, (float)image->height, 0, 0, (float)image->width,
                     (float)image->height, image->handleX, image->handleY, frame);
}

void DrawImageRect(const ImageRef& image, float x, float y, float width, float height, int frame) {
    if (!image || image->width <= 0 || image->height <= 0) return;
    float hx = image->handleX * width / image->width, hy = image->handleY * height / image->height;
    DrawSubImageRect(image, x, y, width, height, 0, 0, (float)image->width, (float)image->height, hx, hy,
                     frame);
}

void DrawText(const std::string& text, float x, float y) {
    if (text.empty()) return;
    DrawCall call;
    call.kind = DrawKind::Text;
    call.x = x;
    call.y = y;
    call.text = text;
    call.font = GetImageFont();
    if (!call.font) return;
    Submit(call);
}

} // namespace platform

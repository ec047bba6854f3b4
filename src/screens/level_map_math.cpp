#include "screens/level_map_math.h"

namespace {

constexpr float EDGE_BAND = 60.0f;
constexpr float EDGE_SPEED = 2.0f; // pixels per tick at the very edge
constexpr float DOT_HALF = 10.0f;

// Holds a dot coordinate where the screen can centre it: within [screen/2, size - screen/2],
// the lower bound applied last.
float HoldCentre(float t, float size, float screen) {
    const float half = size / 2.0f, room = (size - screen) / 2.0f;
    if (t - half > room) t = half + room;
    if (t - half < -room) t = half - room;
    return t;
}

// The glide's goal on one axis: the dot in the middle at scale k, within the map's edges; the
// second bound wins.
float GlideGoal(float t, int screen, float size, float k) {
    float goal = float(screen / 2) - t * k;
    if (goal > 0.0f) goal = 0.0f;
    if (goal < float(screen) - size * k) goal = float(screen) - size * k;
    return goal;
}

float Clamp(float value, float low) {
    if (value < low) value = low;
    if (value > 0.0f) value = 0.0f;
    return value;
}

} // namespace

float MapZoomAmount(const TMapGeometry& g, int zoomIn, float r) {
    const float rest = 1.0f - g.Fit();
    if (zoomIn != 0) return r * rest;
    return 2.0f * (1.0f - r) * rest;
}

TMapScroll OpeningZoomScroll(const TMapGeometry& g, float dotX, float dotY, float zoomAmount, float r) {
    const float tx = HoldCentre(dotX, g.MapW, float(g.ScreenW));
    const float ty = HoldCentre(dotY + float(g.YOffset), g.MapH, float(g.ScreenH));
    const float k = 1.0f - zoomAmount;
    TMapScroll s;
    s.X = (float(g.ScreenW) - g.MapW * k) / 2.0f + (1.0f - r) * (g.MapW / 2.0f - tx) * k;
    s.Y = (float(g.ScreenH) - g.MapH * k) / 2.0f + (1.0f - r) * (g.MapH / 2.0f - ty) * k;
    return s;
}

TMapScroll ChoiceZoomScroll(const TMapGeometry& g, float dotX, float dotY, int lastX, int lastY, float r) {
    const float k = 1.0f - MapZoomAmount(g, 0, 0.0f);
    const float gx = GlideGoal(dotX, g.ScreenW, g.MapW, k);
    const float gy = GlideGoal(dotY + float(g.YOffset), g.ScreenH, g.MapH, k);
    TMapScroll s;
    s.X = float(lastX) - (1.0f - r) * (float(lastX) - gx);
    s.Y = float(lastY) - (1.0f - r) * (float(lastY) - gy);
    return s;
}

TMapScroll EdgeScroll(const TMapGeometry& g, TMapScroll scroll, float mx, float my, float delta) {
    const float sw = float(g.ScreenW), sh = float(g.ScreenH);
    if (mx < EDGE_BAND) scroll.X += (EDGE_BAND - mx) / EDGE_BAND * EDGE_SPEED * delta;
    if (mx > sw - EDGE_BAND) scroll.X -= (EDGE_BAND - (sw - mx)) / EDGE_BAND * EDGE_SPEED * delta;
    if (my < EDGE_BAND) scroll.Y += (EDGE_BAND - my) / EDGE_BAND * EDGE_SPEED * delta;
    if (my > sh - EDGE_BAND) scroll.Y -= (EDGE_BAND - (sh - my)) / EDGE_BAND * EDGE_SPEED * delta;
    scroll.X = Clamp(scroll.X, sw - g.MapW);
    scroll.Y = Clamp(scroll.Y, sh - g.MapH);
    return scroll;
}

int DotUnderPointer(const std::vector<TAccuratePoint>& dots, const TMapGeometry& g, TMapScroll scroll,
                    float mx, float my) {
    for (size_t i = 0; i < dots.size(); i++) {
        const float dx = dots[i].X + scroll.X;
        const float dy = dots[i].Y + scroll.Y + float(g.YOffset);
        if (dx - DOT_HALF <= mx && mx < dx + DOT_HALF && dy - DOT_HALF <= my && my < dy + DOT_HALF)
            return int(i);
    }
    return -1;
}

TMapRect FarBackgroundRect(TMapScroll scroll, float k, float bgW, float bgH) {
    return {scroll.X / 2.0f - 50.0f * k, scroll.Y / 2.0f - 210.0f * k, bgW * k, bgH * k};
}

// The level map's arithmetic, free of globals and drawing: how far each zoom has gone, where the
// map stands during the opening zoom and the glide after a choice, one tick of edge scrolling,
// which dot lies under the pointer and where the far background lands.
#pragma once

#include "framework/records.h"

#include <vector>

// The screen, the map picture and the map's vertical offset on screen, in pixels.
struct TMapGeometry {
    int ScreenW = 800, ScreenH = 600;
    float MapW = 0.0f, MapH = 0.0f;
    int YOffset = 70;

    // The scale at which the map's whole width fills the screen.
    float Fit() const { return float(ScreenW) / MapW; }
};

struct TMapScroll {
    float X = 0.0f, Y = 0.0f;
};

struct TMapRect {
    float X = 0.0f, Y = 0.0f, W = 0.0f, H = 0.0f;
};

// The zoom amount (the map is drawn at 1 - amount) at the zoom ratio r, which runs from 1 to 0.
// The opening zoom (zoomIn 1) shrinks it from 1 - fit to 0; the zoom after a choice grows it
// from 0 to 2 x (1 - fit).
float MapZoomAmount(const TMapGeometry& g, int zoomIn, float r);

// The scroll during the opening zoom onto the dot (dotX, dotY), in map pixels without the
// offset: centred at r 1, with the dot as near the screen's middle as the edges allow at r 0.
TMapScroll OpeningZoomScroll(const TMapGeometry& g, float dotX, float dotY, float zoomAmount, float r);

// The scroll during the glide after a choice: from (lastX, lastY) towards the place that puts the
// dot (dotX, dotY) in the middle of the screen at the zoom's end scale, within the map's edges.
TMapScroll ChoiceZoomScroll(const TMapGeometry& g, float dotX, float dotY, int lastX, int lastY, float r);

// The scroll after one tick of pushing the pointer (mx, my) into a 60-px band at a screen edge,
// clamped to the map's edges (the bound 0 applied last).
TMapScroll EdgeScroll(const TMapGeometry& g, TMapScroll scroll, float mx, float my, float delta);

// The index of the first dot in the list whose 20 x 20 square holds the pointer; -1 for none.
int DotUnderPointer(const std::vector<TAccuratePoint>& dots, const TMapGeometry& g, TMapScroll scroll,
                    float mx, float my);

// Where the far background (bgW x bgH) stands at the drawing scale k: it moves at half the
// map's speed.
TMapRect FarBackgroundRect(TMapScroll scroll, float k, float bgW, float bgH);

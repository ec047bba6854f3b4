// Drawings shared between the pictures: the board's shapes and bonus items (also used by the hint
// icons and the help page), sparkles, and the winter scenes.
#pragma once

#include "paint.h"

namespace assetgen {

// One of the seven ordinary shapes (code 1..7) centred on (cx, cy), drawn for a 50x50 cell at scale
// 1, turned by rot radians around its own pivot.
void DrawGem(cairo_t* cr, int code, double cx, double cy, double scale = 1, double rot = 0);
// A bonus item (code 8..15) for a 50x50 cell; phase 0..1 runs its idle loop.
void DrawBonus(cairo_t* cr, int code, double cx, double cy, double scale = 1, double phase = 0);
// A four-pointed glint with a soft glow.
void DrawGlint(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha = 1, double rot = 0);
// Ice tiles for the board: one pane, thick ice, and the ice cube lid.
void DrawIcePane(cairo_t* cr, double x, double y, double size);
void DrawThickIce(cairo_t* cr, double x, double y, double size);
void DrawIceCube(cairo_t* cr, double x, double y, double size);

// Winter scenes for backgrounds, slides and gallery pictures.
struct Scene {
    uint64_t seed = 1;
    int sky = 0; // 0 night, 1 dusk, 2 aurora night, 3 dawn
    bool moon = true;
    double moonX = 0.8, moonY = 0.18;
    int mountains = 1;     // 0 none, 1 far range
    int hills = 3;         // snowy hill layers
    double horizon = 0.62; // fraction of the height where the land begins
    int trees = 10;        // pines scattered on the hills
    int houses = 0;        // cottages with lit windows
    bool church = false;
    bool bigTree = false; // a decorated tree in the foreground
    bool lake = false;    // a frozen lake in front
    bool snowman = false;
    bool sleigh = false; // a sleigh and reindeer across the sky
    bool presents = false;
    int snowfall = 120;
    double dim = 0;         // 0..1: darkens and softens, for backgrounds behind the board
    double moonSize = 1;    // scale of the moon (and of the sleigh crossing it)
    double snowmanSize = 1; // scale of the snowman
    bool bigHouse = false;  // a cottage close up in the foreground
};
void DrawScene(cairo_t* cr, double w, double h, const Scene& scene);
void DrawPine(cairo_t* cr, double x, double baseY, double height, Rgb color, double snow = 1);
void DrawHouse(cairo_t* cr, double x, double baseY, double w, double h, Rgb wall, Rgb roof, Rng& rng);
// A sprig of three holly leaves and berries.
void HollyCorner(cairo_t* cr, double x, double y, double s, double rot);
void Presents(cairo_t* cr, double x, double baseY, double s);
void DrawSnowfall(cairo_t* cr, double w, double h, int count, Rng& rng, double maxR = 2.6);

} // namespace assetgen

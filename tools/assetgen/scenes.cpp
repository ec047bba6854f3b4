#include "art.h"
#include <cmath>
namespace assetgen {
void DrawSnowfall(cairo_t* cr, double w, double h, int count, Rng& rng, double maxR) {
    for (int i = 0; i < count; ++i) {
        double r = rng.Uniform(0.6, maxR);
        SetColor(cr, pal::Snow, rng.Uniform(0.35, 0.9));
        cairo_arc(cr, rng.Uniform(0, w), rng.Uniform(0, h), r, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}
}

// Collision layers: pixel-exact image tests, masks, and resets.
#include "platform/collide.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

// A 10 x 10 image whose left half is opaque.
ImageRef HalfImage() {
    auto image = CreateImage(10, 10, 1, 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 5; ++x)
            WritePixel(image->frames[0], x, y, 0xFFFFFFFFu);
    return image;
}

TEST(Collisions, RectanglesHitOnlyOpaquePixelsOfTheLayersTested) {
    ResetCollisions();
    int token = 0;
    auto image = HalfImage();
    EXPECT_TRUE(CollideImage(image, 100, 100, 0, 0, 1, &token).empty()) << "writing tests nothing";
    struct Case {
        int x, y, w, h;
        unsigned mask;
        bool hit;
    };
    const Case cases[] = {
        {100, 100, 1, 1, 1, true},   // top-left pixel
        {104, 109, 1, 1, 1, true},   // last opaque column
        {105, 100, 5, 10, 1, false}, // the transparent half
        {90, 90, 10, 10, 1, false},  // touches the corner only
        {100, 100, 1, 1, 2, false},  // another layer
        {95, 95, 30, 30, 3, true},
    };
    for (const Case& c : cases) {
        auto hits = CollideRect(c.x, c.y, c.w, c.h, c.mask, 0);
        EXPECT_EQ(!hits.empty(), c.hit) << c.x << "," << c.y << " mask " << c.mask;
        if (!hits.empty()) {
            EXPECT_EQ(hits[0], &token);
        }
    }
}

TEST(Collisions, HandlesPlaceTheImageAndResetEmptiesOnlyTheLayersAsked) {
    ResetCollisions();
    auto image = HalfImage();
    MidHandleImage(image);
    CollideImage(image, 100, 100, 0, 0, 1 | 4);
    EXPECT_FALSE(CollideRect(95, 95, 1, 1, 1, 0).empty());
    EXPECT_TRUE(CollideRect(100, 95, 5, 10, 1, 0).empty());
    ResetCollisions(1);
    EXPECT_TRUE(CollideRect(95, 95, 1, 1, 1, 0).empty());
    EXPECT_FALSE(CollideRect(95, 95, 1, 1, 4, 0).empty());
    auto hits = CollideImage(image, 100, 100, 0, 4, 0);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0], nullptr) << "written without an identifier, still a hit";
    ResetCollisions();
    EXPECT_TRUE(CollideRect(0, 0, 800, 600, 0xFFFFFFFFu, 0).empty());
}

} // namespace

// Every picture loads, has the size and frame layout of the table, carries real alpha without
// opaque pure black, and the sizes the screens' layout formulas read keep every screen in order.
#include "data_folder.h"
#include "manifest.h"

#include "platform/TPixmap.h"
#include "platform/font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

using namespace assets_test;
using assetgen::Kind;

namespace {

std::map<std::string, platform::PixmapRef>& Cache() {
    static std::map<std::string, platform::PixmapRef> cache;
    return cache;
}

platform::PixmapRef Picture(const std::string& path) {
    auto it = Cache().find(path);
    if (it != Cache().end()) return it->second;
    return Cache()[path] = platform::LoadPixmap((DataDir() / path).string());
}

struct Size {
    int w, h;
};
Size SizeOf(const std::string& path) {
    const assetgen::Entry* e = assetgen::FindEntry(path);
    return e ? Size{e->width, e->height} : Size{0, 0};
}

bool FrameHasInk(const platform::TPixmap& p, int x0, int w) {
    for (int y = 0; y < p.height; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (p.At(x, y)[3] > 16) return true;
    return false;
}

} // namespace

TEST(Pictures, LoadWithTheSizeAndFramesOfTheTable) {
    for (const assetgen::Entry& e : assetgen::Manifest()) {
        if (e.kind != Kind::Png && e.kind != Kind::Jpg) continue;
        platform::PixmapRef p = Picture(e.path);
        ASSERT_TRUE(p) << "cannot load " << e.path;
        EXPECT_EQ(p->width, e.width) << e.path;
        EXPECT_EQ(p->height, e.height) << e.path;
        ASSERT_EQ(e.width % e.frames, 0) << e.path;
        // Every cell of a strip shows something.
        int fw = e.width / e.frames;
        for (int f = 0; f < e.frames; ++f)
            EXPECT_TRUE(FrameHasInk(*p, f * fw, fw)) << e.path << " frame " << f << " is empty";
    }
}

TEST(Pictures, SpritesCarryAlphaAndNoOpaquePureBlack) {
    for (const assetgen::Entry& e : assetgen::Manifest()) {
        if (e.kind != Kind::Png) continue;
        platform::PixmapRef p = Picture(e.path);
        ASSERT_TRUE(p) << e.path;
        EXPECT_TRUE(p->hasAlpha) << e.path;
        int black = 0;
        for (int y = 0; y < p->height; ++y)
            for (int x = 0; x < p->width; ++x) {
                const uint8_t* px = p->At(x, y);
                if (px[3] == 255 && px[0] == 0 && px[1] == 0 && px[2] == 0) ++black;
            }
        EXPECT_EQ(black, 0) << e.path;
    }
}

// A hovered shape starts its strip from the still picture, and one that loses the pointer plays on
// to frame 28 (27 for shape 4) and is then drawn from "gems" again: both frames must be the still
// picture, or the shape jumps.
TEST(Pictures, HoverStripsStartAndRestOnTheStillShape) {
    platform::PixmapRef gems = Picture("graphics/gems.png");
    ASSERT_TRUE(gems);
    for (int code = 1; code <= 7; ++code) {
        std::string path = "graphics/gem" + std::to_string(code) + "anim.png";
        platform::PixmapRef strip = Picture(path);
        ASSERT_TRUE(strip) << path;
        for (int frame : {0, code == 4 ? 27 : 28}) {
            int worst = 0;
            for (int y = 0; y < 50; ++y)
                for (int x = 0; x < 50; ++x)
                    for (int k = 0; k < 4; ++k)
                        worst = std::max(worst, std::abs(strip->At(frame * 50 + x, y)[k] -
                                                         gems->At((code - 1) * 50 + x, y)[k]));
            EXPECT_LE(worst, 8) << path << " frame " << frame;
        }
    }
}

TEST(Pictures, TheIceCubeLetsTheShapeShowThrough) {
    platform::PixmapRef lock = Picture("graphics/lock.png");
    ASSERT_TRUE(lock);
    EXPECT_LT(lock->At(25, 25)[3], 128);
    // The frame lines of a square leave its middle clear.
    platform::PixmapRef cell = Picture("graphics/cell.png");
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->At(26, 26)[3], 0);
}

// Sizes fixed by the drawing code of the game: strips cut into cells of a fixed size, and pictures
// placed by a formula.
TEST(Pictures, FixedSizesAndStrips) {
    struct Fixed {
        const char* path;
        int w, h;
    };
    const Fixed fixed[] = {
        {"graphics/gems.png", 350, 50},
        {"graphics/gem1anim.png", 2500, 50},
        {"graphics/bonus15idle.png", 2500, 50},
        {"graphics/bonus9activate.png", 50, 50},
        {"graphics/iceshard.png", 1600, 32},
        {"graphics/iceshard2.png", 1500, 30},
        {"graphics/fireanim.png", 2329, 128},
        {"graphics/lock.png", 50, 50},
        {"graphics/brick.png", 50, 50},
        {"graphics/armour.png", 50, 50},
        {"graphics/cell.png", 52, 52},
        {"graphics/cellpane.png", 52, 52},
        {"graphics/magichighlight.png", 64, 64},
        {"graphics/cursor.png", 50, 50},
        {"graphics/bonushighlightmid.png", 50, 50},
        {"graphics/thumb7.png", 100, 75},
        {"graphics/lockedpicture.png", 100, 75},
        {"graphics/pictureframe.png", 110, 83},
        {"graphics/slider.png", 240, 20},
        {"graphics/title.jpg", 800, 600},
        {"graphics/pic11.jpg", 800, 600},
        {"graphics/bg10.jpg", 800, 600},
        {"graphics/intro8.jpg", 800, 600},
        {"graphics/loadingscreen.jpg", 800, 600},
    };
    for (const Fixed& f : fixed) {
        platform::PixmapRef p = Picture(f.path);
        ASSERT_TRUE(p) << f.path;
        EXPECT_EQ(p->width, f.w) << f.path;
        EXPECT_EQ(p->height, f.h) << f.path;
    }
    Size gauge = SizeOf("graphics/gaugeempty.png");
    for (const char* g : {"graphics/gaugefull.png", "graphics/gaugemax.png"}) {
        EXPECT_EQ(SizeOf(g).w, gauge.w);
        EXPECT_EQ(SizeOf(g).h, gauge.h);
    }
    EXPECT_GT(gauge.h, 32); // 16-px borders at top and bottom
    Size bar = SizeOf("graphics/LoadingBar.png");
    for (const char* b : {"graphics/LoadingBarempty.png", "graphics/LoadingBarfinal.png"}) {
        EXPECT_EQ(SizeOf(b).w, bar.w);
        EXPECT_EQ(SizeOf(b).h, bar.h);
    }
}

TEST(Layout, PointerIsLargeEnoughForItsTrail) {
    EXPECT_GE(SizeOf("graphics/pointer.png").w, 21);
    EXPECT_GE(SizeOf("graphics/pointer.png").h, 26);
}

TEST(Layout, LoadingScreenPartsDoNotOverlap) {
    // The caption is centred at y 460 above the bar, whose top is at y 490; when loading ends the
    // click-here button takes the caption's place with its top at y 507, under the bar.
    EXPECT_LE(460 + SizeOf("graphics/loading.png").h / 2, 490);
    EXPECT_LE(490 + SizeOf("graphics/LoadingBar.png").h, 507);
    EXPECT_LE(507 + SizeOf("graphics/clickhere.png").h, 600);
    EXPECT_LE(SizeOf("graphics/LoadingBar.png").w, 800);
}

TEST(Layout, HeadsUpPanelLeavesTheWidestBoardClear) {
    EXPECT_LE(SizeOf("graphics/panel.png").w, 130);
    EXPECT_LE(SizeOf("menus/Hint.png").h, 51); // at y 490, above the Menu button at 541
    EXPECT_LE(SizeOf("menus/Menu.png").h, 59); // at y 541, inside the screen
    EXPECT_LE(SizeOf("menus/Hint.png").w + 4, SizeOf("graphics/panel.png").w);
    EXPECT_LE(SizeOf("menus/Menu.png").w + 4, SizeOf("graphics/panel.png").w);
}

TEST(Layout, TitleButtonsDoNotOverlap) {
    int cp = SizeOf("menus/changeplayer.png").w, mg = SizeOf("menus/mygallery.png").w;
    int to = SizeOf("menus/titleoptions.png").w, ex = SizeOf("menus/exit.png").w;
    int play = SizeOf("menus/play.png").w;
    // The right-hand pair is placed as if both were as wide as the gallery button.
    int mgX = 16 + cp + 10, toX = 800 - 2 * 10 - 2 * mg - 6, exX = toX + to + 10;
    int playX = 400 - play / 2;
    EXPECT_LE(mgX + mg, playX);
    EXPECT_LE(playX + play, toX);
    EXPECT_LE(exX + ex, 800);
    int copyrightTop = 600 - SizeOf("graphics/copyright.png").h;
    for (const char* b :
         {"menus/changeplayer.png", "menus/mygallery.png", "menus/titleoptions.png", "menus/exit.png"})
        EXPECT_LE(530 + SizeOf(b).h, copyrightTop) << b;
    EXPECT_LE(510 + SizeOf("menus/play.png").h / 2, copyrightTop);
}

// The level map moves the picture and its dots down together, so each dot sits on the picture at
// its table position: there the road has its stop, a light disc with a brown rim 11 px out.
TEST(Pictures, TheMapRoadStopsUnderEveryLevelDot) {
    const int dots[55][2] = {
        {87, 693},  {121, 698}, {152, 712}, {181, 725}, {212, 740}, {241, 755}, {271, 769}, {300, 781},
        {334, 788}, {370, 788}, {404, 781}, {438, 771}, {471, 761}, {503, 750}, {536, 746}, {519, 691},
        {489, 681}, {460, 665}, {432, 648}, {401, 636}, {368, 627}, {333, 626}, {300, 629}, {270, 635},
        {237, 642}, {205, 649}, {174, 652}, {141, 646}, {111, 627}, {87, 601},  {71, 567},  {98, 494},
        {149, 474}, {197, 493}, {244, 520}, {291, 544}, {344, 555}, {397, 542}, {449, 527}, {441, 474},
        {399, 435}, {348, 407}, {286, 408}, {232, 425}, {177, 413}, {150, 366}, {193, 286}, {261, 294},
        {318, 339}, {386, 317}, {364, 256}, {300, 213}, {227, 191}, {277, 139}, {289, 48}};
    platform::PixmapRef map = Picture("graphics/levelselect.png");
    ASSERT_TRUE(map);
    for (int level = 1; level <= 55; ++level) {
        int x = dots[level - 1][0], y = dots[level - 1][1];
        const uint8_t* centre = map->At(x, y);
        EXPECT_GT(centre[0] + centre[1] + centre[2], 3 * 200)
            << "level " << level; // light: snow, or lit gold
        EXPECT_EQ(centre[3], 255) << "level " << level;
        int rim = 0;
        for (int k = 0; k < 16; ++k) {
            double a = 2 * M_PI * k / 16;
            const uint8_t* p =
                map->At((int)std::lround(x + 11 * std::cos(a)), (int)std::lround(y + 11 * std::sin(a)));
            if (p[0] - p[2] > 30 && p[3] > 200) ++rim;
        }
        EXPECT_GE(rim, 10) << "level " << level << ": no road stop under the dot";
    }
}

namespace {

// Where the moon stands on a slide: the centre of the moon-sized square of sky that holds the
// most moonlit pixels (pale yellow-white), below the line of text.
std::pair<int, int> MoonOf(const platform::TPixmap& slide) {
    constexpr int SIDE = 40, TOP = 64, BOTTOM = 320;
    auto lit = [&](int x, int y) {
        const uint8_t* p = slide.At(x, y);
        return p[0] > 235 && p[1] > 225 && p[2] > 180 ? 1 : 0;
    };
    // Sums of the lit pixels above and left of each point, so any square's count is four reads.
    const int w = slide.width, h = BOTTOM - TOP;
    std::vector<int> sum(size_t((w + 1) * (h + 1)), 0);
    auto at = [&](int x, int y) -> int& { return sum[size_t(y * (w + 1) + x)]; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            at(x + 1, y + 1) = lit(x, TOP + y) + at(x, y + 1) + at(x + 1, y) - at(x, y);
    int best = -1, bx = 0, by = 0;
    for (int y = 0; y + SIDE <= h; ++y)
        for (int x = 0; x + SIDE <= w; ++x) {
            const int n = at(x + SIDE, y + SIDE) - at(x, y + SIDE) - at(x + SIDE, y) + at(x, y);
            if (n > best) best = n, bx = x + SIDE / 2, by = TOP + y + SIDE / 2;
        }
    return {bx, by};
}

} // namespace

// Slides 5 to 7 cross-fade straight into one another: each shows its moon where the others do, so
// a single moon stays in the sky while the pictures change. The sleigh crossing slide 6's moon
// hides a little of it, which moves the brightest square a few pixels.
TEST(Pictures, TheCrossFadingSlidesShareOneMoon) {
    std::vector<std::pair<int, int>> moons;
    for (int n : {5, 6, 7}) {
        platform::PixmapRef slide = Picture("graphics/intro" + std::to_string(n) + ".jpg");
        ASSERT_TRUE(slide) << n;
        moons.push_back(MoonOf(*slide));
    }
    for (size_t i = 1; i < moons.size(); ++i) {
        EXPECT_NEAR(moons[i].first, moons[0].first, 12) << "slide " << i + 5;
        EXPECT_NEAR(moons[i].second, moons[0].second, 12) << "slide " << i + 5;
    }
}

TEST(Layout, LevelMapZoomsAndStaysCovered) {
    Size map = SizeOf("graphics/levelselect.png"), bg = SizeOf("graphics/mapbackground.jpg");
    EXPECT_GT(map.w, 800);
    EXPECT_LT(map.w, 1600);
    // The lowest dot (y 788, drawn 70 lower) can scroll above the caption strip at y 466.
    EXPECT_LE(788 + 70 - (map.h - 600), 466);
    // The far background, drawn at half scroll speed offset by (-50, -210), covers the screen at
    // the end of the zoom after a choice, where the map is drawn at 2 fit - 1.
    double fit = 800.0 / map.w, k = 2 * fit - 1;
    double gx = 800 - map.w * k; // the map no longer fills the width: the glide ends here
    double bgX = gx / 2 - 50 * k;
    EXPECT_LE(bgX, 0);
    EXPECT_GE(bgX + bg.w * k, 800);
    double gyLow = 600 - map.h * k;
    EXPECT_GE(gyLow / 2 - 210 * k + bg.h * k, 600);
    // While browsing at full size.
    EXPECT_GE(bg.w, 800 + 50 + (map.w - 800) / 2);
    EXPECT_GE(bg.h, 600 + 210 + (map.h - 600) / 2);
}

TEST(Layout, DialogsHoldTheirContents) {
    Size chooser = SizeOf("graphics/chooseplayer.png");
    int row = 3 * 5;
    for (const char* b : {"menus/OK2.png", "menus/Create.png", "menus/Delete.png", "menus/Cancel.png"})
        row += SizeOf(b).w;
    EXPECT_LE(row, chooser.w - 2 * 70);
    EXPECT_GT(chooser.w - 300, 200); // the list box keeps a usable width
    // The name prompt takes its picture's size. Below its top: the empty caption line (small font)
    // at 20, a gap of 38, the typed name 34 further down, framed 5 px above and below; its buttons
    // stand 46 px above its bottom. The frame must end above the buttons.
    auto lineHeight = [](int pixels) {
        platform::ImageFontRef font =
            platform::LoadImageFont((DataDir() / "fonts/card.ttf").string(), pixels, 6);
        platform::SetImageFont(font);
        int h = font ? platform::TextHeight("") : 0;
        platform::SetImageFont(nullptr);
        return h;
    };
    int small = lineHeight(25), ui = lineHeight(30);
    ASSERT_GT(small, 0);
    ASSERT_GT(ui, 0);
    Size prompt = SizeOf("graphics/enteryourname.png");
    int boxTop = 20 + small + 38 + 34 - 5, boxBottom = boxTop + ui + 2 * 5;
    EXPECT_LE(boxBottom, prompt.h - SizeOf("menus/OK2.png").h - 46);
    EXPECT_LE(2 * 110 + 100, prompt.w - 2 * 46); // OK and Cancel, 100 px apart
    // The hint scroll: the icon sits 120 px below the top, and the OK button (fixed at y 390)
    // stays on the parchment.
    Size hint = SizeOf("graphics/hintbody.png");
    EXPECT_LT(SizeOf("graphics/Hint1.png").h / 2, 50);
    EXPECT_LE(390 + SizeOf("menus/OK.png").h, 300 + hint.h / 2);
    // The level-complete scroll, centred at y 350, holds the OK button at y 399.
    Size panel = SizeOf("graphics/scrollbody.png");
    EXPECT_LE(399 + SizeOf("menus/OK.png").h, 350 + panel.h / 2);
    EXPECT_LE(350 - panel.h / 2, 237 - 20);
}

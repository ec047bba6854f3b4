// The data folder's table of files. Sizes marked "chosen" are ours: the layout formulas of the
// screens that draw them are noted beside each, and the values keep every screen free of overlaps.
#include "manifest.h"

#include <map>

namespace assetgen {
namespace {

struct Builder {
    std::vector<Entry> list;
    void Pic(const std::string& path, int w, int h, int frames = 1) {
        Kind kind = path.ends_with(".jpg") ? Kind::Jpg : Kind::Png;
        list.push_back({path, kind, w, h, frames});
    }
    void Sound(const std::string& path, int minMs, int maxMs, bool loops = false) {
        Kind kind = path.ends_with(".ogg") ? Kind::Ogg : Kind::Wav;
        list.push_back({path, kind, 0, 0, 1, loops, minMs, maxMs});
    }
    void Other(const std::string& path, Kind kind) { list.push_back({path, kind}); }
};

void AddRoot(Builder& b) {
    b.Other("Default.ini", Kind::Text);
    b.Pic("Brindlecove.png", 400, 300); // chosen: the maker's logo, centred on the screen
    b.Sound("SplashSound.wav", 2000, 4500, true);
    b.Other("branding", Kind::Folder);
    b.Other("levels", Kind::Folder);
    b.Other("text", Kind::Folder);
    b.Other("speech", Kind::Folder);
    b.Other("fonts/card.ttf", Kind::Font);
}

// The image bank loaded at start-up.
void AddBank(Builder& b) {
    b.Pic("graphics/pointer.png", 32, 32);      // chosen: at least 21x26 for the trail sparkles
    b.Pic("graphics/pointersmall.png", 24, 24); // chosen
    b.Pic("graphics/paused.png", 320, 100);     // chosen: centred on the screen
    b.Pic("graphics/gems.png", 350, 50, 7);
    b.Pic("graphics/lock.png", 50, 50);
    b.Pic("graphics/cell.png", 52, 52);
    b.Pic("graphics/cellrightside.png", 3, 52); // chosen: at x W-2 of the cell frame
    b.Pic("graphics/cellbottom.png", 52, 3);    // chosen
    b.Pic("graphics/cellcorner.png", 3, 3);     // chosen
    b.Pic("graphics/cellpane.png", 52, 52);
    b.Pic("graphics/brick.png", 50, 50);
    b.Pic("graphics/brickparticle.png", 16, 16); // chosen
    b.Pic("graphics/armour.png", 50, 50);
    b.Pic("graphics/armourparticle.png", 16, 16);    // chosen
    b.Pic("graphics/cursor.png", 50, 50);            // chosen: the board and the help page agree
    b.Pic("graphics/bonushighlightmid.png", 50, 50); // chosen: drawn at the cell's corner
    b.Pic("graphics/magichighlight.png", 64, 64);    // drawn 7 px out from the cell
    b.Pic("graphics/diagonalmask.png", 50, 50);      // chosen
    for (int n = 1; n <= 7; ++n)
        b.Pic("graphics/gem" + std::to_string(n) + "anim.png", 2500, 50, 50);
    for (int n = 8; n <= 15; ++n) {
        b.Pic("graphics/bonus" + std::to_string(n) + "idle.png", 2500, 50, 50);
        if (n == 9) b.Pic("graphics/bonus9activate.png", 50, 50);
    }
    b.Pic("graphics/panel.png", 120, 600); // chosen: at most 130 so a 13-column board stays clear
    for (const char* g : {"gaugeempty", "gaugefull", "gaugemax"}) // chosen: 16-px borders top and bottom
        b.Pic(std::string("graphics/") + g + ".png", 46, 92);
    b.Pic("graphics/particlering.png", 64, 64);         // chosen
    b.Pic("graphics/snowflake.png", 24, 24);            // chosen
    b.Pic("graphics/snowflakesmall.png", 16, 16);       // chosen
    b.Pic("graphics/snowflakelarge.png", 32, 32);       // chosen
    b.Pic("graphics/sparkle.png", 32, 32);              // chosen
    b.Pic("graphics/particle7.png", 24, 24);            // chosen: the fireball glow
    b.Pic("graphics/particle8.png", 16, 16);            // chosen: the gold dust mote
    b.Pic("graphics/sparklegold.png", 24, 24);          // chosen
    for (int s : {10, 20, 30, 40, 50, 60, 70, 80, 100}) // chosen: rising score numerals
        b.Pic("graphics/score" + std::to_string(s) + ".png", 48, 24);
    b.Pic("graphics/iceshard.png", 1600, 32, 50);
    b.Pic("graphics/iceshard2.png", 1500, 30, 50);
    for (const char* s : {"starinactive", "staractive", "starinactiveMO", "staractiveMO"})
        b.Pic(std::string("graphics/") + s + ".png", 24, 24); // chosen: hit box is 20x20
}

void AddLoadingAndTitle(Builder& b) {
    b.Pic("graphics/loadingscreen.jpg", 800, 600);
    b.Pic("graphics/mainlogo.png", 560, 240); // chosen: centred at y 125 and y 90, glow inside
    // chosen: centred, top at y 490, ending above the click-here button at y 507
    b.Pic("graphics/LoadingBar.png", 300, 16);
    b.Pic("graphics/LoadingBarempty.png", 300, 16); // same size as the bar
    b.Pic("graphics/LoadingBarfinal.png", 300, 16);
    b.Pic("graphics/loading.png", 200, 40);     // chosen: centred at (400,460)
    b.Pic("graphics/clickhere.png", 200, 50);   // chosen: top at y 507
    b.Pic("graphics/clickhereMO.png", 200, 50); // chosen
    for (int n = 1; n <= 8; ++n)
        b.Pic("graphics/intro" + std::to_string(n) + ".jpg", 800, 600);
    b.Pic("graphics/title.jpg", 800, 600);
    b.Pic("graphics/copyright.png", 400, 20); // chosen: along the bottom edge, below the buttons
    b.Pic("graphics/fireanim.png", 2329, 128, 17);
    // chosen: list box 340 wide with room for six rows of 46 px, four buttons in a row
    b.Pic("graphics/chooseplayer.png", 640, 552);
    // chosen: the dialog puts the entry box 117..163 px below its top and the buttons 86 px above
    // its bottom, so it must be at least 249 high
    b.Pic("graphics/enteryourname.png", 480, 280);
}

void AddGameScreen(Builder& b) {
    for (int n = 1; n <= 10; ++n)
        b.Pic("graphics/bg" + std::to_string(n) + ".jpg", 800, 600);
    b.Pic("graphics/go.png", 220, 100);                   // chosen
    b.Pic("graphics/welldone.png", 320, 100);             // chosen
    b.Pic("graphics/hintbody.png", 420, 460);             // chosen: icon at y 190, text from 240, OK at 390
    b.Pic("graphics/scrollbody.png", 420, 360);           // chosen: level panel rows 289-353, OK at 399
    b.Pic("graphics/levelcomplete.png", 400, 100);        // chosen
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 16, 17}) // chosen: under 100 high, text starts 50 below
        b.Pic("graphics/Hint" + std::to_string(n) + ".png", 80, 80);
    for (int n = 1; n <= 11; ++n)
        b.Pic("graphics/thumb" + std::to_string(n) + ".png", 100, 75);
    b.Pic("graphics/pictureframe.png", 110, 83); // borders 9 left, 1 right, 0 top, 8 bottom
    b.Pic("graphics/Santa.png", 300, 300);       // chosen
}

void AddFrontEnd(Builder& b) {
    // Map 860 wide: wider than the screen, and narrow enough that the background still covers the
    // screen at the end of the zoom after a choice. 1000 high: the lowest dots scroll above the strip.
    b.Pic("graphics/levelselect.png", 860, 1000);
    b.Pic("graphics/mapbackground.jpg", 1100, 1200); // covers the screen at every zoom and scroll
    b.Pic("graphics/selectlevel.png", 320, 80);      // chosen
    b.Pic("graphics/instructions.jpg", 800, 600);
    b.Pic("graphics/pressie.jpg", 800, 600);
    b.Pic("graphics/tagoptions.png", 180, 130);  // chosen: hangs from y -26
    b.Pic("graphics/tagcredits.png", 180, 130);  // chosen
    b.Pic("graphics/TopString.png", 420, 60);    // chosen
    b.Pic("graphics/BottomString.png", 420, 60); // chosen
    b.Pic("graphics/slider.png", 240, 20);       // bar from x 111, caption centred on x 231
    b.Pic("graphics/Dot.png", 20, 20);           // chosen: level with the bar's top
    b.Pic("graphics/gallery.jpg", 800, 600);
    b.Pic("graphics/lockedpicture.png", 100, 75);
    for (int n = 1; n <= 11; ++n)
        b.Pic("graphics/pic" + std::to_string(n) + ".jpg", 800, 600);
    b.Pic("graphics/outropic.jpg", 800, 600);
    b.Pic("graphics/click.png", 200, 50); // chosen
}

// Menu buttons: each with a brighter hover image "<name>MO.png".
void AddMenus(Builder& b) {
    struct Button {
        const char* name;
        int w, h;
    };
    const Button buttons[] = {
        {"OK", 110, 40},
        {"OK2", 110, 40},
        {"Yes", 110, 40},
        {"No", 110, 40},
        {"Cancel", 110, 40},
        {"Create", 110, 40},
        {"Delete", 110, 40},
        {"changeplayer", 120, 40},
        {"play", 200, 56},
        {"titleoptions", 120, 40},
        {"mygallery", 120, 40},
        {"exit", 120, 40},
        {"Hint", 112, 46},
        {"Menu", 112, 46}, // inside the 120-wide panel, at y 490 and 541
        {"resume", 180, 44},
        {"options", 180, 44},
        {"help", 180, 44},
        {"saveandexit", 180, 44},
        // A 44-px button over 12 clear rows: the body ends at y 528, the picture at 540, above the
        // ink of the captions beside it.
        {"arrowleft", 80, 56},
        {"arrowright", 80, 56},
        {"on", 60, 50},
        {"off", 60, 50},
        {"credits", 120, 40},
        {"clear", 120, 40},
    };
    for (const Button& button : buttons) {
        b.Pic(std::string("menus/") + button.name + ".png", button.w, button.h);
        b.Pic(std::string("menus/") + button.name + "MO.png", button.w, button.h);
    }
    for (const char* caption : {"Music", "Sound", "Details", "FullScreen"})
        b.Pic(std::string("menus/") + caption + ".png", 140, 30);
}

void AddSounds(Builder& b) {
    struct S {
        const char* name;
        int minMs, maxMs;
    };
    const S sounds[] = {
        {"buttonclick", 30, 150},   {"buttonClick", 30, 150}, {"buttonMO", 20, 120},
        {"click", 30, 150},         {"clickrev", 30, 150},    {"invalid", 120, 400},
        {"swap", 120, 350},         {"failed", 200, 500},     {"matchbrick", 250, 600},
        {"matchnobrick", 200, 500}, {"lockedclick", 80, 300}, {"unlock", 250, 600},
        {"land", 40, 160},          {"hint", 250, 700},       {"levelstart", 700, 1500},
        {"alarm", 700, 1400},       {"echopop", 500, 1200},   {"wind", 500, 1000},
        {"scroll", 250, 600},       {"explode", 500, 1000},   {"star", 300, 800},
        {"brush", 250, 600},        {"paintpot", 300, 800},   {"cracker", 300, 800},
        {"gaugefull", 700, 1400},   {"magic", 500, 1000},     {"hohoho", 1500, 2600},
    };
    for (const S& s : sounds)
        b.Sound(std::string("sound/") + s.name + ".wav", s.minMs, s.maxMs);
    b.Sound("sound/tick.wav", 400, 600, true); // one tick and silence, looped through the intro
    b.Sound("sound/levelend.ogg", 1800, 3500); // a short fanfare, played once
}

void AddMusic(Builder& b) {
    b.Sound("music/title.ogg", 55000, 95000, true);
    for (int n = 1; n <= 5; ++n)
        b.Sound("music/level" + std::to_string(n) + ".ogg", 55000, 125000, true);
    b.Sound("music/levelend.ogg", 18000, 42000, true);
    b.Sound("music/gameover.ogg", 18000, 42000, true);
    b.Sound("music/gameend.ogg", 28000, 62000, true);
}

std::vector<Entry> Build() {
    Builder b;
    AddRoot(b);
    AddBank(b);
    AddLoadingAndTitle(b);
    AddGameScreen(b);
    AddFrontEnd(b);
    AddMenus(b);
    AddSounds(b);
    AddMusic(b);
    return b.list;
}

} // namespace

const std::vector<Entry>& Manifest() {
    static const std::vector<Entry> table = Build();
    return table;
}

const Entry* FindEntry(const std::string& path) {
    static const std::map<std::string, const Entry*> index = [] {
        std::map<std::string, const Entry*> m;
        for (const Entry& e : Manifest())
            m[e.path] = &e;
        return m;
    }();
    auto it = index.find(path);
    return it == index.end() ? nullptr : it->second;
}

} // namespace assetgen

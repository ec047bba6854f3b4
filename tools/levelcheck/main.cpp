// levelcheck: checks the game's level files (their style, parse, layout and design rules, and the
// fill on a real board) and proves each winnable by playing it with the bot for a number of seeds.
// Usage and rules: README.md beside this file.
#include "checker.h"

#include "manifest.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    // A fixed seed from the environment would make every run the same.
    unsetenv("SLEETWHISTLE_SEED");
    levelcheck::TCheckOptions options;
    options.Prefix = LEVELCHECK_SOURCE_PREFIX;
    const assetgen::Entry* panel = assetgen::FindEntry("graphics/panel.png");
    return levelcheck::RunCommandLine(argc, argv, options, panel ? panel->width : 120, std::cout, std::cerr);
}

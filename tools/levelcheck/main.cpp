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
    std::string error;
    if (!levelcheck::ParseArguments(argc, argv, options, error)) {
        std::cerr
            << "levelcheck: " << error << "\n"
            << "usage: levelcheck [--prefix DIR] [--count N] [--levels A-B] [--seeds N] [--first-seed S]\n"
               "                  [--think-ms MS] [--lookahead 0|1] [--jobs N] [--table FILE] [--trace L:S]\n"
               "                  [--no-play]\n";
        return levelcheck::EXIT_USAGE;
    }
    const assetgen::Entry* panel = assetgen::FindEntry("graphics/panel.png");
    return levelcheck::RunChecker(options, panel ? panel->width : 120, std::cout);
}

// The table of every file the data folder holds: its path below the data folder, its kind, and for
// pictures the size and the number of frames laid side by side. The generator checks each picture it
// writes against this table, and the assets test checks the generated folder against it, so the two
// cannot drift apart.
#pragma once

#include <string>
#include <vector>

namespace assetgen {

enum class Kind { Png, Jpg, Wav, Ogg, Font, Text, Folder };

struct Entry {
    std::string path; // below the data folder, with the spelling of the game's loader
    Kind kind = Kind::Png;
    int width = 0, height = 0; // pictures: whole image in pixels
    int frames = 1;            // pictures: cells of width/frames side by side
    bool loops = false;        // sounds and music: played looped, so the end must join the start
    int minMs = 0, maxMs = 0;  // sounds and music: allowed length
};

// Every file and folder of the data folder, in a fixed order.
const std::vector<Entry>& Manifest();
// The entry for a path, or null.
const Entry* FindEntry(const std::string& path);

} // namespace assetgen

// Where generated files go: the data folder given on the command line, plus the copies of every
// picture kept for the contact sheet.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

namespace assetgen {

void SetOutputDir(const std::string& dir);
// Full path of a data-folder file; creates its folder.
std::string OutputPath(const std::string& relative);
// Writes bytes to a data-folder file; throws on failure.
void WriteFileBytes(const std::string& relative, const std::vector<unsigned char>& bytes);

// Contact sheet: when on, every saved picture is also kept in memory.
void KeepPicturesForSheet(bool on);
void KeepPicture(const std::string& relative, cairo_surface_t* surface);
struct KeptPicture {
    std::string path;
    cairo_surface_t* surface; // owned by the list
};
std::vector<KeptPicture> TakeKeptPictures();

} // namespace assetgen

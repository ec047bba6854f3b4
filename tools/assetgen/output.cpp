#include "output.h"

#include <filesystem>
#include <fstream>
#include <mutex>
#include <stdexcept>

namespace assetgen {
namespace {
std::string outputDir;
bool keepPictures = false;
std::mutex keptMutex;
std::vector<KeptPicture> kept;
} // namespace

void SetOutputDir(const std::string& dir) {
    outputDir = dir;
}

std::string OutputPath(const std::string& relative) {
    std::filesystem::path full = std::filesystem::path(outputDir) / relative;
    std::filesystem::create_directories(full.parent_path());
    return full.string();
}

void WriteFileBytes(const std::string& relative, const std::vector<unsigned char>& bytes) {
    std::string path = OutputPath(relative);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), (std::streamsize)bytes.size());
    if (!out) throw std::runtime_error("cannot write " + path);
}

void KeepPicturesForSheet(bool on) {
    keepPictures = on;
}

void KeepPicture(const std::string& relative, cairo_surface_t* surface) {
    if (!keepPictures) return;
    std::lock_guard<std::mutex> lock(keptMutex);
    kept.push_back({relative, cairo_surface_reference(surface)});
}

std::vector<KeptPicture> TakeKeptPictures() {
    std::lock_guard<std::mutex> lock(keptMutex);
    return std::move(kept);
}

} // namespace assetgen

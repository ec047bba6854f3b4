#include "framework/cc_files.h"

#include "framework/cc_errors.h"
#include "platform/files.h"
#include "platform/system.h"

namespace {

// Reports a loader's failure, with the path as the player finds it on disk, and ends the program with a
// failure status; never returns.
[[noreturn]] void LoaderFailed(const std::string& message, const std::string& path) {
    ccRunTimeError(message + platform::ShownPath(path), 1);
    platform::End(1); // only reached should the report ever return
}

} // namespace

platform::ImageRef ccLoadBitmap(const std::string& path, int flags) {
    platform::ImageRef image = platform::LoadImage(path, flags);
    if (!image) LoaderFailed("Error loading bitmap ", path);
    return image;
}

platform::ImageRef ccLoadAnimBitmap(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                                    int cellCount, int flags) {
    platform::ImageRef image =
        platform::LoadAnimImage(path, cellWidth, cellHeight, firstCell, cellCount, flags);
    if (!image) LoaderFailed("Error loading anim bitmap ", path);
    return image;
}

platform::StreamRef ccLoadFile(const std::string& path) {
    platform::StreamRef stream = platform::ReadFile(path);
    if (!stream) LoaderFailed("Error loading file ", path);
    return stream;
}

platform::SoundRef ccLoadSample(const std::string& path, int flags) {
    platform::SoundRef sound = platform::LoadSound(path, flags);
    if (!sound) LoaderFailed("Error loading sample ", path);
    return sound;
}

int ccStopChannel(const platform::ChannelRef& channel) {
    if (channel) platform::StopChannel(channel);
    return 0;
}

int ccFileExists(const std::string& path) {
    int type = platform::FileType(path);
    return (type == platform::FILETYPE_FILE || type == platform::FILETYPE_DIR) ? 1 : 0;
}

int ccShareFileOSX(const std::string& path) {
    // NOTE: never world-writable or executable: files get rw and folders rwx, both narrowed by the
    // user's umask inside SetFileMode.
    int mode = platform::FileType(path) == platform::FILETYPE_DIR ? 0777 : 0666;
    platform::SetFileMode(path, mode);
    return 0;
}

std::string ccAddSlash(const std::string& path) {
    if (!path.empty() && (path.back() == '/' || path.back() == '\\')) return path;
    return path + "/";
}

std::string ccConvertToForwardSlash(const std::string& path) {
    std::string out = path;
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

std::string ccConvertToBackSlash(const std::string& path) {
    return ccConvertToForwardSlash(path);
}

std::string ccAppFileNonDebug(const std::string& executablePath) {
    // Only a whole "<name>.app" folder counts; "x.apps/" or "my.application/" are ordinary folders.
    size_t bundle = executablePath.find(".app/");
    if (bundle == std::string::npos) return executablePath;
    std::string base = executablePath.substr(0, bundle);
    if (base.size() >= 5 && base.compare(base.size() - 5, 5, "debug") == 0)
        base.resize(base.size() >= 6 ? base.size() - 6 : 0);
    return base + ".app";
}

std::string ccAppFileNonDebug() {
    return ccAppFileNonDebug(platform::AppFile());
}

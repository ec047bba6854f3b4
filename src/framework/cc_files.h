// Paths and files, and the checked loaders: a loader that cannot load its file ends the program
// with a message naming the path, so its callers never receive a null.
#pragma once

#include "platform/TStream.h"
#include "platform/audio.h"
#include "platform/image.h"

#include <string>

platform::ImageRef ccLoadBitmap(const std::string& path, int flags);
platform::ImageRef ccLoadAnimBitmap(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                                    int cellCount, int flags);
platform::StreamRef ccLoadFile(const std::string& path);
platform::SoundRef ccLoadSample(const std::string& path, int flags);
// Stops the channel unless it is null.
int ccStopChannel(const platform::ChannelRef& channel);

// 1 for a file or a folder.
int ccFileExists(const std::string& path);
// Makes a file the game wrote readable and writable for the user's own umask policy; always 0.
int ccShareFileOSX(const std::string& path);
std::string ccAddSlash(const std::string& path);
std::string ccConvertToForwardSlash(const std::string& path);
// NOTE: kept doing the same "\" to "/" replacement as ccConvertToForwardSlash; callers rely on
// paths with forward slashes only.
std::string ccConvertToBackSlash(const std::string& path);
// The application path that names the settings file: for an executable inside a "<name>.app/"
// folder, that folder (without a ".debug" suffix); otherwise the executable's own path.
std::string ccAppFileNonDebug(const std::string& executablePath);
std::string ccAppFileNonDebug();

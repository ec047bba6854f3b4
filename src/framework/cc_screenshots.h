// Pictures to files: screenshots of the logical screen as PNG files named after the date and
// time, and pixmaps as uncompressed 24-bit BMP files.
#pragma once

#include "platform/TPixmap.h"
#include "platform/TStream.h"
#include "platform/image.h"

#include <string>

// folder "" is the current folder; otherwise it is put in front of the name as given.
int ccScreenShot(const std::string& folder);
// The screenshot's file name for a date and time ("2026-12-09 140509 screenshot.png").
std::string ccScreenShotName(const class TDateTime& when);
// The BMP file of the pixmap at the stream's position; the stream stays open. Nothing is written
// for a pixmap wider than 21,844 pixels, whose rows the format cannot hold.
int ccWriteBMP(platform::TStream& stream, const platform::TPixmap& pixmap);
// Frame 0 as a BMP file; an unwritable path or an image without a frame writes nothing.
int ccSaveImage(const platform::ImageRef& image, const std::string& path);
// A source that cannot be loaded leaves the destination untouched.
int ccConvertJPGToBMP(const std::string& sourcePath, const std::string& destPath);

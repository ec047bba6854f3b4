#include "framework/cc_screenshots.h"

#include "framework/TDateTime.h"
#include "framework/cc_files.h"
#include "framework/core_services.h"
#include "platform/files.h"
#include "platform/graphics.h"

#include <vector>

int ccScreenShot(const std::string& folder) {
    platform::PixmapRef pixmap = platform::GrabPixmap(0, 0, ScreenWidth, ScreenHeight);
    TDateTime now;
    now.Set_DateTimeCurrent();
    std::string name = ccScreenShotName(now);
    std::string path = folder.empty() ? ccAddSlash(platform::CurrentDir()) + name : folder + name;
    if (pixmap) platform::SavePixmapPNG(pixmap, path, 9);
    return 0;
}

std::string ccScreenShotName(const TDateTime& when) {
    return TDateTime::Get_String(when, "YYYY-MM-DD HHNNSS screenshot.png");
}

namespace {

// Bytes in one stored row: three per pixel rounded up to a multiple of 4, kept in 16 bits.
int BmpRowLength(int width) {
    return ((width * 3 + 3) & ~3) & 0xFFFF;
}

// A row longer than 16 bits can say (pixmaps wider than 21,844 pixels) would not fit the file's
// rows, nor the buffer that fills them.
bool FitsBmp(const platform::TPixmap& pixmap) {
    return BmpRowLength(pixmap.width) >= pixmap.width * 3;
}

} // namespace

int ccWriteBMP(platform::TStream& stream, const platform::TPixmap& pixmap) {
    if (!FitsBmp(pixmap)) return 0;
    int rowLength = BmpRowLength(pixmap.width);
    int imageSize = rowLength * pixmap.height;
    stream.WriteByte('B');
    stream.WriteByte('M');
    stream.WriteInt(imageSize + 54); // file size
    stream.WriteInt(0);
    stream.WriteInt(54); // offset of the pixel rows
    stream.WriteInt(40); // info header size
    stream.WriteInt(pixmap.width);
    stream.WriteInt(pixmap.height); // positive: rows bottom-up
    stream.WriteShort(1);
    stream.WriteShort(24);
    stream.WriteInt(0); // no compression
    stream.WriteInt(imageSize);
    stream.WriteInt(2834); // pixels per metre, both ways
    stream.WriteInt(2834);
    stream.WriteInt(0);
    stream.WriteInt(0);
    std::vector<uint8_t> row(size_t(rowLength), 0); // padding stays 0
    for (int y = pixmap.height - 1; y >= 0; --y) {
        for (int x = 0; x < pixmap.width; ++x) {
            const uint8_t* rgba = pixmap.At(x, y);
            row[size_t(x) * 3] = rgba[2];
            row[size_t(x) * 3 + 1] = rgba[1];
            row[size_t(x) * 3 + 2] = rgba[0];
        }
        stream.Write(row.data(), long(row.size()));
    }
    return 0;
}

int ccSaveImage(const platform::ImageRef& image, const std::string& path) {
    // No picture to write, or one too wide for the format: the file is not even opened.
    platform::PixmapRef pixmap = platform::LockImage(image, 0);
    if (!pixmap || !FitsBmp(*pixmap)) return 0;
    platform::StreamRef file = platform::WriteFile(path);
    if (!file) {
        platform::UnlockImage(image, 0);
        return 0;
    }
    ccWriteBMP(*file, *pixmap);
    platform::UnlockImage(image, 0);
    file->Close();
    ccShareFileOSX(path);
    return 0;
}

int ccConvertJPGToBMP(const std::string& sourcePath, const std::string& destPath) {
    platform::ImageRef image = platform::LoadImage(sourcePath, platform::IMAGE_DEFAULT);
    if (image) ccSaveImage(image, destPath);
    return 0;
}

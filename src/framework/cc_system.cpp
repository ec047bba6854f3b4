#include "framework/cc_system.h"

#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/system.h"

std::string ccGetMacProfileUserDataFolder() {
    return platform::UserDataHome();
}
std::string ccGetSharedUserDataFolder() {
    return platform::UserDataHome();
}

int ccPrintGraphicsModes() {
    for (int i = 0; i < platform::CountGraphicsModes(); ++i) {
        int w = 0, h = 0, d = 0, hz = 0;
        platform::GetGraphicsMode(i, w, h, d, hz);
        platform::Print(std::to_string(i) + " Width: " + std::to_string(w) + " Height: " + std::to_string(h) +
                        " Depth: " + std::to_string(d) + " Hertz: " + std::to_string(hz));
    }
    return 0;
}

int ccEnableMaximize(int) {
    return 0;
}
int ccEnableMinimize(int) {
    return 0;
}
std::string ccGetDirectXVersion() {
    return "";
}
std::string ccGetEnvVar(const std::string&) {
    return "";
}
std::string ccGetSpecialFolder(int) {
    return "";
}
std::string ccGetVersionString() {
    return "";
}
int ccVWait() {
    return 0;
}

long ccGetActiveWindowOSX() {
    return platform::ActiveWindow();
}

std::shared_ptr<TPoint> ccGetCursorPosOSX() {
    auto point = std::make_shared<TPoint>();
    platform::CursorPos(point->X, point->Y);
    return point;
}

int ccGetDesktopSize(int& width, int& height) {
    platform::DesktopSize(width, height);
    return 1;
}

std::shared_ptr<TPoint> ccGetWindowOriginOSX(long window) {
    auto point = std::make_shared<TPoint>();
    platform::WindowOrigin(window, point->X, point->Y);
    return point;
}

int ccFixMacWindowY(int y, int desktopHeight, int height) {
    return desktopHeight - y - height;
}

int ccFindScreenRes(int width, int height, int depth, int hertz) {
    for (int i = 0; i < platform::CountGraphicsModes(); ++i) {
        int w = 0, h = 0, d = 0, hz = 0;
        if (platform::GetGraphicsMode(i, w, h, d, hz) && w == width && h == height && d == depth &&
            hz == hertz)
            return 1;
    }
    return 0;
}

int ccFixLagDX9() {
    platform::GrabPixmap(1, 1, 1, 1);
    return 0;
}

int ccDirectXVersionIsValid() {
    std::string v = ccGetDirectXVersion();
    return (v == "1.0" || v == "2.0" || v == "3.0" || v == "5.0" || v == "6.0") ? 0 : 1;
}

int ccCreateMutex(const std::string&) {
    return 0;
}
int ccCentreWindowHandle(long) {
    return 0;
}
int ccMinimiseWindow(long) {
    return 0;
}
int ccSetIcon() {
    return 0;
}
int ccSetPriority(int, int) {
    return 0;
}
std::shared_ptr<TMemoryStatus> ccGetMemoryStatus() {
    // No memory figures are read here: every field is 0, the record's size included.
    auto status = std::make_shared<TMemoryStatus>();
    status->dwLength = 0;
    return status;
}
int ccCentreWindow() {
    return 0;
}
int ccGetVideoMemory() {
    return 0;
}
int ccGiveDirectoryFullAccess() {
    return 0;
}
int ccSetWallpaper() {
    return 0;
}
std::shared_ptr<TPoint> ccGetCursorPos() {
    return std::make_shared<TPoint>();
}
std::shared_ptr<TWindowInfo> ccGetWindowInfo() {
    return std::make_shared<TWindowInfo>();
}
std::shared_ptr<TWindowInfo> ccGetWindowInfoHandle() {
    return std::make_shared<TWindowInfo>();
}

int ccWindowActive() {
    auto info = std::make_shared<TWindowInfo>(); // made and dropped, as ever
    return 0;
}

std::shared_ptr<TPoint> ccWindowPosition() {
    return nullptr;
}
std::shared_ptr<TPoint> ccWindowPositionHandle() {
    return nullptr;
}

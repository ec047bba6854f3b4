// Window, folder and system queries under one set of names, so the rest of the game never speaks
// to the operating system directly. Services this platform does not offer keep their names and
// give fixed answers, which callers run through.
#pragma once

#include "framework/records.h"

#include <memory>
#include <string>

// The user's data folder ($XDG_DATA_HOME, else ~/.local/share), without a trailing "/"; never "".
std::string ccGetMacProfileUserDataFolder();
// NOTE: there is no separate shared data folder per user on this platform; the same folder as
// ccGetMacProfileUserDataFolder, so nothing written there lands outside the user's own area.
std::string ccGetSharedUserDataFolder();
int ccPrintGraphicsModes();

int ccEnableMaximize(int enable = 0);
int ccEnableMinimize(int enable = 0);
std::string ccGetDirectXVersion();
std::string ccGetEnvVar(const std::string& name = "");
std::string ccGetSpecialFolder(int folder = 0);
std::string ccGetVersionString();
int ccVWait();

long ccGetActiveWindowOSX();
// Screen coordinates, y counted upward from the bottom of the desktop.
std::shared_ptr<TPoint> ccGetCursorPosOSX();
int ccGetDesktopSize(int& width, int& height);
std::shared_ptr<TPoint> ccGetWindowOriginOSX(long window);
// Bottom-up y of a lower edge to top-down y of the upper edge, and back.
int ccFixMacWindowY(int y, int desktopHeight, int height);
int ccFindScreenRes(int width, int height, int depth, int hertz);
int ccFixLagDX9();
int ccDirectXVersionIsValid();

int ccCreateMutex(const std::string& name);
int ccCentreWindowHandle(long window);
int ccMinimiseWindow(long window);
int ccSetIcon();
int ccSetPriority(int processPriority, int threadPriority);
std::shared_ptr<TMemoryStatus> ccGetMemoryStatus();
int ccCentreWindow();
int ccGetVideoMemory();
int ccGiveDirectoryFullAccess();
int ccSetWallpaper();
std::shared_ptr<TPoint> ccGetCursorPos();
std::shared_ptr<TWindowInfo> ccGetWindowInfo();
std::shared_ptr<TWindowInfo> ccGetWindowInfoHandle();
int ccWindowActive();
std::shared_ptr<TPoint> ccWindowPosition();
std::shared_ptr<TPoint> ccWindowPositionHandle();

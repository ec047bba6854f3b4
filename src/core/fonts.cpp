#include "core/fonts.h"

platform::ImageFontRef MainFontSmall;

// The board's look-ups in the image and sound banks. A bank that does not exist yet answers null,
// like a bank asked for a missing entry while errors are not shown; every board use of a null
// image or sound does nothing.
#pragma once

#include "media/TGameImage.h"
#include "media/TGameSound.h"

#include <string>

TGameImageRef BoardImage(const std::string& name);
TGameSoundRef BoardSound(const std::string& name);

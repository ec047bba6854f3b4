// The store of images by upper-cased name. The game's one bank is the global `images`; a name
// that is not in it ends the program while ShowErrors is on.
#pragma once

#include "media/TGameImage.h"
#include "media/bank_lookup.h"
#include "platform/TMap.h"

#include <memory>
#include <string>

class TImageBank;
using TImageBankRef = std::shared_ptr<TImageBank>;

class TImageBank : public platform::TMap<TGameImage> {
public:
    std::string Path;         // folder put in front of every file, ending in "/"
    std::string Ext = ".png"; // for files named without an extension

    // Sums over the bank, in KB.
    int CalcRAM() const;
    int CalcVRAM() const;
    int SetPath(const std::string& folder);
    // Loads Path + file (Ext added when the file has none) under key, or under the file's own name
    // when key is ""; an image already under that key is replaced.
    int Load(const std::string& file, const std::string& key, int flags, int mid);
    int LoadNoMid(const std::string& file, const std::string& key, int flags);
    // Loads the strip Path + file + Ext; centred only when mid is exactly 1.
    int LoadAnim(const std::string& file, int cellWidth, int cellHeight, int firstCell, int cellCount,
                 int flags, int mid);
    // The bank's own image (never a copy); a missing name is a fatal error while ShowErrors is on.
    TGameImageRef Find(const std::string& name) const;
    // Null when missing, silently.
    platform::ImageRef FindTImage(const std::string& name) const;
    int Precache() const;
};

extern TImageBankRef images;

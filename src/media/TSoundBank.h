// The store of sound effects by upper-cased name. The game's one bank is the global `sounds`; it
// obeys ShowErrors as the image bank does.
#pragma once

#include "media/TGameSound.h"
#include "media/bank_lookup.h"
#include "platform/TMap.h"

#include <memory>
#include <string>

class TSoundBank;
using TSoundBankRef = std::shared_ptr<TSoundBank>;

class TSoundBank : public platform::TMap<TGameSound> {
public:
    std::string Path;         // folder put in front of every file, ending in "/"
    std::string Ext = ".wav"; // for files named without an extension

    int SetPath(const std::string& folder);
    // Loads Path + file (Ext added when the file has none) with its pitch and volume, under key or
    // under the file's own name when key is ""; a sound already under that key is replaced.
    int Load(const std::string& file, float pitch, float volume, const std::string& key, int flags);
    // The bank's own sound (never a copy); a missing name is a fatal error while ShowErrors is on.
    TGameSoundRef Find(const std::string& name) const;
};

extern TSoundBankRef sounds;

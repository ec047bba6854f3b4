#include "media/TSoundBank.h"

#include "framework/cc_files.h"
#include "platform/text.h"

TSoundBankRef sounds;

int TSoundBank::SetPath(const std::string& folder) {
    Path = ccAddSlash(folder);
    return 0;
}

int TSoundBank::Load(const std::string& file, float pitch, float volume, const std::string& key, int flags) {
    auto loaded = std::make_shared<TGameSound>();
    loaded->Load(BankFile(Path, file, Ext), flags);
    if (!loaded->sound) return 0; // the loader reported it; nothing half-made enters the bank
    loaded->pitch = pitch;
    loaded->volume = volume;
    if (!key.empty()) loaded->name = platform::Upper(key);
    Insert(loaded->name, loaded);
    return 0;
}

TGameSoundRef TSoundBank::Find(const std::string& name) const {
    return FindInBank(*this, name, "Sound", "was not found in the SoundBank");
}

#include "media/TSoundBank.h"

#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "media/TImageBank.h"
#include "platform/files.h"
#include "platform/text.h"

TSoundBankRef sounds;

int TSoundBank::SetPath(const std::string& folder) {
    Path = ccAddSlash(folder);
    return 0;
}

int TSoundBank::Load(const std::string& file, float pitch, float volume, const std::string& key, int flags) {
    std::string ext = "." + platform::ExtractExt(file);
    if (ext == ".") ext = Ext;
    auto loaded = std::make_shared<TGameSound>();
    loaded->Load(Path + platform::StripExt(file) + ext, flags);
    if (!loaded->sound) return 0; // the loader reported it; nothing half-made enters the bank
    loaded->pitch = pitch;
    loaded->volume = volume;
    if (!key.empty()) loaded->name = platform::Upper(key);
    Insert(loaded->name, loaded);
    return 0;
}

TGameSoundRef TSoundBank::Find(const std::string& name) const {
    std::string key = platform::Upper(name);
    TGameSoundRef found = ValueForKey(key);
    if (!found && ShowErrors) ccRunTimeError("Sound '" + key + "' was not found in the SoundBank", 1);
    return found;
}

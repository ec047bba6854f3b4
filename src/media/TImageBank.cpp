#include "media/TImageBank.h"

#include "framework/cc_files.h"
#include "platform/text.h"

TImageBankRef images;

int TImageBank::CalcRAM() const {
    int total = 0;
    for (const auto& [key, image] : *this)
        total += image->CalcRAM();
    return total / 1024;
}

int TImageBank::CalcVRAM() const {
    int total = 0;
    for (const auto& [key, image] : *this)
        total += image->CalcVRAM();
    return total / 1024;
}

int TImageBank::SetPath(const std::string& folder) {
    Path = ccAddSlash(folder);
    return 0;
}

int TImageBank::Load(const std::string& file, const std::string& key, int flags, int mid) {
    auto loaded = std::make_shared<TGameImage>();
    loaded->Load(BankFile(Path, file, Ext), flags, mid);
    if (!loaded->image) return 0; // the loader reported it; nothing half-made enters the bank
    if (!key.empty()) loaded->name = platform::Upper(key);
    Insert(loaded->name, loaded);
    return 0;
}

int TImageBank::LoadNoMid(const std::string& file, const std::string& key, int flags) {
    return Load(file, key, flags, 0);
}

int TImageBank::LoadAnim(const std::string& file, int cellWidth, int cellHeight, int firstCell, int cellCount,
                         int flags, int mid) {
    auto loaded = std::make_shared<TGameImage>();
    loaded->LoadAnim(Path + file + Ext, cellWidth, cellHeight, firstCell, cellCount, flags, mid == 1 ? 1 : 0);
    if (!loaded->image) return 0;
    Insert(loaded->name, loaded);
    return 0;
}

TGameImageRef TImageBank::Find(const std::string& name) const {
    return FindInBank(*this, name, "Image", "was Not found in the ImageBank");
}

platform::ImageRef TImageBank::FindTImage(const std::string& name) const {
    TGameImageRef found = ValueForKey(platform::Upper(name));
    return found ? found->image : nullptr;
}

int TImageBank::Precache() const {
    for (const auto& [key, image] : *this)
        image->Precache();
    return 0;
}

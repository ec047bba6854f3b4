#include "framework/TValueList.h"

#include "framework/cc_files.h"
#include "framework/cc_ini.h"
#include "platform/system.h"
#include "platform/text.h"

TValueRef TValue::Create(const std::string& name, int value) {
    auto v = std::make_shared<TValue>();
    v->name = name;
    v->value = value;
    return v;
}

int TValue::PrintValue() const {
    platform::Print(name + "=" + std::to_string(value));
    return 0;
}

TValueListRef TValueList::Create(const std::string& path) {
    auto list = std::make_shared<TValueList>();
    list->Read(path);
    return list;
}

int TValueList::AddTValue(const TValueRef& v) {
    AddLast(v);
    return 0;
}

TValueRef TValueList::AddValue(const std::string& name, int value) {
    TValueRef v = TValue::Create(name, value);
    AddTValue(v);
    return v;
}

TValueRef TValueList::GetValueByIndex(int i) const {
    for (const auto& v : *this)
        if (v && i-- == 0) return v;
    return nullptr;
}

TValueRef TValueList::GetValueByName(const std::string& name) const {
    for (const auto& v : *this)
        if (v && v->name == name) return v;
    return nullptr;
}

int TValueList::PrintList() const {
    for (const auto& v : *this)
        if (v) v->PrintValue();
    return 0;
}

int TValueList::Read(const std::string& path) {
    platform::StreamRef file = ccLoadFile(path);
    if (!file) return 0;
    while (!file->Eof()) {
        std::string line = file->ReadLine();
        AddValue(ccIniFirstString(line), platform::ToInt(ccIniLastString(line)));
    }
    file->Close();
    return 0;
}

// Named integers, and a list of them read from a file of NAME=value lines.
#pragma once

#include "platform/TList.h"

#include <memory>
#include <string>

class TValue;
using TValueRef = std::shared_ptr<TValue>;

class TValue {
public:
    std::string name;
    int value = 0;
    static TValueRef Create(const std::string& name, int value);
    // "name=value" on standard output.
    int PrintValue() const;
};

class TValueList;
using TValueListRef = std::shared_ptr<TValueList>;

class TValueList : public platform::TList<TValue> {
public:
    static TValueListRef Create(const std::string& path);
    int AddTValue(const TValueRef& v);
    TValueRef AddValue(const std::string& name, int value);
    TValueRef GetValueByIndex(int i) const;
    // Exact, case-sensitive match.
    TValueRef GetValueByName(const std::string& name) const;
    int PrintList() const;
    // One value per line of the file; a missing file ends the program ("Error loading file ").
    int Read(const std::string& path);
};

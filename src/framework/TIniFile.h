// The settings file: flat NAME=value lines written with CR LF, keys upper-cased. The list holds
// the registered keys in order; loading reads the file over them and saves it straight back.
#pragma once

#include "platform/TList.h"

#include <memory>
#include <string>

class TIniLine;
using TIniLineRef = std::shared_ptr<TIniLine>;

class TIniLine {
public:
    std::string Name; // upper-cased
    std::string Value;
};

// The registered entries in registration order.
class TIniFile : public platform::TList<TIniLine> {
public:
    std::string FileName; // without ".ini"

    // Registers a key with its default; no check for an existing entry of that name.
    int Add(const std::string& name, const std::string& value);
    // Replaces the file through a temporary file; a failure ends the program with
    // "Failed to save file " + path and never leaves a half-written file.
    int Save();
    // Reads the file over the registered entries (the last of repeated keys wins), then saves.
    int Load();
    std::string Path() const { return FileName + ".ini"; }
};

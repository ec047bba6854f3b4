// The settings file: flat NAME=value lines written with CR LF, keys upper-cased. The list holds
// the registered keys in order; loading reads the file over them and saves it straight back.
#pragma once

#include <list>
#include <memory>
#include <string>

class TIniLine;
using TIniLineRef = std::shared_ptr<TIniLine>;

class TIniLine {
public:
    std::string Name; // upper-cased
    std::string Value;
};

class TIniFile {
public:
    std::string FileName; // without ".ini"
    std::list<TIniLineRef> items;

    // Registers a key with its default; no check for an existing entry of that name.
    int Add(const std::string& name, const std::string& value);
    // Replaces the file through a temporary file; a failure ends the program with
    // "Failed to save file " + path and never leaves a half-written file.
    int Save();
    // Reads the file over the registered entries (the last of repeated keys wins), then saves.
    int Load();
    void Clear() { items.clear(); }
    int Count() const { return int(items.size()); }
    std::string Path() const { return FileName + ".ini"; }
};

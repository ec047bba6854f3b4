// What the image and sound banks share: the file a bank entry is loaded from, and the lookup by
// upper-cased name that reports a missing one.
#pragma once

#include "framework/cc_errors.h"
#include "platform/TMap.h"
#include "platform/text.h"

#include <memory>
#include <string>

// 1: looking up a missing image or sound ends the program; 0: the lookup gives null.
extern int ShowErrors;

// folder + file, with defaultExt in place of an extension the file does not have.
std::string BankFile(const std::string& folder, const std::string& file, const std::string& defaultExt);

// The entry under the upper-cased name; a missing one is reported as "<kind> '" + KEY + "' <missing>"
// and ends the program while ShowErrors is on.
template <class T>
std::shared_ptr<T> FindInBank(const platform::TMap<T>& bank, const std::string& name, const std::string& kind,
                              const std::string& missing) {
    std::string key = platform::Upper(name);
    std::shared_ptr<T> found = bank.ValueForKey(key);
    if (!found && ShowErrors) ccRunTimeError(kind + " '" + key + "' " + missing, 1);
    return found;
}

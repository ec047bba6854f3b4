// Single KEY=value lines of settings-style files, and readers for text files divided into
// sections headed by "[NAME]" lines.
#pragma once

#include "framework/cc_strings.h"
#include "platform/TStream.h"

#include <string>

// The value of the first line whose upper-cased key matches; "" when none or no file.
std::string ccReadIniLine(const std::string& path, const std::string& key);
// Copies source to dest with every line of the key replaced by KEY=value; a missing key is not
// added. 0, and dest untouched, when the source cannot be read or dest cannot be written.
int ccWriteIniLine(const std::string& sourcePath, const std::string& destPath, const std::string& key,
                   const std::string& value);
int ccWriteIniNumber(platform::TStream& stream, const std::string& key, int number);
int ccWriteIniString(platform::TStream& stream, const std::string& key, const std::string& text);
// The text before the first "=" (all of it when there is none), as it stands.
std::string ccIniFirstString(const std::string& line);
// The text after the first "=", further "=" included; "" when there is none.
std::string ccIniLastString(const std::string& line);
// A value as it is written on its line: a CR or LF would break the line, so each becomes a blank.
std::string ccIniValueForLine(const std::string& value);
// Every line of a text file (LF ends a line, a CR before it is dropped); false when unreadable.
bool ccReadTextLines(const std::string& path, TStringArray& lines);

// Ends the program with "[name] header hot found" unless the upper-cased line is "[name]".
int ccTestSectionHeader(const std::string& name, const std::string& line);
TStringArray ccLoadSectionArrayFromArray(const TStringArray& lines, int& index);
TStringArray ccLoadSectionArrayFromFile(platform::TStream& stream, std::string& lastLine);
std::string ccLoadSectionStringFromArray(const TStringArray& lines, int& index);
std::string ccLoadSectionStringFromFile(platform::TStream& stream, std::string& nextLine);

// Text helpers the game's design relies on. Texts are 8-bit (Latin-1) std::strings.
#pragma once

#include <string>
#include <vector>

namespace platform {

std::string Upper(const std::string& s);
std::string Lower(const std::string& s);
// Removes characters <= 32 at both ends.
std::string Trim(const std::string& s);
std::string Replace(const std::string& s, const std::string& from, const std::string& to);
// Skips leading blanks, optional sign, then digits; a leading "$" reads hex and "%" binary;
// stops at the first other character; no number gives 0. Values beyond int range saturate.
int ToInt(const std::string& s);
// Decimal number with optional sign, fraction and exponent; no number gives 0.
double ToFloat(const std::string& s);
// A float as the game prints it in debug lines ("1.50000000").
std::string FloatToText(double value);
// A double with 17 significant digits and always a decimal point (printf "%#.17g").
std::string DoubleToText(double value);
// Splits at every occurrence of sep (empty fields kept).
std::vector<std::string> Split(const std::string& s, char sep);
// Latin-1 to UTF-8 (window titles, message boxes) and back (typed text; codes above 255 dropped).
std::string Latin1ToUtf8(const std::string& s);
std::string Utf8ToLatin1(const std::string& s);

} // namespace platform

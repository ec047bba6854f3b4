// Text helpers on 8-bit (Latin-1) strings.
#include "platform/text.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace platform {
namespace {

// Latin-1 letters: ASCII, then U+00C0..U+00DE / U+00E0..U+00FE except the two signs U+00D7/U+00F7.
unsigned char UpperChar(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    return c;
}

unsigned char LowerChar(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    return c;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

bool IsBlank(char c) {
    return (unsigned char)c <= 32;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the decimal number at the start of s (sign, digits, fraction, exponent); 0 when none.
size_t NumberLength(const std::string& s, size_t i) {
    size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) i++;
    size_t digits = 0;
    while (i < s.size() && IsDigit(s[i]))
        i++, digits++;
    if (i < s.size() && s[i] == '.') {
        i++;
        while (i < s.size() && IsDigit(s[i]))
            i++, digits++;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t e = i + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) e++;
        if (e < s.size() && IsDigit(s[e])) {
            while (e < s.size() && IsDigit(s[e]))
                e++;
            i = e;
        }
    }
    return i - start;
}

// Numbers are read and printed with "." whatever locale the process runs in.
locale_t CLocale() {
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

std::string Format(const char* format, double value) {
    locale_t old = uselocale(CLocale());
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    uselocale(old);
    return buf;
}

} // namespace

std::string Upper(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        c = char(UpperChar((unsigned char)c));
    return out;
}

std::string Lower(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        c = char(LowerChar((unsigned char)c));
    return out;
}

std::string Trim(const std::string& s) {
    size_t begin = 0, end = s.size();
    while (begin < end && IsBlank(s[begin]))
        begin++;
    while (end > begin && IsBlank(s[end - 1]))
        end--;
    return s.substr(begin, end - begin);
}

std::string Replace(const std::string& s, const std::string& from, const std::string& to) {
    if (from.empty()) return s;
    std::string out;
    size_t pos = 0;
    for (size_t hit; (hit = s.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
        out.append(s, pos, hit - pos);
        out += to;
    }
    out.append(s, pos, std::string::npos);
    return out;
}

int ToInt(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        i++;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    int base = 10;
    if (i < s.size() && s[i] == '$')
        base = 16, i++;
    else if (i < s.size() && s[i] == '%')
        base = 2, i++;
    // Accumulate the magnitude with a cap so huge inputs saturate instead of overflowing.
    const long long cap = (long long)INT_MAX + 1;
    long long magnitude = 0;
    for (int d; i < s.size() && (d = DigitValue(s[i])) < base; i++) {
        magnitude = magnitude * base + d;
        if (magnitude > cap) magnitude = cap;
    }
    long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX) return INT_MAX;
    return int(value);
}

double ToFloat(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        i++;
    size_t n = NumberLength(s, i);
    if (n == 0) return 0.0;
    std::string number = s.substr(i, n);
    return strtod_l(number.c_str(), nullptr, CLocale());
}

std::string FloatToText(double value) {
    return Format("%#.9g", double(float(value)));
}

std::string DoubleToText(double value) {
    return Format("%#.17g", value);
}

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> fields;
    size_t pos = 0;
    for (size_t hit; (hit = s.find(sep, pos)) != std::string::npos; pos = hit + 1)
        fields.push_back(s.substr(pos, hit - pos));
    fields.push_back(s.substr(pos));
    return fields;
}

std::string Latin1ToUtf8(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (unsigned char c : s) {
        if (c < 0x80) {
            out += char(c);
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Utf8ToLatin1(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size();) {
        auto c = (unsigned char)s[i];
        int extra = c < 0x80             ? 0
                    : (c & 0xE0) == 0xC0 ? 1
                    : (c & 0xF0) == 0xE0 ? 2
                    : (c & 0xF8) == 0xF0 ? 3
                                         : -1;
        if (extra < 0) { // stray continuation or invalid lead byte
            i++;
            continue;
        }
        unsigned code = extra == 0 ? c : c & (0x3F >> extra);
        size_t j = i + 1;
        for (; j < s.size() && j <= i + extra && ((unsigned char)s[j] & 0xC0) == 0x80; j++)
            code = (code << 6) | ((unsigned char)s[j] & 0x3F);
        bool complete = j == i + 1 + extra;
        i = j;
        if (complete && code <= 0xFF) out += char(code);
    }
    return out;
}

} // namespace platform

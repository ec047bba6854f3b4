// TEMPORARY stand-in (see gaps.h).
#include "gaps.h"
#include "platform/text.h"

#include <cstdlib>

namespace platform {

SW_GAP std::string Upper(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = char(c - 32);
    return out;
}

SW_GAP int ToInt(const std::string& s) {
    return std::atoi(s.c_str());
}

} // namespace platform

#include "headless/board_random_script.h"

#include <deque>

namespace {

struct TScript {
    int a, b;
    std::deque<int> values;
};

std::vector<TScript> scripts;

bool TakeScripted(int a, int b, int& out) {
    for (auto& s : scripts) {
        if (s.a != a || s.b != b || s.values.empty()) continue;
        out = s.values.front();
        s.values.pop_front();
        return true;
    }
    return false;
}

} // namespace

void BoardRandScript(int a, int b, const std::vector<int>& values) {
    SetBoardRandOverride(TakeScripted);
    for (auto& s : scripts)
        if (s.a == a && s.b == b) {
            s.values.insert(s.values.end(), values.begin(), values.end());
            return;
        }
    scripts.push_back({a, b, std::deque<int>(values.begin(), values.end())});
}

void BoardRandClearScripts() {
    scripts.clear();
    SetBoardRandOverride(nullptr);
}

#include "board/board_random.h"

#include "platform/random.h"

#include <deque>

namespace {

template <class T> struct TScript {
    T a, b;
    std::deque<T> values;
};

std::vector<TScript<int>> intScripts;
std::vector<TScript<double>> floatScripts;

template <class T> bool TakeScripted(std::vector<TScript<T>>& scripts, T a, T b, T& out) {
    for (auto& s : scripts) {
        if (s.a != a || s.b != b || s.values.empty()) continue;
        out = s.values.front();
        s.values.pop_front();
        return true;
    }
    return false;
}

template <class T> void Queue(std::vector<TScript<T>>& scripts, T a, T b, const std::vector<T>& values) {
    for (auto& s : scripts)
        if (s.a == a && s.b == b) {
            s.values.insert(s.values.end(), values.begin(), values.end());
            return;
        }
    scripts.push_back({a, b, std::deque<T>(values.begin(), values.end())});
}

} // namespace

int BoardRand(int a, int b) {
    int v = 0;
    if (!intScripts.empty() && TakeScripted(intScripts, a, b, v)) return v;
    return platform::Rand(a, b);
}

double BoardRnd(double a, double b) {
    double v = 0.0;
    if (!floatScripts.empty() && TakeScripted(floatScripts, a, b, v)) return v;
    return platform::Rnd(a, b);
}

void BoardRandScript(int a, int b, const std::vector<int>& values) {
    Queue(intScripts, a, b, values);
}
void BoardRndScript(double a, double b, const std::vector<double>& values) {
    Queue(floatScripts, a, b, values);
}

void BoardRandClearScripts() {
    intScripts.clear();
    floatScripts.clear();
}

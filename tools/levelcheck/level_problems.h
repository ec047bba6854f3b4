// What the level checker found wrong, in the compiler's form: "data/levels/7.txt:9: column 4:
// ice cube on an entry cell" (the line and the column only where they are known).
#pragma once

#include <string>
#include <vector>

namespace levelcheck {

struct TProblem {
    std::string File; // as the game names it below its data prefix: "data/levels/7.txt"
    int Line = 0;     // 0: the whole file
    int Column = 0;   // 1-based; 0: the whole line
    std::string Text;

    std::string Format() const;
};

using TProblems = std::vector<TProblem>;

// The name of level n's file below the data prefix.
std::string LevelFileName(int level);

} // namespace levelcheck

#include "board/line_scan.h"

#include "board/gem_codes.h"

namespace {

// The length of the run of equal shapes that starts at step i of one row or column.
int RunAt(const TLineCodes codes, int x, int y, int stepX, int stepY, int i, int size) {
    const int first = codes[x + stepX * i][y + stepY * i];
    if (!IsShape(first)) return 0;
    int length = 1;
    while (i + length < size && codes[x + stepX * (i + length)][y + stepY * (i + length)] == first)
        ++length;
    return length;
}

int ScanLine(const TLineCodes codes, int x, int y, int stepX, int stepY, int size, TLineMarks marks) {
    int total = 0, i = 0;
    while (i <= size - 3) {
        const int length = RunAt(codes, x, y, stepX, stepY, i, size);
        if (length < 3) {
            ++i;
            continue;
        }
        for (int k = 0; k < length; ++k)
            marks[x + stepX * (i + k)][y + stepY * (i + k)] = true;
        total += length;
        i += length;
    }
    return total;
}

} // namespace

int MarkLines(const TLineCodes codes, int w, int h, TLineMarks marks) {
    for (int x = 0; x < GRID_W; ++x)
        for (int y = 0; y < GRID_H; ++y)
            marks[x][y] = false;
    int total = 0;
    for (int y = 0; y < h; ++y)
        total += ScanLine(codes, 0, y, 1, 0, w, marks);
    for (int x = 0; x < w; ++x)
        total += ScanLine(codes, x, 0, 0, 1, h, marks);
    return total;
}

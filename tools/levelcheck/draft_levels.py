#!/usr/bin/env python3
"""Writes data/levels/11.txt .. 55.txt from the designs below.

A design is an outline ('#' a cell, '.' a hole) and either a drawing of its ice or a motif that
lays the ice out in bands:

    ice drawing:  '-' plain, 'o' pane, '#' thick ice, 'c' pane + ice cube, 'C' thick + ice cube
    motif:        (kind, palette[, width]) where the band of each cell picks palette[band] (the
                  last entry repeats when the design says clamp, else it cycles); a list of
                  motifs lays one over the other, a blank in a palette keeping the ice below

Cubes may be given as cells (x, y) of the left half; each is mirrored to the right half.
Single cells may be set with cells={(x, y): class}. Presets are {(x, y): item}; on thick ice an item gets the code item + 20.

    draft_levels.py [--check] [--out DIR]   write the files into data/levels (or DIR), or with
                                            --check only print the figures against the plan
"""
import math
import os
import re
import sys
from collections import deque

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
CODE = {"-": -1, "o": 1, "c": 2, "#": 3, "C": 4}


def rows(text):
    return [r.strip() for r in text.strip().splitlines()]


def distance_to_hole(mask, w, h):
    """Chebyshev steps from each cell to the nearest hole or the board's edge (edge cells: 0)."""
    dist = [[None] * h for _ in range(w)]
    queue = deque()
    for x in range(w):
        for y in range(h):
            if not mask[x][y]:
                continue
            edge = False
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    ax, ay = x + dx, y + dy
                    if not (0 <= ax < w and 0 <= ay < h) or not mask[ax][ay]:
                        edge = True
            if edge:
                dist[x][y] = 0
                queue.append((x, y))
    while queue:
        x, y = queue.popleft()
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                ax, ay = x + dx, y + dy
                if 0 <= ax < w and 0 <= ay < h and mask[ax][ay] and dist[ax][ay] is None:
                    dist[ax][ay] = dist[x][y] + 1
                    queue.append((ax, ay))
    return dist


def band(kind, x, y, w, h, mask, dist):
    mx, my = abs(2 * x - (w - 1)), abs(2 * y - (h - 1))  # doubled distances from the centre
    if kind == "border":
        return dist[x][y]
    if kind == "frame":
        return min(x, w - 1 - x, y, h - 1 - y)
    if kind == "rings":
        return max(mx, my) // 2
    if kind == "diamond":
        return (mx + my) // 2
    if kind == "hstripes":
        return y
    if kind == "vstripes":
        return x
    if kind == "mstripes":  # stripes mirrored about the middle column
        return mx // 2
    if kind == "floors":  # stripes mirrored about the middle row
        return my // 2
    if kind == "diag":
        return x + y
    if kind == "antidiag":
        return x + (h - 1 - y)
    if kind == "xdiag":
        return min(abs(mx - my), mx + my) // 2
    if kind == "cross":
        return min(mx, my) // 2
    if kind == "chevron":
        return mx // 2 + y
    if kind == "vchevron":
        return mx // 2 + (h - 1 - y)
    if kind == "blocks":
        return (x // 2 + y // 2) % 2
    if kind == "bricks":
        shift = 2 if (y // 3) % 2 else 0  # courses two rows high over a row of mortar
        return 0 if y % 3 == 0 else 1 if (x + shift) % 4 == 0 else 2
    if kind == "waves":
        return (y + round(1.5 * math.sin(x * math.pi / 3)) + 2) // 2
    raise ValueError(kind)


def build(n, d):
    outline = rows(d["outline"])
    h, w = len(outline), len(outline[0])
    assert all(len(r) == w for r in outline), f"level {n}: ragged outline"
    mask = [[outline[y][x] != "." for y in range(h)] for x in range(w)]
    grid = [[0] * h for _ in range(w)]
    if "ice" in d:
        ice = rows(d["ice"])
        assert len(ice) == h and all(len(r) == w for r in ice), f"level {n}: ice and outline differ in size"
        for y in range(h):
            for x in range(w):
                c = ice[y][x]
                assert (c == ".") == (not mask[x][y]), f"level {n}: ice drawing at {x},{y} against the outline"
                grid[x][y] = 0 if c == "." else CODE[c]
    else:
        layers = d["motif"] if isinstance(d["motif"], list) else [d["motif"]]
        clamp = d.get("clamp", False)
        dist = distance_to_hole(mask, w, h)
        for layer in layers:
            kind, palette = layer[0], layer[1]
            width = layer[2] if len(layer) > 2 else 1
            for x in range(w):
                for y in range(h):
                    if mask[x][y]:
                        b = band(kind, x, y, w, h, mask, dist) // width
                        c = palette[min(b, len(palette) - 1)] if clamp else palette[b % len(palette)]
                        if c != " ":  # a blank keeps the layer below
                            grid[x][y] = CODE[c]
    for (x, y), c in d.get("cells", {}).items():  # single cells the motif should not decide
        grid[x][y] = CODE[c]
    for x, y in d.get("cubes", []):
        for cx in {x, w - 1 - x}:
            assert mask[cx][y], f"level {n}: a cube on the hole {cx},{y}"
            grid[cx][y] = 4 if grid[cx][y] in (3, 4) else 2
    for (x, y), item in d.get("presets", {}).items():
        assert mask[x][y], f"level {n}: a preset on the hole {x},{y}"
        grid[x][y] = item + 20 if grid[x][y] in (3, 4) else item
    return w, h, grid


def figures(w, h, grid):
    thick = sum(1 for col in grid for c in col if c in (3, 4) or c >= 21)
    iced = sum(1 for col in grid for c in col if c not in (0, -1))
    cubes = sum(1 for col in grid for c in col if c in (2, 4))
    entry_cubes = [(x, y) for x in range(w) for y in range(h)
                   if grid[x][y] in (2, 4) and (y == 0 or grid[x][y - 1] == 0)]
    return iced + thick, thick, iced, cubes, entry_cubes


def chapter_plan():
    """The checker's chapter plan (chapter_plan.h), a row per chapter: Gold, thick share in percent
    and ice cubes, each a (low, high) pair."""
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "chapter_plan.h")) as source:
        table = source.read().split("CHAPTER_PLAN[CHAPTERS] = {", 1)[1].split("};", 1)[0]
    plan = []
    for line in table.splitlines():
        numbers = [int(n) for n in re.findall(r"\d+", line.split("//", 1)[0])]
        if numbers:  # short side, long side, Gold, thick, cubes (pairs), wins, margin (a pair)
            plan.append(((numbers[4], numbers[5]), (numbers[6], numbers[7]), (numbers[8], numbers[9])))
    return plan


def text(n, d, w, h, grid):
    lines = ["REM," + d["name"], str(d["time"]), d["bonus"], f"{w},{h}", "0,0"]
    lines += [",".join(str(grid[x][y]) for x in range(w)) for y in range(h)]
    return "\n".join(lines) + "\n"


def main():
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    from level_designs import DESIGNS

    only_check = "--check" in sys.argv
    out_dir = sys.argv[sys.argv.index("--out") + 1] if "--out" in sys.argv else os.path.join(ROOT, "data", "levels")
    plans = chapter_plan()
    for n in sorted(DESIGNS):
        d = DESIGNS[n]
        w, h, grid = build(n, d)
        gold, thick, iced, cubes, entry = figures(w, h, grid)
        share = 100.0 * thick / iced if iced else 0.0
        gold_range, thick_range, cube_range = plans[min((n - 1) // 5, len(plans) - 1)]
        misses = [what for what, value, (low, high) in (("GOLD", gold, gold_range),
                                                        ("THICK", round(share), thick_range),
                                                        ("CUBES", cubes, cube_range)) if not low <= value <= high]
        print(f"{n:2} {d['name']:<20} {w}x{h} Gold {gold:3} thick {share:3.0f}% cubes {cubes:2} "
              + " ".join(misses) + (f" CUBES ON ENTRY {entry}" if entry else ""))
        if not only_check:
            with open(os.path.join(out_dir, f"{n}.txt"), "w", newline="\n") as out:
                out.write(text(n, d, w, h, grid))


if __name__ == "__main__":
    main()

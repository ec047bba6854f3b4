#!/usr/bin/env bash
# draw_levels.sh <build>: draws every level of the source tree with the board harness (5 ms clock,
# seed = level number) and keeps the frame of tick 400, after the intro and the column sweep, as
# <build>/test-output/levels/boards/level-N.png. Runs under Xvfb when no display is set.
set -euo pipefail
if [ $# -ne 1 ]; then
    echo "usage: $0 <build folder>" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24 +extension GLX -noreset" "$0" "$build"
fi
out="$build/test-output/levels/boards"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "2100 close" >"$work/input.txt"
for n in $(seq 1 55); do
    env SLEETWHISTLE_HEADLESS=1 SLEETWHISTLE_SEED="$n" SLEETWHISTLE_CLOCK=5 SLEETWHISTLE_INPUT="$work/input.txt" \
        SLEETWHISTLE_FRAMES="$work:400" XDG_DATA_HOME="$work/home" XDG_CACHE_HOME="$work/cache" \
        LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe \
        ALSOFT_DRIVERS=null SDL_AUDIODRIVER=dummy "$build/bin/board_harness" "$source/" "$n" >/dev/null
    mv "$work/frame-400.png" "$out/level-$n.png"
done
echo "55 boards in $out"

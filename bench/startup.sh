#!/usr/bin/env bash
# Start-up time of the installed game: from exec to the first presented frame, five runs, the
# median reported (target: at most 150 ms). The game writes its milestones through the trace seam
# (SLEETWHISTLE_TRACE); the script notes the time just before it starts the game.
# Runs under the current display; without one it runs itself again under xvfb-run with Mesa's
# llvmpipe. Sound goes to OpenAL's null output; on a fake clock a scripted close ends each run.
# Usage: bench/startup.sh [path/to/bin/sleetwhistle]   (default: build/e2e-install, installed
# there first when missing)
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
GAME=${1:-}
if [ -z "$GAME" ]; then
    GAME=$ROOT/build/e2e-install/bin/sleetwhistle
    [ -x "$GAME" ] || cmake --install "$ROOT/build" --prefix "$ROOT/build/e2e-install" > /dev/null
fi
GAME=$(realpath "$GAME")
[ -x "$GAME" ] || { echo "startup.sh: no game at $GAME" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ]; then
    exec env LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe \
        xvfb-run -a -s "-screen 0 1024x768x24 +extension GLX -noreset" "$0" "$GAME"
fi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

echo "1000 close" > "$WORK/close.txt"
runs=()
for i in 1 2 3 4 5; do
    trace=$WORK/trace-$i.txt
    home=$WORK/home-$i
    mkdir -p "$home"
    start=$(date +%s%6N)
    ALSOFT_DRIVERS=null SLEETWHISTLE_HEADLESS=1 SLEETWHISTLE_CLOCK=16 SLEETWHISTLE_TRACE=$trace \
        SLEETWHISTLE_INPUT=$WORK/close.txt \
        XDG_DATA_HOME=$home "$GAME" > /dev/null 2> "$WORK/stderr-$i.txt" || {
        echo "startup.sh: run $i failed:" >&2
        cat "$WORK/stderr-$i.txt" >&2
        exit 1
    }
    first=$(awk '$2 == "flip" && $3 == 1 { print $1; exit }' "$trace")
    [ -n "$first" ] || { echo "startup.sh: run $i presented no frame" >&2; exit 1; }
    graphics=$(awk '$2 == "graphics" { print $1; exit }' "$trace")
    ms=$(( (first - start) / 1000 ))
    echo "run $i: first frame after $ms ms (graphics mode open after $(( (graphics - start) / 1000 )) ms)"
    runs+=("$ms")
done

median=$(printf '%s\n' "${runs[@]}" | sort -n | sed -n 3p)
echo "median exec to first frame: $median ms (target: at most 150 ms)"

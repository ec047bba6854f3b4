#!/usr/bin/env bash
# Captures the frames of two fixed scripted tours of the game on the fake clock, so that two builds
# can be compared pixel for pixel (`diff -r` of two output folders, or COMPARE=other-folder):
#   first - a new player's first start: the maker's splash, loading, the intro's slides, the name
#           dialog (nothing is typed), a frame every 30 flips for 1,800 flips;
#   level - a player at level 3 who has not seen the item hint: the title, the map, the level's
#           intro and hint, swaps on the board, Ctrl+J, the outro, the level-complete panel, the
#           map again and the next level's intro, a frame every 25 flips for 3,000 flips.
# Each tour runs in three presenting modes: full screen on a 1024x768 desktop (the frame scaled),
# in a window, and in a window with SLEETWHISTLE_OFFSCREEN_FRAME=1.
# Every run has data and cache homes of its own in a temporary folder, never the user's.
# Usage: scripts/frames_tour.sh [path/to/bin/sleetwhistle] OUT
#   COMPARE=DIR compares OUT with a folder an earlier run wrote and prints the frames that differ.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ge 2 ]; then GAME=$1; shift; else GAME=$ROOT/build/bin/sleetwhistle; fi
GAME=$(realpath "$GAME")
OUT=$(realpath -m "${1:?usage: frames_tour.sh [game] OUT}")
PROFILE_TOOL=${PROFILE_TOOL:-$(dirname "$GAME")/bench_fixture_profile}
[ -x "$GAME" ] || { echo "frames_tour.sh: no game at $GAME" >&2; exit 1; }
[ -x "$PROFILE_TOOL" ] || { echo "frames_tour.sh: build bench_fixture_profile first" >&2; exit 1; }

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

bash "$ROOT/bench/whole_level_input.sh" > "$WORK/level.txt"
echo "28800 close" > "$WORK/first.txt"

settings() { # full-screen-flag intro-flag profile-name > ini
    sed -e "s/^FULL SCREEN=.*\r\$/FULL SCREEN=$1\r/" -e "s/^INTRO=.*\r\$/INTRO=$2\r/" \
        -e "s/^PROFILE NAME=.*\r\$/PROFILE NAME=$3\r/" -e 's/^PARTICLES=.*\r$/PARTICLES=100\r/' \
        "$ROOT/data/Default.ini"
}

run_tour() { # mode tour
    local mode=$1 tour=$2 home=$WORK/$1-$2 full=0 extra="" frames every last
    local user=$home/Brindlecove/Sleetwhistle
    mkdir -p "$user/profiles" "$OUT/$mode-$tour"
    [ "$mode" = full ] && full=1
    [ "$mode" = offscreen ] && extra=SLEETWHISTLE_OFFSCREEN_FRAME=1
    if [ "$tour" = first ]; then
        every=30 last=1800
    else
        every=25 last=3000
        settings "$full" 0 Anna > "$user/Sleetwhistle.ini"
        "$PROFILE_TOOL" "$user/profiles/Anna.dat" 3 2
    fi
    [ "$tour" = first ] && [ "$full" = 0 ] && settings 0 1 "" > "$user/Sleetwhistle.ini"
    frames=$(seq -s, "$every" "$every" "$last")
    env LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe ALSOFT_DRIVERS=null SDL_AUDIODRIVER=dummy \
        SLEETWHISTLE_HEADLESS=1 SLEETWHISTLE_SEED=7 SLEETWHISTLE_CLOCK=16 SLEETWHISTLE_INPUT="$WORK/$tour.txt" \
        SLEETWHISTLE_FRAMES="$OUT/$mode-$tour:$frames" XDG_DATA_HOME="$home" XDG_CACHE_HOME="$home-cache" $extra \
        xvfb-run -a -s "-screen 0 1024x768x24 +extension GLX -noreset" "$GAME" > /dev/null 2> "$WORK/$mode-$tour.err" ||
        { echo "frames_tour.sh: the $tour tour ($mode) failed:" >&2; cat "$WORK/$mode-$tour.err" >&2; return 1; }
    echo "$mode-$tour: $(ls "$OUT/$mode-$tour" | wc -l) frames"
}

pids=()
for mode in full window offscreen; do
    for tour in first level; do
        run_tour "$mode" "$tour" &
        pids+=($!)
    done
done
failed=0
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
[ "$failed" = 0 ] || exit 1

if [ -n "${COMPARE:-}" ]; then
    different=0 same=0
    while IFS= read -r frame; do
        if cmp -s "$OUT/$frame" "$COMPARE/$frame"; then same=$((same + 1)); else
            different=$((different + 1)); echo "differs: $frame"; fi
    done < <(cd "$OUT" && find . -name '*.png' | sort)
    echo "frames compared with $COMPARE: $same identical, $different different"
fi

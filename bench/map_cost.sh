#!/usr/bin/env bash
# What the level map costs while the player browses it: the game under Xvfb (Mesa's llvmpipe,
# OpenAL's null output) on the real clock, RUNS runs (5 by default), medians reported. A fixture
# profile at level 12 and scripted clicks reach the map; from 1 s after "map-browsing" (the opening
# zoom over) for 10 s the pointer sweeps the map, into its edges so that it scrolls, and the script
# measures the process's CPU-seconds per second (utime + stime of /proc/<pid>/stat) and the frame
# rate from the trace's flip numbers. A close ends the run.
# FULL=1 (the default, as a new player's settings have it) plays full screen on a 1024x768 desktop,
# where the 800x600 frame is scaled; FULL=0 plays in a window.
# Target: at most 0.6 CPU-s/s full screen on a quiet machine.
# Usage: bench/map_cost.sh [path/to/bin/sleetwhistle]   (default: build/bin/sleetwhistle)
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
GAME=$(realpath "${1:-$ROOT/build/bin/sleetwhistle}")
PROFILE_TOOL=${PROFILE_TOOL:-$(dirname "$GAME")/bench_fixture_profile}
[ -x "$GAME" ] || { echo "map_cost.sh: no game at $GAME" >&2; exit 1; }
[ -x "$PROFILE_TOOL" ] || { echo "map_cost.sh: build bench_fixture_profile first" >&2; exit 1; }

. "$ROOT/bench/common.sh"
bench_display "$0" "$GAME"
bench_work
RUNS=${RUNS:-5}
FULL=${FULL:-1}

# Clicks skip the maker's splash and the finished loading screen, and "play" is pressed on the
# title (twice, in case loading ran late). From 12 s the pointer sweeps the map for 24 s: a slow
# circle through the middle, then each edge in turn, which scrolls the map.
{
    bench_clicks 0 5000
    for ms in 6000 7500; do echo "$ms mouse_move 400 538"; echo "$ms mouse_down 1"; echo "$((ms + 40)) mouse_up 1"; done
    awk 'BEGIN {
        for (ms = 12000; ms < 36000; ms += 50) {
            phase = int((ms - 12000) / 4000) % 6
            t = (ms % 4000) / 4000
            if (phase == 0 || phase == 3) { x = 400 + 200 * cos(6.2832 * t); y = 260 + 150 * sin(6.2832 * t) }
            else if (phase == 1) { x = 795; y = 300 }
            else if (phase == 2) { x = 400; y = 5 }
            else if (phase == 4) { x = 5; y = 300 }
            else { x = 400; y = 455 }
            printf "%d mouse_move %d %d\n", ms, x, y
        }
    }'
    echo "40000 close"
} > "$WORK/input.txt"

clock_ticks() { # utime + stime of a process, in clock ticks
    local stat
    stat=$(cat "/proc/$1/stat")
    stat=${stat##*) }
    set -- $stat
    echo $((${12} + ${13}))
}
last_flip() { awk '$2 == "flip" { n = $3 } END { print n + 0 }' "$1"; }
last_flip_time() { awk '$2 == "flip" { t = $1 } END { print (t == "" ? 0 : t) }' "$1"; }
milestone() { awk -v m="$2" '$2 == m { print $1; exit }' "$1"; }
now_us() { date +%s%6N; }

prepare_user() { # home
    bench_home "$1" "$ROOT/data/Default.ini" INTRO=0 "PROFILE NAME=Anna" "FULL SCREEN=$FULL"
    mkdir -p "$1/Brindlecove/Sleetwhistle/profiles"
    "$PROFILE_TOOL" "$1/Brindlecove/Sleetwhistle/profiles/Anna.dat" 12
}

HZ=$(getconf CLK_TCK)
cpus=() fps=()
for i in $(seq "$RUNS"); do
    home=$WORK/home-$i
    prepare_user "$home"
    trace=$WORK/trace-$i.txt
    : > "$trace"
    ALSOFT_DRIVERS=null SDL_AUDIODRIVER=dummy SLEETWHISTLE_HEADLESS=1 SLEETWHISTLE_TRACE=$trace \
        SLEETWHISTLE_INPUT=$WORK/input.txt XDG_DATA_HOME=$home "$GAME" > /dev/null 2> "$WORK/stderr-$i.txt" &
    pid=$!
    browsing=""
    for _ in $(seq 400); do
        browsing=$(milestone "$trace" map-browsing)
        [ -n "$browsing" ] && break
        sleep 0.1
    done
    [ -n "$browsing" ] || { echo "map_cost.sh: run $i never reached the map" >&2; kill $pid; exit 1; }
    while [ $(($(now_us) - browsing)) -lt 1000000 ]; do sleep 0.01; done
    t0=$(now_us) c0=$(clock_ticks $pid) f0=$(last_flip "$trace") ft0=$(last_flip_time "$trace")
    while [ $(($(now_us) - browsing)) -lt 11000000 ]; do sleep 0.01; done
    t1=$(now_us) c1=$(clock_ticks $pid) f1=$(last_flip "$trace") ft1=$(last_flip_time "$trace")
    wait $pid || { echo "map_cost.sh: run $i failed:" >&2; cat "$WORK/stderr-$i.txt" >&2; exit 1; }
    cpu=$(awk -v t=$((c1 - c0)) -v hz="$HZ" -v us=$((t1 - t0)) 'BEGIN { printf "%.3f", t / hz / (us / 1e6) }')
    rate=$(awk -v f=$((f1 - f0)) -v us=$((ft1 - ft0)) 'BEGIN { printf "%.1f", (us > 0 ? f / (us / 1e6) : 0) }')
    echo "run $i: $cpu CPU-s/s, $rate frames/s browsing the map"
    cpus+=("$cpu") fps+=("$rate")
done

median() { printf '%s\n' "$@" | sort -g | sed -n "$((($# + 1) / 2))p"; }
spread() { printf '%s\n' "$@" | sort -g | sed -n '1p;$p' | paste -sd- -; }
echo "median browsing the map (FULL=$FULL): $(median "${cpus[@]}") CPU-s/s (spread $(spread "${cpus[@]}"); target at most 0.6), $(median "${fps[@]}") frames/s"

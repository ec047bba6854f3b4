#!/usr/bin/env bash
# Start-up and title-screen costs of the installed game on the real clock, five runs, medians:
#  - exec to the first presented frame (target: at most 150 ms);
#  - exec to "loading-finished" with the intro skipped by clicks every 50 ms during the first
#    second (target: at most 1.5 s);
#  - on the title in its normal mode (a name typed and accepted, fire and fireflies running):
#    CPU seconds per second over 10 s, from utime + stime in /proc/<pid>/stat (target: at most
#    0.5), and frames per second from the trace's flips over the same 10 s (about 60);
#  - the peak resident memory (VmHWM) at the end of the title's 10 s.
# Then the level map's cost while browsing: five runs of a player at level 12 who presses play
# and, from the "map-browsing" milestone on, moves the pointer between the top and the bottom band
# every 1.5 s and across a few stops; over 10 s the CPU time per second (target: at most 0.5) and
# the frames per second (target: about 60), medians reported.
# The game writes its milestones through the trace seam (SLEETWHISTLE_TRACE); the script notes
# the time just before it starts the game. Runs under the current display; without one it runs
# itself again under xvfb-run with Mesa's llvmpipe, so the server's own start is never measured.
# Sound goes to OpenAL's null output.
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

. "$ROOT/bench/common.sh"
bench_display "$0" "$GAME"
bench_work

# Times in ms after the start of the run.
TITLE_FROM=6000 # the name is accepted by then
TITLE_TO=16000
{
    bench_clicks 0 1000
    # "click here" on the finished loading screen, then the first player's name.
    echo "3500 mouse_move 400 532"
    echo "3600 mouse_down 1"
    echo "3650 mouse_up 1"
    echo "4500 char 65"
    echo "4550 char 110"
    echo "4600 char 110"
    echo "4650 char 97"
    echo "4800 key_down 13"
    echo "4800 char 13"
    echo "4850 key_up 13"
    echo "4900 mouse_move 700 100"
    echo "$((TITLE_TO + 500)) close"
} > "$WORK/script.txt"

ticks=$(getconf CLK_TCK)
# utime + stime of a process, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
now_us() { date +%s%6N; }
median() { printf '%s\n' "$@" | sort -n | sed -n 3p; }

firsts=() loads=() cpus=() fpss=() peaks=()
for i in 1 2 3 4 5; do
    trace=$WORK/trace-$i.txt
    home=$WORK/home-$i
    bench_home "$home"
    start=$(now_us)
    ALSOFT_DRIVERS=null SLEETWHISTLE_HEADLESS=1 SLEETWHISTLE_TRACE=$trace \
        SLEETWHISTLE_INPUT=$WORK/script.txt \
        XDG_DATA_HOME=$home "$GAME" > /dev/null 2> "$WORK/stderr-$i.txt" &
    pid=$!
    sleep "$(awk -v ms=$TITLE_FROM 'BEGIN { print ms / 1000 }')"
    c0=$(cpu_ticks $pid) t0=$(now_us)
    sleep "$(awk -v ms=$((TITLE_TO - TITLE_FROM)) 'BEGIN { print ms / 1000 }')"
    c1=$(cpu_ticks $pid) t1=$(now_us)
    peak=$(awk '$1 == "VmHWM:" { print $2 }' "/proc/$pid/status")
    wait $pid || {
        echo "startup.sh: run $i failed:" >&2
        cat "$WORK/stderr-$i.txt" >&2
        exit 1
    }
    first=$(awk '$2 == "flip" && $3 == 1 { print $1; exit }' "$trace")
    loaded=$(awk '$2 == "loading-finished" { print $1; exit }' "$trace")
    [ -n "$first" ] && [ -n "$loaded" ] || { echo "startup.sh: run $i: milestones missing" >&2; exit 1; }
    grep -q "title-started" "$trace" || { echo "startup.sh: run $i never reached the title" >&2; exit 1; }
    # The trace notes every 60th flip with its number: the rate between the first and the last
    # noted inside the window.
    fps=$(awk -v a="$t0" -v b="$t1" '$2 == "flip" && $1 >= a && $1 < b {
        if (!n) { t = $1; f = $3 } n++; tl = $1; fl = $3 }
        END { if (n > 1) printf "%.1f", (fl - f) / ((tl - t) / 1e6); else print "?" }' "$trace")
    first_ms=$(((first - start) / 1000))
    load_ms=$(((loaded - start) / 1000))
    cpu=$(awk -v c=$((c1 - c0)) -v hz="$ticks" -v us=$((t1 - t0)) 'BEGIN { printf "%.3f", c / hz / (us / 1e6) }')
    echo "run $i: first frame $first_ms ms, loading finished $load_ms ms, title $cpu CPU-s/s at $fps fps, VmHWM $peak kB"
    firsts+=("$first_ms") loads+=("$load_ms") cpus+=("$cpu") fpss+=("$fps") peaks+=("$peak")
done

echo "median exec to first frame: $(median "${firsts[@]}") ms (target: at most 150 ms)"
echo "median exec to loading finished, intro skipped: $(median "${loads[@]}") ms (target: at most 1500 ms)"
echo "median title CPU: $(median "${cpus[@]}") CPU-s/s at $(median "${fpss[@]}") fps (target: at most 0.5 at about 60)"
echo "median peak resident memory (VmHWM): $(median "${peaks[@]}") kB"

# ---- The level map while browsing, on the real clock. ----

# One little-endian 32-bit word.
le32() {
    local v=$(( $1 & 0xFFFFFFFF ))
    printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $(((v >> 8) & 255)) $(((v >> 16) & 255)) $(((v >> 24) & 255))
}

# A profile at level 12 with levels 1-12 open and the instructions seen: five masked words (value
# + 6081353 + i x 1937422), the time played, three settings words and 100 flags.
profile_bytes() {
    local i words="" values=(12 13 0 3 0)
    for i in 0 1 2 3 4; do words+=$(le32 $(( values[i] + 6081353 + i * 1937422 ))); done
    words+=$(le32 0)$(le32 0)$(le32 0)$(le32 1)$(le32 1)
    for i in $(seq 0 99); do
        if [ "$i" = 19 ]; then words+=$(le32 1); else words+=$(le32 0); fi
    done
    printf "%b" "$words"
}

DATA=$(dirname "$GAME")/../share/sleetwhistle/Data
{
    # The loading screen's button and then play stand at the same place: clicks there until the
    # map runs (on the map they land on the caption strip); then the pointer between the bands
    # and over stops from 10 s on.
    for t in $(seq 3000 750 9000); do
        echo "$t mouse_move 400 535"; echo "$((t + 50)) mouse_down 1"; echo "$((t + 100)) mouse_up 1"
    done
    for t in $(seq 10000 1500 40000); do
        if [ $(( (t / 1500) % 2 )) = 0 ]; then echo "$t mouse_move 400 20"; else echo "$t mouse_move 400 580"; fi
        echo "$((t + 700)) mouse_move 233 300"; echo "$((t + 800)) mouse_move 400 300"
        echo "$((t + 900)) mouse_move 433 290"
    done
    echo "41000 close"
} > "$WORK/map.txt"

HZ=$(getconf CLK_TCK)
cpus=()
rates=()
for i in 1 2 3 4 5; do
    trace=$WORK/map-trace-$i.txt
    bench_home "$WORK/map-home-$i" "$DATA/Default.ini" INTRO=0 "PROFILE NAME=Anna"
    home=$WORK/map-home-$i/Brindlecove/Sleetwhistle
    mkdir -p "$home/profiles"
    profile_bytes > "$home/profiles/Anna.dat"
    launched=$(date +%s%6N)
    ALSOFT_DRIVERS=null SLEETWHISTLE_HEADLESS=1 SLEETWHISTLE_TRACE=$trace SLEETWHISTLE_INPUT=$WORK/map.txt \
        XDG_DATA_HOME=$WORK/map-home-$i "$GAME" > /dev/null 2> "$WORK/map-stderr-$i.txt" &
    pid=$!
    for _ in $(seq 1 600); do
        grep -q "map-browsing" "$trace" 2> /dev/null && break
        sleep 0.05
    done
    grep -q "map-browsing" "$trace" 2> /dev/null || {
        echo "startup.sh: map run $i never browsed" >&2
        kill "$pid"
        wait "$pid" || true
        exit 1
    }
    # Half a second into browsing, and not before the pointer starts moving.
    sleep 0.5
    while [ $(( $(date +%s%6N) - launched )) -lt 10500000 ]; do sleep 0.1; done
    from=$(date +%s%6N)
    before=$(cpu_ticks "$pid")
    sleep 10
    after=$(cpu_ticks "$pid")
    to=$(date +%s%6N)
    wait "$pid" || { echo "startup.sh: map run $i failed" >&2; cat "$WORK/map-stderr-$i.txt" >&2; exit 1; }
    cpu=$(awk -v t=$((after - before)) -v hz="$HZ" -v us=$((to - from)) 'BEGIN { printf "%.3f", t / hz / (us / 1e6) }')
    fps=$(awk -v a="$from" -v b="$to" '$2 == "flip" && $1 >= a && $1 <= b {
              if (!n++) { t0 = $1; f0 = $3 } t1 = $1; f1 = $3 }
              END { if (t1 > t0) printf "%.1f", (f1 - f0) / ((t1 - t0) / 1e6); else print 0 }' "$trace")
    echo "map run $i: $cpu CPU-s per second at $fps frames per second"
    cpus+=("$cpu")
    rates+=("$fps")
done
echo "median while browsing the map: $(printf '%s\n' "${cpus[@]}" | sort -g | sed -n 3p) CPU-s per second" \
    "(target: at most 0.5) at $(printf '%s\n' "${rates[@]}" | sort -g | sed -n 3p) frames per second (target: about 60)"

#!/usr/bin/env bash
# What a level at rest costs: the installed game tree with the fixture levels (build/e2e-game, made
# by the e2e_game_tree test fixture) under Xvfb with Mesa's llvmpipe, on the real clock, five runs,
# medians reported. A fixture profile at level 3 (the full 13 x 12 board) and scripted clicks
# reach the level; from 2 s after "level-started" (fade-in, intro and sweep over) until 12 s
# after it there is no input, and the script measures the process's CPU-seconds per second
# (utime + stime of /proc/<pid>/stat) and the frame rate from the trace's flip numbers. Then
# Ctrl+J wins the level, the outro runs, the fade leads to the title and a close ends the run;
# the peak resident memory (VmHWM) covers the whole run.
# Then a whole level at PARTICLES=100, from a profile at level 3 that has not seen its item hint:
# "play", the item hint closed, some moves on the board, Ctrl+J, the outro, the level-complete
# panel with its 80 snowflakes, which stands at rest for 5 s (from 1 s after "panel-shown" on;
# its CPU-seconds per second measured), a click that rolls it up, "Click Anywhere", the level map
# and Enter to the next level's intro. The peak resident memory covers that whole run too.
# Targets: at most 0.5 CPU-s/s at about 60 frames per second; at most 100 MiB resident.
# Usage: bench/game_screen.sh [game tree]   (default: build/e2e-game; RUNS=n sets the runs, default 5)
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
TREE=$(realpath "${1:-$ROOT/build/e2e-game}")
GAME=$TREE/bin/sleetwhistle
PROFILE_TOOL=${PROFILE_TOOL:-$ROOT/build/bin/bench_fixture_profile}
[ -x "$GAME" ] || { echo "game_screen.sh: no game at $GAME (run the e2e_game_tree test first)" >&2; exit 1; }
[ -x "$PROFILE_TOOL" ] || { echo "game_screen.sh: build bench_fixture_profile first" >&2; exit 1; }

. "$ROOT/bench/common.sh"
bench_display "$0" "$TREE"
bench_work
RUNS=${RUNS:-5}

# Clicks skip the maker's splash and the finished loading screen, "play" is pressed on the title
# and Enter on the level map; the level starts at about 11 s, and the quiet span begins 2 s later. Ctrl+J comes long after the quiet span.
{
    bench_clicks 0 5000
    # A second "play" and a second Enter in case loading ran late; each lands on a fade or a
    # zoom, which ignore it, when the first one was taken.
    for ms in 6000 7500; do echo "$ms mouse_move 400 538"; echo "$ms mouse_down 1"; echo "$((ms + 40)) mouse_up 1"; done
    for ms in 10000 12500; do echo "$ms key_down 13"; echo "$((ms + 40)) key_up 13"; done
    echo "10100 mouse_move 790 590"
    echo "28000 key_down 162"
    echo "28300 key_down 74"
    echo "28400 key_up 74"
    echo "29000 key_up 162"
    echo "36000 close"
} > "$WORK/input.txt"

# The whole level (bench/whole_level_input.sh says what it does).
bash "$ROOT/bench/whole_level_input.sh" > "$WORK/level.txt"

clock_ticks() { # utime + stime of a process, in clock ticks
    local stat
    stat=$(cat "/proc/$1/stat")
    stat=${stat##*) }
    set -- $stat
    echo $(( ${12} + ${13} ))
}
# The highest flip number the trace holds.
last_flip() { awk '$2 == "flip" { n = $3 } END { print n + 0 }' "$1"; }
# Microseconds of a milestone's first line, or nothing.
milestone() { awk -v m="$2" '$2 == m { print $1; exit }' "$1"; }
now_us() { date +%s%6N; }

# A per-user folder with the settings (no intro, player Anna, the given particle setting) and a
# fixture profile at level 3; a fourth argument leaves that hint flag unseen.
prepare_user() { # home particles [unseen flag]
    bench_home "$1" "$TREE/share/sleetwhistle/Data/Default.ini" INTRO=0 "PROFILE NAME=Anna" "PARTICLES=$2"
    mkdir -p "$1/Brindlecove/Sleetwhistle/profiles"
    "$PROFILE_TOOL" "$1/Brindlecove/Sleetwhistle/profiles/Anna.dat" 3 ${3:-}
}
# Waits for a trace milestone (40 s at most) and prints its time.
wait_milestone() { # trace milestone
    local at=""
    for _ in $(seq 400); do
        at=$(milestone "$1" "$2")
        [ -n "$at" ] && break
        sleep 0.1
    done
    echo "$at"
}
# The highest VmHWM a process reaches until it ends, in KiB.
peak_until_exit() {
    local hwm=0 h
    while kill -0 "$1" 2> /dev/null; do
        h=$(awk '/VmHWM/ { print $2 }' "/proc/$1/status" 2> /dev/null || echo 0)
        [ -n "$h" ] && [ "$h" -gt "$hwm" ] && hwm=$h
        sleep 0.2
    done
    echo "$hwm"
}

HZ=$(getconf CLK_TCK)
cpus=() fps=() hwms=()
for i in $(seq "$RUNS"); do
    home=$WORK/home-$i
    user=$home/Brindlecove/Sleetwhistle
    prepare_user "$home" 80
    trace=$WORK/trace-$i.txt
    : > "$trace"
    ALSOFT_DRIVERS=null SLEETWHISTLE_HEADLESS=1 SLEETWHISTLE_TRACE=$trace SLEETWHISTLE_INPUT=$WORK/input.txt \
        XDG_DATA_HOME=$home "$GAME" > /dev/null 2> "$WORK/stderr-$i.txt" &
    pid=$!
    started=""
    for _ in $(seq 400); do
        started=$(milestone "$trace" level-started)
        [ -n "$started" ] && break
        sleep 0.1
    done
    [ -n "$started" ] || { echo "game_screen.sh: run $i never started the level" >&2; kill $pid; exit 1; }
    # The quiet span: from 2 s to 12 s after the level started.
    while [ $(( $(now_us) - started )) -lt 2000000 ]; do sleep 0.01; done
    t0=$(now_us) c0=$(clock_ticks $pid) f0=$(last_flip "$trace")
    ft0=$(awk '$2 == "flip" { t = $1 } END { print (t == "" ? 0 : t) }' "$trace")
    while [ $(( $(now_us) - started )) -lt 12000000 ]; do sleep 0.01; done
    t1=$(now_us) c1=$(clock_ticks $pid) f1=$(last_flip "$trace")
    ft1=$(awk '$2 == "flip" { t = $1 } END { print (t == "" ? 0 : t) }' "$trace")
    hwm=$(peak_until_exit $pid)
    wait $pid || { echo "game_screen.sh: run $i failed:" >&2; cat "$WORK/stderr-$i.txt" >&2; exit 1; }
    grep -q level-won "$trace" || echo "game_screen.sh: run $i: Ctrl+J did not win the level" >&2
    [ -e "$user/GoodExit.dat" ] || echo "game_screen.sh: run $i did not end cleanly" >&2
    cpu=$(awk -v t=$((c1 - c0)) -v hz="$HZ" -v us=$((t1 - t0)) 'BEGIN { printf "%.3f", t / hz / (us / 1e6) }')
    rate=$(awk -v f=$((f1 - f0)) -v us=$((ft1 - ft0)) 'BEGIN { printf "%.1f", (us > 0 ? f / (us / 1e6) : 0) }')
    mib=$(awk -v k="$hwm" 'BEGIN { printf "%.1f", k / 1024 }')
    echo "run $i: $cpu CPU-s/s, $rate frames/s at rest; peak resident $mib MiB"
    cpus+=("$cpu") fps+=("$rate") hwms+=("$mib")
done

median() { printf '%s\n' "$@" | sort -g | sed -n "$(( ($# + 1) / 2 ))p"; }
echo "median at rest: $(median "${cpus[@]}") CPU-s/s (target at most 0.5), $(median "${fps[@]}") frames/s (about 60)"
echo "median peak resident (VmHWM): $(median "${hwms[@]}") MiB (target at most 100)"

panels=() levelhwms=()
for i in $(seq "$RUNS"); do
    home=$WORK/level-home-$i
    user=$home/Brindlecove/Sleetwhistle
    prepare_user "$home" 100 2
    trace=$WORK/level-trace-$i.txt
    : > "$trace"
    launched=$(now_us)
    ALSOFT_DRIVERS=null SLEETWHISTLE_HEADLESS=1 SLEETWHISTLE_TRACE=$trace SLEETWHISTLE_INPUT=$WORK/level.txt \
        XDG_DATA_HOME=$home "$GAME" > /dev/null 2> "$WORK/level-stderr-$i.txt" &
    pid=$!
    shown=$(wait_milestone "$trace" panel-shown)
    [ -n "$shown" ] || { echo "game_screen.sh: level run $i never opened the panel" >&2; kill $pid; exit 1; }
    # The panel at rest: from 1 s after it opened (the 400 ms unroll over) for 5 s.
    while [ $(( $(now_us) - shown )) -lt 1000000 ]; do sleep 0.01; done
    t0=$(now_us) c0=$(clock_ticks $pid)
    while [ $(( $(now_us) - shown )) -lt 6000000 ]; do sleep 0.01; done
    t1=$(now_us) c1=$(clock_ticks $pid)
    [ $(( t1 - launched )) -lt 37000000 ] ||
        echo "game_screen.sh: level run $i: the roll-up click came before the 5 s at rest ended" >&2
    hwm=$(peak_until_exit $pid)
    wait $pid || { echo "game_screen.sh: level run $i failed:" >&2; cat "$WORK/level-stderr-$i.txt" >&2; exit 1; }
    starts=$(grep -c ' level-started' "$trace" || true)
    grep -q ' map-browsing' "$trace" || echo "game_screen.sh: level run $i never reached the level map" >&2
    [ "$starts" -eq 2 ] || echo "game_screen.sh: level run $i started $starts levels, not 2" >&2
    [ -e "$user/GoodExit.dat" ] || echo "game_screen.sh: level run $i did not end cleanly" >&2
    cpu=$(awk -v t=$((c1 - c0)) -v hz="$HZ" -v us=$((t1 - t0)) 'BEGIN { printf "%.3f", t / hz / (us / 1e6) }')
    mib=$(awk -v k="$hwm" 'BEGIN { printf "%.1f", k / 1024 }')
    echo "level run $i: panel at rest $cpu CPU-s/s; peak resident $mib MiB"
    panels+=("$cpu") levelhwms+=("$mib")
done
echo "whole level at PARTICLES=100: median panel at rest $(median "${panels[@]}") CPU-s/s"
echo "whole level at PARTICLES=100: median peak resident (VmHWM) $(median "${levelhwms[@]}") MiB (target at most 100)"

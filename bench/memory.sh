#!/usr/bin/env bash
# Peak memory over a whole first level, windowed and in the default full screen, for one or more
# builds run by turns. Each run: a fresh profile whose settings differ from the installed defaults
# only in FULL SCREEN, the splash screens and the whole intro watched, the loading screen's button,
# the name "Soak" typed, play, the level map's Enter and the instructions' click, then the level
# bot (SLEETWHISTLE_AUTOPLAY) plays level 1 until it is won, the map comes back and the game
# closes 3 s later. The peak resident memory (VmHWM) is read just before the process ends.
# Runs under Xvfb on a 1024x768 desktop (Mesa's llvmpipe, OpenAL's null output), so the full
# screen is the 800x600 frame scaled onto the desktop.
# With CLOCK=MS (17 by default) the game runs on its fake clock, MS per frame, as fast as the
# machine draws; CLOCK=0 plays on the real clock (slower; the same path through the game).
# With SMAPS=DIR, /proc/PID/smaps of the board in play (after the bot's fifth action) is kept in
# DIR for each run; bench/smaps_summary.sh sums it up by mapping.
# MODES="0" measures windowed only, MODES="1" full screen only.
# With SERIES=DIR, every sample's VmRSS (KiB) and the trace's last line (flip numbers and the
# game's milestones) go to DIR/rss-<build>-<mode>-<run>.txt: where the peak comes.
# WRAP="heaptrack -o FILE" (or another command prefix) runs the game under a profiler; the peak
# is then the wrapper's.
# Prints one line per run and the medians with their spread (lowest..highest) per build and mode,
# and `uptime` before and after.
# Usage: bench/memory.sh [RUNS (5)] [path/to/bin/sleetwhistle ...] (default: build/bin/sleetwhistle)
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
RUNS=${1:-5}
shift || true
GAMES=()
for g in "${@:-$ROOT/build/bin/sleetwhistle}"; do
    g=$(realpath "$g")
    [ -x "$g" ] || { echo "memory.sh: no game at $g" >&2; exit 1; }
    GAMES+=("$g")
done
CLOCK=${CLOCK:-17}

. "$ROOT/bench/common.sh"
bench_display "$0" "$RUNS" "${GAMES[@]}"
export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null} SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

bench_work
[ -z "${KEEP:-}" ] || trap - EXIT; echo "work: $WORK" >&2

# The splashes and the intro's slide show take about 33 s of the game's clock; clicks from 36 s
# on press the loading screen's button (and land harmlessly on the title), then the name, play,
# Enter on the map and a click on the instructions, as bench/soak.sh does 33 s later.
{
    bench_clicks 36000 39000
    echo "69000 mouse_move 400 530"
    echo "69100 mouse_down 1"
    echo "69150 mouse_up 1"
    ms=71000
    for c in 83 111 97 107; do
        ms=$((ms + 50))
        echo "$ms char $c"
    done
    echo "71400 key_down 13"
    echo "71400 char 13"
    echo "71450 key_up 13"
    echo "73000 mouse_move 400 538"
    echo "73100 mouse_down 1"
    echo "73150 mouse_up 1"
    echo "80000 key_down 13"
    echo "80050 key_up 13"
    echo "86000 mouse_down 1"
    echo "86050 mouse_up 1"
    echo "1800000 close"
} > "$WORK/input.txt"

# One run: prints "<peak KiB> <levels won>".
run() { # game fullscreen tag
    local home=$WORK/home-$3 log=$WORK/log-$3.txt trace=$WORK/trace-$3.txt
    : > "$trace"
    bench_home "$home" "$(dirname "$1")/../share/sleetwhistle/Data/Default.ini" "FULL SCREEN=$2"
    local clock=()
    [ "$CLOCK" != 0 ] && clock=(SLEETWHISTLE_CLOCK="$CLOCK")
    env "${clock[@]}" SLEETWHISTLE_AUTOPLAY=600 SLEETWHISTLE_HEADLESS=1 XDG_DATA_HOME="$home" \
        SLEETWHISTLE_TRACE="$trace" \
        SLEETWHISTLE_INPUT="$WORK/input.txt" ${WRAP:-} "$1" > /dev/null 2> "$log" &
    local pid=$! hwm=0 h snapped=""
    while kill -0 $pid 2> /dev/null; do
        h=$(awk '/VmHWM/ { print $2 }' /proc/$pid/status 2> /dev/null || true)
        [ -n "$h" ] && [ "$h" -gt "$hwm" ] && hwm=$h
        if [ -n "${SERIES:-}" ]; then
            mkdir -p "$SERIES"
            echo "$(awk '/VmRSS/ { print $2 }' /proc/$pid/status 2> /dev/null) $(tail -n 1 "$trace")" \
                >> "$SERIES/rss-$3.txt"
        fi
        # The board in play: the mappings after the bot's fifth action.
        if [ -n "${SMAPS:-}" ] && [ -z "$snapped" ] && grep -q ' action 5 ' "$log"; then
            mkdir -p "$SMAPS"
            cp /proc/$pid/smaps "$SMAPS/smaps-$3.txt" 2> /dev/null || true
            snapped=1
        fi
        sleep 0.2
    done
    wait $pid || echo "memory.sh: run $3 ended with status $?" >&2
    echo "$hwm $(grep -c ' won after ' "$log" || true)"
}

echo "uptime before: $(uptime)"
for i in $(seq "$RUNS"); do
    for fs in ${MODES:-0 1}; do
        for b in "${!GAMES[@]}"; do
            read -r kib won < <(run "${GAMES[$b]}" $fs "$b-$fs-$i")
            mib=$(awk -v k="$kib" 'BEGIN { printf "%.1f", k / 1024 }')
            echo "run $i build $b $([ $fs = 1 ] && echo full || echo windowed): peak $mib MiB, levels won $won"
            echo "$b $fs $mib" >> "$WORK/results"
        done
    done
done
echo "uptime after: $(uptime)"
for b in "${!GAMES[@]}"; do
    for fs in ${MODES:-0 1}; do
        awk -v b="$b" -v fs="$fs" '$1 == b && $2 == fs { print $3 }' "$WORK/results" | sort -g > "$WORK/sorted"
        n=$(wc -l < "$WORK/sorted")
        printf "build %d (%s) %-8s median %s MiB, spread %s..%s MiB over %d runs\n" "$b" "${GAMES[$b]}" \
            "$([ $fs = 1 ] && echo full || echo windowed)" "$(sed -n "$(( (n + 1) / 2 ))p" "$WORK/sorted")" \
            "$(head -1 "$WORK/sorted")" "$(tail -1 "$WORK/sorted")" "$n"
    done
done

#!/usr/bin/env bash
# What one screen of the game costs: starts the installed game under Xvfb (Mesa's llvmpipe, OpenAL's
# null output), lets it run for SECONDS of real time (10 by default) and prints
#   - the time from exec to the GL context and to the first presented frame,
#   - CPU-seconds per second of each thread group (main; llvmpipe; audio: OpenAL's threads and the
#     game's sound streaming; other: the rest of Mesa's), measured over the run after the first frame,
#   - presents per second over the same span, and the peak resident memory (VmHWM).
# Usage: bench/screen_cost.sh [path/to/bin/sleetwhistle] [SECONDS]
# SCREEN=WxH sets the Xvfb desktop (1024x768 by default: the full screen is then scaled; at
# 800x600 the frame fills the desktop as it is).
# WINDOWED=1 starts the game in its 800x600 window instead of the default full screen (settings
# copied from the game's defaults with full screen off).
# Later screens are measured the same way by giving the game an input script
# (SLEETWHISTLE_INPUT) that walks to them.
set -euo pipefail

GAME=${1:-$(dirname "$0")/../build/bin/sleetwhistle}
SECONDS_TO_RUN=${2:-10}
GAME=$(realpath "$GAME")
[ -x "$GAME" ] || { echo "screen_cost.sh: no game at $GAME" >&2; exit 1; }

. "$(dirname "$0")/common.sh"
bench_work

# A small preload counts presents and notes when the context and the first frame came, in real
# time, so nothing in the game has to know it is measured.
cat > "$WORK/count.c" <<'EOF'
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static long presents;
static int64_t contextNs, firstNs;
static int out = -1;

static int64_t Now(void) {
    struct timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return (int64_t)t.tv_sec * 1000000000 + t.tv_nsec;
}

static void Write(void) {
    if (out < 0) {
        const char* path = getenv("SCREEN_COST_OUT");
        if (!path) return;
        out = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    char line[96];
    int n = snprintf(line, sizeof line, "%ld %lld %lld\n", presents, (long long)contextNs, (long long)firstNs);
    pwrite(out, line, n, 0);
}

void* SDL_GL_CreateContext(void* window) {
    void* (*real)(void*) = (void* (*)(void*))dlsym(RTLD_NEXT, "SDL_GL_CreateContext");
    void* context = real(window);
    if (!contextNs) contextNs = Now();
    Write();
    return context;
}

void SDL_GL_SwapWindow(void* window) {
    static void (*real)(void*);
    if (!real) real = (void (*)(void*))dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    real(window);
    if (!firstNs) firstNs = Now();
    ++presents;
    Write();
}
EOF
cc -O2 -shared -fPIC -o "$WORK/count.so" "$WORK/count.c" -ldl

if [ "${WINDOWED:-0}" != 0 ]; then
    bench_home "$WORK/data" "$(dirname "$GAME")/../share/sleetwhistle/Data/Default.ini" "FULL SCREEN=0"
fi

cat > "$WORK/run.sh" <<'EOF'
set -euo pipefail
# utime + stime ticks of every thread, one "name ticks" line each.
threads() {
    for t in /proc/$1/task/*; do
        local name stat
        name=$(cat "$t/comm" 2>/dev/null) || continue
        stat=$(cat "$t/stat" 2>/dev/null) || continue
        stat=${stat##*) }
        set -- $stat
        # OpenAL's mixer and event threads carry the program's own name; Mesa names its own.
        local group=other
        if [ "${t##*/}" = "$PID" ]; then group=main
        elif [[ $name == llvmpipe* ]]; then group=llvmpipe
        elif [[ $name == sw-audio* || $name == "$MAIN_NAME" ]]; then group=audio
        fi
        echo "$group $((${12} + ${13}))"
    done
}
sum() { awk -v g="$2" '$1 == g { s += $2 } END { print s + 0 }' <<< "$1"; }

START=$(date +%s%N)
SCREEN_COST_OUT=$WORK/presents LD_PRELOAD=$WORK/count.so "$GAME" &
PID=$!
# Waits for the first frame (at most 20 s).
for _ in $(seq 200); do
    [ -s "$WORK/presents" ] && [ "$(cut -d' ' -f3 "$WORK/presents")" != 0 ] && break
    sleep 0.1
done
read -r P0 CONTEXT FIRST < "$WORK/presents"
MAIN_NAME=$(cat /proc/$PID/comm)
T0=$(date +%s%N)
BEFORE=$(threads $PID)
sleep "$SECONDS_TO_RUN"
AFTER=$(threads $PID)
T1=$(date +%s%N)
read -r P1 _ _ < "$WORK/presents"
HWM=$(awk '/VmHWM/ { print $2 }' /proc/$PID/status)
kill -TERM $PID; wait $PID || true

HZ=$(getconf CLK_TCK)
SPAN=$(( (T1 - T0) / 1000000 ))
echo "exec to GL context:        $(( (CONTEXT - START) / 1000000 )) ms"
echo "exec to first frame:       $(( (FIRST - START) / 1000000 )) ms"
echo "measured for:              $SPAN ms after the first frame"
for group in main llvmpipe audio other; do
    ticks=$(( $(sum "$AFTER" $group) - $(sum "$BEFORE" $group) ))
    awk -v t=$ticks -v hz=$HZ -v ms=$SPAN -v g=$group 'BEGIN { printf "CPU %-9s              %.3f CPU-s/s\n", g ":", t / hz / (ms / 1000) }'
done
ticks=$(( $(awk '{ s += $2 } END { print s }' <<< "$AFTER") - $(awk '{ s += $2 } END { print s }' <<< "$BEFORE") ))
awk -v t=$ticks -v hz=$HZ -v ms=$SPAN 'BEGIN { printf "CPU total:                 %.3f CPU-s/s\n", t / hz / (ms / 1000) }'
awk -v p=$((P1 - P0)) -v ms=$SPAN 'BEGIN { printf "presents per second:       %.1f\n", p / (ms / 1000) }'
awk -v k=$HWM 'BEGIN { printf "peak resident (VmHWM):     %.1f MiB\n", k / 1024 }'
EOF

export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} XDG_DATA_HOME="$WORK/data" GAME WORK SECONDS_TO_RUN
bench_xvfb bash "$WORK/run.sh"

#!/usr/bin/env bash
# A long run of the installed game on the real clock: a fresh profile, the intro skipped and the
# name "Soak" typed by an input script, then the level bot (SLEETWHISTLE_AUTOPLAY) plays LEVELS
# levels one after another (SLEETWHISTLE_AUTOPLAY_LEVELS) and closes the game. Every 10 s it prints
# a row: the time, the level being played, resident memory (VmRSS) and its peak (VmHWM), the
# CPU-seconds per second since the last row, threads and open file descriptors. At the end, the
# levels won and the resident memory as each level started. Runs under Xvfb (Mesa's llvmpipe,
# OpenAL's null output).
# Usage: bench/soak.sh [LEVELS (12)] [path/to/bin/sleetwhistle]
set -euo pipefail

LEVELS=${1:-12}
GAME=$(realpath "${2:-$(dirname "$0")/../build/bin/sleetwhistle}")
[ -x "$GAME" ] || { echo "soak.sh: no game at $GAME" >&2; exit 1; }

. "$(dirname "$0")/common.sh"
bench_work

# Clicks through the intro, the loading screen's button, the name, play, Enter on the map and a
# click on the instructions, at the times of the game's clock, seconds apart so that a busy
# machine's slow screen changes do not lose them; a close long after the bot's.
{
    bench_clicks 0 6000
    echo "36000 mouse_move 400 530"
    echo "36100 mouse_down 1"
    echo "36150 mouse_up 1"
    ms=41000
    for c in 83 111 97 107; do
        ms=$((ms + 50))
        echo "$ms char $c"
    done
    echo "41400 key_down 13"
    echo "41400 char 13"
    echo "41450 key_up 13"
    echo "44000 mouse_move 400 538"
    echo "44100 mouse_down 1"
    echo "44150 mouse_up 1"
    echo "51000 key_down 13"
    echo "51050 key_up 13"
    echo "57000 mouse_down 1"
    echo "57050 mouse_up 1"
    echo "$((LEVELS * 1800000)) close"
} > "$WORK/input.txt"

cat > "$WORK/run.sh" <<'EOF'
set -euo pipefail
SLEETWHISTLE_AUTOPLAY=600 SLEETWHISTLE_AUTOPLAY_LEVELS=$LEVELS SLEETWHISTLE_HEADLESS=1 \
    SLEETWHISTLE_INPUT=$WORK/input.txt "$GAME" 2> "$WORK/log.txt" &
PID=$!
HZ=$(getconf CLK_TCK)
field() { awk -v k="$1:" '$1 == k { print $2 }' /proc/$PID/status 2>/dev/null; }
ticks() {
    local stat
    stat=$(cat /proc/$PID/stat 2>/dev/null) || { echo 0; return; }
    stat=${stat##*) }
    set -- $stat
    echo $((${12} + ${13}))
}
printf "%6s %5s %9s %9s %7s %7s %5s\n" "time_s" "level" "rss_MiB" "hwm_MiB" "cpu" "threads" "fds"
T0=$(date +%s)
LAST_T=$T0
LAST_TICKS=$(ticks)
SEEN=0
: > "$WORK/starts.txt"
while kill -0 $PID 2>/dev/null; do
    sleep 1
    kill -0 $PID 2>/dev/null || break
    # Resident memory as each level starts (its pictures loaded, play not yet begun), within a
    # second: the 10 s rows land anywhere in a level, after quiet or busy frames.
    LEVEL=$(awk '$3 == "level" && $5 == "started" { l = $4 } END { print l + 0 }' "$WORK/log.txt")
    if [ "$LEVEL" != "$SEEN" ]; then
        SEEN=$LEVEL
        RSS=$(field VmRSS)
        [ -n "$RSS" ] && awk -v l="$LEVEL" -v r="$RSS" 'BEGIN { printf "%d %.1f\n", l, r / 1024 }' >> "$WORK/starts.txt"
    fi
    NOW=$(date +%s)
    [ $((NOW - LAST_T)) -ge 10 ] || continue
    TICKS=$(ticks)
    RSS=$(field VmRSS) HWM=$(field VmHWM) THREADS=$(field Threads)
    FDS=$(ls /proc/$PID/fd 2>/dev/null | wc -l)
    [ -n "$RSS" ] || break
    awk -v t=$((NOW - T0)) -v l="$LEVEL" -v r="$RSS" -v h="$HWM" -v dt=$((TICKS - LAST_TICKS)) \
        -v hz="$HZ" -v s=$((NOW - LAST_T)) -v th="$THREADS" -v f="$FDS" \
        'BEGIN { printf "%6d %5d %9.1f %9.1f %7.3f %7d %5d\n", t, l, r / 1024, h / 1024, dt / hz / s, th, f }'
    LAST_T=$NOW
    LAST_TICKS=$TICKS
done
wait $PID || echo "the game ended with status $?"
echo "levels won: $(grep -c ' won after ' "$WORK/log.txt" || true) of $LEVELS"
echo "resident MiB as each level started: $(awk '{ printf "%s%d: %s", (NR > 1 ? ", " : ""), $1, $2 }' "$WORK/starts.txt")"
grep -E ' (level [0-9]+ (started|won after)|misclick|close)' "$WORK/log.txt" || true
EOF

export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} XDG_DATA_HOME="$WORK/data" GAME WORK LEVELS
bench_xvfb bash "$WORK/run.sh"

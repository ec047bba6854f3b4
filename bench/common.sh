# What the measuring scripts share; sourced, never run: a display, a work folder with a cache home
# of its own, fresh data homes for the runs, and the clicks that skip the maker's splash and the
# finished loading screen. Nothing a script runs reads or writes the user's own folders.

# Runs a command on a fresh Xvfb desktop (SCREEN, 1024x768 unless set) with Mesa's llvmpipe.
bench_xvfb() { # command [arguments...]
    env LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER="${GALLIUM_DRIVER:-llvmpipe}" \
        xvfb-run -a -s "-screen 0 ${SCREEN:-1024x768}x24 +extension GLX -noreset" "$@"
}

# Without a display, runs the calling script again on a fresh desktop (bench_xvfb) and ends with
# its status; with one, returns at once. Call it before bench_work, as: bench_display "$0" args...
bench_display() { # script [arguments...]
    [ -n "${DISPLAY:-}" ] && return 0
    bench_xvfb "$@"
    exit
}

# WORK: a folder removed when the script ends, holding XDG_CACHE_HOME for every run of the script:
# the game's kept drawing programs and Mesa's shader cache go there, never into the user's cache.
# The first run fills it; the later ones start from it, as a player's second start does.
bench_work() {
    WORK=$(mktemp -d)
    trap 'rm -rf "$WORK"' EXIT
    export XDG_CACHE_HOME=$WORK/cache
    mkdir -p "$XDG_CACHE_HOME"
}

# A fresh data home for one run (its XDG_DATA_HOME). With settings given as KEY=VALUE words, its
# per-user folder holds the defaults file given (the game's Default.ini, CR LF lines) with those
# lines changed; without, the game starts as for a new player.
bench_home() { # home [defaults KEY=VALUE...]
    local user=$1/Brindlecove/Sleetwhistle defaults=${2:-} setting edits=()
    mkdir -p "$user"
    [ $# -gt 2 ] || return 0
    shift 2
    for setting in "$@"; do edits+=(-e "s/^${setting%%=*}=.*\r\$/$setting\r/"); done
    sed "${edits[@]}" "$defaults" > "$user/Sleetwhistle.ini"
}

# Input script lines: a click every 50 ms from FROM to TO ms of the game clock, each released 20 ms
# later; they skip the maker's splash and the finished loading screen.
bench_clicks() { # from to
    local ms
    for ms in $(seq "$1" 50 "$2"); do
        echo "$ms mouse_down 1"
        echo "$((ms + 20)) mouse_up 1"
    done
}

#!/usr/bin/env bash
# Sets up and builds (see setup.sh), then runs the whole test suite. Tests labelled gl need a
# display: the suite runs under Xvfb with Mesa's software renderer and OpenAL's null output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

export LIBGL_ALWAYS_SOFTWARE=1
export GALLIUM_DRIVER=llvmpipe
export ALSOFT_DRIVERS=null
export SDL_AUDIODRIVER=dummy
# Tests never touch the real user's folders: the data and cache homes (the game's per-user files,
# its kept drawing programs, Mesa's shader cache) are temporary.
homes=$(mktemp -d)
trap 'rm -rf "$homes"' EXIT
export XDG_DATA_HOME="$homes/data" XDG_CACHE_HOME="$homes/cache"
mkdir -p "$XDG_DATA_HOME" "$XDG_CACHE_HOME"

xvfb-run -a -s "-screen 0 1024x768x24 +extension GLX -noreset" \
    ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j "$(nproc)" "$@"

#!/bin/sh
# Runs a command on an X display of its own: a fresh Xvfb on a free display number that Xvfb
# picks itself (so parallel runs never race for one), stopped when the command ends. The scripted
# game runs use it: the game moves the pointer, which must not move under tests that read the
# shared display's pointer back.
# Usage: private_display.sh command [arguments...]
set -u
dir=$(mktemp -d)
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$dir"' EXIT
trap 'exit 143' TERM INT
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 +extension GLX -noreset -nolisten tcp 3>"$dir/display" \
    2>"$dir/server.log" &
server=$!
read -r display < "$dir/display" || true
if [ -z "$display" ]; then
    echo "private_display.sh: Xvfb did not start:" >&2
    cat "$dir/server.log" >&2
    exit 1
fi
DISPLAY=":$display" "$@"

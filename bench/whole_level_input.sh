#!/usr/bin/env bash
# Prints the input script (SLEETWHISTLE_INPUT) of a whole level, on the game clock, for a player
# at level 3 with the item hint unseen, used by bench/game_screen.sh and scripts/frames_tour.sh.
# Clicks skip the maker's splash and the finished loading screen, "play" is pressed on the title
# and Enter on the level map (each twice, in case loading ran late). The item hint shows after the
# fade-in and Enter at 12.5 s or the click at 14 s closes it; swaps on the 13 x 12 board (cells 50 px apart from
# (160, 25)) from 17 s; Ctrl+J at 22 s; the 4.5 s outro opens the panel at about 27 s. After its
# 5 s at rest a click at 37 s rolls it up, one at 38.5 s leaves "Click Anywhere" for the map, and
# Enter there at 42 s and 43.5 s plays level 4, whose intro runs until the close.
. "$(dirname "$0")/common.sh"
bench_clicks 0 5000
for ms in 6000 7500; do echo "$ms mouse_move 400 538"; echo "$ms mouse_down 1"; echo "$((ms + 40)) mouse_up 1"; done
for ms in 10000 12500; do echo "$ms key_down 13"; echo "$((ms + 40)) key_up 13"; done
echo "14000 mouse_move 120 80"; echo "14000 mouse_down 1"; echo "14040 mouse_up 1"
ms=17000
for cell in "6 6 7 6" "3 4 3 5" "9 8 8 8" "5 2 5 3" "10 5 11 5" "2 9 3 9"; do
    set -- $cell
    echo "$ms mouse_move $((160 + 50 * $1)) $((25 + 50 * $2))"; echo "$ms mouse_down 1"; echo "$((ms + 40)) mouse_up 1"
    echo "$((ms + 300)) mouse_move $((160 + 50 * $3)) $((25 + 50 * $4))"; echo "$((ms + 300)) mouse_down 1"
    echo "$((ms + 340)) mouse_up 1"
    ms=$((ms + 700))
done
echo "22000 key_down 162"; echo "22300 key_down 74"; echo "22400 key_up 74"; echo "23000 key_up 162"
for ms in 37000 38500; do echo "$ms mouse_move 120 80"; echo "$ms mouse_down 1"; echo "$((ms + 40)) mouse_up 1"; done
for ms in 42000 43500; do echo "$ms key_down 13"; echo "$((ms + 40)) key_up 13"; done
echo "48000 close"

#!/usr/bin/env bash
# Takes the README's screenshots from the real program: a whole trial under Xvfb with
# a window manager, material 1 with the initial D and P, ending in the grid view.
#   xvfb-run -a -s "-screen 0 1400x1050x24" tools/take-screenshots.sh build/src/brinell docs
# Needs xdotool, openbox, x11-utils and imagemagick.
set -euo pipefail
program=$(realpath "$1")
out=$(realpath "$2")
cd "$(dirname "$0")/../schemes"

openbox &
sleep 1
"$program" &
pid=$!
sleep 2

# The top-left corner of a window's client area on the screen.
client_origin() {
    xwininfo -id "$(xdotool search --name "$1" | head -n 1)" |
        awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'
}
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.3}"; }

read -r sx sy < <(client_origin "Определение")
click $((sx + 1010 + 30)) $((sy + 168 + 8))
import -window root -crop 1154x986+168+12 "$out/setup-window.png"
click $((sx + 560 + 280)) $((sy + 752 + 40)) 1
read -r tx ty < <(client_origin "Испытание")
click $((tx + 776 + 52)) $((ty + 304 + 48)) 17
click $((tx + 432 + 52)) $((ty + 264 + 48))
click $((tx + 544 + 48)) $((ty + 264 + 48))
import -window root -crop 909x815+35+40 "$out/trial-window.png"
kill "$pid"

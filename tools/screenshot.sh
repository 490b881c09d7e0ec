#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the real program under a virtual display with a window manager:
# types a length, picks a scale from the list with the keyboard, and saves the screen.
#   tools/screenshot.sh OUT.png LENGTH ["SCALE NAME" [sheet|about|template|tuning]]
# "template" opens the sheet, then its template dialog with Ctrl+G; "tuning" its tuning window
# with Ctrl+D. SCREEN sets the virtual
# screen (1000x540x24); with QT_SCALE_FACTOR=1.5 and SCREEN=1366x768x24 it is a laptop's.
# Needs xvfb, openbox, xdotool and imagemagick (apt-get install xvfb openbox xdotool imagemagick).
set -euo pipefail
out=$1 length=$2 scale=${3:-} open=${4:-}
here=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 ${SCREEN:-1000x540x24}" "$0" "$@"
fi

source "$here/tools/x11_session.sh"
start_window_manager
"$here/build/dorvane" &
app=$!
trap 'kill $app $wm_pid 2>/dev/null || true' EXIT
window=$(await_window '^Dorvane 2\.4$' 10 "$app")
xdotool windowmove --sync "$window" 20 30
xdotool windowactivate --sync "$window"
sleep 0.3
xdotool type --delay 40 "$length"
if [ -n "$scale" ]; then
    # The list's entries, in its order, as the table of systems gives them.
    mapfile -t names < <(grep -oP '\.name = "\K[^"]+(?=",)' "$here/scales/scale_tables.cpp")
    index=-1
    for i in "${!names[@]}"; do [ "${names[$i]}" = "$scale" ] && index=$i; done
    [ "$index" -ge 0 ] || { echo "unknown scale: $scale" >&2; exit 2; }
    pick_scale "$index"
fi
scale_factor=${QT_SCALE_FACTOR:-1}
click() { # a place of the main window, in its design's pixels
    xdotool mousemove --window "$window" $(awk "BEGIN { print int($1 * $scale_factor), \
        int($2 * $scale_factor) }") click 1
}
case "$open" in
sheet | template | tuning) click 436 11 ;; # the printer button
about) click 461 11 ;;            # the "?" button
esac
if [ -n "$open" ]; then
    sleep 0.8
    second=$(xdotool getactivewindow)
    xdotool windowmove --sync "$second" 330 60
fi
if [ "$open" = template ] || [ "$open" = tuning ]; then
    [ "$open" = template ] && xdotool key ctrl+g || xdotool key ctrl+d
    sleep 1
    xdotool windowmove --sync "$(xdotool getactivewindow)" 0 0
fi
xdotool mousemove 0 0
sleep 0.5
import -window root "$out"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the real program under a virtual display with a window manager:
# types a length, picks a scale from the list with the keyboard, and saves the screen.
#   tools/screenshot.sh OUT.png LENGTH ["SCALE NAME" [sheet|about]]
# Needs xvfb, openbox, xdotool and imagemagick (apt-get install xvfb openbox xdotool imagemagick).
set -euo pipefail
out=$1 length=$2 scale=${3:-} open=${4:-}
here=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1000x540x24" "$0" "$@"
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
case "$open" in
sheet) xdotool mousemove --window "$window" 436 11 click 1 ;;  # the printer button
about) xdotool mousemove --window "$window" 461 11 click 1 ;;  # the "?" button
esac
if [ -n "$open" ]; then
    sleep 0.8
    second=$(xdotool getactivewindow)
    xdotool windowmove --sync "$second" 330 60
fi
xdotool mousemove 0 0
sleep 0.5
import -window root "$out"

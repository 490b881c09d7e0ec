#!/usr/bin/env bash
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

openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
"$here/build/dorvane" &
app=$!
trap 'kill $app $wm 2>/dev/null || true' EXIT
window=""
for _ in $(seq 50); do
    window=$(xdotool search --name "^Dorvane 2.4$" 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
done
xdotool windowmove --sync "$window" 20 30
xdotool windowactivate --sync "$window"
sleep 0.3
xdotool type --delay 40 "$length"
if [ -n "$scale" ]; then
    names=("Tempérée Diatonique" "Tempérée Chromatique" "Zarlino Diatonique" "Zarlino Chromatique"
           "Zarlino Chromatique simplifiée" "Pythagore Diatonique" "Pythagore Chromatique"
           "Pythagore Chromatique simplifiée")
    index=-1
    for i in "${!names[@]}"; do [ "${names[$i]}" = "$scale" ] && index=$i; done
    [ "$index" -ge 0 ] || { echo "unknown scale: $scale" >&2; exit 2; }
    xdotool key Tab; sleep 0.1; xdotool key Tab   # past "?" to the scale list
    for _ in $(seq 0 "$index"); do xdotool key Down; sleep 0.05; done
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

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Uses the installed program as a person would, on a real X server (Xvfb with a window manager,
# the toolkit's X11 platform, not the offscreen one): starts it from its menu entry, types a
# length, asks for equal divisions with Ctrl+E from the length box and cancels, picks "Zarlino
# Chromatique" from the list with the keyboard, opens the result sheet with the printer button
# and closes it with Escape, checks the screenshots, then closes the window from the window
# manager and checks the exit code.
#   tests/real_display.sh STAGING_DIR OUTPUT_DIR APP_ID
# Needs xvfb, xauth, openbox, xdotool and imagemagick (bash setup.sh test installs them).
set -euo pipefail
staging=$(cd "$1" && pwd)
out=$2 app=$3
mkdir -p "$out"
out=$(cd "$out" && pwd)

source "$(dirname "$0")/../tools/x11_session.sh"
require Xvfb openbox xdotool import convert
entry="$staging/usr/share/applications/$app.desktop"
trap stop_session EXIT
start_session 1024x640x24 "$out"
# Statistics of a whole picture (measure) or of its part WIDTHxHEIGHT+X+Y (dark, white): the
# share of dark or of white pixels. All are fractions in 0..1.
measure() { convert "$1" -colorspace Gray -format "%[fx:$2]" info:; }
dark() { convert "$1" -crop "$2" -colorspace Gray -threshold 30% -negate -format "%[fx:mean]" info:; }
white() { convert "$1" -crop "$2" -colorspace Gray -threshold 90% -format "%[fx:mean]" info:; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# The menu starts the Exec line of the entry, found on the PATH, with no field codes here.
command_line=$(sed -n 's/^Exec=//p' "$entry" | head -1 | sed 's/ *%[fFuUick]//g')
[ -n "$command_line" ] || fail "no Exec line in $entry"
read -ra argv <<<"$command_line"
[ "${#argv[@]}" -eq 1 ] || fail "the Exec line of $entry passes arguments: ${argv[*]}"
echo "starting: ${argv[0]} (from $entry)"
start_dorvane "${argv[0]}" "$out/program.log" PATH="$staging/usr/bin:$PATH" ||
    fail "no window \"Dorvane 2.4\" within 10 s; the program says: $(cat "$out/program.log")"
program=$dorvane_pid
pids+=("$program")
echo "window $window is shown"

# The window's class is the one the menu entry names, so docks match it to its entry.
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
xdotool search --class "^$class\$" | grep -qx "$window" || fail "window class is not $class"
import -window "$window" "$out/start.png"
# The length box has the focus at start.
xdotool type --delay 60 650
# A command's key works while the cursor is in the length box, which takes Ctrl+E (end of
# line) for itself unless told otherwise.
xdotool key ctrl+e
await_window '^Division.*octave$' 5 >/dev/null ||
    fail "Ctrl+E in the length box did not ask for a number of equal divisions"
xdotool key Escape
sleep 0.3
import -window "$window" "$out/before.png"
pick_scale 3 # "Zarlino Chromatique"
sleep 0.4
import -window "$window" "$out/main-window.png"

# The printer button at the top right of the window opens the sheet of the current table.
xdotool mousemove --window "$window" 436 11 click 1
sheet=$(await_window '^ Dorvane 2\.4$' 5) || fail "no result sheet within 5 s"
sleep 0.5
import -window "$sheet" "$out/result-sheet.png"
xdotool key Escape
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^ Dorvane 2\.4$' >/dev/null || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^ Dorvane 2\.4$' >/dev/null &&
    fail "the result sheet did not close on Escape"
kill -0 "$program" 2>/dev/null || fail "the program ended with the sheet"

echo "whole window: mean $(measure "$out/main-window.png" mean), spread $(measure "$out/main-window.png" standard_deviation)"
above "$(measure "$out/main-window.png" standard_deviation)" 0.08 || fail "the window is blank"
above "$(measure "$out/main-window.png" mean)" 0.1 || fail "the window is black"
# The length box (57 x 22 pixels at (128, 0)) holds figures once the length is typed.
length_box=53x18+130+2
above "$(dark "$out/before.png" $length_box)" "$(awk -v d="$(dark "$out/start.png" $length_box)" \
    'BEGIN { print d + 0.02 }')" || fail "the typed length does not show in its box"
# Inside each of the 11 position boxes of the first column (57 x 19 pixels from (8, 32), one
# every 32 pixels): wood before the pick; a white fill with dark figures after it. Positions of
# 650 have several figures each: a length of 0 would leave a single "0" in every box.
ink=0
for row in $(seq 0 10); do
    inside=53x15+10+$((34 + 32 * row))
    above 0.05 "$(white "$out/before.png" "$inside")" || fail "box $row shown before a pick"
    after_white=$(white "$out/main-window.png" "$inside")
    after_dark=$(dark "$out/main-window.png" "$inside")
    echo "position box $row: white $after_white, dark $after_dark"
    above "$after_white" 0.5 || fail "position box $row is not shown after the pick"
    above "$after_dark" 0.02 || fail "position box $row holds no figures"
    ink=$(awk -v a="$ink" -v b="$after_dark" 'BEGIN { print a + b }')
done
above "$ink" 0.6 || fail "the first column holds too few figures for a length of 650 ($ink)"
above "$(measure "$out/result-sheet.png" standard_deviation)" 0.08 || fail "the result sheet is blank"
above "$(dark "$out/result-sheet.png" 100%x100%+0+0)" 0.01 || fail "the result sheet holds no text"

# Closed as a person closes it: Alt+F4, handled by the window manager.
xdotool windowactivate --sync "$window"
xdotool key alt+F4
for _ in $(seq 50); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program" 2>/dev/null && fail "the program still runs 5 s after its window was closed"
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "the program exited with $status: $(cat "$out/program.log")"
echo "closed; exit code 0; screenshots in $out"

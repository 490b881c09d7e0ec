#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader hears: starts an accessibility bus of its own (at-spi2-core, on a D-Bus
# session of its own) and the program on Xvfb with the X11 platform, uses the program with
# keystrokes and clicks, and reads its windows over AT-SPI from another process
# (screen_reader.py): the main window with "Zarlino Chromatique" at 650, the mode scroll bar of
# "Pythagore Diatonique", the result sheet and the about box.
#   tests/screen_reader.sh PROGRAM OUTPUT_DIR
# Needs xvfb, openbox, xdotool, dbus, at-spi2-core and python3-pyatspi (bash setup.sh test
# installs them).
set -euo pipefail
program=$(realpath "$1")
out=$2
mkdir -p "$out"
out=$(cd "$out" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

launcher=/usr/libexec/at-spi-bus-launcher
source "$here/../tools/x11_session.sh"
require Xvfb dbus-run-session dbus-send openbox xdotool "$launcher"
/usr/bin/python3 -c "import pyatspi" || fail "python3-pyatspi is missing"
if [ "${DORVANE_ON_BUS:-}" != 1 ]; then
    exec env DORVANE_ON_BUS=1 dbus-run-session -- bash "$0" "$@"
fi

trap stop_session EXIT
read_window() { /usr/bin/python3 "$here/screen_reader.py" "$dorvane" "$@"; }

# The bus that screen readers and programs meet on; the program asks for it when it starts.
"$launcher" --launch-immediately >"$out/bus.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null || fail "the accessibility bus did not start: $(cat "$out/bus.log")"

start_session 1024x700x24 "$out"
# As with a screen reader running: the toolkit's accessibility is on from the start.
start_dorvane "$program" "$out/program.log" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ||
    fail "no window within 10 s: $(cat "$out/program.log")"
dorvane=$dorvane_pid
pids+=("$dorvane")
# A length read in part: the box says what was read and what was ignored.
xdotool type --delay 60 650,5
sleep 0.5
read_window "Dorvane 2.4" \
    "described=Longueur vibrante=Lu : 650 — « ,5 » est ignoré : les décimales se séparent par un point" \
    "control=Lu : 650 — « ,5 » est ignoré : les décimales se séparent par un point"
xdotool key BackSpace BackSpace
pick_scale 3 # "Zarlino Chromatique": 42 frets, row 11 is the twelfth
sleep 0.5
read_window "Dorvane 2.4" named distinct "box=216,6667=Frette 12 : position" \
    "boxes=Sol =Frette 12 : note|Frette 33 : note" "control=Feuille de résultats"

xdotool key Down Down # "Pythagore Diatonique", two entries further
sleep 0.5
read_window "Dorvane 2.4" named distinct "box=361,1111=Frette 8 : position" \
    "bar=Mode de : Do" "mode=1=Mode de : Ré"

xdotool key Up Up # back to "Zarlino Chromatique"
sleep 0.5
xdotool mousemove --window "$window" 436 11 click 1
await_window '^ Dorvane 2\.4$' 5 >/dev/null || fail "no result sheet within 5 s"
sleep 0.5
read_window "Feuille de résultats" named distinct "box=216,6667=Frette 12 : position" \
    "control=Longueur vibrante"
xdotool key Escape
sleep 0.5

xdotool mousemove --window "$window" 463 11 click 1
await_window '^A propos' 5 >/dev/null || fail "no about box within 5 s"
sleep 0.5
read_window "A propos ..." named "control=Image : la tête d'un luth et ses chevilles"
xdotool key Escape
echo "every window read; logs in $out"

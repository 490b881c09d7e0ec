#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package on a fresh, minimal Debian 12 system made with debootstrap in a
# folder, with apt-get and without recommended packages, then starts the program from its menu
# entry inside that system on a virtual display of this machine, picks a scale, and saves a
# screenshot. Shows that the package's dependencies are enough on their own.
#   tools/fresh_install.sh PACKAGE.deb [WORK_DIR] [SCREENSHOT.png]
# Run as root; needs network access to the Debian mirror, and debootstrap, xvfb, openbox,
# xdotool and imagemagick on this machine.
set -euo pipefail
deb=$(realpath "$1")
work=$(realpath -m "${2:-/tmp/dorvane-fresh}")
shot=$(realpath -m "${3:-$work/fresh-install.png}")
root=$work/root
display=:${DORVANE_DISPLAY:-57}
source "$(dirname "$0")/x11_session.sh"

mkdir -p "$work"
if [ ! -x "$root/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >"$work/debootstrap.log"
fi
cp "$deb" "$root/tmp/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/tmp/.X11-unix"
mount -t proc proc "$root/proc"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    umount "$root/tmp/.X11-unix" "$root/proc" 2>/dev/null || true
}
trap cleanup EXIT

chroot "$root" bash -c "apt-get update -q >/dev/null &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends /tmp/$(basename "$deb")" |
    grep -E "newly installed|Setting up dorvane"

Xvfb "$display" -screen 0 1024x640x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
sleep 1
start_window_manager
pids+=("$wm_pid")

# As the menu does: the Exec line of the installed entry, found on the system's PATH.
chroot "$root" env DISPLAY="$display" LANG=fr_FR.UTF-8 bash -c \
    'exec $(sed -n "s/^Exec=//p" /usr/share/applications/fr.dorvane.Dorvane.desktop)' \
    >"$work/program.log" 2>&1 &
program=$!
pids+=("$program")
window=$(await_window '^Dorvane 2\.4$' 10 "$program") ||
    { echo "no window; program log:" >&2; cat "$work/program.log" >&2; exit 1; }
xdotool windowactivate --sync "$window"
xdotool type --delay 50 650
pick_scale 3 # "Zarlino Chromatique"
sleep 0.5
import -window root "$shot"
xdotool key alt+F4
status=0
wait "$program" || status=$?
echo "the program started from its menu entry and exited with $status; screenshot: $shot"
[ "$status" -eq 0 ]

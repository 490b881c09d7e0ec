# SPDX-License-Identifier: GPL-3.0-or-later
# Driving the program on an X server as a person would; sourced by the scripts that do it.
# Needs xvfb, openbox and xdotool.

# start_x_server SCREEN [LOG]: starts Xvfb with a screen of SCREEN (1024x700x24) on a display
# number that the server picks itself among those it can open, and waits until the server
# accepts connections (10 s at most), as it says by writing that number; exports DISPLAY and
# leaves the server's process id in x_pid. A number picked from lock files by a script could
# be one that another server, starting or ending, still holds.
start_x_server() {
    local screen=$1 log=${2:-/dev/null} ready number=
    ready=$(mktemp -u)
    mkfifo "$ready"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$ready" >"$log" 2>&1 &
    x_pid=$!
    read -r -t 10 number <"$ready" || true
    rm -f "$ready"
    [ -n "$number" ] || return 1
    export DISPLAY=":$number"
    unset XAUTHORITY # a server of its own, open to this machine's clients only
}

# stop_x_server: stops the server started by start_x_server and waits until it has gone, so
# that the next server never meets it.
stop_x_server() {
    [ -n "${x_pid:-}" ] || return 0
    kill "$x_pid" 2>/dev/null || true
    wait "$x_pid" 2>/dev/null || true
    x_pid=
}

# start_window_manager [LOG]: starts openbox and waits until it manages the screen (10 s at
# most); its process id is left in wm_pid.
start_window_manager() {
    openbox >"${1:-/dev/null}" 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do
        kill -0 "$wm_pid" 2>/dev/null || return 1
        xdotool get_desktop >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# await_window TITLE_REGEX [SECONDS] [PID]: prints the id of the first visible window whose
# title matches, waiting SECONDS (10) at most; fails at once if process PID has ended.
await_window() {
    local name=$1 seconds=${2:-10} pid=${3:-}
    for _ in $(seq $((seconds * 10))); do
        [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null || return 1
        xdotool search --onlyvisible --name "$name" 2>/dev/null | head -1 | grep . && return 0
        sleep 0.1
    done
    return 1
}

# pick_scale INDEX: from the length box, two Tabs lead to the scale list (past "?"); with no
# scale picked yet, INDEX + 1 presses of Down pick entry INDEX, counted from 0.
pick_scale() {
    xdotool key Tab
    sleep 0.1
    xdotool key Tab
    sleep 0.1
    for _ in $(seq 0 "$1"); do
        xdotool key Down
        sleep 0.1
    done
}

# start_dorvane PROGRAM LOG [VARIABLE=VALUE...]: starts the program on the X11 platform in French
# (with the variables given), waits until its main window is shown (10 s at most) and makes it
# the active window; the program's process id is left in dorvane_pid, the window's in window.
# A program whose window does not come is stopped.
start_dorvane() {
    local program=$1 log=$2
    shift 2
    # Preferences of its own, beside the log and empty at first: the program as first installed.
    rm -rf "$(dirname "$log")/config"
    env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 \
        XDG_CONFIG_HOME="$(dirname "$log")/config" "$@" "$program" >"$log" 2>&1 &
    dorvane_pid=$!
    if ! window=$(await_window '^Dorvane 2\.4$' 10 "$dorvane_pid"); then
        kill "$dorvane_pid" 2>/dev/null || true
        return 1
    fi
    xdotool windowactivate --sync "$window"
    sleep 0.3
}

# What every test script on an X server shares: fail MESSAGE stops it with FAIL; require TOOL...
# fails unless each tool is on the PATH; the processes it started are in `pids`, which
# stop_session stops by their ids and waits for, the X server last.
pids=()
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
require() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is missing"
    done
}
stop_session() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
    stop_x_server
}

# start_session SCREEN OUT: an X server with a screen of SCREEN and a window manager, their logs
# in the folder OUT; fails with the log of the one that did not start.
start_session() {
    local screen=$1 out=$2
    start_x_server "$screen" "$out/xvfb.log" || fail "no X server: $(cat "$out/xvfb.log")"
    start_window_manager "$out/openbox.log" ||
        fail "the window manager did not start: $(cat "$out/openbox.log")"
    pids+=("$wm_pid")
}

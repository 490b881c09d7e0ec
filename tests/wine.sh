#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program for Windows, run under wine on an X server of the test's own, against the Linux
# build of the same sources:
# - the table of every scale and mode at 650 and at 1234.5678, byte for byte as on Linux (which
#   compares the two systems' pow);
# - the template as SVG and DXF, byte for byte, and as PDF, fret for fret and ruler for ruler;
# - for a Scala file and for 31 equal divisions, the tuning's table, SVG and DXF, and the Scala
#   file of every system and mode, byte for byte;
# - the window, found by its title, with the 42-row sheet of "Zarlino Chromatique" and its
#   tuning window, in French (screenshots kept);
# - the installer, silent, for the current user, for all users and without the association of
#   .scl files, with the command it registers run on a Scala file; then its uninstaller, which
#   leaves nothing of ours in the registry.
#   tests/wine.sh WINDOWS_BUILD LINUX_PROGRAM OUTPUT_DIR
# Needs wine64, xvfb, openbox, xdotool, imagemagick, mupdf-tools and poppler-utils.
set -euo pipefail
build=$(cd "$1" && pwd)
linux=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
out=$3
here=$(cd "$(dirname "$0")/.." && pwd)
rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
folder=$build/package/dorvane-$version-windows-x64

source "$here/tools/x11_session.sh"
export WINEPREFIX=$out/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine passes arguments and paths in the characters of the system's locale, which must exist:
# C.UTF-8 always does. Windows' regional settings are then set in its own registry.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
wine_program=$(command -v wine64 || echo /usr/lib/wine/wine64)
# Every run bounded: a program that waits for an answer on a hidden window fails, not hangs.
wine() { timeout 120 "$wine_program" "$@"; }
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -z "${wm_pid:-}" ] || kill "$wm_pid" 2>/dev/null || true
    stop_x_server
}
trap cleanup EXIT
start_x_server 1024x700x24 "$out/xvfb.log" || { echo "FAIL: no X server" >&2; exit 1; }
start=$(date +%s.%N)
wine wineboot --init >"$out/wineboot.log" 2>&1
wineserver -w
echo "wine: a prefix made in $(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.1f", e - s }') s"

# The tables, byte for byte. Run from the work folder, so that plain file names are the same
# for both programs.
cd "$out"
mapfile -t scales < <(grep -oP '\.name = "\K[^"]+(?=",)' "$here/scales/scale_tables.cpp")
checked=0
# same_table LINUX_LOCALE ARGUMENTS...: the table of both programs, compared.
same_table() {
    local locale=$1
    shift
    LC_ALL=$locale LANG=$locale "$linux" "$@" >linux.txt
    wine "$folder/dorvane-cli.exe" "$@" >windows.txt 2>windows.err ||
        fail "$*: exit $?: $(cat windows.err)"
    cmp -s linux.txt windows.txt || fail "$*: $(diff linux.txt windows.txt | head -4)"
    checked=$((checked + 1))
}
for length in 650 1234.5678; do
    for scale in "${scales[@]}"; do
        modes=("")
        [ "$scale" = "Pythagore Diatonique" ] && modes=(0 1 2 3 4 5 6)
        for mode in "${modes[@]}"; do
            same_table C.UTF-8 --table --scale "$scale" --length "$length" ${mode:+--mode "$mode"}
        done
    done
done
# The decimal separator of Windows' regional settings, a comma as in France.
wine reg add 'HKCU\Control Panel\International' /v sDecimal /d , /f >/dev/null 2>&1
wineserver -w
for scale in "${scales[@]}"; do
    same_table fr_FR.UTF-8 --table --scale "$scale" --length 1234.5678
done
grep -q "^1	78,4659	Do #" windows.txt || fail "no comma from Windows' settings: $(head -2 windows.txt)"
echo "wine: $checked tables as on Linux, with a point and with a comma"

# Exit codes and messages reach the caller.
set +e
wine "$folder/dorvane-cli.exe" --table --scale Zarlino --length 650 >/dev/null 2>windows.err
status=$?
set -e
[ "$status" = 2 ] && grep -q "gamme inconnue" windows.err ||
    fail "a bad argument: exit $status: $(cat windows.err)"

# The template's files, with the comma on both sides.
template=(--scale "Zarlino Chromatique" --length 650 --slot 0.6 --width 55)
for kind in svg dxf; do
    LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 "$linux" --export "linux.$kind" "${template[@]}"
    wine "$folder/dorvane-cli.exe" --export "windows.$kind" "${template[@]}" 2>windows.err ||
        fail "--export $kind: $(cat windows.err)"
    cmp -s "linux.$kind" "windows.$kind" || fail "the $kind files differ"
done
LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 "$linux" --export linux.pdf --scale "Zarlino Chromatique" --length 650 --paper A4
wine "$folder/dorvane-cli.exe" --export windows.pdf --scale "Zarlino Chromatique" \
    --length 650 --paper A4 2>windows.err || fail "--export pdf: $(cat windows.err)"
/usr/bin/python3 "$here/tests/template_files.py" printed windows.pdf linux.pdf >pdf.log ||
    fail "the PDF's frets and rulers differ: $(cat pdf.log)"
echo "wine: SVG and DXF as on Linux, the PDF's frets and rulers too"

# Scales of any tuning: a quarter-comma meantone in cents, with CR LF and a description in
# ISO-8859-1, and 31 equal divisions; then the Scala file of every system and mode.
{
    printf '! meantone.scl\r\n!\r\nM\xe9sotonique au quart de comma\r\n 12\r\n!\r\n'
    printf ' %s\r\n' 76.04900 193.15686 310.26471 386.31371 503.42157 579.47057 696.57843 \
        772.62743 889.73529 1006.84314 1082.89214 2/1
} >meantone.scl
# same_file FILE ARGUMENTS...: the file written by --export FILE on both sides, each in a
# folder of its own (a Scala file names itself), compared.
mkdir -p linux windows
same_file() {
    local file=$1
    shift
    LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 "$linux" --export "linux/$file" "$@"
    wine "$folder/dorvane-cli.exe" --export "windows/$file" "$@" 2>windows.err ||
        fail "--export $file $*: $(cat windows.err)"
    cmp -s "linux/$file" "windows/$file" || fail "$file of $*: the files differ"
    checked=$((checked + 1))
}
checked=0
for choice in "--scl meantone.scl" "--edo 31"; do
    read -ra given <<<"$choice"
    same_table fr_FR.UTF-8 --table --details "${given[@]}" --length 650 --frequency 261,63
    for kind in svg dxf; do
        same_file "x.$kind" "${given[@]}" --length 650 --slot 0.6
    done
    same_file x.scl "${given[@]}"
done
for scale in "${scales[@]}"; do
    modes=("")
    [ "$scale" = "Pythagore Diatonique" ] && modes=(0 1 2 3 4 5 6)
    for mode in "${modes[@]}"; do
        same_file x.scl --scale "$scale" ${mode:+--mode "$mode"}
    done
done
echo "wine: $checked tables and files of Scala scales and equal divisions as on Linux"

# The window, its table and the 42-row sheet, as a user gets them.
start_window_manager "$out/openbox.log" || fail "no window manager"
start=$(date +%s.%N)
wine "$folder/dorvane.exe" >program.log 2>&1 &
program=$!
if window=$(await_window '^Dorvane 2\.4$' 30 "$program"); then
    echo "wine: the window shown in $(awk -v s="$start" -v e="$(date +%s.%N)" \
        'BEGIN { printf "%.1f", e - s }') s (an indication only: wine is not Windows)"
    xdotool windowmove --sync "$window" 20 30
    xdotool windowactivate --sync "$window"
    sleep 0.5
    xdotool type --delay 40 650
    index=-1
    for i in "${!scales[@]}"; do [ "${scales[$i]}" = "Zarlino Chromatique" ] && index=$i; done
    pick_scale "$index"
    sleep 0.5
    import -window root "$out/main-window.png"
    xdotool mousemove --window "$window" 436 11 click 1 # the printer button
    if sheet=$(await_window '^ Dorvane 2\.4$' 10 "$program"); then
        xdotool windowmove --sync "$sheet" 330 60
        sleep 0.8
        import -window root "$out/result-sheet.png"
        xdotool windowactivate --sync "$sheet"
        sleep 0.3
        xdotool key ctrl+d
        if tuning=$(await_window '^Accord$' 10 "$program"); then
            xdotool windowmove --sync "$tuning" 40 40
            sleep 0.8
            import -window root "$out/tuning-window.png"
            xdotool key Escape
            sleep 0.3
        else
            fail "no tuning window from the sheet's Ctrl+D"
        fi
        xdotool key Escape
    else
        fail "no result sheet"
    fi
else
    fail "no window \"Dorvane 2.4\" within 30 s: $(cat program.log)"
fi
wineserver -k 2>/dev/null || true
wineserver -w
wait "$program" 2>/dev/null || true

# The installer, silent, and its uninstaller.
source "$here/tests/wine_install.sh"
[ "$failures" = 0 ] || exit 1
echo "wine: every check passed; screenshots in $out"

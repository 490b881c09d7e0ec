#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints a result sheet on a real print queue, as a person would: starts a CUPS server of its own
# (its own configuration and spool folders, its own socket, so that it disturbs nothing) with a
# cups-pdf queue as the default printer; starts the program on Xvfb with the X11 platform, picks
# "Zarlino Chromatique", opens the sheet, presses Ctrl+P and accepts the print dialog with
# Return. Then checks that the job completes and that cups-pdf wrote a one-page PDF with the
# sheet's ink on it. Everything it started is stopped by its process id.
#   tests/real_printer.sh PROGRAM OUTPUT_DIR
# Needs root (cupsd), cups, printer-driver-cups-pdf, poppler-utils, xvfb, openbox, xdotool and
# imagemagick (bash setup.sh test installs them).
set -euo pipefail
program=$(realpath "$1")
out=$2
mkdir -p "$out"
out=$(cd "$out" && pwd)

source "$(dirname "$0")/../tools/x11_session.sh"
require cupsd lpadmin lpstat pdfinfo pdftoppm Xvfb openbox xdotool convert mutool
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
[ -f "$ppd" ] || fail "no cups-pdf PPD at $ppd"
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: cupsd runs as root only"
    exit 77
fi

# cups-pdf writes into the PDF folder of the job's owner, this user.
home=$(getent passwd "$(id -un)" | cut -d: -f6)
pdf_folder="$home/PDF"
pdf_folder_existed=0
[ -d "$pdf_folder" ] && pdf_folder_existed=1
before=$(find "$pdf_folder" -maxdepth 1 -name '*.pdf' 2>/dev/null | sort || true)

cups=$(mktemp -d)
chmod 755 "$cups" # the filters run as the queue's user and read the spool
new_pdfs() {
    comm -13 <(echo "$before") <(find "$pdf_folder" -maxdepth 1 -name '*.pdf' 2>/dev/null | sort)
}
cleanup() {
    stop_session
    new_pdfs | while read -r made; do rm -f "$made"; done
    [ "$pdf_folder_existed" = 1 ] || rmdir "$pdf_folder" 2>/dev/null || true
    cp "$cups"/log/error_log "$out/cups_error_log" 2>/dev/null || true
    rm -rf "$cups"
}
trap cleanup EXIT

mkdir -p "$cups"/{etc/ppd,spool,state,cache,tmp,log}
chmod 1777 "$cups/tmp" # the filters write their temporary files there
cat >"$cups/etc/cupsd.conf" <<EOF
LogLevel info
Listen $cups/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$cups/etc/cups-files.conf" <<EOF
ServerRoot $cups/etc
RequestRoot $cups/spool
StateDir $cups/state
CacheDir $cups/cache
TempDir $cups/tmp
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
SystemGroup root
EOF
cupsd -f -c "$cups/etc/cupsd.conf" -s "$cups/etc/cups-files.conf" &
pids+=($!)
export CUPS_SERVER="$cups/cups.sock"
for _ in $(seq 100); do
    [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break
    sleep 0.1
done
lpstat -r >/dev/null 2>&1 || fail "cupsd did not start: $(cat "$cups/log/error_log" 2>/dev/null)"
lpadmin -p dorvane-test -E -v cups-pdf:/ -P "$ppd" 2>/dev/null
lpadmin -d dorvane-test
echo "CUPS: $(lpstat -d)"

start_session 1024x700x24 "$out"
start_dorvane "$program" "$out/program.log" ||
    fail "no window within 10 s: $(cat "$out/program.log")"
dorvane=$dorvane_pid
pids+=("$dorvane")
xdotool type --delay 60 650
pick_scale 3 # "Zarlino Chromatique"
sleep 0.4
xdotool mousemove --window "$window" 436 11 click 1
sheet=$(await_window '^ Dorvane 2\.4$' 5) || fail "no result sheet within 5 s"
sleep 0.5
xdotool key ctrl+p
dialog=$(await_window '^Imprimer$' 10) || fail "no print dialog \"Imprimer\" within 10 s"
sleep 0.5
import -window root "$out/print-dialog.png"
xdotool key Return

# The job goes through the queue's filters and cups-pdf; it is complete when lpstat says so.
completed=""
for _ in $(seq 600); do
    completed=$(lpstat -W completed -o dorvane-test 2>/dev/null || true)
    [ -n "$completed" ] && break
    sleep 0.1
done
[ -n "$completed" ] || fail "no print job completed within 60 s: $(lpstat -o 2>&1)"
echo "job: $completed"
output=""
for _ in $(seq 100); do
    output=$(new_pdfs | head -1)
    [ -n "$output" ] && break
    sleep 0.1
done
[ -n "$output" ] || fail "cups-pdf wrote no PDF into $pdf_folder"
cp "$output" "$out/printed.pdf"
kill -0 "$dorvane" 2>/dev/null || fail "the program ended while printing"
xdotool search --onlyvisible --name '^ Dorvane 2\.4$' >/dev/null ||
    fail "the sheet closed when it was printed"

pages=$(pdfinfo "$out/printed.pdf" | sed -n 's/^Pages: *//p')
[ "$pages" = 1 ] || fail "the printed PDF has $pages pages"
# Ink: the share of dark pixels of the page at 50 dpi, against none on an empty page.
pdftoppm -r 50 -png -singlefile "$out/printed.pdf" "$out/printed"
ink=$(convert "$out/printed.png" -colorspace Gray -threshold 50% -negate -format "%[fx:mean]" info:)
empty=$(convert -size 100x100 xc:white -colorspace Gray -threshold 50% -negate -format "%[fx:mean]" info:)
echo "dark share of the printed page: $ink (empty page: $empty)"
awk -v a="$ink" -v b="$empty" 'BEGIN { exit !(a > b + 0.01) }' ||
    fail "the printed page holds almost no ink"
echo "printed: one page through the queue dorvane-test"

# The template of the same table, from the sheet's Ctrl+G, printed at its true size: the same
# pages as the PDF the program saves of it, rulers and frets where they stand.
sheet_pdf=$output
xdotool key ctrl+g
await_window '^Gabarit 1:1$' 5 >/dev/null || fail "no template dialog within 5 s"
sleep 0.5
import -window root "$out/template-dialog.png"
xdotool key alt+i
await_window '^Imprimer$' 10 >/dev/null || fail "no print dialog for the template within 10 s"
sleep 0.5
xdotool key Return
template_pdf=""
for _ in $(seq 600); do
    template_pdf=$(new_pdfs | grep -vxF "$sheet_pdf" | head -1 || true)
    [ -n "$template_pdf" ] && [ "$(lpstat -W completed -o dorvane-test 2>/dev/null | wc -l)" -ge 2 ] &&
        break
    sleep 0.1
done
[ -n "$template_pdf" ] || fail "cups-pdf wrote no PDF of the template: $(lpstat -o 2>&1)"
cp "$template_pdf" "$out/printed-template.pdf"
env -u DISPLAY LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 "$program" --export "$out/saved-template.pdf" \
    --scale "Zarlino Chromatique" --length 650 --paper A4 ||
    fail "the command line did not save the template"
/usr/bin/python3 "$(dirname "$0")/template_files.py" printed "$out/printed-template.pdf" \
    "$out/saved-template.pdf" || fail "the printed template is not the saved one at 1:1"
echo "printed: the template's $(pdfinfo "$out/printed-template.pdf" | sed -n 's/^Pages: *//p') pages at 1:1; copies in $out"

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The command line's arguments: bad ones refused with 2, a French message naming them and no
file; good ones in any case; a file or an output that cannot be written, with 1; no display."""
import os
import resource
import signal
import subprocess

from checks import check, run

BAD = [
    (["--frobnicate"], "--frobnicate"),
    (["--table"], "--scale"),
    (["--table", "--scale", "Zarlino", "--length", "650"], "--scale Zarlino"),
    (["--table", "--scale", "Zarlino Chromatique"], "--length"),
    (["--table", "--scale", "Zarlino Chromatique", "--length", "650,5"], "--length 650,5"),
    (["--table", "--scale", "Zarlino Chromatique", "--length", "1e15"], "--length 1e15"),
    (["--table", "--scale", "Zarlino Chromatique", "--length", "650", "--mode", "2"], "--mode"),
    (["--table", "--scale", "Pythagore Diatonique", "--length", "650", "--mode", "7"], "--mode 7"),
    (["--table", "--scale", "Zarlino Chromatique", "--length", "650", "--unit", "mm"], "--unit"),
    (["--table", "--export", "OUT.svg", "--scale", "Zarlino Chromatique", "--length", "650"],
     "--export"),
    (["--export"], "--export"),
    (["--export", "OUT.txt", "--scale", "Zarlino Chromatique", "--length", "650"], "OUT.txt"),
    (["--export", "OUT.svg", "--scale", "Zarlino Chromatique", "--length", "0"], "--length 0"),
    (["--export", "OUT.svg", "--scale", "Zarlino Chromatique", "--length", "650",
      "--unit", "ft"], "--unit ft"),
    (["--export", "OUT.pdf", "--scale", "Zarlino Chromatique", "--length", "650",
      "--paper", "A3"], "--paper A3"),
    (["--export", "OUT.dxf", "--scale", "Zarlino Chromatique", "--length", "650",
      "--width", "0"], "--width 0"),
    (["--export", "OUT.dxf", "--scale", "Zarlino Chromatique", "--length", "650",
      "--slot", "60"], "--slot 60"),
    (["--export", "OUT.pdf", "--scale", "Zarlino Chromatique", "--length", "99999"], "--length"),
    # What --export refuses, --table refuses in the same words.
    (["--table", "--scale", "Zarlino Chromatique", "--length", "-650"],
     "--length -650 » : la longueur vibrante doit être positive"),
    (["--table", "--scale", "Zarlino Chromatique", "--length", "0"],
     "--length 0 » : la longueur vibrante doit être positive"),
    (["--export", "OUT.svg", "--scale", "Zarlino Chromatique", "--length", "650", "--paper", "A4"],
     "--paper"),
    (["--export", "OUT.dxf", "--scale", "Zarlino Chromatique", "--length", "650",
      "--correction", "98"], "--correction"),
    (["--export", "OUT.pdf", "--scale", "Zarlino Chromatique", "--length", "650",
      "--correction", "80"], "--correction 80"),
    (["--export", "OUT.svg", "--scale", "Zarlino Chromatique", "--length", "330", "--slot", "1.5"],
     "plus petit écart entre deux frettes"),
    (["--export", "OUT.svg", "--scale", "Zarlino Chromatique", "--length", "650",
      "--slot", "0,6,1"], "--slot 0,6,1"),
    # A fingerboard: each bad value by its name.
    (["--export", "OUT.svg", "--scale", "Zarlino Chromatique", "--length", "650",
      "--strings", "25"], "--strings 25 » : le nombre de cordes va de 1 à 24"),
    (["--export", "OUT.dxf", "--edo", "31", "--length", "650", "--strings", "0"], "--strings 0"),
    (["--export", "OUT.pdf", "--scale", "Zarlino Chromatique", "--length", "650",
      "--strings", "6", "--nut-span", "-1"], "--nut-span -1 » : l'écartement au sillet"),
    (["--export", "OUT.svg", "--scale", "Zarlino Chromatique", "--length", "650",
      "--strings", "6", "--overhang", "-0,5"], "--overhang -0,5 » : le débord"),
    (["--table", "--scale", "Zarlino Chromatique", "--length", "650", "--strings", "6",
      "--perpendicular", "43"], "--perpendicular 43 » : la frette perpendiculaire va de 0"),
    (["--export", "OUT.svg", "--scale", "Zarlino Chromatique", "--length", "650",
      "--strings", "6", "--nut-span", "0", "--bridge-span", "1300"], "--bridge-span 1300"),
    (["--export", "OUT.svg", "--scale", "Zarlino Chromatique", "--length", "330",
      "--strings", "6", "--bass-length", "300", "--slot", "1.4"], "--slot 1.4"),
    (["--export", "OUT.svg", "--scale", "Zarlino Chromatique", "--length", "650",
      "--strings", "6", "--width", "50"], "--width 50 » ne s'emploie qu'avec une corde"),
    (["--export", "OUT.svg", "--scale", "Zarlino Chromatique", "--length", "650",
      "--bridge-span", "50"], "--bridge-span 50 » ne s'emploie qu'avec --strings 2"),
    (["--export", "OUT.scl", "--scale", "Zarlino Chromatique", "--strings", "6"],
     "--strings » ne s'emploie pas avec un fichier .scl"),
    # Strings tuned to degrees: a note the scale has not, a number beyond it, one too few.
    (["--export", "OUT.svg", "--scale", "Zarlino Chromatique simplifiée", "--length", "650",
      "--strings", "3", "--tuning", "Mi Xa Sol"],
     "--tuning Mi Xa Sol » : corde 2 : « Xa » n'est pas une note de la gamme"),
    (["--export", "OUT.dxf", "--edo", "31", "--length", "650", "--strings", "2",
      "--tuning", "0,31"], "--tuning 0,31 » : corde 2 : le degré 31 n'est pas de 0 à 30"),
    (["--table", "--scale", "Pythagore Diatonique", "--length", "650", "--strings", "3",
      "--tuning", "Do Ré"], "--tuning Do Ré » : 2 degrés pour 3 cordes"),
    (["--export", "OUT.svg", "--scale", "Zarlino Chromatique", "--length", "650",
      "--tuning", "Do"], "--tuning Do » ne s'emploie qu'avec --strings 2"),
]

# Values read without regard to case, inches as the program writes them, and a comma before the
# decimals of a width.
GOOD = [
    ["--unit", "MM"], ["--unit", "po"], ["--unit", "Pouces"], ["--paper", "a4"],
    ["--slot", "0,6"], ["--width", "40,5"], ["--scale", "zarlino CHROMATIQUE"],
    ["--correction", "98,5"],
]


def check_arguments(program, work):
    for arguments, named in BAD:
        out = os.path.join(work, "OUT")
        arguments = [a.replace("OUT", out) for a in arguments]
        done = run(program, *arguments)
        check(done.returncode == 2, f"{arguments}: exit {done.returncode}, not 2")
        check(named.replace("OUT", out) in done.stderr and done.stderr.startswith("dorvane : "),
              f"{arguments}: the message does not name {named}: {done.stderr!r}")
        check(not any(f.startswith("OUT") for f in os.listdir(work)), f"{arguments}: a file")
    for path in (os.path.join(work, "no folder", "t.svg"), work + "/a folder.svg"):
        if path.endswith("folder.svg"):
            os.makedirs(path, exist_ok=True)
        done = run(program, "--export", path, "--scale", "Zarlino Chromatique", "--length", "650")
        check(done.returncode == 1 and "n'a pas été écrit" in done.stderr,
              f"{path}: exit {done.returncode}: {done.stderr!r}")
    check(not [f for f in os.listdir(work) if f.startswith(".") or f.endswith(".svg") and
               not os.path.isdir(os.path.join(work, f))], "a partial file was left")
    # A disk that fills after 4 kB: the old file stays whole, nothing is left beside it.
    old = os.path.join(work, "old.svg")
    with open(old, "w") as f:
        f.write("<svg/>")

    def full_disk():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)  # a write beyond fails instead
        resource.setrlimit(resource.RLIMIT_FSIZE, (4096, 4096))

    done = subprocess.run([program, "--export", old, "--scale", "Zarlino Chromatique",
                           "--length", "650"], capture_output=True, text=True,
                          preexec_fn=full_disk)
    check(done.returncode == 1 and "n'a pas été écrit" in done.stderr,
          f"a full disk: exit {done.returncode}: {done.stderr!r}")
    check(open(old).read() == "<svg/>" and
          not [f for f in os.listdir(work) if f.startswith("old.svg.")], "a full disk: old file")
    os.remove(old)
    # A fanned board's table: a column a string under a line of their lengths, the outer
    # strings' columns as their own tables give them.
    def positions(length, *board):
        out = run(program, "--table", "--scale", "Zarlino Chromatique", "--length", length, *board)
        return [line.split("\t") for line in out.stdout.splitlines()]

    cells = positions("648", "--strings", "6", "--bass-length", "686", "--perpendicular", "7")
    check(cells[0][0] == "Longueur" and cells[0][1] == "648" and cells[0][6] == "686" and
          cells[1] == ["Frette"] + [f"Corde {s}" for s in range(1, 7)] + ["Note"],
          f"a board's table begins {cells[:2]}")
    check([c[1] for c in cells[2:]] == [c[1] for c in positions("648")[1:]] and
          [c[6] for c in cells[2:]] == [c[1] for c in positions("686")[1:]],
          "a board's outer strings are not at their own tables' positions")
    # No display at all: no X server, no Wayland, no platform named.
    bare = {k: v for k, v in os.environ.items()
            if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    pdf = os.path.join(work, "bare.pdf")
    done = run(program, "--export", pdf, "--scale", "Zarlino Chromatique", "--length", "650",
               env=bare)
    check(done.returncode == 0 and os.path.getsize(pdf) > 0, f"without a display: {done.stderr}")
    table = run(program, "--table", "--scale", "Zarlino Chromatique", "--length", "650", env=bare)
    check(table.returncode == 0 and table.stdout.split("\n")[0] == "Frette\tPosition\tNote" and
          len(table.stdout.strip().split("\n")) == 43, f"--table: {table.stdout[:80]!r}")
    for flag in ("--help", "--version", "-h", "-v"):
        done = run(program, flag)
        check(done.returncode == 0 and done.stdout, f"{flag}: exit {done.returncode}")
    # The help names the modes by their notes, as --mode takes them.
    check("Do, Ré, Mi, Fa, Sol, La, Si" in run(program, "--help").stdout, "--help: the modes")
    # A mode by its number or its note, from the first, the major scale, to the last.
    tables = {}
    for mode in (None, "0", "Do", "do", "6", "Si"):
        done = run(program, "--table", "--scale", "Pythagore Diatonique", "--length", "650",
                   *(["--mode", mode] if mode else []))
        check(done.returncode == 0, f"--mode {mode}: exit {done.returncode}: {done.stderr}")
        tables[mode] = done.stdout
    check(tables[None] == tables["0"] == tables["Do"] == tables["do"], "--mode 0 or Do")
    check(tables["6"] == tables["Si"] and tables["Si"].split("\n")[1].endswith("\tDo #"),
          f"--mode Si: {tables['Si'][:60]!r}")
    for given in GOOD:
        arguments = {"--scale": "Zarlino Chromatique", "--length": "650", "--paper": "A4"}
        arguments.update(dict(zip(given[0::2], given[1::2])))
        pdf = os.path.join(work, "good.pdf")
        done = run(program, "--export", pdf, *[x for kv in arguments.items() for x in kv])
        check(done.returncode == 0 and os.path.getsize(pdf) > 0, f"{given}: {done.stderr}")
    # A table that cannot reach its reader is a failure, said.
    with open("/dev/full", "w") as full:
        done = subprocess.run([program, "--table", "--scale", "Zarlino Chromatique", "--length",
                               "650"], stdout=full, stderr=subprocess.PIPE, text=True)
    check(done.returncode == 1 and "sortie standard" in done.stderr,
          f"--table > /dev/full: exit {done.returncode}: {done.stderr!r}")
    # The window without a display: said in French, with the way to run it as it was started.
    done = run(program, env=bare)
    check(done.returncode == 1 and "aucun écran" in done.stderr and
          f"xvfb-run -a {program}" in done.stderr, f"no display: {done.stderr!r}")

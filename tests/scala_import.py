#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Scales of any tuning through the command line: Scala files and equal divisions, their
positions against values worked out here from the rule the README states, and every refusal
of a bad file, its line named.

  scala_import.py PROGRAM WORK_DIR

The rule: each fret's interval is q = qd * qP**o, qd its degree's value (a / b, or 2**(c/1200)
for cents, or 2**(k/N) for a step of N equal divisions), qP the period's, o the whole periods
below it; its position is L - L / q, each to the ten-thousandth, ties to the even one.
"""
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

import ezdxf

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def run(program, *arguments):
    return subprocess.run([program, *arguments], capture_output=True, text=True,
                          env={**os.environ, "LC_ALL": "C.UTF-8", "LANG": "C.UTF-8"})


def value(text):
    if "." in text:
        return 2.0 ** (float(text) / 1200.0)
    a, _, b = text.partition("/")
    return float(a) / float(b or 1)


def expected(values, length, frets):
    """Positions in ten-thousandths, from the degrees' values in ascending order."""
    n, period, l = len(values), values[-1], length / 10000
    return [length - round(l / (values[i % n] * period ** float(i // n)) * 10000)
            for i in range(frets)]


def positions(out):
    got = []
    for line in out.splitlines()[1:]:
        whole, _, decimals = line.split("\t")[1].partition(".")
        got.append(int(whole) * 10000 + int((decimals + "0000")[:4]) * (-1 if whole.startswith("-") else 1))
    return got


MEANTONE = ["76.04900", "193.15686", "310.26471", "386.31371", "503.42157", "579.47057",
            "696.57843", "772.62743", "889.73529", "1006.84314", "1082.89214", "2/1"]
WERCKMEISTER = ["256/243", "192.18", "32/27", "390.225", "4/3", "1024/729", "696.09", "128/81",
                "888.27", "16/9", "1092.18", "2/1"]
# Bohlen and Pierce: 13 equal steps of 3/1, in cents.
BOHLEN_PIERCE = [f"{1200 * k * 1.584962500721156 / 13:.5f}" for k in range(1, 13)] + ["3/1"]

# File, its text, then (length, frets) to try.
FILES = [
    ("meantone.scl", "! Quarter-comma meantone\r\n!\r\nMésotonique au quart de comma\r\n 12\r\n!\r\n" +
     "".join(f" {v}\r\n" for v in MEANTONE), [("650", None), ("628", "500")]),
    ("werckmeister.scl", "Werckmeister III\n12\n" + "".join(f"{v} degré\n" for v in WERCKMEISTER),
     [("650", None), ("25.5", "30")]),
    ("bohlen-pierce.scl", "13 pas égaux de 3/1\n 13\n" + "".join(f" {v}\n" for v in BOHLEN_PIERCE),
     [("650", None), ("1234.5678", "40")]),
]


def check_files(program, work):
    for name, text, tries in FILES:
        path = os.path.join(work, name)
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(text)
        lines = [l.strip() for l in text.replace("\r", "").split("\n")
                 if l.strip() and not l.strip().startswith("!")]
        values = sorted(value(l.split()[0]) for l in lines[2:])
        for length, frets in tries:
            done = run(program, "--table", "--scl", path, "--length", length,
                       *(["--frets", frets] if frets else []))
            check(done.returncode == 0, f"{name}: exit {done.returncode}: {done.stderr}")
            count = int(frets) if frets else 2 * len(values)
            want = expected(values, round(float(length) * 10000), count)
            got = positions(done.stdout)
            check(got == want, f"{name} at {length}: {got[:4]}... not {want[:4]}...")
        # Written back as it was read, byte for byte.
        back = os.path.join(work, "back-" + name)
        done = run(program, "--export", back, "--scl", path)
        with open(back, "rb") as f, open(path, "rb") as g:
            check(done.returncode == 0 and f.read() == g.read(), f"{name}: not written back")


def check_divisions(program):
    for n in (31, 53):
        done = run(program, "--table", "--edo", str(n), "--length", "650")
        values = [2.0 ** (k / n) for k in range(1, n + 1)]
        check(positions(done.stdout) == expected(values, 6500000, 2 * n), f"{n} equal divisions")
        check(done.stdout.splitlines()[1].endswith(f"1\\{n}"), f"{n}: {done.stdout[:40]!r}")


def check_debian_file(program, work):
    """A real Scala file of a Debian package, where it is installed."""
    path = "/usr/share/yoshimi/examples/Microtonal Tuning Demo.scl"
    for candidate in ("/usr/share/yoshimi/examples", "/usr/share/yoshimi"):
        for root, _, files in os.walk(candidate):
            for f in files:
                if f == "Microtonal Tuning Demo.scl":
                    path = os.path.join(root, f)
    if not os.path.exists(path):
        print("scala: yoshimi-data is not installed; its demonstration file is not read")
        return
    with open(path, encoding="latin-1") as f:
        lines = [l.strip() for l in f.read().split("\n") if l.strip() and not l.startswith("!")]
    values = sorted(value(l.split()[0]) for l in lines[2:])
    done = run(program, "--table", "--scl", path, "--length", "650")
    check(done.returncode == 0 and positions(done.stdout) == expected(values, 6500000, 2 * len(values)),
          f"{path}: {done.stderr}")


# A bad file: its text, then what the message must say.
BAD = [
    ("no count", "Description\n", "ligne 2 : le fichier s'arrête avant le nombre de notes"),
    ("a count that is no number", "D\n douze\n 2/1\n", "ligne 2 : « douze » n'est pas un nombre"),
    ("a count of 0", "D\n 0\n", "ligne 2 : une gamme de 0 note"),
    ("fewer pitches", "D\n 3\n 9/8\n 2/1\n", "ligne 5 : le fichier s'arrête avant la fin des 3"),
    ("more pitches", "D\n 1\n 9/8\n 2/1\n", "ligne 4 : « 2/1 » est de trop : 1 hauteurs"),
    ("not a number", "D\n 2\n neuf/huit\n 2/1\n", "ligne 3 : « neuf/huit » n'est pas un nombre"),
    ("cents not a number", "D\n 2\n 1.2.3\n 2/1\n", "ligne 3 : « 1.2.3 » n'est pas un nombre"),
    ("a zero denominator", "D\n 2\n 5/0\n 2/1\n", "ligne 3 : « 5/0 » n'est pas un rapport positif"),
    ("a negative ratio", "D\n 2\n -5/4\n 2/1\n", "ligne 3 : « -5/4 » n'est pas un rapport positif"),
    ("a zero ratio", "D\n 2\n 0/4\n 2/1\n", "ligne 3 : « 0/4 » n'est pas un rapport positif"),
    ("at the unison", "D\n 2\n 1/1\n 2/1\n", "ligne 3 : « 1/1 » n'est pas au-dessus de l'unisson"),
    ("below the unison", "D\n 2\n -100.0\n 2/1\n", "ligne 3 : « -100.0 » n'est pas au-dessus"),
    ("above the period", "D\n 2\n 3/1\n 2/1\n", "ligne 3 : « 3/1 » est au-dessus de la période"),
    ("two at one pitch", "D\n 3\n 3/2\n 6/4\n 2/1\n", "ligne 4 : « 6/4 » est à la même hauteur que la ligne 3"),
    ("a term of 2^53", "D\n 2\n 9007199254740992/9007199254740991\n 2/1\n", "ligne 3 : « 900719925474099"),
    ("too many degrees", "D\n 10001\n", "ligne 2 : plus de 10000 notes"),
    ("a period of 2^1024, past every double", "D\n 1\n 1228800.0\n", "ligne 3 : « 1228800.0 » est trop grand"),
    ("an escape sequence in a pitch", "D\n 2\n 9/8\x1b[2J\n 2/1\n", "« 9/8\u241b[2J » n'est pas"),
]
# What a terminal must never be sent from a file: a control character but tab and line feed.
CONTROLS = re.compile("[\x00-\x08\x0b-\x1f\x7f-\x9f]")


def check_refusals(program, work):
    for what, text, said in BAD:
        path = os.path.join(work, "bad.scl")
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        out = os.path.join(work, "bad-out.svg")
        if os.path.exists(out):  # left by an earlier run that wrongly accepted its file
            os.remove(out)
        done = run(program, "--export", out, "--scl", path, "--length", "650")
        check(done.returncode == 2 and said in done.stderr and "« --scl " in done.stderr and
              not os.path.exists(out) and not CONTROLS.search(done.stderr),
              f"{what}: exit {done.returncode}: {done.stderr!r}")
    big = os.path.join(work, "big.scl")
    with open(big, "w") as f:
        f.write("D\n 1\n 2/1\n" + "!" * 1_000_001)
    done = run(program, "--table", "--scl", big, "--length", "650")
    check(done.returncode == 2 and "dépasse 1000000 octets" in done.stderr, f"1 MB: {done.stderr!r}")
    for arguments, said in ((["--edo", "0"], "« --edo 0 » : le nombre de divisions va de 1 à 1000"),
                            (["--edo", "12", "--frets", "501"], "« --frets 501 » : le nombre de frettes"),
                            (["--scale", "Zarlino Chromatique", "--frets", "20"], "« --frets »"),
                            (["--edo", "12", "--scale", "Zarlino Chromatique"], "une seule gamme"),
                            (["--scl", os.path.join(work, "none.scl")], "ne peut pas être lu"),
                            # The program's own memory, whose first page fails to read.
                            (["--scl", "/proc/self/mem"], "n'a pas pu être lu jusqu'au bout")):
        done = run(program, "--table", "--length", "650", *arguments)
        check(done.returncode == 2 and said in done.stderr, f"{arguments}: {done.stderr!r}")


# Whole command lines that are refused, and what the message must say.
REFUSED_LINES = [
    (["notes.txt"], "« notes.txt » n'est pas une gamme Scala"),
    (["a.scl", "b.scl"], "2 fichiers sont donnés, « a.scl », « b.scl » : un seul fichier"),
    (["--export", "x.scl", "--scale", "Zarlino Diatonique", "--length", "650"],
     "« --length » ne s'emploie pas avec un fichier .scl"),
    (["--export", "x.scl", "--edo", "31", "--frets", "20"], "« --frets » ne s'emploie pas"),
    (["--export", "x.scl", "--edo", "31", "--slot", "0.6"], "« --slot » ne s'emploie pas"),
    (["--table", "--length", "650"], "ou --scl FICHIER.scl, une gamme Scala, ou --edo N"),
    (["--table", "--edo", "12", "--length", "650", "--frequency", "0"], "la fréquence à vide"),
    (["--export", "x.svg", "--edo", "12", "--length", "650", "--frequency", "440"],
     "« --frequency » ne s'emploie qu'avec --table"),
]


def check_command_lines(program, work):
    for arguments, said in REFUSED_LINES:
        done = subprocess.run([os.path.abspath(program), *arguments], capture_output=True, text=True, cwd=work,
                              env={**os.environ, "LC_ALL": "C.UTF-8", "LANG": "C.UTF-8"})
        check(done.returncode == 2 and said in done.stderr and not os.path.exists(
            os.path.join(work, "x.scl")), f"{arguments}: exit {done.returncode}: {done.stderr!r}")
    check("dorvane FICHIER.scl" in run(program, "--help").stdout, "the help's FICHIER.scl")
    # A table takes the lengths the window takes, beyond a template's.
    done = run(program, "--table", "--scale", "Zarlino Diatonique", "--length", "1e9")
    check(done.returncode == 0 and done.stdout.splitlines()[-1] == "14\t750000000\tDo",
          f"a table at 1e9: {done.stdout[-60:]!r} {done.stderr!r}")
    # Two periods of 1000 degrees cut to 500 frets, and said.
    done = run(program, "--table", "--edo", "1000", "--length", "650")
    check(len(done.stdout.splitlines()) == 501 and "s'arrête à 500" in done.stderr,
          f"1000 degrees: {done.stderr!r}")
    # Each fret's frequency, from the open string's, to the hundredth.
    done = run(program, "--table", "--scale", "Zarlino Chromatique", "--length", "650",
               "--frequency", "261,63")
    rows = [line.split("\t") for line in done.stdout.splitlines()]
    check(rows[0] == ["Frette", "Position", "Note", "Fréquence (Hz)"] and
          rows[1][3] == f"{261.63 * 25 / 24:.2f}", f"frequencies: {rows[:2]}")


def check_controls(program, work):
    """Every byte from 1 to 31 and 127 in a file's description and names: its SVG is XML a
    strict parser takes, its DXF's texts hold none, and neither does a table on the terminal."""
    controls = bytes(c for c in range(1, 32) if c != 10) + b"\x7f"
    path = os.path.join(work, "controls.scl")
    with open(path, "wb") as f:
        f.write(b"D" + controls + b"\n 2\n 3/2 Sol" + controls + b"\n 2/1 Do\x1b[31m\n")
    for details in ([], ["--details"]):
        done = run(program, "--table", *details, "--scl", path, "--length", "650")
        check(done.returncode == 0 and "Sol\ufffd" in done.stdout and
              not CONTROLS.search(done.stdout), f"--table {details}: {done.stdout!r}")
    svg, dxf = os.path.join(work, "controls.svg"), os.path.join(work, "controls.dxf")
    for out in (svg, dxf):
        done = run(program, "--export", out, "--scl", path, "--length", "650")
        check(done.returncode == 0, f"{out}: {done.stderr}")
    texts = [e.text or "" for e in ElementTree.parse(svg).iter()]
    check(any("\ufffd" in t for t in texts) and not any(CONTROLS.search(t) for t in texts),
          f"SVG texts: {texts}")
    drawing = ezdxf.readfile(dxf)
    check(not drawing.audit().has_errors, "the DXF's audit")
    texts = [e.dxf.text for e in drawing.modelspace().query("TEXT")]
    check(any("Sol?" in t for t in texts) and not any(CONTROLS.search(t) for t in texts),
          f"DXF texts: {texts}")


def main():
    program, work = sys.argv[1], sys.argv[2]
    os.makedirs(work, exist_ok=True)
    check_files(program, work)
    check_divisions(program)
    check_debian_file(program, work)
    check_refusals(program, work)
    check_controls(program, work)
    check_command_lines(program, work)
    print(f"scala import: {len(failures)} failures")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fingerboards made by the command line, read back by an XML parser, ezdxf and mutool.

  board_files.py PROGRAM WORK_DIR

For straight and fanned boards of 2 to 24 strings, in a system's tuning, equal divisions and a
Scala file: each string's crossing with each fret, in the SVG and in the DXF, lies at the
fret's ratio along that string (its length times 1 - 1/q, computed here from the ratios); the
outer strings have the lengths asked for; the perpendicular fret's points on the outer strings
share one x; the outline stands the overhang from the outer strings; every fret ends on both
edges; a left-handed board is mirrored. A fanned board's PDF on A4 pages carries rulers that
measure true and its perpendicular fret at its length.
"""
import math
import os
import sys
import xml.etree.ElementTree as ET
from fractions import Fraction

import ezdxf

from checks import check, failures, run
from pdf_pages import pdf_pages, trace

ZARLINO = ["25/24", "27/25", "9/8", "75/64", "6/5", "5/4", "32/25", "125/96", "4/3", "25/18",
           "36/25", "3/2", "25/16", "8/5", "5/3", "125/72", "9/5", "15/8", "48/25", "125/64"]
MEANTONE = ["5/4", "3/2", "2/1"]  # a Scala file of three degrees

# Arguments of the scale, the ratio of each fret, strings, bass length, fret P, left-handed.
CASES = [
    (["--scale", "Tempérée Chromatique"], [2 ** (k / 12) for k in range(1, 25)],
     6, "686", "7", False),
    (["--scale", "Zarlino Chromatique"],
     [float(Fraction(r)) for r in ZARLINO] + [2.0] +
     [2 * float(Fraction(r)) for r in ZARLINO] + [4.0], 24, None, "0", False),
    (["--edo", "31"], [2 ** (k / 31) for k in range(1, 63)], 8, "610", "12.5", True),
    (["--scl", "SCL"], [float(Fraction(r)) * o for o in (1, 2) for r in MEANTONE],
     2, "700", "3", False),
]
SPANS, OVERHANG = (35.0, 52.5), 3.5


def along(p, q, r):
    """How far r lies from p along the line p to q."""
    d = math.dist(p, q)
    return ((r[0] - p[0]) * (q[0] - p[0]) + (r[1] - p[1]) * (q[1] - p[1])) / d


def distance_to_line(p, q, r):
    d = math.dist(p, q)
    return abs((q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])) / d


def crossing(a, b):
    """Where the infinite lines a and b meet."""
    (x1, y1), (x2, y2) = a
    (x3, y3), (x4, y4) = b
    den = (x1 - x2) * (y3 - y4) - (y1 - y2) * (x3 - x4)
    t = ((x1 - x3) * (y3 - y4) - (y1 - y3) * (x3 - x4)) / den
    return (x1 + t * (x2 - x1), y1 + t * (y2 - y1))


def svg_board(path, pieces=False):
    root = ET.parse(path).getroot()
    lines, outline = {}, None
    for e in root.iter():
        if e.get("id", "").startswith(("string-", "fret-")) and e.tag.endswith("line"):
            lines[e.get("id")] = ((float(e.get("x1")), float(e.get("y1"))),
                                  (float(e.get("x2")), float(e.get("y2"))))
        if e.get("id") == "board":
            outline = [tuple(map(float, p.split(","))) for p in e.get("points").split()]
    strings = [lines[f"string-{s}"] for s in range(1, len(lines) + 1) if f"string-{s}" in lines]
    if pieces:  # every piece of every fret, "fret-K" or "fret-K-s-t"
        return strings, [v for k, v in lines.items() if k.startswith("fret-")], outline
    frets = [lines[f"fret-{k}"] for k in range(1, len(lines) + 1) if f"fret-{k}" in lines]
    return strings, frets, outline


def dxf_board(path, pieces=False):
    doc = ezdxf.readfile(path)
    check(not doc.audit().has_errors, f"{path}: ezdxf's audit")
    flip = lambda v: (v.x, -v.y)  # y grows upwards in a drawing
    msp = doc.modelspace()
    strings = [(flip(e.dxf.start), flip(e.dxf.end)) for e in msp.query("LINE[layer=='STRINGS']")]
    frets = [(flip(e.dxf.start), flip(e.dxf.end)) for e in msp.query("LINE[layer=='FRETS']")]
    board = msp.query("POLYLINE[layer=='BOARD']")
    outline = [flip(v.dxf.location) for v in board[0].vertices] if len(board) == 1 else None
    return strings, frets, outline


def table_of(program, arguments):
    """The strings' lengths and each string's positions, from --table: "Longueur", then
    "Frette", "Corde 1"..., "Note", then a line a fret, the regional comma standing for a point."""
    done = run(program, "--table", *arguments)
    check(done.returncode == 0, f"--table {arguments}: {done.stderr}")
    rows = [line.replace(",", ".").split("\t") for line in done.stdout.splitlines()]
    # Under "Corde 1", or "Corde 1 (Mi)" followed by the string's notes.
    at = [i for i, title in enumerate(rows[1]) if title.startswith("Corde ")]
    lengths = [float(rows[0][i]) for i in at]
    columns = [[float(row[i]) for row in rows[2:]] for i in at]
    return lengths, columns


def check_board(name, strings, frets, outline, ratios, table, first, bass, fret_p, left):
    check(len(frets) == len(ratios) and outline and len(outline) == 4, f"{name}: parts")
    if not (len(frets) == len(ratios) and outline and len(outline) == 4):
        return
    lengths = [math.dist(*s) for s in strings]
    check(abs(lengths[0] - first) < 1e-4 and abs(lengths[-1] - bass) < 1e-4,
          f"{name}: outer strings {lengths[0]}, {lengths[-1]}, not {first}, {bass}")
    listed, positions = table
    check(all(abs(a - b) < 1.5e-4 for a, b in zip(lengths, listed)) and
          len(listed) == len(strings), f"{name}: the strings are {lengths}, the table {listed}")
    # Each string's crossings where its column of the table puts them, and these at the ratios.
    worst = max(abs(along(*s, crossing(s, f)) - p)
                for s, column in zip(strings, positions) for f, p in zip(frets, column))
    check(worst < 2.5e-4, f"{name}: a crossing lies {worst} from the table")
    worst = max(abs(p - length * (1 - 1 / q))
                for length, column in zip(listed, positions) for p, q in zip(column, ratios))
    check(worst <= 1e-4 + 1e-9, f"{name}: a position lies {worst} from its ratio")  # two roundings
    # Fret P: its points on the outer strings at one x, between two frets by their shares.
    below, part = int(float(fret_p)), float(fret_p) % 1
    def point(s, length):
        share = lambda k: 0 if k == 0 else 1 - 1 / ratios[k - 1]
        t = share(below) + part * (share(below + 1) - share(below)) if part else share(below)
        (x1, y1), (x2, y2) = s
        return x1 + t * (x2 - x1)
    xs = [point(strings[0], lengths[0]), point(strings[-1], lengths[-1])]
    check(abs(xs[0] - xs[1]) < 2e-4, f"{name}: fret {fret_p} at x {xs}")
    edges = [(outline[0], outline[1]), (outline[3], outline[2])]
    for edge, string in zip(edges, (strings[0], strings[-1])):
        gaps = [distance_to_line(*edge, p) for p in string]
        check(all(abs(g - OVERHANG) < 2e-4 for g in gaps), f"{name}: overhang {gaps}")
    ends = max(min(distance_to_line(*edge, p) for edge in edges) for f in frets for p in f)
    check(ends < 2e-4, f"{name}: a fret ends {ends} short of an edge")
    check((strings[0][0][1] < 0) == left, f"{name}: string 1 on the wrong side")


PYTHAGORE = ["9/8", "81/64", "4/3", "3/2", "27/16", "243/128"]  # its major scale
SIMPLIFIED = ["25/24", "9/8", "6/5", "5/4", "4/3", "25/18", "3/2", "25/16", "5/3", "9/5",
              "15/8"]
# Scale, its degrees above 1/1 and its period, the strings' degrees and their number.
TUNED = [
    (["--scale", "Zarlino Chromatique simplifiée"], SIMPLIFIED, 2.0, "Mi Si Sol Ré La Mi", 6),
    (["--scale", "Pythagore Diatonique"], PYTHAGORE, 2.0, "Do Ré", 2),
    (["--scl", "THIRDS"], None, 3.0, "0,5,12", 3),
]


def crossings(string, frets):
    """Where the fret lines that reach a string cross it, along it from its nut."""
    found = []
    for f in frets:
        p = crossing(string, f)
        (x1, y1), (x2, y2) = f
        t = ((p[0] - x1) * (x2 - x1) + (p[1] - y1) * (y2 - y1)) / ((x2 - x1) ** 2 + (y2 - y1) ** 2)
        if -1e-9 <= t <= 1 + 1e-9:
            found.append(along(*string, p))
    return sorted(found)


def check_tuned(program, work):
    """Each string's frets on a tuned board at L - CFD(L x Q(d) / Q(d + k)), computed here in
    the arithmetic of the program's doubles, in both the SVG and the DXF."""
    thirds = os.path.join(work, "thirds.scl")
    steps = [f"{1200 * math.log2(3) * k / 13:.5f}" for k in range(1, 13)]
    with open(thirds, "w", encoding="utf-8") as f:
        f.write("13 pas de 3/1\n 13\n" + "".join(f" {c}\n" for c in steps) + " 3/1\n")
    for scale, ratios, period, tuning, strings in TUNED:
        scale = [thirds if a == "THIRDS" else a for a in scale]
        q = [1.0] + ([float(Fraction(r)) for r in ratios] if ratios else
                     [2 ** (float(c) / 1200) for c in steps])
        Q = lambda j: q[j % len(q)] * period ** (j // len(q))
        names = (["Do", "Ré"] if ratios == PYTHAGORE else
                 ["Do", "Do #", "Ré", "Mi b", "Mi", "Fa", "Fa #", "Sol", "Sol #", "La", "Si b",
                  "Si"])
        degrees = ([int(d) for d in tuning.split(",")] if "," in tuning else
                   [names.index(n) for n in tuning.split()])
        arguments = [*scale, "--length", "650", "--strings", str(strings), "--tuning", tuning]
        lengths, columns = table_of(program, arguments)
        for length, d, column in zip(lengths, degrees, columns):
            rule = [length - round(length * Q(d) / Q(d + k) * 10000) / 10000
                    for k in range(1, len(column) + 1)]
            worst = max(abs(a - b) for a, b in zip(column, rule))
            check(d == 0 or worst < 1e-9, f"{scale[1]}: the table is {worst} off the rule")
            check(worst <= 1e-4 + 1e-9, f"{scale[1]}: degree 0 is {worst} off the rule")
        for kind, read in (("svg", svg_board), ("dxf", dxf_board)):
            path = os.path.join(work, f"tuned-{os.path.basename(scale[1])}.{kind}")
            done = run(program, "--export", path, *arguments)
            check(done.returncode == 0, f"{path}: exit {done.returncode}: {done.stderr}")
            if done.returncode != 0:
                continue
            strings_read, frets, _ = read(path, pieces=True)
            for s, (string, column) in enumerate(zip(strings_read, columns), 1):
                found = crossings(string, frets)
                check(len(found) == len(column) and
                      all(abs(a - b) < 2.5e-4 for a, b in zip(found, column)),
                      f"{path}: string {s} crosses its frets at {found[:3]}, not {column[:3]}")
        if period == 3.0:  # fret 13 at 2/3 of every string
            check(all(abs(c[12] - 2 * l / 3) <= 1e-4 for l, c in zip(lengths, columns)),
                  "13 steps of 3/1: fret 13 is not at 2/3 of every string")


def check_pdf(program, work):
    pdf = os.path.join(work, "fanned.pdf")
    done = run(program, "--export", pdf, "--scale", "Tempérée Chromatique", "--length", "648",
               "--strings", "6", "--bass-length", "686", "--perpendicular", "7", "--paper", "A4")
    check(done.returncode == 0, f"{pdf}: exit {done.returncode}: {done.stderr}")
    svg = os.path.join(work, "fanned.svg")
    run(program, "--export", svg, "--scale", "Tempérée Chromatique", "--length", "648",
        "--strings", "6", "--bass-length", "686", "--perpendicular", "7")
    fret7 = math.dist(*svg_board(svg)[1][6])
    pt, upright = 72 / 25.4, []
    for page in range(1, pdf_pages(pdf) + 1):
        segments = trace(pdf, page)
        across = [abs(x2 - x1) / pt for x1, y1, x2, y2 in segments if abs(y1 - y2) < 1e-6]
        for ruler in (100, 101.6):
            check(any(abs(l - ruler) < 0.002 for l in across), f"{pdf}: page {page}: {ruler} mm")
        upright += [abs(y2 - y1) / pt for x1, y1, x2, y2 in segments if abs(x1 - x2) < 1e-6]
    check(any(abs(l - fret7) < 0.002 for l in upright), f"{pdf}: fret 7 is not {fret7} mm")


def main():
    program, work = sys.argv[1], sys.argv[2]
    os.makedirs(work, exist_ok=True)
    scl = os.path.join(work, "meantone.scl")
    with open(scl, "w", encoding="utf-8") as f:
        f.write("Trois degrés\n 3\n!\n" + "\n".join(f" {r}" for r in MEANTONE) + "\n")
    for scale, ratios, strings, bass, fret_p, left in CASES:
        scale = [scl if a == "SCL" else a for a in scale]
        arguments = [*scale, "--length", "648", "--strings", str(strings),
                     "--perpendicular", fret_p, *(["--bass-length", bass] if bass else []),
                     *(["--left-handed"] if left else []), "--slot", "0.5"]
        table = table_of(program, [a for a in arguments if a not in ("--slot", "0.5")])
        for kind, read in (("svg", svg_board), ("dxf", dxf_board)):
            path = os.path.join(work, f"{scale[1]}-{strings}.{kind}".replace("/", "_"))
            done = run(program, "--export", path, *arguments)
            check(done.returncode == 0, f"{path}: exit {done.returncode}: {done.stderr}")
            if done.returncode == 0:
                check_board(path, *read(path), ratios, table, 648.0, float(bass or 648), fret_p,
                            left)
    check_tuned(program, work)
    check_pdf(program, work)
    print(f"{len(failures)} failures")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The template's files, made by the program's command line and read back by real readers.

  template_files.py PROGRAM svg|dxf|pdf|arguments WORK_DIR
  template_files.py printed PRINTED_PDF SAVED_PDF

svg: every fret, slot, nut and bridge of a few scales in all three units, against positions
computed here, from the ratios, by the arithmetic of the tables (not by the program).
dxf: the same through ezdxf, whose audit must find no error, and in the file's own text.
pdf: pages read back with mutool: their count and labels, the two rulers' lengths, and every
fret at its distance from the others at 1:1, the pages overlapping by at least 10 mm.
labels: on every page of the densest templates, no line and no slot outline crosses a letter.
arguments: bad arguments refused with 2, a French message naming them and no file; a file
that cannot be written refused with 1 and nothing left; no display needed.
"""
import math
import os
import re
import resource
import signal
import subprocess
import sys
from decimal import Decimal
from fractions import Fraction

FACTOR = 0.9438743126817  # the semitone factor the tables use
MM_PER_UNIT = {"mm": 1.0, "cm": 10.0, "in": 25.4}
INSUNITS = {"mm": 4, "cm": 5, "in": 1}


def scaled(text):
    return int((Decimal(text) * 10000).to_integral_value())


def text_of(value):
    """A count of ten-thousandths as the files write it: 364817 is "36.4817"."""
    sign, value = ("-" if value < 0 else ""), abs(value)
    whole, fraction = divmod(value, 10000)
    return sign + str(whole) + (("." + f"{fraction:04d}".rstrip("0")) if fraction else "")


def from_double(x):
    return round(x * 10000.0)  # ties to even, as the tables round


def ratio(length, base, a, b):
    return length - from_double((base / 10000.0) / (a / b))


def half(length):
    return from_double((length / 10000.0) / 2.0)


def tempered(length, n):
    return length - from_double((length / 10000.0) * FACTOR**n)


def double_octave(length):
    return length - from_double((length / 10000.0) / 4.0)


ZARLINO = ["25/24", "27/25", "9/8", "75/64", "6/5", "5/4", "32/25", "125/96", "4/3", "25/18",
           "36/25", "3/2", "25/16", "8/5", "5/3", "125/72", "9/5", "15/8", "48/25", "125/64"]
MODE_RE = ["9/8", "32/27", "4/3", "3/2", "27/16", "16/9"]  # Pythagore Diatonique, mode 1


def expected(scale, length):
    """The frets' positions, nut outwards, in ten-thousandths of the unit."""
    h = half(length)
    if scale == "Tempérée Chromatique":
        return [tempered(length, n) for n in range(1, 25)]
    if scale == "Zarlino Chromatique":
        q = [Fraction(r) for r in ZARLINO]
        return ([ratio(length, length, f.numerator, f.denominator) for f in q] + [length - h] +
                [ratio(length, h, f.numerator, f.denominator) for f in q] + [double_octave(length)])
    q = [Fraction(r) for r in MODE_RE]
    return ([ratio(length, length, f.numerator, f.denominator) for f in q] + [h] +
            [ratio(length, h, f.numerator, f.denominator) for f in q] + [double_octave(length)])


# Scale, mode, length, slot width and strip width in each unit; without a strip width, the
# default, 60 mm in the unit.
CASES = [
    ("Zarlino Chromatique", None, {"mm": "650", "cm": "64.77", "in": "25.5"},
     {"mm": "0.6", "cm": "0.06", "in": "0.0235"}, {"mm": "42", "cm": "4.5", "in": "1.65"}),
    ("Tempérée Chromatique", None, {"mm": "650.0001", "cm": "63", "in": "24.75"}, None, None),
    ("Pythagore Diatonique", "Ré", {"mm": "628", "cm": "62.8", "in": "24.7"}, None, None),
]
STRIP = {"mm": "60", "cm": "6", "in": "2.3622"}

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def run(program, *arguments, env=None):
    return subprocess.run([program, *arguments], capture_output=True, text=True, env=env)


def export(program, path, scale, mode, length, unit, slot, width):
    arguments = ["--export", path, "--scale", scale, "--length", length, "--unit", unit]
    if mode:
        arguments += ["--mode", mode]
    if slot:
        arguments += ["--slot", slot]
    if width != STRIP[unit]:
        arguments += ["--width", width]
    done = run(program, *arguments)
    check(done.returncode == 0, f"{path}: exit {done.returncode}: {done.stderr}")
    return done.returncode == 0


def each_case(program, work, suffix):
    for scale, mode, lengths, slots, widths in CASES:
        for unit in ("mm", "cm", "in"):
            path = os.path.join(work, f"{scale} {unit}.{suffix}".replace(" ", "_"))
            slot = slots[unit] if slots else None
            width = widths[unit] if widths else STRIP[unit]
            if export(program, path, scale, mode, lengths[unit], unit, slot, width):
                positions = [text_of(p) for p in expected(scale, scaled(lengths[unit]))]
                yield path, unit, lengths[unit], slot, width, positions


def check_svg(program, work):
    import xml.etree.ElementTree as ET
    ns = "{http://www.w3.org/2000/svg}"
    for path, unit, length, slot, width, positions in each_case(program, work, "svg"):
        root = ET.parse(path).getroot()
        box = [Decimal(v) for v in root.get("viewBox").split()]
        check(root.get("width") == f"{box[2]}{unit}" and root.get("height") == f"{box[3]}{unit}",
              f"{path}: size {root.get('width')} x {root.get('height')} against the viewBox")
        # Everything drawn stands within the picture: every point of every line, slot and text.
        points = []
        for e in root.iter():
            for x, y in (("x1", "y1"), ("x2", "y2"), ("x", "y")):
                if e.get(x) is not None and e.get(y) is not None:
                    points.append((Decimal(e.get(x)), Decimal(e.get(y))))
            if e.tag == ns + "rect":
                points.append((Decimal(e.get("x")) + Decimal(e.get("width")),
                               Decimal(e.get("y")) + Decimal(e.get("height"))))
        outside = [p for p in points if not (box[0] <= p[0] <= box[0] + box[2] and
                                             box[1] <= p[1] <= box[1] + box[3])]
        check(len(points) > 50 and not outside, f"{path}: outside the viewBox: {outside[:4]}")
        byid = {e.get("id"): e for e in root.iter() if e.get("id")}
        edge = format((Decimal(width) / 2).normalize(), "f")
        for n, position in enumerate(positions, 1):
            line = byid.get(f"fret-{n}")
            check(line is not None and line.tag == ns + "line" and line.get("x1") == position and
                  line.get("x2") == position and line.get("y1") == "-" + edge and
                  line.get("y2") == edge, f"{path}: fret {n} is not at {position}")
            if slot:
                rect = byid.get(f"slot-{n}")
                check(rect is not None and Decimal(rect.get("width")) == Decimal(slot) and
                      Decimal(rect.get("x")) + Decimal(slot) / 2 == Decimal(position),
                      f"{path}: slot {n} is not {slot} wide around {position}")
        check(f"fret-{len(positions) + 1}" not in byid, f"{path}: more frets than the table")
        check(byid["nut"].get("x1") == "0" and
              byid["bridge"].get("x1") == text_of(scaled(length)), f"{path}: nut or bridge")


def dxf_lines(path):
    """The LINE entities of the file's own text, as (layer, x1 text, x2 text)."""
    with open(path, encoding="cp1252") as f:
        pairs = f.read().split("\n")
    groups = list(zip(pairs[0::2], pairs[1::2]))
    lines, current = [], None
    for code, value in groups:
        if code.strip() == "0":
            if current:
                lines.append(current)
            current = {} if value == "LINE" else None
        elif current is not None:
            current[code.strip()] = value
    return [(l.get("8"), l.get("10"), l.get("11")) for l in lines]


def check_dxf(program, work):
    import ezdxf
    for path, unit, length, slot, width, positions in each_case(program, work, "dxf"):
        doc = ezdxf.readfile(path)
        auditor = doc.audit()
        check(not auditor.has_errors, f"{path}: ezdxf's audit: {[str(e) for e in auditor.errors]}")
        check(doc.header.get("$INSUNITS") == INSUNITS[unit], f"{path}: $INSUNITS")
        for layer in ("FRETS", "NUT", "BRIDGE", "OUTLINE", "TEXT") + (("SLOTS",) if slot else ()):
            check(doc.layers.has_entry(layer), f"{path}: no layer {layer}")
        frets = sorted(doc.modelspace().query("LINE[layer=='FRETS']"), key=lambda e: e.dxf.start.x)
        check([(e.dxf.start.x, e.dxf.end.x) for e in frets] ==
              [(float(p), float(p)) for p in positions], f"{path}: the frets' lines")
        w = float(width) / 2
        check(all(sorted((e.dxf.start.y, e.dxf.end.y)) == [-w, w] for e in frets),
              f"{path}: a fret does not cross the strip")
        text = [x1 for layer, x1, x2 in dxf_lines(path) if layer == "FRETS" and x1 == x2]
        check(text == positions, f"{path}: the coordinates are not the table's four decimals")
        ends = {layer: x1 for layer, x1, x2 in dxf_lines(path) if layer in ("NUT", "BRIDGE")}
        check(ends == {"NUT": "0.0", "BRIDGE": text_of(scaled(length))},
              f"{path}: the nut and the bridge stand at {ends}, not at 0 and {length}")
        slots = doc.modelspace().query("POLYLINE[layer=='SLOTS']")
        check(len(slots) == (len(positions) if slot else 0), f"{path}: {len(slots)} slots")
        centres = []
        for s in slots:
            xs = sorted({Decimal(str(round(v.dxf.location.x, 6))) for v in s.vertices})
            check(s.is_closed and len(xs) == 2 and xs[1] - xs[0] == Decimal(slot),
                  f"{path}: a slot is not closed or not {slot} wide")
            centres.append((xs[0] + xs[1]) / 2)
        check(not slots or sorted(centres) == [Decimal(p) for p in positions],
              f"{path}: the slots are not centred on the frets")


def trace(pdf, page):
    out = subprocess.run(["mutool", "draw", "-F", "trace", "-o", "-", pdf, str(page)],
                         capture_output=True, text=True, check=True).stdout
    segments = []
    for m in re.finditer(r'<stroke_path[^>]*transform="([^"]+)">\s*<moveto x="([^"]+)" '
                         r'y="([^"]+)"/>\s*<lineto x="([^"]+)" y="([^"]+)"/>\s*</stroke_path>', out):
        a, b, c, d, e, f = map(float, m.group(1).split())
        x1, y1, x2, y2 = map(float, m.groups()[1:])
        segments.append((a * x1 + c * y1 + e, b * x1 + d * y1 + f,
                         a * x2 + c * y2 + e, b * x2 + d * y2 + f))
    box = [float(v) for v in re.search(r'<page mediabox="([^"]+)"', out).group(1).split()]
    if box[3] - box[1] > box[2] - box[0]:
        # A landscape page that a print queue turned onto upright paper: turned back.
        segments = [(y1, -x1, y2, -x2) for x1, y1, x2, y2 in segments]
    return segments  # in points


def pdf_pages(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    return int(re.search(r"Pages:\s+(\d+)", info).group(1))


def page_frets(pdf, page, strip_mm):
    """The x of every line as high as the strip, in millimetres, and the rulers' lengths."""
    pt = 72 / 25.4
    segments = trace(pdf, page)
    frets = sorted(x1 / pt for x1, y1, x2, y2 in segments
                   if abs(x1 - x2) < 1e-6 and abs(abs(y2 - y1) - strip_mm * pt) < 0.01)
    across = [abs(x2 - x1) / pt for x1, y1, x2, y2 in segments if abs(y1 - y2) < 1e-6]
    return frets, across


def check_pdf(program, work):
    # The last: for a printer whose 100 mm ruler measured 98 mm, everything along the strip is
    # stretched by 100 / 98, rulers included, and every page says so.
    cases = [("Zarlino Chromatique", "650", "mm", "A4", 297.0, None, "60"),
             ("Tempérée Chromatique", "25.5", "in", "Letter", 279.4, None, "1.75"),
             ("Zarlino Chromatique", "650", "mm", "a4", 297.0, "98", "60")]
    for scale, length, unit, paper, paper_width, correction, width in cases:
        pdf = os.path.join(work, f"{scale} {correction}.pdf".replace(" ", "_"))
        arguments = ["--export", pdf, "--scale", scale, "--length", length, "--unit", unit,
                     "--paper", paper, "--width", width]
        done = run(program, *arguments, *(["--correction", correction] if correction else []))
        strip = float(width) * MM_PER_UNIT[unit]
        check(done.returncode == 0, f"{pdf}: exit {done.returncode}: {done.stderr}")
        stretch = 100 / float(correction) if correction else 1.0
        positions = [p / 10000 * MM_PER_UNIT[unit] * stretch
                     for p in expected(scale, scaled(length))]
        count = pdf_pages(pdf)
        # As many pages as the strip needs, 15 mm beyond the nut and the bridge, each page's
        # room (within margins of 10 mm, in the printer's millimetres) sharing 15 mm with the
        # next; the last page holds the bridge.
        drawing = float(length) * MM_PER_UNIT[unit] + 30
        room = (paper_width - 20) / stretch
        pages = 1 if drawing <= room else math.ceil((drawing - room) / (room - 15)) + 1
        check(count == pages, f"{pdf}: {count} pages, not {pages}")
        nuts, shown = [], []
        for page in range(1, count + 1):
            text = subprocess.run(["pdftotext", "-f", str(page), "-l", str(page), pdf, "-"],
                                  capture_output=True, text=True, check=True).stdout
            check(f"page {page} / {count}" in text and "100 %" in text,
                  f"{pdf}: page {page} lacks its number or the advice to print at 100 %")
            said = f"corrigé pour une impression à {correction},0 %" if correction else "corrigé"
            check((said in text) == bool(correction), f"{pdf}: page {page}: {said!r}?")
            check(page < count or "Chevalet" in text, f"{pdf}: the last page has no bridge")
            frets, across = page_frets(pdf, page, strip)
            for ruler in (100 * stretch, 101.6 * stretch):
                check(any(abs(l - ruler) < 0.002 for l in across),
                      f"{pdf}: page {page} has no ruler {ruler} mm long")
            # Where the nut stands for this page: the one that puts every line on a fret.
            nut = None
            for p in positions:
                if frets and all(any(abs(f - frets[0] + p - q) < 0.001 for q in positions)
                                 for f in frets):
                    nut = frets[0] - p
                    break
            check(nut is not None or not frets, f"{pdf}: page {page} has lines off the frets")
            if nut is None:
                continue  # the end of the strip, beyond the last fret
            shown += [f - nut for f in frets]
            if nuts:
                overlap = (paper_width - 20) - (nuts[-1] - nut)
                check(overlap >= 10, f"{pdf}: pages {page - 1} and {page} overlap by {overlap} mm")
            nuts.append(nut)
        check(all(any(abs(p - f) < 0.001 for f in shown) for p in positions),
              f"{pdf}: not every fret is on a page")


def page_strokes(pdf, page):
    """Every straight piece of every stroked path of a page, in points, y downwards."""
    out = subprocess.run(["mutool", "draw", "-F", "trace", "-o", "-", pdf, str(page)],
                         capture_output=True, text=True, check=True).stdout
    pieces = []
    for path in re.finditer(r'<stroke_path[^>]*transform="([^"]+)">(.*?)</stroke_path>', out, re.S):
        a, b, c, d, e, f = map(float, path.group(1).split())
        at = lambda x, y: (a * x + c * y + e, b * x + d * y + f)
        start = last = None
        for step in re.finditer(r'<(moveto|lineto|closepath)(?: x="([^"]+)" y="([^"]+)")?/>',
                                path.group(2)):
            if step.group(1) == "closepath":
                point = start
            else:
                point = at(float(step.group(2)), float(step.group(3)))
            if step.group(1) != "moveto" and last is not None:
                pieces.append((last, point))
            if step.group(1) == "moveto":
                start = point
            last = point
    return pieces


def page_letters(pdf, page):
    """Every visible character of a page and the box of its glyph, from ascent to descent."""
    out = subprocess.run(["mutool", "draw", "-F", "stext", "-o", "-", pdf, str(page)],
                         capture_output=True, text=True, check=True).stdout
    letters = []
    for m in re.finditer(r'<char quad="([^"]+)"[^>]* c="([^"]*)"/>', out):
        if m.group(2) in (" ", ""):
            continue
        q = list(map(float, m.group(1).split()))
        xs, ys = q[0::2], q[1::2]
        letters.append((m.group(2), min(xs), min(ys), max(xs), max(ys)))
    return letters


def crosses(piece, box, margin=0.05):
    """Whether a straight piece enters a box shrunk by a margin (Liang and Barsky's clipping)."""
    (x1, y1), (x2, y2) = piece
    left, top, right, bottom = box[0] + margin, box[1] + margin, box[2] - margin, box[3] - margin
    if left >= right or top >= bottom:
        return False
    t0, t1 = 0.0, 1.0
    for p, q in ((x1 - x2, x1 - left), (x2 - x1, right - x1), (y1 - y2, y1 - top),
                 (y2 - y1, bottom - y1)):
        if p == 0:
            if q < 0:
                return False
        else:
            t = q / p
            if p < 0:
                t0 = max(t0, t)
            else:
                t1 = min(t1, t)
    return t0 < t1


def check_labels(program, work):
    cases = [("Zarlino Chromatique", "330", "0.6"), ("Pythagore Chromatique", "330", "0.6"),
             ("Zarlino Chromatique", "650", "0.6"), ("Tempérée Chromatique", "330", "1")]
    for scale, length, slot in cases:
        pdf = os.path.join(work, f"{scale} {length}.pdf".replace(" ", "_"))
        done = run(program, "--export", pdf, "--scale", scale, "--length", length,
                   "--slot", slot)
        check(done.returncode == 0, f"{pdf}: exit {done.returncode}: {done.stderr}")
        if done.returncode != 0:
            continue
        for page in range(1, pdf_pages(pdf) + 1):
            pieces = page_strokes(pdf, page)
            letters = page_letters(pdf, page)
            check(len(letters) > 100 and len(pieces) > 50, f"{pdf}: page {page} read wrongly")
            crossed = [(letter[0], round(letter[1] / 72 * 25.4, 1)) for letter in letters
                       if any(crosses(piece, letter[1:]) for piece in pieces)]
            check(not crossed, f"{pdf}: page {page}: lines cross the letters {crossed[:8]}")


def check_printed(printed, saved):
    """A template printed through a print queue, against the PDF the program saves of it: the
    same pages, each with its rulers at their length and its frets where they stand."""
    count = pdf_pages(saved)
    check(pdf_pages(printed) == count, f"{printed}: {pdf_pages(printed)} pages, not {count}")
    for page in range(1, min(count, pdf_pages(printed)) + 1):
        frets, across = page_frets(printed, page, 60.0)
        wanted, _ = page_frets(saved, page, 60.0)
        # Distances from the page's first fret, whichever way the paper was turned.
        apart = [[f - fs[0] for f in fs] for fs in (frets, [-f for f in reversed(frets)])]
        check(frets == wanted == [] or any(len(a) == len(wanted) and
                            all(abs(x - (w - wanted[0])) < 0.01 for x, w in zip(a, wanted))
                            for a in apart),
              f"{printed}: page {page}: frets at {frets[:3]}..., not {wanted[:3]}...")
        for ruler in (100, 101.6):
            check(any(abs(l - ruler) < 0.01 for l in across),
                  f"{printed}: page {page} has no ruler {ruler} mm long")


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


def main():
    if sys.argv[1] == "printed":
        check_printed(sys.argv[2], sys.argv[3])
        print(f"printed: {len(failures)} failures")
        sys.exit(1 if failures else 0)
    program, what, work = sys.argv[1], sys.argv[2], sys.argv[3]
    os.makedirs(work, exist_ok=True)
    for f in os.listdir(work):
        p = os.path.join(work, f)
        if os.path.isfile(p):
            os.remove(p)
    {"svg": check_svg, "dxf": check_dxf, "pdf": check_pdf, "arguments": check_arguments,
     "labels": check_labels}[what](program, work)
    print(f"{what}: {len(failures)} failures")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()

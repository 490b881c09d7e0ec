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
that cannot be written refused with 1 and nothing left; no display needed
(template_arguments.py).
"""
import math
import os
import subprocess
import sys
from decimal import Decimal
from fractions import Fraction

from checks import check, failures, run
from pdf_pages import crosses, page_frets, page_letters, page_strokes, pdf_pages
from template_arguments import check_arguments

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

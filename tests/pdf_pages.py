#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A PDF's pages read with mutool and poppler: their count, their stroked lines and letters."""
import re
import subprocess

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

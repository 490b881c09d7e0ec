#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The template's DXF as a CAD program draws it: its texts never run into each other.

  cad_texts.py PROGRAM WORK_DIR

A CAD program draws the texts of a DXF in its own font, often far wider than the one the
template is laid out with. Each template here is drawn by LibreCAD's dxf2pdf in groups of
texts: the title, the names of the nut and the bridge, and the frets' labels in four groups
(fret number modulo 4, so that neighbours on one side fall in different groups). Every drawing
keeps the lines and the same corner marks, so that all are placed alike on the page; the ink
of the lines alone is taken away, and no two groups may share a pixel.
"""
import os
import subprocess
import sys

import ezdxf

from checks import check, failures, run

DPI = 300


def groups_of(doc):
    """Each text's handle by group: 'title', 'names', or 'labels k' for fret number k mod 4."""
    groups = {}
    for text in doc.modelspace().query("TEXT"):
        content = text.dxf.text
        first = content.split(" ")[0]
        if first.isdigit() and text.dxf.rotation == 90:
            key = "labels %d" % (int(first) % 4)
        elif content in ("Sillet", "Chevalet"):
            key = "names"
        else:
            key = "title"
        groups.setdefault(key, set()).add(text.dxf.handle)
    return groups


def marked(doc):
    """Marks at the corners of a box around everything, whatever the font draws."""
    xs, ys = [], []
    for entity in doc.modelspace():
        if entity.dxftype() == "TEXT":
            xs.append(entity.dxf.insert[0])
            ys.append(entity.dxf.insert[1])
        elif entity.dxftype() == "LINE":
            xs += [entity.dxf.start[0], entity.dxf.end[0]]
            ys += [entity.dxf.start[1], entity.dxf.end[1]]
    room = 0.5 * (max(xs) - min(xs))
    left, right = min(xs) - room, max(xs) + room
    bottom, top = min(ys) - room, max(ys) + room
    for x, y in ((left, bottom), (right, top)):
        doc.modelspace().add_line((x, y), (x + 1, y), dxfattribs={"layer": "MARKS"})


def ink(dxf_path, work):
    """The pixels LibreCAD inks on the page of a DXF, as one integer, a bit a pixel."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    subprocess.run(["librecad", "dxf2pdf", "-a", "-m", dxf_path], cwd=work, env=env,
                   check=True, capture_output=True, timeout=120)
    pdf = os.path.splitext(dxf_path)[0] + ".pdf"
    stem = os.path.splitext(dxf_path)[0]
    subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", "-singlefile", pdf, stem], check=True)
    with open(stem + ".pgm", "rb") as f:
        data = f.read()
    parts = data.split(maxsplit=4)  # P5, width, height, maxval, pixels
    width, pixels = int(parts[1]), parts[4]
    dark = pixels.translate(bytes(1 if v < 160 else 0 for v in range(256)))
    return int.from_bytes(dark, "little"), width


def spread(bits, width):
    """The ink grown by a pixel each way: texts that touch overlap."""
    return bits | (bits << 1) | (bits >> 1) | (bits << width) | (bits >> width)


def check_template(program, work, name, arguments):
    path = os.path.join(work, name + ".dxf")
    exported = run(program, "--export", path, *arguments).returncode == 0
    check(exported, "%s: exported" % name)
    if not exported:
        return
    source = ezdxf.readfile(path)
    groups = groups_of(source)
    drawn = {}
    for key in ["lines"] + sorted(groups):
        doc = ezdxf.readfile(path)
        marked(doc)
        keep = groups.get(key, set())
        for text in list(doc.modelspace().query("TEXT")):
            if text.dxf.handle not in keep:
                doc.modelspace().delete_entity(text)
        variant = os.path.join(work, "%s-%s.dxf" % (name, key.replace(" ", "")))
        doc.saveas(variant)
        drawn[key] = ink(variant, work)
    lines, width = drawn.pop("lines")
    alone = {key: bits & ~spread(lines, width) for key, (bits, _) in drawn.items()}
    check(all(bits for bits in alone.values()), "%s: every group is drawn" % name)
    keys = sorted(alone)
    for i, a in enumerate(keys):
        for b in keys[i + 1:]:
            shared = bin(spread(alone[a], width) & alone[b]).count("1")
            check(shared == 0, "%s: %s and %s share %d pixels" % (name, a, b, shared))


def main():
    program, work = sys.argv[1], sys.argv[2]
    os.makedirs(work, exist_ok=True)
    # The densest labels of a strip, and a fanned board.
    check_template(program, work, "edo31", ["--edo", "31", "--length", "650"])
    check_template(program, work, "board", ["--edo", "31", "--length", "648", "--strings", "6",
                                            "--bass-length", "686", "--perpendicular", "7"])
    check_template(program, work, "zarlino", ["--scale", "Zarlino Chromatique", "--length", "330",
                                              "--unit", "cm"])
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()

#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the desktop icons of the program for the icon theme, at 16, 32, 48, 128 and 256 pixels,
and the same as one .ico file for Windows.

At 16 and 32 pixels the icon is the window's own 16-colour picture, so that the menu, the
title bar and the taskbar show the same thing. The larger sizes are drawn for their size: the
same lute on its dark blue tile, in wood and ebony, with as much detail as the size can hold.
Run from this folder with Debian's python3-pil and imagemagick: /usr/bin/python3 make_icons.py
The output is committed; the build only installs it.
"""
import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

import make_pictures as pictures

SPRUCE_DARK = (178, 124, 62)
SPRUCE_LIGHT = (236, 196, 132)
ROSEWOOD = (74, 36, 20)
NAVY_TOP = (24, 34, 150)
NAVY_BOTTOM = (0, 0, 92)


def detail(size):
    """What a size can hold: frets, strings, rosette rings and inlay dots."""
    if size <= 48:
        return {"frets": (1, 3, 5, 7, 12), "strings": 3, "rings": 1, "dots": False, "line": 1.6}
    if size <= 128:
        return {"frets": range(1, 13), "strings": 4, "rings": 2, "dots": False, "line": 1.2}
    return {"frets": range(1, 15), "strings": 6, "rings": 3, "dots": True, "line": 1.0}


def tile_mask(side, u):
    """The rounded square of the tile, 232 units wide with corners of 44."""
    mask = Image.new("L", (side, side), 0)
    ImageDraw.Draw(mask).rounded_rectangle([12 * u, 12 * u, 244 * u, 244 * u], radius=44 * u,
                                           fill=255)
    return mask


def tile(side, u):
    """The rounded dark blue tile of the window icon, lit from the top."""
    image = Image.new("RGBA", (side, side), (0, 0, 0, 0))
    gradient = Image.new("RGBA", (side, side))
    pixels = gradient.load()
    for y in range(side):
        colour = pictures.mix(NAVY_TOP, NAVY_BOTTOM, y / (side - 1)) + (255,)
        for x in range(side):
            pixels[x, y] = colour
    image.paste(gradient, (0, 0), tile_mask(side, u))
    rim = ImageDraw.Draw(image)
    rim.rounded_rectangle([13 * u, 13 * u, 243 * u, 243 * u], radius=43 * u,
                          outline=(90, 110, 220, 255), width=max(1, round(2 * u)))
    return image


def lute(side, u, d):
    """The instrument upright on a transparent layer: head at the top, bridge at the bottom."""
    layer = Image.new("RGBA", (side, side), (0, 0, 0, 0))
    draw = ImageDraw.Draw(layer)
    line = d["line"]

    # The soundboard: a pear of two ellipses filled with spruce, grain along the axis.
    body = Image.new("L", (side, side), 0)
    shape = ImageDraw.Draw(body)
    shape.ellipse([66 * u, 112 * u, 190 * u, 244 * u], fill=255)
    shape.ellipse([86 * u, 82 * u, 170 * u, 176 * u], fill=255)
    spruce = pictures.wood(side, side, SPRUCE_DARK, SPRUCE_LIGHT, waves=2.2 * u).convert("RGBA")
    layer.paste(spruce, (0, 0), body)
    edge = body.filter(ImageFilter.MaxFilter(2 * round(2.5 * u * line) + 1))
    binding = Image.new("RGBA", (side, side), ROSEWOOD + (255,))
    layer.paste(binding, (0, 0), ImageChops.subtract(edge, body))

    # The rosette around the soundhole.
    cx, cy = 128 * u, 150 * u
    rings = [(25, (214, 190, 140)), (22, ROSEWOOD), (19, (226, 204, 156))][-d["rings"]:]
    for r, colour in rings:
        draw.ellipse([cx - r * u, cy - r * u, cx + r * u, cy + r * u], fill=colour)
    draw.ellipse([cx - 16 * u, cy - 16 * u, cx + 16 * u, cy + 16 * u], fill=(26, 16, 12))

    # Head and pegs, then the ebony fingerboard from the nut onto the body.
    draw.polygon([(112 * u, 2 * u), (144 * u, 2 * u), (141 * u, 26 * u), (115 * u, 26 * u)],
                 fill=pictures.WOOD_MID, outline=ROSEWOOD)
    for y in (7, 15):
        for x in (104, 152):
            draw.ellipse([(x - 5) * u, (y - 1) * u, (x + 5) * u, (y + 7) * u],
                         fill=pictures.BRONZE, outline=ROSEWOOD)
    draw.polygon([(115 * u, 24 * u), (141 * u, 24 * u), (143 * u, 132 * u), (113 * u, 132 * u)],
                 fill=pictures.EBONY)
    draw.rectangle([114 * u, 22 * u, 142 * u, 26 * u], fill=(236, 228, 206))

    # Frets where an equal-tempered scale puts them, nut to saddle 185 units.
    nut, length = 25.0, 185.0
    for n in d["frets"]:
        y = nut + length * (1 - 2 ** (-n / 12.0))
        half = 13 + 2 * (y - nut) / 107
        draw.line([((128 - half) * u, y * u), ((128 + half) * u, y * u)],
                  fill=pictures.FRET, width=max(1, round(2.2 * u * line)))
    if d["dots"]:
        for n in (3, 5, 7, 9, 12):
            a = nut + length * (1 - 2 ** (-(n - 1) / 12.0))
            b = nut + length * (1 - 2 ** (-n / 12.0))
            y = (a + b) / 2
            draw.ellipse([125 * u, (y - 3) * u, 131 * u, (y + 3) * u], fill=(226, 222, 210))

    # The bridge with its saddle, then the strings from the nut to the saddle.
    draw.rounded_rectangle([100 * u, 204 * u, 156 * u, 216 * u], radius=4 * u, fill=ROSEWOOD)
    draw.line([(106 * u, 209 * u), (150 * u, 209 * u)], fill=(236, 228, 206),
              width=max(1, round(2 * u)))
    count = d["strings"]
    for s in range(count):
        t = (s + 0.5) / count - 0.5
        top = (128 + 22 * t) * u
        bottom = (128 + 40 * t) * u
        draw.line([(top, 25 * u), (bottom, 209 * u)], fill=pictures.STRING,
                  width=max(1, round(1.3 * u * line * (1.4 if s < count / 2 else 1.0))))
    return layer


def desktop_icon(size):
    """The lute turned to lie across its tile, as in the window icon, with a soft shadow."""
    factor = max(4, 1024 // size)
    side = size * factor
    u = side / 256.0
    d = detail(size)
    image = tile(side, u)
    instrument = lute(side, u, d).rotate(-42, resample=Image.BICUBIC, center=(128 * u, 128 * u))
    instrument = instrument.resize((round(side * 0.9), round(side * 0.9)), Image.LANCZOS)
    offset = (round(side * 0.06), round(side * 0.04))
    shadow = Image.new("RGBA", instrument.size, (0, 0, 24, 0))
    shadow.putalpha(instrument.getchannel("A").point(lambda a: a * 0.55)
                    .filter(ImageFilter.GaussianBlur(3 * u)))
    image.alpha_composite(shadow, (offset[0] + round(4 * u), offset[1] + round(5 * u)))
    image.alpha_composite(instrument, offset)
    # Keep the instrument inside the tile's rounded corners.
    clipped = Image.new("RGBA", (side, side), (0, 0, 0, 0))
    clipped.paste(image, (0, 0), tile_mask(side, u))
    return clipped.resize((size, size), Image.LANCZOS)


def windows_icon():
    """The icon of the Windows program and its installer: the drawings above, at 16, 32, 48 and
    256 pixels, in one .ico file."""
    sizes = (16, 32, 48, 256)
    images = [Image.open(f"icons/{size}x{size}/dorvane.png").convert("RGBA") for size in sizes]
    images[-1].save("icons/dorvane.ico", sizes=[(s, s) for s in sizes], append_images=images[:-1])


if __name__ == "__main__":
    random.seed(48)
    pictures.icon(16).save("icons/16x16/dorvane.png")
    pictures.icon(32).save("icons/32x32/dorvane.png")
    for size in (48, 128, 256):
        desktop_icon(size).save(f"icons/{size}x{size}/dorvane.png")
    windows_icon()

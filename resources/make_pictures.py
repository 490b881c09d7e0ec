#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the program's five pictures: wood, strings and frets, all made here from scratch.

Run from this folder with Debian's python3-pil and imagemagick: /usr/bin/python3 make_pictures.py
The output is committed; the build only reads it.
"""
import math
import random
import struct

from PIL import Image, ImageDraw, ImageFilter

random.seed(24)

WOOD_DARK = (92, 52, 24)
WOOD_MID = (142, 86, 42)
WOOD_LIGHT = (186, 128, 70)
EBONY = (38, 26, 20)
FRET = (214, 210, 196)
STRING = (232, 226, 206)
BRONZE = (196, 150, 70)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def wood(width, height, dark=WOOD_DARK, light=WOOD_LIGHT, waves=7.0, s=1):
    """Quarter-sawn grain: lines of uneven spacing and darkness that drift gently downwards.
    At a scale s, the same grain on s times as many pixels each way."""
    image = Image.new("RGB", (width * s, height * s))
    pixels = image.load()
    phases = [random.uniform(0, 2 * math.pi) for _ in range(5)]
    for y in range(height * s):
        drift = 4 * math.sin(y / s / 97.0 + phases[0]) + 1.5 * math.sin(y / s / 31.0 + phases[1])
        for x in range(width * s):
            u = x / s + drift
            # Uneven spacing: the phase of the grain speeds up and slows down across the board.
            phase = u / waves + 2.2 * math.sin(u / 37.0 + phases[2]) + math.sin(u / 13.0 + phases[4])
            grain = math.sin(phase) * 0.5 + 0.5
            band = math.sin(u / 61.0 + phases[3]) * 0.5 + 0.5
            t = 0.45 * grain ** 3 + 0.35 * band + 0.2 * random.random()
            pixels[x, y] = mix(dark, light, min(1.0, max(0.0, 1.0 - t)))
    return image.filter(ImageFilter.GaussianBlur(0.7 * s))


class Scaled:
    """A drawing whose coordinates and line widths are given at 1x and drawn at s times."""

    def __init__(self, image, s):
        self.draw, self.s = ImageDraw.Draw(image), s

    def points(self, xy):
        return [(x * self.s, y * self.s) for x, y in xy]

    def box(self, b):
        # A box of whole pixels at 1x covers whole blocks of s pixels at s times.
        s = self.s
        return [b[0] * s, b[1] * s, (b[2] + 1) * s - 1, (b[3] + 1) * s - 1] if s > 1 else b

    def polygon(self, xy, **kw):
        self.draw.polygon(self.points(xy), **kw)

    def line(self, xy, fill, width=1):
        self.draw.line(self.points(xy), fill=fill, width=width * self.s)

    def ellipse(self, b, **kw):
        if "width" in kw:
            kw["width"] *= self.s
        self.draw.ellipse([c * self.s for c in b] if self.s > 1 else b, **kw)

    def rectangle(self, b, **kw):
        if "outline" in kw and self.s > 1:
            kw["width"] = self.s
        self.draw.rectangle(self.box(b), **kw)

    def point(self, xy, fill):
        self.rectangle([xy[0], xy[1], xy[0], xy[1]], fill=fill)


def background(s=1):
    """The main window: a maple body on the left, an ebony fingerboard with frets and strings
    across the lower part, kept quiet so that the table stays legible."""
    w, h = 495, 403
    image = wood(w, h, (120, 70, 34), (176, 118, 62), waves=5.5, s=s)
    draw = Scaled(image, s)
    # The fingerboard runs along the bottom, narrowing towards the nut on the right.
    board = [(0, h - 20), (w, h - 6), (w, h + 40), (0, h + 40)]
    draw.polygon([(0, 300), (w, 330), (w, h), (0, h)], fill=EBONY)
    # Frets at the positions of an equal-tempered scale of 900 pixels, from the right.
    scale = 900.0
    for n in range(1, 16):
        x = w - 10 - (scale - scale * 2 ** (-n / 12.0))
        if x < 0:
            break
        top = 300 + 30 * x / w
        draw.line([(x, top), (x, h)], fill=FRET, width=2)
        draw.line([(x + 2, top), (x + 2, h)], fill=(120, 116, 104), width=1)
    # Inlay dots at the usual frets.
    for n in (3, 5, 7, 9, 12):
        a = w - 10 - (scale - scale * 2 ** (-(n - 1) / 12.0))
        b = w - 10 - (scale - scale * 2 ** (-n / 12.0))
        cx = (a + b) / 2
        cy = 300 + 30 * cx / w + (h - 300 - 30 * cx / w) / 2
        if cx > 0:
            draw.ellipse([cx - 4, cy - 4, cx + 4, cy + 4], fill=(226, 222, 210))
    # Six strings, thicker at the bass side.
    for k in range(6):
        y0 = 312 + k * 15
        draw.line([(0, y0), (w, y0 + 22 - k * 2)], fill=STRING, width=1 + (k > 3))
    # A purfling line between the wood and the board.
    draw.line([(0, 298), (w, 328)], fill=(232, 216, 170), width=2)
    del board
    return image


def icon(size):
    """A lute seen from the front: a round wooden body, a dark neck with frets, the strings."""
    image = Image.new("RGB", (size, size), (0, 0, 128))
    draw = ImageDraw.Draw(image)
    s = size / 32.0
    draw.rectangle([0, 0, size, size], fill=(0, 0, 128))
    draw.ellipse([3 * s, 13 * s, 23 * s, 31 * s], fill=(128, 64, 0), outline=(64, 32, 0))
    draw.ellipse([10 * s, 19 * s, 16 * s, 25 * s], fill=(0, 0, 0))
    draw.polygon([(11 * s, 14 * s), (15 * s, 14 * s), (29 * s, 1 * s), (31 * s, 3 * s),
                  (17 * s, 16 * s)], fill=(0, 0, 0))
    for k in range(4):
        t = 0.25 + 0.17 * k
        x, y = 13 * s + t * 16 * s, 14 * s - t * 13 * s
        draw.line([(x - 1.5 * s, y - 1.5 * s), (x + 1.5 * s, y + 1.5 * s)], fill=(192, 192, 192))
    draw.line([(13 * s, 27 * s), (30 * s, 2 * s)], fill=(255, 255, 255))
    draw.rectangle([9 * s, 26 * s, 17 * s, 28 * s], fill=(255, 255, 0))
    return quantise16(image)


def printer(s=1):
    image = Image.new("RGB", (16 * s, 16 * s), (192, 192, 192))
    draw = Scaled(image, s)
    draw.rectangle([4, 1, 11, 6], fill=(255, 255, 255), outline=(0, 0, 0))
    draw.line([(5, 3), (10, 3)], fill=(128, 128, 128))
    draw.line([(5, 5), (9, 5)], fill=(128, 128, 128))
    draw.rectangle([1, 6, 14, 12], fill=(128, 128, 128), outline=(0, 0, 0))
    draw.line([(2, 7), (13, 7)], fill=(255, 255, 255))
    draw.point((12, 9), fill=(0, 255, 0))
    draw.rectangle([4, 10, 11, 14], fill=(255, 255, 255), outline=(0, 0, 0))
    draw.line([(5, 12), (10, 12)], fill=(0, 0, 0))
    image = quantise16(image).convert("RGB")
    transparent = image.convert("RGBA")
    pixels = transparent.load()
    for y in range(16 * s):
        for x in range(16 * s):
            if pixels[x, y][:3] == (192, 192, 192):
                pixels[x, y] = (0, 0, 0, 0)
    return transparent


def about_background(s=1):
    """The about box: dark rosewood with a rosette, the program's name stands over it."""
    w, h = 223, 163
    image = wood(w, h, (60, 30, 18), (118, 64, 34), waves=4.0, s=s)
    draw = Scaled(image, s)
    cx, cy = 34, 120
    for r, colour in ((30, (210, 190, 140)), (27, (60, 30, 18)), (24, (190, 160, 100)),
                      (21, (30, 18, 12))):
        draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=colour)
    for k in range(24):
        a = 2 * math.pi * k / 24
        draw.line([(cx + 22 * math.cos(a), cy + 22 * math.sin(a)),
                   (cx + 29 * math.cos(a), cy + 29 * math.sin(a))], fill=(120, 90, 50))
    for s in range(4):
        y = 96 + s * 7
        draw.line([(60, y), (w, y - 10)], fill=STRING)
    return image


def about_picture(s=1):
    """A small tuning peg head: a scroll of wood with two pegs."""
    image = wood(31, 45, (96, 54, 26), (170, 112, 58), waves=2.5, s=s)
    draw = Scaled(image, s)
    draw.ellipse([6, 2, 24, 18], outline=(50, 26, 12), width=2)
    draw.ellipse([11, 6, 19, 14], fill=(50, 26, 12))
    draw.rectangle([11, 18, 19, 44], fill=EBONY)
    for y in (24, 34):
        draw.rectangle([1, y, 10, y + 3], fill=(30, 20, 16))
        draw.ellipse([0, y - 1, 5, y + 4], fill=BRONZE)
        draw.rectangle([20, y + 4, 29, y + 7], fill=(30, 20, 16))
        draw.ellipse([25, y + 3, 30, y + 8], fill=BRONZE)
    for x in (13, 15, 17):
        draw.line([(x, 18), (x, 44)], fill=STRING)
    return image


def save_bitmap(image, name):
    """Writes an uncompressed 32-bit bitmap stored top-down (a negative height): its pixels, in
    the order blue, green, red and an unused byte, are those of an image in memory, which the
    program shows without reading them one by one."""
    width, height = image.size
    opaque = image.convert("RGB")
    opaque.putalpha(255)
    pixels = opaque.tobytes("raw", "BGRA")
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, -height, 1, 32, 0, len(pixels), 3780, 3780, 0, 0)
    with open(name, "wb") as file:
        file.write(header + info + pixels)


def quantise16(image):
    """Reduces a picture to the classic 16-colour palette."""
    colours = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
               (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
               (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
    palette = Image.new("P", (1, 1))
    flat = [c for colour in colours for c in colour]
    palette.putpalette(flat + flat[:3] * (256 - len(colours)))
    return image.quantize(palette=palette, dither=Image.Dither.NONE)


if __name__ == "__main__":
    # Formats the toolkit reads without loading a plugin, which a JPEG or an icon file would need
    # at every start; the background, read at every start too, needs no reading at all.
    save_bitmap(background(), "background.bmp")
    icon(32).save("dorvane-32.png", bits=4, optimize=True)
    icon(16).save("dorvane-16.png", bits=4, optimize=True)
    printer().save("printer.png")
    about_background().save("about_background.png", optimize=True)
    about_picture().save("about_picture.png")
    # The same pictures for screens of twice and three times the pixels; the program draws the
    # one its screen needs, and scales down the next larger one for 1.5 and the like.
    for s in (2, 3):
        background(s).save(f"background@{s}x.png", optimize=True)
        printer(s).save(f"printer@{s}x.png")
        about_background(s).save(f"about_background@{s}x.png", optimize=True)
        about_picture(s).save(f"about_picture@{s}x.png", optimize=True)

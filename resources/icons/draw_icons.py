#!/usr/bin/env python3
"""Draws the program icon for the desktop (run once; the PNGs, the SVG and the ICO are committed).

The design is that of resources/pictures/program_icon.png, the 32x32 icon of the version window: a
white lattice with two black axes and a blue rising line. Every size is drawn from the same figure
in 32 units, with the lattice and axes snapped to whole pixels so that the small sizes stay sharp;
only the blue line is smoothed. Needs nothing but Python's standard library.
"""

import os
import struct
import zlib

SIZES = (16, 24, 32, 48, 64, 128, 256)
WHITE = (255, 255, 255)
GRID = (0xC8, 0xC8, 0xC8)
AXIS = (0, 0, 0)
LINE = (0x00, 0x40, 0xFF)

# The figure in 32 units, a pixel of the 32x32 icon being one unit wide: the centres of the lattice
# lines and of the axes, and the blue line's ends and width.
GRID_CENTRES = (4.5, 10.5, 22.5, 28.5)
AXIS_CENTRE = 16.5
LINE_FROM = (3.5, 31.5)
LINE_TO = (31.5, 3.5)
LINE_WIDTH = 2.5


def snapped_band(centre, width):
    """The whole pixels [first, first + width) of a band around a centre."""
    first = int(centre - width / 2.0 + 0.5)
    return first, first + width


def line_coverage(x, y, a, b, half_width, samples):
    """How much of the pixel (x, y) the stroke from a to b with butt ends covers, 0 to 1."""
    dx, dy = b[0] - a[0], b[1] - a[1]
    length = (dx * dx + dy * dy) ** 0.5
    ux, uy = dx / length, dy / length
    inside = 0
    for i in range(samples):
        for j in range(samples):
            px = x + (i + 0.5) / samples - a[0]
            py = y + (j + 0.5) / samples - a[1]
            along = px * ux + py * uy
            across = abs(px * uy - py * ux)
            if 0.0 <= along <= length and across <= half_width:
                inside += 1
    return inside / float(samples * samples)


def draw(size):
    """The icon as rows of RGB triples."""
    scale = size / 32.0
    # The axes grow with the icon and the lattice more slowly, so that a large icon still shows a
    # fine lattice behind them.
    grid_width = max(1, size // 48)
    axis_width = max(1, round(size / 32.0))
    pixels = [[WHITE] * size for _ in range(size)]

    def band(centre, width, colour):
        first, end = snapped_band(centre * scale, width)
        for k in range(max(0, first), min(size, end)):
            for m in range(size):
                pixels[m][k] = colour  # a column
                pixels[k][m] = colour  # a row

    for centre in GRID_CENTRES:
        band(centre, grid_width, GRID)
    band(AXIS_CENTRE, axis_width, AXIS)

    a = (LINE_FROM[0] * scale, LINE_FROM[1] * scale)
    b = (LINE_TO[0] * scale, LINE_TO[1] * scale)
    half_width = LINE_WIDTH * scale / 2.0
    for y in range(size):
        for x in range(size):
            cover = line_coverage(x, y, a, b, half_width, 8)
            if cover > 0:
                under = pixels[y][x]
                pixels[y][x] = tuple(
                    int(round(under[c] * (1 - cover) + LINE[c] * cover)) for c in range(3))
    return pixels


def write_png(path, pixels):
    size = len(pixels)
    raw = b"".join(b"\x00" + bytes(v for rgb in row for v in rgb) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def write_ico(path, pngs):
    """A Windows icon of the PNG pictures (size, bytes), kept as PNG inside, as Windows reads them
    since Vista; a width or height of 256 is written as 0."""
    header = struct.pack("<HHH", 0, 1, len(pngs))
    offset = len(header) + 16 * len(pngs)
    entries = b""
    for size, data in pngs:
        side = size % 256
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(header + entries + b"".join(data for _, data in pngs))


def hexcolour(colour):
    return "#%02x%02x%02x" % colour


def svg():
    """The same figure for any size; the lattice lines are one unit wide."""
    rects = []
    for centre in GRID_CENTRES:
        start = centre - 0.5
        rects.append('<rect x="%g" y="0" width="1" height="32" fill="%s"/>' % (start, hexcolour(GRID)))
        rects.append('<rect x="0" y="%g" width="32" height="1" fill="%s"/>' % (start, hexcolour(GRID)))
    start = AXIS_CENTRE - 0.5
    rects.append('<rect x="%g" y="0" width="1" height="32" fill="%s"/>' % (start, hexcolour(AXIS)))
    rects.append('<rect x="0" y="%g" width="32" height="1" fill="%s"/>' % (start, hexcolour(AXIS)))
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 32 32">\n'
        '  <title>Tesmara</title>\n'
        '  <rect width="32" height="32" fill="%s"/>\n'
        '  %s\n'
        '  <line x1="%g" y1="%g" x2="%g" y2="%g" stroke="%s" stroke-width="%g"'
        ' stroke-linecap="butt"/>\n'
        '</svg>\n' % (hexcolour(WHITE), "\n  ".join(rects), LINE_FROM[0], LINE_FROM[1],
                      LINE_TO[0], LINE_TO[1], hexcolour(LINE), LINE_WIDTH))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    pngs = []
    for size in SIZES:
        png = os.path.join(here, "tesmara-%d.png" % size)
        write_png(png, draw(size))
        with open(png, "rb") as f:
            pngs.append((size, f.read()))
    # The program's icon on Windows: its window, the Start menu and its graph files.
    write_ico(os.path.join(here, "tesmara.ico"), pngs)
    with open(os.path.join(here, "tesmara.svg"), "w", encoding="utf-8") as f:
        f.write(svg())


if __name__ == "__main__":
    main()

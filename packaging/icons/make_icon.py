#!/usr/bin/env python3
"""Draws the program's 36 x 36 two-colour icon, a multiplication rod, as PNG and SVG (Linux),
ICO (Windows), ICNS (macOS), XPM (compiled into the window) and the web app's 192 and 512
pixel PNGs.

The same bitmap feeds both files, so the scalable icon is exactly the small one drawn larger.
Run it after changing the drawing; its outputs are committed.
"""
import struct
import zlib
from pathlib import Path

SIZE = 36
PAPER = (255, 255, 192)   # the window's light yellow
INK = (160, 0, 0)         # a dark red, like the selected row


def drawing():
    px = [[False] * SIZE for _ in range(SIZE)]

    def rect(x0, y0, x1, y1):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = True

    # The rod's outline, two pixels thick.
    rect(9, 1, 26, 2)
    rect(9, 33, 26, 34)
    rect(9, 1, 10, 34)
    rect(25, 1, 26, 34)
    # Three cells, each split by the diagonal that parts the tens from the units.
    for top in (3, 13, 23):
        if top > 3:
            rect(11, top - 1, 24, top - 1)
        for k in range(0, 9):
            x = 12 + k + k // 2
            y = top + 8 - k
            rect(x, y, x + 1, y)
    return px


def png_bytes(px):
    rows = b"".join(b"\x00" + bytes(c for v in row for c in (INK if v else PAPER)) for row in px)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    size = len(px)
    header = struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def write_png(px, path):
    path.write_bytes(png_bytes(px))


def write_ico(px, path):
    """Windows icon: one 36 x 36 image stored as PNG, which Windows reads since Vista."""
    data = png_bytes(px)
    path.write_bytes(struct.pack("<HHH", 0, 1, 1)
                     + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(data), 6 + 16)
                     + data)


def enlarged(px, size):
    """The drawing scaled by the largest whole factor that fits, centred on size x size paper."""
    k = size // SIZE
    offset = (size - k * SIZE) // 2
    big = [[False] * size for _ in range(size)]
    for y in range(k * SIZE):
        for x in range(k * SIZE):
            big[offset + y][offset + x] = px[y // k][x // k]
    return big


def write_icns(px, path):
    """macOS icon: the drawing three times larger, centred on 128 x 128 paper ('ic07')."""
    data = png_bytes(enlarged(px, 128))
    entry = b"ic07" + struct.pack(">I", 8 + len(data)) + data
    path.write_bytes(b"icns" + struct.pack(">I", 8 + len(entry)) + entry)


def write_xpm(px, path):
    """The same drawing as C source for the window: an XPM needs no image plugin to read."""
    hex_ = lambda c: "#%02X%02X%02X" % c
    rows = ",\n".join('"' + "".join("#" if v else "." for v in row) + '"' for row in px)
    path.write_text(
        "/* XPM */\n"
        "/* Drawn by make_icon.py; do not edit. */\n"
        "static const char* const rechenmaschine_xpm[] = {\n"
        f'"{SIZE} {SIZE} 2 1",\n". c {hex_(PAPER)}",\n"# c {hex_(INK)}",\n{rows}}};\n')


def write_svg(px, path):
    hex_ = lambda c: "#%02x%02x%02x" % c
    cells = "".join(f'<rect x="{x}" y="{y}" width="1" height="1"/>'
                    for y, row in enumerate(px) for x, v in enumerate(row) if v)
    path.write_text(
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
        f'viewBox="0 0 {SIZE} {SIZE}" shape-rendering="crispEdges">\n'
        f'<rect width="{SIZE}" height="{SIZE}" fill="{hex_(PAPER)}"/>\n'
        f'<g fill="{hex_(INK)}">{cells}</g>\n</svg>\n')


if __name__ == "__main__":
    here = Path(__file__).resolve().parent
    bitmap = drawing()
    write_png(bitmap, here / "rechenmaschine.png")
    write_svg(bitmap, here / "rechenmaschine.svg")
    write_ico(bitmap, here / "rechenmaschine.ico")
    write_xpm(bitmap, here / "rechenmaschine.xpm")
    write_icns(bitmap, here / "rechenmaschine.icns")
    for size in (192, 512):  # what a browser wants to install the web edition as an app
        write_png(enlarged(bitmap, size), here / f"rechenmaschine-{size}.png")

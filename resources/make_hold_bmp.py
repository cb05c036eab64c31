#!/usr/bin/env python3
"""Writes hold.bmp: the 54 x 12 HOLD picture, black serif capitals on white,
as a 4-bit BMP with the standard 16-colour palette."""
import struct
import sys

GLYPHS = {
    "H": ["XXXX...XXXX",
          ".XX.....XX.",
          ".XX.....XX.",
          ".XX.....XX.",
          ".XXXXXXXXX.",
          ".XX.....XX.",
          ".XX.....XX.",
          ".XX.....XX.",
          "XXXX...XXXX"],
    "O": ["...XXXXX...",
          ".XXX...XXX.",
          "XX.......XX",
          "XX.......XX",
          "XX.......XX",
          "XX.......XX",
          "XX.......XX",
          ".XXX...XXX.",
          "...XXXXX..."],
    "L": ["XXXX......",
          ".XX.......",
          ".XX.......",
          ".XX.......",
          ".XX.......",
          ".XX.......",
          ".XX.....X.",
          ".XX....XX.",
          "XXXXXXXXX."],
    "D": ["XXXXXXX....",
          ".XX...XXX..",
          ".XX....XXX.",
          ".XX.....XX.",
          ".XX.....XX.",
          ".XX.....XX.",
          ".XX....XXX.",
          ".XX...XXX..",
          "XXXXXXX...."],
}
WIDTH, HEIGHT = 54, 12
LEFT, TOP, GAP = 3, 2, 2

# The 16-colour palette as (red, green, blue); black is 0 and white 15.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, WHITE = 0, 15


def pixels():
    image = [[WHITE] * WIDTH for _ in range(HEIGHT)]
    x = LEFT
    for letter in "HOLD":
        glyph = GLYPHS[letter]
        for dy, row in enumerate(glyph):
            for dx, cell in enumerate(row):
                if cell == "X":
                    image[TOP + dy][x + dx] = BLACK
        x += len(glyph[0]) + GAP
    assert x - GAP <= WIDTH
    return image


def bmp(image):
    stride = (WIDTH * 4 + 31) // 32 * 4
    rows = []
    for row in reversed(image):  # BMP rows run bottom-up
        packed = bytearray()
        for i in range(0, WIDTH, 2):
            high = row[i]
            low = row[i + 1] if i + 1 < WIDTH else 0
            packed.append(high << 4 | low)
        rows.append(bytes(packed.ljust(stride, b"\0")))
    data = b"".join(rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, len(data), 3780, 3780, 16, 16)
    return header + info + palette + data


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "hold.bmp"
    with open(out, "wb") as f:
        f.write(bmp(pixels()))

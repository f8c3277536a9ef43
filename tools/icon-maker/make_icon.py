#!/usr/bin/env python3
"""Writes the renderer's program icon: a 32 x 32 picture of a shaded sphere under a draped sheet.

    python3 tools/icon-maker/make_icon.py [assets/zandrel.ico]
"""
import math
import struct
import sys

SIZE = 32


def pixel(x, y):
    """BGRA of one pixel; y runs from the top."""
    cx, cy, r = 15.5, 19.5, 10.0
    dx, dy = (x - cx) / r, (y - cy) / r
    d2 = dx * dx + dy * dy
    # The sheet: a band whose lower edge sags over the sphere's top.
    sag = 9.0 + 3.0 * math.cos((x - cx) / 10.0) - (4.0 if abs(x - cx) < 8 else 0.0)
    if 3 <= y <= sag + 3 and 2 <= x <= 29:
        shade = 200 + int(40 * math.sin(x / 3.0))
        return (shade, shade, 230, 255)
    if d2 <= 1.0:
        dz = math.sqrt(1.0 - d2)
        light = max(0.0, -0.4 * dx - 0.5 * dy + 0.77 * dz)
        level = int(60 + 195 * light)
        return (40, 60, level, 255)
    return (0, 0, 0, 0)


def icon_bytes():
    rows = []
    for y in range(SIZE - 1, -1, -1):  # bitmaps store the bottom row first
        rows.append(b"".join(struct.pack("<4B", *pixel(x, y)) for x in range(SIZE)))
    xor = b"".join(rows)
    mask_row = (SIZE + 31) // 32 * 4
    and_mask = b""
    for y in range(SIZE - 1, -1, -1):
        bits = 0
        for x in range(SIZE):
            if pixel(x, y)[3] == 0:
                bits |= 1 << (31 - x)
        and_mask += struct.pack(">I", bits).ljust(mask_row, b"\0")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "assets/zandrel.ico"
    with open(path, "wb") as out:
        out.write(icon_bytes())


if __name__ == "__main__":
    main()

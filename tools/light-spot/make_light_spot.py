#!/usr/bin/env python3
"""Writes the light's sprite: a 128 x 128 24-bit bitmap of a soft round spot on black, white at the
centre, fading through pale blue to black about 48 pixels out. Added onto the scene, the black adds nothing.

    python3 tools/light-spot/make_light_spot.py [assets/light_spot.bmp]
"""
import math
import struct
import sys

SIZE = 128
CORE = 6.0  # white out to here
EDGE = 48.0  # black from here on
PALE_BLUE = (0.62, 0.78, 1.0)


def smoothstep(t):
    t = min(max(t, 0.0), 1.0)
    return t * t * (3.0 - 2.0 * t)


def pixel(x, y):
    """(r, g, b) of one pixel, each 0 ... 255."""
    centre = (SIZE - 1) / 2.0
    r = math.hypot(x - centre, y - centre)
    t = (r - CORE) / (EDGE - CORE)
    if t <= 0.0:
        return (255, 255, 255)
    if t >= 1.0:
        return (0, 0, 0)
    # The hue leaves white quickly; the brightness falls off smoothly to nothing at the edge.
    tint = smoothstep(t * 2.5)
    brightness = (1.0 - smoothstep(t)) ** 1.5
    colour = [1.0 + (c - 1.0) * tint for c in PALE_BLUE]
    return tuple(int(round(255.0 * c * brightness)) for c in colour)


def bitmap_bytes():
    row_size = (SIZE * 3 + 3) // 4 * 4
    rows = []
    for y in range(SIZE - 1, -1, -1):  # bottom row first
        row = b"".join(struct.pack("<3B", *reversed(pixel(x, y))) for x in range(SIZE))  # B, G, R
        rows.append(row + b"\0" * (row_size - len(row)))
    pixels = b"".join(rows)
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return file_header + info_header + pixels


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "assets/light_spot.bmp"
    with open(path, "wb") as out:
        out.write(bitmap_bytes())


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the push button's six state pictures and the settings dialog's two marks as 24-bit BMP files.

    python3 tools/picture-maker/make_pictures.py [ASSETS_FOLDER]

Writes ASSETS_FOLDER/command/<state>.bmp (64 x 25) and ASSETS_FOLDER/marks/mark_<off|on>.bmp (12 x 12);
the folder defaults to assets/ beside tools/. The files are committed; run this after changing a picture.
"""
import os
import struct
import sys

STATE_WIDTH, STATE_HEIGHT, FRAME = 64, 25, 4
MARK_SIZE = 12

DARK_BLUE = (0, 60, 116)
GREY = (160, 160, 160)
ORANGE = (248, 179, 48)
LIGHT_BLUE = (152, 200, 248)
FACE = (236, 236, 240)
DARK_FACE = (200, 200, 212)

# File names in the order of the button's states (and of their resource numbers).
STATES = ["normal", "highlight", "pressed", "selected", "highlight_select", "disable"]


def toward_zero(numerator, denominator):
    quotient = abs(numerator) // denominator
    return quotient if numerator >= 0 else -quotient


def mix(a, b, weight, of):
    return tuple(x + toward_zero((y - x) * weight, of) for x, y in zip(a, b))


def state_pixel(state, x, y):
    """R, G, B of one pixel; only the 4-pixel frame is ever painted, the middle is a plain face."""
    orange_glow = state in ("highlight", "highlight_select")
    blue_glow = state == "selected"
    edge = GREY if state == "disable" else DARK_BLUE
    ring = min(x, y, STATE_WIDTH - 1 - x, STATE_HEIGHT - 1 - y)
    if ring == 0:
        return edge
    if ring < FRAME:
        if orange_glow:
            return mix(ORANGE, FACE, ring - 1, FRAME)
        if blue_glow:
            return mix(LIGHT_BLUE, FACE, ring - 1, FRAME)
        return mix(edge, FACE, ring, FRAME)
    return DARK_FACE if state == "pressed" else FACE


def mark_pixel(chosen, x, y):
    """An empty grey square, or one with a blue centre when chosen."""
    if x in (0, MARK_SIZE - 1) or y in (0, MARK_SIZE - 1):
        return (128, 128, 128)
    if chosen and 3 <= x <= 8 and 3 <= y <= 8:
        return (0, 64, 224)
    return (240, 240, 240)


def bmp_bytes(width, height, pixel):
    """An uncompressed 24-bit bitmap file; pixel(x, y) gives R, G, B with y from the top."""
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(height - 1, -1, -1):  # bitmaps store the bottom row first
        row = b"".join(struct.pack("<3B", *reversed(pixel(x, y))) for x in range(width))
        rows.append(row.ljust(stride, b"\0"))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    return header + info + image


def pictures():
    """Relative path -> file contents of every picture."""
    files = {}
    for state in STATES:
        files["command/%s.bmp" % state] = bmp_bytes(
            STATE_WIDTH, STATE_HEIGHT, lambda x, y, s=state: state_pixel(s, x, y))
    for name, chosen in (("mark_off", False), ("mark_on", True)):
        files["marks/%s.bmp" % name] = bmp_bytes(MARK_SIZE, MARK_SIZE, lambda x, y, c=chosen: mark_pixel(c, x, y))
    return files


def write_all(folder):
    for relative, contents in sorted(pictures().items()):
        path = os.path.join(folder, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(contents)


def main():
    default = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets")
    write_all(sys.argv[1] if len(sys.argv) > 1 else os.path.normpath(default))


if __name__ == "__main__":
    main()

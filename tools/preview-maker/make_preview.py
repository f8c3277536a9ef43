#!/usr/bin/env python3
"""Makes the saver's preview picture: a screenshot of a run, cut to the pane's shape and scaled down.

    make_preview.py SCREENSHOT OUTPUT.bmp [--width 152] [--height 112] [--crop LEFT,TOP,WIDTH,HEIGHT]

SCREENSHOT is a BMP (24 or 32 bits, uncompressed) or a PNG (8 bits per channel, grey, RGB or RGBA, not
interlaced). Other formats can be turned into a BMP first (ImageMagick: convert in.jpg BMP3:out.bmp).
Without --crop, the largest centred part with the output's aspect is used. Each output pixel is the mean
of the source pixels it covers, so the picture stays smooth at this size. The output is an uncompressed
24-bit bottom-up BMP, the form the resource compiler and the saver's drawing expect.
"""

import argparse
import struct
import sys
import zlib


def read_bmp(data):
    if data[:2] != b"BM":
        raise ValueError("not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    header = struct.unpack_from("<I", data, 14)[0]
    width, height, _planes, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if header < 40 or bits not in (24, 32) or compression not in (0, 3) or width <= 0 or height == 0:
        raise ValueError("only uncompressed 24- or 32-bit BMP files are read")
    bottom_up = height > 0
    height = abs(height)
    step = bits // 8
    stride = (width * step + 3) & ~3
    if offset + stride * height > len(data):
        raise ValueError("BMP file is cut short")
    rows = []
    for y in range(height):
        source_row = (height - 1 - y) if bottom_up else y
        start = offset + source_row * stride
        row = data[start:start + width * step]
        rows.append([(row[x * step + 2], row[x * step + 1], row[x * step]) for x in range(width)])
    return width, height, rows


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    at, idat, header = 8, b"", None
    while at + 8 <= len(data):
        length, kind = struct.unpack_from(">I4s", data, at)
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
        at += 12 + length
    if header is None:
        raise ValueError("PNG file has no header")
    width, height, depth, colour, _compression, _filter, interlace = header
    channels = {0: 1, 2: 3, 4: 2, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace != 0:
        raise ValueError("only 8-bit grey, RGB or RGBA PNG files without interlacing are read")
    raw = zlib.decompress(idat)
    stride = width * channels
    if len(raw) < (stride + 1) * height:
        raise ValueError("PNG image data is cut short")
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + ((left + up) >> 1)) & 255
            elif kind == 4:
                line[i] = (line[i] + paeth(left, up, corner)) & 255
            elif kind != 0:
                raise ValueError("unknown PNG row filter %d" % kind)
        previous = line
        if channels >= 3:
            rows.append([(line[x * channels], line[x * channels + 1], line[x * channels + 2])
                         for x in range(width)])
        else:
            rows.append([(line[x * channels],) * 3 for x in range(width)])
    return width, height, rows


def centred_crop(width, height, out_width, out_height):
    if width * out_height > height * out_width:
        crop_width = height * out_width // out_height
        return (width - crop_width) // 2, 0, crop_width, height
    crop_height = width * out_height // out_width
    return 0, (height - crop_height) // 2, width, crop_height


def scale(rows, crop, out_width, out_height):
    left, top, crop_width, crop_height = crop
    out = []
    for oy in range(out_height):
        y0 = top + oy * crop_height // out_height
        y1 = max(top + (oy + 1) * crop_height // out_height, y0 + 1)
        line = []
        for ox in range(out_width):
            x0 = left + ox * crop_width // out_width
            x1 = max(left + (ox + 1) * crop_width // out_width, x0 + 1)
            total, count = [0, 0, 0], (x1 - x0) * (y1 - y0)
            for y in range(y0, y1):
                for pixel in rows[y][x0:x1]:
                    total[0] += pixel[0]
                    total[1] += pixel[1]
                    total[2] += pixel[2]
            line.append(tuple((t + count // 2) // count for t in total))
        out.append(line)
    return out


def write_bmp(rows, width, height):
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b in row:
            pixels += bytes((b, g, r))
        pixels += bytes(stride - width * 3)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    return header + info + bytes(pixels)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("screenshot")
    parser.add_argument("output")
    parser.add_argument("--width", type=int, default=152)
    parser.add_argument("--height", type=int, default=112)
    parser.add_argument("--crop", help="LEFT,TOP,WIDTH,HEIGHT of the screenshot to use")
    args = parser.parse_args(argv)
    with open(args.screenshot, "rb") as source:
        data = source.read()
    try:
        width, height, rows = read_png(data) if data[:4] == b"\x89PNG" else read_bmp(data)
        if args.crop:
            crop = tuple(int(v) for v in args.crop.split(","))
            if (len(crop) != 4 or crop[0] < 0 or crop[1] < 0 or crop[2] <= 0 or crop[3] <= 0
                    or crop[0] + crop[2] > width or crop[1] + crop[3] > height):
                raise ValueError("crop must lie inside the %d x %d screenshot" % (width, height))
        else:
            crop = centred_crop(width, height, args.width, args.height)
        if args.width <= 0 or args.height <= 0:
            raise ValueError("the output size must be positive")
    except (ValueError, struct.error, zlib.error) as error:
        print("make_preview: %s: %s" % (args.screenshot, error), file=sys.stderr)
        return 1
    with open(args.output, "wb") as out:
        out.write(write_bmp(scale(rows, crop, args.width, args.height), args.width, args.height))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

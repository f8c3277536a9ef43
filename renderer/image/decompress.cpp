#include "image/image.h"

#include "util/scalar.h"

#include <cstdint>
#include <cstdlib>

namespace {
struct Colour {
    int r, g, b;
};

Colour expand565(unsigned c) {
    return {int((c >> 11) << 3), int(((c >> 5) & 63) << 2), int((c & 31) << 3)};
}

// Colour block: two 5-6-5 end points and 2-bit indices, one byte per row.
void decodeColourBlock(const unsigned char* block, unsigned char* dst, int pitch, int bw, int bh, int step,
                       bool fourColours, bool useRGBA) {
    unsigned c0 = block[0] | (block[1] << 8);
    unsigned c1 = block[2] | (block[3] << 8);
    Colour colours[4] = {expand565(c0), expand565(c1), {0, 0, 0}, {0, 0, 0}};
    const Colour& a = colours[0];
    const Colour& b = colours[1];
    if (fourColours || c1 < c0) {
        colours[2] = {(2 * a.r + b.r + 1) / 3, (2 * a.g + b.g + 1) / 3, (2 * a.b + b.b + 1) / 3};
        colours[3] = {(a.r + 2 * b.r + 1) / 3, (a.g + 2 * b.g + 1) / 3, (a.b + 2 * b.b + 1) / 3};
    } else {
        colours[2] = {(a.r + b.r + 1) >> 1, (a.g + b.g + 1) >> 1, (a.b + b.b + 1) >> 1};
    }
    int red = useRGBA ? 0 : 2;
    int blue = 2 - red;
    for (int y = 0; y < bh; y++) {
        unsigned bits = block[4 + y];
        unsigned char* p = dst + y * pitch;
        for (int x = 0; x < bw; x++, p += step) {
            const Colour& c = colours[(bits >> (2 * x)) & 3];
            p[red] = (unsigned char)c.r;
            p[1] = (unsigned char)c.g;
            p[blue] = (unsigned char)c.b;
        }
    }
}

void decodeExplicitAlpha(const unsigned char* block, unsigned char* dst, int pitch, int bw, int bh,
                         int step) {
    for (int y = 0; y < bh; y++) {
        unsigned word = block[2 * y] | (block[2 * y + 1] << 8);
        unsigned char* p = dst + y * pitch;
        for (int x = 0; x < bw; x++, p += step)
            *p = (unsigned char)(((word >> (4 * x)) & 15) * 17);
    }
}

// Interpolated alpha: two end points and 48 bits of 3-bit indices, lowest first, four per row always.
void decodeInterpolatedAlpha(const unsigned char* block, unsigned char* dst, int pitch, int bw, int bh,
                             int step) {
    int a0 = block[0], a1 = block[1];
    int values[8] = {a0, a1};
    if (a0 > a1) {
        for (int i = 2; i < 8; i++)
            values[i] = ((8 - i) * a0 + (i - 1) * a1) / 7;
    } else {
        for (int i = 2; i < 6; i++)
            values[i] = ((6 - i) * a0 + (i - 1) * a1) / 5;
        values[6] = 0;
        values[7] = 255;
    }
    uint64_t bits = 0;
    for (int i = 0; i < 6; i++)
        bits |= uint64_t(block[2 + i]) << (8 * i);
    for (int y = 0; y < bh; y++) {
        unsigned char* p = dst + y * pitch;
        for (int x = 0; x < bw; x++, p += step)
            *p = (unsigned char)values[(bits >> (3 * (4 * y + x))) & 7];
    }
}

void reconstructBlue(unsigned char* pixels, int count, bool useRGBA) {
    int red = useRGBA ? 0 : 2;
    int blue = 2 - red;
    for (int i = 0; i < count; i++, pixels += 3) {
        float x = pixels[red] - 127.5f;
        float y = pixels[1] - 127.5f;
        float z2 = 16256.25f - x * x - y * y;
        pixels[blue] = (unsigned char)int(sqrtScalar(z2 > 0 ? z2 : 0) + 127.5f);
    }
}
} // namespace

bool Image::decompress(bool useRGBA) {
    if (!isCompressedFormat(format))
        return true;
    PixelFormat target = (format == DXT1 || format == ATI2) ? RGB8 : RGBA8;
    size_t bytes = size_t(getMipMappedSize(0, nMipMaps, target));
    unsigned char* out = static_cast<unsigned char*>(std::malloc(bytes > 0 ? bytes : 1));
    if (out == nullptr)
        return false;
    int step = getBytesPerPixel(target);
    int blockBytes = getBytesPerBlock(format);
    int redChannel = useRGBA ? 0 : 2;
    for (int level = 0; const unsigned char* src = getPixels(level); level++) {
        int w = getWidth(level), h = getHeight(level);
        unsigned char* dstLevel = out + getMipMappedSize(0, level, target);
        int pitch = w * step;
        for (int by = 0; by < h; by += 4) {
            for (int bx = 0; bx < w; bx += 4, src += blockBytes) {
                int bw = w - bx < 4 ? w - bx : 4;
                int bh = h - by < 4 ? h - by : 4;
                unsigned char* dst = dstLevel + size_t(by) * pitch + size_t(bx) * step;
                switch (format) {
                case DXT1:
                    decodeColourBlock(src, dst, pitch, bw, bh, step, false, useRGBA);
                    break;
                case DXT3:
                    decodeExplicitAlpha(src, dst + 3, pitch, bw, bh, step);
                    decodeColourBlock(src + 8, dst, pitch, bw, bh, step, true, useRGBA);
                    break;
                case DXT5:
                    decodeInterpolatedAlpha(src, dst + 3, pitch, bw, bh, step);
                    decodeColourBlock(src + 8, dst, pitch, bw, bh, step, true, useRGBA);
                    break;
                default:
                    decodeInterpolatedAlpha(src, dst + 1, pitch, bw, bh, step);
                    decodeInterpolatedAlpha(src + 8, dst + redChannel, pitch, bw, bh, step);
                    break;
                }
            }
        }
        if (format == ATI2)
            reconstructBlue(dstLevel, w * h, useRGBA);
    }
    free();
    pixels = out;
    format = target;
    return true;
}

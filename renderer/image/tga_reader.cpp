#include "image/byte_reader.h"
#include "image/image.h"
#include "image/image_limits.h"

#include <cstring>
#include <vector>

namespace {
const size_t HEADER_BYTES = 18;

// Run-length packets: a count byte, then one pixel repeated or count pixels verbatim. A packet that runs
// past the end of the picture or of the file makes the file unusable.
bool decodeRunLength(ByteReader& reader, unsigned char* out, size_t pixelCount, size_t bpp) {
    size_t done = 0;
    while (done < pixelCount) {
        unsigned packet = reader.u8();
        size_t n = (packet & 0x7F) + 1;
        if (!reader.ok() || n > pixelCount - done)
            return false;
        if (packet >= 128) {
            const unsigned char* value = reader.bytes(bpp);
            if (value == nullptr)
                return false;
            for (size_t i = 0; i < n; i++)
                std::memcpy(out + (done + i) * bpp, value, bpp);
        } else {
            const unsigned char* values = reader.bytes(n * bpp);
            if (values == nullptr)
                return false;
            std::memcpy(out + done * bpp, values, n * bpp);
        }
        done += n;
    }
    return true;
}
} // namespace

bool Image::loadTGA(const char* fileName, bool useRGBA, bool allocateChain) {
    FileBytes file;
    if (!file.read(fileName, MAX_IMAGE_FILE_BYTES))
        return false;
    ByteReader reader = file.reader();
    const unsigned char* header = reader.bytes(HEADER_BYTES);
    if (header == nullptr)
        return false;
    size_t idLength = header[0];
    int imageType = header[2];
    size_t mapLength = header[5] | (header[6] << 8);
    size_t mapEntryBits = header[7];
    int w = header[12] | (header[13] << 8);
    int h = header[14] | (header[15] << 8);
    int depth = header[16];

    PixelFormat newFormat;
    bool paletted = false;
    switch (depth) {
    case 8:
        paletted = mapLength > 0;
        newFormat = paletted ? RGB8 : I8;
        break;
    case 16:
    case 32:
        newFormat = RGBA8;
        break;
    case 24:
        newFormat = RGB8;
        break;
    default:
        return false;
    }
    if (checkedImageBytes(w, h, newFormat, false) == 0)
        return false;

    // The colour map follows the image ID; only 24- and 32-bit entries, at most 256 of them, are read.
    const unsigned char* palette = nullptr;
    size_t paletteStep = mapEntryBits / 8;
    if (paletted) {
        if ((mapEntryBits != 24 && mapEntryBits != 32) || mapLength > 256 ||
            !reader.seek(HEADER_BYTES + idLength))
            return false;
        palette = reader.bytes(mapLength * paletteStep);
        if (palette == nullptr)
            return false;
    }
    if (!reader.seek(HEADER_BYTES + idLength + mapLength * mapEntryBits / 8))
        return false;

    size_t bpp = size_t(depth / 8);
    size_t pixelCount = size_t(w) * size_t(h);
    std::vector<unsigned char> stored;
    if (imageType & 8) {
        // Each packet of at least two bytes yields at most 128 pixels: reject what no file could hold.
        if (pixelCount > reader.remaining() * 64)
            return false;
        stored.resize(pixelCount * bpp);
        if (!decodeRunLength(reader, stored.data(), pixelCount, bpp))
            return false;
    } else {
        const unsigned char* raw = reader.bytes(pixelCount * bpp);
        if (raw == nullptr)
            return false;
        stored.assign(raw, raw + pixelCount * bpp);
    }

    if (!allocateLevels(w, h, newFormat, allocateChain))
        return false;
    int red = useRGBA ? 2 : 0;
    int blue = 2 - red;
    int outStep = getBytesPerPixel(newFormat);
    for (int y = 0; y < h; y++) {
        const unsigned char* src = stored.data() + size_t(y) * size_t(w) * bpp;
        unsigned char* dst = pixels + size_t(h - 1 - y) * size_t(w) * size_t(outStep);
        for (int x = 0; x < w; x++, src += bpp, dst += outStep) {
            if (depth == 8 && !paletted) {
                dst[0] = src[0];
            } else if (depth == 8) {
                if (src[0] >= mapLength)
                    return false;
                const unsigned char* entry = palette + src[0] * paletteStep;
                dst[0] = entry[red];
                dst[1] = entry[1];
                dst[2] = entry[blue];
            } else if (depth == 16) {
                unsigned v = src[0] | (src[1] << 8);
                dst[0] = (unsigned char)(((v >> 10) & 31) << 3);
                dst[1] = (unsigned char)(((v >> 5) & 31) << 3);
                dst[2] = (unsigned char)((v & 31) << 3);
                dst[3] = (v & 0x8000) ? 255 : 0;
                if (!useRGBA)
                    swapChannels(dst, 1, 4);
            } else {
                dst[0] = src[red];
                dst[1] = src[1];
                dst[2] = src[blue];
                if (depth == 32)
                    dst[3] = src[3];
            }
        }
    }
    return true;
}

#include "image/byte_reader.h"
#include "image/image.h"
#include "image/image_limits.h"

#include <cstring>
#include <vector>

namespace {
const size_t FILE_HEADER_BYTES = 14;
const size_t INFO_HEADER_BYTES = 40;
const size_t HEAD_BYTES = 64 * 1024;
const int BI_RGB = 0;
const int BI_BITFIELDS = 3;

// 32-bit files may name their channel masks; only the plain B, G, R, A byte layout is read.
bool plainMasks(ByteReader reader) {
    if (!reader.seek(FILE_HEADER_BYTES + INFO_HEADER_BYTES))
        return false;
    uint32_t red = reader.u32(), green = reader.u32(), blue = reader.u32();
    return reader.ok() && red == 0x00FF0000 && green == 0x0000FF00 && blue == 0x000000FF;
}
} // namespace

bool Image::loadBMP(const char* fileName, bool useRGBA, bool allocateChain) {
    // Headers and palette come into memory; the rows go from the file straight into the picture.
    FileBytes file;
    if (!file.readHead(fileName, MAX_IMAGE_FILE_BYTES, HEAD_BYTES))
        return false;
    ByteReader reader = file.reader();
    if (reader.u16() != 0x4D42)
        return false;
    reader.skip(8);
    uint32_t pixelOffset = reader.u32();
    uint32_t infoSize = reader.u32();
    int32_t fileWidth = reader.i32();
    int32_t fileHeight = reader.i32();
    reader.u16();
    int bitCount = reader.u16();
    uint32_t compression = reader.u32();
    reader.skip(12);
    uint32_t coloursUsed = reader.u32();
    // Smaller (older) information headers lack these fields altogether.
    if (!reader.ok() || infoSize < INFO_HEADER_BYTES || infoSize > file.size())
        return false;

    // A negative height is a top-down bitmap.
    bool topDown = fileHeight < 0;
    if (fileWidth <= 0 || fileHeight == 0 || fileHeight < -MAX_IMAGE_DIMENSION)
        return false;
    int w = fileWidth;
    int h = topDown ? -fileHeight : fileHeight;

    PixelFormat newFormat;
    if (bitCount == 8 && compression == BI_RGB)
        newFormat = RGB8;
    else if (bitCount == 24 && compression == BI_RGB)
        newFormat = RGB8;
    else if (bitCount == 32 && (compression == BI_RGB || (compression == BI_BITFIELDS && plainMasks(reader))))
        newFormat = RGBA8;
    else
        return false;
    if (checkedImageBytes(w, h, newFormat, false) == 0)
        return false;

    unsigned char palette[256][4];
    uint32_t paletteSize = 0;
    if (bitCount == 8) {
        paletteSize = coloursUsed == 0 ? 256 : coloursUsed;
        if (paletteSize > 256 || !reader.seek(FILE_HEADER_BYTES + infoSize))
            return false;
        const unsigned char* entries = reader.bytes(paletteSize * 4);
        if (entries == nullptr)
            return false;
        std::memcpy(palette, entries, paletteSize * 4);
        if (useRGBA)
            swapChannels(&palette[0][0], int(paletteSize), 4);
    }

    // Pixel data starts where the file header says: larger information headers and gaps move it.
    size_t rowBytes = size_t(w) * size_t(bitCount / 8);
    size_t stride = (rowBytes + 3) & ~size_t(3);
    if (pixelOffset < FILE_HEADER_BYTES + INFO_HEADER_BYTES || pixelOffset > file.fileSize() ||
        (file.fileSize() - pixelOffset) < stride * size_t(h - 1) + rowBytes)
        return false;

    if (!allocateLevels(w, h, newFormat, allocateChain))
        return false;
    int outStep = getBytesPerPixel(newFormat);
    size_t outRow = size_t(w) * size_t(outStep);
    std::vector<unsigned char> indices(bitCount == 8 ? rowBytes : 0);
    for (int y = 0; y < h; y++) {
        size_t offset = pixelOffset + stride * size_t(y);
        unsigned char* dst = pixels + outRow * size_t(topDown ? y : h - 1 - y);
        if (bitCount == 8) {
            if (!file.readAt(offset, indices.data(), rowBytes))
                return false;
            for (int x = 0; x < w; x++, dst += 3) {
                if (indices[x] >= paletteSize)
                    return false;
                std::memcpy(dst, palette[indices[x]], 3);
            }
        } else {
            if (!file.readAt(offset, dst, rowBytes))
                return false;
            if (useRGBA)
                swapChannels(dst, w, outStep);
        }
    }
    return true;
}

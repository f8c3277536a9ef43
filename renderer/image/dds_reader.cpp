#include "image/byte_reader.h"
#include "image/image.h"
#include "image/image_limits.h"

#include <cstring>

namespace {
const size_t HEADER_BYTES = 128;

uint32_t fourCC(const char* code) {
    return uint32_t(code[0]) | (uint32_t(code[1]) << 8) | (uint32_t(code[2]) << 16) |
           (uint32_t(code[3]) << 24);
}

PixelFormat formatOf(uint32_t code, uint32_t bitCount, uint32_t alphaMask) {
    if (code == fourCC("DXT1"))
        return DXT1;
    if (code == fourCC("DXT3"))
        return DXT3;
    if (code == fourCC("DXT5"))
        return DXT5;
    if (code == fourCC("ATI2"))
        return ATI2;
    switch (bitCount) {
    case 8:
        return I8;
    case 16:
        return alphaMask != 0 ? IA8 : I16;
    case 24:
        return RGB8;
    case 32:
        return RGBA8;
    default:
        return None;
    }
}

uint32_t fieldAt(const unsigned char* header, size_t offset) {
    ByteReader field(header + offset, 4);
    return field.u32();
}
} // namespace

bool Image::loadDDS(const char* fileName, bool useRGBA, bool allocateChain) {
    FileBytes file;
    if (!file.read(fileName, MAX_IMAGE_FILE_BYTES))
        return false;
    ByteReader reader = file.reader();
    const unsigned char* header = reader.bytes(HEADER_BYTES);
    if (header == nullptr || fieldAt(header, 0) != fourCC("DDS "))
        return false;
    int32_t h = int32_t(fieldAt(header, 12));
    int32_t w = int32_t(fieldAt(header, 16));
    int32_t fileMipMaps = int32_t(fieldAt(header, 28));
    PixelFormat newFormat = formatOf(fieldAt(header, 84), fieldAt(header, 88), fieldAt(header, 104));
    if (newFormat == None)
        return false;

    // A count of 1 names a single level: only a file with more levels is read as a whole chain.
    bool wholeChain = fileMipMaps > 1 && allocateChain;
    // The file must hold every level it is read for; the size check comes before any allocation.
    size_t stored = checkedImageBytes(w, h, newFormat, wholeChain);
    if (stored == 0 || stored > reader.remaining())
        return false;
    if (!allocateLevels(w, h, newFormat, wholeChain || (isPlainFormat(newFormat) && allocateChain)))
        return false;
    nMipMaps = wholeChain ? getMipMapCountFromDimensions(w, h) : 1;
    std::memcpy(pixels, reader.bytes(stored), stored);
    if (useRGBA && (newFormat == RGB8 || newFormat == RGBA8))
        swapChannels(pixels, getPixelCount(0, nMipMaps), getBytesPerPixel(newFormat));
    return true;
}

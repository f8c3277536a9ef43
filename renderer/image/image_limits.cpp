#include "image/image_limits.h"

#include <cstdint>

size_t checkedImageBytes(int width, int height, PixelFormat format, bool wholeChain) {
    if (width <= 0 || height <= 0 || width > MAX_IMAGE_DIMENSION || height > MAX_IMAGE_DIMENSION)
        return 0;
    uint64_t total = 0;
    int w = width, h = height;
    while (true) {
        if (isCompressedFormat(format))
            total += uint64_t((w + 3) / 4) * uint64_t((h + 3) / 4) * uint64_t(getBytesPerBlock(format));
        else
            total += uint64_t(w) * uint64_t(h) * uint64_t(getBytesPerPixel(format));
        if (!wholeChain || (w == 1 && h == 1))
            break;
        w = w > 1 ? w / 2 : 1;
        h = h > 1 ? h / 2 : 1;
    }
    if (total == 0 || total > MAX_IMAGE_BYTES)
        return 0;
    return size_t(total);
}

bool codedSizeAdmits(uint64_t fileBytes, uint64_t decoded, uint64_t bestRatio) {
    return decoded / bestRatio <= fileBytes;
}

long openFileSize(std::FILE* file) {
    long position = std::ftell(file);
    if (position < 0 || std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    long size = std::ftell(file);
    if (std::fseek(file, position, SEEK_SET) != 0)
        return -1;
    return size;
}

#include "image/pixel_format.h"

namespace {
struct FormatInfo {
    int channels;
    int bytesPerPixel;
};

// Indexed by PixelFormat; compressed formats have no bytes per pixel.
const FormatInfo formatTable[] = {
    {0, 0}, {1, 1}, {2, 2}, {3, 3},  {4, 4},  {1, 2}, {2, 4}, {3, 6}, {4, 8}, {1, 2}, {2, 4}, {3, 6},
    {4, 8}, {1, 4}, {2, 8}, {3, 12}, {4, 16}, {3, 2}, {3, 0}, {4, 0}, {4, 0}, {2, 0}, {1, 2}, {1, 3},
};

bool known(PixelFormat format) {
    return format >= I8 && format <= X24;
}
} // namespace

bool isPlainFormat(PixelFormat format) {
    return format <= RGBA32F;
}

bool isFloatFormat(PixelFormat format) {
    return format >= I16F && format <= RGBA32F;
}

bool isCompressedFormat(PixelFormat format) {
    return format >= DXT1 && format <= ATI2;
}

int getChannelCount(PixelFormat format) {
    return known(format) ? formatTable[format].channels : 0;
}

int getBytesPerPixel(PixelFormat format) {
    return known(format) ? formatTable[format].bytesPerPixel : 0;
}

int getBytesPerBlock(PixelFormat format) {
    return format == DXT1 ? 8 : 16;
}

int getBytesPerChannel(PixelFormat format) {
    if (format <= RGBA8)
        return 1;
    return format > RGBA16F ? 4 : 2;
}

PixelFormat get8BitFormat(int channels) {
    switch (channels) {
    case 1:
        return I8;
    case 3:
        return RGB8;
    case 4:
        return RGBA8;
    default:
        return None;
    }
}

#include "image/image.h"
#include "image/image_limits.h"
#include "image/image_storage.h"

#include <cstdint>

namespace {
template <typename T> T average(T a, T b, T c, T d) {
    return T((unsigned(a) + b + c + d + 2) >> 2);
}
template <> float average(float a, float b, float c, float d) {
    return (a + b + c + d) * 0.25f;
}

// One output value per 2 by 2 source pixels and channel; a 1-pixel-wide or -high level pairs a pixel
// with itself.
template <typename T, int channels> void halveLevel(const T* src, T* dst, int w, int h) {
    int dx = w > 1 ? channels : 0;
    int dy = h > 1 ? w * channels : 0;
    int nw = w > 1 ? w / 2 : 1;
    int nh = h > 1 ? h / 2 : 1;
    for (int y = 0; y < nh; y++) {
        const T* row = src + (h > 1 ? 2 * y : y) * w * channels;
        for (int x = 0; x < nw; x++) {
            const T* p = row + (w > 1 ? 2 * x : x) * channels;
            for (int c = 0; c < channels; c++)
                *dst++ = average(p[c], p[c + dx], p[c + dy], p[c + dx + dy]);
        }
    }
}

template <typename T> void halveLevelChannels(const T* src, T* dst, int w, int h, int channels) {
    switch (channels) {
    case 1:
        halveLevel<T, 1>(src, dst, w, h);
        break;
    case 2:
        halveLevel<T, 2>(src, dst, w, h);
        break;
    case 3:
        halveLevel<T, 3>(src, dst, w, h);
        break;
    default:
        halveLevel<T, 4>(src, dst, w, h);
        break;
    }
}

uint16_t average565(uint16_t a, uint16_t b, uint16_t c, uint16_t d) {
    unsigned r = ((a >> 11) + (b >> 11) + (c >> 11) + (d >> 11)) >> 2;
    unsigned g = (((a >> 5) & 63) + ((b >> 5) & 63) + ((c >> 5) & 63) + ((d >> 5) & 63)) >> 2;
    unsigned bl = ((a & 31) + (b & 31) + (c & 31) + (d & 31)) >> 2;
    return uint16_t((r << 11) | (g << 5) | bl);
}

void halveLevel565(const uint16_t* src, uint16_t* dst, int w, int h) {
    int dx = w > 1 ? 1 : 0;
    int dy = h > 1 ? w : 0;
    int nw = w > 1 ? w / 2 : 1;
    int nh = h > 1 ? h / 2 : 1;
    for (int y = 0; y < nh; y++) {
        const uint16_t* row = src + (h > 1 ? 2 * y : y) * w;
        for (int x = 0; x < nw; x++) {
            const uint16_t* p = row + (w > 1 ? 2 * x : x);
            *dst++ = average565(p[0], p[dx], p[dy], p[dx + dy]);
        }
    }
}

bool canMipMap(PixelFormat format) {
    return (format >= I8 && format <= RGBA16) || (format >= I32F && format <= RGBA32F) || format == RGB565;
}
} // namespace

bool Image::createMipMaps() {
    if (isCompressedFormat(format) || !canMipMap(format) || pixels == nullptr)
        return false;
    if (nMipMaps <= 1) {
        size_t bytes = checkedImageBytes(width, height, format, true);
        if (bytes == 0)
            return false;
        unsigned char* grown = regrowPixels(pixels, ownsPixels, size_t(getMipMappedSize(0, 1)), bytes);
        if (grown == nullptr)
            return false;
        pixels = grown;
        ownsPixels = true;
        nMipMaps = getMipMapCountFromDimensions(width, height);
    }

    int channels = getChannelCount(format);
    unsigned char* level = pixels;
    int w = width, h = height;
    while (w > 1 || h > 1) {
        unsigned char* next = level + size_t(w) * size_t(h) * size_t(getBytesPerPixel(format));
        if (format <= RGBA8)
            halveLevelChannels(level, next, w, h, channels);
        else if (format <= RGBA16)
            halveLevelChannels(reinterpret_cast<uint16_t*>(level), reinterpret_cast<uint16_t*>(next), w, h,
                               channels);
        else if (format == RGB565)
            halveLevel565(reinterpret_cast<uint16_t*>(level), reinterpret_cast<uint16_t*>(next), w, h);
        else
            halveLevelChannels(reinterpret_cast<float*>(level), reinterpret_cast<float*>(next), w, h,
                               channels);
        level = next;
        if (w > 1)
            w /= 2;
        if (h > 1)
            h /= 2;
    }
    return true;
}

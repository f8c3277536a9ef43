#include "image/image.h"

#include "image/image_limits.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>

Image::~Image() {
    free();
}

void Image::free() {
    if (ownsPixels && pixels != nullptr)
        std::free(pixels);
    pixels = nullptr;
    ownsPixels = true;
}

void Image::clear() {
    free();
    width = 0;
    height = 0;
    nMipMaps = 0;
    format = None;
}

void Image::loadFromMemory(unsigned char* newPixels, int newWidth, int newHeight, PixelFormat newFormat,
                           bool ownsNewPixels, bool withMipMaps) {
    free();
    pixels = newPixels;
    width = newWidth;
    height = newHeight;
    format = newFormat;
    ownsPixels = ownsNewPixels;
    nMipMaps = withMipMaps ? getMipMapCountFromDimensions(newWidth, newHeight) : 1;
}

unsigned char* Image::getPixels(int level) const {
    if (pixels == nullptr || level < 0 || level >= nMipMaps)
        return nullptr;
    return pixels + getMipMappedSize(0, level);
}

namespace {
int levelSize(int size, int level) {
    if (level < 0)
        level = 0;
    if (level > 30)
        return 1;
    int s = size >> level;
    return s > 1 ? s : 1;
}

int64_t levelBytes(int64_t w, int64_t h, PixelFormat format) {
    if (isCompressedFormat(format))
        return ((w + 3) / 4) * ((h + 3) / 4) * getBytesPerBlock(format);
    return w * h * getBytesPerPixel(format);
}
// Walks the chain from the given level's size down to 1 x 1 (at most nLevels levels), summing perLevel.
template <typename PerLevel> int sumOverLevels(int width0, int height0, int nLevels, PerLevel perLevel) {
    int64_t w = 2 * int64_t(width0);
    int64_t h = 2 * int64_t(height0);
    int64_t sum = 0;
    for (int i = 0; i < nLevels; i++) {
        if (w == 1 && h == 1)
            break;
        if (w > 1)
            w /= 2;
        if (h > 1)
            h /= 2;
        sum += perLevel(w, h);
    }
    return int(sum);
}
} // namespace

int Image::getWidth(int level) const {
    return levelSize(width, level);
}

int Image::getHeight(int level) const {
    return levelSize(height, level);
}

int Image::getMipMappedSize(int firstLevel, int nLevels, PixelFormat sizeFormat) const {
    if (sizeFormat == None)
        sizeFormat = format;
    return sumOverLevels(getWidth(firstLevel), getHeight(firstLevel), nLevels,
                         [sizeFormat](int64_t w, int64_t h) { return levelBytes(w, h, sizeFormat); });
}

int Image::getPixelCount(int firstLevel, int nLevels) const {
    return sumOverLevels(getWidth(firstLevel), getHeight(firstLevel), nLevels,
                         [](int64_t w, int64_t h) { return w * h; });
}

bool Image::allocateLevels(int newWidth, int newHeight, PixelFormat newFormat, bool allocateChain) {
    size_t bytes = checkedImageBytes(newWidth, newHeight, newFormat, allocateChain);
    if (bytes == 0)
        return false;
    free();
    pixels = static_cast<unsigned char*>(std::malloc(bytes));
    if (pixels == nullptr)
        return false;
    width = newWidth;
    height = newHeight;
    format = newFormat;
    return true;
}

int getMipMapCountFromDimensions(int width, int height) {
    int larger = width > height ? width : height;
    if (larger <= 0)
        return 0;
    unsigned int largest = unsigned(larger);
    int count = 0;
    while (largest != 0) {
        count++;
        largest >>= 1;
    }
    return count;
}

void swapChannels(unsigned char* pixels, int count, int step) {
    for (int i = 0; i < count; i++) {
        unsigned char t = pixels[0];
        pixels[0] = pixels[2];
        pixels[2] = t;
        pixels += step;
    }
}

int roundToPowerOfTwo(int x) {
    if (x <= 1)
        return 1;
    int64_t p = 1;
    while (p < x)
        p *= 2;
    if (4 * int64_t(x) < 3 * p)
        p /= 2;
    return int(p);
}

namespace {
bool sameTextIgnoringCase(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; a++, b++) {
        if (std::tolower((unsigned char)*a) != std::tolower((unsigned char)*b))
            return false;
    }
    return *a == *b;
}
} // namespace

bool Image::loadImage(const char* fileName, bool useRGBA, int mipMapMode) {
    clear();
    const char* extension = std::strrchr(fileName, '.');
    if (extension == nullptr)
        return false;
    bool allocateChain = mipMapMode > 0;
    bool loaded;
    if (sameTextIgnoringCase(extension, ".dds"))
        loaded = loadDDS(fileName, useRGBA, allocateChain);
    else if (sameTextIgnoringCase(extension, ".jpg") || sameTextIgnoringCase(extension, ".jpeg"))
        loaded = loadJPEG(fileName, useRGBA, allocateChain);
    else if (sameTextIgnoringCase(extension, ".png"))
        loaded = loadPNG(fileName, useRGBA, allocateChain);
    else if (sameTextIgnoringCase(extension, ".tga"))
        loaded = loadTGA(fileName, useRGBA, allocateChain);
    else if (sameTextIgnoringCase(extension, ".bmp"))
        loaded = loadBMP(fileName, useRGBA, allocateChain);
    else if (sameTextIgnoringCase(extension, ".pcx"))
        loaded = loadPCX(fileName, useRGBA, allocateChain);
    else
        return false;
    if (!loaded) {
        // A half-read picture is of no use to anyone; do not keep its block.
        clear();
        return false;
    }

    if (mipMapMode == 0) {
        nMipMaps = 1;
        return true;
    }
    int w = roundToPowerOfTwo(width);
    int h = roundToPowerOfTwo(height);
    if (w != width || h != height)
        resize(w, h);
    if (nMipMaps == 0)
        nMipMaps = getMipMapCountFromDimensions(width, height);
    if (mipMapMode == 2)
        createMipMaps();
    return true;
}

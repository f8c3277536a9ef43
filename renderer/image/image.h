#pragma once

#include "image/pixel_format.h"

// Every mipmap level at once: getMipMappedSize and getPixelCount stop after the 1 by 1 level.
const int ALL_MIPMAPS = 0x7FFFFFFF;

// One picture with its whole mipmap chain in one block, level 0 first, levels back to back.
// The block comes from std::malloc; blocks handed to loadFromMemory with ownsPixels must, too.
class Image {
public:
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    int nMipMaps = 0;
    PixelFormat format = None;
    bool ownsPixels = true;

    Image() = default;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    ~Image();

    void free();
    void clear();
    void loadFromMemory(unsigned char* newPixels, int newWidth, int newHeight, PixelFormat newFormat,
                        bool ownsNewPixels, bool withMipMaps);

    unsigned char* getPixels(int level) const;
    int getWidth(int level) const;
    int getHeight(int level) const;
    int getMipMapCount() const { return nMipMaps; }
    int getMipMappedSize(int firstLevel = 0, int nLevels = ALL_MIPMAPS, PixelFormat sizeFormat = None) const;
    int getPixelCount(int firstLevel = 0, int nLevels = ALL_MIPMAPS) const;

    bool loadImage(const char* fileName, bool useRGBA = true, int mipMapMode = 0);
    bool loadDDS(const char* fileName, bool useRGBA, bool allocateChain);
    bool loadJPEG(const char* fileName, bool useRGBA, bool allocateChain);
    bool loadPNG(const char* fileName, bool useRGBA, bool allocateChain);
    bool loadTGA(const char* fileName, bool useRGBA, bool allocateChain);
    bool loadBMP(const char* fileName, bool useRGBA, bool allocateChain);
    bool loadPCX(const char* fileName, bool useRGBA, bool allocateChain);

    bool createMipMaps();
    bool resize(int newWidth, int newHeight);
    bool toGrayScale(bool useRGBA, bool shrink);
    bool toNormalMap(bool useRGBA, bool heightInAlpha);
    bool decompress(bool useRGBA);

private:
    // For the readers: checks the size against the image limits, sets width, height and format, and
    // allocates level 0 or, with allocateChain, the whole chain. False (nothing allocated) when too big.
    bool allocateLevels(int newWidth, int newHeight, PixelFormat newFormat, bool allocateChain);
};

int getMipMapCountFromDimensions(int width, int height);

// Exchanges bytes 0 and 2 of count pixels lying step bytes apart.
void swapChannels(unsigned char* pixels, int count, int step);

int roundToPowerOfTwo(int x);

#pragma once

// Pixel formats of an Image. The values are fixed: readers and the renderer's tables index by them.
enum PixelFormat {
    None = 0,
    I8 = 1,
    IA8 = 2,
    RGB8 = 3,
    RGBA8 = 4,
    I16 = 5,
    IA16 = 6,
    RGB16 = 7,
    RGBA16 = 8,
    I16F = 9,
    IA16F = 10,
    RGB16F = 11,
    RGBA16F = 12,
    I32F = 13,
    IA32F = 14,
    RGB32F = 15,
    RGBA32F = 16,
    RGB565 = 17,
    DXT1 = 18,
    DXT3 = 19,
    DXT5 = 20,
    ATI2 = 21,
    X16 = 22,
    X24 = 23,
};

bool isPlainFormat(PixelFormat format);
bool isFloatFormat(PixelFormat format);
bool isCompressedFormat(PixelFormat format);
int getChannelCount(PixelFormat format);
// The 8-bit format with that many channels (1, 3 or 4); None otherwise.
PixelFormat get8BitFormat(int channels);
int getBytesPerPixel(PixelFormat format);
int getBytesPerBlock(PixelFormat format);
int getBytesPerChannel(PixelFormat format);

#include "image/image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
unsigned char* block(const std::vector<unsigned char>& bytes, size_t size) {
    unsigned char* p = static_cast<unsigned char*>(std::malloc(size));
    std::memset(p, 0, size);
    if (!bytes.empty())
        std::memcpy(p, bytes.data(), bytes.size() < size ? bytes.size() : size);
    return p;
}
} // namespace

TEST(PixelFormat, TableAndClasses) {
    EXPECT_EQ(getBytesPerPixel(RGB8), 3);
    EXPECT_EQ(getBytesPerPixel(RGBA32F), 16);
    EXPECT_EQ(getBytesPerPixel(RGB565), 2);
    EXPECT_EQ(getBytesPerPixel(DXT1), 0);
    EXPECT_EQ(getBytesPerPixel(X24), 3);
    EXPECT_EQ(getBytesPerPixel(PixelFormat(24)), 0);
    EXPECT_EQ(getChannelCount(ATI2), 2);
    EXPECT_EQ(getChannelCount(PixelFormat(-1)), 0);
    EXPECT_EQ(getBytesPerBlock(DXT1), 8);
    EXPECT_EQ(getBytesPerBlock(DXT5), 16);
    EXPECT_EQ(getBytesPerChannel(RGBA8), 1);
    EXPECT_EQ(getBytesPerChannel(RGBA16F), 2);
    EXPECT_EQ(getBytesPerChannel(I32F), 4);
    EXPECT_TRUE(isPlainFormat(None));
    EXPECT_FALSE(isPlainFormat(RGB565));
    EXPECT_TRUE(isFloatFormat(I16F));
    EXPECT_FALSE(isFloatFormat(RGBA16));
    EXPECT_TRUE(isCompressedFormat(ATI2));
    EXPECT_FALSE(isCompressedFormat(X16));
}

TEST(Image, MipMapChainLayout) {
    EXPECT_EQ(getMipMapCountFromDimensions(256, 100), 9);
    EXPECT_EQ(getMipMapCountFromDimensions(1, 1), 1);
    EXPECT_EQ(getMipMapCountFromDimensions(0, 0), 0);

    Image image;
    image.loadFromMemory(block({}, 256 * 100 * 3 * 2), 256, 100, RGB8, true, true);
    EXPECT_EQ(image.getMipMapCount(), 9);
    const int widths[] = {256, 128, 64, 32, 16, 8, 4, 2, 1};
    const int heights[] = {100, 50, 25, 12, 6, 3, 1, 1, 1};
    for (int i = 0; i < 9; i++) {
        EXPECT_EQ(image.getWidth(i), widths[i]);
        EXPECT_EQ(image.getHeight(i), heights[i]);
    }
    EXPECT_EQ(image.getPixels(0), image.pixels);
    EXPECT_EQ(image.getPixels(1), image.pixels + 256 * 100 * 3);
    EXPECT_EQ(image.getPixels(9), nullptr);

    Image small;
    small.loadFromMemory(block({}, 129), 8, 4, RGB8, true, true);
    EXPECT_EQ(small.getMipMapCount(), 4);
    EXPECT_EQ(small.getMipMappedSize(0, ALL_MIPMAPS), 3 * 43);
    EXPECT_EQ(small.getMipMappedSize(1, 2), 3 * (8 + 2));
    EXPECT_EQ(small.getPixelCount(0, ALL_MIPMAPS), 43);
    EXPECT_EQ(small.getMipMappedSize(0, 1, RGBA8), 128);
    EXPECT_EQ(small.getMipMappedSize(0, ALL_MIPMAPS, DXT1), 8 * 2 + 8 + 8 + 8);

    Image dxt;
    dxt.loadFromMemory(block({}, 8), 2, 2, DXT1, true, false);
    EXPECT_EQ(dxt.getMipMappedSize(0, 1), 8);
}

TEST(Image, LifetimeAndForeignBlocks) {
    Image image;
    EXPECT_EQ(image.pixels, nullptr);
    EXPECT_EQ(image.format, None);
    EXPECT_TRUE(image.ownsPixels);
    unsigned char foreign[4 * 4 * 4] = {};
    image.loadFromMemory(foreign, 4, 4, RGBA8, false, false);
    EXPECT_EQ(image.getMipMapCount(), 1);
    // A borrowed block is copied, never reallocated or freed.
    foreign[0] = 200;
    EXPECT_TRUE(image.createMipMaps());
    EXPECT_NE(image.pixels, foreign);
    EXPECT_TRUE(image.ownsPixels);
    EXPECT_EQ(image.getMipMapCount(), 3);
    EXPECT_EQ(image.pixels[0], 200);
    image.clear();
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.nMipMaps, 0);
    EXPECT_EQ(image.format, None);
}

TEST(Image, RoundToPowerOfTwo) {
    const int cases[][2] = {{1, 1},       {3, 4},       {5, 4},       {47, 32},     {48, 64},    {768, 1024},
                            {1280, 1024}, {1024, 1024}, {1920, 2048}, {1080, 1024}, {1366, 1024}};
    for (const auto& c : cases)
        EXPECT_EQ(roundToPowerOfTwo(c[0]), c[1]) << c[0];
}

TEST(Image, CreateMipMapsAveragesWithRounding) {
    Image image;
    // 2 by 2 grey: (10 + 20 + 30 + 41 + 2) >> 2 = 25.
    image.loadFromMemory(block({10, 20, 30, 41}, 5), 2, 2, I8, true, false);
    ASSERT_TRUE(image.createMipMaps());
    EXPECT_EQ(image.getMipMapCount(), 2);
    EXPECT_EQ(image.getPixels(1)[0], 25);

    // A one-pixel-wide column pairs each pixel with itself horizontally.
    Image column;
    column.loadFromMemory(block({1, 2, 100, 201}, 7), 1, 4, I8, true, false);
    ASSERT_TRUE(column.createMipMaps());
    ASSERT_EQ(column.getMipMapCount(), 3);
    EXPECT_EQ(column.getPixels(1)[0], (2 * 1 + 2 * 2 + 2) >> 2);
    EXPECT_EQ(column.getPixels(1)[1], (2 * 100 + 2 * 201 + 2) >> 2);
    EXPECT_EQ(column.getPixels(2)[0], (2 * 2 + 2 * 151 + 2) >> 2);

    // 5-6-5 fields average separately with truncation.
    uint16_t words[4] = {uint16_t((31 << 11) | (63 << 5) | 31), 0, uint16_t(1 << 11), uint16_t(2 << 5)};
    std::vector<unsigned char> bytes(8);
    std::memcpy(bytes.data(), words, 8);
    Image packed;
    packed.loadFromMemory(block(bytes, 10), 2, 2, RGB565, true, false);
    ASSERT_TRUE(packed.createMipMaps());
    uint16_t next;
    std::memcpy(&next, packed.getPixels(1), 2);
    EXPECT_EQ(next, uint16_t((8 << 11) | (16 << 5) | 7));

    float floats[4] = {1.0f, 2.0f, 3.0f, 6.0f};
    std::vector<unsigned char> fbytes(16);
    std::memcpy(fbytes.data(), floats, 16);
    Image real;
    real.loadFromMemory(block(fbytes, 20), 2, 2, I32F, true, false);
    ASSERT_TRUE(real.createMipMaps());
    float average;
    std::memcpy(&average, real.getPixels(1), 4);
    EXPECT_FLOAT_EQ(average, 3.0f);
}

TEST(Image, CreateMipMapsRefusesCompressedFormats) {
    Image image;
    image.loadFromMemory(block({}, 16), 4, 4, DXT5, true, false);
    unsigned char* before = image.pixels;
    EXPECT_FALSE(image.createMipMaps());
    EXPECT_EQ(image.pixels, before);
    EXPECT_EQ(image.getMipMapCount(), 1);
}

TEST(Image, ResizeIsBilinearInIntegers) {
    Image image;
    // 2 by 1 grey 0 and 255 to 3 by 1: the middle column is at 128/256 of the way.
    image.loadFromMemory(block({0, 255}, 2), 2, 1, I8, true, false);
    ASSERT_TRUE(image.resize(3, 1));
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.nMipMaps, 1);
    EXPECT_EQ(image.pixels[0], 0);
    EXPECT_EQ(image.pixels[1], (128 * 256 * 255) >> 16);
    EXPECT_EQ(image.pixels[2], 255);

    // The last output row steps back to a = 255 below the last source row: (1 * 0 + 255 * 200) >> 8.
    Image tall;
    tall.loadFromMemory(block({0, 200}, 2), 1, 2, I8, true, false);
    ASSERT_TRUE(tall.resize(1, 2));
    EXPECT_EQ(tall.pixels[0], 0);
    EXPECT_EQ(tall.pixels[1], (255 * 256 * 200) >> 16);

    // A single source row has no row to step back to; every output row is that row.
    Image flat;
    flat.loadFromMemory(block({7, 9, 11}, 3), 1, 1, RGB8, true, false);
    ASSERT_TRUE(flat.resize(2, 4));
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(flat.pixels[3 * i + 1], 9) << i;

    Image compressed;
    compressed.loadFromMemory(block({}, 8), 4, 4, DXT1, true, false);
    EXPECT_FALSE(compressed.resize(2, 2));
    Image real;
    real.loadFromMemory(block({}, 16), 2, 2, I32F, true, false);
    EXPECT_FALSE(real.resize(1, 1));
    EXPECT_FALSE(image.resize(0, 4));
    EXPECT_FALSE(image.resize(1 << 20, 1 << 20));
}

TEST(Image, ToGrayScaleWeightsChannels) {
    Image image;
    image.loadFromMemory(block({255, 0, 0, 0, 0, 255, 0, 255, 0}, 9), 3, 1, RGB8, true, false);
    ASSERT_TRUE(image.toGrayScale(true, true));
    EXPECT_EQ(image.format, I8);
    EXPECT_EQ(image.pixels[0], 77);
    EXPECT_EQ(image.pixels[1], 28);
    EXPECT_EQ(image.pixels[2], 150);

    Image swapped;
    swapped.loadFromMemory(block({255, 0, 0, 9}, 4), 1, 1, RGBA8, true, false);
    ASSERT_TRUE(swapped.toGrayScale(false, false));
    EXPECT_EQ(swapped.pixels[0], 28);

    Image grey;
    grey.loadFromMemory(block({1}, 1), 1, 1, I8, true, false);
    EXPECT_FALSE(grey.toGrayScale(true, false));
}

TEST(Image, ToNormalMapOfFlatAndSlopedHeights) {
    Image flat;
    flat.loadFromMemory(block(std::vector<unsigned char>(16, 90), 16), 4, 4, I8, true, false);
    ASSERT_TRUE(flat.toNormalMap(true, true));
    EXPECT_EQ(flat.format, RGBA8);
    for (int i = 0; i < 16; i++) {
        EXPECT_EQ(flat.pixels[4 * i], 127);
        EXPECT_EQ(flat.pixels[4 * i + 1], 127);
        EXPECT_EQ(flat.pixels[4 * i + 2], 254);
        EXPECT_EQ(flat.pixels[4 * i + 3], 90);
    }

    // Heights rising to the right tilt the normal to the left (red below the middle); neighbours wrap.
    Image ramp;
    ramp.loadFromMemory(block({0, 50, 100, 0, 50, 100, 0, 50, 100}, 9), 3, 3, I8, true, false);
    ASSERT_TRUE(ramp.toNormalMap(false, false));
    EXPECT_EQ(ramp.format, RGB8);
    EXPECT_LT(ramp.pixels[4 * 3 + 2], 127); // red is byte 2 in B, G, R order
    EXPECT_EQ(ramp.pixels[4 * 3 + 1], 127);

    Image colour;
    colour.loadFromMemory(block({}, 3), 1, 1, RGB8, true, false);
    EXPECT_FALSE(colour.toNormalMap(true, false));
}

TEST(Image, DecompressBlocks) {
    // DXT1, c0 = pure red > c1 = pure blue: four colours, indices 0,1,2,3 in the first row.
    std::vector<unsigned char> dxt1 = {0x00, 0xF8, 0x1F, 0x00, 0xE4, 0x00, 0x00, 0x00};
    Image image;
    image.loadFromMemory(block(dxt1, 8), 4, 4, DXT1, true, false);
    ASSERT_TRUE(image.decompress(true));
    EXPECT_EQ(image.format, RGB8);
    const unsigned char row0[] = {248, 0, 0, 0, 0, 248, 165, 0, 83, 83, 0, 165};
    EXPECT_EQ(0, std::memcmp(image.pixels, row0, 12));
    EXPECT_EQ(image.pixels[12], 248); // second row is all index 0

    // c0 <= c1: three colours and black.
    std::vector<unsigned char> dxt1b = {0x1F, 0x00, 0x00, 0xF8, 0xE4, 0x0E, 0, 0};
    Image three;
    three.loadFromMemory(block(dxt1b, 8), 2, 2, DXT1, true, false);
    ASSERT_TRUE(three.decompress(false));
    const unsigned char bgr[] = {248, 0, 0, 0, 0, 248}; // B, G, R: blue then red
    EXPECT_EQ(0, std::memcmp(three.pixels, bgr, 6));
    EXPECT_EQ(three.pixels[6], 124); // index 2 starts row 1: (248 + 0 + 1) >> 1 in red and blue
    EXPECT_EQ(three.pixels[6 + 2], 124);
    EXPECT_EQ(three.pixels[9], 0);

    // DXT3 explicit alpha 0x0 and 0xF; DXT5 a0 = 200 > a1 = 100, index 2 gives (6*200 + 100) / 7.
    std::vector<unsigned char> dxt3(16, 0);
    dxt3[0] = 0xF0;
    Image explicitAlpha;
    explicitAlpha.loadFromMemory(block(dxt3, 16), 4, 4, DXT3, true, false);
    ASSERT_TRUE(explicitAlpha.decompress(true));
    EXPECT_EQ(explicitAlpha.format, RGBA8);
    EXPECT_EQ(explicitAlpha.pixels[3], 0);
    EXPECT_EQ(explicitAlpha.pixels[7], 255);

    std::vector<unsigned char> dxt5(16, 0);
    dxt5[0] = 200;
    dxt5[1] = 100;
    dxt5[2] = 0xCA; // pixels 0, 1, 2 take indices 2, 1, 7
    dxt5[3] = 0x01; // the high bit of index 7
    Image interpolated;
    interpolated.loadFromMemory(block(dxt5, 16), 4, 4, DXT5, true, false);
    ASSERT_TRUE(interpolated.decompress(true));
    EXPECT_EQ(interpolated.pixels[3], (6 * 200 + 100) / 7);
    EXPECT_EQ(interpolated.pixels[7], 100);
    EXPECT_EQ(interpolated.pixels[11], (1 * 200 + 6 * 100) / 7);

    // ATI2: both channels at 127.5 - 127.5 = flat, so blue comes out at trunc(127.498 + 127.5).
    std::vector<unsigned char> ati2(16, 0);
    ati2[0] = ati2[1] = 128;
    ati2[8] = ati2[9] = 128;
    Image twoChannel;
    twoChannel.loadFromMemory(block(ati2, 16), 2, 1, ATI2, true, false);
    ASSERT_TRUE(twoChannel.decompress(true));
    EXPECT_EQ(twoChannel.pixels[0], 128);
    EXPECT_EQ(twoChannel.pixels[1], 128);
    EXPECT_EQ(twoChannel.pixels[2], 254);

    Image plain;
    plain.loadFromMemory(block({1, 2, 3}, 3), 1, 1, RGB8, true, false);
    EXPECT_TRUE(plain.decompress(true));
    EXPECT_EQ(plain.format, RGB8);
}

TEST(Image, SwapChannels) {
    unsigned char bytes[] = {1, 2, 3, 4, 5, 6, 7, 8};
    swapChannels(bytes, 2, 4);
    const unsigned char expected[] = {3, 2, 1, 4, 7, 6, 5, 8};
    EXPECT_EQ(0, std::memcmp(bytes, expected, 8));
}

// The resizer against the four-weight formula evaluated pixel by pixel, for shrinking, growing and
// single-row targets in both directions.
TEST(Image, ResizeMatchesTheBilinearFormula) {
    const int w = 37, h = 23, channels = 3;
    std::vector<unsigned char> source(size_t(w) * h * channels);
    for (size_t i = 0; i < source.size(); i++)
        source[i] = (unsigned char)((i * 2654435761u) >> 13);
    auto at = [&](int x, int y, int k) { return int(source[(size_t(y) * w + x) * channels + k]); };
    const int sizes[][2] = {{64, 16}, {16, 64}, {5, 1}, {1, 7}, {37, 23}, {74, 46}};
    for (const auto& size : sizes) {
        int nw = size[0], nh = size[1];
        Image image;
        image.loadFromMemory(block(source, source.size()), w, h, RGB8, true, false);
        ASSERT_TRUE(image.resize(nw, nh));
        for (int y = 0; y < nh; y++) {
            int a = nh > 1 ? y * (h - 1) * 256 / (nh - 1) : 0;
            if (y == nh - 1 && a > 0)
                a--;
            int r = a >> 8, fy = a & 255;
            for (int x = 0; x < nw; x++) {
                int c = nw > 1 ? x * (w - 1) * 256 / (nw - 1) : 0;
                int s = c >> 8, fx = c & 255;
                for (int k = 0; k < channels; k++) {
                    int p10 = fx ? at(s + 1, r, k) : 0, p01 = fy ? at(s, r + 1, k) : 0;
                    int p11 = fx && fy ? at(s + 1, r + 1, k) : 0;
                    int expected = ((256 - fx) * (256 - fy) * at(s, r, k) + fx * (256 - fy) * p10 +
                                    (256 - fx) * fy * p01 + fx * fy * p11) >>
                                   16;
                    ASSERT_EQ(image.pixels[(size_t(y) * nw + x) * channels + k], expected)
                        << nw << "x" << nh << " at " << x << "," << y;
                }
            }
        }
    }
}

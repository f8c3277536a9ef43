#include "image/image.h"

#include "image_files.h"
#include "support/test_data.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#ifndef _WIN32
#include <dirent.h>
#endif

namespace {
// The 5 by 3 pattern of fixtures/make_fixtures.sh, top row first.
const uint8_t patternRGB[15][3] = {
    {255, 0, 0},    {0, 255, 0},   {0, 0, 255},   {255, 255, 255}, {0, 0, 0},
    {255, 255, 0},  {0, 255, 255}, {255, 0, 255}, {128, 128, 128}, {10, 20, 30},
    {200, 100, 50}, {40, 80, 120}, {255, 128, 0}, {0, 128, 255},   {64, 64, 64},
};
const uint8_t patternAlpha[15] = {255, 0, 128, 64, 32, 1, 2, 3, 4, 5, 250, 200, 150, 100, 50};
const uint8_t patternGrey[15] = {0, 17, 34, 51, 68, 85, 102, 119, 136, 153, 170, 187, 204, 221, 255};

enum Kind { RGB, RGBA, GREY };

std::vector<uint8_t> expectedPixels(Kind kind, bool useRGBA) {
    std::vector<uint8_t> out;
    for (int i = 0; i < 15; i++) {
        if (kind == GREY) {
            out.push_back(patternGrey[i]);
            continue;
        }
        out.push_back(patternRGB[i][useRGBA ? 0 : 2]);
        out.push_back(patternRGB[i][1]);
        out.push_back(patternRGB[i][useRGBA ? 2 : 0]);
        if (kind == RGBA)
            out.push_back(patternAlpha[i]);
    }
    return out;
}

std::vector<uint8_t> levelZero(const Image& image) {
    size_t size = size_t(image.getMipMappedSize(0, 1));
    return std::vector<uint8_t>(image.pixels, image.pixels + size);
}

std::string scratchFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    return writeBytes(scratchPath(name.c_str()), bytes);
}

struct Fixture {
    const char* name;
    PixelFormat format;
    Kind kind;
};

const Fixture losslessFixtures[] = {
    {"rgb24.bmp", RGB8, RGB},       {"rgba32.bmp", RGBA8, RGBA}, {"pal8.bmp", RGB8, RGB},
    {"rgb24.tga", RGB8, RGB},       {"rgb24rle.tga", RGB8, RGB}, {"rgba32.tga", RGBA8, RGBA},
    {"rgba32rle.tga", RGBA8, RGBA}, {"grey8.tga", I8, GREY},     {"pal8.tga", RGB8, RGB},
    {"rgb24.pcx", RGB8, RGB},       {"pal8.pcx", RGB8, RGB},     {"rgb24.dds", RGB8, RGB},
    {"rgba32.dds", RGBA8, RGBA},    {"rgb.png", RGB8, RGB},      {"rgba.png", RGBA8, RGBA},
    {"grey.png", I8, GREY},         {"grey4.png", I8, GREY},     {"grey16.png", I8, GREY},
    {"rgb16.png", RGB8, RGB},       {"pal8.png", RGB8, RGB},     {"pal4.png", RGB8, RGB},
    {"interlaced.png", RGB8, RGB},
};

bool isPng(const char* name) {
    return std::strstr(name, ".png") != nullptr;
}
} // namespace

TEST(Readers, LosslessFilesDecodeToTheirPattern) {
    for (const Fixture& f : losslessFixtures) {
        for (bool useRGBA : {true, false}) {
            SCOPED_TRACE(std::string(f.name) + (useRGBA ? " RGBA" : " BGRA"));
            Image image;
            ASSERT_TRUE(image.loadImage(fixturePath(f.name).c_str(), useRGBA, 0));
            EXPECT_EQ(image.width, 5);
            EXPECT_EQ(image.height, 3);
            EXPECT_EQ(image.format, f.format);
            EXPECT_EQ(image.getMipMapCount(), 1);
            // The PNG reader always delivers R, G, B.
            EXPECT_EQ(levelZero(image), expectedPixels(f.kind, useRGBA || isPng(f.name)));
        }
    }
}

TEST(Readers, JpegDecodesCloseToItsPattern) {
    Image colour;
    ASSERT_TRUE(colour.loadImage(fixturePath("rgb.jpg").c_str(), true, 0));
    EXPECT_EQ(colour.format, RGB8);
    EXPECT_EQ(colour.width, 5);
    EXPECT_EQ(colour.height, 3);
    std::vector<uint8_t> expected = expectedPixels(RGB, true);
    for (size_t i = 0; i < expected.size(); i++)
        EXPECT_NEAR(colour.pixels[i], expected[i], 40) << i;

    Image swapped;
    ASSERT_TRUE(swapped.loadImage(fixturePath("rgb.jpg").c_str(), false, 0));
    EXPECT_EQ(swapped.pixels[0], colour.pixels[2]);
    EXPECT_EQ(swapped.pixels[2], colour.pixels[0]);

    Image grey;
    ASSERT_TRUE(grey.loadImage(fixturePath("grey.jpg").c_str(), true, 0));
    EXPECT_EQ(grey.format, I8);
    for (int i = 0; i < 15; i++)
        EXPECT_NEAR(grey.pixels[i], patternGrey[i], 6) << i;
}

TEST(Readers, CompressedDds) {
    Image red;
    ASSERT_TRUE(red.loadImage(fixturePath("red.dds").c_str(), true, 0));
    EXPECT_EQ(red.format, DXT1);
    EXPECT_EQ(red.getMipMapCount(), 1);
    ASSERT_TRUE(red.decompress(true));
    EXPECT_EQ(red.format, RGB8);
    for (int i = 0; i < 64; i++) {
        EXPECT_EQ(red.pixels[3 * i], 248);
        EXPECT_EQ(red.pixels[3 * i + 2], 0);
    }

    // The file's own levels are read when a chain is asked for.
    Image mips;
    ASSERT_TRUE(mips.loadImage(fixturePath("blue_mips.dds").c_str(), true, 1));
    EXPECT_EQ(mips.getMipMapCount(), 5);
    ASSERT_TRUE(mips.decompress(true));
    EXPECT_EQ(mips.getPixels(4)[2], 248);

    // Compressed levels cannot be computed; loading still succeeds.
    Image dxt5;
    ASSERT_TRUE(dxt5.loadImage(fixturePath("red5.dds").c_str(), true, 2));
    EXPECT_EQ(dxt5.format, DXT5);
    EXPECT_EQ(dxt5.getMipMapCount(), 1);
    ASSERT_TRUE(dxt5.decompress(true));
    EXPECT_EQ(dxt5.pixels[0], 248);
    EXPECT_NEAR(dxt5.pixels[3], 128, 2);
}

TEST(Readers, ExtensionRule) {
    std::vector<uint8_t> bmp = readBytes(fixturePath("rgb24.bmp"));
    for (const char* name : {"upper.BMP", "mixed.Bmp", "lower.bmp", "two.dots.bmp"}) {
        Image image;
        EXPECT_TRUE(image.loadImage(scratchFile(name, bmp).c_str(), true, 0)) << name;
    }
    for (const char* name : {"noextension", "wrong.gif", "short.bm", "long.bmpx"}) {
        Image image;
        EXPECT_FALSE(image.loadImage(scratchFile(name, bmp).c_str(), true, 0)) << name;
    }
    // The only dot in a folder name: the "extension" runs from there across the slash.
    std::string folder = scratchPath("folder.bmp");
#ifdef _WIN32
    std::string make = "mkdir " + folder;
    for (char& c : make)
        c = c == '/' ? '\\' : c;
    std::system(make.c_str());
#else
    std::system(("mkdir -p " + folder).c_str());
#endif
    Image image;
    EXPECT_FALSE(image.loadImage(writeBytes(folder + "/picture", bmp).c_str(), true, 0));
    // A reader that fails leaves nothing behind.
    EXPECT_FALSE(image.loadImage(scratchFile("empty.bmp", {}).c_str(), true, 0));
    EXPECT_EQ(image.pixels, nullptr);
    EXPECT_EQ(image.width, 0);
}

TEST(Readers, BmpRowsPaddingAndOrder) {
    // 1366 pixels of 3 bytes: 4098 bytes and 2 of padding per row. Every pixel differs from its neighbours.
    const int w = 1366, h = 3;
    std::vector<uint8_t> bgr(size_t(w) * h * 3);
    for (size_t i = 0; i < bgr.size(); i++)
        bgr[i] = uint8_t(i * 7 + i / 3);
    bgr[size_t(w) * 2 * 3 + 2] = 255; // red at the bottom left, stored B, G, R
    bgr[size_t(w) * 2 * 3 + 1] = 0;
    bgr[size_t(w) * 2 * 3] = 0;
    Image image;
    ASSERT_TRUE(image.loadImage(scratchFile("wide.bmp", makeBmp(w, h, 24, bgr)).c_str(), false, 0));
    EXPECT_EQ(image.width, w);
    EXPECT_EQ(image.height, h);
    EXPECT_EQ(std::vector<uint8_t>(image.pixels, image.pixels + bgr.size()), bgr);

    Image rgba;
    ASSERT_TRUE(rgba.loadImage(scratchFile("wide.bmp", makeBmp(w, h, 24, bgr)).c_str(), true, 0));
    const uint8_t* lastRow = rgba.pixels + size_t(w) * 2 * 3;
    EXPECT_EQ(lastRow[0], 255);
    EXPECT_EQ(lastRow[1], 0);
    EXPECT_EQ(lastRow[2], 0);
}

TEST(Readers, BmpTopDownAndPixelOffset) {
    std::vector<uint8_t> bgr = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    std::vector<uint8_t> bottomUp = makeBmp(2, 2, 24, bgr);
    // Top-down: the same file with the rows the other way round and a negative height.
    std::vector<uint8_t> topDown = bottomUp;
    std::copy(bottomUp.begin() + 54, bottomUp.begin() + 62, topDown.begin() + 62);
    std::copy(bottomUp.begin() + 62, bottomUp.begin() + 70, topDown.begin() + 54);
    put32(topDown, 22, uint32_t(-2));
    // A gap before the pixels, as files with larger headers or extra data have.
    std::vector<uint8_t> gap = bottomUp;
    gap.insert(gap.begin() + 54, 10, 0xEE);
    put32(gap, 10, 64);
    for (const auto& file : {bottomUp, topDown, gap}) {
        Image image;
        ASSERT_TRUE(image.loadImage(scratchFile("order.bmp", file).c_str(), false, 0));
        EXPECT_EQ(image.height, 2);
        EXPECT_EQ(std::vector<uint8_t>(image.pixels, image.pixels + 12), bgr);
    }
}

TEST(Readers, BmpRefusesWhatItDoesNotRead) {
    std::vector<uint8_t> base = makeBmp(4, 2, 24, std::vector<uint8_t>(24, 9));
    struct Case {
        const char* what;
        size_t offset;
        uint32_t value;
        bool wide;
    } cases[] = {
        {"16 bits", 28, 16, false},
        {"4 bits", 28, 4, false},
        {"1 bit", 28, 1, false},
        {"zero width", 18, 0, true},
        {"negative width", 18, uint32_t(-4), true},
        {"zero height", 22, 0, true},
        {"huge", 18, 3000000, true},
        {"pixels beyond the file", 10, 1000, true},
        {"old header", 14, 12, true},
        {"bad magic", 0, 'B' | ('A' << 8), false},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> file = base;
        if (c.wide)
            put32(file, c.offset, c.value);
        else
            put16(file, c.offset, c.value);
        Image image;
        EXPECT_FALSE(image.loadImage(scratchFile("refused.bmp", file).c_str(), true, 0)) << c.what;
    }

    // 8 bits with run-length compression, and 8 bits whose index has no palette entry.
    std::vector<uint8_t> pal8 = readBytes(fixturePath("pal8.bmp"));
    std::vector<uint8_t> rle = pal8;
    put32(rle, 30, 1);
    std::vector<uint8_t> badIndex = pal8;
    badIndex[readBytes(fixturePath("pal8.bmp"))[10]] = 200;
    for (const auto& file : {rle, badIndex}) {
        Image image;
        EXPECT_FALSE(image.loadImage(scratchFile("refused.bmp", file).c_str(), true, 0));
    }
}

TEST(Readers, MipMapModesMakePowersOfTwo) {
    struct Case {
        int w, h, mode;
        int outW, outH, levels;
    } cases[] = {
        {1024, 768, 2, 1024, 1024, 11},
        {1280, 1024, 2, 1024, 1024, 11},
        {5, 3, 1, 4, 4, 1},
        {5, 3, 0, 5, 3, 1},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bgr(size_t(c.w) * c.h * 3, 0);
        for (size_t i = 0; i < bgr.size(); i += 3)
            bgr[i + 2] = 200; // all red
        Image image;
        ASSERT_TRUE(
            image.loadImage(scratchFile("modes.bmp", makeBmp(c.w, c.h, 24, bgr)).c_str(), true, c.mode));
        EXPECT_EQ(image.width, c.outW);
        EXPECT_EQ(image.height, c.outH);
        EXPECT_EQ(image.getMipMapCount(), c.levels);
        if (c.mode == 2) {
            const uint8_t* last = image.getPixels(c.levels - 1);
            ASSERT_NE(last, nullptr);
            EXPECT_EQ(last[0], 200);
            EXPECT_EQ(last[2], 0);
        }
    }
}

TEST(Readers, TgaPacketsAndDepths) {
    // Type 10, one run packet 0x83 and one pixel: four equal pixels.
    std::vector<uint8_t> header(18, 0);
    header[2] = 10;
    header[12] = 4;
    header[14] = 1;
    header[16] = 24;
    std::vector<uint8_t> run = header;
    for (uint8_t b : {0x83, 30, 20, 10})
        run.push_back(b);
    Image image;
    ASSERT_TRUE(image.loadImage(scratchFile("run.tga", run).c_str(), true, 0));
    EXPECT_EQ(image.width, 4);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(image.pixels[3 * i], 10);
        EXPECT_EQ(image.pixels[3 * i + 2], 30);
    }

    // 16 bits: A1R5G5B5, bottom row first.
    std::vector<uint8_t> packed = header;
    packed[2] = 2;
    packed[12] = 1;
    packed[14] = 2;
    packed[16] = 16;
    for (uint8_t b : {0x1F, 0x80, 0x00, 0x7C}) // bottom: opaque blue; top: transparent red
        packed.push_back(b);
    ASSERT_TRUE(image.loadImage(scratchFile("packed.tga", packed).c_str(), true, 0));
    EXPECT_EQ(image.format, RGBA8);
    const uint8_t expected[] = {248, 0, 0, 0, 0, 0, 248, 255};
    EXPECT_EQ(0, std::memcmp(image.pixels, expected, 8));
}

TEST(Readers, PcxTenByFive) {
    std::vector<uint8_t> file(128, 0);
    file[0] = 10;
    file[2] = 1;
    file[3] = 8;
    put16(file, 8, 9);
    put16(file, 10, 4);
    file[65] = 3;
    put16(file, 66, 10);
    for (int y = 0; y < 5; y++) {
        for (int plane = 0; plane < 3; plane++) {
            file.push_back(0xC0 + 10);
            file.push_back(uint8_t(y * 40 + plane * 10 + 1));
        }
    }
    Image image;
    ASSERT_TRUE(image.loadImage(scratchFile("ten.pcx", file).c_str(), false, 0));
    EXPECT_EQ(image.width, 10);
    EXPECT_EQ(image.height, 5);
    const uint8_t* lastRowEnd = image.pixels + (4 * 10 + 9) * 3;
    EXPECT_EQ(lastRowEnd[0], 4 * 40 + 21); // B, G, R: plane 2 in byte 0
    EXPECT_EQ(lastRowEnd[1], 4 * 40 + 11);
    EXPECT_EQ(lastRowEnd[2], 4 * 40 + 1);
}

TEST(Readers, DdsRefusals) {
    std::vector<uint8_t> base = readBytes(fixturePath("rgb24.dds"));
    std::vector<uint8_t> noBits = base;
    put32(noBits, 88, 0);
    std::vector<uint8_t> moreLevels = readBytes(fixturePath("red.dds"));
    put32(moreLevels, 28, 4); // claims a chain the file does not hold
    std::vector<uint8_t> huge = base;
    put32(huge, 16, 0x40000000);
    std::vector<uint8_t> negative = base;
    put32(negative, 12, uint32_t(-3));
    for (const auto& file : {noBits, moreLevels, huge, negative}) {
        Image image;
        EXPECT_FALSE(image.loadImage(scratchFile("refused.dds", file).c_str(), true, 1));
    }
}

TEST(Readers, HostileRunsPalettesAndStreams) {
    std::vector<uint8_t> header(18, 0);
    header[2] = 10;
    header[12] = 2;
    header[14] = 2;
    header[16] = 24;
    std::vector<uint8_t> overrun = header; // 128 pixels into a 4-pixel picture
    for (uint8_t b : {0xFF, 1, 2, 3})
        overrun.push_back(b);
    std::vector<uint8_t> shortLiteral = header; // four literal pixels promised, one given
    for (uint8_t b : {0x03, 1, 2, 3})
        shortLiteral.push_back(b);
    std::vector<uint8_t> pal8 = readBytes(fixturePath("pal8.tga"));
    std::vector<uint8_t> badIndex = pal8;
    badIndex.back() = 200;
    std::vector<uint8_t> bigMap = pal8;
    put16(bigMap, 5, 300);
    std::vector<uint8_t> shortMap = pal8;
    shortMap.resize(18 + 3 * 4);
    std::vector<uint8_t> hugeTga = header;
    put16(hugeTga, 12, 65535);
    put16(hugeTga, 14, 65535);
    hugeTga.push_back(0xFF);
    for (const auto& file : {overrun, shortLiteral, badIndex, bigMap, shortMap, hugeTga}) {
        Image image;
        EXPECT_FALSE(image.loadImage(scratchFile("hostile.tga", file).c_str(), true, 0));
    }

    std::vector<uint8_t> pcx = readBytes(fixturePath("rgb24.pcx"));
    std::vector<uint8_t> endsInRun(pcx.begin(), pcx.begin() + 130);
    endsInRun.push_back(0xC5); // a run with no value byte
    std::vector<uint8_t> hugePcx = pcx;
    put16(hugePcx, 8, 60000);
    put16(hugePcx, 66, 60001);
    std::vector<uint8_t> narrowLines = pcx;
    put16(narrowLines, 66, 2);
    std::vector<uint8_t> noPalette = readBytes(fixturePath("pal8.pcx"));
    noPalette.resize(128 + 100);
    for (const auto& file : {endsInRun, hugePcx, narrowLines, noPalette}) {
        Image image;
        EXPECT_FALSE(image.loadImage(scratchFile("hostile.pcx", file).c_str(), true, 0));
    }

    // Library decoders: corrupt data must come back as false, not end the process.
    std::vector<uint8_t> jpeg = readBytes(fixturePath("rgb.jpg"));
    std::vector<uint8_t> notJpeg = {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x02, 0x00};
    std::vector<uint8_t> badMarker = jpeg; // a frame of height 0
    for (size_t i = 2; i + 9 < jpeg.size(); i++) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            badMarker[i + 5] = 0;
            badMarker[i + 6] = 0;
            break;
        }
    }
    std::vector<uint8_t> png = readBytes(fixturePath("rgb.png"));
    std::vector<uint8_t> badCrc = png; // a damaged byte inside the image data
    for (size_t i = 8; i + 12 < png.size(); i++) {
        if (std::memcmp(&png[i], "IDAT", 4) == 0) {
            badCrc[i + 6] ^= 0x55;
            break;
        }
    }
    std::vector<uint8_t> badHeader = png;
    badHeader[16] = 0xFF; // width beyond any limit
    struct Case {
        const char* name;
        const std::vector<uint8_t>& bytes;
    } libraries[] = {{"a.jpg", notJpeg}, {"b.jpg", badMarker}, {"a.png", badCrc}, {"b.png", badHeader}};
    for (const Case& c : libraries) {
        Image image;
        EXPECT_FALSE(image.loadImage(scratchFile(c.name, c.bytes).c_str(), true, 0)) << c.name;
    }
}

namespace {
const char* allFixtures[] = {"rgb24.bmp",  "rgba32.bmp",    "pal8.bmp",   "rgb24.tga", "rgb24rle.tga",
                             "rgba32.tga", "rgba32rle.tga", "grey8.tga",  "pal8.tga",  "rgb24.pcx",
                             "pal8.pcx",   "rgb24.dds",     "rgba32.dds", "red.dds",   "blue_mips.dds",
                             "red5.dds",   "rgb.png",       "rgba.png",   "grey.png",  "grey4.png",
                             "grey16.png", "rgb16.png",     "pal8.png",   "pal4.png",  "interlaced.png",
                             "rgb.jpg",    "grey.jpg"};

std::string extensionOf(const char* name) {
    return std::strrchr(name, '.');
}

#ifndef _WIN32
int openDescriptors() {
    int count = 0;
    DIR* dir = opendir("/proc/self/fd");
    if (dir == nullptr)
        return -1;
    while (readdir(dir) != nullptr)
        count++;
    closedir(dir);
    return count;
}
#endif
} // namespace

// Every prefix of every fixture, read from a block of exactly that size: formats whose data must be
// complete fail, and none reads past the end (the sanitizers watch).
TEST(Readers, TruncatedFilesFailCleanly) {
    for (const char* name : allFixtures) {
        std::vector<uint8_t> bytes = readBytes(fixturePath(name));
        ASSERT_FALSE(bytes.empty()) << name;
        std::string ext = extensionOf(name);
        std::string path = scratchPath(("truncated" + ext).c_str());
        for (size_t length = 0; length < bytes.size(); length += length < 160 ? 1 : 13) {
            Image image;
            bool loaded = image.loadImage(
                writeBytes(path, std::vector<uint8_t>(bytes.begin(), bytes.begin() + length)).c_str(), true,
                2);
            // A BMP may lack the padding of its last row; a JPEG decoder fills a short picture with grey; a
            // PCX palette always sits at the end, wherever that is.
            bool mustFail = ext == ".tga" || ext == ".dds" || ext == ".png" ||
                            (ext == ".bmp" && length + 3 < bytes.size());
            if (mustFail) {
                EXPECT_FALSE(loaded) << name << " cut to " << length;
            }
        }
    }
}

TEST(Readers, CorruptedBytesNeverCrash) {
    for (const char* name : allFixtures) {
        std::vector<uint8_t> bytes = readBytes(fixturePath(name));
        std::string path = scratchPath(("corrupt" + extensionOf(name)).c_str());
        // Headers carry the sizes; past them a sample of positions is enough.
        for (size_t i = 0; i < bytes.size(); i += i < 100 ? 1 : 11) {
            for (uint8_t value : {0x00, 0xFF}) {
                std::vector<uint8_t> corrupt = bytes;
                corrupt[i] = value;
                Image image;
                image.loadImage(writeBytes(path, corrupt).c_str(), true, 2);
            }
        }
    }
}

TEST(Readers, NoFileIsLeftOpen) {
#ifndef _WIN32
    int before = openDescriptors();
#endif
    for (const char* name : allFixtures) {
        std::vector<uint8_t> bytes = readBytes(fixturePath(name));
        std::string ext = extensionOf(name);
        for (size_t length : {bytes.size(), bytes.size() / 2, size_t(9)}) {
            std::string path = writeBytes(scratchPath(("open" + ext).c_str()),
                                          std::vector<uint8_t>(bytes.begin(), bytes.begin() + length));
            Image image;
            image.loadImage(path.c_str(), true, 0);
            // Windows refuses to delete a file that is still open.
            EXPECT_EQ(std::remove(path.c_str()), 0) << name << " " << length;
        }
    }
#ifndef _WIN32
    EXPECT_EQ(openDescriptors(), before);
#endif
}

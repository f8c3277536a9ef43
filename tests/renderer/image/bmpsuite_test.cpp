#include "image/image.h"

#include "support/test_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {
// 64-bit FNV-1a over the R, G, B bytes of each pixel (the stored fourth byte of 32-bit files is theirs).
uint64_t colourHash(const unsigned char* data, size_t pixelCount, int step) {
    uint64_t hash = 1469598103934665603ull;
    for (size_t i = 0; i < pixelCount; i++)
        for (int c = 0; c < 3; c++)
            hash = (hash ^ data[i * step + c]) * 1099511628211ull;
    return hash;
}

const char* badFiles[] = {"badbitcount.bmp", "badbitssize.bmp",   "baddens1.bmp",       "baddens2.bmp",
                          "badfilesize.bmp", "badheadersize.bmp", "badpalettesize.bmp", "badplanes.bmp",
                          "badrle.bmp",      "badwidth.bmp",      "pal8badindex.bmp",   "reallybig.bmp",
                          "rletopdown.bmp",  "shortfile.bmp"};

const char* questionableFiles[] = {
    "pal1p1.bmp",       "pal2.bmp",          "pal4rletrns.bmp",     "pal8offs.bmp",    "pal8os2sp.bmp",
    "pal8os2v2-16.bmp", "pal8os2v2.bmp",     "pal8oversizepal.bmp", "pal8rletrns.bmp", "rgb16-231.bmp",
    "rgb24jpeg.bmp",    "rgb24largepal.bmp", "rgb24lprof.bmp",      "rgb24png.bmp",    "rgb24prof.bmp",
    "rgb32-111110.bmp", "rgb32bf-xbgr.bmp",  "rgb32fakealpha.bmp",  "rgb32h52.bmp",    "rgba16-4444.bmp",
    "rgba32.bmp",       "rgba32abf.bmp",     "rgba32h56.bmp"};
} // namespace

TEST(Bmpsuite, BadFilesFail) {
    SKIP_WITHOUT_TEST_DATA("bmpsuite/b");
    for (const char* name : badFiles) {
        Image image;
        EXPECT_FALSE(
            image.loadImage(testDataPath((std::string("bmpsuite/b/") + name).c_str()).c_str(), true, 2))
            << name;
    }
}

TEST(Bmpsuite, QuestionableFilesDoNotCrash) {
    SKIP_WITHOUT_TEST_DATA("bmpsuite/q");
    for (const char* name : questionableFiles) {
        Image image;
        if (image.loadImage(testDataPath((std::string("bmpsuite/q/") + name).c_str()).c_str(), true, 2)) {
            EXPECT_GT(image.getMipMapCount(), 0) << name;
        }
    }
}

// The good files this reader accepts, with the hash of their R, G, B rows top first as another
// decoder produces them; the 8-bit ones have their own palette-reduced picture.
TEST(Bmpsuite, GoodFilesDecodeToTheRightPixels) {
    SKIP_WITHOUT_TEST_DATA("bmpsuite/g");
    struct Case {
        const char* name;
        int width, height;
        PixelFormat format;
        uint64_t hash;
    } cases[] = {
#include "bmpsuite_hashes.inc"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Image image;
        ASSERT_TRUE(
            image.loadImage(testDataPath((std::string("bmpsuite/g/") + c.name).c_str()).c_str(), true, 0));
        EXPECT_EQ(image.width, c.width);
        EXPECT_EQ(image.height, c.height);
        EXPECT_EQ(image.format, c.format);
        EXPECT_EQ(colourHash(image.pixels, size_t(c.width) * c.height, getBytesPerPixel(image.format)),
                  c.hash);
    }
    // The rest of the folder holds depths and compressions the reader refuses (including 32 bits with
    // channel masks other than the plain byte layout).
    for (const char* name : {"pal1.bmp", "pal4.bmp", "pal4rle.bmp", "pal8rle.bmp", "pal8os2.bmp", "rgb16.bmp",
                             "rgb16-565.bmp", "rgb16-565pal.bmp", "rgb32bf.bmp"}) {
        Image image;
        EXPECT_FALSE(
            image.loadImage(testDataPath((std::string("bmpsuite/g/") + name).c_str()).c_str(), true, 0))
            << name;
    }
}

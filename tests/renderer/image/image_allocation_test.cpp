// The readers under a counting allocator: a hostile header never buys a block larger than the file's real
// pixel data could fill. malloc and friends are replaced for the whole executable (operator new and the
// libraries' decoders come through them too), so this test runs only in builds without a sanitizer.
#include "image/image.h"
#include "image/image_limits.h"

#include "image_files.h"
#include "support/test_data.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>

#include <jpeglib.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" {
void* __libc_malloc(size_t n);
void* __libc_calloc(size_t count, size_t n);
void* __libc_realloc(void* block, size_t n);
void __libc_free(void* block);
}

namespace {

bool counting = false;
size_t largestRequest = 0;

void note(size_t n) {
    if (counting && n > largestRequest)
        largestRequest = n;
}

} // namespace

extern "C" void* malloc(size_t n) {
    note(n);
    return __libc_malloc(n);
}

extern "C" void* calloc(size_t count, size_t n) {
    // An overflowing product is refused by the C library; count it as the largest possible request.
    note(n != 0 && count > SIZE_MAX / n ? SIZE_MAX : count * n);
    return __libc_calloc(count, n);
}

extern "C" void* realloc(void* block, size_t n) {
    note(n);
    return __libc_realloc(block, n);
}

extern "C" void free(void* block) {
    __libc_free(block);
}

namespace {

// The largest single request while loading, and whether the load succeeded.
struct Load {
    bool loaded;
    size_t largest;
};

Load countedLoad(const std::string& path, int mipMapMode) {
    Image image;
    largestRequest = 0;
    counting = true;
    bool loaded = image.loadImage(path.c_str(), true, mipMapMode);
    counting = false;
    return Load{loaded, largestRequest};
}

std::string scratchFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    return writeBytes(scratchPath(name.c_str()), bytes);
}

// Headroom for the C library's own stream buffer and bookkeeping.
const size_t streamSlack = 8192;

std::vector<uint8_t> bmpHeader(int32_t width, int32_t height, int bitCount) {
    std::vector<uint8_t> file = makeBmp(1, 1, 24, std::vector<uint8_t>(3, 0x40));
    put32(file, 18, uint32_t(width));
    put32(file, 22, uint32_t(height));
    put16(file, 28, uint32_t(bitCount));
    return file;
}

void putBig32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; i++)
        bytes[offset + i] = uint8_t(value >> (24 - 8 * i));
}

// A flat grey picture in the smallest baseline JPEG the encoder makes: optimised Huffman tables, two bits
// per 8 x 8 block.
bool writeFlatJpeg(const std::string& path, int size, bool progressive) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = JDIMENSION(size);
    info.image_height = JDIMENSION(size);
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 10, TRUE);
    info.optimize_coding = TRUE;
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(size), 128);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

} // namespace

TEST(ImageAllocation, TheCountingAllocatorSeesTheReaders) {
    std::vector<uint8_t> file = makeBmp(64, 32, 24, std::vector<uint8_t>(64 * 32 * 3, 7));
    Load load = countedLoad(scratchFile("seen.bmp", file), 0);
    ASSERT_TRUE(load.loaded);
    EXPECT_GE(load.largest, size_t(64 * 32 * 3));
}

// The hand-over bitmaps as an attacker would plant them: giant, negative, truncated and empty headers all
// fail before any block beyond the file itself is asked for.
TEST(ImageAllocation, HostileBitmapHeadersAskForNothingBig) {
    const struct {
        const char* what;
        int32_t width;
        int32_t height;
        int bitCount;
    } giants[] = {
        {"65535 x 65535", 65535, 65535, 24},
        {"65536 x 65536", 65536, 65536, 24},
        {"65535 x -65535 (top-down)", 65535, -65535, 32},
        {"2^31-1 wide", INT32_MAX, 1, 24},
        {"2^31-1 high", 1, INT32_MAX, 24},
        {"-(2^31-1) high", 1, -INT32_MAX, 24},
        {"INT32_MIN high", 1, INT32_MIN, 24},
        {"16384 x 16384", 16384, 16384, 8},
        // Within every dimension limit and the block limit, yet not in this file.
        {"8192 x 8192", 8192, 8192, 24},
        {"1024 x 768 in 58 bytes", 1024, 768, 24},
    };
    for (const auto& giant : giants) {
        std::vector<uint8_t> file = bmpHeader(giant.width, giant.height, giant.bitCount);
        if (giant.bitCount == 8)
            file.resize(54 + 1024, 0);
        Load load = countedLoad(scratchFile("giant.bmp", file), 2);
        EXPECT_FALSE(load.loaded) << giant.what;
        EXPECT_LE(load.largest, file.size() + streamSlack) << giant.what;
    }

    std::vector<uint8_t> whole = makeBmp(1024, 768, 24, std::vector<uint8_t>(1024 * 768 * 3, 0x55));
    const struct {
        const char* what;
        size_t keep;
    } cuts[] = {{"zero bytes", 0},
                {"magic only", 2},
                {"half a header", 27},
                {"header only", 54},
                {"half the rows", 54 + 1024 * 3 * 384},
                {"one byte short", whole.size() - 1}};
    for (const auto& cut : cuts) {
        std::vector<uint8_t> file(whole.begin(), whole.begin() + long(cut.keep));
        Load load = countedLoad(scratchFile("cut.bmp", file), 2);
        EXPECT_FALSE(load.loaded) << cut.what;
        // The head of the file is read into memory (at most 64 KB); the rows are never asked for.
        EXPECT_LE(load.largest, 64 * 1024 + streamSlack) << cut.what;
    }

    std::vector<uint8_t> garbage(4096);
    uint32_t state = 12345;
    for (uint8_t& b : garbage) {
        state = state * 1103515245u + 12345u;
        b = uint8_t(state >> 24);
    }
    garbage[0] = 'B';
    garbage[1] = 'M';
    Load load = countedLoad(scratchFile("garbage.bmp", garbage), 2);
    EXPECT_FALSE(load.loaded);
    EXPECT_LE(load.largest, garbage.size() + streamSlack);
}

// A valid picture costs its pixels: level 0 alone, or the chain of the power-of-two size the renderer's
// textures are made at, and nothing larger.
TEST(ImageAllocation, ValidBitmapCostsItsPixelsAndNoMore) {
    const struct {
        int width;
        int height;
        int bitCount;
        PixelFormat format;
    } pictures[] = {{1024, 768, 24, RGB8}, {640, 480, 32, RGBA8}, {33, 17, 24, RGB8}};
    for (const auto& picture : pictures) {
        size_t bytes = size_t(picture.width) * size_t(picture.height) * size_t(picture.bitCount / 8);
        std::vector<uint8_t> file =
            makeBmp(picture.width, picture.height, picture.bitCount, std::vector<uint8_t>(bytes, 0x33));
        std::string path = scratchFile("valid.bmp", file);
        Load plain = countedLoad(path, 0);
        ASSERT_TRUE(plain.loaded);
        size_t pixelBytes = checkedImageBytes(picture.width, picture.height, picture.format, false);
        EXPECT_LE(plain.largest, pixelBytes > streamSlack ? pixelBytes : streamSlack)
            << picture.width << " x " << picture.height;

        Load chain = countedLoad(path, 2);
        ASSERT_TRUE(chain.loaded);
        int w = roundToPowerOfTwo(picture.width), h = roundToPowerOfTwo(picture.height);
        size_t largerSide = checkedImageBytes(w > picture.width ? w : picture.width,
                                              h > picture.height ? h : picture.height, picture.format, true);
        EXPECT_LE(chain.largest, largerSide > streamSlack ? largerSide : streamSlack)
            << picture.width << " x " << picture.height;
    }
}

// The other readers with headers claiming pictures just inside the limits over a few bytes of data: none
// reserves a block that its file's data could never fill.
TEST(ImageAllocation, HostileHeadersOfTheOtherReaders) {
    std::vector<uint8_t> tga(18, 0);
    tga[2] = 3; // uncompressed grey
    put16(tga, 12, 16000);
    put16(tga, 14, 16000);
    tga[16] = 8;
    tga.resize(64, 0x11);
    std::vector<uint8_t> tgaRle = tga;
    tgaRle[2] = 11;

    std::vector<uint8_t> pcx = readBytes(fixturePath("rgb24.pcx"));
    ASSERT_GT(pcx.size(), 128u);
    put16(pcx, 8, 8999);
    put16(pcx, 10, 8999);
    put16(pcx, 66, 9000);

    std::vector<uint8_t> dds = readBytes(fixturePath("rgba32.dds"));
    ASSERT_GT(dds.size(), 128u);
    put32(dds, 12, 8000);
    put32(dds, 16, 8000);

    // PNG: the header chunk carries its own checksum, which a decoder checks before the size.
    std::vector<uint8_t> png = readBytes(fixturePath("rgb.png"));
    ASSERT_GT(png.size(), 33u);
    putBig32(png, 16, 8000);
    putBig32(png, 20, 8000);
    putBig32(png, 29, uint32_t(crc32(0, png.data() + 12, 17)));

    // A text chunk declaring 1.4 GB in a file of 142 bytes: the library reserves a chunk before reading it.
    std::vector<uint8_t> pngChunk = readBytes(fixturePath("../corpus/png/text-chunk-longer-than-file.png"));
    ASSERT_EQ(pngChunk.size(), 142u);

    std::vector<uint8_t> jpeg = readBytes(fixturePath("grey.jpg"));
    size_t sof = 0;
    for (size_t i = 0; i + 9 < jpeg.size(); i++)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            sof = i;
            break;
        }
    ASSERT_NE(sof, 0u);
    // Height, then width, big-endian 16-bit.
    jpeg[sof + 5] = 0x3E, jpeg[sof + 6] = 0x80;
    jpeg[sof + 7] = 0x3E, jpeg[sof + 8] = 0x80;

    const struct {
        const char* name;
        const std::vector<uint8_t>& bytes;
    } files[] = {{"hostile.tga", tga},        {"hostile-rle.tga", tgaRle}, {"hostile.pcx", pcx},
                 {"hostile.dds", dds},        {"hostile.png", png},        {"hostile.jpg", jpeg},
                 {"long-chunk.png", pngChunk}};
    // The decoders' own state (stream buffers, inflate window, JPEG pools) stays far below this; the claimed
    // pictures are 180 MB and more.
    const size_t decoderState = 1 << 20;
    for (const auto& file : files) {
        Load load = countedLoad(scratchFile(file.name, file.bytes), 0);
        EXPECT_FALSE(load.loaded) << file.name;
        EXPECT_LE(load.largest, decoderState) << file.name;
    }
}

// The size floor for JPEG headers leaves room for the most compressible real files.
TEST(ImageAllocation, FlatJpegsStillLoad) {
    for (bool progressive : {false, true}) {
        std::string path = scratchPath(progressive ? "flat-progressive.jpg" : "flat.jpg");
        ASSERT_TRUE(writeFlatJpeg(path, 2048, progressive));
        Load load = countedLoad(path, 0);
        EXPECT_TRUE(load.loaded) << path << ": " << readBytes(path).size() << " bytes";
        // A progressive file is decoded from all its coefficients at once: two bytes for every sample.
        size_t samples = size_t(2048) * 2048;
        EXPECT_LE(load.largest, (progressive ? 2 * samples : samples) + streamSlack) << path;
    }
}

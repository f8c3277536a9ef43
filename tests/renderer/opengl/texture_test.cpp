// Textures from files and images on a real context, checked through queries of the texture objects.
#include "gl_test_window.h"
#include "image/image.h"
#include "opengl/extensions.h"
#include "opengl/opengl_renderer.h"
#include "opengl/texture_flags.h"
#include "util/message_log.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "support/test_data.h"

namespace {

const GLenum TEXTURE_INTERNAL_FORMAT = 0x1003;
const GLint INTERNAL_RGB8 = 0x8051;
const GLint INTERNAL_RGBA8 = 0x8058;
const GLint COMPRESSED_DXT5 = 0x83F3;

void put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

std::string writeBytes(const char* name, const std::vector<uint8_t>& bytes) {
    std::string path = scratchPath(name);
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

// A 24-bit bottom-up BMP with a gradient, so that every row and column differ.
std::string writeBmp(const char* name, int width, int height) {
    int rowBytes = (width * 3 + 3) & ~3;
    std::vector<uint8_t> bytes(54 + static_cast<size_t>(rowBytes) * height, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, static_cast<uint32_t>(bytes.size()));
    put32(bytes, 10, 54);
    put32(bytes, 14, 40);
    put32(bytes, 18, static_cast<uint32_t>(width));
    put32(bytes, 22, static_cast<uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = 24;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &bytes[54 + static_cast<size_t>(y) * rowBytes + x * 3];
            p[0] = static_cast<uint8_t>(x);
            p[1] = static_cast<uint8_t>(y);
            p[2] = static_cast<uint8_t>(x + y);
        }
    }
    return writeBytes(name, bytes);
}

// An 8 x 8 DXT5 DDS with its full chain of four levels.
std::string writeDxt5Dds(const char* name) {
    const int dataBytes = 4 * 16 + 16 + 16 + 16;
    std::vector<uint8_t> bytes(128 + dataBytes, 0);
    std::memcpy(&bytes[0], "DDS ", 4);
    put32(bytes, 4, 124);
    put32(bytes, 8, 0x1 | 0x2 | 0x4 | 0x1000 | 0x20000 | 0x80000); // caps, height, width, format, mips, size
    put32(bytes, 12, 8);
    put32(bytes, 16, 8);
    put32(bytes, 20, 4 * 16);
    put32(bytes, 28, 4);
    put32(bytes, 76, 32);
    put32(bytes, 80, 0x4); // four-character code
    std::memcpy(&bytes[84], "DXT5", 4);
    put32(bytes, 108, 0x1000 | 0x400000 | 0x8); // texture, mipmap, complex
    for (int block = 0; block < dataBytes / 16; ++block) {
        uint8_t* b = &bytes[128 + block * 16];
        b[0] = 200; // alpha endpoints
        b[1] = 100;
        b[8] = 0xFF; // colour endpoint 0 white
        b[9] = 0xFF;
    }
    return writeBytes(name, bytes);
}

GLint parameter(GLenum target, GLenum name) {
    GLint value = 0;
    glGetTexParameteriv(target, name, &value);
    return value;
}

GLint levelParameter(GLenum target, int level, GLenum name) {
    GLint value = 0;
    glGetTexLevelParameteriv(target, level, name, &value);
    return value;
}

class TextureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.isReady());
        initExtensions(window.dc);
        renderer.reset(new OpenGLRenderer(window.dc, window.context));
    }
    void TearDown() override { renderer.reset(); }

    // Binds the entry's texture and returns its level count (levels with a non-zero width).
    int bindAndCountLevels(TextureID id, GLenum target = GL_TEXTURE_2D) {
        glBindTexture(target, renderer->textures[id].glName);
        int levels = 0;
        while (levels < 20 && levelParameter(target, levels, GL_TEXTURE_WIDTH) > 0) {
            ++levels;
        }
        return levels;
    }

    GLTestWindow window;
    std::unique_ptr<OpenGLRenderer> renderer;
};

TEST_F(TextureTest, SceneFlagsGiveAClampedTrilinearPowerOfTwoChain) {
    std::string path = writeBmp("desktop.bmp", 1024, 768);

    while (glGetError() != GL_NO_ERROR) {
    }

    TextureID id = renderer->loadTexture(path.c_str(), 1792);

    // No interface error: with anisotropic filtering hidden (second run) its parameter would be one.
    EXPECT_EQ(GL_NO_ERROR, glGetError());
    ASSERT_GE(id, 0);
    EXPECT_EQ(11, bindAndCountLevels(id));
    EXPECT_EQ(1024, levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH));
    EXPECT_EQ(1024, levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT));
    EXPECT_EQ(INTERNAL_RGB8, levelParameter(GL_TEXTURE_2D, 0, TEXTURE_INTERNAL_FORMAT));
    EXPECT_EQ(GL_CLAMP_TO_EDGE, parameter(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S));
    EXPECT_EQ(GL_CLAMP_TO_EDGE, parameter(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T));
    EXPECT_EQ(GL_LINEAR, parameter(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER));
    EXPECT_EQ(GL_LINEAR_MIPMAP_LINEAR, parameter(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER));
    if (GL_EXT_texture_filter_anisotropic_supported) {
        EXPECT_GT(renderer->maxAnisotropy, 1);
        EXPECT_EQ(renderer->maxAnisotropy, parameter(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT));
    }
    EXPECT_EQ(RGB8, renderer->textures[id].format);
    EXPECT_TRUE(renderer->textures[id].hasMipMaps);
}

TEST_F(TextureTest, NoMipMapsKeepsTheFileSizeAndMinifiesLinear) {
    std::string path = writeBmp("desktop.bmp", 1024, 768);

    TextureID id = renderer->loadTexture(path.c_str(), 1792 | TexNoMipMaps);

    ASSERT_GE(id, 0);
    EXPECT_EQ(1, bindAndCountLevels(id));
    EXPECT_EQ(1024, levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH));
    EXPECT_EQ(768, levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT));
    EXPECT_EQ(GL_LINEAR, parameter(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER));
    EXPECT_FALSE(renderer->textures[id].hasMipMaps);
}

TEST_F(TextureTest, NearestFiltersAndWrapsByTheFlags) {
    std::string path = writeBmp("small.bmp", 20, 12);
    struct Case {
        unsigned flags;
        GLint minification, magnification, wrapS, wrapT;
    };
    const Case cases[] = {
        {TexNearest, GL_LINEAR_MIPMAP_LINEAR, GL_NEAREST, GL_REPEAT, GL_REPEAT},
        {TexNearest | TexNoMipMaps, GL_NEAREST, GL_NEAREST, GL_REPEAT, GL_REPEAT},
        {TexClampS, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR, GL_CLAMP_TO_EDGE, GL_REPEAT},
        {TexClampT | 0x400, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR, GL_REPEAT, GL_CLAMP_TO_EDGE},
    };
    for (const Case& c : cases) {
        TextureID id = renderer->loadTexture(path.c_str(), c.flags);
        ASSERT_GE(id, 0) << c.flags;
        bindAndCountLevels(id);
        EXPECT_EQ(c.minification, parameter(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER)) << c.flags;
        EXPECT_EQ(c.magnification, parameter(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER)) << c.flags;
        EXPECT_EQ(c.wrapS, parameter(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S)) << c.flags;
        EXPECT_EQ(c.wrapT, parameter(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T)) << c.flags;
    }
}

TEST_F(TextureTest, OddRowWidthsUploadUnskewed) {
    std::string path = writeBmp("odd.bmp", 5, 3);

    TextureID id = renderer->loadTexture(path.c_str(), TexNoMipMaps);

    ASSERT_GE(id, 0);
    bindAndCountLevels(id);
    std::vector<uint8_t> pixels(5 * 3 * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    const Image* image = renderer->textures[id].images[0];
    EXPECT_EQ(0, std::memcmp(pixels.data(), image->getPixels(0), pixels.size()));
}

TEST_F(TextureTest, Dxt5UploadsCompressedOrDecompressedByTheExtensions) {
    std::string path = writeDxt5Dds("alpha.dds");

    TextureID id = renderer->loadTexture(path.c_str(), 0);

    ASSERT_GE(id, 0);
    EXPECT_EQ(4, bindAndCountLevels(id));
    GLint expected = GL_EXT_texture_compression_s3tc_supported ? COMPRESSED_DXT5 : INTERNAL_RGBA8;
    for (int level = 0; level < 4; ++level) {
        EXPECT_EQ(expected, levelParameter(GL_TEXTURE_2D, level, TEXTURE_INTERNAL_FORMAT)) << level;
    }
    const char* hidden = std::getenv("MESA_EXTENSION_OVERRIDE");
    if (hidden != nullptr && std::strstr(hidden, "-GL_EXT_texture_compression_s3tc") != nullptr) {
        EXPECT_FALSE(GL_EXT_texture_compression_s3tc_supported);
        EXPECT_EQ(RGBA8, renderer->textures[id].format);
    }
}

TEST_F(TextureTest, NormalMapsComeOutRgbOrWithHeightRgba) {
    std::string path = writeBmp("height.bmp", 16, 8);
    struct Case {
        unsigned flags;
        GLint internalFormat;
        PixelFormat format;
    };
    const Case cases[] = {
        {TexNormalMap, INTERNAL_RGB8, RGB8},
        {TexNormalMap | TexHeightInAlpha, INTERNAL_RGBA8, RGBA8},
        {TexNormalMap | TexNoMipMaps, INTERNAL_RGB8, RGB8},
    };
    for (const Case& c : cases) {
        TextureID id = renderer->loadTexture(path.c_str(), c.flags);
        ASSERT_GE(id, 0) << c.flags;
        // A normal map always gets the full chain of a 16 x 8 image.
        EXPECT_EQ(5, bindAndCountLevels(id)) << c.flags;
        EXPECT_EQ(c.internalFormat, levelParameter(GL_TEXTURE_2D, 0, TEXTURE_INTERNAL_FORMAT)) << c.flags;
        EXPECT_EQ(c.format, renderer->textures[id].format) << c.flags;
    }
}

TEST_F(TextureTest, OneDimensionalTextureFromTheFirstRow) {
    std::string path = writeBmp("row.bmp", 16, 4);

    TextureID id = renderer->loadTexture(path.c_str(), TexOneDimensional | TexNoMipMaps | TexClampS);

    ASSERT_GE(id, 0);
    EXPECT_EQ(Tex1D, renderer->textures[id].type);
    EXPECT_EQ(1, bindAndCountLevels(id, GL_TEXTURE_1D));
    EXPECT_EQ(16, levelParameter(GL_TEXTURE_1D, 0, GL_TEXTURE_WIDTH));
    EXPECT_EQ(GL_CLAMP_TO_EDGE, parameter(GL_TEXTURE_1D, GL_TEXTURE_WRAP_S));
}

TEST_F(TextureTest, MissingFileGivesMinusOneAndOneLogLine) {
    uint32_t before = messageLog.getCount();

    EXPECT_EQ(-1, renderer->loadTexture("no such picture.bmp", 1792));

    ASSERT_EQ(before + 1, messageLog.getCount());
    EXPECT_STREQ("Couldn't load \"no such picture.bmp\"", messageLog[before]);
    EXPECT_EQ(0u, renderer->textures.getCount());
}

TEST_F(TextureTest, FailedUploadDeletesTheImageAndEntersNothing) {
    // A format without an internal format cannot become a texture.
    Image* image = new Image();
    image->loadFromMemory(static_cast<unsigned char*>(std::calloc(4 * 4, 2)), 4, 4, RGB565, true, false);
    uint32_t before = messageLog.getCount();

    EXPECT_EQ(-1, renderer->addTexture(image, 0));

    EXPECT_EQ(0u, renderer->textures.getCount());
    EXPECT_EQ(before, messageLog.getCount());
}

} // namespace

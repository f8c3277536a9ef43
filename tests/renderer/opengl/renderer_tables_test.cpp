// The portable half of the renderer: selection, the order in which apply drives the state operations,
// the tables and clear, observed through a renderer that only records its virtual calls.
#include "image/image.h"
#include "opengl/renderer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingRenderer : public Renderer {
public:
    explicit RecordingRenderer(int units) {
        nTextureUnits = units;
        initState();
    }

    std::vector<std::string> calls;

    void note(const std::string& call) { calls.push_back(call); }

    bool createRenderTarget(TextureEntry&) override { return false; }
    bool createTexture(TextureEntry&) override { return false; }
    void deleteTexture(TextureEntry& entry) override {
        note("deleteTexture " + std::to_string(entry.glName));
    }
    void resetTextureUnits() override { note("resetTextureUnits"); }
    bool createShader(ShaderEntry&, const char*, const char*) override { return false; }
    void deleteShader(ShaderEntry& entry) override { note("deleteShader " + std::to_string(entry.program)); }
    void setDefaultState() override {}
    void changeRenderTarget(TextureID) override {}
    void resetRenderTarget() override {}
    void assignSamplerUnits() override {
        std::string text = "assignSamplerUnits";
        for (int i = 0; i < nSamplers; i++) {
            text += std::string(" ") + samplerNames[i];
        }
        note(text);
    }
    void changeTextureUnit(int unit) override { note("changeTextureUnit " + std::to_string(unit)); }
    void changeTexture(TextureID id) override { note("changeTexture " + std::to_string(id)); }
    void changeTextureCombine(int color, int alpha) override {
        note("changeTextureCombine " + std::to_string(color) + " " + std::to_string(alpha));
    }
    void changeShader(ShaderID id) override { note("changeShader " + std::to_string(id)); }
    void setUniform1f(const char*, float) override {}
    void setUniform2f(const char*, const vec2&) override {}
    void setUniform3f(const char*, const vec3&) override {}
    void setUniform4f(const char*, const vec4&) override {}
    void setUniformMatrix3(const char*, const float*) override {}
    void setUniformMatrix4(const char*, const mat4&) override {}
    void setUniformArray3f(const char*, const vec3*, int) override {}
    void setUniformArray4f(const char*, const vec4*, int) override {}
    void changeBlending(int src, int dst, int mode) override {
        note("changeBlending " + std::to_string(src) + " " + std::to_string(dst) + " " +
             std::to_string(mode));
    }
    void changeDepthFunc(int f) override { note("changeDepthFunc " + std::to_string(f)); }
    void changeMask(int m) override { note("changeMask " + std::to_string(m)); }
    void setSwapInterval(bool) override {}
    void applyAnisotropy(TextureID id) override { note("applyAnisotropy " + std::to_string(id)); }
};

TextureEntry textureNamed(unsigned glName) {
    TextureEntry entry;
    entry.glName = glName;
    entry.images[0] = new Image;
    return entry;
}

TEST(RendererSelection, ApplyDrivesEveryStateOperationInOrderAndResets) {
    RecordingRenderer renderer(2);
    renderer.setShader(3);
    EXPECT_EQ(1, renderer.setTexture("Base", 7));
    EXPECT_EQ(2, renderer.setTexture("Bump", 8));
    renderer.setBlending(1, 1);
    renderer.apply();
    const std::vector<std::string> expected = {
        "changeShader 3",
        "assignSamplerUnits Base Bump",
        "changeTextureUnit 0",
        "changeTexture 7",
        "changeTextureCombine 0 0",
        "changeTextureUnit 1",
        "changeTexture 8",
        "changeTextureCombine 0 0",
        "changeBlending 1 1 32774",
        "changeDepthFunc 515",
        "changeMask 31",
    };
    EXPECT_EQ(expected, renderer.calls);

    // Every selection is back at its default.
    renderer.calls.clear();
    renderer.apply();
    const std::vector<std::string> defaults = {
        "changeShader -1",
        "assignSamplerUnits",
        "changeTextureUnit 0",
        "changeTexture -1",
        "changeTextureCombine 0 0",
        "changeTextureUnit 1",
        "changeTexture -1",
        "changeTextureCombine 0 0",
        "changeBlending -1 -1 32774",
        "changeDepthFunc 515",
        "changeMask 31",
    };
    EXPECT_EQ(defaults, renderer.calls);
}

TEST(RendererSelection, PlainAndNamedTexturesBothWriteUnitZero) {
    RecordingRenderer renderer(4);
    renderer.setTexture(5);
    renderer.setTexture("Base", 6);
    EXPECT_EQ(6, renderer.selectedTextures[0]);
    EXPECT_EQ(-1, renderer.selectedTextures[1]);
    EXPECT_EQ(1, renderer.nSamplers);
}

TEST(RendererSelection, SamplerNamesBeyondTheLastUnitAreDropped) {
    RecordingRenderer renderer(MAX_TEXTURE_UNITS);
    for (int i = 0; i < MAX_SAMPLERS; i++) {
        EXPECT_EQ(i + 1, renderer.setTexture("s", i));
    }
    EXPECT_EQ(MAX_SAMPLERS, renderer.setTexture("extra", 99));
    EXPECT_EQ(MAX_SAMPLERS - 1, renderer.selectedTextures[MAX_SAMPLERS - 1]);
}

TEST(RendererTables, FreedSlotsAreReusedAndReleaseTheirImages) {
    RecordingRenderer renderer(1);
    EXPECT_EQ(0, renderer.insertTexture(textureNamed(10)));
    EXPECT_EQ(1, renderer.insertTexture(textureNamed(11)));
    EXPECT_EQ(2, renderer.insertTexture(textureNamed(12)));
    renderer.removeTexture(1);
    EXPECT_EQ(0u, renderer.textures[1].glName);
    EXPECT_EQ(nullptr, renderer.textures[1].images[0]);
    EXPECT_EQ(1, renderer.insertTexture(textureNamed(13)));
    EXPECT_EQ(3u, renderer.textures.getCount());

    // A free slot, -1 and a handle past the table are ignored.
    renderer.calls.clear();
    renderer.removeTexture(-1);
    renderer.removeTexture(3);
    renderer.removeTexture(1);
    renderer.removeTexture(1);
    EXPECT_EQ(std::vector<std::string>{"deleteTexture 13"}, renderer.calls);

    EXPECT_EQ(0, renderer.insertShader(ShaderEntry{20, 21, 22}));
    EXPECT_EQ(1, renderer.insertShader(ShaderEntry{30, 31, 32}));
    renderer.removeShader(0);
    EXPECT_EQ(0, renderer.insertShader(ShaderEntry{40, 41, 42}));
    EXPECT_EQ(40u, renderer.shaders[0].program);
    renderer.clear();
}

TEST(RendererTables, InsertionAppliesAnisotropyToTheSlot) {
    RecordingRenderer renderer(1);
    renderer.insertTexture(textureNamed(10));
    renderer.insertTexture(textureNamed(11));
    EXPECT_EQ((std::vector<std::string>{"applyAnisotropy 0", "applyAnisotropy 1"}), renderer.calls);
    renderer.clear();
}

TEST(RendererTables, CubeEntriesReleaseAllSixFaces) {
    RecordingRenderer renderer(1);
    TextureEntry cube;
    cube.glName = 5;
    cube.type = TexCube;
    // One face missing.
    for (int i = 0; i < MAX_TEXTURE_IMAGES; i++) {
        cube.images[i] = i == 3 ? nullptr : new Image;
    }
    renderer.removeTexture(renderer.insertTexture(cube));
    for (Image* face : renderer.textures[0].images) {
        EXPECT_EQ(nullptr, face);
    }
}

TEST(RendererTables, ClearReturnsToDefaultsThenReleasesFromTheLastSlot) {
    RecordingRenderer renderer(1);
    renderer.insertTexture(textureNamed(10));
    renderer.insertTexture(textureNamed(11));
    renderer.insertShader(ShaderEntry{20, 0, 0});
    renderer.insertShader(ShaderEntry{21, 0, 0});
    renderer.setShader(1);
    renderer.calls.clear();
    renderer.clear();
    const std::vector<std::string> expected = {
        "changeShader -1",          "assignSamplerUnits",         "changeTextureUnit 0", "changeTexture -1",
        "changeTextureCombine 0 0", "changeBlending -1 -1 32774", "changeDepthFunc 515", "changeMask 31",
        "resetTextureUnits",        "deleteTexture 11",           "deleteTexture 10",    "deleteShader 21",
        "deleteShader 20",
    };
    EXPECT_EQ(expected, renderer.calls);
}

} // namespace

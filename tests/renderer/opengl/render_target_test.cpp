// Render targets on real WGL pbuffers: drawing into one and sampling it as a texture of the main context.
#include "gl_test_window.h"
#include "opengl/extensions.h"
#include "opengl/opengl_renderer.h"
#include "opengl/render_target_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace {

class RenderTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.isReady());
        initExtensions(window.dc);
        renderer.reset(new OpenGLRenderer(window.dc, window.context));
    }
    void TearDown() override { renderer.reset(); }

    TextureEntry targetEntry(int width, int height, PixelFormat format) {
        TextureEntry entry;
        entry.width = width;
        entry.height = height;
        entry.format = format;
        return entry;
    }

    GLTestWindow window;
    std::unique_ptr<OpenGLRenderer> renderer;
};

TEST_F(RenderTargetTest, DrawnPixelsReachTheBoundTexture) {
    ASSERT_TRUE(WGL_ARB_pbuffer_supported && WGL_ARB_render_texture_supported);
    TextureEntry entry = targetEntry(32, 16, RGB8);
    ASSERT_TRUE(renderer->createRenderTarget(entry));
    EXPECT_TRUE(entry.isRenderTarget);
    ASSERT_NE(nullptr, entry.renderTarget);
    TextureID id = renderer->insertTexture(entry);

    glBindTexture(GL_TEXTURE_2D, entry.glName);
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &value);
    EXPECT_EQ(GL_CLAMP_TO_EDGE, value);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
    EXPECT_EQ(GL_LINEAR, value);

    renderer->changeRenderTarget(id);
    EXPECT_EQ(entry.renderTarget->context, wglGetCurrentContext());
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    uint8_t drawn[4] = {};
    glReadPixels(3, 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, drawn);
    EXPECT_EQ(255, drawn[0]);
    EXPECT_EQ(0, drawn[1]);
    renderer->changeRenderTarget(-1);
    EXPECT_EQ(window.context, wglGetCurrentContext());

    // Binding goes through the render-texture interface; what a bound pbuffer samples is the driver's
    // business (this Wine copies nothing), so only a clean bind and release are checked.
    while (glGetError() != GL_NO_ERROR) {
    }
    renderer->setTexture(id);
    renderer->apply();
    EXPECT_EQ(id, renderer->currentTextures[0]);
    EXPECT_EQ(GL_NO_ERROR, glGetError());

    // Unbinding releases the pbuffer; removing the entry destroys it.
    renderer->setTexture(-1);
    renderer->apply();
    renderer->removeTexture(id);
    EXPECT_EQ(window.context, wglGetCurrentContext());
}

TEST_F(RenderTargetTest, NearestMipmappedTargetAndCompressedRefusal) {
    TextureEntry nearest = targetEntry(16, 16, RGBA8);
    nearest.nearest = true;
    nearest.hasMipMaps = true;
    ASSERT_TRUE(renderer->createRenderTarget(nearest));
    TextureID id = renderer->insertTexture(nearest);
    glBindTexture(GL_TEXTURE_2D, nearest.glName);
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
    EXPECT_EQ(GL_NEAREST_MIPMAP_NEAREST, value);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &value);
    EXPECT_EQ(GL_NEAREST, value);
    renderer->removeTexture(id);

    TextureEntry compressed = targetEntry(16, 16, DXT1);
    EXPECT_FALSE(renderer->createRenderTarget(compressed));
    EXPECT_EQ(nullptr, compressed.renderTarget);
}

TEST_F(RenderTargetTest, MissingExtensionsFailWithoutCallingNullPointers) {
    bool saved = WGL_ARB_pbuffer_supported;
    WGL_ARB_pbuffer_supported = false;
    TextureEntry entry = targetEntry(16, 16, RGBA8);

    EXPECT_FALSE(renderer->createRenderTarget(entry));

    WGL_ARB_pbuffer_supported = saved;
    EXPECT_FALSE(entry.isRenderTarget);
    EXPECT_EQ(0u, entry.glName);
}

} // namespace

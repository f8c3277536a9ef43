// The extension loader on real contexts of the driver behind the platform's WGL.
#include "gl_test_window.h"
#include "opengl/extensions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

// Stands for the value an earlier call stored.
template <typename Function> Function sentinel(uintptr_t value) {
    return reinterpret_cast<Function>(value);
}

TEST(Extensions, FlagsAndEntryPointsDescribeTheCurrentContext) {
    GLTestWindow window;
    ASSERT_TRUE(window.isReady());
    initExtensions(window.dc);

    EXPECT_TRUE(WGL_ARB_extensions_string_supported);
    EXPECT_TRUE(GL_ARB_multitexture_supported);
    EXPECT_TRUE(GL_ARB_shader_objects_supported);
    EXPECT_TRUE(GL_ARB_vertex_buffer_object_supported);
    EXPECT_TRUE(WGL_ARB_pixel_format_supported);
    EXPECT_TRUE(WGL_EXT_swap_control_supported);

    EXPECT_NE(nullptr, glActiveTextureARB);
    EXPECT_NE(nullptr, glClientActiveTextureARB);
    EXPECT_NE(nullptr, glMultiTexCoord4fvARB);
    EXPECT_NE(nullptr, glUseProgramObjectARB);
    EXPECT_NE(nullptr, glGetShaderSourceARB);
    EXPECT_NE(nullptr, glBindBufferARB);
    EXPECT_NE(nullptr, glGetBufferPointervARB);
    EXPECT_NE(nullptr, wglChoosePixelFormatARB);
    EXPECT_NE(nullptr, wglSwapIntervalEXT);

    // The flags agree with the driver's own lists, one by one.
    const char* gl = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    ASSERT_NE(nullptr, gl);
    EXPECT_EQ(isExtensionSupported(gl, "GL_ARB_texture_cube_map"), GL_ARB_texture_cube_map_supported);
    EXPECT_EQ(isExtensionSupported(gl, "GL_EXT_texture_filter_anisotropic"),
              GL_EXT_texture_filter_anisotropic_supported);
    EXPECT_EQ(isExtensionSupported(gl, "GL_EXT_texture_edge_clamp") ||
                  isExtensionSupported(gl, "GL_SGIS_texture_edge_clamp"),
              GL_EXT_texture_edge_clamp_supported);
    EXPECT_EQ(isExtensionSupported(gl, "GL_ARB_vertex_shader"), GL_ARB_vertex_shader_supported);
    if (GL_ARB_vertex_shader_supported || GL_ARB_vertex_program_supported) {
        EXPECT_NE(nullptr, glVertexAttribPointerARB);
    }
    if (GL_ARB_vertex_program_supported || GL_ARB_fragment_program_supported) {
        EXPECT_NE(nullptr, glProgramStringARB);
    }
    if (GL_EXT_blend_minmax_supported || GL_EXT_blend_subtract_supported) {
        EXPECT_NE(nullptr, glBlendEquationEXT);
    }

    // The pointers reach the driver: a unit switch through them is seen by the context.
    glActiveTextureARB(GL_TEXTURE0_ARB + 1);
    GLint active = 0;
    glGetIntegerv(0x84E0 /* GL_ACTIVE_TEXTURE_ARB */, &active);
    EXPECT_EQ(GL_TEXTURE0_ARB + 1, active);
    glActiveTextureARB(GL_TEXTURE0_ARB);
}

TEST(Extensions, ASecondCallOnTheSameContextChangesNothing) {
    GLTestWindow window;
    ASSERT_TRUE(window.isReady());
    initExtensions(window.dc);
    const bool multitexture = GL_ARB_multitexture_supported;
    const bool pixelFormat = WGL_ARB_pixel_format_supported;
    PFNGLACTIVETEXTUREARBPROC activeTexture = glActiveTextureARB;
    initExtensions(window.dc);
    EXPECT_EQ(multitexture, GL_ARB_multitexture_supported);
    EXPECT_EQ(pixelFormat, WGL_ARB_pixel_format_supported);
    EXPECT_EQ(activeTexture, glActiveTextureARB);
}

// Runs in its own test entry whose driver hides GL_ARB_occlusion_query through the driver's override
// variable (the driver refuses to hide extensions it treats as core, GL_ARB_multitexture among them).
// The flag and pointers are first put in the state an earlier call on a context with the extension
// would have left.
TEST(Extensions, ExtensionHiddenByTheDriverClearsOnlyItsFlag) {
    const char* override = getenv("MESA_EXTENSION_OVERRIDE");
    if (override == nullptr || strstr(override, "-GL_ARB_occlusion_query") == nullptr) {
        GTEST_SKIP() << "needs MESA_EXTENSION_OVERRIDE=-GL_ARB_occlusion_query (its own test entry)";
    }
    GLTestWindow window;
    ASSERT_TRUE(window.isReady());
    GL_ARB_occlusion_query_supported = true;
    glGenQueriesARB = sentinel<PFNGLGENQUERIESARBPROC>(0x1234560);
    glGetQueryObjectuivARB = sentinel<PFNGLGETQUERYOBJECTUIVARBPROC>(0x1234570);
    initExtensions(window.dc);
    EXPECT_FALSE(GL_ARB_occlusion_query_supported);
    EXPECT_EQ(sentinel<PFNGLGENQUERIESARBPROC>(0x1234560), glGenQueriesARB);
    EXPECT_EQ(sentinel<PFNGLGETQUERYOBJECTUIVARBPROC>(0x1234570), glGetQueryObjectuivARB);
    // The others are still read from the same context.
    EXPECT_TRUE(GL_ARB_multitexture_supported);
    EXPECT_NE(nullptr, glActiveTextureARB);
    EXPECT_TRUE(WGL_ARB_pixel_format_supported);
}

// The same entry hides both extensions that share the generic vertex-attribute functions, but not the
// fragment-program one that shares the assembly-program functions with one of them. A fresh process has
// fetched nothing before.
TEST(Extensions, SharedEntryPointsFollowEitherOfTheirExtensions) {
    const char* override = getenv("MESA_EXTENSION_OVERRIDE");
    if (override == nullptr || strstr(override, "-GL_ARB_vertex_shader") == nullptr) {
        GTEST_SKIP() << "needs the vertex extensions hidden (its own test entry)";
    }
    GLTestWindow window;
    ASSERT_TRUE(window.isReady());
    initExtensions(window.dc);
    EXPECT_FALSE(GL_ARB_vertex_program_supported);
    EXPECT_FALSE(GL_ARB_vertex_shader_supported);
    ASSERT_TRUE(GL_ARB_fragment_program_supported);
    EXPECT_NE(nullptr, glProgramStringARB);
    EXPECT_NE(nullptr, glIsProgramARB);
    EXPECT_EQ(nullptr, glVertexAttribPointerARB);
    EXPECT_EQ(nullptr, glGetVertexAttribPointervARB);
    EXPECT_EQ(nullptr, glBindAttribLocationARB);
}

TEST(Extensions, PresentExtensionIsFetchedOverEarlierValues) {
    GLTestWindow window;
    ASSERT_TRUE(window.isReady());
    initExtensions(window.dc);
    if (!GL_ARB_occlusion_query_supported) {
        GTEST_SKIP() << "the driver hides GL_ARB_occlusion_query in this entry";
    }
    PFNGLGENQUERIESARBPROC fetched = glGenQueriesARB;
    glGenQueriesARB = sentinel<PFNGLGENQUERIESARBPROC>(0x1234560);
    initExtensions(window.dc);
    EXPECT_EQ(fetched, glGenQueriesARB);
}

} // namespace

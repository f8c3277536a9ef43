#include "opengl/extension_string.h"

#include <gtest/gtest.h>

namespace {

struct MatchCase {
    const char* extensions;
    const char* name;
    bool expected;
};

TEST(ExtensionString, MatchesWholeEntriesOnly) {
    const char* shadowPair = "GL_ARB_shadow_ambient GL_ARB_multitexture";
    const MatchCase cases[] = {
        // The only occurrence of the shorter name is followed by an underscore.
        {shadowPair, "GL_ARB_shadow", false},
        {shadowPair, "GL_ARB_shadow_ambient", true},
        {shadowPair, "GL_ARB_multitexture", true},
        // A later whole occurrence still counts after a partial one.
        {"GL_ARB_shadow_ambient GL_ARB_shadow", "GL_ARB_shadow", true},
        {"GL_ARB_shadow_ambient GL_ARB_shadow ", "GL_ARB_shadow", true},
        {"GL_ARB_multitexture", "GL_ARB_multitexture", true},
        {"GL_ARB_multitexture ", "GL_ARB_multitexture", true},
        {"", "GL_ARB_multitexture", false},
        {nullptr, "GL_ARB_multitexture", false},
        {"GL_ARB_multitextur", "GL_ARB_multitexture", false},
        {"gl_arb_multitexture", "GL_ARB_multitexture", false},
        // Only the character behind decides: a longer name ending in the searched one matches.
        {"XGL_ARB_shadow", "GL_ARB_shadow", true},
        // WGL names listed in the GL string are found there like any other.
        {"GL_ARB_multitexture WGL_ARB_pixel_format WGL_EXT_swap_control", "WGL_EXT_swap_control", true},
        {"GL_EXT_texture_edge_clamp", "GL_EXT_texture_edge_clamp", true},
        {"GL_SGIS_texture_edge_clamp", "GL_SGIS_texture_edge_clamp", true},
        {"GL_SGIS_texture_edge_clamp", "GL_EXT_texture_edge_clamp", false},
        // An empty name would otherwise match at every position without ever advancing.
        {"GL_ARB_multitexture", "", false},
        {"GL_ARB_multitexture", nullptr, false},
    };
    for (const MatchCase& c : cases) {
        EXPECT_EQ(c.expected, isExtensionSupported(c.extensions, c.name))
            << "\"" << (c.extensions ? c.extensions : "(null)") << "\" / " << (c.name ? c.name : "(null)");
    }
}

} // namespace

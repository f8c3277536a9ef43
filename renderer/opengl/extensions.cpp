#include "opengl/extensions.h"

bool GL_ARB_depth_texture_supported = false;
bool GL_ARB_fragment_program_supported = false;
bool GL_ARB_fragment_shader_supported = false;
bool GL_ARB_multisample_supported = false;
bool GL_ARB_multitexture_supported = false;
bool GL_ARB_occlusion_query_supported = false;
bool GL_ARB_shader_objects_supported = false;
bool GL_ARB_shading_language_100_supported = false;
bool GL_ARB_shadow_supported = false;
bool GL_ARB_shadow_ambient_supported = false;
bool GL_ARB_texture_compression_supported = false;
bool GL_ARB_texture_cube_map_supported = false;
bool GL_ARB_texture_env_add_supported = false;
bool GL_ARB_texture_env_combine_supported = false;
bool GL_ARB_texture_env_crossbar_supported = false;
bool GL_ARB_texture_env_dot3_supported = false;
bool GL_ARB_transpose_matrix_supported = false;
bool GL_ARB_vertex_blend_supported = false;
bool GL_ARB_vertex_buffer_object_supported = false;
bool GL_ARB_vertex_program_supported = false;
bool GL_ARB_vertex_shader_supported = false;
bool GL_ATI_envmap_bumpmap_supported = false;
bool GL_ATI_fragment_shader_supported = false;
bool GL_ATI_pn_triangles_supported = false;
bool GL_ATI_texture_compression_3dc_supported = false;
bool GL_ATI_texture_float_supported = false;
bool GL_ATI_texture_mirror_once_supported = false;
bool GL_ATI_vertex_streams_supported = false;
bool GL_EXT_blend_color_supported = false;
bool GL_EXT_blend_func_separate_supported = false;
bool GL_EXT_blend_minmax_supported = false;
bool GL_EXT_blend_subtract_supported = false;
bool GL_EXT_draw_range_elements_supported = false;
bool GL_EXT_fog_coord_supported = false;
bool GL_EXT_packed_pixels_supported = false;
bool GL_EXT_polygon_offset_supported = false;
bool GL_EXT_separate_specular_color_supported = false;
bool GL_EXT_stencil_wrap_supported = false;
bool GL_EXT_texture3D_supported = false;
bool GL_EXT_texture_compression_s3tc_supported = false;
bool GL_EXT_texture_edge_clamp_supported = false;
bool GL_EXT_texture_filter_anisotropic_supported = false;
bool GL_EXT_texture_lod_bias_supported = false;
bool GL_EXT_texture_rectangle_supported = false;
bool GL_HP_occlusion_test_supported = false;
bool GL_NV_blend_square_supported = false;
bool GL_NV_occlusion_query_supported = false;
bool GL_NV_register_combiners_supported = false;
bool GL_NV_texture_env_combine4_supported = false;
bool GL_SGIS_generate_mipmap_supported = false;
bool WGL_ARB_pbuffer_supported = false;
bool WGL_ARB_pixel_format_supported = false;
bool WGL_ARB_make_current_read_supported = false;
bool WGL_ARB_multisample_supported = false;
bool WGL_ARB_render_texture_supported = false;
bool WGL_ATI_pixel_format_float_supported = false;
bool WGL_EXT_swap_control_supported = false;
bool WGL_ARB_extensions_string_supported = false;

#define ZANDREL_DEFINE_ENTRY_POINT(type, name) type name = nullptr;
ALL_ENTRY_POINTS(ZANDREL_DEFINE_ENTRY_POINT)
#undef ZANDREL_DEFINE_ENTRY_POINT

namespace {

template <typename Function> void fetch(Function& pointer, const char* name) {
    // Through the generic function type: the returned PROC has another signature than the entry point.
    pointer = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

#define FETCH_ENTRY_POINT(type, name) fetch(name, #name);

const char* readWglExtensionString(HDC dc) {
    fetch(wglGetExtensionsStringARB, "wglGetExtensionsStringARB");
    if (wglGetExtensionsStringARB != nullptr) {
        WGL_ARB_extensions_string_supported = true;
        return wglGetExtensionsStringARB(dc);
    }
    fetch(wglGetExtensionsStringEXT, "wglGetExtensionsStringEXT");
    if (wglGetExtensionsStringEXT != nullptr) {
        WGL_ARB_extensions_string_supported = true;
        return wglGetExtensionsStringEXT();
    }
    return nullptr;
}

} // namespace

void initExtensions(HDC dc) {
    const char* wglString = readWglExtensionString(dc);
    const char* glString = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));

    GL_ARB_depth_texture_supported = isExtensionSupported(glString, "GL_ARB_depth_texture");
    GL_ARB_fragment_program_supported = isExtensionSupported(glString, "GL_ARB_fragment_program");
    GL_ARB_fragment_shader_supported = isExtensionSupported(glString, "GL_ARB_fragment_shader");
    GL_ARB_multisample_supported = isExtensionSupported(glString, "GL_ARB_multisample");
    if (GL_ARB_multisample_supported) {
        GL_ARB_multisample_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_ARB_multitexture_supported = isExtensionSupported(glString, "GL_ARB_multitexture");
    if (GL_ARB_multitexture_supported) {
        GL_ARB_multitexture_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_ARB_occlusion_query_supported = isExtensionSupported(glString, "GL_ARB_occlusion_query");
    if (GL_ARB_occlusion_query_supported) {
        GL_ARB_occlusion_query_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_ARB_shader_objects_supported = isExtensionSupported(glString, "GL_ARB_shader_objects");
    if (GL_ARB_shader_objects_supported) {
        GL_ARB_shader_objects_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_ARB_shading_language_100_supported = isExtensionSupported(glString, "GL_ARB_shading_language_100");
    GL_ARB_shadow_supported = isExtensionSupported(glString, "GL_ARB_shadow");
    GL_ARB_shadow_ambient_supported = isExtensionSupported(glString, "GL_ARB_shadow_ambient");
    GL_ARB_texture_compression_supported = isExtensionSupported(glString, "GL_ARB_texture_compression");
    if (GL_ARB_texture_compression_supported) {
        GL_ARB_texture_compression_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_ARB_texture_cube_map_supported = isExtensionSupported(glString, "GL_ARB_texture_cube_map");
    GL_ARB_texture_env_add_supported = isExtensionSupported(glString, "GL_ARB_texture_env_add");
    GL_ARB_texture_env_combine_supported = isExtensionSupported(glString, "GL_ARB_texture_env_combine");
    GL_ARB_texture_env_crossbar_supported = isExtensionSupported(glString, "GL_ARB_texture_env_crossbar");
    GL_ARB_texture_env_dot3_supported = isExtensionSupported(glString, "GL_ARB_texture_env_dot3");
    GL_ARB_transpose_matrix_supported = isExtensionSupported(glString, "GL_ARB_transpose_matrix");
    if (GL_ARB_transpose_matrix_supported) {
        GL_ARB_transpose_matrix_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_ARB_vertex_blend_supported = isExtensionSupported(glString, "GL_ARB_vertex_blend");
    if (GL_ARB_vertex_blend_supported) {
        GL_ARB_vertex_blend_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_ARB_vertex_buffer_object_supported = isExtensionSupported(glString, "GL_ARB_vertex_buffer_object");
    if (GL_ARB_vertex_buffer_object_supported) {
        GL_ARB_vertex_buffer_object_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_ARB_vertex_program_supported = isExtensionSupported(glString, "GL_ARB_vertex_program");
    if (GL_ARB_vertex_program_supported || GL_ARB_fragment_program_supported) {
        ASSEMBLY_PROGRAM_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_ARB_vertex_shader_supported = isExtensionSupported(glString, "GL_ARB_vertex_shader");
    if (GL_ARB_vertex_shader_supported) {
        GL_ARB_vertex_shader_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    if (GL_ARB_vertex_program_supported || GL_ARB_vertex_shader_supported) {
        VERTEX_ATTRIB_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_ATI_envmap_bumpmap_supported = isExtensionSupported(glString, "GL_ATI_envmap_bumpmap");
    if (GL_ATI_envmap_bumpmap_supported) {
        GL_ATI_envmap_bumpmap_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_ATI_fragment_shader_supported = isExtensionSupported(glString, "GL_ATI_fragment_shader");
    if (GL_ATI_fragment_shader_supported) {
        GL_ATI_fragment_shader_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_ATI_pn_triangles_supported = isExtensionSupported(glString, "GL_ATI_pn_triangles");
    if (GL_ATI_pn_triangles_supported) {
        GL_ATI_pn_triangles_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_ATI_texture_compression_3dc_supported =
        isExtensionSupported(glString, "GL_ATI_texture_compression_3dc");
    GL_ATI_texture_float_supported = isExtensionSupported(glString, "GL_ATI_texture_float");
    GL_ATI_texture_mirror_once_supported = isExtensionSupported(glString, "GL_ATI_texture_mirror_once");
    GL_ATI_vertex_streams_supported = isExtensionSupported(glString, "GL_ATI_vertex_streams");
    if (GL_ATI_vertex_streams_supported) {
        GL_ATI_vertex_streams_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_EXT_blend_color_supported = isExtensionSupported(glString, "GL_EXT_blend_color");
    if (GL_EXT_blend_color_supported) {
        GL_EXT_blend_color_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_EXT_blend_func_separate_supported = isExtensionSupported(glString, "GL_EXT_blend_func_separate");
    if (GL_EXT_blend_func_separate_supported) {
        GL_EXT_blend_func_separate_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_EXT_blend_minmax_supported = isExtensionSupported(glString, "GL_EXT_blend_minmax");
    GL_EXT_blend_subtract_supported = isExtensionSupported(glString, "GL_EXT_blend_subtract");
    if (GL_EXT_blend_minmax_supported || GL_EXT_blend_subtract_supported) {
        BLEND_EQUATION_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_EXT_draw_range_elements_supported = isExtensionSupported(glString, "GL_EXT_draw_range_elements");
    if (GL_EXT_draw_range_elements_supported) {
        GL_EXT_draw_range_elements_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_EXT_fog_coord_supported = isExtensionSupported(glString, "GL_EXT_fog_coord");
    if (GL_EXT_fog_coord_supported) {
        GL_EXT_fog_coord_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_EXT_packed_pixels_supported = isExtensionSupported(glString, "GL_EXT_packed_pixels");
    GL_EXT_polygon_offset_supported = isExtensionSupported(glString, "GL_EXT_polygon_offset");
    if (GL_EXT_polygon_offset_supported) {
        GL_EXT_polygon_offset_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_EXT_separate_specular_color_supported =
        isExtensionSupported(glString, "GL_EXT_separate_specular_color");
    GL_EXT_stencil_wrap_supported = isExtensionSupported(glString, "GL_EXT_stencil_wrap");
    GL_EXT_texture3D_supported = isExtensionSupported(glString, "GL_EXT_texture3D");
    if (GL_EXT_texture3D_supported) {
        GL_EXT_texture3D_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_EXT_texture_compression_s3tc_supported =
        isExtensionSupported(glString, "GL_EXT_texture_compression_s3tc");
    GL_EXT_texture_edge_clamp_supported = isExtensionSupported(glString, "GL_EXT_texture_edge_clamp") ||
                                          isExtensionSupported(glString, "GL_SGIS_texture_edge_clamp");
    GL_EXT_texture_filter_anisotropic_supported =
        isExtensionSupported(glString, "GL_EXT_texture_filter_anisotropic");
    GL_EXT_texture_lod_bias_supported = isExtensionSupported(glString, "GL_EXT_texture_lod_bias");
    GL_EXT_texture_rectangle_supported = isExtensionSupported(glString, "GL_EXT_texture_rectangle");
    GL_HP_occlusion_test_supported = isExtensionSupported(glString, "GL_HP_occlusion_test");
    GL_NV_blend_square_supported = isExtensionSupported(glString, "GL_NV_blend_square");
    GL_NV_occlusion_query_supported = isExtensionSupported(glString, "GL_NV_occlusion_query");
    if (GL_NV_occlusion_query_supported) {
        GL_NV_occlusion_query_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_NV_register_combiners_supported = isExtensionSupported(glString, "GL_NV_register_combiners");
    if (GL_NV_register_combiners_supported) {
        GL_NV_register_combiners_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    GL_NV_texture_env_combine4_supported = isExtensionSupported(glString, "GL_NV_texture_env_combine4");
    GL_SGIS_generate_mipmap_supported = isExtensionSupported(glString, "GL_SGIS_generate_mipmap");

    // Some drivers list their WGL extensions in the GL string only.
    WGL_ARB_pbuffer_supported = isExtensionSupported(wglString, "WGL_ARB_pbuffer") ||
                                isExtensionSupported(glString, "WGL_ARB_pbuffer");
    if (WGL_ARB_pbuffer_supported) {
        WGL_ARB_pbuffer_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    WGL_ARB_pixel_format_supported = isExtensionSupported(wglString, "WGL_ARB_pixel_format") ||
                                     isExtensionSupported(glString, "WGL_ARB_pixel_format");
    if (WGL_ARB_pixel_format_supported) {
        WGL_ARB_pixel_format_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    WGL_ARB_make_current_read_supported = isExtensionSupported(wglString, "WGL_ARB_make_current_read") ||
                                          isExtensionSupported(glString, "WGL_ARB_make_current_read");
    if (WGL_ARB_make_current_read_supported) {
        WGL_ARB_make_current_read_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    WGL_ARB_multisample_supported = isExtensionSupported(wglString, "WGL_ARB_multisample") ||
                                    isExtensionSupported(glString, "WGL_ARB_multisample");
    WGL_ARB_render_texture_supported = isExtensionSupported(wglString, "WGL_ARB_render_texture") ||
                                       isExtensionSupported(glString, "WGL_ARB_render_texture");
    if (WGL_ARB_render_texture_supported) {
        WGL_ARB_render_texture_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
    WGL_ATI_pixel_format_float_supported = isExtensionSupported(wglString, "WGL_ATI_pixel_format_float") ||
                                           isExtensionSupported(glString, "WGL_ATI_pixel_format_float");
    WGL_EXT_swap_control_supported = isExtensionSupported(wglString, "WGL_EXT_swap_control") ||
                                     isExtensionSupported(glString, "WGL_EXT_swap_control");
    if (WGL_EXT_swap_control_supported) {
        WGL_EXT_swap_control_ENTRY_POINTS(FETCH_ENTRY_POINT)
    }
}

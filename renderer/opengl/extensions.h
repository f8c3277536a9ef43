#pragma once

// Extension flags and entry points of the current rendering context. Win32 only.

#include "opengl/extension_entry_points.h"
#include "opengl/extension_string.h"
#include "opengl/gl_entry_point_types.h"

// Reads the extension strings of the context current on this thread, sets every flag anew and fetches the
// entry points of the extensions present. Pointers of absent extensions keep their earlier values.
void initExtensions(HDC dc);

// One flag per extension; GL_SGIS_texture_edge_clamp shares the flag of GL_EXT_texture_edge_clamp.
extern bool GL_ARB_depth_texture_supported;
extern bool GL_ARB_fragment_program_supported;
extern bool GL_ARB_fragment_shader_supported;
extern bool GL_ARB_multisample_supported;
extern bool GL_ARB_multitexture_supported;
extern bool GL_ARB_occlusion_query_supported;
extern bool GL_ARB_shader_objects_supported;
extern bool GL_ARB_shading_language_100_supported;
extern bool GL_ARB_shadow_supported;
extern bool GL_ARB_shadow_ambient_supported;
extern bool GL_ARB_texture_compression_supported;
extern bool GL_ARB_texture_cube_map_supported;
extern bool GL_ARB_texture_env_add_supported;
extern bool GL_ARB_texture_env_combine_supported;
extern bool GL_ARB_texture_env_crossbar_supported;
extern bool GL_ARB_texture_env_dot3_supported;
extern bool GL_ARB_transpose_matrix_supported;
extern bool GL_ARB_vertex_blend_supported;
extern bool GL_ARB_vertex_buffer_object_supported;
extern bool GL_ARB_vertex_program_supported;
extern bool GL_ARB_vertex_shader_supported;
extern bool GL_ATI_envmap_bumpmap_supported;
extern bool GL_ATI_fragment_shader_supported;
extern bool GL_ATI_pn_triangles_supported;
extern bool GL_ATI_texture_compression_3dc_supported;
extern bool GL_ATI_texture_float_supported;
extern bool GL_ATI_texture_mirror_once_supported;
extern bool GL_ATI_vertex_streams_supported;
extern bool GL_EXT_blend_color_supported;
extern bool GL_EXT_blend_func_separate_supported;
extern bool GL_EXT_blend_minmax_supported;
extern bool GL_EXT_blend_subtract_supported;
extern bool GL_EXT_draw_range_elements_supported;
extern bool GL_EXT_fog_coord_supported;
extern bool GL_EXT_packed_pixels_supported;
extern bool GL_EXT_polygon_offset_supported;
extern bool GL_EXT_separate_specular_color_supported;
extern bool GL_EXT_stencil_wrap_supported;
extern bool GL_EXT_texture3D_supported;
extern bool GL_EXT_texture_compression_s3tc_supported;
extern bool GL_EXT_texture_edge_clamp_supported;
extern bool GL_EXT_texture_filter_anisotropic_supported;
extern bool GL_EXT_texture_lod_bias_supported;
extern bool GL_EXT_texture_rectangle_supported;
extern bool GL_HP_occlusion_test_supported;
extern bool GL_NV_blend_square_supported;
extern bool GL_NV_occlusion_query_supported;
extern bool GL_NV_register_combiners_supported;
extern bool GL_NV_texture_env_combine4_supported;
extern bool GL_SGIS_generate_mipmap_supported;
extern bool WGL_ARB_pbuffer_supported;
extern bool WGL_ARB_pixel_format_supported;
extern bool WGL_ARB_make_current_read_supported;
extern bool WGL_ARB_multisample_supported;
extern bool WGL_ARB_render_texture_supported;
extern bool WGL_ATI_pixel_format_float_supported;
extern bool WGL_EXT_swap_control_supported;

// Set once a WGL extension-string function has been found; never cleared.
extern bool WGL_ARB_extensions_string_supported;

#define ZANDREL_DECLARE_ENTRY_POINT(type, name) extern type name;
ALL_ENTRY_POINTS(ZANDREL_DECLARE_ENTRY_POINT)
#undef ZANDREL_DECLARE_ENTRY_POINT

#pragma once

// The entry points fetched per extension (or per group of extensions sharing them), in fetch order,
// as lists of X(type, name) for declaring, defining and fetching the global pointers.

#define GL_ARB_multisample_ENTRY_POINTS(X) X(PFNGLSAMPLECOVERAGEARBPROC, glSampleCoverageARB)

#define GL_ARB_multitexture_ENTRY_POINTS(X)                                                                  \
    X(PFNGLACTIVETEXTUREARBPROC, glActiveTextureARB)                                                         \
    X(PFNGLCLIENTACTIVETEXTUREARBPROC, glClientActiveTextureARB)                                             \
    X(PFNGLMULTITEXCOORD1FARBPROC, glMultiTexCoord1fARB)                                                     \
    X(PFNGLMULTITEXCOORD1FVARBPROC, glMultiTexCoord1fvARB)                                                   \
    X(PFNGLMULTITEXCOORD2FARBPROC, glMultiTexCoord2fARB)                                                     \
    X(PFNGLMULTITEXCOORD2FVARBPROC, glMultiTexCoord2fvARB)                                                   \
    X(PFNGLMULTITEXCOORD3FARBPROC, glMultiTexCoord3fARB)                                                     \
    X(PFNGLMULTITEXCOORD3FVARBPROC, glMultiTexCoord3fvARB)                                                   \
    X(PFNGLMULTITEXCOORD4FARBPROC, glMultiTexCoord4fARB)                                                     \
    X(PFNGLMULTITEXCOORD4FVARBPROC, glMultiTexCoord4fvARB)

#define GL_ARB_occlusion_query_ENTRY_POINTS(X)                                                               \
    X(PFNGLGENQUERIESARBPROC, glGenQueriesARB)                                                               \
    X(PFNGLDELETEQUERIESARBPROC, glDeleteQueriesARB)                                                         \
    X(PFNGLISQUERYARBPROC, glIsQueryARB)                                                                     \
    X(PFNGLBEGINQUERYARBPROC, glBeginQueryARB)                                                               \
    X(PFNGLENDQUERYARBPROC, glEndQueryARB)                                                                   \
    X(PFNGLGETQUERYIVARBPROC, glGetQueryivARB)                                                               \
    X(PFNGLGETQUERYOBJECTIVARBPROC, glGetQueryObjectivARB)                                                   \
    X(PFNGLGETQUERYOBJECTUIVARBPROC, glGetQueryObjectuivARB)

#define GL_ARB_shader_objects_ENTRY_POINTS(X)                                                                \
    X(PFNGLDELETEOBJECTARBPROC, glDeleteObjectARB)                                                           \
    X(PFNGLGETHANDLEARBPROC, glGetHandleARB)                                                                 \
    X(PFNGLDETACHOBJECTARBPROC, glDetachObjectARB)                                                           \
    X(PFNGLCREATESHADEROBJECTARBPROC, glCreateShaderObjectARB)                                               \
    X(PFNGLSHADERSOURCEARBPROC, glShaderSourceARB)                                                           \
    X(PFNGLCOMPILESHADERARBPROC, glCompileShaderARB)                                                         \
    X(PFNGLCREATEPROGRAMOBJECTARBPROC, glCreateProgramObjectARB)                                             \
    X(PFNGLATTACHOBJECTARBPROC, glAttachObjectARB)                                                           \
    X(PFNGLLINKPROGRAMARBPROC, glLinkProgramARB)                                                             \
    X(PFNGLUSEPROGRAMOBJECTARBPROC, glUseProgramObjectARB)                                                   \
    X(PFNGLVALIDATEPROGRAMARBPROC, glValidateProgramARB)                                                     \
    X(PFNGLUNIFORM1FARBPROC, glUniform1fARB)                                                                 \
    X(PFNGLUNIFORM2FARBPROC, glUniform2fARB)                                                                 \
    X(PFNGLUNIFORM3FARBPROC, glUniform3fARB)                                                                 \
    X(PFNGLUNIFORM4FARBPROC, glUniform4fARB)                                                                 \
    X(PFNGLUNIFORM1IARBPROC, glUniform1iARB)                                                                 \
    X(PFNGLUNIFORM2IARBPROC, glUniform2iARB)                                                                 \
    X(PFNGLUNIFORM3IARBPROC, glUniform3iARB)                                                                 \
    X(PFNGLUNIFORM4IARBPROC, glUniform4iARB)                                                                 \
    X(PFNGLUNIFORM1FVARBPROC, glUniform1fvARB)                                                               \
    X(PFNGLUNIFORM2FVARBPROC, glUniform2fvARB)                                                               \
    X(PFNGLUNIFORM3FVARBPROC, glUniform3fvARB)                                                               \
    X(PFNGLUNIFORM4FVARBPROC, glUniform4fvARB)                                                               \
    X(PFNGLUNIFORM1IVARBPROC, glUniform1ivARB)                                                               \
    X(PFNGLUNIFORM2IVARBPROC, glUniform2ivARB)                                                               \
    X(PFNGLUNIFORM3IVARBPROC, glUniform3ivARB)                                                               \
    X(PFNGLUNIFORM4IVARBPROC, glUniform4ivARB)                                                               \
    X(PFNGLUNIFORMMATRIX2FVARBPROC, glUniformMatrix2fvARB)                                                   \
    X(PFNGLUNIFORMMATRIX3FVARBPROC, glUniformMatrix3fvARB)                                                   \
    X(PFNGLUNIFORMMATRIX4FVARBPROC, glUniformMatrix4fvARB)                                                   \
    X(PFNGLGETOBJECTPARAMETERFVARBPROC, glGetObjectParameterfvARB)                                           \
    X(PFNGLGETOBJECTPARAMETERIVARBPROC, glGetObjectParameterivARB)                                           \
    X(PFNGLGETINFOLOGARBPROC, glGetInfoLogARB)                                                               \
    X(PFNGLGETATTACHEDOBJECTSARBPROC, glGetAttachedObjectsARB)                                               \
    X(PFNGLGETUNIFORMLOCATIONARBPROC, glGetUniformLocationARB)                                               \
    X(PFNGLGETACTIVEUNIFORMARBPROC, glGetActiveUniformARB)                                                   \
    X(PFNGLGETUNIFORMFVARBPROC, glGetUniformfvARB)                                                           \
    X(PFNGLGETUNIFORMIVARBPROC, glGetUniformivARB)                                                           \
    X(PFNGLGETSHADERSOURCEARBPROC, glGetShaderSourceARB)

#define GL_ARB_texture_compression_ENTRY_POINTS(X)                                                           \
    X(PFNGLCOMPRESSEDTEXIMAGE1DARBPROC, glCompressedTexImage1DARB)                                           \
    X(PFNGLCOMPRESSEDTEXIMAGE2DARBPROC, glCompressedTexImage2DARB)                                           \
    X(PFNGLCOMPRESSEDTEXIMAGE3DARBPROC, glCompressedTexImage3DARB)                                           \
    X(PFNGLCOMPRESSEDTEXSUBIMAGE1DARBPROC, glCompressedTexSubImage1DARB)                                     \
    X(PFNGLCOMPRESSEDTEXSUBIMAGE2DARBPROC, glCompressedTexSubImage2DARB)                                     \
    X(PFNGLCOMPRESSEDTEXSUBIMAGE3DARBPROC, glCompressedTexSubImage3DARB)                                     \
    X(PFNGLGETCOMPRESSEDTEXIMAGEARBPROC, glGetCompressedTexImageARB)

#define GL_ARB_transpose_matrix_ENTRY_POINTS(X)                                                              \
    X(PFNGLLOADTRANSPOSEMATRIXFARBPROC, glLoadTransposeMatrixfARB)                                           \
    X(PFNGLLOADTRANSPOSEMATRIXDARBPROC, glLoadTransposeMatrixdARB)                                           \
    X(PFNGLMULTTRANSPOSEMATRIXFARBPROC, glMultTransposeMatrixfARB)                                           \
    X(PFNGLMULTTRANSPOSEMATRIXDARBPROC, glMultTransposeMatrixdARB)

#define GL_ARB_vertex_blend_ENTRY_POINTS(X)                                                                  \
    X(PFNGLWEIGHTBVARBPROC, glWeightbvARB)                                                                   \
    X(PFNGLWEIGHTSVARBPROC, glWeightsvARB)                                                                   \
    X(PFNGLWEIGHTIVARBPROC, glWeightivARB)                                                                   \
    X(PFNGLWEIGHTFVARBPROC, glWeightfvARB)                                                                   \
    X(PFNGLWEIGHTDVARBPROC, glWeightdvARB)                                                                   \
    X(PFNGLWEIGHTUBVARBPROC, glWeightubvARB)                                                                 \
    X(PFNGLWEIGHTUSVARBPROC, glWeightusvARB)                                                                 \
    X(PFNGLWEIGHTUIVARBPROC, glWeightuivARB)                                                                 \
    X(PFNGLWEIGHTPOINTERARBPROC, glWeightPointerARB)                                                         \
    X(PFNGLVERTEXBLENDARBPROC, glVertexBlendARB)

#define GL_ARB_vertex_buffer_object_ENTRY_POINTS(X)                                                          \
    X(PFNGLBINDBUFFERARBPROC, glBindBufferARB)                                                               \
    X(PFNGLDELETEBUFFERSARBPROC, glDeleteBuffersARB)                                                         \
    X(PFNGLGENBUFFERSARBPROC, glGenBuffersARB)                                                               \
    X(PFNGLISBUFFERARBPROC, glIsBufferARB)                                                                   \
    X(PFNGLBUFFERDATAARBPROC, glBufferDataARB)                                                               \
    X(PFNGLBUFFERSUBDATAARBPROC, glBufferSubDataARB)                                                         \
    X(PFNGLGETBUFFERSUBDATAARBPROC, glGetBufferSubDataARB)                                                   \
    X(PFNGLMAPBUFFERARBPROC, glMapBufferARB)                                                                 \
    X(PFNGLUNMAPBUFFERARBPROC, glUnmapBufferARB)                                                             \
    X(PFNGLGETBUFFERPARAMETERIVARBPROC, glGetBufferParameterivARB)                                           \
    X(PFNGLGETBUFFERPOINTERVARBPROC, glGetBufferPointervARB)

#define ASSEMBLY_PROGRAM_ENTRY_POINTS(X)                                                                     \
    X(PFNGLPROGRAMSTRINGARBPROC, glProgramStringARB)                                                         \
    X(PFNGLBINDPROGRAMARBPROC, glBindProgramARB)                                                             \
    X(PFNGLDELETEPROGRAMSARBPROC, glDeleteProgramsARB)                                                       \
    X(PFNGLGENPROGRAMSARBPROC, glGenProgramsARB)                                                             \
    X(PFNGLPROGRAMENVPARAMETER4DARBPROC, glProgramEnvParameter4dARB)                                         \
    X(PFNGLPROGRAMENVPARAMETER4DVARBPROC, glProgramEnvParameter4dvARB)                                       \
    X(PFNGLPROGRAMENVPARAMETER4FARBPROC, glProgramEnvParameter4fARB)                                         \
    X(PFNGLPROGRAMENVPARAMETER4FVARBPROC, glProgramEnvParameter4fvARB)                                       \
    X(PFNGLPROGRAMLOCALPARAMETER4DARBPROC, glProgramLocalParameter4dARB)                                     \
    X(PFNGLPROGRAMLOCALPARAMETER4DVARBPROC, glProgramLocalParameter4dvARB)                                   \
    X(PFNGLPROGRAMLOCALPARAMETER4FARBPROC, glProgramLocalParameter4fARB)                                     \
    X(PFNGLPROGRAMLOCALPARAMETER4FVARBPROC, glProgramLocalParameter4fvARB)                                   \
    X(PFNGLGETPROGRAMENVPARAMETERDVARBPROC, glGetProgramEnvParameterdvARB)                                   \
    X(PFNGLGETPROGRAMENVPARAMETERFVARBPROC, glGetProgramEnvParameterfvARB)                                   \
    X(PFNGLGETPROGRAMLOCALPARAMETERDVARBPROC, glGetProgramLocalParameterdvARB)                               \
    X(PFNGLGETPROGRAMLOCALPARAMETERFVARBPROC, glGetProgramLocalParameterfvARB)                               \
    X(PFNGLGETPROGRAMIVARBPROC, glGetProgramivARB)                                                           \
    X(PFNGLGETPROGRAMSTRINGARBPROC, glGetProgramStringARB)                                                   \
    X(PFNGLISPROGRAMARBPROC, glIsProgramARB)

#define GL_ARB_vertex_shader_ENTRY_POINTS(X)                                                                 \
    X(PFNGLBINDATTRIBLOCATIONARBPROC, glBindAttribLocationARB)                                               \
    X(PFNGLGETACTIVEATTRIBARBPROC, glGetActiveAttribARB)                                                     \
    X(PFNGLGETATTRIBLOCATIONARBPROC, glGetAttribLocationARB)

#define VERTEX_ATTRIB_ENTRY_POINTS(X)                                                                        \
    X(PFNGLVERTEXATTRIB1DARBPROC, glVertexAttrib1dARB)                                                       \
    X(PFNGLVERTEXATTRIB1DVARBPROC, glVertexAttrib1dvARB)                                                     \
    X(PFNGLVERTEXATTRIB1FARBPROC, glVertexAttrib1fARB)                                                       \
    X(PFNGLVERTEXATTRIB1FVARBPROC, glVertexAttrib1fvARB)                                                     \
    X(PFNGLVERTEXATTRIB1SARBPROC, glVertexAttrib1sARB)                                                       \
    X(PFNGLVERTEXATTRIB1SVARBPROC, glVertexAttrib1svARB)                                                     \
    X(PFNGLVERTEXATTRIB2DARBPROC, glVertexAttrib2dARB)                                                       \
    X(PFNGLVERTEXATTRIB2DVARBPROC, glVertexAttrib2dvARB)                                                     \
    X(PFNGLVERTEXATTRIB2FARBPROC, glVertexAttrib2fARB)                                                       \
    X(PFNGLVERTEXATTRIB2FVARBPROC, glVertexAttrib2fvARB)                                                     \
    X(PFNGLVERTEXATTRIB2SARBPROC, glVertexAttrib2sARB)                                                       \
    X(PFNGLVERTEXATTRIB2SVARBPROC, glVertexAttrib2svARB)                                                     \
    X(PFNGLVERTEXATTRIB3DARBPROC, glVertexAttrib3dARB)                                                       \
    X(PFNGLVERTEXATTRIB3DVARBPROC, glVertexAttrib3dvARB)                                                     \
    X(PFNGLVERTEXATTRIB3FARBPROC, glVertexAttrib3fARB)                                                       \
    X(PFNGLVERTEXATTRIB3FVARBPROC, glVertexAttrib3fvARB)                                                     \
    X(PFNGLVERTEXATTRIB3SARBPROC, glVertexAttrib3sARB)                                                       \
    X(PFNGLVERTEXATTRIB3SVARBPROC, glVertexAttrib3svARB)                                                     \
    X(PFNGLVERTEXATTRIB4NBVARBPROC, glVertexAttrib4NbvARB)                                                   \
    X(PFNGLVERTEXATTRIB4NIVARBPROC, glVertexAttrib4NivARB)                                                   \
    X(PFNGLVERTEXATTRIB4NSVARBPROC, glVertexAttrib4NsvARB)                                                   \
    X(PFNGLVERTEXATTRIB4NUBARBPROC, glVertexAttrib4NubARB)                                                   \
    X(PFNGLVERTEXATTRIB4NUBVARBPROC, glVertexAttrib4NubvARB)                                                 \
    X(PFNGLVERTEXATTRIB4NUIVARBPROC, glVertexAttrib4NuivARB)                                                 \
    X(PFNGLVERTEXATTRIB4NUSVARBPROC, glVertexAttrib4NusvARB)                                                 \
    X(PFNGLVERTEXATTRIB4BVARBPROC, glVertexAttrib4bvARB)                                                     \
    X(PFNGLVERTEXATTRIB4DARBPROC, glVertexAttrib4dARB)                                                       \
    X(PFNGLVERTEXATTRIB4DVARBPROC, glVertexAttrib4dvARB)                                                     \
    X(PFNGLVERTEXATTRIB4FARBPROC, glVertexAttrib4fARB)                                                       \
    X(PFNGLVERTEXATTRIB4FVARBPROC, glVertexAttrib4fvARB)                                                     \
    X(PFNGLVERTEXATTRIB4IVARBPROC, glVertexAttrib4ivARB)                                                     \
    X(PFNGLVERTEXATTRIB4SARBPROC, glVertexAttrib4sARB)                                                       \
    X(PFNGLVERTEXATTRIB4SVARBPROC, glVertexAttrib4svARB)                                                     \
    X(PFNGLVERTEXATTRIB4UBVARBPROC, glVertexAttrib4ubvARB)                                                   \
    X(PFNGLVERTEXATTRIB4UIVARBPROC, glVertexAttrib4uivARB)                                                   \
    X(PFNGLVERTEXATTRIB4USVARBPROC, glVertexAttrib4usvARB)                                                   \
    X(PFNGLVERTEXATTRIBPOINTERARBPROC, glVertexAttribPointerARB)                                             \
    X(PFNGLENABLEVERTEXATTRIBARRAYARBPROC, glEnableVertexAttribArrayARB)                                     \
    X(PFNGLDISABLEVERTEXATTRIBARRAYARBPROC, glDisableVertexAttribArrayARB)                                   \
    X(PFNGLGETVERTEXATTRIBDVARBPROC, glGetVertexAttribdvARB)                                                 \
    X(PFNGLGETVERTEXATTRIBFVARBPROC, glGetVertexAttribfvARB)                                                 \
    X(PFNGLGETVERTEXATTRIBIVARBPROC, glGetVertexAttribivARB)                                                 \
    X(PFNGLGETVERTEXATTRIBPOINTERVARBPROC, glGetVertexAttribPointervARB)

#define GL_ATI_envmap_bumpmap_ENTRY_POINTS(X)                                                                \
    X(PFNGLTEXBUMPPARAMETERIVATIPROC, glTexBumpParameterivATI)                                               \
    X(PFNGLTEXBUMPPARAMETERFVATIPROC, glTexBumpParameterfvATI)                                               \
    X(PFNGLGETTEXBUMPPARAMETERIVATIPROC, glGetTexBumpParameterivATI)                                         \
    X(PFNGLGETTEXBUMPPARAMETERFVATIPROC, glGetTexBumpParameterfvATI)

#define GL_ATI_fragment_shader_ENTRY_POINTS(X)                                                               \
    X(PFNGLGENFRAGMENTSHADERSATIPROC, glGenFragmentShadersATI)                                               \
    X(PFNGLBINDFRAGMENTSHADERATIPROC, glBindFragmentShaderATI)                                               \
    X(PFNGLDELETEFRAGMENTSHADERATIPROC, glDeleteFragmentShaderATI)                                           \
    X(PFNGLBEGINFRAGMENTSHADERATIPROC, glBeginFragmentShaderATI)                                             \
    X(PFNGLENDFRAGMENTSHADERATIPROC, glEndFragmentShaderATI)                                                 \
    X(PFNGLPASSTEXCOORDATIPROC, glPassTexCoordATI)                                                           \
    X(PFNGLSAMPLEMAPATIPROC, glSampleMapATI)                                                                 \
    X(PFNGLCOLORFRAGMENTOP1ATIPROC, glColorFragmentOp1ATI)                                                   \
    X(PFNGLCOLORFRAGMENTOP2ATIPROC, glColorFragmentOp2ATI)                                                   \
    X(PFNGLCOLORFRAGMENTOP3ATIPROC, glColorFragmentOp3ATI)                                                   \
    X(PFNGLALPHAFRAGMENTOP1ATIPROC, glAlphaFragmentOp1ATI)                                                   \
    X(PFNGLALPHAFRAGMENTOP2ATIPROC, glAlphaFragmentOp2ATI)                                                   \
    X(PFNGLALPHAFRAGMENTOP3ATIPROC, glAlphaFragmentOp3ATI)                                                   \
    X(PFNGLSETFRAGMENTSHADERCONSTANTATIPROC, glSetFragmentShaderConstantATI)

#define GL_ATI_pn_triangles_ENTRY_POINTS(X)                                                                  \
    X(PFNGLPNTRIANGLESIATIPROC, glPNTrianglesiATI)                                                           \
    X(PFNGLPNTRIANGLESFATIPROC, glPNTrianglesfATI)

#define GL_ATI_vertex_streams_ENTRY_POINTS(X)                                                                \
    X(PFNGLCLIENTACTIVEVERTEXSTREAMATIPROC, glClientActiveVertexStreamATI)                                   \
    X(PFNGLVERTEXBLENDENVIATIPROC, glVertexBlendEnviATI)                                                     \
    X(PFNGLVERTEXBLENDENVFATIPROC, glVertexBlendEnvfATI)                                                     \
    X(PFNGLVERTEXSTREAM2SATIPROC, glVertexStream2sATI)                                                       \
    X(PFNGLVERTEXSTREAM2SVATIPROC, glVertexStream2svATI)                                                     \
    X(PFNGLVERTEXSTREAM2IATIPROC, glVertexStream2iATI)                                                       \
    X(PFNGLVERTEXSTREAM2IVATIPROC, glVertexStream2ivATI)                                                     \
    X(PFNGLVERTEXSTREAM2FATIPROC, glVertexStream2fATI)                                                       \
    X(PFNGLVERTEXSTREAM2FVATIPROC, glVertexStream2fvATI)                                                     \
    X(PFNGLVERTEXSTREAM2DATIPROC, glVertexStream2dATI)                                                       \
    X(PFNGLVERTEXSTREAM2DVATIPROC, glVertexStream2dvATI)                                                     \
    X(PFNGLVERTEXSTREAM3SATIPROC, glVertexStream3sATI)                                                       \
    X(PFNGLVERTEXSTREAM3SVATIPROC, glVertexStream3svATI)                                                     \
    X(PFNGLVERTEXSTREAM3IATIPROC, glVertexStream3iATI)                                                       \
    X(PFNGLVERTEXSTREAM3IVATIPROC, glVertexStream3ivATI)                                                     \
    X(PFNGLVERTEXSTREAM3FATIPROC, glVertexStream3fATI)                                                       \
    X(PFNGLVERTEXSTREAM3FVATIPROC, glVertexStream3fvATI)                                                     \
    X(PFNGLVERTEXSTREAM3DATIPROC, glVertexStream3dATI)                                                       \
    X(PFNGLVERTEXSTREAM3DVATIPROC, glVertexStream3dvATI)                                                     \
    X(PFNGLVERTEXSTREAM4SATIPROC, glVertexStream4sATI)                                                       \
    X(PFNGLVERTEXSTREAM4SVATIPROC, glVertexStream4svATI)                                                     \
    X(PFNGLVERTEXSTREAM4IATIPROC, glVertexStream4iATI)                                                       \
    X(PFNGLVERTEXSTREAM4IVATIPROC, glVertexStream4ivATI)                                                     \
    X(PFNGLVERTEXSTREAM4FATIPROC, glVertexStream4fATI)                                                       \
    X(PFNGLVERTEXSTREAM4FVATIPROC, glVertexStream4fvATI)                                                     \
    X(PFNGLVERTEXSTREAM4DATIPROC, glVertexStream4dATI)                                                       \
    X(PFNGLVERTEXSTREAM4DVATIPROC, glVertexStream4dvATI)                                                     \
    X(PFNGLNORMALSTREAM3BATIPROC, glNormalStream3bATI)                                                       \
    X(PFNGLNORMALSTREAM3BVATIPROC, glNormalStream3bvATI)                                                     \
    X(PFNGLNORMALSTREAM3SATIPROC, glNormalStream3sATI)                                                       \
    X(PFNGLNORMALSTREAM3SVATIPROC, glNormalStream3svATI)                                                     \
    X(PFNGLNORMALSTREAM3IATIPROC, glNormalStream3iATI)                                                       \
    X(PFNGLNORMALSTREAM3IVATIPROC, glNormalStream3ivATI)                                                     \
    X(PFNGLNORMALSTREAM3FATIPROC, glNormalStream3fATI)                                                       \
    X(PFNGLNORMALSTREAM3FVATIPROC, glNormalStream3fvATI)                                                     \
    X(PFNGLNORMALSTREAM3DATIPROC, glNormalStream3dATI)                                                       \
    X(PFNGLNORMALSTREAM3DVATIPROC, glNormalStream3dvATI)

#define GL_EXT_blend_color_ENTRY_POINTS(X) X(PFNGLBLENDCOLOREXTPROC, glBlendColorEXT)

#define GL_EXT_blend_func_separate_ENTRY_POINTS(X) X(PFNGLBLENDFUNCSEPARATEEXTPROC, glBlendFuncSeparateEXT)

#define BLEND_EQUATION_ENTRY_POINTS(X) X(PFNGLBLENDEQUATIONEXTPROC, glBlendEquationEXT)

#define GL_EXT_draw_range_elements_ENTRY_POINTS(X) X(PFNGLDRAWRANGEELEMENTSEXTPROC, glDrawRangeElementsEXT)

#define GL_EXT_fog_coord_ENTRY_POINTS(X)                                                                     \
    X(PFNGLFOGCOORDFEXTPROC, glFogCoordfEXT)                                                                 \
    X(PFNGLFOGCOORDFVEXTPROC, glFogCoordfvEXT)                                                               \
    X(PFNGLFOGCOORDDEXTPROC, glFogCoorddEXT)                                                                 \
    X(PFNGLFOGCOORDDVEXTPROC, glFogCoorddvEXT)                                                               \
    X(PFNGLFOGCOORDPOINTEREXTPROC, glFogCoordPointerEXT)

#define GL_EXT_polygon_offset_ENTRY_POINTS(X) X(PFNGLPOLYGONOFFSETEXTPROC, glPolygonOffsetEXT)

#define GL_EXT_texture3D_ENTRY_POINTS(X) X(PFNGLTEXIMAGE3DEXTPROC, glTexImage3DEXT)

#define GL_NV_occlusion_query_ENTRY_POINTS(X)                                                                \
    X(PFNGLGENOCCLUSIONQUERIESNVPROC, glGenOcclusionQueriesNV)                                               \
    X(PFNGLDELETEOCCLUSIONQUERIESNVPROC, glDeleteOcclusionQueriesNV)                                         \
    X(PFNGLISOCCLUSIONQUERYNVPROC, glIsOcclusionQueryNV)                                                     \
    X(PFNGLBEGINOCCLUSIONQUERYNVPROC, glBeginOcclusionQueryNV)                                               \
    X(PFNGLENDOCCLUSIONQUERYNVPROC, glEndOcclusionQueryNV)                                                   \
    X(PFNGLGETOCCLUSIONQUERYIVNVPROC, glGetOcclusionQueryivNV)                                               \
    X(PFNGLGETOCCLUSIONQUERYUIVNVPROC, glGetOcclusionQueryuivNV)

#define GL_NV_register_combiners_ENTRY_POINTS(X)                                                             \
    X(PFNGLCOMBINERPARAMETERFVNVPROC, glCombinerParameterfvNV)                                               \
    X(PFNGLCOMBINERPARAMETERFNVPROC, glCombinerParameterfNV)                                                 \
    X(PFNGLCOMBINERPARAMETERIVNVPROC, glCombinerParameterivNV)                                               \
    X(PFNGLCOMBINERPARAMETERINVPROC, glCombinerParameteriNV)                                                 \
    X(PFNGLCOMBINERINPUTNVPROC, glCombinerInputNV)                                                           \
    X(PFNGLCOMBINEROUTPUTNVPROC, glCombinerOutputNV)                                                         \
    X(PFNGLFINALCOMBINERINPUTNVPROC, glFinalCombinerInputNV)                                                 \
    X(PFNGLGETCOMBINERINPUTPARAMETERFVNVPROC, glGetCombinerInputParameterfvNV)                               \
    X(PFNGLGETCOMBINERINPUTPARAMETERIVNVPROC, glGetCombinerInputParameterivNV)                               \
    X(PFNGLGETCOMBINEROUTPUTPARAMETERFVNVPROC, glGetCombinerOutputParameterfvNV)                             \
    X(PFNGLGETCOMBINEROUTPUTPARAMETERIVNVPROC, glGetCombinerOutputParameterivNV)                             \
    X(PFNGLGETFINALCOMBINERINPUTPARAMETERFVNVPROC, glGetFinalCombinerInputParameterfvNV)                     \
    X(PFNGLGETFINALCOMBINERINPUTPARAMETERIVNVPROC, glGetFinalCombinerInputParameterivNV)

#define WGL_ARB_pbuffer_ENTRY_POINTS(X)                                                                      \
    X(PFNWGLCREATEPBUFFERARBPROC, wglCreatePbufferARB)                                                       \
    X(PFNWGLGETPBUFFERDCARBPROC, wglGetPbufferDCARB)                                                         \
    X(PFNWGLRELEASEPBUFFERDCARBPROC, wglReleasePbufferDCARB)                                                 \
    X(PFNWGLDESTROYPBUFFERARBPROC, wglDestroyPbufferARB)                                                     \
    X(PFNWGLQUERYPBUFFERARBPROC, wglQueryPbufferARB)

#define WGL_ARB_pixel_format_ENTRY_POINTS(X)                                                                 \
    X(PFNWGLGETPIXELFORMATATTRIBIVARBPROC, wglGetPixelFormatAttribivARB)                                     \
    X(PFNWGLGETPIXELFORMATATTRIBFVARBPROC, wglGetPixelFormatAttribfvARB)                                     \
    X(PFNWGLCHOOSEPIXELFORMATARBPROC, wglChoosePixelFormatARB)

#define WGL_ARB_make_current_read_ENTRY_POINTS(X)                                                            \
    X(PFNWGLMAKECONTEXTCURRENTARBPROC, wglMakeContextCurrentARB)                                             \
    X(PFNWGLGETCURRENTREADDCARBPROC, wglGetCurrentReadDCARB)

#define WGL_ARB_render_texture_ENTRY_POINTS(X)                                                               \
    X(PFNWGLBINDTEXIMAGEARBPROC, wglBindTexImageARB)                                                         \
    X(PFNWGLRELEASETEXIMAGEARBPROC, wglReleaseTexImageARB)                                                   \
    X(PFNWGLSETPBUFFERATTRIBARBPROC, wglSetPbufferAttribARB)

#define WGL_EXT_swap_control_ENTRY_POINTS(X) X(PFNWGLSWAPINTERVALEXTPROC, wglSwapIntervalEXT)

#define EXTENSIONS_STRING_ENTRY_POINTS(X)                                                                    \
    X(PFNWGLGETEXTENSIONSSTRINGARBPROC, wglGetExtensionsStringARB)                                           \
    X(PFNWGLGETEXTENSIONSSTRINGEXTPROC, wglGetExtensionsStringEXT)

#define ALL_ENTRY_POINTS(X)                                                                                  \
    GL_ARB_multisample_ENTRY_POINTS(X) GL_ARB_multitexture_ENTRY_POINTS(                                     \
        X) GL_ARB_occlusion_query_ENTRY_POINTS(X) GL_ARB_shader_objects_ENTRY_POINTS(X)                      \
        GL_ARB_texture_compression_ENTRY_POINTS(X) GL_ARB_transpose_matrix_ENTRY_POINTS(                     \
            X) GL_ARB_vertex_blend_ENTRY_POINTS(X) GL_ARB_vertex_buffer_object_ENTRY_POINTS(X)               \
            ASSEMBLY_PROGRAM_ENTRY_POINTS(X) GL_ARB_vertex_shader_ENTRY_POINTS(X)                            \
                VERTEX_ATTRIB_ENTRY_POINTS(X) GL_ATI_envmap_bumpmap_ENTRY_POINTS(X)                          \
                    GL_ATI_fragment_shader_ENTRY_POINTS(X) GL_ATI_pn_triangles_ENTRY_POINTS(X)               \
                        GL_ATI_vertex_streams_ENTRY_POINTS(X) GL_EXT_blend_color_ENTRY_POINTS(X)             \
                            GL_EXT_blend_func_separate_ENTRY_POINTS(X) BLEND_EQUATION_ENTRY_POINTS(X)        \
                                GL_EXT_draw_range_elements_ENTRY_POINTS(X) GL_EXT_fog_coord_ENTRY_POINTS(X)  \
                                    GL_EXT_polygon_offset_ENTRY_POINTS(X) GL_EXT_texture3D_ENTRY_POINTS(X)   \
                                        GL_NV_occlusion_query_ENTRY_POINTS(X)                                \
                                            GL_NV_register_combiners_ENTRY_POINTS(X)                         \
                                                WGL_ARB_pbuffer_ENTRY_POINTS(X)                              \
                                                    WGL_ARB_pixel_format_ENTRY_POINTS(X)                     \
                                                        WGL_ARB_make_current_read_ENTRY_POINTS(X)            \
                                                            WGL_ARB_render_texture_ENTRY_POINTS(X)           \
                                                                WGL_EXT_swap_control_ENTRY_POINTS(X)         \
                                                                    EXTENSIONS_STRING_ENTRY_POINTS(X)

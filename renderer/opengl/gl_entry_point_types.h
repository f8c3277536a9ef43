#pragma once

// Signatures of the extension entry points, as the extensions define them.

#include "opengl/gl_api.h"

typedef void(APIENTRY* PFNGLSAMPLECOVERAGEARBPROC)(GLclampf value, GLboolean invert);

typedef void(APIENTRY* PFNGLACTIVETEXTUREARBPROC)(GLenum texture);
typedef void(APIENTRY* PFNGLCLIENTACTIVETEXTUREARBPROC)(GLenum texture);
typedef void(APIENTRY* PFNGLMULTITEXCOORD1FARBPROC)(GLenum target, GLfloat s);
typedef void(APIENTRY* PFNGLMULTITEXCOORD1FVARBPROC)(GLenum target, const GLfloat* v);
typedef void(APIENTRY* PFNGLMULTITEXCOORD2FARBPROC)(GLenum target, GLfloat s, GLfloat t);
typedef void(APIENTRY* PFNGLMULTITEXCOORD2FVARBPROC)(GLenum target, const GLfloat* v);
typedef void(APIENTRY* PFNGLMULTITEXCOORD3FARBPROC)(GLenum target, GLfloat s, GLfloat t, GLfloat r);
typedef void(APIENTRY* PFNGLMULTITEXCOORD3FVARBPROC)(GLenum target, const GLfloat* v);
typedef void(APIENTRY* PFNGLMULTITEXCOORD4FARBPROC)(GLenum target, GLfloat s, GLfloat t, GLfloat r,
                                                    GLfloat q);
typedef void(APIENTRY* PFNGLMULTITEXCOORD4FVARBPROC)(GLenum target, const GLfloat* v);

typedef void(APIENTRY* PFNGLGENQUERIESARBPROC)(GLsizei n, GLuint* ids);
typedef void(APIENTRY* PFNGLDELETEQUERIESARBPROC)(GLsizei n, const GLuint* ids);
typedef GLboolean(APIENTRY* PFNGLISQUERYARBPROC)(GLuint id);
typedef void(APIENTRY* PFNGLBEGINQUERYARBPROC)(GLenum target, GLuint id);
typedef void(APIENTRY* PFNGLENDQUERYARBPROC)(GLenum target);
typedef void(APIENTRY* PFNGLGETQUERYIVARBPROC)(GLenum target, GLenum pname, GLint* params);
typedef void(APIENTRY* PFNGLGETQUERYOBJECTIVARBPROC)(GLuint id, GLenum pname, GLint* params);
typedef void(APIENTRY* PFNGLGETQUERYOBJECTUIVARBPROC)(GLuint id, GLenum pname, GLuint* params);

typedef void(APIENTRY* PFNGLDELETEOBJECTARBPROC)(GLhandleARB obj);
typedef GLhandleARB(APIENTRY* PFNGLGETHANDLEARBPROC)(GLenum pname);
typedef void(APIENTRY* PFNGLDETACHOBJECTARBPROC)(GLhandleARB containerObj, GLhandleARB attachedObj);
typedef GLhandleARB(APIENTRY* PFNGLCREATESHADEROBJECTARBPROC)(GLenum shaderType);
typedef void(APIENTRY* PFNGLSHADERSOURCEARBPROC)(GLhandleARB shaderObj, GLsizei count,
                                                 const GLcharARB** string, const GLint* length);
typedef void(APIENTRY* PFNGLCOMPILESHADERARBPROC)(GLhandleARB shaderObj);
typedef GLhandleARB(APIENTRY* PFNGLCREATEPROGRAMOBJECTARBPROC)(void);
typedef void(APIENTRY* PFNGLATTACHOBJECTARBPROC)(GLhandleARB containerObj, GLhandleARB obj);
typedef void(APIENTRY* PFNGLLINKPROGRAMARBPROC)(GLhandleARB programObj);
typedef void(APIENTRY* PFNGLUSEPROGRAMOBJECTARBPROC)(GLhandleARB programObj);
typedef void(APIENTRY* PFNGLVALIDATEPROGRAMARBPROC)(GLhandleARB programObj);
typedef void(APIENTRY* PFNGLUNIFORM1FARBPROC)(GLint location, GLfloat v0);
typedef void(APIENTRY* PFNGLUNIFORM2FARBPROC)(GLint location, GLfloat v0, GLfloat v1);
typedef void(APIENTRY* PFNGLUNIFORM3FARBPROC)(GLint location, GLfloat v0, GLfloat v1, GLfloat v2);
typedef void(APIENTRY* PFNGLUNIFORM4FARBPROC)(GLint location, GLfloat v0, GLfloat v1, GLfloat v2, GLfloat v3);
typedef void(APIENTRY* PFNGLUNIFORM1IARBPROC)(GLint location, GLint v0);
typedef void(APIENTRY* PFNGLUNIFORM2IARBPROC)(GLint location, GLint v0, GLint v1);
typedef void(APIENTRY* PFNGLUNIFORM3IARBPROC)(GLint location, GLint v0, GLint v1, GLint v2);
typedef void(APIENTRY* PFNGLUNIFORM4IARBPROC)(GLint location, GLint v0, GLint v1, GLint v2, GLint v3);
typedef void(APIENTRY* PFNGLUNIFORM1FVARBPROC)(GLint location, GLsizei count, const GLfloat* value);
typedef void(APIENTRY* PFNGLUNIFORM2FVARBPROC)(GLint location, GLsizei count, const GLfloat* value);
typedef void(APIENTRY* PFNGLUNIFORM3FVARBPROC)(GLint location, GLsizei count, const GLfloat* value);
typedef void(APIENTRY* PFNGLUNIFORM4FVARBPROC)(GLint location, GLsizei count, const GLfloat* value);
typedef void(APIENTRY* PFNGLUNIFORM1IVARBPROC)(GLint location, GLsizei count, const GLint* value);
typedef void(APIENTRY* PFNGLUNIFORM2IVARBPROC)(GLint location, GLsizei count, const GLint* value);
typedef void(APIENTRY* PFNGLUNIFORM3IVARBPROC)(GLint location, GLsizei count, const GLint* value);
typedef void(APIENTRY* PFNGLUNIFORM4IVARBPROC)(GLint location, GLsizei count, const GLint* value);
typedef void(APIENTRY* PFNGLUNIFORMMATRIX2FVARBPROC)(GLint location, GLsizei count, GLboolean transpose,
                                                     const GLfloat* value);
typedef void(APIENTRY* PFNGLUNIFORMMATRIX3FVARBPROC)(GLint location, GLsizei count, GLboolean transpose,
                                                     const GLfloat* value);
typedef void(APIENTRY* PFNGLUNIFORMMATRIX4FVARBPROC)(GLint location, GLsizei count, GLboolean transpose,
                                                     const GLfloat* value);
typedef void(APIENTRY* PFNGLGETOBJECTPARAMETERFVARBPROC)(GLhandleARB obj, GLenum pname, GLfloat* params);
typedef void(APIENTRY* PFNGLGETOBJECTPARAMETERIVARBPROC)(GLhandleARB obj, GLenum pname, GLint* params);
typedef void(APIENTRY* PFNGLGETINFOLOGARBPROC)(GLhandleARB obj, GLsizei maxLength, GLsizei* length,
                                               GLcharARB* infoLog);
typedef void(APIENTRY* PFNGLGETATTACHEDOBJECTSARBPROC)(GLhandleARB containerObj, GLsizei maxCount,
                                                       GLsizei* count, GLhandleARB* obj);
typedef GLint(APIENTRY* PFNGLGETUNIFORMLOCATIONARBPROC)(GLhandleARB programObj, const GLcharARB* name);
typedef void(APIENTRY* PFNGLGETACTIVEUNIFORMARBPROC)(GLhandleARB programObj, GLuint index, GLsizei maxLength,
                                                     GLsizei* length, GLint* size, GLenum* type,
                                                     GLcharARB* name);
typedef void(APIENTRY* PFNGLGETUNIFORMFVARBPROC)(GLhandleARB programObj, GLint location, GLfloat* params);
typedef void(APIENTRY* PFNGLGETUNIFORMIVARBPROC)(GLhandleARB programObj, GLint location, GLint* params);
typedef void(APIENTRY* PFNGLGETSHADERSOURCEARBPROC)(GLhandleARB obj, GLsizei maxLength, GLsizei* length,
                                                    GLcharARB* source);

typedef void(APIENTRY* PFNGLCOMPRESSEDTEXIMAGE1DARBPROC)(GLenum target, GLint level, GLenum internalformat,
                                                         GLsizei width, GLint border, GLsizei imageSize,
                                                         const void* data);
typedef void(APIENTRY* PFNGLCOMPRESSEDTEXIMAGE2DARBPROC)(GLenum target, GLint level, GLenum internalformat,
                                                         GLsizei width, GLsizei height, GLint border,
                                                         GLsizei imageSize, const void* data);
typedef void(APIENTRY* PFNGLCOMPRESSEDTEXIMAGE3DARBPROC)(GLenum target, GLint level, GLenum internalformat,
                                                         GLsizei width, GLsizei height, GLsizei depth,
                                                         GLint border, GLsizei imageSize, const void* data);
typedef void(APIENTRY* PFNGLCOMPRESSEDTEXSUBIMAGE1DARBPROC)(GLenum target, GLint level, GLint xoffset,
                                                            GLsizei width, GLenum format, GLsizei imageSize,
                                                            const void* data);
typedef void(APIENTRY* PFNGLCOMPRESSEDTEXSUBIMAGE2DARBPROC)(GLenum target, GLint level, GLint xoffset,
                                                            GLint yoffset, GLsizei width, GLsizei height,
                                                            GLenum format, GLsizei imageSize,
                                                            const void* data);
typedef void(APIENTRY* PFNGLCOMPRESSEDTEXSUBIMAGE3DARBPROC)(GLenum target, GLint level, GLint xoffset,
                                                            GLint yoffset, GLint zoffset, GLsizei width,
                                                            GLsizei height, GLsizei depth, GLenum format,
                                                            GLsizei imageSize, const void* data);
typedef void(APIENTRY* PFNGLGETCOMPRESSEDTEXIMAGEARBPROC)(GLenum target, GLint level, void* img);

typedef void(APIENTRY* PFNGLLOADTRANSPOSEMATRIXFARBPROC)(const GLfloat* m);
typedef void(APIENTRY* PFNGLLOADTRANSPOSEMATRIXDARBPROC)(const GLdouble* m);
typedef void(APIENTRY* PFNGLMULTTRANSPOSEMATRIXFARBPROC)(const GLfloat* m);
typedef void(APIENTRY* PFNGLMULTTRANSPOSEMATRIXDARBPROC)(const GLdouble* m);

typedef void(APIENTRY* PFNGLWEIGHTBVARBPROC)(GLint size, const GLbyte* weights);
typedef void(APIENTRY* PFNGLWEIGHTSVARBPROC)(GLint size, const GLshort* weights);
typedef void(APIENTRY* PFNGLWEIGHTIVARBPROC)(GLint size, const GLint* weights);
typedef void(APIENTRY* PFNGLWEIGHTFVARBPROC)(GLint size, const GLfloat* weights);
typedef void(APIENTRY* PFNGLWEIGHTDVARBPROC)(GLint size, const GLdouble* weights);
typedef void(APIENTRY* PFNGLWEIGHTUBVARBPROC)(GLint size, const GLubyte* weights);
typedef void(APIENTRY* PFNGLWEIGHTUSVARBPROC)(GLint size, const GLushort* weights);
typedef void(APIENTRY* PFNGLWEIGHTUIVARBPROC)(GLint size, const GLuint* weights);
typedef void(APIENTRY* PFNGLWEIGHTPOINTERARBPROC)(GLint size, GLenum type, GLsizei stride,
                                                  const void* pointer);
typedef void(APIENTRY* PFNGLVERTEXBLENDARBPROC)(GLint count);

typedef void(APIENTRY* PFNGLBINDBUFFERARBPROC)(GLenum target, GLuint buffer);
typedef void(APIENTRY* PFNGLDELETEBUFFERSARBPROC)(GLsizei n, const GLuint* buffers);
typedef void(APIENTRY* PFNGLGENBUFFERSARBPROC)(GLsizei n, GLuint* buffers);
typedef GLboolean(APIENTRY* PFNGLISBUFFERARBPROC)(GLuint buffer);
typedef void(APIENTRY* PFNGLBUFFERDATAARBPROC)(GLenum target, GLsizeiptrARB size, const void* data,
                                               GLenum usage);
typedef void(APIENTRY* PFNGLBUFFERSUBDATAARBPROC)(GLenum target, GLintptrARB offset, GLsizeiptrARB size,
                                                  const void* data);
typedef void(APIENTRY* PFNGLGETBUFFERSUBDATAARBPROC)(GLenum target, GLintptrARB offset, GLsizeiptrARB size,
                                                     void* data);
typedef void*(APIENTRY* PFNGLMAPBUFFERARBPROC)(GLenum target, GLenum access);
typedef GLboolean(APIENTRY* PFNGLUNMAPBUFFERARBPROC)(GLenum target);
typedef void(APIENTRY* PFNGLGETBUFFERPARAMETERIVARBPROC)(GLenum target, GLenum pname, GLint* params);
typedef void(APIENTRY* PFNGLGETBUFFERPOINTERVARBPROC)(GLenum target, GLenum pname, void** params);

typedef void(APIENTRY* PFNGLPROGRAMSTRINGARBPROC)(GLenum target, GLenum format, GLsizei len,
                                                  const void* string);
typedef void(APIENTRY* PFNGLBINDPROGRAMARBPROC)(GLenum target, GLuint program);
typedef void(APIENTRY* PFNGLDELETEPROGRAMSARBPROC)(GLsizei n, const GLuint* programs);
typedef void(APIENTRY* PFNGLGENPROGRAMSARBPROC)(GLsizei n, GLuint* programs);
typedef void(APIENTRY* PFNGLPROGRAMENVPARAMETER4DARBPROC)(GLenum target, GLuint index, GLdouble x, GLdouble y,
                                                          GLdouble z, GLdouble w);
typedef void(APIENTRY* PFNGLPROGRAMENVPARAMETER4DVARBPROC)(GLenum target, GLuint index,
                                                           const GLdouble* params);
typedef void(APIENTRY* PFNGLPROGRAMENVPARAMETER4FARBPROC)(GLenum target, GLuint index, GLfloat x, GLfloat y,
                                                          GLfloat z, GLfloat w);
typedef void(APIENTRY* PFNGLPROGRAMENVPARAMETER4FVARBPROC)(GLenum target, GLuint index,
                                                           const GLfloat* params);
typedef void(APIENTRY* PFNGLPROGRAMLOCALPARAMETER4DARBPROC)(GLenum target, GLuint index, GLdouble x,
                                                            GLdouble y, GLdouble z, GLdouble w);
typedef void(APIENTRY* PFNGLPROGRAMLOCALPARAMETER4DVARBPROC)(GLenum target, GLuint index,
                                                             const GLdouble* params);
typedef void(APIENTRY* PFNGLPROGRAMLOCALPARAMETER4FARBPROC)(GLenum target, GLuint index, GLfloat x, GLfloat y,
                                                            GLfloat z, GLfloat w);
typedef void(APIENTRY* PFNGLPROGRAMLOCALPARAMETER4FVARBPROC)(GLenum target, GLuint index,
                                                             const GLfloat* params);
typedef void(APIENTRY* PFNGLGETPROGRAMENVPARAMETERDVARBPROC)(GLenum target, GLuint index, GLdouble* params);
typedef void(APIENTRY* PFNGLGETPROGRAMENVPARAMETERFVARBPROC)(GLenum target, GLuint index, GLfloat* params);
typedef void(APIENTRY* PFNGLGETPROGRAMLOCALPARAMETERDVARBPROC)(GLenum target, GLuint index, GLdouble* params);
typedef void(APIENTRY* PFNGLGETPROGRAMLOCALPARAMETERFVARBPROC)(GLenum target, GLuint index, GLfloat* params);
typedef void(APIENTRY* PFNGLGETPROGRAMIVARBPROC)(GLenum target, GLenum pname, GLint* params);
typedef void(APIENTRY* PFNGLGETPROGRAMSTRINGARBPROC)(GLenum target, GLenum pname, void* string);
typedef GLboolean(APIENTRY* PFNGLISPROGRAMARBPROC)(GLuint program);

typedef void(APIENTRY* PFNGLBINDATTRIBLOCATIONARBPROC)(GLhandleARB programObj, GLuint index,
                                                       const GLcharARB* name);
typedef void(APIENTRY* PFNGLGETACTIVEATTRIBARBPROC)(GLhandleARB programObj, GLuint index, GLsizei maxLength,
                                                    GLsizei* length, GLint* size, GLenum* type,
                                                    GLcharARB* name);
typedef GLint(APIENTRY* PFNGLGETATTRIBLOCATIONARBPROC)(GLhandleARB programObj, const GLcharARB* name);

typedef void(APIENTRY* PFNGLVERTEXATTRIB1DARBPROC)(GLuint index, GLdouble x);
typedef void(APIENTRY* PFNGLVERTEXATTRIB1DVARBPROC)(GLuint index, const GLdouble* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB1FARBPROC)(GLuint index, GLfloat x);
typedef void(APIENTRY* PFNGLVERTEXATTRIB1FVARBPROC)(GLuint index, const GLfloat* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB1SARBPROC)(GLuint index, GLshort x);
typedef void(APIENTRY* PFNGLVERTEXATTRIB1SVARBPROC)(GLuint index, const GLshort* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB2DARBPROC)(GLuint index, GLdouble x, GLdouble y);
typedef void(APIENTRY* PFNGLVERTEXATTRIB2DVARBPROC)(GLuint index, const GLdouble* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB2FARBPROC)(GLuint index, GLfloat x, GLfloat y);
typedef void(APIENTRY* PFNGLVERTEXATTRIB2FVARBPROC)(GLuint index, const GLfloat* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB2SARBPROC)(GLuint index, GLshort x, GLshort y);
typedef void(APIENTRY* PFNGLVERTEXATTRIB2SVARBPROC)(GLuint index, const GLshort* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB3DARBPROC)(GLuint index, GLdouble x, GLdouble y, GLdouble z);
typedef void(APIENTRY* PFNGLVERTEXATTRIB3DVARBPROC)(GLuint index, const GLdouble* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB3FARBPROC)(GLuint index, GLfloat x, GLfloat y, GLfloat z);
typedef void(APIENTRY* PFNGLVERTEXATTRIB3FVARBPROC)(GLuint index, const GLfloat* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB3SARBPROC)(GLuint index, GLshort x, GLshort y, GLshort z);
typedef void(APIENTRY* PFNGLVERTEXATTRIB3SVARBPROC)(GLuint index, const GLshort* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4NBVARBPROC)(GLuint index, const GLbyte* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4NIVARBPROC)(GLuint index, const GLint* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4NSVARBPROC)(GLuint index, const GLshort* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4NUBARBPROC)(GLuint index, GLubyte x, GLubyte y, GLubyte z,
                                                     GLubyte w);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4NUBVARBPROC)(GLuint index, const GLubyte* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4NUIVARBPROC)(GLuint index, const GLuint* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4NUSVARBPROC)(GLuint index, const GLushort* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4BVARBPROC)(GLuint index, const GLbyte* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4DARBPROC)(GLuint index, GLdouble x, GLdouble y, GLdouble z,
                                                   GLdouble w);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4DVARBPROC)(GLuint index, const GLdouble* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4FARBPROC)(GLuint index, GLfloat x, GLfloat y, GLfloat z, GLfloat w);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4FVARBPROC)(GLuint index, const GLfloat* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4IVARBPROC)(GLuint index, const GLint* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4SARBPROC)(GLuint index, GLshort x, GLshort y, GLshort z, GLshort w);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4SVARBPROC)(GLuint index, const GLshort* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4UBVARBPROC)(GLuint index, const GLubyte* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4UIVARBPROC)(GLuint index, const GLuint* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIB4USVARBPROC)(GLuint index, const GLushort* v);
typedef void(APIENTRY* PFNGLVERTEXATTRIBPOINTERARBPROC)(GLuint index, GLint size, GLenum type,
                                                        GLboolean normalized, GLsizei stride,
                                                        const void* pointer);
typedef void(APIENTRY* PFNGLENABLEVERTEXATTRIBARRAYARBPROC)(GLuint index);
typedef void(APIENTRY* PFNGLDISABLEVERTEXATTRIBARRAYARBPROC)(GLuint index);
typedef void(APIENTRY* PFNGLGETVERTEXATTRIBDVARBPROC)(GLuint index, GLenum pname, GLdouble* params);
typedef void(APIENTRY* PFNGLGETVERTEXATTRIBFVARBPROC)(GLuint index, GLenum pname, GLfloat* params);
typedef void(APIENTRY* PFNGLGETVERTEXATTRIBIVARBPROC)(GLuint index, GLenum pname, GLint* params);
typedef void(APIENTRY* PFNGLGETVERTEXATTRIBPOINTERVARBPROC)(GLuint index, GLenum pname, void** pointer);

typedef void(APIENTRY* PFNGLTEXBUMPPARAMETERIVATIPROC)(GLenum pname, const GLint* param);
typedef void(APIENTRY* PFNGLTEXBUMPPARAMETERFVATIPROC)(GLenum pname, const GLfloat* param);
typedef void(APIENTRY* PFNGLGETTEXBUMPPARAMETERIVATIPROC)(GLenum pname, GLint* param);
typedef void(APIENTRY* PFNGLGETTEXBUMPPARAMETERFVATIPROC)(GLenum pname, GLfloat* param);

typedef GLuint(APIENTRY* PFNGLGENFRAGMENTSHADERSATIPROC)(GLuint range);
typedef void(APIENTRY* PFNGLBINDFRAGMENTSHADERATIPROC)(GLuint id);
typedef void(APIENTRY* PFNGLDELETEFRAGMENTSHADERATIPROC)(GLuint id);
typedef void(APIENTRY* PFNGLBEGINFRAGMENTSHADERATIPROC)(void);
typedef void(APIENTRY* PFNGLENDFRAGMENTSHADERATIPROC)(void);
typedef void(APIENTRY* PFNGLPASSTEXCOORDATIPROC)(GLuint dst, GLuint coord, GLenum swizzle);
typedef void(APIENTRY* PFNGLSAMPLEMAPATIPROC)(GLuint dst, GLuint interp, GLenum swizzle);
typedef void(APIENTRY* PFNGLCOLORFRAGMENTOP1ATIPROC)(GLenum op, GLuint dst, GLuint dstMask, GLuint dstMod,
                                                     GLuint arg1, GLuint arg1Rep, GLuint arg1Mod);
typedef void(APIENTRY* PFNGLCOLORFRAGMENTOP2ATIPROC)(GLenum op, GLuint dst, GLuint dstMask, GLuint dstMod,
                                                     GLuint arg1, GLuint arg1Rep, GLuint arg1Mod, GLuint arg2,
                                                     GLuint arg2Rep, GLuint arg2Mod);
typedef void(APIENTRY* PFNGLCOLORFRAGMENTOP3ATIPROC)(GLenum op, GLuint dst, GLuint dstMask, GLuint dstMod,
                                                     GLuint arg1, GLuint arg1Rep, GLuint arg1Mod, GLuint arg2,
                                                     GLuint arg2Rep, GLuint arg2Mod, GLuint arg3,
                                                     GLuint arg3Rep, GLuint arg3Mod);
typedef void(APIENTRY* PFNGLALPHAFRAGMENTOP1ATIPROC)(GLenum op, GLuint dst, GLuint dstMod, GLuint arg1,
                                                     GLuint arg1Rep, GLuint arg1Mod);
typedef void(APIENTRY* PFNGLALPHAFRAGMENTOP2ATIPROC)(GLenum op, GLuint dst, GLuint dstMod, GLuint arg1,
                                                     GLuint arg1Rep, GLuint arg1Mod, GLuint arg2,
                                                     GLuint arg2Rep, GLuint arg2Mod);
typedef void(APIENTRY* PFNGLALPHAFRAGMENTOP3ATIPROC)(GLenum op, GLuint dst, GLuint dstMod, GLuint arg1,
                                                     GLuint arg1Rep, GLuint arg1Mod, GLuint arg2,
                                                     GLuint arg2Rep, GLuint arg2Mod, GLuint arg3,
                                                     GLuint arg3Rep, GLuint arg3Mod);
typedef void(APIENTRY* PFNGLSETFRAGMENTSHADERCONSTANTATIPROC)(GLuint dst, const GLfloat* value);

typedef void(APIENTRY* PFNGLPNTRIANGLESIATIPROC)(GLenum pname, GLint param);
typedef void(APIENTRY* PFNGLPNTRIANGLESFATIPROC)(GLenum pname, GLfloat param);

typedef void(APIENTRY* PFNGLCLIENTACTIVEVERTEXSTREAMATIPROC)(GLenum stream);
typedef void(APIENTRY* PFNGLVERTEXBLENDENVIATIPROC)(GLenum pname, GLint param);
typedef void(APIENTRY* PFNGLVERTEXBLENDENVFATIPROC)(GLenum pname, GLfloat param);
typedef void(APIENTRY* PFNGLVERTEXSTREAM2SATIPROC)(GLenum stream, GLshort x, GLshort y);
typedef void(APIENTRY* PFNGLVERTEXSTREAM2SVATIPROC)(GLenum stream, const GLshort* coords);
typedef void(APIENTRY* PFNGLVERTEXSTREAM2IATIPROC)(GLenum stream, GLint x, GLint y);
typedef void(APIENTRY* PFNGLVERTEXSTREAM2IVATIPROC)(GLenum stream, const GLint* coords);
typedef void(APIENTRY* PFNGLVERTEXSTREAM2FATIPROC)(GLenum stream, GLfloat x, GLfloat y);
typedef void(APIENTRY* PFNGLVERTEXSTREAM2FVATIPROC)(GLenum stream, const GLfloat* coords);
typedef void(APIENTRY* PFNGLVERTEXSTREAM2DATIPROC)(GLenum stream, GLdouble x, GLdouble y);
typedef void(APIENTRY* PFNGLVERTEXSTREAM2DVATIPROC)(GLenum stream, const GLdouble* coords);
typedef void(APIENTRY* PFNGLVERTEXSTREAM3SATIPROC)(GLenum stream, GLshort x, GLshort y, GLshort z);
typedef void(APIENTRY* PFNGLVERTEXSTREAM3SVATIPROC)(GLenum stream, const GLshort* coords);
typedef void(APIENTRY* PFNGLVERTEXSTREAM3IATIPROC)(GLenum stream, GLint x, GLint y, GLint z);
typedef void(APIENTRY* PFNGLVERTEXSTREAM3IVATIPROC)(GLenum stream, const GLint* coords);
typedef void(APIENTRY* PFNGLVERTEXSTREAM3FATIPROC)(GLenum stream, GLfloat x, GLfloat y, GLfloat z);
typedef void(APIENTRY* PFNGLVERTEXSTREAM3FVATIPROC)(GLenum stream, const GLfloat* coords);
typedef void(APIENTRY* PFNGLVERTEXSTREAM3DATIPROC)(GLenum stream, GLdouble x, GLdouble y, GLdouble z);
typedef void(APIENTRY* PFNGLVERTEXSTREAM3DVATIPROC)(GLenum stream, const GLdouble* coords);
typedef void(APIENTRY* PFNGLVERTEXSTREAM4SATIPROC)(GLenum stream, GLshort x, GLshort y, GLshort z, GLshort w);
typedef void(APIENTRY* PFNGLVERTEXSTREAM4SVATIPROC)(GLenum stream, const GLshort* coords);
typedef void(APIENTRY* PFNGLVERTEXSTREAM4IATIPROC)(GLenum stream, GLint x, GLint y, GLint z, GLint w);
typedef void(APIENTRY* PFNGLVERTEXSTREAM4IVATIPROC)(GLenum stream, const GLint* coords);
typedef void(APIENTRY* PFNGLVERTEXSTREAM4FATIPROC)(GLenum stream, GLfloat x, GLfloat y, GLfloat z, GLfloat w);
typedef void(APIENTRY* PFNGLVERTEXSTREAM4FVATIPROC)(GLenum stream, const GLfloat* coords);
typedef void(APIENTRY* PFNGLVERTEXSTREAM4DATIPROC)(GLenum stream, GLdouble x, GLdouble y, GLdouble z,
                                                   GLdouble w);
typedef void(APIENTRY* PFNGLVERTEXSTREAM4DVATIPROC)(GLenum stream, const GLdouble* coords);
typedef void(APIENTRY* PFNGLNORMALSTREAM3BATIPROC)(GLenum stream, GLbyte nx, GLbyte ny, GLbyte nz);
typedef void(APIENTRY* PFNGLNORMALSTREAM3BVATIPROC)(GLenum stream, const GLbyte* coords);
typedef void(APIENTRY* PFNGLNORMALSTREAM3SATIPROC)(GLenum stream, GLshort nx, GLshort ny, GLshort nz);
typedef void(APIENTRY* PFNGLNORMALSTREAM3SVATIPROC)(GLenum stream, const GLshort* coords);
typedef void(APIENTRY* PFNGLNORMALSTREAM3IATIPROC)(GLenum stream, GLint nx, GLint ny, GLint nz);
typedef void(APIENTRY* PFNGLNORMALSTREAM3IVATIPROC)(GLenum stream, const GLint* coords);
typedef void(APIENTRY* PFNGLNORMALSTREAM3FATIPROC)(GLenum stream, GLfloat nx, GLfloat ny, GLfloat nz);
typedef void(APIENTRY* PFNGLNORMALSTREAM3FVATIPROC)(GLenum stream, const GLfloat* coords);
typedef void(APIENTRY* PFNGLNORMALSTREAM3DATIPROC)(GLenum stream, GLdouble nx, GLdouble ny, GLdouble nz);
typedef void(APIENTRY* PFNGLNORMALSTREAM3DVATIPROC)(GLenum stream, const GLdouble* coords);

typedef void(APIENTRY* PFNGLBLENDCOLOREXTPROC)(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha);

typedef void(APIENTRY* PFNGLBLENDFUNCSEPARATEEXTPROC)(GLenum sfactorRGB, GLenum dfactorRGB,
                                                      GLenum sfactorAlpha, GLenum dfactorAlpha);

typedef void(APIENTRY* PFNGLBLENDEQUATIONEXTPROC)(GLenum mode);

typedef void(APIENTRY* PFNGLDRAWRANGEELEMENTSEXTPROC)(GLenum mode, GLuint start, GLuint end, GLsizei count,
                                                      GLenum type, const void* indices);

typedef void(APIENTRY* PFNGLFOGCOORDFEXTPROC)(GLfloat coord);
typedef void(APIENTRY* PFNGLFOGCOORDFVEXTPROC)(const GLfloat* coord);
typedef void(APIENTRY* PFNGLFOGCOORDDEXTPROC)(GLdouble coord);
typedef void(APIENTRY* PFNGLFOGCOORDDVEXTPROC)(const GLdouble* coord);
typedef void(APIENTRY* PFNGLFOGCOORDPOINTEREXTPROC)(GLenum type, GLsizei stride, const void* pointer);

typedef void(APIENTRY* PFNGLPOLYGONOFFSETEXTPROC)(GLfloat factor, GLfloat bias);

typedef void(APIENTRY* PFNGLTEXIMAGE3DEXTPROC)(GLenum target, GLint level, GLenum internalformat,
                                               GLsizei width, GLsizei height, GLsizei depth, GLint border,
                                               GLenum format, GLenum type, const void* pixels);

typedef void(APIENTRY* PFNGLGENOCCLUSIONQUERIESNVPROC)(GLsizei n, GLuint* ids);
typedef void(APIENTRY* PFNGLDELETEOCCLUSIONQUERIESNVPROC)(GLsizei n, const GLuint* ids);
typedef GLboolean(APIENTRY* PFNGLISOCCLUSIONQUERYNVPROC)(GLuint id);
typedef void(APIENTRY* PFNGLBEGINOCCLUSIONQUERYNVPROC)(GLuint id);
typedef void(APIENTRY* PFNGLENDOCCLUSIONQUERYNVPROC)(void);
typedef void(APIENTRY* PFNGLGETOCCLUSIONQUERYIVNVPROC)(GLuint id, GLenum pname, GLint* params);
typedef void(APIENTRY* PFNGLGETOCCLUSIONQUERYUIVNVPROC)(GLuint id, GLenum pname, GLuint* params);

typedef void(APIENTRY* PFNGLCOMBINERPARAMETERFVNVPROC)(GLenum pname, const GLfloat* params);
typedef void(APIENTRY* PFNGLCOMBINERPARAMETERFNVPROC)(GLenum pname, GLfloat param);
typedef void(APIENTRY* PFNGLCOMBINERPARAMETERIVNVPROC)(GLenum pname, const GLint* params);
typedef void(APIENTRY* PFNGLCOMBINERPARAMETERINVPROC)(GLenum pname, GLint param);
typedef void(APIENTRY* PFNGLCOMBINERINPUTNVPROC)(GLenum stage, GLenum portion, GLenum variable, GLenum input,
                                                 GLenum mapping, GLenum componentUsage);
typedef void(APIENTRY* PFNGLCOMBINEROUTPUTNVPROC)(GLenum stage, GLenum portion, GLenum abOutput,
                                                  GLenum cdOutput, GLenum sumOutput, GLenum scale,
                                                  GLenum bias, GLboolean abDotProduct, GLboolean cdDotProduct,
                                                  GLboolean muxSum);
typedef void(APIENTRY* PFNGLFINALCOMBINERINPUTNVPROC)(GLenum variable, GLenum input, GLenum mapping,
                                                      GLenum componentUsage);
typedef void(APIENTRY* PFNGLGETCOMBINERINPUTPARAMETERFVNVPROC)(GLenum stage, GLenum portion, GLenum variable,
                                                               GLenum pname, GLfloat* params);
typedef void(APIENTRY* PFNGLGETCOMBINERINPUTPARAMETERIVNVPROC)(GLenum stage, GLenum portion, GLenum variable,
                                                               GLenum pname, GLint* params);
typedef void(APIENTRY* PFNGLGETCOMBINEROUTPUTPARAMETERFVNVPROC)(GLenum stage, GLenum portion, GLenum pname,
                                                                GLfloat* params);
typedef void(APIENTRY* PFNGLGETCOMBINEROUTPUTPARAMETERIVNVPROC)(GLenum stage, GLenum portion, GLenum pname,
                                                                GLint* params);
typedef void(APIENTRY* PFNGLGETFINALCOMBINERINPUTPARAMETERFVNVPROC)(GLenum variable, GLenum pname,
                                                                    GLfloat* params);
typedef void(APIENTRY* PFNGLGETFINALCOMBINERINPUTPARAMETERIVNVPROC)(GLenum variable, GLenum pname,
                                                                    GLint* params);

typedef HPBUFFERARB(APIENTRY* PFNWGLCREATEPBUFFERARBPROC)(HDC hDC, int iPixelFormat, int iWidth, int iHeight,
                                                          const int* piAttribList);
typedef HDC(APIENTRY* PFNWGLGETPBUFFERDCARBPROC)(HPBUFFERARB hPbuffer);
typedef int(APIENTRY* PFNWGLRELEASEPBUFFERDCARBPROC)(HPBUFFERARB hPbuffer, HDC hDC);
typedef BOOL(APIENTRY* PFNWGLDESTROYPBUFFERARBPROC)(HPBUFFERARB hPbuffer);
typedef BOOL(APIENTRY* PFNWGLQUERYPBUFFERARBPROC)(HPBUFFERARB hPbuffer, int iAttribute, int* piValue);

typedef BOOL(APIENTRY* PFNWGLGETPIXELFORMATATTRIBIVARBPROC)(HDC hdc, int iPixelFormat, int iLayerPlane,
                                                            UINT nAttributes, const int* piAttributes,
                                                            int* piValues);
typedef BOOL(APIENTRY* PFNWGLGETPIXELFORMATATTRIBFVARBPROC)(HDC hdc, int iPixelFormat, int iLayerPlane,
                                                            UINT nAttributes, const int* piAttributes,
                                                            FLOAT* pfValues);
typedef BOOL(APIENTRY* PFNWGLCHOOSEPIXELFORMATARBPROC)(HDC hdc, const int* piAttribIList,
                                                       const FLOAT* pfAttribFList, UINT nMaxFormats,
                                                       int* piFormats, UINT* nNumFormats);

typedef BOOL(APIENTRY* PFNWGLMAKECONTEXTCURRENTARBPROC)(HDC hDrawDC, HDC hReadDC, HGLRC hglrc);
typedef HDC(APIENTRY* PFNWGLGETCURRENTREADDCARBPROC)(void);

typedef BOOL(APIENTRY* PFNWGLBINDTEXIMAGEARBPROC)(HPBUFFERARB hPbuffer, int iBuffer);
typedef BOOL(APIENTRY* PFNWGLRELEASETEXIMAGEARBPROC)(HPBUFFERARB hPbuffer, int iBuffer);
typedef BOOL(APIENTRY* PFNWGLSETPBUFFERATTRIBARBPROC)(HPBUFFERARB hPbuffer, const int* piAttribList);

typedef BOOL(APIENTRY* PFNWGLSWAPINTERVALEXTPROC)(int interval);

typedef const char*(APIENTRY* PFNWGLGETEXTENSIONSSTRINGARBPROC)(HDC hdc);
typedef const char*(APIENTRY* PFNWGLGETEXTENSIONSSTRINGEXTPROC)(void);

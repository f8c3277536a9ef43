#pragma once

#include "opengl/gl_api.h"
#include "opengl/gl_call_recorder.h"

// The interface calls of the renderer's state cache. Each one is made on the current context and, when a
// recorder is attached, reported to it, so that the cache's promise (a call only where something
// changes) can be observed.
class GLStateCalls {
public:
    GLCallRecorder* recorder = nullptr;

    void enable(GLenum cap);
    void disable(GLenum cap);
    void bindTexture(GLenum target, GLuint name);
    void texEnvi(GLenum target, GLenum pname, GLint param);
    void activeTexture(GLenum unit);
    void blendFunc(GLenum src, GLenum dst);
    void blendEquation(GLenum mode);
    void depthFunc(GLenum func);
    void depthMask(GLboolean on);
    void colorMask(GLboolean red, GLboolean green, GLboolean blue, GLboolean alpha);
    void frontFace(GLenum mode);
    void pixelStorei(GLenum pname, GLint param);
    void useProgram(GLhandleARB program);
    GLint getUniformLocation(GLhandleARB program, const char* name);
    void uniform1i(GLint location, GLint value);
    void uniform1f(GLint location, GLfloat value);
    void uniform2fv(GLint location, GLsizei count, const GLfloat* values);
    void uniform3fv(GLint location, GLsizei count, const GLfloat* values);
    void uniform4fv(GLint location, GLsizei count, const GLfloat* values);
    void uniformMatrix3fv(GLint location, GLsizei count, GLboolean transpose, const GLfloat* values);
    void uniformMatrix4fv(GLint location, GLsizei count, GLboolean transpose, const GLfloat* values);
    void swapInterval(int interval);
    void makeCurrent(HDC dc, HGLRC context);
    void bindTexImage(HPBUFFERARB pbuffer, int buffer);
    void releaseTexImage(HPBUFFERARB pbuffer, int buffer);

private:
    void note(const char* name, int count, const long long* args);
    void note(const char* name, long long a) { note(name, 1, &a); }
    void note(const char* name, long long a, long long b) {
        const long long args[] = {a, b};
        note(name, 2, args);
    }
};

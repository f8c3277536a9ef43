#include "opengl/gl_state_calls.h"

#include "opengl/extensions.h"

#include <cstdio>

void GLStateCalls::note(const char* name, int count, const long long* args) {
    if (recorder == nullptr) {
        return;
    }
    char text[256];
    int length = snprintf(text, sizeof text, "%s(", name);
    for (int i = 0; i < count && length < (int)sizeof text; i++) {
        length += snprintf(text + length, sizeof text - length, i == 0 ? "0x%llX" : ", 0x%llX", args[i]);
    }
    if (length < (int)sizeof text) {
        snprintf(text + length, sizeof text - length, ")");
    }
    recorder->record(text);
}

void GLStateCalls::enable(GLenum cap) {
    note("glEnable", cap);
    glEnable(cap);
}

void GLStateCalls::disable(GLenum cap) {
    note("glDisable", cap);
    glDisable(cap);
}

void GLStateCalls::bindTexture(GLenum target, GLuint name) {
    note("glBindTexture", target, name);
    glBindTexture(target, name);
}

void GLStateCalls::texEnvi(GLenum target, GLenum pname, GLint param) {
    const long long args[] = {target, pname, param};
    note("glTexEnvi", 3, args);
    glTexEnvi(target, pname, param);
}

void GLStateCalls::activeTexture(GLenum unit) {
    note("glActiveTextureARB", unit);
    glActiveTextureARB(unit);
}

void GLStateCalls::blendFunc(GLenum src, GLenum dst) {
    note("glBlendFunc", src, dst);
    glBlendFunc(src, dst);
}

void GLStateCalls::blendEquation(GLenum mode) {
    note("glBlendEquationEXT", mode);
    if (glBlendEquationEXT != nullptr) {
        glBlendEquationEXT(mode);
    }
}

void GLStateCalls::depthFunc(GLenum func) {
    note("glDepthFunc", func);
    glDepthFunc(func);
}

void GLStateCalls::depthMask(GLboolean on) {
    note("glDepthMask", on);
    glDepthMask(on);
}

void GLStateCalls::colorMask(GLboolean red, GLboolean green, GLboolean blue, GLboolean alpha) {
    const long long args[] = {red, green, blue, alpha};
    note("glColorMask", 4, args);
    glColorMask(red, green, blue, alpha);
}

void GLStateCalls::frontFace(GLenum mode) {
    note("glFrontFace", mode);
    glFrontFace(mode);
}

void GLStateCalls::pixelStorei(GLenum pname, GLint param) {
    note("glPixelStorei", pname, param);
    glPixelStorei(pname, param);
}

void GLStateCalls::useProgram(GLhandleARB program) {
    note("glUseProgramObjectARB", program);
    glUseProgramObjectARB(program);
}

GLint GLStateCalls::getUniformLocation(GLhandleARB program, const char* name) {
    if (recorder != nullptr) {
        char text[256];
        snprintf(text, sizeof text, "glGetUniformLocationARB(0x%X, \"%s\")", program, name);
        recorder->record(text);
    }
    return glGetUniformLocationARB(program, name);
}

void GLStateCalls::uniform1i(GLint location, GLint value) {
    note("glUniform1iARB", location, value);
    glUniform1iARB(location, value);
}

void GLStateCalls::uniform1f(GLint location, GLfloat value) {
    if (recorder != nullptr) {
        char text[256];
        snprintf(text, sizeof text, "glUniform1fARB(0x%X, %g)", location, (double)value);
        recorder->record(text);
    }
    glUniform1fARB(location, value);
}

void GLStateCalls::uniform2fv(GLint location, GLsizei count, const GLfloat* values) {
    note("glUniform2fvARB", location, count);
    glUniform2fvARB(location, count, values);
}

void GLStateCalls::uniform3fv(GLint location, GLsizei count, const GLfloat* values) {
    note("glUniform3fvARB", location, count);
    glUniform3fvARB(location, count, values);
}

void GLStateCalls::uniform4fv(GLint location, GLsizei count, const GLfloat* values) {
    note("glUniform4fvARB", location, count);
    glUniform4fvARB(location, count, values);
}

void GLStateCalls::uniformMatrix3fv(GLint location, GLsizei count, GLboolean transpose,
                                    const GLfloat* values) {
    const long long args[] = {location, count, transpose};
    note("glUniformMatrix3fvARB", 3, args);
    glUniformMatrix3fvARB(location, count, transpose, values);
}

void GLStateCalls::uniformMatrix4fv(GLint location, GLsizei count, GLboolean transpose,
                                    const GLfloat* values) {
    const long long args[] = {location, count, transpose};
    note("glUniformMatrix4fvARB", 3, args);
    glUniformMatrix4fvARB(location, count, transpose, values);
}

void GLStateCalls::swapInterval(int interval) {
    note("wglSwapIntervalEXT", interval);
    wglSwapIntervalEXT(interval);
}

void GLStateCalls::makeCurrent(HDC dc, HGLRC context) {
    note("wglMakeCurrent", (long long)(intptr_t)dc, (long long)(intptr_t)context);
    wglMakeCurrent(dc, context);
}

void GLStateCalls::bindTexImage(HPBUFFERARB pbuffer, int buffer) {
    note("wglBindTexImageARB", (long long)(intptr_t)pbuffer, buffer);
    wglBindTexImageARB(pbuffer, buffer);
}

void GLStateCalls::releaseTexImage(HPBUFFERARB pbuffer, int buffer) {
    note("wglReleaseTexImageARB", (long long)(intptr_t)pbuffer, buffer);
    wglReleaseTexImageARB(pbuffer, buffer);
}

#include "opengl/opengl_renderer.h"

// Locations are looked up by name on every call: programs are few and names are not cached.
GLint OpenGLRenderer::uniformLocation(const char* name) {
    if (currentShader < 0) {
        return -1;
    }
    return gl.getUniformLocation(shaders[currentShader].program, name);
}

void OpenGLRenderer::setUniform1f(const char* name, float value) {
    GLint location = uniformLocation(name);
    if (location >= 0) {
        gl.uniform1f(location, value);
    }
}

void OpenGLRenderer::setUniform2f(const char* name, const vec2& value) {
    GLint location = uniformLocation(name);
    if (location >= 0) {
        gl.uniform2fv(location, 1, &value.x);
    }
}

void OpenGLRenderer::setUniform3f(const char* name, const vec3& value) {
    GLint location = uniformLocation(name);
    if (location >= 0) {
        gl.uniform3fv(location, 1, &value.x);
    }
}

void OpenGLRenderer::setUniform4f(const char* name, const vec4& value) {
    GLint location = uniformLocation(name);
    if (location >= 0) {
        gl.uniform4fv(location, 1, &value.x);
    }
}

// The system's matrices are stored row by row, hence transposed on the way.
void OpenGLRenderer::setUniformMatrix3(const char* name, const float* value) {
    GLint location = uniformLocation(name);
    if (location >= 0) {
        gl.uniformMatrix3fv(location, 1, GL_TRUE, value);
    }
}

void OpenGLRenderer::setUniformMatrix4(const char* name, const mat4& value) {
    GLint location = uniformLocation(name);
    if (location >= 0) {
        gl.uniformMatrix4fv(location, 1, GL_TRUE, &value.rows[0][0]);
    }
}

void OpenGLRenderer::setUniformArray3f(const char* name, const vec3* values, int count) {
    GLint location = uniformLocation(name);
    if (location >= 0) {
        gl.uniform3fv(location, count, &values->x);
    }
}

void OpenGLRenderer::setUniformArray4f(const char* name, const vec4* values, int count) {
    GLint location = uniformLocation(name);
    if (location >= 0) {
        gl.uniform4fv(location, count, &values->x);
    }
}

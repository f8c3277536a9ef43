#include "opengl/opengl_renderer.h"

#include "opengl/extensions.h"

// Programs are not built from source text yet: every request fails.
bool OpenGLRenderer::createShader(ShaderEntry&, const char*, const char*) {
    return false;
}

void OpenGLRenderer::deleteShader(ShaderEntry& entry) {
    if (glDeleteObjectARB == nullptr) {
        return;
    }
    glDeleteObjectARB(entry.vertexShader);
    glDeleteObjectARB(entry.fragmentShader);
    glDeleteObjectARB(entry.program);
}

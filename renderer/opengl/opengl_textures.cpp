#include "opengl/opengl_renderer.h"

#include "opengl/extensions.h"
#include "opengl/render_target_data.h"

// Texture creation and render targets are not implemented yet: both refuse every entry.

bool OpenGLRenderer::createRenderTarget(TextureEntry&) {
    return false;
}

bool OpenGLRenderer::createTexture(TextureEntry&) {
    return false;
}

void OpenGLRenderer::deleteTexture(TextureEntry& entry) {
    if (entry.isRenderTarget && entry.renderTarget != nullptr) {
        RenderTargetData* target = entry.renderTarget;
        wglDeleteContext(target->context);
        // The pbuffer functions exist only where the render-target extensions do.
        if (wglReleasePbufferDCARB != nullptr && wglDestroyPbufferARB != nullptr) {
            wglReleasePbufferDCARB(target->pbuffer, target->dc);
            wglDestroyPbufferARB(target->pbuffer);
        }
        delete target;
        entry.renderTarget = nullptr;
    }
    glDeleteTextures(1, &entry.glName);
}

void OpenGLRenderer::applyAnisotropy(TextureID id) {
    if (!GL_EXT_texture_filter_anisotropic_supported || !isTexture(id) || textures[id].type != Tex2D) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, textures[id].glName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, maxAnisotropy);
}

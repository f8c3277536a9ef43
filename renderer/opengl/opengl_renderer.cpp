#include "opengl/opengl_renderer.h"

#include "opengl/extensions.h"
#include "opengl/render_target_data.h"

GLenum textureTarget(TextureType type) {
    static const GLenum targets[] = {GL_TEXTURE_2D, GL_TEXTURE_CUBE_MAP_ARB, GL_TEXTURE_3D, GL_TEXTURE_1D};
    return targets[type];
}

OpenGLRenderer::OpenGLRenderer(HDC dc, HGLRC context) : hdc(dc), hglrc(context) {
    useRGBA = true;
    nTextureUnits = 1;
    if (GL_ARB_multitexture_supported) {
        GLint units = 1;
        glGetIntegerv(GL_MAX_TEXTURE_UNITS_ARB, &units);
        nTextureUnits = units < 1 ? 1 : units > MAX_TEXTURE_UNITS ? MAX_TEXTURE_UNITS : units;
    }
    maxAnisotropy = 1;
    if (GL_EXT_texture_filter_anisotropic_supported) {
        GLint anisotropy = 1;
        glGetIntegerv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &anisotropy);
        maxAnisotropy = anisotropy;
    }
    initState();
    setDefaultState();
}

OpenGLRenderer::~OpenGLRenderer() {}

void OpenGLRenderer::setDefaultState() {
    gl.enable(GL_DEPTH_TEST);
    gl.depthFunc(GL_LEQUAL);
    gl.pixelStorei(GL_PACK_ALIGNMENT, 1);
    gl.pixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl.frontFace(GL_CW);
}

void OpenGLRenderer::changeShader(ShaderID id) {
    if (!isShader(id)) {
        id = -1;
    }
    if (id == currentShader) {
        return;
    }
    gl.useProgram(id < 0 ? 0 : shaders[id].program);
    currentShader = id;
}

void OpenGLRenderer::assignSamplerUnits() {
    if (currentShader < 0) {
        return;
    }
    for (int i = 0; i < nSamplers; i++) {
        GLint location = gl.getUniformLocation(shaders[currentShader].program, samplerNames[i]);
        if (location >= 0) {
            gl.uniform1i(location, i);
        }
    }
}

void OpenGLRenderer::changeTextureUnit(int unit) {
    if (unit == activeUnit) {
        return;
    }
    gl.activeTexture(GL_TEXTURE0_ARB + unit);
    activeUnit = unit;
}

void OpenGLRenderer::changeTexture(TextureID id) {
    if (!isTexture(id)) {
        id = -1;
    }
    TextureID old = currentTextures[activeUnit];
    if (id == old) {
        return;
    }
    if (old >= 0 && textures[old].isRenderTarget) {
        gl.releaseTexImage(textures[old].renderTarget->pbuffer, WGL_FRONT_LEFT_ARB);
    }
    if (id < 0) {
        gl.disable(textureTarget(textures[old].type));
    } else {
        const TextureEntry& entry = textures[id];
        if (old < 0) {
            gl.enable(textureTarget(entry.type));
        } else if (textures[old].type != entry.type) {
            gl.disable(textureTarget(textures[old].type));
            gl.enable(textureTarget(entry.type));
        }
        gl.bindTexture(textureTarget(entry.type), entry.glName);
        if (entry.isRenderTarget) {
            gl.bindTexImage(entry.renderTarget->pbuffer, WGL_FRONT_LEFT_ARB);
        }
    }
    currentTextures[activeUnit] = id;
}

void OpenGLRenderer::changeBlending(int srcFactor, int dstFactor, int blendMode) {
    if (srcFactor != STATE_OFF) {
        if (currentSrcFactor == STATE_OFF) {
            gl.enable(GL_BLEND);
        }
        if (srcFactor != currentSrcFactor || dstFactor != currentDstFactor) {
            currentSrcFactor = srcFactor;
            currentDstFactor = dstFactor;
            gl.blendFunc(srcFactor, dstFactor);
        }
        if (blendMode != currentBlendMode) {
            currentBlendMode = blendMode;
            gl.blendEquation(blendMode);
        }
    } else if (currentSrcFactor != STATE_OFF) {
        gl.disable(GL_BLEND);
        currentSrcFactor = STATE_OFF;
    }
}

void OpenGLRenderer::changeDepthFunc(int depthFunc) {
    if (depthFunc == currentDepthFunc) {
        return;
    }
    if (depthFunc == STATE_OFF) {
        gl.disable(GL_DEPTH_TEST);
    } else {
        if (currentDepthFunc == STATE_OFF) {
            gl.enable(GL_DEPTH_TEST);
        }
        gl.depthFunc(depthFunc);
    }
    currentDepthFunc = depthFunc;
}

void OpenGLRenderer::changeMask(int mask) {
    if (mask == currentMask) {
        return;
    }
    const int colorBits = MaskRed | MaskGreen | MaskBlue | MaskAlpha;
    if ((mask & MaskDepth) != (currentMask & MaskDepth)) {
        gl.depthMask((mask & MaskDepth) != 0);
    }
    if ((mask & colorBits) != (currentMask & colorBits)) {
        gl.colorMask((mask & MaskRed) != 0, (mask & MaskGreen) != 0, (mask & MaskBlue) != 0,
                     (mask & MaskAlpha) != 0);
    }
    currentMask = mask;
}

void OpenGLRenderer::setSwapInterval(bool on) {
    if (WGL_EXT_swap_control_supported) {
        gl.swapInterval(on ? 1 : 0);
    }
}

void OpenGLRenderer::resetTextureUnits() {
    for (int i = 0; i < nTextureUnits; i++) {
        changeTextureUnit(i);
        gl.bindTexture(GL_TEXTURE_1D, 0);
        gl.bindTexture(GL_TEXTURE_2D, 0);
        if (GL_EXT_texture3D_supported) {
            gl.bindTexture(GL_TEXTURE_3D, 0);
        }
        if (GL_ARB_texture_cube_map_supported) {
            gl.bindTexture(GL_TEXTURE_CUBE_MAP_ARB, 0);
        }
    }
}

void OpenGLRenderer::changeRenderTarget(TextureID id) {
    if (!isTexture(id) || !textures[id].isRenderTarget) {
        id = -1;
    }
    if (id == currentRenderTarget) {
        return;
    }
    // The context being left gets the default state.
    reset();
    apply();
    if (id < 0) {
        gl.makeCurrent(hdc, hglrc);
    } else {
        gl.makeCurrent(textures[id].renderTarget->dc, textures[id].renderTarget->context);
    }
    currentRenderTarget = id;
}

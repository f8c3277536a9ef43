#include "opengl/renderer.h"

#include "image/image.h"

Renderer::Renderer() {
    for (int i = 0; i < MAX_TEXTURE_UNITS; i++) {
        selectedTextures[i] = currentTextures[i] = -1;
        selectedColorCombine[i] = selectedAlphaCombine[i] = CombineNone;
        currentColorCombine[i] = currentAlphaCombine[i] = CombineModulate;
    }
    for (int i = 0; i < MAX_SAMPLERS; i++) {
        samplerNames[i] = nullptr;
    }
}

Renderer::~Renderer() {}

void Renderer::initState() {
    for (int i = 0; i < nTextureUnits; i++) {
        currentTextures[i] = -1;
        // The interface itself starts every unit in modulate mode.
        currentColorCombine[i] = CombineModulate;
        currentAlphaCombine[i] = CombineModulate;
    }
    activeUnit = 0;
    currentSrcFactor = STATE_OFF;
    currentDstFactor = STATE_OFF;
    currentBlendMode = DEFAULT_BLEND_MODE;
    currentDepthFunc = DEFAULT_DEPTH_FUNC;
    currentMask = MaskAll;
    currentShader = -1;
    currentRenderTarget = -1;
    reset();
}

int Renderer::setTexture(const char* samplerName, TextureID id) {
    // Beyond the last sampler unit there is nowhere to record the name.
    if (nSamplers >= MAX_SAMPLERS) {
        return nSamplers;
    }
    selectedTextures[nSamplers] = id;
    samplerNames[nSamplers] = samplerName;
    return ++nSamplers;
}

void Renderer::setBlending(int srcFactor, int dstFactor, int blendMode) {
    selectedSrcFactor = srcFactor;
    selectedDstFactor = dstFactor;
    selectedBlendMode = blendMode;
}

void Renderer::reset() {
    for (int i = 0; i < nTextureUnits; i++) {
        selectedTextures[i] = -1;
        selectedColorCombine[i] = CombineNone;
        selectedAlphaCombine[i] = CombineNone;
    }
    nSamplers = 0;
    selectedSrcFactor = STATE_OFF;
    selectedDstFactor = STATE_OFF;
    selectedBlendMode = DEFAULT_BLEND_MODE;
    selectedDepthFunc = DEFAULT_DEPTH_FUNC;
    selectedMask = MaskAll;
    selectedShader = -1;
}

void Renderer::apply() {
    changeShader(selectedShader);
    assignSamplerUnits();
    for (int i = 0; i < nTextureUnits; i++) {
        changeTextureUnit(i);
        changeTexture(selectedTextures[i]);
        changeTextureCombine(selectedColorCombine[i], selectedAlphaCombine[i]);
    }
    changeBlending(selectedSrcFactor, selectedDstFactor, selectedBlendMode);
    changeDepthFunc(selectedDepthFunc);
    changeMask(selectedMask);
    reset();
}

void Renderer::clear() {
    reset();
    apply();
    resetTextureUnits();
    for (int i = (int)textures.getCount() - 1; i >= 0; i--) {
        removeTexture(i);
    }
    for (int i = (int)shaders.getCount() - 1; i >= 0; i--) {
        removeShader(i);
    }
}

TextureID Renderer::insertTexture(const TextureEntry& entry) {
    TextureID slot = -1;
    for (unsigned i = 0; i < textures.getCount(); i++) {
        if (textures[i].glName == 0) {
            slot = (TextureID)i;
            break;
        }
    }
    if (slot < 0) {
        slot = (TextureID)textures.add(entry);
    } else {
        textures[slot] = entry;
    }
    applyAnisotropy(slot);
    return slot;
}

void Renderer::removeTexture(TextureID id) {
    if (!isTexture(id) || textures[id].glName == 0) {
        return;
    }
    TextureEntry& entry = textures[id];
    deleteTexture(entry);
    if (!entry.isRenderTarget) {
        // Only a cube has more than the first image; a volume keeps its slices in the same places.
        int count = entry.type == Tex2D || entry.type == Tex1D ? 1 : MAX_TEXTURE_IMAGES;
        for (int i = 0; i < count; i++) {
            delete entry.images[i];
            entry.images[i] = nullptr;
        }
    }
    entry.glName = 0;
}

ShaderID Renderer::insertShader(const ShaderEntry& entry) {
    for (unsigned i = 0; i < shaders.getCount(); i++) {
        if (shaders[i].program == 0) {
            shaders[i] = entry;
            return (ShaderID)i;
        }
    }
    return (ShaderID)shaders.add(entry);
}

void Renderer::removeShader(ShaderID id) {
    if (!isShader(id) || shaders[id].program == 0) {
        return;
    }
    deleteShader(shaders[id]);
    shaders[id].program = 0;
}

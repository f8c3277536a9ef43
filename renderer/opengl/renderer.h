#pragma once

#include "opengl/render_state.h"
#include "opengl/shader_entry.h"
#include "opengl/texture_entry.h"
#include "util/array.h"
#include "util/matrix.h"
#include "util/vector.h"

// Texture and shader tables addressed by handles, and a select-then-apply cache of render state.
// Drawing code selects shader, textures and blending, calls apply, then sets uniforms by name. apply
// issues only the state changes that differ from the current state and returns every selection to its
// default. The order of the virtual operations is fixed.
class Renderer {
public:
    Renderer();

    virtual bool createRenderTarget(TextureEntry& entry) = 0;
    virtual bool createTexture(TextureEntry& entry) = 0;
    virtual void deleteTexture(TextureEntry& entry) = 0;
    virtual void resetTextureUnits() = 0;
    virtual bool createShader(ShaderEntry& entry, const char* vertexText, const char* fragmentText) = 0;
    virtual void deleteShader(ShaderEntry& entry) = 0;
    // Frees the tables' storage only: the interface objects must be gone through clear before.
    virtual ~Renderer();
    virtual void setDefaultState() = 0;
    virtual void changeRenderTarget(TextureID id) = 0;
    virtual void resetRenderTarget() = 0;
    virtual void assignSamplerUnits() = 0;
    virtual void changeTextureUnit(int unit) = 0;
    virtual void changeTexture(TextureID id) = 0;
    virtual void changeTextureCombine(int colorMode, int alphaMode) = 0;
    virtual void changeShader(ShaderID id) = 0;
    virtual void setUniform1f(const char* name, float value) = 0;
    virtual void setUniform2f(const char* name, const vec2& value) = 0;
    virtual void setUniform3f(const char* name, const vec3& value) = 0;
    virtual void setUniform4f(const char* name, const vec4& value) = 0;
    virtual void setUniformMatrix3(const char* name, const float* value) = 0;
    virtual void setUniformMatrix4(const char* name, const mat4& value) = 0;
    virtual void setUniformArray3f(const char* name, const vec3* values, int count) = 0;
    virtual void setUniformArray4f(const char* name, const vec4* values, int count) = 0;
    virtual void changeBlending(int srcFactor, int dstFactor, int blendMode) = 0;
    virtual void changeDepthFunc(int depthFunc) = 0;
    virtual void changeMask(int mask) = 0;
    virtual void setSwapInterval(bool on) = 0;
    virtual void applyAnisotropy(TextureID id) = 0;

    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // Selection for the next apply.
    void setShader(ShaderID id) { selectedShader = id; }
    void setTexture(TextureID id) { selectedTextures[0] = id; }
    // Puts the texture in the next sampler unit and returns the new number of named samplers.
    int setTexture(const char* samplerName, TextureID id);
    void setBlending(int srcFactor, int dstFactor, int blendMode = DEFAULT_BLEND_MODE);

    void reset();
    void apply();
    // Back to the default state, then every texture and shader released.
    void clear();

    TextureID addTexture(Image* image, unsigned flags);
    TextureID loadTexture(const char* fileName, unsigned flags);
    TextureID insertTexture(const TextureEntry& entry);
    void removeTexture(TextureID id);

    ShaderID loadShader(const char* fileName, const char* extraText);
    ShaderID insertShader(const ShaderEntry& entry);
    void removeShader(ShaderID id);

    Array<TextureEntry> textures;
    int nTextureUnits = 1;
    int activeUnit = 0;
    int maxAnisotropy = 1;
    TextureID selectedTextures[MAX_TEXTURE_UNITS];
    TextureID currentTextures[MAX_TEXTURE_UNITS];
    int selectedColorCombine[MAX_TEXTURE_UNITS];
    int currentColorCombine[MAX_TEXTURE_UNITS];
    int selectedAlphaCombine[MAX_TEXTURE_UNITS];
    int currentAlphaCombine[MAX_TEXTURE_UNITS];
    const char* samplerNames[MAX_SAMPLERS];
    int nSamplers = 0;
    Array<ShaderEntry> shaders;
    ShaderID currentShader = -1;
    ShaderID selectedShader = -1;
    TextureID currentRenderTarget = -1;
    int currentSrcFactor = STATE_OFF;
    int selectedSrcFactor = STATE_OFF;
    int currentDstFactor = STATE_OFF;
    int selectedDstFactor = STATE_OFF;
    int currentBlendMode = DEFAULT_BLEND_MODE;
    int selectedBlendMode = DEFAULT_BLEND_MODE;
    int currentDepthFunc = DEFAULT_DEPTH_FUNC;
    int selectedDepthFunc = DEFAULT_DEPTH_FUNC;
    int currentMask = MaskAll;
    int selectedMask = MaskAll;
    bool useRGBA = true;

protected:
    // The cache's picture of the interface's initial state; nTextureUnits must be known.
    void initState();

    bool isTexture(TextureID id) const { return id >= 0 && (unsigned)id < textures.getCount(); }
    bool isShader(ShaderID id) const { return id >= 0 && (unsigned)id < shaders.getCount(); }
};

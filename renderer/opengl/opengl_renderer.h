#pragma once

#include "opengl/gl_api.h"
#include "opengl/gl_state_calls.h"
#include "opengl/renderer.h"

// The renderer on OpenGL 1.1 plus extensions. Construct it with the context current on this thread;
// call clear while it is still current, before deleting the renderer.
class OpenGLRenderer : public Renderer {
public:
    OpenGLRenderer(HDC dc, HGLRC context);

    bool createRenderTarget(TextureEntry& entry) override;
    bool createTexture(TextureEntry& entry) override;
    void deleteTexture(TextureEntry& entry) override;
    void resetTextureUnits() override;
    bool createShader(ShaderEntry& entry, const char* vertexText, const char* fragmentText) override;
    void deleteShader(ShaderEntry& entry) override;
    ~OpenGLRenderer() override;
    void setDefaultState() override;
    void changeRenderTarget(TextureID id) override;
    void resetRenderTarget() override { changeRenderTarget(-1); }
    void assignSamplerUnits() override;
    void changeTextureUnit(int unit) override;
    void changeTexture(TextureID id) override;
    void changeTextureCombine(int colorMode, int alphaMode) override;
    void changeShader(ShaderID id) override;
    void setUniform1f(const char* name, float value) override;
    void setUniform2f(const char* name, const vec2& value) override;
    void setUniform3f(const char* name, const vec3& value) override;
    void setUniform4f(const char* name, const vec4& value) override;
    void setUniformMatrix3(const char* name, const float* value) override;
    void setUniformMatrix4(const char* name, const mat4& value) override;
    void setUniformArray3f(const char* name, const vec3* values, int count) override;
    void setUniformArray4f(const char* name, const vec4* values, int count) override;
    void changeBlending(int srcFactor, int dstFactor, int blendMode) override;
    void changeDepthFunc(int depthFunc) override;
    void changeMask(int mask) override;
    void setSwapInterval(bool on) override;
    void applyAnisotropy(TextureID id) override;

    // Reports every interface call of the state cache to the recorder (null: none).
    void setCallRecorder(GLCallRecorder* recorder) { gl.recorder = recorder; }

    HDC hdc;
    HGLRC hglrc;

protected:
    // The current program's location of a uniform, or -1 (also without a current shader).
    GLint uniformLocation(const char* name);

    GLStateCalls gl;
};

// The texture target of a TextureType.
GLenum textureTarget(TextureType type);

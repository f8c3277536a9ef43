#pragma once

#include "opengl/opengl_app.h"
#include "opengl/shader_entry.h"
#include "opengl/texture_entry.h"
#include "scene/fabric_scene.h"
#include "util/array.h"
#include "util/vector.h"

class OpenGLModelList;

// The renderer's one application: the desktop picture falls as a cloth onto one to three spheres, lit by a
// light wandering above them, per pixel through shaders when the hardware has them, fixed-function otherwise.
class FabricApp : public OpenGLApp {
public:
    bool init() override;
    bool exit() override;
    bool load() override;
    bool unload() override;
    bool drawFrame() override;
    void resetCamera() override;

protected:
    // The three stages of drawFrame, apart so that a timing harness can measure the simulation and the draw
    // submission on their own.
    vec3 beginScene();
    void simulate();
    void drawScene(const vec3& light);

    FabricScene scene;
    ShaderID lightingShader = -1;
    ShaderID sphereShader = -1;
    OpenGLModelList* sphereModels = nullptr;
    TextureID fabricTexture = -1;
    TextureID spriteTexture = -1;
    Array<TextureID> fabricTextures;
    bool useShaders = false;

private:
    void drawSphere(const vec3& light, const vec3& center, float size, const vec3& color);
    void drawFabric(const vec3& light);
    void drawLightSprite(const vec3& light);
    // Positional light at L, a local viewer and, where offered, the specular colour added after texturing.
    void setFixedFunctionLight(const vec3& light);
};

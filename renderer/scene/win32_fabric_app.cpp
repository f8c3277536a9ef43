#include "scene/win32_fabric_app.h"

#include "framework/frame_clock.h"
#include "geometry/sphere_mesh.h"
#include "geometry/win32_opengl_model_list.h"
#include "opengl/extensions.h"
#include "opengl/renderer.h"
#include "opengl/texture_flags.h"
#include "scene/fabric_camera.h"
#include "scene/fabric_light_path.h"
#include "scene/handover_paths.h"

namespace {

// Clamped in both directions; the 0x400 bit has no effect.
const unsigned handoverTextureFlags = TexClampS | TexClampT | 0x400;

} // namespace

bool FabricApp::init() {
    scene.init(cyclesPerSecond);
    sphereModels = new OpenGLModelList();
    buildSphereModel(*sphereModels);
    return true;
}

bool FabricApp::exit() {
    delete sphereModels;
    sphereModels = nullptr;
    return true;
}

bool FabricApp::load() {
    useShaders = GL_ARB_shader_objects_supported && GL_ARB_vertex_shader_supported &&
                 GL_ARB_fragment_shader_supported && GL_ARB_shading_language_100_supported;
    if (useShaders) {
        lightingShader = renderer->loadShader("lighting.shd", nullptr);
        if (lightingShader == -1)
            return false;
        sphereShader = renderer->loadShader("sphere.shd", nullptr);
        if (sphereShader == -1)
            return false;
    }
    spriteTexture = renderer->loadTexture(handoverPathFromEnvironment(handoverSpriteFile).getText(),
                                          handoverTextureFlags);
    if (spriteTexture == -1)
        return false;
    TextureID cloth =
        renderer->loadTexture(handoverPathFromEnvironment(handoverClothFile).getText(), handoverTextureFlags);
    if (cloth != -1)
        fabricTextures.add(cloth);
    if (fabricTextures.getCount() == 0)
        return false;
    scene.textureCount = fabricTextures.getCount();
    // Without the sphere (out of memory in init) the scene still runs, with the cloth falling past nothing.
    if (sphereModels != nullptr && sphereModels->models.getCount() > 0)
        static_cast<OpenGLModel*>(sphereModels->models[0])->upload();
    return true;
}

bool FabricApp::unload() {
    if (sphereModels != nullptr && sphereModels->models.getCount() > 0)
        static_cast<OpenGLModel*>(sphereModels->models[0])->release();
    return true;
}

void FabricApp::resetCamera() {
    FabricCamera camera = startCamera();
    position = camera.position;
    wx = camera.wx;
    wy = camera.wy;
    wz = camera.wz;
}

bool FabricApp::drawFrame() {
    vec3 light = beginScene();
    simulate();
    drawScene(light);
    return true;
}

vec3 FabricApp::beginScene() {
    // Depth writes on, so the clear reaches the whole depth buffer.
    renderer->changeMask(MaskAll);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    projection = fabricProjection(width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(transpose(projection));
    modelview = fabricModelview(position, wx, wy, wz);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(transpose(modelview));
    return lightPosition(totalTime);
}

void FabricApp::simulate() {
    FabricFrame frame = scene.update(frameTime, totalTime);
    if (frame.reset && frame.textureIndex >= 0)
        fabricTexture = fabricTextures[(uint32_t)frame.textureIndex];
}

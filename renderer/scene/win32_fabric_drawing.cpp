#include "geometry/win32_opengl_model_list.h"
#include "opengl/extensions.h"
#include "opengl/renderer.h"
#include "scene/fabric_light_sprite.h"
#include "scene/win32_fabric_app.h"

#ifndef GL_LIGHT_MODEL_COLOR_CONTROL_EXT
#define GL_LIGHT_MODEL_COLOR_CONTROL_EXT 0x81F8
#endif
#ifndef GL_SEPARATE_SPECULAR_COLOR_EXT
#define GL_SEPARATE_SPECULAR_COLOR_EXT 0x81FA
#endif

namespace {

void setMaterial(const vec4& ambient, const vec4& diffuse, const vec4& specular) {
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 16.0f);
}

} // namespace

void FabricApp::drawScene(const vec3& light) {
    // The renderer's front face keeps the sphere's outer faces.
    glEnable(GL_CULL_FACE);
    for (uint32_t k = 0; k < scene.getSphereCount(); k++)
        drawSphere(light, scene.getSphereCenter(k), scene.getSphereRadius(k) - sphereDrawInset,
                   scene.getSphereColor(k));
    // Both sides of the cloth are seen.
    glDisable(GL_CULL_FACE);
    drawFabric(light);
    drawLightSprite(light);
}

void FabricApp::setFixedFunctionLight(const vec3& light) {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, vec4(light, 1.0f));
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
    if (GL_EXT_separate_specular_color_supported)
        glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL_EXT, GL_SEPARATE_SPECULAR_COLOR_EXT);
}

void FabricApp::drawSphere(const vec3& light, const vec3& center, float size, const vec3& color) {
    if (sphereModels == nullptr)
        return;
    if (useShaders) {
        renderer->setShader(sphereShader);
        renderer->apply();
        renderer->setUniform3f("spherePos", center);
        renderer->setUniform1f("sphereSize", size);
        renderer->setUniform3f("lightPos", light);
        renderer->setUniform3f("camPos", position);
        renderer->setUniform4f("color", vec4(color, 0.0f));
        // The vertex shader places and scales the unit sphere.
        sphereModels->drawAll();
        return;
    }
    renderer->apply();
    setFixedFunctionLight(light);
    setMaterial(vec4(0.15f * color, 1.0f), vec4(color, 0.0f), vec4(0.7f, 0.7f, 0.7f, 1.0f));
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslatef(center.x, center.y, center.z);
    glScalef(size, size, size);
    glEnable(GL_NORMALIZE);
    sphereModels->drawAll();
    glDisable(GL_NORMALIZE);
    glDisable(GL_LIGHTING);
    glPopMatrix();
}

void FabricApp::drawFabric(const vec3& light) {
    if (useShaders) {
        renderer->setShader(lightingShader);
        renderer->setTexture("Base", fabricTexture);
        renderer->apply();
        renderer->setUniform3f("lightPos", light);
        renderer->setUniform3f("camPos", position);
    } else {
        renderer->setTexture(fabricTexture);
        renderer->apply();
        setFixedFunctionLight(light);
        setMaterial(vec4(0.15f, 0.15f, 0.15f, 1.0f), vec4(0.8f, 0.8f, 0.8f, 1.0f),
                    vec4(0.4f, 0.4f, 0.4f, 1.0f));
    }

    if (GL_ARB_multitexture_supported)
        glClientActiveTextureARB(GL_TEXTURE0_ARB);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    // Straight from the vertices the cloth moves in place; the pointers advance one row per strip.
    for (uint32_t strip = 0; strip < fabricStripCount; strip++) {
        const FabricVertex* first = &scene.fabricVertices[stripFirstVertex(strip)];
        glVertexPointer(3, GL_FLOAT, sizeof(FabricVertex), &first->position);
        glNormalPointer(GL_FLOAT, sizeof(FabricVertex), &first->normal);
        glTexCoordPointer(2, GL_FLOAT, sizeof(FabricVertex), &first->texCoord);
        glDrawElements(GL_TRIANGLE_STRIP, stripIndexCount, GL_UNSIGNED_SHORT, scene.stripIndices);
    }
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    if (!useShaders)
        glDisable(GL_LIGHTING);
}

void FabricApp::drawLightSprite(const vec3& light) {
    // Additive: the sprite's black adds nothing, only the glow shows.
    renderer->setBlending(GL_ONE, GL_ONE, GL_FUNC_ADD_EXT);
    renderer->setTexture(spriteTexture);
    renderer->apply();
    glColor3f(1.0f, 1.0f, 1.0f);
    LightSpriteCorner corners[4];
    lightSpriteCorners(light, modelview, corners);
    glBegin(GL_QUADS);
    for (const LightSpriteCorner& corner : corners) {
        glTexCoord2f(corner.texCoord.x, corner.texCoord.y);
        glVertex3f(corner.position.x, corner.position.y, corner.position.z);
    }
    glEnd();
}

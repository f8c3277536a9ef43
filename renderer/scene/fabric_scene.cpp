#include "scene/fabric_scene.h"

#include "scene/fabric_collisions.h"
#include "util/noise.h"
#include "util/random.h"

FabricScene::FabricScene() {
    for (FabricVertex& v : fabricVertices) {
        v.position = vec3(0.0f, 0.0f, 0.0f);
        v.normal = vec3(0.0f, 0.0f, 0.0f);
        v.texCoord = vec2(0.0f, 0.0f);
    }
    for (uint16_t& index : stripIndices)
        index = 0;
}

void FabricScene::init(uint64_t cyclesPerSecond) {
    initNoise();
    fillStripIndices(stripIndices);
    nextResetTime = 0.0f;
    srand15((uint32_t)cyclesPerSecond);
}

FabricFrame FabricScene::update(float frameTime, float totalTime) {
    FabricResetReason reason = fabricResetReason(totalTime, nextResetTime, kineticEnergy);
    if (reason != FabricResetReason::None)
        reset(totalTime);
    simulate(frameTime);
    return FabricFrame{reason != FabricResetReason::None, reason, textureIndex};
}

void FabricScene::reset(float totalTime) {
    nextResetTime = totalTime + fabricFallDuration;
    layoutFabric(fabricVertices);
    if (!fabricBuilt) {
        // The rest lengths come from exactly this flat layout, which every later reset restores.
        fabric.setup(fabricColumns, fabricRows, &fabricVertices[0].position, &fabricVertices[0].normal,
                     sizeof(FabricVertex));
        fabricBuilt = true;
    }
    for (uint32_t i = 0; i < fabric.getParticleCount(); i++)
        fabric.getParticle(i)->velocity = vec3(0.0f, 0.0f, 0.0f);
    placeSpheres(spheres);
    int pick = rand15();
    textureIndex = textureCount > 0 ? (int32_t)((uint32_t)pick % textureCount) : -1;
    resetCount++;
}

void FabricScene::simulate(float frameTime) {
    fabric.step(fabricStepTime(frameTime));
    kineticEnergy = collideWithSpheres(fabric, spheres, frameTime);
    fabric.updateNormals();
}

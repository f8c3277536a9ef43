#pragma once

#include "scene/fabric_layout.h"
#include "scene/fabric_reset_rule.h"
#include "scene/fabric_spheres.h"
#include "scene/fabric_strips.h"
#include "scene/fabric_system.h"
#include "scene/fabric_vertex.h"

#include <cstdint>

// The step never exceeds this, so below 80 frames per second the cloth runs slower than real time.
constexpr float fabricMaxStep = 0.0125f;

inline float fabricStepTime(float frameTime) {
    return frameTime < fabricMaxStep ? frameTime : fabricMaxStep;
}

struct FabricFrame {
    bool reset;
    FabricResetReason reason;
    // Index into the caller's cloth textures for this fall, -1 when it has none.
    int32_t textureIndex;
};

// The cloth scene without drawing: the sheet over its vertex array, the spheres of the current fall, the
// reset rule, and one simulation step per frame.
class FabricScene {
public:
    FabricSystem fabric;
    FabricVertex fabricVertices[fabricVertexCount];
    uint16_t stripIndices[stripIndexCount];
    FabricSpheres spheres;
    float nextResetTime = 0.0f;
    // Mean squared particle speed of the last frame; read by the next frame's reset rule.
    float kineticEnergy = 0.0f;
    bool fabricBuilt = false;
    // How many cloth textures a fall may pick from; the pick draws rand15() even when there are none.
    uint32_t textureCount = 0;
    int32_t textureIndex = -1;
    uint32_t resetCount = 0;

    FabricScene();
    FabricScene(const FabricScene&) = delete;
    FabricScene& operator=(const FabricScene&) = delete;

    // Noise tables (before seeding, so the light's path is the same in every run), strip indices, the reset
    // time, then the generator seeded with the low 32 bits of the cycle rate.
    void init(uint64_t cyclesPerSecond);

    // The reset rule, the reset when due, then simulate.
    FabricFrame update(float frameTime, float totalTime);

    // Flat sheet, links built on the first reset only, velocities zero, new spheres, new texture pick.
    void reset(float totalTime);
    // Step by the clamped frame time, collisions with the unclamped one (sets kineticEnergy), normals.
    void simulate(float frameTime);

    uint32_t getSphereCount() const { return spheres.sphereCount; }
    const vec3& getSphereCenter(uint32_t k) const { return spheres.sphereCenter[k]; }
    float getSphereRadius(uint32_t k) const { return spheres.sphereRadius[k]; }
    const vec3& getSphereColor(uint32_t k) const { return spheres.sphereColor[k]; }
};

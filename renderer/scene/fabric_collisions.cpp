#include "scene/fabric_collisions.h"

#include "scene/fabric_layout.h"

namespace {
// A particle at the very centre has no way out; it leaves upwards, towards the sheet's side of every
// sphere, instead of becoming NaN and poisoning its neighbours through the springs.
vec3 outwardDirection(const vec3& d, float squaredDistance) {
    if (squaredDistance > 0.0f)
        return normalize(d);
    return vec3(0.0f, 1.0f, 0.0f);
}
} // namespace

float collideWithSpheres(FabricSystem& fabric, const FabricSpheres& spheres, float frameTime) {
    float contactDamping = powScalar(0.015f, frameTime);
    float energy = 0.0f;
    uint32_t count = fabric.getParticleCount();
    for (uint32_t i = 0; i < count; i++) {
        FabricParticle* p = fabric.getParticle(i);
        bool free = true;
        for (uint32_t k = 0; k < spheres.sphereCount; k++) {
            const vec3& center = spheres.sphereCenter[k];
            float radius = spheres.sphereRadius[k];
            vec3 d = *p->position - center;
            float squaredDistance = dot(d, d);
            if (radius * radius > squaredDistance) {
                *p->position = center + radius * outwardDirection(d, squaredDistance);
                p->velocity *= contactDamping;
                free = false;
            }
        }
        if (free)
            energy += dot(p->velocity, p->velocity);
    }
    return energy / (float)fabricVertexCount;
}

#include "fabric_reference.h"

void referenceStep(FabricSystem& fabric, float dt) {
    uint32_t count = fabric.getParticleCount();
    for (uint32_t i = 0; i < count; i++) {
        FabricParticle* p = fabric.getParticle(i);
        p->velocity *= powScalar(0.5f, dt);
        for (uint32_t l = 0; l < p->links.getCount(); l++) {
            const FabricLink& link = p->links[l];
            vec3 d = *link.other->position - *p->position;
            float len = length(d);
            float g = (len - link.restLength) / len;
            vec3 a = 3.0f * d;
            vec3 b = a * g;
            p->velocity += (350.0f * dt) * b;
        }
        p->velocity += dt * fabric.gravity;
    }
    for (uint32_t i = 0; i < count; i++) {
        FabricParticle* p = fabric.getParticle(i);
        *p->position += dt * p->velocity;
    }
}

void referenceNormals(FabricSystem& fabric) {
    for (uint32_t i = 0; i < fabric.getParticleCount(); i++) {
        FabricParticle* p = fabric.getParticle(i);
        vec3 n(0.0f, 0.0f, 0.0f);
        vec3 cur = *p->links[0].other->position - *p->position;
        for (uint32_t j = 1; j < p->ringCount; j++) {
            vec3 prev = cur;
            cur = *p->links[j].other->position - *p->position;
            float w = fastInvSqrt(dot(prev, prev) * dot(cur, cur));
            n += cross(prev, cur) * w;
        }
        *p->normal = fastNormalize(n);
    }
}

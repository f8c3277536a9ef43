#include "cloth_grid.h"

ClothGrid::ClothGrid(uint32_t columns_, uint32_t rows_, float spacing)
    : columns(columns_), rows(rows_), vertices((size_t)columns_ * rows_) {
    float halfWidth = (float)(columns - 1) * 0.5f;
    float halfDepth = (float)(rows - 1) * 0.5f;
    for (uint32_t j = 0; j < rows; j++) {
        for (uint32_t i = 0; i < columns; i++) {
            FabricVertex& v = vertex(j, i);
            v.position = vec3(((float)i - halfWidth) * spacing, 0.0f, (halfDepth - (float)j) * spacing);
            v.normal = vec3(0.0f, 0.0f, 0.0f);
            v.texCoord = vec2((float)i / (float)(columns - 1), (float)j / (float)(rows - 1));
        }
    }
    built = fabric.setup(columns, rows, &vertices[0].position, &vertices[0].normal, sizeof(FabricVertex));
}

void ClothGrid::collide(const vec3& center, float radius, float frameTime) {
    for (uint32_t i = 0; i < fabric.getParticleCount(); i++) {
        FabricParticle* p = fabric.getParticle(i);
        vec3 d = *p->position - center;
        if (radius * radius > dot(d, d)) {
            *p->position = center + radius * normalize(d);
            p->velocity *= powScalar(0.015f, frameTime);
        }
    }
}

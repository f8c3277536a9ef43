#include "scene/fabric_layout.h"

void layoutFabric(FabricVertex* vertices) {
    for (uint32_t j = 0; j < fabricRows; j++) {
        for (uint32_t i = 0; i < fabricColumns; i++) {
            FabricVertex& v = vertices[j * fabricColumns + i];
            v.position = vec3(((float)i - 26.5f) * fabricGridStep, 0.0f, (20.5f - (float)j) * fabricGridStep);
            v.texCoord = vec2((float)i / 53.0f, (float)j / 41.0f);
        }
    }
}

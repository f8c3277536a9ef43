#pragma once

#include "util/vector.h"

#include <cstddef>

// One cloth vertex as OpenGL draws it; the cloth system moves position and writes normal in place.
struct FabricVertex {
    vec3 position;
    vec3 normal;
    vec2 texCoord;
};

static_assert(sizeof(FabricVertex) == 32, "the cloth is drawn with a 32-byte vertex stride");
static_assert(offsetof(FabricVertex, normal) == 12, "normal follows position");
static_assert(offsetof(FabricVertex, texCoord) == 24, "texture coordinate follows normal");

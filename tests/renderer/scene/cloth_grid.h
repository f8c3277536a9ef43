#pragma once

#include "scene/fabric_system.h"
#include "scene/fabric_vertex.h"

#include <vector>

// A cloth over its own vertex array, laid out and driven the way the scene does it.
struct ClothGrid {
    static constexpr float gridStep = 5.9259257f;

    uint32_t columns, rows;
    std::vector<FabricVertex> vertices;
    FabricSystem fabric;
    bool built;

    // A flat sheet at height 0, centred, rows running towards -z; the system is set up over it.
    ClothGrid(uint32_t columns_ = 54, uint32_t rows_ = 42, float spacing = gridStep);

    FabricVertex& vertex(uint32_t row, uint32_t column) { return vertices[row * columns + column]; }

    // Pushes particles inside the sphere out to its surface and damps them, as the scene's collisions do.
    void collide(const vec3& center, float radius, float frameTime);
};

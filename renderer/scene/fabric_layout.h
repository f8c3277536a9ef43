#pragma once

#include "scene/fabric_vertex.h"

#include <cstdint>

constexpr uint32_t fabricColumns = 54;
constexpr uint32_t fabricRows = 42;
constexpr uint32_t fabricVertexCount = fabricColumns * fabricRows;
// 320 / 54 in single precision.
constexpr float fabricGridStep = 5.9259257f;

// The flat sheet at height 0: row 0 at +z, rows running towards -z, texture (0, 0) at row 0, column 0.
// Normals are left alone.
void layoutFabric(FabricVertex* vertices);

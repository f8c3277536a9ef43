#pragma once

#include "geometry/vertex_attribute.h"

#include <cstdint>

constexpr uint32_t weldKept = 0xFFFFFFFFu;

// For every vertex, the earlier vertex it merges into, or weldKept: the nearest earlier vertex that is itself
// kept, lies among the `window` vertices before it and equals it. Candidates come from a spatial hash over
// up to three components, so the cost stays near linear while the choice is the same as a plain scan.
// Attributes must fit the vertex (attributesFitVertex); targets holds vertexCount entries.
void findWeldTargets(const VertexAttribute* attributes, uint32_t attributeCount, const uint8_t* vertices,
                     uint32_t vertexCount, uint32_t vertexSize, uint32_t window, uint32_t* targets);

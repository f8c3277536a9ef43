#pragma once

#include "geometry/vertex_attribute.h"

#include <cstdint>
#include <cstring>

// Components of two vertices that differ by at most this much count as equal.
constexpr float vertexWeldTolerance = 0.01f;

// True when every attribute has a known kind and format and lies wholly inside a vertex of vertexSize bytes.
bool attributesFitVertex(const VertexAttribute* attributes, uint32_t attributeCount, uint32_t vertexSize);

// One attribute component as the comparison sees it: floats as stored, bytes divided by 255.
inline float vertexComponent(const uint8_t* vertex, const VertexAttribute& attribute, uint32_t component) {
    if (attribute.format == AttributeUnsignedByte)
        return vertex[attribute.offset + component] / 255.0f;
    float value;
    std::memcpy(&value, vertex + attribute.offset + 4 * component, sizeof value);
    return value;
}

// Every component of every attribute, in list order, within the tolerance. Stops at the first that is not.
bool verticesEqual(const VertexAttribute* attributes, uint32_t attributeCount, const uint8_t* a,
                   const uint8_t* b);

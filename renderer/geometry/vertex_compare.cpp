#include "geometry/vertex_compare.h"

#include <cmath>

bool attributesFitVertex(const VertexAttribute* attributes, uint32_t attributeCount, uint32_t vertexSize) {
    for (uint32_t i = 0; i < attributeCount; i++) {
        const VertexAttribute& attribute = attributes[i];
        if (attribute.kind > AttributeColor || attribute.format > AttributeUnsignedByte)
            return false;
        uint64_t end = (uint64_t)attribute.offset +
                       (uint64_t)attribute.components * attributeComponentSize(attribute.format);
        if (end > vertexSize)
            return false;
    }
    return true;
}

bool verticesEqual(const VertexAttribute* attributes, uint32_t attributeCount, const uint8_t* a,
                   const uint8_t* b) {
    for (uint32_t i = 0; i < attributeCount; i++) {
        for (uint32_t c = 0; c < attributes[i].components; c++) {
            // Written so that a NaN difference counts as unequal.
            if (!(std::fabs(vertexComponent(a, attributes[i], c) - vertexComponent(b, attributes[i], c)) <=
                  vertexWeldTolerance))
                return false;
        }
    }
    return true;
}

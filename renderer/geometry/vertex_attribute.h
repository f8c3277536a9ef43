#pragma once

#include <cstdint>

// What an attribute means to drawing; a texture coordinate's index is its texture unit.
enum AttributeKind : uint32_t {
    AttributePosition = 0,
    AttributeNormal = 1,
    AttributeTexCoord = 2,
    AttributeColor = 3,
};

// How an attribute's components are stored. Bytes compare as value / 255.
enum AttributeFormat : uint32_t {
    AttributeFloat = 0,
    AttributeUnsignedByte = 1,
};

enum PrimitiveType : uint32_t {
    PrimitiveTriangles = 0,
    PrimitiveQuads = 1,
    PrimitiveTriangleStrip = 2,
    PrimitiveLines = 3,
};

// One attribute of the interleaved vertex: five 32-bit fields, offset in bytes from the vertex start.
struct VertexAttribute {
    uint32_t kind;
    uint32_t format;
    uint32_t components;
    uint32_t offset;
    uint32_t index;
};

static_assert(sizeof(VertexAttribute) == 20, "an attribute record is five 32-bit fields");

inline uint32_t attributeComponentSize(uint32_t format) {
    return format == AttributeUnsignedByte ? 1 : 4;
}

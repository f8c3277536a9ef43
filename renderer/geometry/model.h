#pragma once

#include "geometry/vertex_attribute.h"
#include "util/array.h"

#include <cstdint>

// One mesh: interleaved vertices described by an attribute list, optional indices and a primitive type.
// The model owns both arrays; they are allocated with std::malloc and freed with std::free.
class Model {
public:
    uint8_t* vertices = nullptr;
    void* indices = nullptr;
    uint32_t vertexCount = 0;
    uint32_t indexCount = 0;
    uint32_t vertexSize = 0;
    uint32_t indexSize = 0;
    Array<VertexAttribute> attributes;
    uint32_t primitive = PrimitiveTriangles;

    Model() = default;
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;
    virtual ~Model();

    // Several attributes may share an offset (a unit sphere uses its position as its normal).
    void addAttribute(uint32_t kind, uint32_t format, uint32_t components, uint32_t offset, uint32_t index);
    void setPrimitive(uint32_t newPrimitive) { primitive = newPrimitive; }
    // Both adopt the data (from std::malloc) and free what the model held before.
    void setVertices(void* data, uint32_t count, uint32_t newVertexSize);
    void setIndices(void* data, uint32_t count, uint32_t newIndexSize);

    // Index i widened to 32 bits.
    uint32_t getIndex(uint32_t i) const;

    // Merges each vertex into the nearest earlier surviving vertex among the `window` before it that equals
    // it, and makes the mesh indexed, with 16-bit indices when the vertex count allows. The result replaces
    // the mesh only when it takes fewer bytes. False, with the model unchanged and a line in the message
    // log, when the mesh cannot be welded: an attribute outside the vertex, a bad index size, an index out of
    // range, or too little memory.
    bool weld(uint32_t window);
};

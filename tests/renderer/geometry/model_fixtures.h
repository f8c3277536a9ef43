#pragma once

#include "geometry/model.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

// Test meshes built from plain values; each model gets its own malloc'd copies.
inline void setFloatVertices(Model& model, const std::vector<float>& values, uint32_t floatsPerVertex) {
    void* data = std::malloc(values.size() * sizeof(float) + 1);
    std::memcpy(data, values.data(), values.size() * sizeof(float));
    model.setVertices(data, (uint32_t)(values.size() / floatsPerVertex), floatsPerVertex * 4);
}

inline void setIndexArray(Model& model, const std::vector<uint32_t>& values, uint32_t indexSize) {
    void* data = std::malloc(values.size() * indexSize + 1);
    for (size_t i = 0; i < values.size(); i++) {
        if (indexSize == 2)
            static_cast<uint16_t*>(data)[i] = (uint16_t)values[i];
        else
            static_cast<uint32_t*>(data)[i] = values[i];
    }
    model.setIndices(data, (uint32_t)values.size(), indexSize);
}

inline std::vector<uint32_t> indexList(const Model& model) {
    std::vector<uint32_t> list;
    for (uint32_t i = 0; i < model.indexCount; i++)
        list.push_back(model.getIndex(i));
    return list;
}

inline std::vector<uint8_t> vertexBytes(const Model& model) {
    return std::vector<uint8_t>(model.vertices,
                                model.vertices + (size_t)model.vertexCount * model.vertexSize);
}

// Copies layout, vertices and indices, so that two welds can start from the same mesh.
inline void copyModel(const Model& from, Model& to) {
    for (uint32_t i = 0; i < from.attributes.count; i++) {
        const VertexAttribute& a = from.attributes[i];
        to.addAttribute(a.kind, a.format, a.components, a.offset, a.index);
    }
    to.setPrimitive(from.primitive);
    size_t vertexBytesSize = (size_t)from.vertexCount * from.vertexSize;
    void* vertices = std::malloc(vertexBytesSize + 1);
    std::memcpy(vertices, from.vertices, vertexBytesSize);
    to.setVertices(vertices, from.vertexCount, from.vertexSize);
    if (from.indices) {
        size_t indexBytes = (size_t)from.indexCount * from.indexSize;
        void* indices = std::malloc(indexBytes + 1);
        std::memcpy(indices, from.indices, indexBytes);
        to.setIndices(indices, from.indexCount, from.indexSize);
    }
}

inline void expectSameMesh(const Model& a, const Model& b) {
    EXPECT_EQ(a.vertexCount, b.vertexCount);
    EXPECT_EQ(a.indexCount, b.indexCount);
    EXPECT_EQ(a.indexSize, b.indexSize);
    EXPECT_EQ(a.vertexSize, b.vertexSize);
    EXPECT_TRUE(vertexBytes(a) == vertexBytes(b));
    EXPECT_TRUE(indexList(a) == indexList(b));
}

#include "geometry/model.h"

#include "geometry/vertex_compare.h"
#include "geometry/weld_search.h"
#include "util/message_log.h"
#include "util/text_string.h"

#include <cstdlib>
#include <cstring>
#include <vector>

Model::~Model() {
    std::free(vertices);
    std::free(indices);
}

void Model::addAttribute(uint32_t kind, uint32_t format, uint32_t components, uint32_t offset,
                         uint32_t index) {
    attributes.add(VertexAttribute{kind, format, components, offset, index});
}

void Model::setVertices(void* data, uint32_t count, uint32_t newVertexSize) {
    if (data != vertices)
        std::free(vertices);
    vertices = static_cast<uint8_t*>(data);
    vertexCount = count;
    vertexSize = newVertexSize;
}

void Model::setIndices(void* data, uint32_t count, uint32_t newIndexSize) {
    if (data != indices)
        std::free(indices);
    indices = data;
    indexCount = count;
    indexSize = newIndexSize;
}

uint32_t Model::getIndex(uint32_t i) const {
    if (indexSize == 2)
        return static_cast<const uint16_t*>(indices)[i];
    return static_cast<const uint32_t*>(indices)[i];
}

namespace {

bool weldFailed(const char* why) {
    logMessage((String("Couldn't weld model: ") + why).getText());
    return false;
}

} // namespace

bool Model::weld(uint32_t window) {
    const uint32_t n = vertexCount;
    if (n > 0 && !attributesFitVertex(attributes.items, attributes.count, vertexSize))
        return weldFailed("an attribute lies outside the vertex");
    if (n > 0 && !vertices)
        return weldFailed("no vertex data");
    if (indexCount > 0 && (!indices || (indexSize != 2 && indexSize != 4)))
        return weldFailed("bad index array");

    const uint32_t m = indexCount > 0 ? indexCount : n;
    std::vector<uint32_t> oldIndices(m);
    for (uint32_t i = 0; i < m; i++) {
        oldIndices[i] = indexCount > 0 ? getIndex(i) : i;
        if (oldIndices[i] >= n)
            return weldFailed("an index is out of range");
    }

    std::vector<uint32_t> targets(n);
    findWeldTargets(attributes.items, attributes.count, vertices, n, vertexSize, window, targets.data());

    // Kept vertices take the next free position; a merged one shares the position of its (earlier) target.
    std::vector<uint32_t> remap(n);
    uint32_t kept = 0;
    for (uint32_t j = 0; j < n; j++)
        remap[j] = targets[j] == weldKept ? kept++ : remap[targets[j]];

    const uint32_t newIndexSize = kept < 65536 ? 2 : 4;
    const uint64_t oldBytes = (uint64_t)n * vertexSize + (uint64_t)indexCount * indexSize;
    const uint64_t newBytes = (uint64_t)kept * vertexSize + (uint64_t)m * newIndexSize;
    if (newBytes >= oldBytes)
        return true;

    // At least one byte each, so that an empty result is still told apart from a failed allocation.
    size_t vertexBytes = (size_t)kept * vertexSize;
    size_t indexBytes = (size_t)m * newIndexSize;
    uint8_t* newVertices = static_cast<uint8_t*>(std::malloc(vertexBytes ? vertexBytes : 1));
    void* newIndices = std::malloc(indexBytes ? indexBytes : 1);
    if (!newVertices || !newIndices) {
        std::free(newVertices);
        std::free(newIndices);
        return weldFailed("out of memory");
    }

    for (uint32_t j = 0; j < n; j++) {
        if (targets[j] == weldKept)
            std::memcpy(newVertices + (size_t)remap[j] * vertexSize, vertices + (size_t)j * vertexSize,
                        vertexSize);
    }
    for (uint32_t i = 0; i < m; i++) {
        uint32_t index = remap[oldIndices[i]];
        if (newIndexSize == 2)
            static_cast<uint16_t*>(newIndices)[i] = (uint16_t)index;
        else
            static_cast<uint32_t*>(newIndices)[i] = index;
    }

    setVertices(newVertices, kept, vertexSize);
    setIndices(newIndices, m, newIndexSize);
    return true;
}

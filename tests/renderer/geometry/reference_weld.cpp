#include "reference_weld.h"

#include "geometry/vertex_compare.h"

#include <cstdlib>
#include <cstring>
#include <vector>

void referenceWeld(Model& model, uint32_t window) {
    const uint32_t n = model.vertexCount;
    std::vector<uint32_t> oldIndices;
    if (model.indexCount > 0) {
        for (uint32_t i = 0; i < model.indexCount; i++)
            oldIndices.push_back(model.getIndex(i));
    } else {
        for (uint32_t i = 0; i < n; i++)
            oldIndices.push_back(i);
    }
    const uint32_t m = (uint32_t)oldIndices.size();

    std::vector<uint8_t> bytes(model.vertices, model.vertices + (size_t)n * model.vertexSize);
    std::vector<bool> removed(n, false);
    std::vector<uint32_t> target(n, 0);
    uint32_t removedCount = 0;
    for (uint32_t i = 1; i < n; i++) {
        uint32_t w = i < window ? i : window;
        uint32_t skipped = 0;
        for (uint32_t k = 1; k <= w; k++) {
            if (removed[i - k]) {
                skipped++;
                continue;
            }
            if (verticesEqual(model.attributes.items, model.attributes.count,
                              &bytes[(size_t)(i - k) * model.vertexSize],
                              &bytes[(size_t)i * model.vertexSize])) {
                removed[i] = true;
                target[i] = (i - k) + skipped;
                removedCount++;
                break;
            }
        }
    }

    std::vector<uint32_t> remap(n);
    uint32_t c = 0;
    for (uint32_t j = 0; j < n; j++) {
        if (!removed[j]) {
            remap[j] = j - c;
        } else {
            remap[j] = target[j] - c;
            c++;
        }
    }

    const uint32_t kept = n - removedCount;
    const uint32_t newIndexSize = kept < 65536 ? 2 : 4;
    if ((uint64_t)kept * model.vertexSize + (uint64_t)m * newIndexSize >=
        (uint64_t)n * model.vertexSize + (uint64_t)model.indexCount * model.indexSize)
        return;

    uint8_t* vertices = static_cast<uint8_t*>(std::malloc((size_t)kept * model.vertexSize + 1));
    void* indices = std::malloc((size_t)m * newIndexSize + 1);
    uint8_t* out = vertices;
    for (uint32_t j = 0; j < n; j++) {
        if (!removed[j]) {
            std::memcpy(out, &bytes[(size_t)j * model.vertexSize], model.vertexSize);
            out += model.vertexSize;
        }
    }
    for (uint32_t i = 0; i < m; i++) {
        if (newIndexSize == 2)
            static_cast<uint16_t*>(indices)[i] = (uint16_t)remap[oldIndices[i]];
        else
            static_cast<uint32_t*>(indices)[i] = remap[oldIndices[i]];
    }
    model.setVertices(vertices, kept, model.vertexSize);
    model.setIndices(indices, m, newIndexSize);
}

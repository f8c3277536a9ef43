#include "geometry/weld_search.h"

#include "geometry/vertex_compare.h"

#include <cmath>
#include <vector>

namespace {

constexpr uint32_t maxKeyComponents = 3;
constexpr uint32_t noVertex = 0xFFFFFFFFu;

// Any value equal to v lies within 0.0100001 of it (the tolerance and the rounding of the float difference).
// Cells are 1 / cellsPerUnit wide, so an equal value sits in v's cell or, when v lies within `edge` of a
// border (in cell units, with ample margin), in the neighbour across it.
constexpr double cellsPerUnit = 20.0;
constexpr double edge = 0.0101 * cellsPerUnit;
// Beyond this the float spacing exceeds the tolerance anyway; clamping keeps neighbours neighbours.
constexpr double cellLimit = 1073741824.0;

struct KeyComponent {
    const VertexAttribute* attribute;
    uint32_t component;
};

struct CellKey {
    int32_t c[maxKeyComponents];
    bool operator==(const CellKey& o) const { return c[0] == o.c[0] && c[1] == o.c[1] && c[2] == o.c[2]; }
};

struct Slot {
    CellKey key;
    uint32_t newest; // most recent kept vertex of the cell; older ones follow through `older`
};

// Open addressing over cells; the table never fills beyond half.
class CellTable {
public:
    explicit CellTable(uint32_t vertexCount) {
        size_t size = 16;
        while (size < 2 * (size_t)vertexCount)
            size *= 2;
        slots.resize(size);
        for (Slot& slot : slots)
            slot.newest = noVertex;
        mask = size - 1;
    }

    Slot* find(const CellKey& key) {
        for (size_t i = hash(key) & mask;; i = (i + 1) & mask) {
            if (slots[i].newest == noVertex)
                return nullptr;
            if (slots[i].key == key)
                return &slots[i];
        }
    }

    Slot& findOrAdd(const CellKey& key) {
        for (size_t i = hash(key) & mask;; i = (i + 1) & mask) {
            if (slots[i].newest == noVertex) {
                slots[i].key = key;
                return slots[i];
            }
            if (slots[i].key == key)
                return slots[i];
        }
    }

private:
    std::vector<Slot> slots;
    size_t mask;

    static size_t hash(const CellKey& key) {
        uint64_t h = (uint64_t)(uint32_t)key.c[0] * 0x9E3779B97F4A7C15ull;
        h ^= (uint64_t)(uint32_t)key.c[1] * 0xC2B2AE3D27D4EB4Full;
        h ^= (uint64_t)(uint32_t)key.c[2] * 0x165667B19E3779F9ull;
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 32;
        return (size_t)h;
    }
};

// The first distinct components in comparison order; attributes sharing an offset add nothing new.
uint32_t chooseKeyComponents(const VertexAttribute* attributes, uint32_t attributeCount, KeyComponent* keys) {
    uint32_t count = 0;
    for (uint32_t i = 0; i < attributeCount && count < maxKeyComponents; i++) {
        for (uint32_t c = 0; c < attributes[i].components && count < maxKeyComponents; c++) {
            bool repeated = false;
            for (uint32_t k = 0; k < count; k++) {
                repeated |= keys[k].attribute->format == attributes[i].format &&
                            keys[k].attribute->offset +
                                    keys[k].component * attributeComponentSize(attributes[i].format) ==
                                attributes[i].offset + c * attributeComponentSize(attributes[i].format);
            }
            if (!repeated)
                keys[count++] = {&attributes[i], c};
        }
    }
    return count;
}

// Clamping and flooring keep the order of the values, which is all the search relies on.
void cellRange(float value, int32_t& cell, int32_t& low, int32_t& high) {
    double t = (double)value * cellsPerUnit;
    t = t < -cellLimit ? -cellLimit : t > cellLimit ? cellLimit : t;
    int32_t truncated = (int32_t)t;
    cell = truncated - (t < (double)truncated ? 1 : 0);
    double within = t - (double)cell;
    low = cell - (within < edge ? 1 : 0);
    high = cell + (within > 1.0 - edge ? 1 : 0);
}

// The vertex's own cell and, per component, the lowest and highest cell that can hold an equal vertex.
// False when a key component is not finite: such a vertex equals no other vertex.
bool cellsOf(const uint8_t* vertex, const KeyComponent* keys, uint32_t keyCount, CellKey& cell, CellKey& low,
             CellKey& high) {
    for (uint32_t k = 0; k < maxKeyComponents; k++) {
        if (k >= keyCount) {
            cell.c[k] = low.c[k] = high.c[k] = 0;
            continue;
        }
        float value = vertexComponent(vertex, *keys[k].attribute, keys[k].component);
        if (!std::isfinite(value))
            return false;
        cellRange(value, cell.c[k], low.c[k], high.c[k]);
    }
    return true;
}

} // namespace

void findWeldTargets(const VertexAttribute* attributes, uint32_t attributeCount, const uint8_t* vertices,
                     uint32_t vertexCount, uint32_t vertexSize, uint32_t window, uint32_t* targets) {
    KeyComponent keys[maxKeyComponents];
    uint32_t keyCount = chooseKeyComponents(attributes, attributeCount, keys);
    CellTable table(vertexCount);
    std::vector<uint32_t> older(vertexCount, noVertex);

    for (uint32_t i = 0; i < vertexCount; i++) {
        targets[i] = weldKept;
        const uint8_t* vertex = vertices + (size_t)i * vertexSize;
        CellKey cell, low, high;
        if (!cellsOf(vertex, keys, keyCount, cell, low, high))
            continue;

        uint32_t lookBack = i < window ? i : window;
        uint32_t lowest = i - lookBack;
        uint32_t best = noVertex;
        CellKey neighbour;
        for (neighbour.c[0] = low.c[0]; lookBack > 0 && neighbour.c[0] <= high.c[0]; neighbour.c[0]++) {
            for (neighbour.c[1] = low.c[1]; neighbour.c[1] <= high.c[1]; neighbour.c[1]++) {
                for (neighbour.c[2] = low.c[2]; neighbour.c[2] <= high.c[2]; neighbour.c[2]++) {
                    const Slot* slot = table.find(neighbour);
                    if (!slot)
                        continue;
                    // Each cell lists its vertices newest first, so the first equal one is the cell's
                    // nearest.
                    for (uint32_t j = slot->newest; j != noVertex && j >= lowest; j = older[j]) {
                        if (best != noVertex && j <= best)
                            break;
                        if (verticesEqual(attributes, attributeCount, vertices + (size_t)j * vertexSize,
                                          vertex)) {
                            best = j;
                            break;
                        }
                    }
                }
            }
        }

        if (best != noVertex) {
            targets[i] = best;
        } else {
            Slot& slot = table.findOrAdd(cell);
            older[i] = slot.newest;
            slot.newest = i;
        }
    }
}

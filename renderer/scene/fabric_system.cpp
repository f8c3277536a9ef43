#include "scene/fabric_system.h"

#include "util/message_log.h"

#include <new>

namespace {
// The eight neighbours counter-clockwise as (column step, row step); runs of slots wrap from 7 to 0.
const int columnStep[8] = {1, 1, 0, -1, -1, -1, 0, 1};
const int rowStep[8] = {0, 1, 1, 1, 0, -1, -1, -1};

struct SlotRun {
    int start;
    uint32_t count;
};

// By column band (first, middle, last) and row band (first, middle, last): the arc of neighbours that exist.
const SlotRun slotRuns[3][3] = {
    {{0, 3}, {6, 5}, {6, 3}},
    {{0, 5}, {0, 8}, {4, 5}},
    {{2, 3}, {2, 5}, {4, 3}},
};

int band(uint32_t index, uint32_t size, uint32_t width) {
    if (index < width)
        return 0;
    if (index + width >= size)
        return 2;
    return 1;
}

// Keeps the particle arithmetic in 32-bit indices and offsets.
const uint64_t maxParticles = 1u << 24;
} // namespace

FabricSystem::FabricSystem() : gravity(0.0f, -70.0f, 0.0f) {}

FabricSystem::~FabricSystem() {
    delete[] particleBlock;
}

FabricParticle* FabricSystem::getParticle(uint32_t index) const {
    return index < particles.getCount() ? particles[index] : nullptr;
}

bool FabricSystem::setup(uint32_t columns, uint32_t rows, vec3* positionBase, vec3* normalBase,
                         uint32_t stride) {
    if (particleBlock != nullptr) {
        logMessage("Cloth is already set up");
        return false;
    }
    if (columns < 4 || rows < 4 || (uint64_t)columns * rows > maxParticles) {
        logMessage("Cloth grid must be at least 4 x 4 and at most 16777216 particles");
        return false;
    }
    if (positionBase == nullptr || normalBase == nullptr || stride < sizeof(vec3)) {
        logMessage("Cloth vertices need a position, a normal and a stride of at least 12 bytes");
        return false;
    }
    uint32_t count = columns * rows;
    particleBlock = new (std::nothrow) FabricParticle[count];
    if (particleBlock == nullptr) {
        logMessage("Out of memory for the cloth particles");
        return false;
    }

    char* positionBytes = reinterpret_cast<char*>(positionBase);
    char* normalBytes = reinterpret_cast<char*>(normalBase);
    for (uint32_t i = 0; i < count; i++) {
        FabricParticle* p = &particleBlock[i];
        p->position = reinterpret_cast<vec3*>(positionBytes + (size_t)i * stride);
        p->normal = reinterpret_cast<vec3*>(normalBytes + (size_t)i * stride);
        p->velocity = vec3(0.0f, 0.0f, 0.0f);
        p->ringCount = 0;
        particles.add(p);
    }
    buildLinks(columns, rows);
    plan.build(particleBlock, columns, rows);
    return true;
}

void FabricSystem::buildLinks(uint32_t columns, uint32_t rows) {
    for (uint32_t j = 0; j < rows; j++) {
        for (uint32_t k = 0; k < columns; k++) {
            FabricParticle* p = particles[j * columns + k];
            // Immediate neighbours, then the same directions two steps away with edge bands two wide.
            for (int distance = 1; distance <= 2; distance++) {
                const SlotRun& run = slotRuns[band(k, columns, distance)][band(j, rows, distance)];
                if (distance == 1)
                    p->ringCount = run.count;
                for (uint32_t l = 0; l < run.count; l++) {
                    int slot = (run.start + (int)l) % 8;
                    uint32_t row = (uint32_t)((int)j + distance * rowStep[slot]);
                    uint32_t column = (uint32_t)((int)k + distance * columnStep[slot]);
                    FabricLink link;
                    link.other = particles[row * columns + column];
                    link.restLength = length(*p->position - *link.other->position);
                    p->links.add(link);
                }
            }
        }
    }
}

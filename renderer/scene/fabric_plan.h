#pragma once

#include "scene/fabric_kernels.h"
#include "util/array.h"

#include <cstdint>

struct FabricParticle;

// Particles next to each other in one index order whose links reach the same index offsets, in the same
// order. The passes run such a run several particles at a time, one particle per SIMD lane, each lane
// still summing its own links in list order.
struct FabricRun {
    uint32_t first;
    uint32_t count;
    uint32_t linkCount;
    uint32_t offsetStart;
    // Rest lengths of the run, link by link: entry restStart + link * count + lane.
    uint32_t restStart;
};

// Per-particle scratch in one index order: by row (the particles' own order, row * columns + column) or by
// column (column * rows + row), which turns the edge columns into runs as well.
struct FabricLayout {
    // Positions (and, for a step, velocities) gathered at the start of a pass; a step's new velocities.
    Array<float> x, y, z;
    Array<float> ux, uy, uz;
    Array<float> vx, vy, vz;
    Array<float*> normals;

    FabricLanes lanes() const;
};

// The links of a cloth packed for the per-frame passes, and the scratch those passes use. Built once by
// setup: the links, rest lengths and vertex pointers are fixed from then on.
struct FabricPlan {
    uint32_t columns = 0;
    uint32_t rows = 0;
    // All links for the step, first-ring links for the normals; by row, then by column.
    Array<FabricRun> springRuns, ringRuns;
    Array<FabricRun> springColumnRuns, ringColumnRuns;
    Array<int32_t> offsets;
    Array<float> restLengths;
    Array<const float*> positions;
    FabricLayout byRow, byColumn;
    // The columns whose positions the column runs read.
    Array<uint32_t> columnsRead;

    // Eight lanes where the processor has them.
    bool wideLanes = false;

    void build(const FabricParticle* particles, uint32_t columns, uint32_t rows);

    void gatherPositions();
    void gatherVelocities(const FabricParticle* particles);
    // Brings the new velocities of the column runs into the by-row layout.
    void collectColumnVelocities();

    FabricRunView view(const FabricRun& run, bool withRest) const;
    uint32_t columnOrderIndex(uint32_t particle) const;
    uint32_t particleAtColumnOrder(uint32_t index) const;
};

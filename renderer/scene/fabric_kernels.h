#pragma once

#include <cstdint>

// The vectorised halves of the cloth passes. They see the plan through raw arrays only, so that the AVX2
// build of them shares no inline code with the rest of the program.

// Per-particle arrays, indexed by particle.
struct FabricLanes {
    const float *x, *y, *z;
    // Velocities before the step, and after its first pass.
    const float *ux, *uy, *uz;
    float *vx, *vy, *vz;
    // Where each particle's normal goes (three floats).
    float* const* normals;
};

// One run of the plan: count consecutive particles from first, whose links reach the same offsets; rest
// holds the run's rest lengths link by link (entry link * count + lane).
struct FabricRunView {
    uint32_t first;
    uint32_t count;
    uint32_t linkCount;
    const int32_t* offsets;
    const float* rest;
};

// What is the same for every particle of one step.
struct FabricStepTerms {
    float decay;
    float springScale;
    float gravityX, gravityY, gravityZ;
};

// Four lanes at a time (SSE2), for runs of at least 4.
void springLanes4(const FabricLanes& lanes, const FabricRunView& run, const FabricStepTerms& terms);
void normalLanes4(const FabricLanes& lanes, const FabricRunView& run);

// Eight lanes at a time (AVX2), for runs of at least 8. Built only where FABRIC_WIDE_LANES is defined, and
// called only when the processor has AVX2.
void springLanes8(const FabricLanes& lanes, const FabricRunView& run, const FabricStepTerms& terms);
void normalLanes8(const FabricLanes& lanes, const FabricRunView& run);

#pragma once

#include "scene/fabric_plan.h"
#include "util/array.h"
#include "util/vector.h"

#include <cstdint>

struct FabricParticle;

struct FabricLink {
    FabricParticle* other;
    float restLength;
};

// A unit point mass living in the caller's vertex array: position and normal point into one vertex record.
struct FabricParticle {
    vec3* position;
    vec3* normal;
    vec3 velocity;
    // The immediate neighbours first (ringCount of them, counter-clockwise), then those two steps away.
    Array<FabricLink> links;
    uint32_t ringCount;
};

// A rectangular cloth of particles joined by one-sided springs. The particles only point into the caller's
// vertex array, which must outlive the system.
class FabricSystem {
public:
    vec3 gravity;
    Array<FabricParticle*> particles;

    FabricSystem();
    ~FabricSystem();
    FabricSystem(const FabricSystem&) = delete;
    FabricSystem& operator=(const FabricSystem&) = delete;

    // Builds the particles over columns x rows vertices that already hold the rest shape (rest lengths are
    // measured now). Vertex i's position and normal lie i * stride bytes after positionBase and normalBase.
    // Refuses (false, with a log line) grids under 4 x 4, a stride too small for a vec3, null bases, and a
    // second call. The links are fixed from here on: step works from a packed copy made now.
    bool setup(uint32_t columns, uint32_t rows, vec3* positionBase, vec3* normalBase, uint32_t stride);

    // Springs, decay and gravity from the positions at the start of the step, then every position moves.
    void step(float dt);
    void updateNormals();

    uint32_t getParticleCount() const { return particles.getCount(); }
    // Null when index is out of range.
    FabricParticle* getParticle(uint32_t index) const;

private:
    FabricParticle* particleBlock = nullptr;
    FabricPlan plan;

    void buildLinks(uint32_t columns, uint32_t rows);
};

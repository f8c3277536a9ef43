#include "scene/fabric_system.h"

namespace {
// One particle in the plain order of the per-link formula, for runs too short for the lanes.
void springParticle(const FabricLanes& lanes, const FabricRunView& run, uint32_t lane,
                    const FabricStepTerms& terms) {
    uint32_t i = run.first + lane;
    const float* rest = run.rest + lane;
    vec3 self(lanes.x[i], lanes.y[i], lanes.z[i]);
    vec3 v = vec3(lanes.ux[i], lanes.uy[i], lanes.uz[i]) * terms.decay;
    for (uint32_t l = 0; l < run.linkCount; l++) {
        uint32_t o = (uint32_t)((int32_t)i + run.offsets[l]);
        vec3 d = vec3(lanes.x[o], lanes.y[o], lanes.z[o]) - self;
        float len = length(d);
        float g = (len - rest[l * run.count]) / len;
        vec3 a = 3.0f * d;
        vec3 b = a * g;
        v += terms.springScale * b;
    }
    v += vec3(terms.gravityX, terms.gravityY, terms.gravityZ);
    lanes.vx[i] = v.x;
    lanes.vy[i] = v.y;
    lanes.vz[i] = v.z;
}

void springRun(const FabricPlan& plan, const FabricLanes& lanes, const FabricRun& run,
               const FabricStepTerms& terms) {
    FabricRunView view = plan.view(run, true);
#if defined(FABRIC_WIDE_LANES)
    if (plan.wideLanes && run.count >= 8) {
        springLanes8(lanes, view, terms);
        return;
    }
#endif
    if (run.count >= 4) {
        springLanes4(lanes, view, terms);
        return;
    }
    for (uint32_t lane = 0; lane < run.count; lane++)
        springParticle(lanes, view, lane, terms);
}
} // namespace

void FabricSystem::step(float dt) {
    uint32_t count = particles.getCount();
    if (count == 0)
        return;
    plan.gatherPositions();
    plan.gatherVelocities(particleBlock);

    FabricStepTerms terms;
    terms.decay = powScalar(0.5f, dt);
    terms.springScale = 350.0f * dt;
    vec3 gravityStep = dt * gravity;
    terms.gravityX = gravityStep.x;
    terms.gravityY = gravityStep.y;
    terms.gravityZ = gravityStep.z;
    FabricLanes byRow = plan.byRow.lanes();
    for (uint32_t r = 0; r < plan.springRuns.getCount(); r++)
        springRun(plan, byRow, plan.springRuns[r], terms);
    FabricLanes byColumn = plan.byColumn.lanes();
    for (uint32_t r = 0; r < plan.springColumnRuns.getCount(); r++)
        springRun(plan, byColumn, plan.springColumnRuns[r], terms);
    plan.collectColumnVelocities();

    for (uint32_t i = 0; i < count; i++) {
        FabricParticle& p = particleBlock[i];
        p.velocity = vec3(plan.byRow.vx[i], plan.byRow.vy[i], plan.byRow.vz[i]);
        *p.position += dt * p.velocity;
    }
}

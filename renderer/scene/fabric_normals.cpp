#include "scene/fabric_system.h"

namespace {
// Sum of the sines of the angles between consecutive first-ring neighbours, as unit-free cross products;
// the plain order, for runs too short for the lanes.
void normalOfParticle(const FabricLanes& lanes, const FabricRunView& run, uint32_t lane) {
    uint32_t i = run.first + lane;
    vec3 self(lanes.x[i], lanes.y[i], lanes.z[i]);
    uint32_t o = (uint32_t)((int32_t)i + run.offsets[0]);
    vec3 n(0.0f, 0.0f, 0.0f);
    vec3 cur = vec3(lanes.x[o], lanes.y[o], lanes.z[o]) - self;
    for (uint32_t l = 1; l < run.linkCount; l++) {
        vec3 prev = cur;
        o = (uint32_t)((int32_t)i + run.offsets[l]);
        cur = vec3(lanes.x[o], lanes.y[o], lanes.z[o]) - self;
        float w = fastInvSqrt(dot(prev, prev) * dot(cur, cur));
        n += cross(prev, cur) * w;
    }
    vec3 normal = fastNormalize(n);
    float* out = lanes.normals[i];
    out[0] = normal.x;
    out[1] = normal.y;
    out[2] = normal.z;
}

void normalRun(const FabricPlan& plan, const FabricLanes& lanes, const FabricRun& run) {
    FabricRunView view = plan.view(run, false);
#if defined(FABRIC_WIDE_LANES)
    if (plan.wideLanes && run.count >= 8) {
        normalLanes8(lanes, view);
        return;
    }
#endif
    if (run.count >= 4) {
        normalLanes4(lanes, view);
        return;
    }
    for (uint32_t lane = 0; lane < run.count; lane++)
        normalOfParticle(lanes, view, lane);
}
} // namespace

void FabricSystem::updateNormals() {
    plan.gatherPositions();
    FabricLanes byRow = plan.byRow.lanes();
    for (uint32_t r = 0; r < plan.ringRuns.getCount(); r++)
        normalRun(plan, byRow, plan.ringRuns[r]);
    FabricLanes byColumn = plan.byColumn.lanes();
    for (uint32_t r = 0; r < plan.ringColumnRuns.getCount(); r++)
        normalRun(plan, byColumn, plan.ringColumnRuns[r]);
}

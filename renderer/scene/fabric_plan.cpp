#include "scene/fabric_plan.h"

#include "scene/fabric_system.h"

#include <initializer_list>

namespace {
// Groups shorter than this run one particle at a time.
const uint32_t shortestRun = 4;

struct PlanBuilder {
    FabricPlan& plan;
    const FabricParticle* particles;
    bool ringOnly;

    uint32_t linkCount(uint32_t i) const {
        return ringOnly ? particles[i].ringCount : particles[i].links.getCount();
    }

    // Index step of a link in either order.
    int32_t offset(uint32_t i, uint32_t link, bool byColumn) const {
        uint32_t other = (uint32_t)(particles[i].links[link].other - particles);
        int32_t rowStep = (int32_t)(other / plan.columns) - (int32_t)(i / plan.columns);
        int32_t columnStep = (int32_t)(other % plan.columns) - (int32_t)(i % plan.columns);
        return byColumn ? columnStep * (int32_t)plan.rows + rowStep
                        : rowStep * (int32_t)plan.columns + columnStep;
    }

    bool sameShape(uint32_t a, uint32_t b, bool byColumn) const {
        uint32_t n = linkCount(a);
        if (linkCount(b) != n)
            return false;
        for (uint32_t l = 0; l < n; l++) {
            if (offset(a, l, byColumn) != offset(b, l, byColumn))
                return false;
        }
        return true;
    }

    uint32_t particleAt(uint32_t index, bool byColumn) const {
        return byColumn ? plan.particleAtColumnOrder(index) : index;
    }

    void addRun(uint32_t first, uint32_t count, bool byColumn, Array<FabricRun>& runs) {
        uint32_t lead = particleAt(first, byColumn);
        FabricRun run;
        run.first = first;
        run.count = count;
        run.linkCount = linkCount(lead);
        run.offsetStart = plan.offsets.getCount();
        run.restStart = plan.restLengths.getCount();
        for (uint32_t l = 0; l < run.linkCount; l++)
            plan.offsets.add(offset(lead, l, byColumn));
        if (!ringOnly) {
            for (uint32_t l = 0; l < run.linkCount; l++) {
                for (uint32_t lane = 0; lane < count; lane++)
                    plan.restLengths.add(particles[particleAt(first + lane, byColumn)].links[l].restLength);
            }
        }
        runs.add(run);
    }

    // Runs along the rows; what is left over forms runs down the columns, and the rest goes one by one.
    void build(Array<FabricRun>& rowRuns, Array<FabricRun>& columnRuns) {
        uint32_t count = plan.columns * plan.rows;
        Array<bool> leftOver;
        leftOver.resize(count);
        for (uint32_t first = 0; first < count;) {
            uint32_t end = first + 1;
            while (end < count && sameShape(first, end, false))
                end++;
            bool isRun = end - first >= shortestRun;
            if (isRun)
                addRun(first, end - first, false, rowRuns);
            for (uint32_t i = first; i < end; i++)
                leftOver[i] = !isRun;
            first = end;
        }
        for (uint32_t first = 0; first < count;) {
            uint32_t lead = plan.particleAtColumnOrder(first);
            if (!leftOver[lead]) {
                first++;
                continue;
            }
            uint32_t end = first + 1;
            while (end < count && leftOver[plan.particleAtColumnOrder(end)] &&
                   sameShape(lead, plan.particleAtColumnOrder(end), true))
                end++;
            if (end - first >= shortestRun) {
                addRun(first, end - first, true, columnRuns);
            } else {
                for (uint32_t index = first; index < end; index++)
                    addRun(plan.particleAtColumnOrder(index), 1, false, rowRuns);
            }
            first = end;
        }
    }
};

bool processorHasWideLanes() {
#if defined(FABRIC_WIDE_LANES)
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

void resizeLayout(FabricLayout& layout, uint32_t count) {
    for (Array<float>* a : {&layout.x, &layout.y, &layout.z, &layout.ux, &layout.uy, &layout.uz, &layout.vx,
                            &layout.vy, &layout.vz})
        a->resize(count);
    layout.normals.resize(count);
}
} // namespace

FabricLanes FabricLayout::lanes() const {
    FabricLanes l;
    l.x = x.items;
    l.y = y.items;
    l.z = z.items;
    l.ux = ux.items;
    l.uy = uy.items;
    l.uz = uz.items;
    l.vx = vx.items;
    l.vy = vy.items;
    l.vz = vz.items;
    l.normals = normals.items;
    return l;
}

uint32_t FabricPlan::columnOrderIndex(uint32_t particle) const {
    return (particle % columns) * rows + particle / columns;
}

uint32_t FabricPlan::particleAtColumnOrder(uint32_t index) const {
    return (index % rows) * columns + index / rows;
}

void FabricPlan::build(const FabricParticle* particles, uint32_t columns_, uint32_t rows_) {
    columns = columns_;
    rows = rows_;
    uint32_t count = columns * rows;
    PlanBuilder springs{*this, particles, false};
    springs.build(springRuns, springColumnRuns);
    PlanBuilder rings{*this, particles, true};
    rings.build(ringRuns, ringColumnRuns);

    Array<bool> read;
    read.resize(columns);
    for (uint32_t k = 0; k < columns; k++)
        read[k] = false;
    for (const Array<FabricRun>* runs : {&springColumnRuns, &ringColumnRuns}) {
        for (uint32_t r = 0; r < runs->getCount(); r++) {
            const FabricRun& run = (*runs)[r];
            for (uint32_t t = run.first; t < run.first + run.count; t++) {
                const FabricParticle& p = particles[particleAtColumnOrder(t)];
                read[t / rows] = true;
                for (uint32_t l = 0; l < p.links.getCount(); l++)
                    read[(uint32_t)(p.links[l].other - particles) % columns] = true;
            }
        }
    }
    for (uint32_t k = 0; k < columns; k++) {
        if (read[k])
            columnsRead.add(k);
    }

    resizeLayout(byRow, count);
    resizeLayout(byColumn, count);
    for (uint32_t i = 0; i < count; i++) {
        positions.add(&particles[i].position->x);
        byRow.normals[i] = &particles[i].normal->x;
        byColumn.normals[columnOrderIndex(i)] = &particles[i].normal->x;
    }
    wideLanes = processorHasWideLanes();
}

void FabricPlan::gatherPositions() {
    for (uint32_t i = 0; i < positions.getCount(); i++) {
        const float* p = positions[i];
        byRow.x[i] = p[0];
        byRow.y[i] = p[1];
        byRow.z[i] = p[2];
    }
    for (uint32_t c = 0; c < columnsRead.getCount(); c++) {
        uint32_t k = columnsRead[c];
        for (uint32_t j = 0, t = k * rows; j < rows; j++, t++) {
            uint32_t i = j * columns + k;
            byColumn.x[t] = byRow.x[i];
            byColumn.y[t] = byRow.y[i];
            byColumn.z[t] = byRow.z[i];
        }
    }
}

void FabricPlan::gatherVelocities(const FabricParticle* particles) {
    for (uint32_t i = 0; i < positions.getCount(); i++) {
        const vec3& v = particles[i].velocity;
        byRow.ux[i] = v.x;
        byRow.uy[i] = v.y;
        byRow.uz[i] = v.z;
    }
    for (uint32_t r = 0; r < springColumnRuns.getCount(); r++) {
        const FabricRun& run = springColumnRuns[r];
        for (uint32_t t = run.first; t < run.first + run.count; t++) {
            const vec3& v = particles[particleAtColumnOrder(t)].velocity;
            byColumn.ux[t] = v.x;
            byColumn.uy[t] = v.y;
            byColumn.uz[t] = v.z;
        }
    }
}

void FabricPlan::collectColumnVelocities() {
    for (uint32_t r = 0; r < springColumnRuns.getCount(); r++) {
        const FabricRun& run = springColumnRuns[r];
        for (uint32_t t = run.first; t < run.first + run.count; t++) {
            uint32_t i = particleAtColumnOrder(t);
            byRow.vx[i] = byColumn.vx[t];
            byRow.vy[i] = byColumn.vy[t];
            byRow.vz[i] = byColumn.vz[t];
        }
    }
}

FabricRunView FabricPlan::view(const FabricRun& run, bool withRest) const {
    FabricRunView v;
    v.first = run.first;
    v.count = run.count;
    v.linkCount = run.linkCount;
    v.offsets = offsets.items + run.offsetStart;
    v.rest = withRest ? restLengths.items + run.restStart : nullptr;
    return v;
}

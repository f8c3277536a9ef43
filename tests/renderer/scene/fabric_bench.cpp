#include "cloth_grid.h"
#include "fabric_reference.h"

#include <benchmark/benchmark.h>

namespace {
const float frameStep = 0.0125f;

uint32_t linkCount(const FabricSystem& fabric) {
    uint32_t total = 0;
    for (uint32_t i = 0; i < fabric.getParticleCount(); i++)
        total += fabric.getParticle(i)->links.getCount();
    return total;
}

// The scene's cloth after a second and a half of falling onto a sphere, so springs are stretched and
// folded rather than at rest.
void drape(ClothGrid& grid) {
    for (int frame = 0; frame < 120; frame++) {
        grid.fabric.step(frameStep);
        grid.collide(vec3(10.0f, -50.0f, 5.0f), 55.0f, frameStep);
    }
    grid.fabric.updateNormals();
}

template <typename Frame> void runFrames(benchmark::State& state, Frame frame) {
    ClothGrid grid;
    drape(grid);
    // The restored snapshot keeps every iteration on the same draped shape instead of a cloth in free fall.
    std::vector<FabricVertex> shape = grid.vertices;
    std::vector<vec3> velocities;
    for (uint32_t i = 0; i < grid.fabric.getParticleCount(); i++)
        velocities.push_back(grid.fabric.getParticle(i)->velocity);
    uint32_t frames = 0;
    for (auto _ : state) {
        frame(grid.fabric);
        benchmark::ClobberMemory();
        if (++frames == 64) {
            state.PauseTiming();
            grid.vertices = shape;
            for (uint32_t i = 0; i < grid.fabric.getParticleCount(); i++)
                grid.fabric.getParticle(i)->velocity = velocities[i];
            frames = 0;
            state.ResumeTiming();
        }
    }
    double links = linkCount(grid.fabric);
    state.counters["ns_per_link"] = benchmark::Counter(
        links * (double)state.iterations(), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["links"] = links;
}

void BM_ClothFrame(benchmark::State& state) {
    runFrames(state, [](FabricSystem& fabric) {
        fabric.step(frameStep);
        fabric.updateNormals();
    });
}
void BM_ClothStep(benchmark::State& state) {
    runFrames(state, [](FabricSystem& fabric) { fabric.step(frameStep); });
}
void BM_ClothNormals(benchmark::State& state) {
    runFrames(state, [](FabricSystem& fabric) { fabric.updateNormals(); });
}
void BM_PlainFrame(benchmark::State& state) {
    runFrames(state, [](FabricSystem& fabric) {
        referenceStep(fabric, frameStep);
        referenceNormals(fabric);
    });
}
} // namespace

BENCHMARK(BM_ClothFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClothStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClothNormals)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainFrame)->Unit(benchmark::kMicrosecond);

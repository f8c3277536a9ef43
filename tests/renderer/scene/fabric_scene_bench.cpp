#include "scene/fabric_collisions.h"
#include "scene/fabric_scene.h"
#include "util/random.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {
const float frameTime = 1.0f / 60.0f;

// A fall over three spheres, two seconds in: the cloth lies on them and hangs down between them.
std::unique_ptr<FabricScene> drapedScene() {
    std::unique_ptr<FabricScene> scene(new FabricScene);
    scene->init(0);
    scene->textureCount = 1;
    uint32_t seed = 0;
    do {
        srand15(++seed);
        scene->reset(0.0f);
    } while (scene->getSphereCount() != 3);
    for (int frame = 0; frame < 160; frame++)
        scene->simulate(frameTime);
    return scene;
}

struct Snapshot {
    std::vector<FabricVertex> vertices;
    std::vector<vec3> velocities;

    explicit Snapshot(const FabricScene& scene)
        : vertices(scene.fabricVertices, scene.fabricVertices + fabricVertexCount) {
        for (uint32_t i = 0; i < scene.fabric.getParticleCount(); i++)
            velocities.push_back(scene.fabric.getParticle(i)->velocity);
    }
    void restore(FabricScene& scene) const {
        for (uint32_t i = 0; i < fabricVertexCount; i++) {
            scene.fabricVertices[i] = vertices[i];
            scene.fabric.getParticle(i)->velocity = velocities[i];
        }
    }
};

// Every 64 frames the draped shape comes back, so the figures are for a cloth in contact, not one that has
// slid off into free fall.
template <typename Frame> void runFrames(benchmark::State& state, Frame frame) {
    std::unique_ptr<FabricScene> scene = drapedScene();
    Snapshot shape(*scene);
    uint32_t frames = 0;
    for (auto _ : state) {
        frame(*scene);
        benchmark::DoNotOptimize(scene->kineticEnergy);
        benchmark::ClobberMemory();
        if (++frames == 64) {
            state.PauseTiming();
            shape.restore(*scene);
            frames = 0;
            state.ResumeTiming();
        }
    }
    state.counters["spheres"] = scene->getSphereCount();
}

// One simulation frame as drawFrame runs it: step, collisions with energy, normals.
void BM_SimulationFrame(benchmark::State& state) {
    runFrames(state, [](FabricScene& scene) { scene.simulate(frameTime); });
}
// The same through the reset rule, as the renderer calls it.
void BM_SceneUpdate(benchmark::State& state) {
    runFrames(state, [](FabricScene& scene) {
        scene.nextResetTime = 1000.0f;
        scene.kineticEnergy = 100.0f;
        scene.update(frameTime, 10.0f);
    });
}
void BM_Collisions(benchmark::State& state) {
    runFrames(state, [](FabricScene& scene) {
        scene.kineticEnergy = collideWithSpheres(scene.fabric, scene.spheres, frameTime);
    });
}
void BM_Reset(benchmark::State& state) {
    runFrames(state, [](FabricScene& scene) { scene.reset(0.0f); });
}
} // namespace

BENCHMARK(BM_SimulationFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SceneUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Collisions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Reset)->Unit(benchmark::kMicrosecond);

#include "geometry/model_list.h"
#include "geometry/sphere_mesh.h"
#include "reference_weld.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// The renderer's start-up cost for its sphere: build the 6144 triangle vertices and weld them.
void SphereBuildAndWeld(benchmark::State& state) {
    for (auto _ : state) {
        ModelList list;
        Model* model = buildSphereModel(list);
        benchmark::DoNotOptimize(model->indices);
    }
}
BENCHMARK(SphereBuildAndWeld)->Unit(benchmark::kMicrosecond);

void SphereTrianglesOnly(benchmark::State& state) {
    vec3* buffer = static_cast<vec3*>(std::malloc(sphereVertexCount * sizeof(vec3)));
    for (auto _ : state) {
        writeSphereTriangles(buffer);
        benchmark::DoNotOptimize(buffer);
        benchmark::ClobberMemory();
    }
    std::free(buffer);
}
BENCHMARK(SphereTrianglesOnly)->Unit(benchmark::kMicrosecond);

// The same weld by the plain scan over the whole window, for comparison.
void SphereReferenceWeld(benchmark::State& state) {
    for (auto _ : state) {
        Model model;
        model.addAttribute(AttributePosition, AttributeFloat, 3, 0, 0);
        model.addAttribute(AttributeNormal, AttributeFloat, 3, 0, 0);
        vec3* buffer = static_cast<vec3*>(std::malloc(sphereVertexCount * sizeof(vec3)));
        writeSphereTriangles(buffer);
        model.setVertices(buffer, sphereVertexCount, sizeof(vec3));
        referenceWeld(model, sphereVertexCount);
        benchmark::DoNotOptimize(model.indices);
    }
}
BENCHMARK(SphereReferenceWeld)->Unit(benchmark::kMillisecond);

} // namespace

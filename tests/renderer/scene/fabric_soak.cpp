// A scripted life of the cloth scene for memory checkers: several scenes in turn, each built, stepped at
// 60 frames per second with a reset forced every so often on top of the scene's own, and torn down.
//   fabric_soak [FRAMES_PER_SCENE [FRAMES_PER_FORCED_RESET [SCENES]]]
// Prints a summary; exits 1 when a particle leaves the finite numbers or an argument is not a count.
#include "scene/fabric_scene.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

bool parseCount(const char* text, long& value) {
    char* end = nullptr;
    long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed <= 0 || parsed > 100000000)
        return false;
    value = parsed;
    return true;
}

struct SceneFigures {
    long frames = 0;
    long forcedResets = 0;
    long ruleResets = 0;
    double checksum = 0.0;
    bool finite = true;
};

SceneFigures runScene(uint64_t seed, long frames, long forcedEvery) {
    SceneFigures figures;
    std::unique_ptr<FabricScene> scene(new FabricScene());
    scene->textureCount = 2;
    scene->init(seed);
    const float frameTime = 1.0f / 60.0f;
    float totalTime = 0.0f;
    for (long frame = 1; frame <= frames; frame++) {
        totalTime += frameTime;
        if (frame % forcedEvery == 0) {
            scene->reset(totalTime);
            figures.forcedResets++;
        }
        FabricFrame result = scene->update(frameTime, totalTime);
        if (result.reset)
            figures.ruleResets++;
        figures.frames++;
    }
    for (const FabricVertex& v : scene->fabricVertices) {
        double sum =
            (double)v.position.x + v.position.y + v.position.z + v.normal.x + v.normal.y + v.normal.z;
        if (!std::isfinite(sum))
            figures.finite = false;
        else
            figures.checksum += sum;
    }
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    long frames = 600, forcedEvery = 170, scenes = 3;
    long* targets[] = {&frames, &forcedEvery, &scenes};
    for (int i = 1; i < argc; i++) {
        if (i > 3 || !parseCount(argv[i], *targets[i - 1])) {
            std::fprintf(stderr,
                         "usage: fabric_soak [FRAMES_PER_SCENE [FRAMES_PER_FORCED_RESET [SCENES]]]\n");
            return 2;
        }
    }
    long totalFrames = 0, forced = 0, byRule = 0;
    bool finite = true;
    for (long s = 0; s < scenes; s++) {
        // Known seeds, the low bits differing so that each scene draws other sphere counts.
        SceneFigures figures = runScene(0x2540BE400ull + (uint64_t)s * 7919u, frames, forcedEvery);
        std::printf("scene %ld: %ld frames, %ld forced resets, %ld by the reset rule, checksum %.3f%s\n", s,
                    figures.frames, figures.forcedResets, figures.ruleResets, figures.checksum,
                    figures.finite ? "" : ", NOT FINITE");
        totalFrames += figures.frames;
        forced += figures.forcedResets;
        byRule += figures.ruleResets;
        finite = finite && figures.finite;
    }
    std::printf("fabric_soak: %ld scenes, %ld frames, %ld forced resets, %ld by the reset rule: %s\n", scenes,
                totalFrames, forced, byRule, finite ? "ok" : "FAILED");
    return finite ? 0 : 1;
}

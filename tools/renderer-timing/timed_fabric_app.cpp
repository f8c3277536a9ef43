// The renderer with a stopwatch: the same FabricApp, timing its simulation, its draw submission and its
// buffer swaps, closing itself after ZANDREL_TIMING_SECONDS (default 10) of frames and writing the figures
// to the file ZANDREL_TIMING_REPORT names. Not the product: the product carries no timing code.
#include "framework/frame_clock.h"
#include "scene/win32_fabric_app.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

int64_t now() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

double seconds(int64_t ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)ticks / (double)frequency.QuadPart;
}

double threadCpuSeconds() {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user))
        return 0.0;
    auto value = [](const FILETIME& t) {
        return ((uint64_t)t.dwHighDateTime << 32 | t.dwLowDateTime) * 1e-7;
    };
    return value(kernel) + value(user);
}

class TimedFabricApp : public FabricApp {
public:
    bool drawFrame() override {
        int64_t start = now();
        if (frames == 0) {
            const char* limit = std::getenv("ZANDREL_TIMING_SECONDS");
            runSeconds = limit != nullptr && std::atof(limit) > 0.0 ? std::atof(limit) : 10.0;
        }
        vec3 light = beginScene();
        int64_t beforeSimulation = now();
        simulate();
        int64_t afterSimulation = now();
        drawScene(light);
        int64_t end = now();
        simulationTicks += afterSimulation - beforeSimulation;
        submissionTicks += (beforeSimulation - start) + (end - afterSimulation);
        return true;
    }

    void endFrame() override {
        int64_t start = now();
        FabricApp::endFrame();
        int64_t end = now();
        if (frames == 0) {
            // The first frame (texture uploads, shader compiles) stays out of the per-frame figures.
            firstPresented = end;
            measureStart = end;
            cpuStart = threadCpuSeconds();
            simulationTicks = submissionTicks = 0;
        } else {
            swapTicks += end - start;
        }
        frames++;
        if (!closing && seconds(end - measureStart) >= runSeconds) {
            measureEnd = end;
            cpuEnd = threadCpuSeconds();
            closing = true;
            postClose();
        }
    }

    bool exit() override {
        report();
        return FabricApp::exit();
    }

private:
    void report() {
        const char* path = std::getenv("ZANDREL_TIMING_REPORT");
        FILE* out = path != nullptr ? std::fopen(path, "w") : nullptr;
        if (out == nullptr)
            return;
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        long measured = frames > 1 ? frames - 1 : 0;
        double span = closing ? seconds(measureEnd - measureStart) : 0.0;
        double perFrame = measured > 0 ? 1000.0 / (double)measured : 0.0;
        std::fprintf(out, "path %s\n", useShaders ? "shader" : "fixed-function");
        std::fprintf(out, "size %d x %d\n", width, height);
        std::fprintf(out, "first_presented_qpc %lld\n", (long long)firstPresented);
        std::fprintf(out, "qpc_frequency %lld\n", (long long)frequency.QuadPart);
        std::fprintf(out, "frames %ld\n", measured);
        std::fprintf(out, "seconds %.3f\n", span);
        std::fprintf(out, "fps %.2f\n", span > 0.0 ? (double)measured / span : 0.0);
        std::fprintf(out, "simulation_ms_per_frame %.3f\n", seconds(simulationTicks) * perFrame);
        std::fprintf(out, "submission_ms_per_frame %.3f\n", seconds(submissionTicks) * perFrame);
        std::fprintf(out, "swap_ms_per_frame %.3f\n", seconds(swapTicks) * perFrame);
        std::fprintf(out, "thread_cpu_ms_per_frame %.3f\n", (cpuEnd - cpuStart) * perFrame);
        std::fclose(out);
    }

    long frames = 0;
    double runSeconds = 10.0;
    bool closing = false;
    int64_t firstPresented = 0;
    int64_t measureStart = 0;
    int64_t measureEnd = 0;
    int64_t simulationTicks = 0;
    int64_t submissionTicks = 0;
    int64_t swapTicks = 0;
    double cpuStart = 0.0;
    double cpuEnd = 0.0;
};

const bool created = (theApp = new TimedFabricApp, true);

} // namespace

// The renderer with a frame log, for endurance runs: the same FabricApp, appending one line per second of
// frames ("seconds frames ms_per_frame", seconds since the first frame) to the file ZANDREL_FRAME_LOG
// names. Without that variable it logs nothing. Not the product: the product carries no such code.
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

double frequency() {
    LARGE_INTEGER rate;
    QueryPerformanceFrequency(&rate);
    return (double)rate.QuadPart;
}

class FrameLogApp : public FabricApp {
public:
    void endFrame() override {
        FabricApp::endFrame();
        int64_t end = now();
        if (frames++ == 0) {
            // The first frame (texture uploads, shader compiles) is start-up, not a frame time.
            const char* path = std::getenv("ZANDREL_FRAME_LOG");
            log = path != nullptr ? std::fopen(path, "w") : nullptr;
            first = intervalStart = end;
            intervalFrames = 0;
            return;
        }
        intervalFrames++;
        double interval = (double)(end - intervalStart) / frequency();
        if (log == nullptr || interval < 1.0)
            return;
        std::fprintf(log, "%.3f %ld %.3f\n", (double)(end - first) / frequency(), intervalFrames,
                     1000.0 * interval / (double)intervalFrames);
        std::fflush(log);
        intervalStart = end;
        intervalFrames = 0;
    }

    bool exit() override {
        if (log != nullptr)
            std::fclose(log);
        log = nullptr;
        return FabricApp::exit();
    }

private:
    FILE* log = nullptr;
    long frames = 0;
    long intervalFrames = 0;
    int64_t first = 0;
    int64_t intervalStart = 0;
};

const bool created = (theApp = new FrameLogApp, true);

} // namespace

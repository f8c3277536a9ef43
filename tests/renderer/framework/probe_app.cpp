// A test application for the entry point and the window procedure: it logs every operation the framework
// calls, with the milliseconds since the process was created, to the file named by ZANDREL_PROBE_LOG
// (nothing is logged without it). PROBE_FAILS names the operation that reports failure: init, initAPI or
// load.
#include "framework/app.h"
#include "framework/frame_clock.h"
#include "framework/settings.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

#ifndef PROBE_FAILS
#define PROBE_FAILS ""
#endif

namespace {

double millisecondsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    ULARGE_INTEGER a, b;
    a.LowPart = created.dwLowDateTime;
    a.HighPart = created.dwHighDateTime;
    b.LowPart = now.dwLowDateTime;
    b.HighPart = now.dwHighDateTime;
    return (double)(b.QuadPart - a.QuadPart) / 10000.0;
}

class ProbeApp : public App {
public:
    ProbeApp() {
        char path[MAX_PATH];
        DWORD n = GetEnvironmentVariableA("ZANDREL_PROBE_LOG", path, sizeof path);
        log = n > 0 && n < sizeof path ? std::fopen(path, "wb") : nullptr;
    }
    ~ProbeApp() override {
        write("destroyed");
        if (log)
            std::fclose(log);
    }

    bool init() override { return write("init") && !fails("init"); }
    bool exit() override {
        write("frames %d", frames);
        return write("exit");
    }
    bool initAPI() override {
        return write("initAPI fullscreen=%d cursorVisible=%d window=%d", fullscreen ? 1 : 0,
                     cursorVisible ? 1 : 0, hwnd != nullptr ? 1 : 0) &&
               !fails("initAPI");
    }
    bool exitAPI() override { return write("exitAPI"); }
    bool load() override { return write("load") && !fails("load"); }
    bool unload() override { return write("unload"); }
    void resetCamera() override {
        write("resetCamera");
        App::resetCamera();
    }
    void controls() override {
        if (frames++ == 0)
            write("frame totalTime>0=%d", totalTime > 0 ? 1 : 0);
        App::controls();
    }
    void beginFrame() override {}
    bool drawFrame() override { return false; }
    void endFrame() override { Sleep(1); }
    void onSize(int w, int h) override { write("onSize %d %d", w, h); }
    void onKey(unsigned key, bool pressed) override {
        write("onKey %u %d", key, pressed ? 1 : 0);
        App::onKey(key, pressed);
    }
    void drawRect(float, float, float, float, float, float, float, float) override {}
    bool captureScreen(Image&) override { return false; }

private:
    static bool fails(const char* operation) { return std::strcmp(PROBE_FAILS, operation) == 0; }

    bool write(const char* format, ...) {
        if (!log)
            return true;
        va_list args;
        va_start(args, format);
        std::vfprintf(log, format, args);
        va_end(args);
        std::fprintf(log, "\t@%.1f\n", millisecondsSinceProcessStart());
        std::fflush(log);
        return true;
    }

    FILE* log = nullptr;
    int frames = 0;
};

const bool created = (theApp = new ProbeApp, true);

} // namespace

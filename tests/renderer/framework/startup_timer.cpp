// Measures how long the renderer takes from its process start to the moment its "Zandrel_VC" window
// exists, as the saver would see it. Prints every run and the median.
//   startup_timer.exe PROGRAM [RUNS [PROBE_LOG]]
//   startup_timer.exe --phases [RUNS]     times the start-up steps before the window, in this process
#include "framework/display_modes.h"
#include "framework/settings.h"
#include "framework/win32_cycle_counter.h"
#include "framework/win32_display_platform.h"
#include "framework/win32_entry.h"
#include "program_runner.h"
#include "test_app.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

LARGE_INTEGER frequency;

double millisecondsSince(LARGE_INTEGER& mark) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    double ms = (double)(now.QuadPart - mark.QuadPart) * 1000.0 / (double)frequency.QuadPart;
    mark = now;
    return ms;
}

// The steps of start-up before the window exists, one by one, with the real platform calls.
int timePhases(int runs) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "PhaseTimer";
    RegisterClassA(&windowClass);
    for (int i = 0; i < runs; i++) {
        LARGE_INTEGER mark;
        QueryPerformanceCounter(&mark);
        calibrateCycleCounter();
        double calibrate = millisecondsSince(mark);
        TestApp app;
        app.createDisplayModes(new Win32DisplayPlatform);
        double enumerate = millisecondsSince(mark);
        bool switched = app.setDisplayMode(1024, 768, 85);
        double change = millisecondsSince(mark);
        HWND hwnd = CreateWindowExA(0, "PhaseTimer", "Title", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0,
                                    0, 1024, 768, nullptr, nullptr, windowClass.hInstance, nullptr);
        ShowWindow(hwnd, SW_SHOW);
        double create = millisecondsSince(mark);
        DestroyWindow(hwnd);
        app.restoreDisplayMode();
        double restore = millisecondsSince(mark);
        std::printf("run %d: calibrate %.1f ms, mode list %.1f ms (%u usable), switch %.1f ms (%s), "
                    "window %.1f ms, destroy and restore %.1f ms\n",
                    i, calibrate, enumerate, app.displayModes->modes.getCount(), change,
                    switched ? "ok" : "failed", create, restore);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QueryPerformanceFrequency(&frequency);
    if (argc < 2) {
        std::printf("usage: startup_timer PROGRAM [RUNS [PROBE_LOG]] | --phases [RUNS]\n");
        return 2;
    }
    int runs = argc > 2 ? std::atoi(argv[2]) : 9;
    if (runs < 1)
        runs = 1;
    if (std::strcmp(argv[1], "--phases") == 0)
        return timePhases(runs);
    std::string probeLog = argc > 3 ? argv[3] : "";
    std::vector<double> times;
    for (int i = 0; i < runs; i++) {
        ProgramRunner runner;
        LARGE_INTEGER start, found;
        QueryPerformanceCounter(&start);
        if (!runner.start(argv[1], probeLog)) {
            std::printf("FAIL: cannot start %s (error %lu)\n", argv[1], GetLastError());
            return 1;
        }
        HWND hwnd = nullptr;
        // Poll tightly: the figure is the first moment a lookup by title succeeds.
        while (!hwnd && runner.running()) {
            hwnd = FindWindowA(nullptr, "Zandrel_VC");
            if (!hwnd)
                Sleep(0);
        }
        QueryPerformanceCounter(&found);
        if (!hwnd) {
            std::printf("FAIL: run %d ended without a window\n", i);
            return 1;
        }
        double ms = (double)(found.QuadPart - start.QuadPart) * 1000.0 / (double)frequency.QuadPart;
        times.push_back(ms);
        std::printf("run %d: %.1f ms\n", i, ms);
        if (!probeLog.empty()) {
            // The probe's own time stamps: where inside the program the time went.
            waitForText(probeLog, "load", 5000);
            std::string events = readText(probeLog);
            for (char& c : events)
                if (c == '\n' || c == '\t')
                    c = ' ';
            std::printf("    probe: %s\n", events.c_str());
        }
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        if (runner.waitForExit(10000) != 0) {
            std::printf("FAIL: run %d did not exit with 0\n", i);
            return 1;
        }
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    std::printf("median of %d runs: %.1f ms (min %.1f, max %.1f)\n", runs, sorted[sorted.size() / 2],
                sorted.front(), sorted.back());
    return 0;
}

// Starts the timed renderer as the saver starts the renderer and prints the start-up figures next to the
// renderer's own report: process start to the "Zandrel_VC" window, and to the first presented frame.
//   timing_launcher.exe PROGRAM REPORT_FILE
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findRendererWindow(HWND hwnd, LPARAM data) {
    Search* search = reinterpret_cast<Search*>(data);
    char title[64] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->processId && std::strcmp(title, "Zandrel_VC") == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

double milliseconds(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)ticks * 1000.0 / (double)frequency.QuadPart;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: timing_launcher PROGRAM REPORT_FILE\n");
        return 2;
    }
    DeleteFileA(argv[2]);
    SetEnvironmentVariableA("ZANDREL_TIMING_REPORT", argv[2]);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    char commandLine[MAX_PATH + 2];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\"", argv[1]);
    LARGE_INTEGER started, windowSeen = {};
    QueryPerformanceCounter(&started);
    if (!CreateProcessA(argv[1], commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::printf("could not start %s\n", argv[1]);
        return 1;
    }
    for (;;) {
        Search search = {process.dwProcessId, nullptr};
        EnumWindows(findRendererWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            QueryPerformanceCounter(&windowSeen);
            break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    if (WaitForSingleObject(process.hProcess, 180000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 99);
        std::printf("the renderer did not end\n");
        return 1;
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);

    FILE* report = std::fopen(argv[2], "r");
    if (report == nullptr) {
        std::printf("no report: the renderer closed before its first frame\n");
        return 1;
    }
    long long firstPresented = 0;
    char line[256];
    while (std::fgets(line, sizeof line, report)) {
        std::fputs(line, stdout);
        std::sscanf(line, "first_presented_qpc %lld", &firstPresented);
    }
    std::fclose(report);
    if (windowSeen.QuadPart != 0)
        std::printf("window_ms %.1f\n", milliseconds(windowSeen.QuadPart - started.QuadPart));
    if (firstPresented != 0)
        std::printf("first_frame_ms %.1f\n", milliseconds(firstPresented - started.QuadPart));
    return 0;
}

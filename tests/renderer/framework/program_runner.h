#pragma once

#include <windows.h>

#include <string>

// Starts a renderer program as its own process and watches its window, as the saver does.
class ProgramRunner {
public:
    ProgramRunner() = default;
    ProgramRunner(const ProgramRunner&) = delete;
    ProgramRunner& operator=(const ProgramRunner&) = delete;
    ~ProgramRunner();

    // Starts path with no arguments; the probe application logs to logPath when it is not empty.
    bool start(const std::string& path, const std::string& logPath = "");
    // The top-level window titled exactly "Zandrel_VC" that belongs to the process; null on timeout.
    HWND waitForWindow(DWORD timeoutMs);
    // The exit code, or -1 when the process is still running after the timeout (it is then killed).
    long waitForExit(DWORD timeoutMs);
    bool running() const;

    PROCESS_INFORMATION process = {};
};

// "Z:" plus the Unix path, the same file as Wine sees it.
std::string windowsPath(const char* unixPath);
// The whole file; empty when it cannot be read.
std::string readText(const std::string& path);
// Waits until the file contains text (the program got that far); false on timeout.
bool waitForText(const std::string& path, const char* text, DWORD timeoutMs);
// The log of the probe application without the time stamps.
std::string probeEvents(const std::string& path);

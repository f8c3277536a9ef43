#include "program_runner.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

ProgramRunner::~ProgramRunner() {
    if (process.hProcess) {
        if (running())
            TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
}

bool ProgramRunner::start(const std::string& path, const std::string& logPath) {
    SetEnvironmentVariableA("ZANDREL_PROBE_LOG", logPath.empty() ? nullptr : logPath.c_str());
    if (!logPath.empty())
        DeleteFileA(logPath.c_str());
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + path + "\"";
    return CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process) != 0;
}

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findOwnWindow(HWND hwnd, LPARAM data) {
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

} // namespace

HWND ProgramRunner::waitForWindow(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        Search search = {process.dwProcessId, nullptr};
        EnumWindows(findOwnWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (GetTickCount() - start > timeoutMs || !running())
            return nullptr;
        Sleep(5);
    }
}

long ProgramRunner::waitForExit(DWORD timeoutMs) {
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return (long)code;
}

bool ProgramRunner::running() const {
    return process.hProcess && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;
}

std::string windowsPath(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool waitForText(const std::string& path, const char* text, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (readText(path).find(text) == std::string::npos) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(10);
    }
    return true;
}

std::string probeEvents(const std::string& path) {
    std::istringstream lines(readText(path));
    std::string line, events;
    while (std::getline(lines, line))
        events += line.substr(0, line.find('\t')) + "\n";
    return events;
}

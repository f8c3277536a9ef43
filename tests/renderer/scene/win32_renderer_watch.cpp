#include "win32_renderer_watch.h"

#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

namespace {

// The peak of the address space is in the system's own counters only.
uint64_t peakVirtualSize(HANDLE process) {
    VM_COUNTERS counters = {};
    const PROCESSINFOCLASS vmCounters = (PROCESSINFOCLASS)3;
    if (NtQueryInformationProcess(process, vmCounters, &counters, sizeof counters, nullptr) != 0)
        return 0;
    return counters.PeakVirtualSize;
}

} // namespace

bool sampleMemory(HANDLE process, ChildMemory& memory) {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        return false;
    // Peak values straight from the counters, and the current ones too: a process sampled once only has
    // its peak in whichever the system keeps up to date.
    uint64_t pagefile = counters.PeakPagefileUsage > counters.PagefileUsage ? counters.PeakPagefileUsage
                                                                            : counters.PagefileUsage;
    uint64_t workingSet = counters.PeakWorkingSetSize > counters.WorkingSetSize ? counters.PeakWorkingSetSize
                                                                                : counters.WorkingSetSize;
    uint64_t peakVirtual = peakVirtualSize(process);
    if (peakVirtual > memory.peakVirtual)
        memory.peakVirtual = peakVirtual;
    if (pagefile > memory.peakPagefile)
        memory.peakPagefile = pagefile;
    if (workingSet > memory.peakWorkingSet)
        memory.peakWorkingSet = workingSet;
    memory.privateBytes = counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
    memory.samples++;
    return true;
}

long waitSampling(HANDLE process, DWORD timeoutMs, ChildMemory& memory, DWORD& elapsedMs) {
    DWORD start = GetTickCount();
    for (;;) {
        sampleMemory(process, memory);
        DWORD result = WaitForSingleObject(process, 2);
        elapsedMs = GetTickCount() - start;
        if (result == WAIT_OBJECT_0)
            break;
        if (elapsedMs > timeoutMs) {
            TerminateProcess(process, 99);
            WaitForSingleObject(process, 5000);
            return -1;
        }
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return (long)code;
}

int countProcesses(const char* exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, exeName) == 0)
            count++;
    CloseHandle(snapshot);
    return count;
}

bool windowRemains(const char* title, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (FindWindowA(nullptr, title) != nullptr) {
        if (GetTickCount() - start > timeoutMs)
            return true;
        Sleep(10);
    }
    return false;
}

double megabytes(uint64_t bytes) {
    return (double)bytes / (1024.0 * 1024.0);
}

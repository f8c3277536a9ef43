#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// What a watched child process used, from GetProcessMemoryInfo while it ran: the highest values seen
// (the counters of a process that has ended can no longer be read).
struct ChildMemory {
    uint64_t peakPagefile = 0;
    uint64_t peakWorkingSet = 0;
    // The address space's peak, which the system keeps itself: a block reserved and freed between two
    // samples still shows here.
    uint64_t peakVirtual = 0;
    uint64_t privateBytes = 0; // the latest sample
    int samples = 0;
};

// One sample of the child's counters into memory; false when they cannot be read (it has ended).
bool sampleMemory(HANDLE process, ChildMemory& memory);

// Waits for the child to end, sampling its memory every few milliseconds. The exit code, or -1 when it is
// still running after timeoutMs (it is then killed); elapsedMs is the time waited.
long waitSampling(HANDLE process, DWORD timeoutMs, ChildMemory& memory, DWORD& elapsedMs);

// Processes whose executable file has this name (case ignored), as the process list shows them.
int countProcesses(const char* exeName);

// A top-level window with this title, of any process, is there after waiting up to timeoutMs for it to
// go.
bool windowRemains(const char* title, DWORD timeoutMs);

double megabytes(uint64_t bytes);

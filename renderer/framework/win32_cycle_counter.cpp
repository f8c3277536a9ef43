#include "framework/win32_cycle_counter.h"

#include <windows.h>

#include <intrin.h>

uint64_t readCycleCounter() {
    return __rdtsc();
}

uint64_t calibrateCycleCounter() {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    uint64_t startCycles = readCycleCounter();

    // The loop's duration is the measuring interval; volatile keeps the optimiser from removing it.
    for (volatile int i = 0; i < 1000000; i = i + 1) {
    }

    QueryPerformanceCounter(&end);
    uint64_t endCycles = readCycleCounter();
    uint64_t ticks = (uint64_t)(end.QuadPart - start.QuadPart);
    if (ticks == 0)
        ticks = 1; // a coarse performance counter must not divide by zero
    return (endCycles - startCycles) * (uint64_t)frequency.QuadPart / ticks;
}

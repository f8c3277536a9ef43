#pragma once

#include <cstdint>

// The processor's time-stamp counter.
uint64_t readCycleCounter();

// Cycles per second, measured against the performance counter over a fixed busy loop.
uint64_t calibrateCycleCounter();

#pragma once

#include <cstdint>

// Process-wide values of the run: the window's client size and the frame clock.
extern int width;
extern int height;
extern float frameTime;
extern float totalTime;
extern uint64_t cyclesPerSecond;

// Seconds for a cycle count, both taken as signed 64-bit values and divided in double precision.
float cyclesToSeconds(uint64_t elapsed, uint64_t rate);

// Advances the clock to the counter value now: frameTime from the cycles since previous, added to totalTime.
void advanceFrameClock(uint64_t now, uint64_t& previous);

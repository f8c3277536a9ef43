#include "framework/frame_clock.h"

int width = 0;
int height = 0;
float frameTime = 0.0f;
float totalTime = 0.0f;
uint64_t cyclesPerSecond = 0;

float cyclesToSeconds(uint64_t elapsed, uint64_t rate) {
    return (float)((double)(int64_t)elapsed / (double)(int64_t)rate);
}

void advanceFrameClock(uint64_t now, uint64_t& previous) {
    uint64_t elapsed = now - previous;
    previous = now;
    frameTime = cyclesToSeconds(elapsed, cyclesPerSecond);
    totalTime += frameTime;
}

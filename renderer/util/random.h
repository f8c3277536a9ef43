#pragma once

#include <cstdint>

// The renderer's own 15-bit linear congruential generator, identical on every platform:
// state = state * 214013 + 2531011, result (state >> 16) & 0x7FFF. The state is 1 until seeded.
int rand15();
void srand15(uint32_t seed);

#include "util/random.h"

namespace {
uint32_t state = 1;
}

int rand15() {
    state = state * 214013u + 2531011u;
    return (int)((state >> 16) & 0x7FFF);
}

void srand15(uint32_t seed) {
    state = seed;
}

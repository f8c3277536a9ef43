#pragma once

#include <cstdint>

struct DisplayMode {
    int32_t width;
    int32_t height;
    int32_t bitsPerPixel;
    int32_t refreshRate; // 0 or 1: the hardware default
    int32_t modeIndex;   // position of the mode in the platform's enumeration
};

static_assert(sizeof(DisplayMode) == 20, "five 32-bit integers");

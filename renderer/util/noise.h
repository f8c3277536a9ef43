#pragma once

#include "util/vector.h"

#include <cstdint>

// Gradient-noise tables: 4096 entries followed by copies of entries 0 ... 4097, so lookups of an index plus
// one or two never wrap.
constexpr int noiseTableSize = 4096;
constexpr int noiseTableLength = noiseTableSize + noiseTableSize + 2;

extern int32_t noisePermutation[noiseTableLength];
extern float noiseGradient1[noiseTableLength];
extern vec2 noiseGradient2[noiseTableLength];
extern vec3 noiseGradient3[noiseTableLength];

// Fills the tables from rand15(), 28671 draws in a fixed order. Run before the generator is seeded, the
// tables (and every noise curve) are the same in every run.
void initNoise();

// One-dimensional noise, 0 at whole numbers, period 256, within -0.5 ... 0.5. Zero before initNoise.
float noise1(float x);

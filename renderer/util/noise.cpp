#include "util/noise.h"

#include "util/random.h"

int32_t noisePermutation[noiseTableLength];
float noiseGradient1[noiseTableLength];
vec2 noiseGradient2[noiseTableLength];
vec3 noiseGradient3[noiseTableLength];

namespace {
float randomComponent() {
    return (float)((double)(rand15() % 8192 - 4096) / 4096.0);
}

// A zero draw has no direction; it stays zero instead of becoming NaN.
float inverseLength(float squaredLength) {
    return squaredLength > 0.0f ? 1.0f / sqrtScalar(squaredLength) : 0.0f;
}

template <typename T> void copyHead(T* table) {
    for (int i = 0; i < noiseTableSize + 2; i++)
        table[noiseTableSize + i] = table[i];
}
} // namespace

void initNoise() {
    for (int i = 0; i < noiseTableSize; i++) {
        noisePermutation[i] = i;
        noiseGradient1[i] = randomComponent();

        vec2 g2;
        g2.x = randomComponent();
        g2.y = randomComponent();
        float s2 = inverseLength(g2.x * g2.x + g2.y * g2.y);
        noiseGradient2[i] = vec2(g2.x * s2, g2.y * s2);

        vec3 g3;
        g3.x = randomComponent();
        g3.y = randomComponent();
        g3.z = randomComponent();
        noiseGradient3[i] = g3 * inverseLength(dot(g3, g3));
    }
    for (int k = noiseTableSize - 1; k > 0; k--) {
        int j = rand15() % noiseTableSize;
        int32_t swapped = noisePermutation[k];
        noisePermutation[k] = noisePermutation[j];
        noisePermutation[j] = swapped;
    }
    copyHead(noisePermutation);
    copyHead(noiseGradient1);
    copyHead(noiseGradient2);
    copyHead(noiseGradient3);
}

float noise1(float x) {
    float t = x + 4096.0f;
    // Beyond 2^24 every float is a whole number, where the curve is 0; this also keeps the integer
    // conversion below defined for huge and non-finite arguments.
    if (!(t > -16777216.0f && t < 16777216.0f))
        return 0.0f;
    int32_t n = (int32_t)t;
    int32_t b0 = n & 255;
    int32_t b1 = (b0 + 1) & 255;
    float r0 = t - (float)n;
    float r1 = r0 - 1.0f;
    // Intermediates in double, rounded to float only where the curve's definition rounds.
    float s = (float)((double)r0 * r0 * (3.0 - 2.0 * r0));
    float u = (float)((double)r0 * noiseGradient1[noisePermutation[b0]]);
    double v = (double)r1 * (double)noiseGradient1[noisePermutation[b1]];
    return (float)((double)u + (double)s * (v - (double)u));
}

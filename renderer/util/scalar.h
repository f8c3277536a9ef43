#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

// Scalar helpers: the library functions are evaluated in double precision and rounded back to float, so
// results agree across run-time libraries wherever the double results round to the same float.

inline float sqrtScalar(float x) {
    return (float)std::sqrt((double)x);
}
inline float powScalar(float x, float y) {
    return (float)std::pow((double)x, (double)y);
}
inline float sinScalar(float x) {
    return (float)std::sin((double)x);
}
inline float cosScalar(float x) {
    return (float)std::cos((double)x);
}
inline float tanScalar(float x) {
    return (float)std::tan((double)x);
}

// Approximate 1/sqrt(x): the bit-level first guess and one Newton step, within about 0.2 %.
inline float fastInvSqrt(float x) {
    int32_t i;
    std::memcpy(&i, &x, sizeof i);
    i = 0x5F3759DF - (i >> 1);
    float y;
    std::memcpy(&y, &i, sizeof y);
    float h = 0.5f * x;
    return y * (1.5f - h * y * y);
}

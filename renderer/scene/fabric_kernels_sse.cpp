#include "scene/fabric_kernels.h"

#include <emmintrin.h>

namespace {
typedef __m128 V;
const uint32_t laneCount = 4;

inline V load(const float* p) {
    return _mm_loadu_ps(p);
}
inline void store(float* p, V v) {
    _mm_storeu_ps(p, v);
}
inline V set1(float f) {
    return _mm_set1_ps(f);
}
inline V add(V a, V b) {
    return _mm_add_ps(a, b);
}
inline V sub(V a, V b) {
    return _mm_sub_ps(a, b);
}
inline V mul(V a, V b) {
    return _mm_mul_ps(a, b);
}
inline V divide(V a, V b) {
    return _mm_div_ps(a, b);
}
inline V squareRoot(V a) {
    return _mm_sqrt_ps(a);
}
inline __m128i intConstant(int32_t i) {
    return _mm_set1_epi32(i);
}
inline __m128i shiftRightArithmetic1(V a) {
    return _mm_srai_epi32(_mm_castps_si128(a), 1);
}
inline __m128i subInt(__m128i a, __m128i b) {
    return _mm_sub_epi32(a, b);
}
inline V castToFloat(__m128i a) {
    return _mm_castsi128_ps(a);
}

#include "scene/fabric_kernels.inc"
} // namespace

void springLanes4(const FabricLanes& lanes, const FabricRunView& run, const FabricStepTerms& terms) {
    springRunLanes(lanes, run, terms);
}

void normalLanes4(const FabricLanes& lanes, const FabricRunView& run) {
    normalRunLanes(lanes, run);
}
